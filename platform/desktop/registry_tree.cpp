#include "platform/desktop/registry_tree.h"

#include "platform/desktop/files.h"
#include "platform/desktop/registry.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/number_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace desk::detail {

namespace {

constexpr const char* kHeader = "VANTOR REGISTRY 1";
const char* const kRoots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_USERS"};

std::shared_ptr<RegKey> NewKey(const std::string& name) {
    auto key = std::make_shared<RegKey>();
    key->name = name;
    return key;
}

std::shared_ptr<RegKey> Child(RegKey& key, const std::string& name) {
    auto& slot = key.subkeys[RegUpper(name)];
    if (!slot) {
        slot = NewKey(name);
        slot->depth = key.depth + 1;
    }
    return slot;
}

void SetString(RegKey& key, const std::string& name, const std::string& text) {
    key.values.push_back(RegValue{name, REG_SZ, text + '\0'});
}

// Moves the damaged file `file` to the first unused name of registry.txt.bad, registry.txt.bad.1,
// .2, ..., never over a file kept aside earlier. Returns the name, empty when none could be taken.
std::filesystem::path SetAside(const std::filesystem::path& file) {
    for (int n = 0; n < 1000; ++n) {
        std::filesystem::path bad = file;
        bad += ".bad";
        if (n > 0) bad += "." + rt::CStr(static_cast<long long>(n));
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, bad.c_str(), RENAME_NOREPLACE) == 0) return bad;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return {};
        // A file system without a no-replace rename: a hard link is made only under an unused name.
        if (::link(file.c_str(), bad.c_str()) == 0) {
            ::unlink(file.c_str());
            return bad;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

void SeedFreshMachine(Registry& r) {
    auto version = Child(*Child(*Child(*Child(*r.machine, "SOFTWARE"), "Microsoft"), "Windows"), "CurrentVersion");
    SetString(*version, "ProgramFilesDir", "C:\\Program Files");
    SetString(*version, "CommonFilesDir", "C:\\Program Files\\Common Files");
    Child(*Child(*r.machine, "SOFTWARE"), "Classes");
    Child(*r.user, "Software");
    r.dirty = true;
}

std::string Hex2(unsigned char c) {
    const char* digits = "0123456789ABCDEF";
    return {digits[c >> 4], digits[c & 15]};
}

// Key names: bytes that would break a key line are written %HH.
std::string EncodeName(const std::string& name) {
    std::string out;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '%' || c == '\\' || c == ']') out += "%" + Hex2(c);
        else out += static_cast<char>(c);
    }
    return out;
}

// Value names and strings: quoted, with \\, \" and \xHH escapes.
std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '"') out += "\\\"";
        else if (c < 0x20 || c == 0x7F) out += "\\x" + Hex2(c);
        else out += static_cast<char>(c);
    }
    return out + "\"";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool DecodeName(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0) return false;
        out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    return true;
}

// Reads a quoted text starting at `at`; `at` ends after the closing quote.
bool Unquote(const std::string& line, std::size_t& at, std::string& out) {
    out.clear();
    if (at >= line.size() || line[at] != '"') return false;
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++at >= line.size()) return false;
        if (line[at] == '\\' || line[at] == '"') {
            out += line[at];
        } else if (line[at] == 'x' && at + 2 < line.size() && HexDigit(line[at + 1]) >= 0 &&
                   HexDigit(line[at + 2]) >= 0) {
            out += static_cast<char>(HexDigit(line[at + 1]) * 16 + HexDigit(line[at + 2]));
            at += 2;
        } else {
            return false;
        }
    }
    return false;
}

void WriteValues(std::ostream& out, const RegKey& key) {
    for (const auto& v : key.values) {
        out << (v.name.empty() ? std::string("@") : Quote(v.name)) << '=';
        if (v.type == REG_DWORD && v.data.size() == 4) {
            DWORD d = 0;
            for (int i = 3; i >= 0; --i) d = (d << 8) | static_cast<unsigned char>(v.data[static_cast<std::size_t>(i)]);
            std::string hex;
            for (int shift = 28; shift >= 0; shift -= 4) hex += "0123456789ABCDEF"[(d >> shift) & 15];
            out << "dword:" << hex << '\n';
        } else if (v.type == REG_SZ) {
            out << "sz:" << Quote(v.data) << '\n';
        } else {
            out << "hex(" << rt::CStr(static_cast<long long>(v.type)) << "):";
            for (std::size_t i = 0; i < v.data.size(); ++i)
                out << (i ? "," : "") << Hex2(static_cast<unsigned char>(v.data[i]));
            out << '\n';
        }
    }
}

