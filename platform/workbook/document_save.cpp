#include "platform/workbook/document_save.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <string_view>

#include "platform/runtime/number_text.h"
#include "platform/workbook/file_faults.h"

namespace xl::detail {

namespace {

constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kSuffix = ".saving";
// ".<process id>.<counter>" at their longest, and the "~<hash>" of a shortened name.
constexpr std::size_t kNumberBytes = 22;
constexpr std::size_t kHashBytes = 11;
constexpr int kMaxLinks = 40;
// Names taken by something else before a save gives up: each try is a name no save uses.
constexpr int kAttempts = 100;
constexpr const char* kSaveUnderAnotherName = "別の名前を付けて保存してください。";

// The part of a temporary file's name that tells the document it is for: the document's name,
// or, when that leaves no room for the rest, its start (cut at a whole UTF-8 character) with a
// hash of the whole name, so that long names sharing their start keep stems of their own.
std::string StemFor(const std::string& name) {
    if (name.size() + kNumberBytes + kSuffix.size() <= kMaxNameBytes) return name;
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    std::string stem = name.substr(0, kMaxNameBytes - kNumberBytes - kSuffix.size() - kHashBytes);
    while (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0xC0) == 0x80) stem.pop_back();
    if (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0x80)) stem.pop_back();
    return stem + "~" + rt::CStr(static_cast<long long>(hash));
}

// A name no other save of this process or of another running one uses.
std::string TemporaryName(const std::string& stem) {
    static std::atomic<unsigned> counter{0};
    return stem + "." + rt::CStr(static_cast<long long>(::getpid())) + "." +
           rt::CStr(static_cast<long long>(counter++)) + std::string(kSuffix);
}

// The process that made `name`, when it is the name of a temporary file for `stem`; else 0.
pid_t SaverOf(std::string_view name, std::string_view stem) {
    if (name.size() <= stem.size() + kSuffix.size() || !name.starts_with(stem) || !name.ends_with(kSuffix)) return 0;
    name = name.substr(stem.size(), name.size() - stem.size() - kSuffix.size()); // ".<pid>.<counter>"
    auto digits = [&name](std::size_t most) {
        if (name.empty() || name.front() != '.') return std::string_view();
        std::size_t n = 1;
        while (n < name.size() && name[n] >= '0' && name[n] <= '9') ++n;
        std::string_view run = name.substr(1, n - 1);
        name.remove_prefix(n);
        return run.size() <= most ? run : std::string_view();
    };
    std::string_view pid = digits(9), counter = digits(10);
    if (pid.empty() || counter.empty() || !name.empty()) return 0;
    pid_t value = 0;
    for (char c : pid) value = value * 10 + (c - '0');
    return value;
}

// The file `path` stands for: where a chain of symbolic links leads, or `path` itself. 0, or
// the error number when the links go round.
int Resolve(const std::string& path, std::filesystem::path& file) {
    file = path;
    for (int hop = 0;; ++hop) {
        struct stat info {};
        if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        if (hop == kMaxLinks) return ELOOP;
        std::error_code ec;
        std::filesystem::path to = std::filesystem::read_symlink(file, ec);
        if (ec) return ec.value();
        file = to.is_absolute() ? to : file.parent_path() / to;
    }
}

// Flushes the folder's entries, so that the file renamed in it stays renamed after a power
// cut. The file is in place already: a folder that cannot be flushed is no failed save.
void FlushFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

DocumentSave::DocumentSave(const std::string& path) : path_(path) {
    if (std::filesystem::path(path).filename().string().size() > kMaxNameBytes) RefuseSaveForErrno(path, ENAMETOOLONG);
    if (int error = Resolve(path, target_)) RefuseSaveForErrno(path, error);
    struct stat document {};
    const bool replacing = ::stat(target_.c_str(), &document) == 0;
    if (!replacing && errno != ENOENT) RefuseSaveForErrno(path, errno);
    if (replacing) {
        if (S_ISDIR(document.st_mode)) RefuseSaveForErrno(path, EISDIR);
        if (!S_ISREG(document.st_mode))
            RefuseSave(path, "普通のファイルではありません (パイプや装置などです)", kSaveUnderAnotherName);
        // A file marked read-only for everyone is refused also to a user the system would let
        // write it.
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0 || (document.st_mode & 0222) == 0)
            RefuseSave(path, "読み取り専用のファイルです", kSaveUnderAnotherName);
    }
    // Readable by the user alone until it has the document's permissions.
    const std::string stem = StemFor(target_.filename().string());
    for (int attempt = 1; fd_ < 0; ++attempt) {
        temporary_ = target_.parent_path() / TemporaryName(stem);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, replacing ? 0600 : 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == kAttempts)) RefuseSaveForErrno(path, errno);
    }
    struct stat made {};
    if (::fstat(fd_, &made) != 0) {
        int error = errno;
        Discard();
        RefuseSaveForErrno(path, error);
    }
    device_ = made.st_dev;
    inode_ = made.st_ino;
    if (replacing) {
        // The owner and group stay where the user may set them; the permissions always.
        if (made.st_uid != document.st_uid || made.st_gid != document.st_gid) {
            if (::fchown(fd_, document.st_uid, document.st_gid) != 0 &&
                ::fchown(fd_, static_cast<uid_t>(-1), document.st_gid) != 0) {
                // Not a member of the document's group: the file gets the user's own.
            }
        }
        if (::fchmod(fd_, document.st_mode & 07777) != 0) {
            int error = errno;
            Discard();
            RefuseSaveForErrno(path, error);
        }
    }
}

DocumentSave::~DocumentSave() { Discard(); }

void DocumentSave::Commit() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        int error = errno;
        Discard();
        RefuseSaveForErrno(path_, error);
    }
    ::close(fd_);
    fd_ = -1;
    FlushFolder(target_.parent_path());
}

void DocumentSave::Discard() {
    if (fd_ < 0) return;
    // Only this save's own file: whatever another program put at its name stays.
    struct stat info {};
    if (::lstat(temporary_.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_)
        ::unlink(temporary_.c_str());
    ::close(fd_);
    fd_ = -1;
}

void RemoveStoppedSaves(const std::string& path) {
    std::filesystem::path document;
    if (Resolve(path, document) != 0) return;
    const std::string stem = StemFor(document.filename().string());
    const std::filesystem::path folder = document.parent_path();
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        // A save whose process has ended can no longer finish; a living one is left alone.
        const pid_t saver = SaverOf(entry->d_name, stem);
        if (saver <= 0 || ::kill(saver, 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace xl::detail
