#include "platform/desktop/paths.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/files.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/number_text.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>

namespace desk::detail {

namespace {

struct Drives {
    std::mutex m;
    fs::path root;
    std::map<char, fs::path> folders;
    bool prepared = false; // drive C: has its standard folders
};

fs::path DefaultRoot() {
    if (const char* root = std::getenv("VANTOR_DESKTOP_ROOT"); root && *root) return root;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return fs::path(data) / "vantor";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "/tmp") / ".local" / "share" / "vantor";
}

void MapStandardDrives(Drives& d, const fs::path& root) {
    d.root = root;
    d.folders.clear();
    d.folders['C'] = root / "drive_c";
    d.folders['Z'] = "/";
    d.prepared = false;
}

// Drive C: gets the Windows, System, temporary and program folders when it is first used.
void PrepareDriveC(Drives& d) {
    if (d.prepared) return;
    d.prepared = true;
    std::error_code ec;
    for (const char* folder : {"WINDOWS/SYSTEM32", "WINDOWS/TEMP", "Program Files/Common Files"})
        fs::create_directories(d.folders['C'] / folder, ec);
}

Drives& TheDrives() {
    static Drives* drives = [] {
        auto* d = new Drives;
        MapStandardDrives(*d, DefaultRoot());
        return d;
    }();
    return *drives;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Upper-cases the single-byte letters of a code page 932 text, leaving double-byte characters.
std::string UpperCp932(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (rt::IsLeadByte(static_cast<unsigned char>(out[i]))) {
            ++i;
            continue;
        }
        out[i] = UpperAscii(out[i]);
    }
    return out;
}

// The first `bytes` bytes of a code page 932 text without splitting a character.
std::string Head(const std::string& text, std::size_t bytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t step = rt::IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > bytes) break;
        i += step;
    }
    return text.substr(0, i);
}

bool ValidShortName(const std::string& name) {
    if (name.empty()) return false;
    const std::size_t dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3 || ext.find('.') != std::string::npos) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    return name.find_first_of(" +,;=[]") == std::string::npos;
}

std::string CleanForShortName(const std::string& part) {
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const char c = part[i];
        if (rt::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < part.size()) {
            out += part.substr(i, 2);
            ++i;
        } else if (c == ' ' || c == '.') {
            continue;
        } else if (std::string("+,;=[]").find(c) != std::string::npos) {
            out += '_';
        } else {
            out += UpperAscii(c);
        }
    }
    return out;
}

std::string GenerateShortName(const std::string& name, const std::set<std::string>& taken) {
    const std::size_t lastDot = name.rfind('.');
    const bool hasExt = lastDot != std::string::npos && lastDot > 0;
    const std::string base = CleanForShortName(hasExt ? name.substr(0, lastDot) : name);
    const std::string ext = Head(CleanForShortName(hasExt ? name.substr(lastDot + 1) : ""), 3);
    for (int n = 1;; ++n) {
        const std::string suffix = "~" + rt::CStr(n);
        const std::string candidate = Head(base, 8 - suffix.size()) + suffix + (ext.empty() ? "" : "." + ext);
        if (!taken.count(candidate)) return candidate;
    }
}

} // namespace

std::string ToUtf8(const std::string& cp932) { return rt::Cp932ToUtf8(cp932); }

std::string ToCp932(const std::string& utf8) {
    try {
        return rt::Utf8ToCp932(utf8);
    } catch (...) {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) {
            const unsigned char c = static_cast<unsigned char>(utf8[i]);
            std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
            len = std::min(len, utf8.size() - i);
            try {
                out += rt::Utf8ToCp932(utf8.substr(i, len));
            } catch (...) {
                out += '_';
            }
            i += len;
        }
        return out;
    }
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

std::optional<VirtualPath> ParseVirtualPath(const std::string& path, const std::string& currentDirectory) {
    std::string text;
    try {
        text = ToUtf8(path);
    } catch (...) {
        return std::nullopt;
    }
    std::replace(text.begin(), text.end(), '/', '\\');
    if (text.empty() || text.rfind("\\\\", 0) == 0) return std::nullopt;
    VirtualPath result;
    std::string rest = text;
    const bool hasDrive = text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
    std::optional<VirtualPath> current;
    if (!(hasDrive && text.size() > 2 && text[2] == '\\')) current = ParseVirtualPath(currentDirectory, "C:\\");
    if (hasDrive) {
        result.drive = UpperAscii(text[0]);
        rest = text.substr(2);
        if (!rest.empty() && rest[0] != '\\' && current && current->drive == result.drive)
            result.names = current->names;
    } else {
        if (!current) return std::nullopt;
        result.drive = current->drive;
        if (rest[0] != '\\') result.names = current->names;
    }
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        std::string name = rest.substr(start, end - start);
        start = end + 1;
        if (name == "..") {
            if (!result.names.empty()) result.names.pop_back();
            continue;
        }
        if (name != ".")
            while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
        if (name.empty() || name == ".") continue;
        result.names.push_back(name);
    }
    return result;
}

