#include "platform/workbook/refusal.h"

#include "platform/runtime/error.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/range_address.h"

namespace xl::detail {

void Refuse(int number, const std::string& text) { throw rt::Error(number, text); }

std::string SheetPlace(const SheetData& sheet) {
    auto book = sheet.book.lock();
    std::string place = book ? "ブック \"" + book->fullName + "\" の" : std::string();
    return place + "シート \"" + sheet.content.name + "\"";
}

std::string CellPlace(const SheetData& sheet, int row, int column) {
    return SheetPlace(sheet) + " のセル " + CellName(row, column);
}

} // namespace xl::detail
