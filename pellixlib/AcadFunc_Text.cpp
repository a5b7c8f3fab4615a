#include "pellixlib/AcadFunc_Text.h"

#include "platform/runtime/cp932.h"

#include <charconv>
#include <vector>

namespace pellix {

int CharByteLen(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    return rt::IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

bool IsSingleByteCharAt(std::string_view text, std::size_t pos, char ch) {
    if (pos == 0 || pos > text.size()) return false;
    std::size_t i = 0;
    while (i + 1 < pos) i += static_cast<std::size_t>(CharByteLen(text, i));
    return i + 1 == pos && CharByteLen(text, i) == 1 && text[i] == ch;
}

bool IsPathDelimiterAt(std::string_view text, std::size_t pos) { return IsSingleByteCharAt(text, pos, '\\'); }

std::string TrimBlanks(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return std::string(text.substr(first, last - first));
}

std::string TrimQuotes(std::string_view text) {
    std::string s = TrimBlanks(text);
    if (s.size() >= 2 && s.front() == '"' && IsSingleByteCharAt(s, s.size(), '"'))
        s = TrimBlanks(std::string_view(s).substr(1, s.size() - 2));
    return s;
}

namespace {

char UpperOf(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const int n = CharByteLen(out, i);
        if (n == 1) out[i] = UpperOf(out[i]);
        i += static_cast<std::size_t>(n);
    }
    return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

std::string ExtractPromptDefault(std::string_view prompt) {
    const std::size_t open = prompt.find(" <");
    const std::size_t close = prompt.find(">:");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 2) return {};
    return std::string(prompt.substr(open + 2, close - open - 2));
}

bool IsNumericChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'E' || c == 'e' || c == '+' || c == '-' || c == '"' || c == '\'';
}

bool TryTextToFloat(std::string_view text, double& value) {
    std::string s = TrimBlanks(text);
    if (s.empty()) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'E' || c == 'e' || c == '+' || c == '-')) return false;
    std::string_view digits = s;
    if (digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+') return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::general);
    if (ec != std::errc() || end != digits.data() + digits.size()) return false;
    value = v;
    return true;
}

bool ParseCoordinates(std::string_view text, double& x, double& y, double& z) {
    const std::string s = TrimBlanks(text);
    if (s.size() < 2) return false;
    const std::string scan = s + ",";
    std::vector<std::string> runs;
    std::string run;
    for (std::size_t i = 0; i < scan.size();) {
        const int n = CharByteLen(scan, i);
        if (n == 1 && IsNumericChar(scan[i])) {
            run += scan[i];
        } else if (!run.empty()) {
            if (runs.size() == 3) return false;
            runs.push_back(std::move(run));
            run.clear();
        }
        i += static_cast<std::size_t>(n);
    }
    if (runs.size() < 2) return false;
    double v[3] = {0, 0, 0};
    for (std::size_t k = 0; k < runs.size(); ++k)
        if (!TryTextToFloat(runs[k], v[k])) return false;
    x = v[0], y = v[1], z = v[2];
    return true;
}

std::size_t FindMenuMark(std::string_view text, std::string_view mark) {
    for (std::size_t i = 0; i < text.size();) {
        if (mark.empty() ? static_cast<unsigned char>(text[i]) < 32 : text.substr(i, mark.size()) == mark) return i + 1;
        i += static_cast<std::size_t>(CharByteLen(text, i));
    }
    return 0;
}

bool IsValidFileName(std::string_view name, bool withPath) {
    if (name == "." || name == "..") return false;
    for (std::size_t i = 0; i < name.size();) {
        const int n = CharByteLen(name, i);
        if (n == 1) {
            const char c = name[i];
            if (std::string_view("/,;*?\"<>|").find(c) != std::string_view::npos) return false;
            if (!withPath && (c == '\\' || c == ':')) return false;
        }
        i += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace pellix