std::string FormatVirtualPath(const VirtualPath& path) {
    std::string out(1, path.drive);
    out += ":\\";
    for (std::size_t i = 0; i < path.names.size(); ++i) {
        if (i) out += '\\';
        out += ToCp932(path.names[i]);
    }
    return out;
}

std::string ShortNameOf(const fs::path& folder, const std::string& utf8Name) {
    const std::string name = ToCp932(utf8Name);
    if (ValidShortName(name)) return name;
    std::vector<std::string> entries;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) entries.push_back(e.path().filename().string());
    std::sort(entries.begin(), entries.end());
    std::set<std::string> taken;
    std::vector<std::string> needing;
    for (const auto& e : entries) {
        const std::string cp = ToCp932(e);
        if (ValidShortName(cp)) taken.insert(UpperCp932(cp));
        else needing.push_back(e);
    }
    if (std::find(needing.begin(), needing.end(), utf8Name) == needing.end()) needing.push_back(utf8Name);
    for (const auto& e : needing) {
        const std::string shortName = GenerateShortName(ToCp932(e), taken);
        if (e == utf8Name) return shortName;
        taken.insert(shortName);
    }
    return name;
}

namespace {

// The entry of `folder` that `name` (UTF-8) names: by its own name ignoring case, or by its
// short name.
std::optional<std::string> FindEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(folder, ec)) {
        std::string entry = e.path().filename().string();
        if (entry == name) return entry;
        entries.push_back(std::move(entry));
    }
    for (const auto& entry : entries)
        if (EqualIgnoringCase(entry, name)) return entry;
    if (name.find('~') == std::string::npos) return std::nullopt;
    const std::string wanted = UpperCp932(ToCp932(name));
    for (const auto& entry : entries)
        if (ShortNameOf(folder, entry) == wanted) return entry;
    return std::nullopt;
}

} // namespace

std::optional<fs::path> NativeOf(const VirtualPath& path, VirtualPath* longForm) {
    fs::path here;
    {
        Drives& d = TheDrives();
        std::lock_guard<std::mutex> lock(d.m);
        auto it = d.folders.find(path.drive);
        if (it == d.folders.end()) return std::nullopt;
        if (path.drive == 'C') PrepareDriveC(d);
        here = it->second;
    }
    VirtualPath found{path.drive, {}};
    bool missing = false;
    for (const auto& name : path.names) {
        std::optional<std::string> entry;
        if (!missing) entry = FindEntry(here, name);
        missing = !entry;
        found.names.push_back(entry ? *entry : name);
        here /= found.names.back();
    }
    if (longForm) *longForm = found;
    return here;
}

std::string CallerCurrentDirectory() {
    State& s = S();
    Lock lk(s.m);
    return CurrentProcess(lk)->currentDirectory;
}

std::optional<fs::path> Resolve(const char* path, VirtualPath* longForm) {
    if (!path) return std::nullopt;
    auto parsed = ParseVirtualPath(path, CallerCurrentDirectory());
    if (!parsed) return std::nullopt;
    return NativeOf(*parsed, longForm);
}

void UseDesktopRoot(const fs::path& root) {
    Drives& d = TheDrives();
    std::lock_guard<std::mutex> lock(d.m);
    MapStandardDrives(d, root);
    PrepareDriveC(d);
}

} // namespace desk::detail

namespace desk {

using namespace detail;

std::filesystem::path ToNativePath(const std::string& path) {
    auto native = Resolve(path.c_str());
    return native ? *native : std::filesystem::path();
}

std::string FromNativePath(const std::filesystem::path& native) {
    const fs::path full = fs::absolute(native).lexically_normal();
    Drives& d = TheDrives();
    std::lock_guard<std::mutex> lock(d.m);
    char bestDrive = 0;
    fs::path bestRel;
    std::size_t bestLength = 0;
    for (const auto& [letter, folder] : d.folders) {
        const fs::path rel = full.lexically_relative(folder);
        if (rel.empty() || *rel.begin() == "..") continue;
        const std::size_t length = folder.native().size();
        if (!bestDrive || length > bestLength) {
            bestDrive = letter;
            bestRel = rel;
            bestLength = length;
        }
    }
    if (!bestDrive) return {};
    VirtualPath path{bestDrive, {}};
    for (const auto& part : bestRel)
        if (part != ".") path.names.push_back(part.string());
    return FormatVirtualPath(path);
}

void MapDrive(char letter, const std::filesystem::path& folder) {
    Drives& d = TheDrives();
    std::lock_guard<std::mutex> lock(d.m);
    d.folders[UpperAscii(letter)] = folder;
}

std::filesystem::path DesktopRoot() {
    Drives& d = TheDrives();
    std::lock_guard<std::mutex> lock(d.m);
    return d.root;
}

} // namespace desk
