#include "lifecycle_fixture.h"

#include "platform/runtime/error.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shell/lifecycle/failure_reason.h"
#include "vantor/shell/lifecycle/lifecycle_messages.h"

#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace lifecycle_test {
namespace {

using namespace 縦断bus;

// A copy of the document at `from`, saved as `name`, whose `sheet` holds `text` in `cell`.
std::string WithText(const std::string& from, const std::string& name, const char* sheet, const char* cell,
                     const char* text) {
    const std::string path = std::filesystem::path(from).replace_filename(name).string();
    auto book = xl::GetObject(from);
    book->Worksheets(sheet)->Range(cell)->SetValue(text);
    book->SaveAs(path);
    book->Close();
    return path;
}

TEST_F(LifecycleTest, OpenReadsComputesAndEnablesTheDocumentCommands) {
    const std::string path = SavedDocument("a.xls", kCrest);
    Open(path);
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
    ASSERT_EQ(forms::script::FileDialogs().size(), 1u);
    EXPECT_EQ(forms::script::FileDialogs()[0].filter, "*.xls");
    EXPECT_FALSE(forms::script::FileDialogs()[0].initDir.empty());

    EXPECT_EQ(sokutensuu, 7);
    EXPECT_EQ(ipsuu, 0); // the straight road of start and end point
    EXPECT_EQ(ipx(1), 200000.0f);
    EXPECT_EQ(tatedata(4, 5), 49.78f);
    EXPECT_EQ(Cell(4, 4), "49.78");
    EXPECT_EQ(hirakuflg, 1);
    EXPECT_EQ(bukkujoutai, 2);
    EXPECT_EQ(xlshuuryouflg, -1);
    EXPECT_EQ(fairumei, path);
    EXPECT_TRUE(forms::Get<入出力画面>().Visible());
    待表示& wait = forms::Get<待表示>();
    EXPECT_FALSE(wait.Visible());
    EXPECT_EQ(wait.Caption(), "しばらくお待ちください・・");
    EXPECT_EQ(wait.休み.Caption(), "読み込みチューです。");
    EXPECT_TRUE(wait.休み.Visible());
    EXPECT_TRUE(wait.寝る.Visible());
    EXPECT_TRUE(Main().E.Enabled());
    for (forms::Menu* item : {&Main().g1(0), &Main().g1(1), &Main().E1(0), &Main().E1(1), &Main().f1(3)})
        EXPECT_TRUE(item->Enabled()) << item->Caption();
    for (const char* key : {"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送"})
        EXPECT_TRUE(ButtonEnabled(key)) << key;
    EXPECT_FALSE(ButtonEnabled("ｴｸｾﾙ画面入力"));
}

TEST_F(LifecycleTest, FailureReasonsAreJapaneseAndKeepTheDetail) {
    const struct {
        std::exception_ptr error;
        std::string reason;
    } cases[] = {
        {std::make_exception_ptr(rt::Error(rt::errSubscript, "Subscript out of range")),
         "データの数が表に入る数を超えているか、必要なシートがありません。（詳細：Subscript out of range）"},
        {std::make_exception_ptr(rt::Error(rt::errApplication, "a cell cannot hold inf")),
         "表計算ソフトがこの操作を受け付けませんでした。（詳細：a cell cannot hold inf）"},
        {std::make_exception_ptr(rt::Error(rt::errTypeMismatch, "縦断ｼｰﾄ のセル A5 が数値ではありません。")),
         "縦断ｼｰﾄ のセル A5 が数値ではありません。"},
        {std::make_exception_ptr(std::runtime_error("bad")), "予期しないエラーが起きました。（詳細：bad）"},
    };
    for (const auto& c : cases) {
        try {
            std::rethrow_exception(c.error);
        } catch (const std::exception& e) {
            EXPECT_EQ(FailureReason(e), c.reason);
        }
    }
    // A file that is no workbook: the user is told which kind of file to choose.
    const std::string garbage = PathOf("garbage.xls");
    std::ofstream(garbage) << "not a workbook";
    Open(garbage);
    EXPECT_NE(LastMessage().find("ファイル " + garbage + " を開けませんでした。\nファイルの読み込み："),
              std::string::npos)
        << LastMessage();
    EXPECT_NE(LastMessage().find("このプログラムで保存した Excel 97-2003 形式（.xls）のブックを選んでください。"),
              std::string::npos)
        << LastMessage();
}

TEST_F(LifecycleTest, OpenOfAFolderOrAMissingFileSaysSoAndChangesNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {folder_.string(), "はフォルダです。開くブックのファイル（.xls）を選んでください。"},
        {PathOf("missing.xls"), "が見つかりません。名前と場所を確かめて選び直してください。"}};
    for (const auto& [path, text] : cases) {
        forms::script::Reset();
        Open(path);
        ASSERT_EQ(forms::script::Messages().size(), 1u) << path;
        EXPECT_NE(LastMessage().find(path + " "), std::string::npos) << LastMessage();
        EXPECT_NE(LastMessage().find(text), std::string::npos) << LastMessage();
        EXPECT_FALSE(HasDocument());
        EXPECT_EQ(hirakuflg, 0);
    }
}

