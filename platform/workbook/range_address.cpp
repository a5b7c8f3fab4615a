#include "platform/workbook/range_address.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/refusal.h"

namespace xl::detail {

namespace {

// The address with full-width ASCII forms (U+FF01 .. U+FF5E) turned into ASCII.
std::string ToAscii(std::string_view address) {
    std::string out;
    for (std::size_t i = 0; i < address.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(address[i]);
        // U+FF01..U+FF5E is EF BC 81..BF, EF BD 80..9E in UTF-8.
        if (c == 0xEF && i + 2 < address.size()) {
            unsigned char b1 = static_cast<unsigned char>(address[i + 1]);
            unsigned char b2 = static_cast<unsigned char>(address[i + 2]);
            int code = -1;
            if (b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) code = 0xFF00 + (b2 - 0x80);
            if (b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) code = 0xFF40 + (b2 - 0x80);
            if (code >= 0) {
                out.push_back(static_cast<char>(code - 0xFF00 + 0x20));
                i += 2;
                continue;
            }
        }
        out.push_back(static_cast<char>(c));
    }
    return out;
}

[[noreturn]] void BadAddress(std::string_view address) {
    Refuse(rt::errApplication, "\"" + std::string(address) +
                                   "\" はセルの番地ではありません。\"A1\" や \"B4:D50\" の形で指定してください。");
}

// One cell reference starting at `pos`; advances `pos`.
bool ParseCell(const std::string& s, std::size_t& pos, int& row, int& column) {
    if (pos < s.size() && s[pos] == '$') ++pos;
    long col = 0;
    std::size_t letters = 0;
    while (pos < s.size() && std::isalpha(static_cast<unsigned char>(s[pos]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(s[pos])) - 'A' + 1);
        ++pos;
        if (++letters > 3) return false;
    }
    if (letters == 0) return false;
    if (pos < s.size() && s[pos] == '$') ++pos;
    long r = 0;
    std::size_t digits = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos]))) {
        r = r * 10 + (s[pos] - '0');
        ++pos;
        if (++digits > 7) return false;
    }
    if (digits == 0 || r < 1 || r > kMaxRows || col > kMaxColumns) return false;
    row = static_cast<int>(r);
    column = static_cast<int>(col);
    return true;
}

} // namespace

Area ParseAddress(std::string_view address) {
    std::string s = ToAscii(address);
    std::size_t pos = 0;
    Area a;
    if (!ParseCell(s, pos, a.top, a.left)) BadAddress(address);
    a.bottom = a.top;
    a.right = a.left;
    if (pos < s.size() && s[pos] == ':') {
        ++pos;
        int row = 0, column = 0;
        if (!ParseCell(s, pos, row, column)) BadAddress(address);
        a.bottom = std::max(a.top, row);
        a.top = std::min(a.top, row);
        a.right = std::max(a.left, column);
        a.left = std::min(a.left, column);
    }
    if (pos != s.size()) BadAddress(address);
    return a;
}

void CheckCell(int row, int column) {
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
        Refuse(rt::errApplication,
               "セル (" + rt::CStr(row) + " 行, " + rt::CStr(column) +
                   " 列) はシートの外です。行は 1 から 65536、列は 1 から 256 で指定してください。");
}

std::string CellName(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + rt::CStr(row);
}

} // namespace xl::detail