// Writes the key and everything below it, depth first, with a stack of its own rather than
// the call stack; the path grows and shrinks by one name per level.
void WriteKey(std::ostream& out, const std::string& rootName, const RegKey& root) {
    struct Level {
        const RegKey* key;
        std::map<std::string, std::shared_ptr<RegKey>>::const_iterator next;
        std::size_t pathLength;
    };
    std::string path = rootName;
    out << '[' << path << "]\n";
    WriteValues(out, root);
    std::vector<Level> levels{{&root, root.subkeys.begin(), path.size()}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.key->subkeys.end()) {
            levels.pop_back();
            continue;
        }
        const RegKey& sub = *(level.next++)->second;
        path.resize(level.pathLength);
        path += '\\' + EncodeName(sub.name);
        out << '[' << path << "]\n";
        WriteValues(out, sub);
        levels.push_back({&sub, sub.subkeys.begin(), path.size()});
    }
}

bool ParseValue(const std::string& line, RegValue& value) {
    std::size_t at = 0;
    if (line[0] == '@') {
        value.name.clear();
        at = 1;
    } else if (!Unquote(line, at, value.name)) {
        return false;
    }
    if (at >= line.size() || line[at] != '=') return false;
    const std::string rest = line.substr(at + 1);
    if (rest.rfind("dword:", 0) == 0) {
        if (rest.size() != 14) return false;
        DWORD d = 0;
        for (std::size_t i = 6; i < 14; ++i) {
            if (HexDigit(rest[i]) < 0) return false;
            d = (d << 4) | static_cast<DWORD>(HexDigit(rest[i]));
        }
        value.type = REG_DWORD;
        value.data.assign(reinterpret_cast<const char*>(&d), 4);
        return true;
    }
    if (rest.rfind("sz:", 0) == 0) {
        std::size_t q = 3;
        value.type = REG_SZ;
        return Unquote(rest, q, value.data) && q == rest.size();
    }
    if (rest.rfind("hex(", 0) == 0) {
        const std::size_t close = rest.find("):");
        if (close == std::string::npos || close == 4) return false;
        DWORD type = 0;
        for (std::size_t i = 4; i < close; ++i) {
            if (rest[i] < '0' || rest[i] > '9') return false;
            type = type * 10 + static_cast<DWORD>(rest[i] - '0');
        }
        value.type = type;
        value.data.clear();
        const std::string bytes = rest.substr(close + 2);
        for (std::size_t i = 0; i < bytes.size(); i += 3) {
            if (i + 1 >= bytes.size() || HexDigit(bytes[i]) < 0 || HexDigit(bytes[i + 1]) < 0) return false;
            if (i + 2 < bytes.size() && bytes[i + 2] != ',') return false;
            value.data += static_cast<char>(HexDigit(bytes[i]) * 16 + HexDigit(bytes[i + 1]));
        }
        return true;
    }
    return false;
}