TEST_F(LifecycleTest, OpeningTheFileAlreadyOpenReadsItFromDisk) {
    const std::string path = SavedDocument("a.xls", kCrest);
    Open(path);
    // The ground height of station 2 changed in the sheet and never saved.
    xlsheets->Item("縦断ｼｰﾄ")->Range("B6")->SetValue(99.5f);
    const float onDisk = tatedata(2, 2);

    // Asked first: no keeps the workbook and its change.
    forms::script::Reset();
    forms::script::QueueMsgBoxAnswer(forms::vbNo);
    Open(path);
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(forms::script::Messages()[0].buttons & 7, forms::vbYesNo);
    EXPECT_NE(LastMessage().find(path), std::string::npos) << LastMessage();
    EXPECT_EQ(xlsheets->Item("縦断ｼｰﾄ")->Range("B6")->Value().Text(), "99.5");

    // Yes reads the file.
    forms::script::Reset();
    forms::script::QueueMsgBoxAnswer(forms::vbYes);
    Open(path);
    EXPECT_EQ(forms::script::Messages().size(), 1u) << LastMessage();
    EXPECT_EQ(tatedata(2, 2), onDisk);
    EXPECT_EQ(xlsheets->Item("縦断ｼｰﾄ")->Range("B6")->Value().Text(), rt::CStr(onDisk));
    EXPECT_EQ(bukkujoutai, 2);

    // Without changes it is read again without a question, and from disk.
    forms::script::Reset();
    Open(path);
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
    EXPECT_EQ(tatedata(2, 2), onDisk);
}

TEST_F(LifecycleTest, CancelledOpenChangesNothing) {
    for (bool cancel : {true, false}) {
        cancel ? forms::script::QueueFileCancel() : forms::script::QueueFileName("");
        hiraku();
        EXPECT_EQ(LastMessage(), lifecycle_messages::kCancelled);
        EXPECT_EQ(forms::script::Messages().back().buttons, forms::vbOKOnly);
        EXPECT_EQ(hirakuflg, 0);
        EXPECT_EQ(bukkujoutai, 0);
        EXPECT_FALSE(Main().E.Enabled());
        EXPECT_FALSE(HasDocument());
        EXPECT_TRUE(xl::CallLog().empty());
    }
}

TEST_F(LifecycleTest, FailedOpenLeavesThePreviousDocumentAsItWas) {
    const std::string good = SavedDocument("good.xls", kCrest);
    // A workbook with a profile of its own but without the other sheets.
    const std::string partial = PathOf("partial.xls");
    {
        auto book = xl::CreateObject("Excel.sheet");
        auto sheet = book->Worksheets(1);
        sheet->SetName("縦断ｼｰﾄ");
        sheet->Cells(5, 1)->SetValue(5.0f);
        sheet->Cells(6, 1)->SetValue(15.0f);
        book->SaveAs(partial);
        book->Close();
    }
    const std::string garbage = PathOf("garbage.xls");
    std::ofstream(garbage) << "not a workbook";
    // Complete documents with one cell that is not a number.
    const std::string badSlope = WithText(good, "bad_slope.xls", "横断ｼｰﾄ", "C7", "2%勾配");
    const std::string badPoint = WithText(good, "bad_point.xls", "座標値ｼｰﾄ", "G5", "X=12");
    xl::ClearCallLog();

    Open(good);
    ASSERT_TRUE(forms::script::Messages().empty()) << LastMessage();
    // Tables that the failing documents would empty or replace.
    yokodata(1, 1) = 2.5f;
    zahyousuu = 1;
    zahyoudata(1, 1) = 3;
    const auto table = tatedata;
    const auto slopes = yokodata;
    const auto points = zahyoudata;
    const auto ips = ipx;
    const auto book = xlbook;
    const bool deleteEnabled = Main().g1(1).Enabled();
    const std::string planned = Cell(4, 4);

    const std::pair<std::string, std::string> cases[] = {{PathOf("missing.xls"), ""},
                                                         {garbage, ""},
                                                         {partial, ""},
                                                         {badSlope, "横断ｼｰﾄ のセル C7 が数値ではありません。"},
                                                         {badPoint, "座標値ｼｰﾄ のセル G5 が数値ではありません。"}};
    for (const auto& [path, reason] : cases) {
        forms::script::Reset();
        Open(path);
        ASSERT_EQ(forms::script::Messages().size(), 1u) << path;
        EXPECT_NE(LastMessage().find(path), std::string::npos) << LastMessage();
        EXPECT_NE(LastMessage().find(reason), std::string::npos) << LastMessage();
        EXPECT_EQ(sokutensuu, 7) << path;
        EXPECT_EQ(std::memcmp(&tatedata, &table, sizeof table), 0) << path;
        EXPECT_EQ(std::memcmp(&yokodata, &slopes, sizeof slopes), 0) << path;
        EXPECT_EQ(std::memcmp(&zahyoudata, &points, sizeof points), 0) << path;
        EXPECT_EQ(zahyousuu, 1) << path;
        EXPECT_EQ(std::memcmp(&ipx, &ips, sizeof ips), 0) << path;
        EXPECT_EQ(ipsuu, 0) << path;
        EXPECT_EQ(xlbook, book);
        EXPECT_EQ(xlbook->FullName(), std::filesystem::absolute(good).lexically_normal().string());
        EXPECT_EQ(fairumei, good);
        EXPECT_EQ(hirakuflg, 1);
        EXPECT_EQ(bukkujoutai, 2);
        EXPECT_EQ(xlshuuryouflg, -1);
        EXPECT_EQ(Main().g1(1).Enabled(), deleteEnabled);
        EXPECT_EQ(Cell(4, 4), planned);
        EXPECT_FALSE(forms::Get<待表示>().Visible());
    }
    // The workbooks bound by the failing Opens were let go again: opening one anew reads the
    // file, not a leftover.
    for (const char* name : {"partial.xls", "bad_slope.xls", "bad_point.xls"})
        EXPECT_EQ(Logged("Close(" + std::string(name) + ")"), 1) << name;
}

