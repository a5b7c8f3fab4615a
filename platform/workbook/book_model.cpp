#include "platform/workbook/book_model.h"

#include "platform/runtime/error.h"
#include "platform/workbook/refusal.h"

namespace xl::detail {

namespace {
std::shared_ptr<AppState>& TheApp() {
    static std::shared_ptr<AppState> app;
    return app;
}

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

[[noreturn]] void Disconnected() {
    Refuse(rt::errNoObject, "表計算のアプリケーションは終了しています。ブックを開き直してください。");
}
} // namespace

std::shared_ptr<AppState> RunningApp(bool start) {
    auto& app = TheApp();
    if ((!app || !app->running) && start) app = std::make_shared<AppState>();
    if (app && !app->running) return nullptr;
    return app;
}

AppState& LiveApp(const std::shared_ptr<AppState>& app) {
    if (!app || !app->running) Disconnected();
    return *app;
}

BookData& LiveBook(const std::shared_ptr<BookData>& book) {
    if (!book || book->closed) Disconnected();
    return *book;
}

SheetData& LiveSheet(const std::shared_ptr<SheetData>& sheet) {
    if (!sheet) Disconnected();
    auto book = sheet->book.lock();
    if (!book || book->closed) Disconnected();
    return *sheet;
}

std::shared_ptr<AppState> AppOf(const BookData& book) {
    auto app = book.app.lock();
    if (!app || !app->running) Disconnected();
    return app;
}

void NotifyChanged(BookData& book) {
    book.saved = false;
    auto app = book.app.lock();
    if (app && app->changed) app->changed();
}

std::shared_ptr<SheetData> MakeSheet(const std::shared_ptr<BookData>& book, SheetContent content) {
    auto sheet = std::make_shared<SheetData>();
    sheet->book = book;
    sheet->content = std::move(content);
    return sheet;
}

int FindSheet(const BookData& book, std::string_view name) {
    for (std::size_t i = 0; i < book.sheets.size(); ++i)
        if (SameName(book.sheets[i]->content.name, name)) return static_cast<int>(i);
    return -1;
}

} // namespace xl::detail
