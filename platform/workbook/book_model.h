#pragma once
// The running application, its workbooks and their sheets, as the automation objects share
// them. Handles keep these alive; Quit marks them closed so that every handle raises 91.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workbook/sheet_content.h"

namespace xl::detail {

struct AppState;
struct BookData;

struct SheetData {
    std::weak_ptr<BookData> book;
    SheetContent content;
};

struct BookData {
    std::weak_ptr<AppState> app;
    bool closed = false;
    std::string name;     // "Book1", or the file name once saved or bound
    std::string fullName; // the path once saved or bound
    std::vector<std::shared_ptr<SheetData>> sheets;
    int activeSheet = 0;   // 0-based
    int sheetsCreated = 0; // numbers the names "SheetN" of added sheets
    bool windowVisible = false;
    bool saved = true; // no change since it was made, bound or saved
};

struct AppState {
    bool running = true;
    bool visible = false;
    std::vector<std::shared_ptr<BookData>> books;
    std::shared_ptr<BookData> activeBook;
    int booksCreated = 0;
    // Set by the sheet window while it is open: told after every change of cells or sheets.
    std::function<void()> changed;
};

// The application of this process; started when `start` is set and none runs.
std::shared_ptr<AppState> RunningApp(bool start);

// The objects behind a handle, or error 91 when the application has quit.
AppState& LiveApp(const std::shared_ptr<AppState>& app);
BookData& LiveBook(const std::shared_ptr<BookData>& book);
SheetData& LiveSheet(const std::shared_ptr<SheetData>& sheet);
std::shared_ptr<AppState> AppOf(const BookData& book);

// Marks the workbook changed and tells the sheet window (if one is open).
void NotifyChanged(BookData& book);

// A new sheet of `book` holding `content`.
std::shared_ptr<SheetData> MakeSheet(const std::shared_ptr<BookData>& book, SheetContent content);

// Index of the sheet named `name` (compared without regard to ASCII case), or -1.
int FindSheet(const BookData& book, std::string_view name);

} // namespace xl::detail
