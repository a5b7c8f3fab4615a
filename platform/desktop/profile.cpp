#include "platform/desktop/profile.h"

#include "platform/desktop/paths.h"
#include "platform/desktop/registry_tree.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace desk {

using namespace detail;

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<fs::path> ProfileFile(const char* fileName) {
    if (!fileName || !*fileName) return std::nullopt;
    std::string name = fileName;
    if (name.find_first_of("\\/:") == std::string::npos) name = "C:\\WINDOWS\\" + name;
    return Resolve(name.c_str());
}

std::vector<std::string> ReadLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool SameName(const std::string& a, const std::string& b) { return RegUpper(Trim(a)) == RegUpper(Trim(b)); }

// The section's header line, or lines.size().
std::size_t FindSection(const std::vector<std::string>& lines, const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string t = Trim(lines[i]);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']' && SameName(t.substr(1, t.size() - 2), section))
            return i;
    }
    return lines.size();
}

// The line after the section's last line.
std::size_t SectionEnd(const std::vector<std::string>& lines, std::size_t header) {
    std::size_t end = header + 1;
    while (end < lines.size() && Trim(lines[end]).rfind('[', 0) != 0) ++end;
    return end;
}

std::size_t FindKey(const std::vector<std::string>& lines, std::size_t header, const std::string& key) {
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::size_t eq = lines[i].find('=');
        if (eq != std::string::npos && SameName(lines[i].substr(0, eq), key)) return i;
    }
    return lines.size();
}

std::optional<std::string> ReadValue(const char* section, const char* key, const char* fileName) {
    auto file = ProfileFile(fileName);
    if (!file || !section || !key) return std::nullopt;
    const auto lines = ReadLines(*file);
    const std::size_t header = FindSection(lines, section);
    if (header == lines.size()) return std::nullopt;
    const std::size_t at = FindKey(lines, header, key);
    if (at == lines.size()) return std::nullopt;
    std::string value = Trim(lines[at].substr(lines[at].find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, DWORD size,
                              const char* fileName) {
    if (!buffer || size == 0) return 0;
    const std::string value = ReadValue(section, key, fileName).value_or(Trim(defaultValue ? defaultValue : ""));
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

UINT GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName) {
    const auto value = ReadValue(section, key, fileName);
    if (!value) return static_cast<UINT>(defaultValue);
    long long n = 0;
    std::size_t i = 0;
    const bool negative = !value->empty() && (*value)[0] == '-';
    if (!value->empty() && ((*value)[0] == '-' || (*value)[0] == '+')) i = 1;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i)
        n = std::min(n * 10 + ((*value)[i] - '0'), 0xFFFFFFFFLL);
    return static_cast<UINT>(negative ? -n : n);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName) {
    auto file = ProfileFile(fileName);
    if (!file || !section) return false;
    auto lines = ReadLines(*file);
    std::size_t header = FindSection(lines, section);
    if (!key) {
        if (header < lines.size())
            lines.erase(lines.begin() + static_cast<long>(header),
                        lines.begin() + static_cast<long>(SectionEnd(lines, header)));
    } else if (!value) {
        if (header < lines.size()) {
            const std::size_t at = FindKey(lines, header, key);
            if (at < lines.size()) lines.erase(lines.begin() + static_cast<long>(at));
        }
    } else {
        if (header == lines.size()) {
            lines.push_back("[" + std::string(section) + "]");
            header = lines.size() - 1;
        }
        const std::string line = std::string(key) + "=" + value;
        const std::size_t at = FindKey(lines, header, key);
        if (at < lines.size()) {
            lines[at] = line;
        } else {
            std::size_t end = SectionEnd(lines, header);
            while (end > header + 1 && Trim(lines[end - 1]).empty()) --end;
            lines.insert(lines.begin() + static_cast<long>(end), line);
        }
    }
    std::ofstream out(*file, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

} // namespace desk