// Fills the registry from the file's text; on a fault, `error` says where and what.
bool Parse(Registry& r, std::istream& in, std::string& error) {
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& what) {
        error = "line " + rt::CStr(number) + ": " + what;
        return false;
    };
    if (!std::getline(in, line) || line != kHeader) {
        number = 1;
        return fail("not a registry file");
    }
    number = 1;
    std::shared_ptr<RegKey> current;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty()) continue;
        if (line[0] == '[') {
            if (line.back() != ']') return fail("unclosed key name");
            const std::string path = line.substr(1, line.size() - 2);
            std::vector<std::string> parts;
            std::size_t start = 0;
            while (start <= path.size()) {
                std::size_t end = path.find('\\', start);
                if (end == std::string::npos) end = path.size();
                std::string part;
                if (!DecodeName(path.substr(start, end - start), part) || part.empty()) return fail("bad key name");
                if (!IsNameLengthAllowed(part))
                    return fail("key name longer than " + rt::CStr(static_cast<long long>(kMaxNameLength)) +
                                " characters");
                parts.push_back(part);
                if (parts.size() - 1 > kMaxKeyDepth)
                    return fail("key nested deeper than " + rt::CStr(static_cast<long long>(kMaxKeyDepth)) + " levels");
                start = end + 1;
            }
            if (parts[0] == kRoots[0]) current = r.machine;
            else if (parts[0] == kRoots[1]) current = r.user;
            else if (parts[0] == kRoots[2]) current = r.users;
            else return fail("unknown root key " + parts[0]);
            for (std::size_t i = 1; i < parts.size(); ++i) current = Child(*current, parts[i]);
            continue;
        }
        if (!current) return fail("value outside a key");
        RegValue value;
        if (!ParseValue(line, value)) return fail("bad value");
        if (!IsNameLengthAllowed(value.name))
            return fail("value name longer than " + rt::CStr(static_cast<long long>(kMaxNameLength)) + " characters");
        current->values.push_back(std::move(value));
    }
    return true;
}

} // namespace

std::string RegUpper(const std::string& name) {
    std::string out = name;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (rt::IsLeadByte(static_cast<unsigned char>(out[i]))) {
            ++i;
            continue;
        }
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    }
    return out;
}

bool IsNameLengthAllowed(const std::string& name) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i, ++characters)
        if (rt::IsLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) ++i;
    return characters <= kMaxNameLength;
}

namespace {

// The registry once read, for the write at the program's end.
std::atomic<Registry*> loaded{nullptr};

void WriteUnwritten(Registry& r) {
    std::lock_guard<std::mutex> lock(r.m);
    if (r.dirty) SaveRegistry(r);
}

} // namespace

Registry& TheRegistry() {
    static Registry* registry = [] {
        auto* r = new Registry;
        LoadRegistry(*r, DesktopRoot());
        loaded = r;
        return r;
    }();
    // Keys changed and never flushed are written when the program ends.
    static struct AtEnd {
        ~AtEnd() { WriteUnwritten(*registry); }
    } atEnd;
    return *registry;
}

void LoadRegistry(Registry& r, const std::filesystem::path& root) {
    r.file = root / "registry.txt";
    r.machine = NewKey(kRoots[0]);
    r.user = NewKey(kRoots[1]);
    r.users = NewKey(kRoots[2]);
    r.open.clear();
    r.dirty = false;
    std::ifstream in(r.file, std::ios::binary);
    if (!in) {
        SeedFreshMachine(r);
        return;
    }
    std::string error;
    if (Parse(r, in, error)) return;
    in.close();
    const std::filesystem::path bad = SetAside(r.file);
    if (bad.empty())
        std::cerr << "desktop: the registry file " << r.file.string() << " cannot be read (" << error
                  << ") nor kept aside (" << std::strerror(errno) << "); the registry starts afresh\n";
    else
        std::cerr << "desktop: the registry file " << r.file.string() << " cannot be read (" << error
                  << "); it is kept as " << bad.string() << " and the registry starts afresh\n";
    r.machine = NewKey(kRoots[0]);
    r.user = NewKey(kRoots[1]);
    r.users = NewKey(kRoots[2]);
    SeedFreshMachine(r);
}

bool SaveRegistry(Registry& r) {
    std::error_code ec;
    std::filesystem::create_directories(r.file.parent_path(), ec);
    std::filesystem::path temporary = r.file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << kHeader << '\n';
        WriteKey(out, kRoots[0], *r.machine);
        WriteKey(out, kRoots[1], *r.user);
        WriteKey(out, kRoots[2], *r.users);
        out.flush();
        if (!out) return false;
    }
    std::filesystem::rename(temporary, r.file, ec);
    if (ec) return false;
    r.dirty = false;
    return true;
}

} // namespace desk::detail

namespace desk {

void WriteUnwrittenRegistry() {
    if (detail::Registry* r = detail::loaded.load()) detail::WriteUnwritten(*r);
}

} // namespace desk