TEST_F(LifecycleTest, FailedOpenFromNoDocumentOrANewOneLeavesStateAndMenus) {
    // Its profile sheet reads (which enables the profile commands), the next sheet is missing.
    const std::string partial = PathOf("partial.xls");
    {
        auto book = xl::CreateObject("Excel.sheet");
        book->Worksheets(1)->SetName("縦断ｼｰﾄ");
        book->Worksheets(1)->Cells(5, 1)->SetValue(5.0f);
        book->SaveAs(partial);
        book->Close();
    }
    for (bool afterNew : {false, true}) {
        Restart();
        if (afterNew) shinki();
        const auto book = xlbook;
        const int state = bukkujoutai, opening = hirakuflg;
        const auto enabled = [] {
            std::string states;
            for (forms::Menu* item :
                 {&Main().E, &Main().g1(0), &Main().g1(1), &Main().E1(0), &Main().E1(1), &Main().f1(3)})
                states += item->Enabled() ? '1' : '0';
            for (int b = 1; b <= Main().Toolbar1.ButtonCount(); ++b)
                states += Main().Toolbar1.Buttons(b).Enabled() ? '1' : '0';
            return states;
        };
        const std::string before = enabled();

        Open(partial);
        EXPECT_EQ(forms::script::Messages().size(), 1u) << LastMessage();
        EXPECT_EQ(enabled(), before) << afterNew;
        EXPECT_EQ(xlbook, book) << afterNew;
        EXPECT_EQ(bukkujoutai, state) << afterNew;
        EXPECT_EQ(hirakuflg, opening) << afterNew;
        EXPECT_EQ(xlshuuryouflg, 0) << afterNew;
        EXPECT_EQ(Logged("Close(partial.xls)"), 1) << afterNew;
    }
}

TEST_F(LifecycleTest, OpenLetsGoOfAnEarlierOpenedWorkbookButNotOfANewOne) {
    const std::string a = SavedDocument("a.xls", kCrest);
    const std::string b = SavedDocument("b.xls", {{0, 10, 10}, {100, 11, 12}});

    shinki();
    const auto made = xlbook;
    Open(a);
    EXPECT_EQ(made->Name(), "Book1"); // still there
    const auto opened = xlbook;
    Open(b);
    EXPECT_EQ(sokutensuu, 2);
    EXPECT_EQ(Logged("Quit"), 0);
    try {
        opened->Name();
        ADD_FAILURE() << "the earlier workbook is still open";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errNoObject);
    }
    EXPECT_EQ(xlbook->Name(), "b.xls");
}

TEST_F(LifecycleTest, ReloadReadsTheProfileSheetAgain) {
    Open(SavedDocument("a.xls", kCrest));
    xlbook->Worksheets("縦断ｼｰﾄ")->Cells(6, 2)->SetValue(47.0f); // ground at station 70
    yomikomi();
    EXPECT_EQ(tatedata(2, 2), 47.0f);
    EXPECT_EQ(Cell(2, 6), "2.4"); // fill recomputed
    EXPECT_FALSE(forms::IsLoaded<待表示>());

    // A sheet without stations gives the empty rows of a new document.
    xlbook->Worksheets("縦断ｼｰﾄ")->Range("A5:D11")->ClearContents();
    yomikomi();
    EXPECT_EQ(sokutensuu, 100);
    EXPECT_EQ(tatedata(1, 1), E);
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.Rows(), 101);

    // The user renamed the sheet in the spreadsheet: told so, the profile stays.
    xlsheets->Item("縦断ｼｰﾄ")->SetName("縦断");
    tatedata(1, 1) = 5;
    yomikomi();
    EXPECT_EQ(LastMessage().rfind("縦断ｼｰﾄを読み込めませんでした。\n", 0), 0u) << LastMessage();
    EXPECT_EQ(tatedata(1, 1), 5.0f);
    EXPECT_EQ(sokutensuu, 100);
    EXPECT_FALSE(forms::IsLoaded<待表示>());
}

} // namespace
} // namespace lifecycle_test
