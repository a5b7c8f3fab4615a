#include <cctype>
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

const char* TrueFalse(bool b) { return b ? "True" : "False"; }

std::shared_ptr<BookData> NewBook(const std::shared_ptr<AppState>& app) {
    auto book = std::make_shared<BookData>();
    book->app = app;
    book->name = "Book" + rt::CStr(++app->booksCreated);
    book->fullName = book->name;
    return book;
}

void Activate(AppState& app, const std::shared_ptr<BookData>& book) {
    app.books.push_back(book);
    app.activeBook = book;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    auto abs = std::filesystem::absolute(path, ec);
    return ec ? path : abs.lexically_normal().string();
}

} // namespace

std::shared_ptr<Workbook> CreateObject(std::string_view className) {
    LogCall("CreateObject(" + std::string(className) + ")");
    std::string lower(className);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower != "excel.sheet")
        Refuse(rt::errApplication, "クラス \"" + std::string(className) +
                                       "\" のオブジェクトは作れません。\"Excel.sheet\" を指定してください。");
    auto app = RunningApp(true);
    auto book = NewBook(app);
    SheetContent first;
    first.name = "Sheet" + rt::CStr(++book->sheetsCreated);
    book->sheets.push_back(MakeSheet(book, std::move(first)));
    Activate(*app, book);
    UpdateSheetWindow(app);
    return std::make_shared<Workbook>(book);
}

std::shared_ptr<Workbook> GetObject(const std::string& path) {
    LogCall("GetObject(" + path + ")");
    std::string full = AbsolutePath(path);
    if (auto app = RunningApp(false)) {
        for (auto& open : app->books)
            if (open->fullName == full) {
                app->activeBook = open;
                UpdateSheetWindow(app);
                return std::make_shared<Workbook>(open);
            }
    }
    BookContent content = ReadXlsFile(path); // read before the application starts
    auto app = RunningApp(true);
    auto book = std::make_shared<BookData>();
    book->app = app;
    book->fullName = full;
    book->name = std::filesystem::path(full).filename().string();
    for (auto& sheet : content.sheets) book->sheets.push_back(MakeSheet(book, std::move(sheet)));
    book->sheetsCreated = static_cast<int>(book->sheets.size());
    book->activeSheet = content.activeSheet;
    Activate(*app, book);
    UpdateSheetWindow(app);
    return std::make_shared<Workbook>(book);
}

Application::Application(std::shared_ptr<AppState> state) : state_(std::move(state)) {}

bool Application::Visible() const { return LiveApp(state_).visible; }

void Application::SetVisible(bool visible) {
    LiveApp(state_).visible = visible;
    LogCall(std::string("Visible=") + TrueFalse(visible));
    UpdateSheetWindow(state_);
}

std::shared_ptr<Window> Application::Windows(int index) const {
    AppState& app = LiveApp(state_);
    if (index != 1 || !app.activeBook)
        Refuse(rt::errSubscript, "ウィンドウ " + rt::CStr(index) +
                                     " はありません。ブックを開いてから 1 番のウィンドウを指定してください。");
    return std::make_shared<Window>(app.activeBook);
}

std::shared_ptr<Workbook> Application::ActiveWorkbook() const {
    AppState& app = LiveApp(state_);
    if (!app.activeBook) Refuse(rt::errNoObject, "開いているブックがありません。ブックを開くか新しく作ってください。");
    return std::make_shared<Workbook>(app.activeBook);
}

std::shared_ptr<Worksheet> Application::Sheets(std::string_view name) const {
    return ActiveWorkbook()->Worksheets(name);
}

std::shared_ptr<Worksheet> Application::Sheets(int index) const { return ActiveWorkbook()->Worksheets(index); }

void Application::Quit() {
    AppState& app = LiveApp(state_);
    LogCall("Quit");
    for (auto& book : app.books) book->closed = true;
    app.books.clear();
    app.activeBook.reset();
    app.visible = false;
    UpdateSheetWindow(state_);
    app.running = false;
}

Window::Window(std::shared_ptr<BookData> book) : book_(std::move(book)) {}

bool Window::Visible() const { return LiveBook(book_).windowVisible; }

void Window::SetVisible(bool visible) {
    LiveBook(book_).windowVisible = visible;
    LogCall(std::string("Windows(1).Visible=") + TrueFalse(visible));
    UpdateSheetWindow(AppOf(*book_));
}

} // namespace xl
