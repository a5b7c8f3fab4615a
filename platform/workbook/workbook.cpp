#include <filesystem>

#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/call_log_entry.h"
#include "platform/workbook/refusal.h"
#include "platform/workbook/sheet_view.h"
#include "platform/workbook/workbook.h"
#include "platform/workbook/xls_file.h"

namespace xl {

using namespace detail;

namespace {

std::shared_ptr<Worksheet> SheetByName(const std::shared_ptr<BookData>& book, std::string_view name) {
    int i = FindSheet(LiveBook(book), name);
    if (i < 0)
        Refuse(rt::errSubscript, "ブック \"" + book->fullName + "\" にシート \"" + std::string(name) +
                                     "\" がありません。このプログラムで作ったブックか、シート名を確かめてください。");
    return std::make_shared<Worksheet>(book->sheets[i]);
}

std::shared_ptr<Worksheet> SheetByIndex(const std::shared_ptr<BookData>& book, int index) {
    BookData& b = LiveBook(book);
    if (index < 1 || index > static_cast<int>(b.sheets.size()))
        Refuse(rt::errSubscript, "ブック \"" + b.fullName + "\" に " + rt::CStr(index) + " 番目のシートはありません。");
    return std::make_shared<Worksheet>(b.sheets[index - 1]);
}

} // namespace

Workbook::Workbook(std::shared_ptr<BookData> book) : book_(std::move(book)) {}

std::shared_ptr<xl::Sheets> Workbook::Worksheets() const {
    LiveBook(book_);
    return std::make_shared<xl::Sheets>(book_);
}

std::shared_ptr<Worksheet> Workbook::Worksheets(std::string_view name) const { return SheetByName(book_, name); }

std::shared_ptr<Worksheet> Workbook::Worksheets(int index) const { return SheetByIndex(book_, index); }

std::shared_ptr<xl::Sheets> Workbook::Sheets() const { return Worksheets(); }

std::shared_ptr<Worksheet> Workbook::ActiveSheet() const {
    BookData& b = LiveBook(book_);
    return std::make_shared<Worksheet>(b.sheets[b.activeSheet]);
}

std::shared_ptr<xl::Application> Workbook::Parent() const {
    return std::make_shared<xl::Application>(AppOf(LiveBook(book_)));
}

std::shared_ptr<xl::Application> Workbook::Application() const { return Parent(); }

std::string Workbook::Name() const { return LiveBook(book_).name; }

std::string Workbook::FullName() const { return LiveBook(book_).fullName; }

void Workbook::SaveAs(const std::string& fileName) {
    BookData& b = LiveBook(book_);
    LogCall("SaveAs(" + fileName + ")");
    std::filesystem::path path(fileName);
    if (fileName.empty()) Refuse(rt::errApplication, "保存するファイル名がありません。ファイル名を指定してください。");
    if (!path.has_extension()) path += ".xls";
    std::vector<const SheetContent*> sheets;
    for (auto& s : b.sheets) sheets.push_back(&s->content);
    WriteXlsFile(path.string(), sheets, b.activeSheet);
    std::error_code ec;
    auto full = std::filesystem::absolute(path, ec);
    b.fullName = ec ? path.string() : full.lexically_normal().string();
    b.name = path.filename().string();
    b.saved = true;
}

bool Workbook::Saved() const { return LiveBook(book_).saved; }

void Workbook::SetSaved(bool saved) { LiveBook(book_).saved = saved; }

void Workbook::Close() {
    BookData& b = LiveBook(book_);
    auto app = AppOf(b);
    LogCall("Close(" + b.name + ")");
    b.closed = true;
    std::erase(app->books, book_);
    if (app->activeBook == book_) app->activeBook = app->books.empty() ? nullptr : app->books.back();
    UpdateSheetWindow(app);
}

Sheets::Sheets(std::shared_ptr<BookData> book) : book_(std::move(book)) {}

std::shared_ptr<Worksheet> Sheets::Item(std::string_view name) const { return SheetByName(book_, name); }

std::shared_ptr<Worksheet> Sheets::Item(int index) const { return SheetByIndex(book_, index); }

int Sheets::Count() const { return static_cast<int>(LiveBook(book_).sheets.size()); }

std::shared_ptr<Worksheet> Sheets::Add() {
    BookData& b = LiveBook(book_);
    SheetContent content;
    do {
        content.name = "Sheet" + rt::CStr(++b.sheetsCreated);
    } while (FindSheet(b, content.name) >= 0);
    auto sheet = MakeSheet(book_, std::move(content));
    b.sheets.insert(b.sheets.begin() + b.activeSheet, sheet);
    NotifyChanged(b);
    return std::make_shared<Worksheet>(sheet);
}

std::shared_ptr<Workbook> Sheets::Parent() const {
    LiveBook(book_);
    return std::make_shared<Workbook>(book_);
}

std::shared_ptr<xl::Application> Sheets::Application() const {
    return std::make_shared<xl::Application>(AppOf(LiveBook(book_)));
}

} // namespace xl
