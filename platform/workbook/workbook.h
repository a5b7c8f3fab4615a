#pragma once
// The spreadsheet the program drives, in the shape of its automation objects:
//
//   auto xlbook = xl::CreateObject("Excel.sheet");            // new workbook, one sheet "Sheet1"
//   auto xlsheets = xlbook->Worksheets();
//   xlsheets->Item("Sheet1")->SetName("座標値ｼｰﾄ");
//   xlbook->Sheets()->Add();                                   // in front of the active sheet
//   auto ws = xlbook->Worksheets("縦断ｼｰﾄ");
//   ws->Cells(5, 1)->SetValue(12.3f);
//   std::string t = ws->Cells(5, 1)->Value().Text();           // "12.3"
//   ws->Range("A３:p105")->Borders(8)->SetLineStyle(1);
//   xlbook->Parent()->Windows(1)->SetVisible(true);
//   xlbook->SaveAs("/path/book.xls");
//   xlbook->Application()->Quit();                             // every handle now raises 91
//
// One application per process, started on demand by CreateObject or GetObject. Handles are
// shared pointers; after Quit every handle is disconnected and its calls raise error 91.
// Failures raise rt::Error: 9 for a missing sheet or index, 13 for a value of the wrong kind,
// 91 for a disconnected handle, 1004 for anything the spreadsheet refuses (bad address,
// duplicate sheet name, unreadable file).
#include <memory>
#include <string>
#include <string_view>

#include "platform/workbook/cell_value.h"
#include "platform/workbook/constants.h"

namespace xl {

namespace detail {
struct AppState;
struct BookData;
struct SheetData;
} // namespace detail

class Application;
class Workbook;
class Sheets;
class Worksheet;
class Range;
class Font;
class Border;
class Interior;
class Window;

// A new object of the class "Excel.sheet": a new workbook with one sheet "Sheet1", which
// becomes the active workbook. Any other class name raises 1004.
std::shared_ptr<Workbook> CreateObject(std::string_view className);
// The workbook saved in `path` (an open workbook of that path is returned as it is). A missing
// or unreadable file raises 1004 naming the file and the fault.
std::shared_ptr<Workbook> GetObject(const std::string& path);

class Application {
public:
    explicit Application(std::shared_ptr<detail::AppState> state);

    bool Visible() const;
    void SetVisible(bool visible);
    // Windows(1): the window of the active workbook.
    std::shared_ptr<Window> Windows(int index) const;
    std::shared_ptr<Workbook> ActiveWorkbook() const;
    // Sheets(name) of the active workbook.
    std::shared_ptr<Worksheet> Sheets(std::string_view name) const;
    std::shared_ptr<Worksheet> Sheets(int index) const;
    // Closes every workbook without saving and ends the application.
    void Quit();

private:
    std::shared_ptr<detail::AppState> state_;
};

class Window {
public:
    explicit Window(std::shared_ptr<detail::BookData> book);
    bool Visible() const;
    void SetVisible(bool visible);

private:
    std::shared_ptr<detail::BookData> book_;
};

class Workbook {
public:
    explicit Workbook(std::shared_ptr<detail::BookData> book);

    std::shared_ptr<xl::Sheets> Worksheets() const;
    std::shared_ptr<Worksheet> Worksheets(std::string_view name) const;
    std::shared_ptr<Worksheet> Worksheets(int index) const;
    std::shared_ptr<xl::Sheets> Sheets() const;
    std::shared_ptr<Worksheet> ActiveSheet() const;
    std::shared_ptr<xl::Application> Parent() const;
    std::shared_ptr<xl::Application> Application() const;
    // "Book1" for a new workbook, the file name once saved or bound.
    std::string Name() const;
    // The full path once saved or bound, else the name.
    std::string FullName() const;
    // Saves as an Excel 97-2003 workbook; ".xls" is added to a name without extension.
    void SaveAs(const std::string& fileName);
    // False once a cell, format or sheet has changed since the workbook was made, bound or
    // last saved; SetSaved(true) declares the changes unimportant, as the spreadsheet allows.
    bool Saved() const;
    void SetSaved(bool saved);
    // Closes this workbook without saving; the application and its other workbooks stay.
    // Every handle of this workbook then raises 91.
    void Close();

private:
    std::shared_ptr<detail::BookData> book_;
};

class Sheets {
public:
    explicit Sheets(std::shared_ptr<detail::BookData> book);

