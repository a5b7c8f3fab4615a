#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/call_log_entry.h"
#include "platform/workbook/range_address.h"
#include "platform/workbook/workbook.h"

namespace xl {

using namespace detail;

namespace {

void CheckSheetName(const BookData& book, const SheetData& self, std::string_view name) {
    std::string quoted = '"' + std::string(name) + '"';
    if (name.empty() || rt::Len(name) > 31)
        rt::Raise(rt::errApplication, "a sheet name must have 1 to 31 characters: " + quoted);
    if (name.find_first_of(":\\/?*[]") != std::string_view::npos || name.front() == '\'' ||
        name.back() == '\'')
        rt::Raise(rt::errApplication, "a sheet name cannot contain : \\ / ? * [ ] " + quoted);
    int other = FindSheet(book, name);
    if (other >= 0 && book.sheets[other].get() != &self)
        rt::Raise(rt::errApplication, "another sheet is already named " + quoted);
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
    NotifyChanged(*book);
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

std::shared_ptr<Workbook> Worksheet::Parent() const {
    return std::make_shared<Workbook>(LiveSheet(sheet_).book.lock());
}

} // namespace xl
