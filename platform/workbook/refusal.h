#pragma once
// Faults the spreadsheet reports to its user: the error number callers test, with a Japanese
// text that names the book, sheet and cell concerned and says what to do.
#include <string>

namespace xl::detail {

struct SheetData;

[[noreturn]] void Refuse(int number, const std::string& text);

// 「ブック "Book1" のシート "縦断ｼｰﾄ"」 and 「… のセル B6」, for the texts of Refuse.
std::string SheetPlace(const SheetData& sheet);
std::string CellPlace(const SheetData& sheet, int row, int column);

} // namespace xl::detail