    std::shared_ptr<Worksheet> Item(std::string_view name) const; // case-insensitive; 9 if none
    std::shared_ptr<Worksheet> Item(int index) const;             // 1-based; 9 if out of range
    int Count() const;
    // A new worksheet in front of the active sheet; it becomes the active sheet.
    std::shared_ptr<Worksheet> Add();
    std::shared_ptr<Workbook> Parent() const;
    std::shared_ptr<xl::Application> Application() const;

private:
    std::shared_ptr<detail::BookData> book_;
};

class Worksheet {
public:
    explicit Worksheet(std::shared_ptr<detail::SheetData> sheet);

    std::string Name() const;
    // 1 .. 31 characters, none of : \ / ? * [ ], not the name of another sheet (1004).
    void SetName(std::string_view name);
    int Index() const;
    void Select();
    std::shared_ptr<xl::Range> Cells() const; // every cell of the sheet
    std::shared_ptr<xl::Range> Cells(int row, int column) const;
    // "A1" or "A1:B2"; letters in either case, digits ASCII or full-width.
    std::shared_ptr<xl::Range> Range(std::string_view address) const;
    // From A1 to the last row and column holding a value or a format (A1 on an empty sheet).
    std::shared_ptr<xl::Range> UsedRange() const;
    std::shared_ptr<Workbook> Parent() const;

private:
    std::shared_ptr<detail::SheetData> sheet_;
};

// A rectangle of cells, rows and columns counted from 1, bounds inclusive.
struct Area {
    int top = 1, left = 1, bottom = 1, right = 1;
    bool operator==(const Area&) const = default;
};

class Range {
public:
    Range(std::shared_ptr<detail::SheetData> sheet, Area area);

    // The value of the top-left cell.
    CellValue Value() const;
    // Sets every cell of the range; the empty text empties them.
    void SetValue(const CellValue& value);
    // Clears the values, keeps the formatting.
    void ClearContents();
    std::shared_ptr<xl::Font> Font() const;
    std::shared_ptr<xl::Interior> Interior() const;
    // Index 7 .. 12 (edges and inside lines); any other index raises 1004.
    std::shared_ptr<xl::Border> Borders(int index) const;
    // Width of the first column, in characters.
    double ColumnWidth() const;
    // Sets the width of every column of the range (0 .. 255 characters).
    void SetColumnWidth(double width);
    int Row() const;
    int Column() const;
    Area Address() const;
    // The cell where a move from the top-left cell in `direction` (xlDown only) ends: from a
    // cell holding a value above another, the last cell of that run of values; else the next
    // cell below holding a value, or the cell in the last row.
    std::shared_ptr<Range> End(int direction) const;

private:
    std::shared_ptr<detail::SheetData> sheet_;
    Area area_;
};

class Font {
public:
    Font(std::shared_ptr<detail::SheetData> sheet, Area area);
    double Size() const;         // of the top-left cell
    void SetSize(double points); // 1 .. 409 points
private:
    std::shared_ptr<detail::SheetData> sheet_;
    Area area_;
};

class Border {
public:
    Border(std::shared_ptr<detail::SheetData> sheet, Area area, int index);
    int LineStyle() const;
    void SetLineStyle(int style);
    int Weight() const;
    void SetWeight(int weight);
    int ColorIndex() const;
    void SetColorIndex(int index);

private:
    std::shared_ptr<detail::SheetData> sheet_;
    Area area_;
    int index_;
};

class Interior {
public:
    Interior(std::shared_ptr<detail::SheetData> sheet, Area area);
    int ColorIndex() const;
    void SetColorIndex(int index);
    int Pattern() const;
    void SetPattern(int pattern);

private:
    std::shared_ptr<detail::SheetData> sheet_;
    Area area_;
};

} // namespace xl
