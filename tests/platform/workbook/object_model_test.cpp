// The automation objects in memory: creation, sheets, addresses, values, formats, Quit.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "platform/workbook/call_log.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace xl::test {
namespace {

using ObjectModelTest = WorkbookTest;

TEST_F(ObjectModelTest, NewWorkbookHasSheet1AndAddGoesInFrontOfTheActiveSheet) {
    auto book = CreateObject("Excel.sheet");
    auto sheets = book->Worksheets();
    ASSERT_EQ(sheets->Count(), 1);
    EXPECT_EQ(sheets->Item(1)->Name(), "Sheet1");

    sheets->Item("Sheet1")->SetName("座標値ｼｰﾄ");
    for (const char* name : {"路肩ｼｰﾄ", "ＩＰ座標入力", "横断ｼｰﾄ", "縦断ｼｰﾄ", "現況横断ｼｰﾄ", "切盛ﾗｲﾝ入力ｼｰﾄ"}) {
        book->Sheets()->Add();
        sheets->Item(1)->SetName(name);
    }
    std::vector<std::string> order;
    for (int i = 1; i <= sheets->Count(); ++i) order.push_back(sheets->Item(i)->Name());
    EXPECT_EQ(order, (std::vector<std::string>{"切盛ﾗｲﾝ入力ｼｰﾄ", "現況横断ｼｰﾄ", "縦断ｼｰﾄ", "横断ｼｰﾄ", "ＩＰ座標入力",
                                               "路肩ｼｰﾄ", "座標値ｼｰﾄ"}));
    EXPECT_EQ(book->ActiveSheet()->Name(), "切盛ﾗｲﾝ入力ｼｰﾄ");

    // Add goes in front of the active sheet, wherever that is.
    sheets->Item("横断ｼｰﾄ")->Select();
    auto added = sheets->Add();
    EXPECT_EQ(added->Index(), 4);
    EXPECT_EQ(book->ActiveSheet()->Name(), added->Name());
}

TEST_F(ObjectModelTest, OtherClassNamesAndMissingSheetsRaise) {
    EXPECT_EQ(ErrorOf([] { CreateObject("Word.Document"); }), rt::errApplication);
    auto book = CreateObject("Excel.sheet");
    EXPECT_EQ(ErrorOf([&] { book->Worksheets("縦断ｼｰﾄ"); }), rt::errSubscript);
    EXPECT_EQ(ErrorOf([&] { book->Worksheets(0); }), rt::errSubscript);
    EXPECT_EQ(ErrorOf([&] { book->Worksheets(2); }), rt::errSubscript);
    EXPECT_EQ(book->Worksheets("sheet1")->Name(), "Sheet1"); // names compare without case
}

TEST_F(ObjectModelTest, SheetNamesAreChecked) {
    auto book = CreateObject("Excel.sheet");
    auto second = book->Sheets()->Add();
    auto first = book->Worksheets("Sheet1");
    for (const std::string& bad :
         std::vector<std::string>{"", "SHEET1", "a:b", "a/b", "a[1]", "'x", std::string(32, 'x')})
        EXPECT_EQ(ErrorOf([&] { second->SetName(bad); }), rt::errApplication) << bad;
    EXPECT_NE(second->Name(), "Sheet1");
    first->SetName("sheet1"); // its own name in another case is no clash
    EXPECT_EQ(first->Name(), "sheet1");
    second->SetName(std::string(31, 'x'));
    EXPECT_EQ(ErrorOf([&] { second->SetName(std::string("縦断ｼｰﾄ縦断ｼｰﾄ縦断ｼｰﾄ縦断ｼｰﾄ縦断ｼｰﾄ縦断ｼｰﾄ") + "縦"); }),
              0); // 31
}

TEST_F(ObjectModelTest, RangeAddressesInEitherCaseAndFullWidthDigits) {
    auto ws = CreateObject("Excel.sheet")->Worksheets(1);
    struct Case {
        const char* address;
        Area area;
    } cases[] = {
        {"A1", {1, 1, 1, 1}},        {"A３:p105", {3, 1, 105, 16}}, {"b4:d50", {4, 2, 50, 4}},
        {"$C$2", {2, 3, 2, 3}},      {"D5:B2", {2, 2, 5, 4}},       {"IV65536", {65536, 256, 65536, 256}},
        {"Ａ１:Ｂ２", {1, 1, 2, 2}},
    };
    for (auto& c : cases) EXPECT_EQ(ws->Range(c.address)->Address(), c.area) << c.address;
    for (const char* bad : {"", "A", "1", "A0", "IW1", "A65537", "A1:", "A1:B", "A1 ", "A-1", "AAAA1"})
        EXPECT_EQ(ErrorOf([&] { ws->Range(bad); }), rt::errApplication) << bad;
    for (auto [r, c] : {std::pair{0, 1}, {1, 0}, {65537, 1}, {1, 257}})
        EXPECT_EQ(ErrorOf([&] { ws->Cells(r, c); }), rt::errApplication);
}

TEST_F(ObjectModelTest, ValuesKeepTheirKindAndReadAsGeneralText) {
    auto ws = CreateObject("Excel.sheet")->Worksheets(1);
    struct Case {
        CellValue written;
        ValueKind kind;
        const char* text;
    } cases[] = {
        {12.3f, ValueKind::Single, "12.3"},
        {12.3, ValueKind::Double, "12.3"},
        {0.1f, ValueKind::Single, "0.1"},
        {static_cast<double>(0.1f), ValueKind::Double, "0.100000001490116"},
        {-3, ValueKind::Integer, "-3"},
        {static_cast<short>(7), ValueKind::Integer, "7"},
        {12345678.0f, ValueKind::Single, "1.234568E+07"},
        {"12", ValueKind::Text, "12"}, // texts are never turned into numbers
        {"", ValueKind::Empty, ""},
    };
    for (auto& c : cases) {
        ws->Cells(5, 1)->SetValue(c.written);
        CellValue read = ws->Cells(5, 1)->Value();
        EXPECT_EQ(read.Kind(), c.kind) << c.text;
        EXPECT_EQ(read.Text(), c.text);
    }
    EXPECT_EQ(ws->Cells(9, 9)->Value().Text(), "");
    EXPECT_EQ(ws->Cells(9, 9)->Value().Double(), 0.0);
    ws->Cells(1, 1)->SetValue(" 2.5 ");
    EXPECT_EQ(ws->Cells(1, 1)->Value().Single(), 2.5f);
    ws->Cells(1, 1)->SetValue("abc");
    EXPECT_EQ(ErrorOf([&] { ws->Cells(1, 1)->Value().Double(); }), rt::errTypeMismatch);
    ws->Cells(1, 1)->SetValue(1e300);
    EXPECT_EQ(ErrorOf([&] { ws->Cells(1, 1)->Value().Single(); }), rt::errOverflow);
    EXPECT_EQ(ErrorOf([&] { ws->Cells(1, 1)->SetValue(std::numeric_limits<double>::infinity()); }), rt::errApplication);
    EXPECT_EQ(ErrorOf([&] { ws->Cells(1, 1)->SetValue(std::string(32768, 'a')); }), rt::errApplication);
    EXPECT_EQ(ws->Cells(1, 1)->Value().Double(), 1e300); // refused values leave the cell alone
}

TEST_F(ObjectModelTest, ClearContentsKeepsFormatsAndRangeValueSetsEveryCell) {
    auto ws = CreateObject("Excel.sheet")->Worksheets(1);
    ws->Range("A1:C3")->SetValue(5);
    ws->Cells(2, 2)->Font()->SetSize(22);
    ws->Range("B2:C2")->Interior()->SetColorIndex(40);
    ws->Cells(200, 200)->SetValue("far");
    EXPECT_EQ(ws->Cells(3, 3)->Value().Text(), "5");

    ws->Range("B2:C3")->ClearContents();
    EXPECT_EQ(ws->Cells(1, 1)->Value().Text(), "5");
    EXPECT_TRUE(ws->Cells(2, 2)->Value().IsEmpty());
    EXPECT_TRUE(ws->Cells(3, 3)->Value().IsEmpty());
    EXPECT_EQ(ws->Cells(2, 1)->Value().Text(), "5");

    ws->Cells()->ClearContents();
    EXPECT_TRUE(ws->Cells(1, 1)->Value().IsEmpty());
    EXPECT_TRUE(ws->Cells(200, 200)->Value().IsEmpty());
    EXPECT_EQ(ws->Cells(2, 2)->Font()->Size(), 22);
    EXPECT_EQ(ws->Cells(2, 3)->Interior()->ColorIndex(), 40);
    EXPECT_EQ(ws->Cells(2, 3)->Interior()->Pattern(), xlPatternSolid);
    EXPECT_EQ(ErrorOf([&] { ws->Cells()->SetValue(1); }), rt::errApplication);
}

// A move down a column ends at the last value of a run, or at the next value below, or in the
// last row; formats and empty cells are passed over.
TEST_F(ObjectModelTest, EndDownStopsWhereTheSpreadsheetStops) {
    auto ws = CreateObject("Excel.sheet")->Worksheets(1);
    for (const char* cell : {"B3", "B4", "B5", "B9", "B65536"}) ws->Range(cell)->SetValue(1);
    // Formatted cells without a value are empty to End: right below values (B6 under B3:B5,
    // B10 under B9, emptied by ClearContents, which keeps its format) and inside a gap (B7).
    ws->Range("B6")->Interior()->SetColorIndex(6);
    ws->Range("B7")->Font()->SetSize(22);
    ws->Range("B8")->SetValue("");
    ws->Range("B10")->Font()->SetSize(22);
    ws->Range("B10")->SetValue(1);
    ws->Range("B10")->ClearContents();
    struct Case {
        int from, to;
    } cases[] = {{1, 3}, {2, 3}, {3, 5}, {4, 5}, {5, 9}, {6, 9}, {9, 65536}, {10, 65536}, {65536, 65536}};
    for (const auto& c : cases) {
        auto end = ws->Cells(c.from, 2)->End(xlDown);
        EXPECT_EQ(end->Row(), c.to) << c.from;
        EXPECT_EQ(end->Column(), 2) << c.from;
    }
    ws->Range("B65536")->ClearContents();
    EXPECT_EQ(ws->Cells(9, 2)->End(xlDown)->Row(), 65536);
    EXPECT_EQ(ErrorOf([&] { ws->Cells(1, 2)->End(-4162); }), rt::errApplication);
}

TEST_F(ObjectModelTest, BoxingARangeSetsEdgesAndInsideLines) {
    auto ws = CreateObject("Excel.sheet")->Worksheets(1);
    auto box = ws->Range("A4:I50");
    for (int edge : {7, 8, 9, 10}) {
        box->Borders(edge)->SetLineStyle(xlContinuous);
        box->Borders(edge)->SetWeight(xlThin);
        box->Borders(edge)->SetColorIndex(xlColorIndexAutomatic);
    }
    for (int inside : {11, 12}) {
        box->Borders(inside)->SetLineStyle(xlContinuous);
        box->Borders(inside)->SetWeight(xlHairline);
    }
    EXPECT_EQ(box->Borders(7)->Weight(), xlThin);
    EXPECT_EQ(box->Borders(11)->Weight(), xlHairline);
    EXPECT_EQ(ws->Range("A4")->Borders(xlEdgeLeft)->Weight(), xlThin);
    EXPECT_EQ(ws->Range("A4")->Borders(xlEdgeRight)->Weight(), xlHairline);
    EXPECT_EQ(ws->Range("I50")->Borders(xlEdgeBottom)->LineStyle(), xlContinuous);
    EXPECT_EQ(ws->Range("E20")->Borders(xlEdgeTop)->Weight(), xlHairline);
    EXPECT_EQ(ws->Range("J4")->Borders(xlEdgeLeft)->LineStyle(), xlLineStyleNone);
    EXPECT_EQ(ws->Range("A3")->Borders(xlEdgeBottom)->LineStyle(), xlLineStyleNone);

    // A weight alone draws a continuous line; invalid values are refused.
    ws->Range("K1")->Borders(xlEdgeTop)->SetWeight(xlMedium);
    EXPECT_EQ(ws->Range("K1")->Borders(xlEdgeTop)->LineStyle(), xlContinuous);
    for (auto set : {std::function<void()>([&] { box->Borders(6); }),
                     std::function<void()>([&] { box->Borders(7)->SetLineStyle(3); }),
                     std::function<void()>([&] { box->Borders(7)->SetWeight(3); }),
                     std::function<void()>([&] { box->Borders(7)->SetColorIndex(57); }),
                     std::function<void()>([&] { box->Interior()->SetPattern(99); }),
                     std::function<void()>([&] { box->Font()->SetSize(0); }),
                     std::function<void()>([&] { box->SetColumnWidth(256); })})
        EXPECT_EQ(ErrorOf(set), rt::errApplication);
}

TEST_F(ObjectModelTest, QuitDisconnectsEveryHandle) {
    auto book = CreateObject("Excel.sheet");
    auto app = book->Parent();
    auto sheets = book->Worksheets();
    auto ws = sheets->Item(1);
    auto range = ws->Range("A1:B2");
    auto font = range->Font();
    auto border = range->Borders(7);
    auto interior = range->Interior();
    auto window = app->Windows(1);
    app->Quit();
    std::vector<std::function<void()>> calls = {
        [&] { book->Name(); },         [&] { sheets->Count(); },
        [&] { ws->Name(); },           [&] { range->Value(); },
        [&] { range->SetValue(1); },   [&] { font->Size(); },
        [&] { border->SetWeight(2); }, [&] { interior->ColorIndex(); },
        [&] { window->Visible(); },    [&] { app->SetVisible(true); },
        [&] { app->Quit(); },          [&] { book->SaveAs(Path("x.xls")); },
    };
    for (auto& call : calls) EXPECT_EQ(ErrorOf(call), rt::errNoObject);

    // A new object starts a new application.
    auto again = CreateObject("Excel.sheet");
    EXPECT_EQ(again->Worksheets()->Count(), 1);
    EXPECT_FALSE(again->Application()->Visible());
}

TEST_F(ObjectModelTest, ApplicationSheetsReachTheActiveWorkbookAndCallsAreLogged) {
    auto first = CreateObject("Excel.sheet");
    auto second = CreateObject("Excel.sheet");
    second->Worksheets(1)->SetName("縦断ｼｰﾄ");
    second->Worksheets(1)->Cells(5, 1)->SetValue(1.5f);
    auto app = first->Application();
    EXPECT_EQ(app->Sheets("縦断ｼｰﾄ")->Cells(5, 1)->Value().Text(), "1.5");
    EXPECT_EQ(ErrorOf([&] { first->Worksheets("縦断ｼｰﾄ"); }), rt::errSubscript);

    ClearCallLog();
    app->Windows(1)->SetVisible(true);
    app->SetVisible(true);
    second->Worksheets(1)->Select();
    app->SetVisible(false);
    second->SaveAs(Path("book"));
    app->Quit();
    // clang-format off
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"Windows(1).Visible=True", "Visible=True",
                                                   "Select(縦断ｼｰﾄ)", "Visible=False",
                                                   "SaveAs(" + Path("book") + ")", "Quit"}));
    // clang-format on
    EXPECT_TRUE(std::filesystem::exists(Path("book.xls"))); // the extension is added
}

} // namespace
} // namespace xl::test
