#include "platform/desktop/files.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/paths.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

namespace desk {

using namespace detail;

namespace {

struct OpenFile {
    std::string key; // the Linux path
    int fd = -1;
    DWORD access = 0;
    DWORD share = 0;
    DWORD process = 0;
};

struct FindState {
    std::vector<WIN32_FIND_DATA> found;
    std::size_t next = 0;
};

struct FileTable {
    std::mutex m;
    std::map<std::uint32_t, OpenFile> files;
    std::map<std::uint32_t, FindState> finds;
};

FileTable& Files() {
    static FileTable* table = new FileTable;
    return *table;
}

HANDLE ToHandle(std::uint32_t value) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(value)); }

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

DWORD CallerProcess() {
    State& s = S();
    Lock lk(s.m);
    return CurrentProcess(lk)->id;
}

bool Writable(const fs::path& p) {
    std::error_code ec;
    return (fs::status(p, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
}

// Whether an open with this access and sharing can live beside the files already open.
bool SharingAllows(const FileTable& t, const std::string& key, DWORD access, DWORD share) {
    for (const auto& [h, f] : t.files) {
        if (f.key != key) continue;
        if ((access & GENERIC_READ) && !(f.share & FILE_SHARE_READ)) return false;
        if ((access & GENERIC_WRITE) && !(f.share & FILE_SHARE_WRITE)) return false;
        if ((f.access & GENERIC_READ) && !(share & FILE_SHARE_READ)) return false;
        if ((f.access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE)) return false;
    }
    return true;
}

bool OpenWithoutDeleteSharing(const FileTable& t, const std::string& key) {
    return std::any_of(t.files.begin(), t.files.end(), [&](const auto& entry) {
        return entry.second.key == key && !(entry.second.share & FILE_SHARE_DELETE);
    });
}

DWORD CopyOut(const std::string& text, char* buffer, DWORD size) {
    if (!buffer || text.size() + 1 > size) return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

// Resolves a path whose folder must exist; sets the last error otherwise.
std::optional<fs::path> ResolveInExistingFolder(const char* path) {
    auto native = Resolve(path);
    std::error_code ec;
    if (!native) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    if (!fs::is_directory(native->parent_path(), ec)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    return native;
}

DWORD AttributesOf(const fs::path& p) {
    std::error_code ec;
    if (fs::is_directory(p, ec)) return FILE_ATTRIBUTE_DIRECTORY;
    return FILE_ATTRIBUTE_ARCHIVE | (Writable(p) ? 0 : FILE_ATTRIBUTE_READONLY);
}

bool Matches(const std::string& pattern, const std::string& name) {
    // Wildcards * and ?, ignoring case.
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || up(pattern[p]) == up(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

void CopyName(char* to, std::size_t size, const std::string& name) {
    const std::size_t n = std::min(name.size(), size - 1);
    std::memcpy(to, name.data(), n);
    to[n] = '\0';
}

} // namespace

namespace detail {

void CloseFilesOfProcess(DWORD processId) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    for (auto it = t.files.begin(); it != t.files.end();) {
        if (it->second.process != processId) {
            ++it;
            continue;
        }
        ::close(it->second.fd);
        it = t.files.erase(it);
    }
}

void ForgetOpenFiles() {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    for (auto& [h, f] : t.files) ::close(f.fd);
    t.files.clear();
    t.finds.clear();
}

bool CloseFileHandle(std::uint32_t value) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    if (auto it = t.files.find(value); it != t.files.end()) {
        ::close(it->second.fd);
        t.files.erase(it);
        return true;
    }
    return t.finds.erase(value) > 0;
}

bool IsFileHandle(std::uint32_t value) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    return t.files.count(value) || t.finds.count(value);
}

} // namespace detail

HANDLE CreateFile(const char* path, DWORD access, DWORD shareMode, const void*, DWORD creationDisposition, DWORD,
                  HANDLE) {
    auto native = ResolveInExistingFolder(path);
    if (!native) return INVALID_HANDLE_VALUE;
    std::error_code ec;
    const bool exists = fs::exists(*native, ec);
    if (fs::is_directory(*native, ec)) return Fail(ERROR_ACCESS_DENIED), INVALID_HANDLE_VALUE;
    if (creationDisposition == CREATE_NEW && exists) return Fail(ERROR_FILE_EXISTS), INVALID_HANDLE_VALUE;
    if ((creationDisposition == OPEN_EXISTING || creationDisposition == TRUNCATE_EXISTING) && !exists)
        return Fail(ERROR_FILE_NOT_FOUND), INVALID_HANDLE_VALUE;
    if (creationDisposition < CREATE_NEW || creationDisposition > TRUNCATE_EXISTING)
        return Fail(ERROR_INVALID_PARAMETER), INVALID_HANDLE_VALUE;
    const bool writes =
        (access & GENERIC_WRITE) || creationDisposition == CREATE_ALWAYS || creationDisposition == TRUNCATE_EXISTING;
    if (exists && writes && !Writable(*native)) return Fail(ERROR_ACCESS_DENIED), INVALID_HANDLE_VALUE;
    const DWORD process = CallerProcess();
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    const std::string key = native->string();
    if (!SharingAllows(t, key, access, shareMode)) return Fail(ERROR_SHARING_VIOLATION), INVALID_HANDLE_VALUE;
    int flags = O_CLOEXEC;
    flags |= (access & GENERIC_WRITE) ? ((access & GENERIC_READ) ? O_RDWR : O_WRONLY) : O_RDONLY;
    if (creationDisposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
    if (creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS) flags |= O_CREAT;
    if (creationDisposition == CREATE_ALWAYS || creationDisposition == TRUNCATE_EXISTING) {
        if (!(access & GENERIC_WRITE)) flags = (flags & ~O_RDONLY) | O_RDWR;
        flags |= O_TRUNC;
    }
    const int fd = ::open(native->c_str(), flags, 0666);
    if (fd < 0) return Fail(ERROR_ACCESS_DENIED), INVALID_HANDLE_VALUE;
    const std::uint32_t value = NewHandleValue();
    t.files[value] = OpenFile{key, fd, access, shareMode, process};
    SetLastError(exists && (creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS)
                     ? ERROR_ALREADY_EXISTS
                     : ERROR_SUCCESS);
    return ToHandle(value);
}

namespace {

int FdOf(HANDLE file, DWORD need) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    auto it = t.files.find(IdOf(file));
    if (it == t.files.end()) return -1;
    if (need && !(it->second.access & need)) return -2;
    return it->second.fd;
}

} // namespace

bool ReadFile(HANDLE file, void* buffer, DWORD toRead, DWORD* read, void*) {
    const int fd = FdOf(file, GENERIC_READ);
    if (fd == -1) return Fail(ERROR_INVALID_HANDLE);
    if (fd == -2) return Fail(ERROR_ACCESS_DENIED);
    const ssize_t n = ::read(fd, buffer, toRead);
    if (n < 0) return Fail(ERROR_ACCESS_DENIED);
    if (read) *read = static_cast<DWORD>(n);
    return true;
}

bool WriteFile(HANDLE file, const void* buffer, DWORD toWrite, DWORD* written, void*) {
    const int fd = FdOf(file, GENERIC_WRITE);
    if (fd == -1) return Fail(ERROR_INVALID_HANDLE);
    if (fd == -2) return Fail(ERROR_ACCESS_DENIED);
    const ssize_t n = ::write(fd, buffer, toWrite);
    if (n < 0) return Fail(ERROR_ACCESS_DENIED);
    if (written) *written = static_cast<DWORD>(n);
    return true;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod) {
    const int fd = FdOf(file, 0);
    if (fd < 0) return Fail(ERROR_INVALID_HANDLE), INVALID_FILE_SIZE;
    off_t offset = distance;
    if (distanceHigh)
        offset = static_cast<off_t>((static_cast<std::uint64_t>(static_cast<DWORD>(*distanceHigh)) << 32) |
                                    static_cast<DWORD>(distance));
    const int whence = moveMethod == FILE_CURRENT ? SEEK_CUR : moveMethod == FILE_END ? SEEK_END : SEEK_SET;
    const off_t at = ::lseek(fd, offset, whence);
    if (at < 0) return Fail(ERROR_INVALID_PARAMETER), INVALID_FILE_SIZE;
    if (distanceHigh) *distanceHigh = static_cast<LONG>(static_cast<std::uint64_t>(at) >> 32);
    return static_cast<DWORD>(at);
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    const int fd = FdOf(file, 0);
    if (fd < 0) return Fail(ERROR_INVALID_HANDLE), INVALID_FILE_SIZE;
    const off_t at = ::lseek(fd, 0, SEEK_CUR);
    const off_t end = ::lseek(fd, 0, SEEK_END);
    ::lseek(fd, at, SEEK_SET);
    if (sizeHigh) *sizeHigh = static_cast<DWORD>(static_cast<std::uint64_t>(end) >> 32);
    return static_cast<DWORD>(end);
}

bool DeleteFile(const char* path) {
    auto native = Resolve(path);
    std::error_code ec;
    if (!native || !fs::exists(*native, ec)) return Fail(native ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
    if (fs::is_directory(*native, ec) || !Writable(*native)) return Fail(ERROR_ACCESS_DENIED);
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    if (OpenWithoutDeleteSharing(t, native->string())) return Fail(ERROR_SHARING_VIOLATION);
    return fs::remove(*native, ec) || Fail(ERROR_ACCESS_DENIED);
}

bool MoveFile(const char* existing, const char* newName) {
    auto from = Resolve(existing);
    auto to = ResolveInExistingFolder(newName);
    std::error_code ec;
    if (!from || !fs::exists(*from, ec)) return Fail(ERROR_FILE_NOT_FOUND);
    if (!to) return false;
    if (fs::exists(*to, ec) && !fs::equivalent(*from, *to, ec)) return Fail(ERROR_ALREADY_EXISTS);
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    if (OpenWithoutDeleteSharing(t, from->string())) return Fail(ERROR_SHARING_VIOLATION);
    fs::rename(*from, *to, ec);
    return !ec || Fail(ERROR_ACCESS_DENIED);
}

bool CopyFile(const char* existing, const char* newName, bool failIfExists) {
    auto from = Resolve(existing);
    auto to = ResolveInExistingFolder(newName);
    std::error_code ec;
    if (!from || !fs::is_regular_file(*from, ec)) return Fail(ERROR_FILE_NOT_FOUND);
    if (!to) return false;
    if (fs::exists(*to, ec)) {
        if (failIfExists) return Fail(ERROR_FILE_EXISTS);
        if (!Writable(*to)) return Fail(ERROR_ACCESS_DENIED);
    }
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    if (!SharingAllows(t, from->string(), GENERIC_READ, FILE_SHARE_READ)) return Fail(ERROR_SHARING_VIOLATION);
    if (!SharingAllows(t, to->string(), GENERIC_WRITE, 0)) return Fail(ERROR_SHARING_VIOLATION);
    fs::copy_file(*from, *to, fs::copy_options::overwrite_existing, ec);
    return !ec || Fail(ERROR_ACCESS_DENIED);
}

bool CreateDirectory(const char* path, const void*) {
    auto native = ResolveInExistingFolder(path);
    if (!native) return false;
    std::error_code ec;
    if (fs::exists(*native, ec)) return Fail(ERROR_ALREADY_EXISTS);
    return fs::create_directory(*native, ec) || Fail(ERROR_ACCESS_DENIED);
}

bool RemoveDirectory(const char* path) {
    auto native = Resolve(path);
    std::error_code ec;
    if (!native || !fs::is_directory(*native, ec)) return Fail(ERROR_PATH_NOT_FOUND);
    if (!fs::is_empty(*native, ec)) return Fail(ERROR_DIR_NOT_EMPTY);
    return fs::remove(*native, ec) || Fail(ERROR_ACCESS_DENIED);
}

DWORD GetFileAttributes(const char* path) {
    auto native = Resolve(path);
    std::error_code ec;
    if (!native || !fs::exists(*native, ec)) return Fail(ERROR_FILE_NOT_FOUND), INVALID_FILE_ATTRIBUTES;
    return AttributesOf(*native);
}

bool SetFileAttributes(const char* path, DWORD attributes) {
    auto native = Resolve(path);
    std::error_code ec;
    if (!native || !fs::exists(*native, ec)) return Fail(ERROR_FILE_NOT_FOUND);
    if (fs::is_directory(*native, ec)) return true;
    const auto writeBits = fs::perms::owner_write;
    fs::permissions(*native, writeBits,
                    (attributes & FILE_ATTRIBUTE_READONLY) ? fs::perm_options::remove : fs::perm_options::add, ec);
    return !ec || Fail(ERROR_ACCESS_DENIED);
}

HANDLE FindFirstFile(const char* pattern, WIN32_FIND_DATA* data) {
    auto parsed = pattern ? ParseVirtualPath(pattern, CallerCurrentDirectory()) : std::nullopt;
    if (!parsed || parsed->names.empty()) return Fail(ERROR_FILE_NOT_FOUND), INVALID_HANDLE_VALUE;
    const std::string wanted = parsed->names.back();
    parsed->names.pop_back();
    auto folder = NativeOf(*parsed);
    std::error_code ec;
    if (!folder || !fs::is_directory(*folder, ec)) return Fail(ERROR_PATH_NOT_FOUND), INVALID_HANDLE_VALUE;
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(*folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    FindState state;
    for (const auto& name : names) {
        const std::string shortName = ShortNameOf(*folder, name);
        if (!Matches(wanted, name) && !Matches(wanted, ToUtf8(shortName))) continue;
        WIN32_FIND_DATA found;
        const fs::path full = *folder / name;
        found.dwFileAttributes = AttributesOf(full);
        const std::uint64_t size = fs::is_regular_file(full, ec) ? fs::file_size(full, ec) : 0;
        found.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        found.nFileSizeLow = static_cast<DWORD>(size);
        const std::string longName = ToCp932(name);
        CopyName(found.cFileName, sizeof(found.cFileName), longName);
        if (shortName != longName) CopyName(found.cAlternateFileName, sizeof(found.cAlternateFileName), shortName);
        state.found.push_back(found);
    }
    if (state.found.empty()) return Fail(ERROR_FILE_NOT_FOUND), INVALID_HANDLE_VALUE;
    *data = state.found.front();
    state.next = 1;
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    const std::uint32_t value = NewHandleValue();
    t.finds[value] = std::move(state);
    return ToHandle(value);
}

bool FindNextFile(HANDLE find, WIN32_FIND_DATA* data) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    auto it = t.finds.find(IdOf(find));
    if (it == t.finds.end()) return Fail(ERROR_INVALID_HANDLE);
    if (it->second.next >= it->second.found.size()) return Fail(ERROR_NO_MORE_FILES);
    *data = it->second.found[it->second.next++];
    return true;
}

bool FindClose(HANDLE find) {
    FileTable& t = Files();
    std::lock_guard<std::mutex> lock(t.m);
    return t.finds.erase(IdOf(find)) > 0 || Fail(ERROR_INVALID_HANDLE);
}

namespace {

// The existing path in long form and in short form, or nothing (last error set).
std::optional<std::pair<VirtualPath, std::string>> ExistingForms(const char* path) {
    auto parsed = path ? ParseVirtualPath(path, CallerCurrentDirectory()) : std::nullopt;
    if (!parsed) return Fail(ERROR_PATH_NOT_FOUND), std::nullopt;
    VirtualPath longForm;
    auto native = NativeOf(*parsed, &longForm);
    std::error_code ec;
    if (!native || !fs::exists(*native, ec)) return Fail(ERROR_FILE_NOT_FOUND), std::nullopt;
    std::string shortForm = std::string(1, longForm.drive) + ":\\";
    auto folder = NativeOf(VirtualPath{longForm.drive, {}});
    for (std::size_t i = 0; i < longForm.names.size(); ++i) {
        if (i) shortForm += '\\';
        shortForm += ShortNameOf(*folder, longForm.names[i]);
        *folder /= longForm.names[i];
    }
    return std::make_pair(longForm, shortForm);
}

} // namespace

DWORD GetShortPathName(const char* longPath, char* buffer, DWORD size) {
    auto forms = ExistingForms(longPath);
    return forms ? CopyOut(forms->second, buffer, size) : 0;
}

DWORD GetLongPathName(const char* shortPath, char* buffer, DWORD size) {
    auto forms = ExistingForms(shortPath);
    return forms ? CopyOut(FormatVirtualPath(forms->first), buffer, size) : 0;
}

DWORD GetFullPathName(const char* path, DWORD size, char* buffer, char** filePart) {
    auto parsed = path ? ParseVirtualPath(path, CallerCurrentDirectory()) : std::nullopt;
    if (!parsed) return Fail(ERROR_INVALID_PARAMETER), 0;
    const std::string full = FormatVirtualPath(*parsed);
    const DWORD n = CopyOut(full, buffer, size);
    if (filePart && n < size) *filePart = parsed->names.empty() ? nullptr : buffer + full.rfind('\\') + 1;
    return n;
}

DWORD GetCurrentDirectory(DWORD size, char* buffer) { return CopyOut(CallerCurrentDirectory(), buffer, size); }

bool SetCurrentDirectory(const char* path) {
    auto parsed = path ? ParseVirtualPath(path, CallerCurrentDirectory()) : std::nullopt;
    if (!parsed) return Fail(ERROR_PATH_NOT_FOUND);
    VirtualPath longForm;
    auto native = NativeOf(*parsed, &longForm);
    std::error_code ec;
    if (!native || !fs::is_directory(*native, ec)) return Fail(ERROR_PATH_NOT_FOUND);
    State& s = S();
    Lock lk(s.m);
    CurrentProcess(lk)->currentDirectory = FormatVirtualPath(longForm);
    return true;
}

UINT GetWindowsDirectory(char* buffer, UINT size) { return CopyOut("C:\\WINDOWS", buffer, size); }

UINT GetSystemDirectory(char* buffer, UINT size) { return CopyOut("C:\\WINDOWS\\SYSTEM32", buffer, size); }

DWORD GetTempPath(DWORD size, char* buffer) {
    std::string folder;
    for (const char* name : {"TMP", "TEMP"}) {
        char value[MAX_PATH];
        const DWORD n = GetEnvironmentVariable(name, value, MAX_PATH);
        if (n > 0 && n < MAX_PATH) {
            folder = value;
            break;
        }
    }
    if (folder.empty()) folder = "C:\\WINDOWS";
    if (folder.back() != '\\') folder += '\\';
    return CopyOut(folder, buffer, size);
}

} // namespace desk
