#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/call_log_entry.h"
#include "platform/workbook/range_address.h"
#include "platform/workbook/refusal.h"
#include "platform/workbook/workbook.h"

#include <algorithm>

namespace xl {

using namespace detail;

namespace {

void CheckSheetName(const BookData& book, const SheetData& self, std::string_view name) {
    std::string quoted = '"' + std::string(name) + '"';
    std::string what = SheetPlace(self) + " の名前を " + quoted + " にはできません。";
    if (name.empty() || rt::Len(name) > 31)
        Refuse(rt::errApplication, what + "1 文字から 31 文字の名前にしてください。");
    if (name.find_first_of(":\\/?*[]") != std::string_view::npos || name.front() == '\'' || name.back() == '\'')
        Refuse(rt::errApplication, what + ": \\ / ? * [ ] を含まず、' で始まりも終わりもしない名前にしてください。");
    int other = FindSheet(book, name);
    if (other >= 0 && book.sheets[other].get() != &self)
        Refuse(rt::errApplication, what + "同じ名前のシートがあります。別の名前にしてください。");
}

} // namespace

Worksheet::Worksheet(std::shared_ptr<SheetData> sheet) : sheet_(std::move(sheet)) {}

std::string Worksheet::Name() const { return LiveSheet(sheet_).content.name; }

void Worksheet::SetName(std::string_view name) {
    SheetData& s = LiveSheet(sheet_);
    auto book = s.book.lock();
    CheckSheetName(*book, s, name);
    s.content.name = std::string(name);
    NotifyChanged(*book);
}

int Worksheet::Index() const {
    SheetData& s = LiveSheet(sheet_);
    auto book = s.book.lock();
    for (std::size_t i = 0; i < book->sheets.size(); ++i)
        if (book->sheets[i] == sheet_) return static_cast<int>(i) + 1;
    return 0;
}

void Worksheet::Select() {
    SheetData& s = LiveSheet(sheet_);
    LogCall("Select(" + s.content.name + ")");
    auto book = s.book.lock();
    book->activeSheet = Index() - 1;
    // Choosing the active sheet changes no content: the workbook stays as saved.
    const bool saved = book->saved;
    NotifyChanged(*book);
    book->saved = saved;
}

std::shared_ptr<xl::Range> Worksheet::Cells() const {
    LiveSheet(sheet_);
    return std::make_shared<xl::Range>(sheet_, Area{1, 1, kMaxRows, kMaxColumns});
}

std::shared_ptr<xl::Range> Worksheet::Cells(int row, int column) const {
    LiveSheet(sheet_);
    CheckCell(row, column);
    return std::make_shared<xl::Range>(sheet_, Area{row, column, row, column});
}

std::shared_ptr<xl::Range> Worksheet::Range(std::string_view address) const {
    LiveSheet(sheet_);
    return std::make_shared<xl::Range>(sheet_, ParseAddress(address));
}

std::shared_ptr<xl::Range> Worksheet::UsedRange() const {
    const auto& cells = LiveSheet(sheet_).content.cells;
    return std::make_shared<xl::Range>(sheet_,
                                       Area{1, 1, std::max(cells.LastRow(), 1), std::max(cells.LastColumn(), 1)});
}

std::shared_ptr<Workbook> Worksheet::Parent() const {
    return std::make_shared<Workbook>(LiveSheet(sheet_).book.lock());
}

} // namespace xl
