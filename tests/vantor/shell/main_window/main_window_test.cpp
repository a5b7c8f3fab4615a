// The main window's commands, reached as a user reaches them: menu items and toolbar buttons.
#include "tests/vantor/shell/lifecycle/lifecycle_fixture.h"

#include "platform/forms/help_viewer.h"
#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/geometry/graph/グラフ.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/shell/桁数設定画面.h"

#include <filesystem>

namespace lifecycle_test {
namespace {

using MainWindowTest = LifecycleTest;

void Click(const char* key) { forms::Get<親画面>().Toolbar1_ButtonClick(forms::Get<親画面>().Toolbar1.Buttons(key)); }

struct Expected {
    bool insertMenu, deleteMenu, readMenu, sendMenu, saveMenu;
};

void ExpectMenus(const Expected& e) {
    親画面& main = forms::Get<親画面>();
    EXPECT_EQ(main.g1(0).Enabled(), e.insertMenu);
    EXPECT_EQ(main.g1(1).Enabled(), e.deleteMenu);
    EXPECT_EQ(main.E1(0).Enabled(), e.readMenu);
    EXPECT_EQ(main.E1(1).Enabled(), e.sendMenu);
    EXPECT_EQ(main.f1(3).Enabled(), e.saveMenu);
}

TEST_F(MainWindowTest, NewFromTheToolbarEnablesTheDocumentButtonsButNotTheSheetMenuItems) {
    Click("新規");
    EXPECT_TRUE(Main().E.Enabled());
    for (const char* key : {"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送", "ｴｸｾﾙ画面入力"})
        EXPECT_TRUE(ButtonEnabled(key)) << key;
    EXPECT_FALSE(ButtonEnabled("表示"));
    ExpectMenus({false, false, false, false, false});

    // 関数式 enables the menu item 行削除 but not 行挿入.
    Fill(kCrest);
    Click("関数式");
    ExpectMenus({false, true, false, false, false});
    EXPECT_TRUE(forms::Get<方程式画面>().Visible());

    // The spreadsheet shown for input makes 読込 usable.
    Main().入力_Click();
    EXPECT_TRUE(Main().E1(0).Enabled());
    EXPECT_TRUE(縦断bus::xlbook->Application()->Visible());
}

TEST_F(MainWindowTest, OpenFromTheMenuEnablesWhatReadingTheProfileSheetEnables) {
    const std::string path = SavedDocument("menu.xls", kCrest);
    forms::script::QueueFileName(path);
    Main().f1_Click(1);
    ExpectMenus({true, true, true, true, true});
    for (const char* key : {"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送"})
        EXPECT_TRUE(ButtonEnabled(key)) << key;
    EXPECT_FLOAT_EQ(縦断bus::tatedata(4, 5), 49.78f);
}

TEST_F(MainWindowTest, ReadingTheProfileSheetMakesTheRowSendAndSaveMenuItemsUsable) {
    Click("新規");
    ExpectMenus({false, false, false, false, false});
    Click("読込");
    ExpectMenus({true, true, false, true, true});
}

TEST_F(MainWindowTest, SendWritesTheProfileSheetAndMakesShowAndReadUsable) {
    Click("新規");
    Fill(kCrest);
    Click("転送");
    EXPECT_EQ(縦断bus::xlsheets->Item("縦断ｼｰﾄ")->Cells(8, 1)->Value().Text(), "100");
    EXPECT_TRUE(Main().E1(3).Enabled());
    EXPECT_TRUE(ButtonEnabled("表示"));
    EXPECT_TRUE(ButtonEnabled("読込"));
    EXPECT_TRUE(縦断bus::xlbook->Application()->Visible());
}

TEST_F(MainWindowTest, ToolbarShowAfterMenuHideShowsTheWorkbookWindowAgain) {
    Click("新規");
    auto application = 縦断bus::xlbook->Parent();
    Main().E1_Click(4);
    EXPECT_FALSE(application->Windows(1)->Visible());
    EXPECT_FALSE(application->Visible());
    Click("表示");
    EXPECT_TRUE(application->Windows(1)->Visible());
    EXPECT_TRUE(application->Visible());
    EXPECT_TRUE(ButtonEnabled("非表示"));
    Click("非表示");
    EXPECT_FALSE(application->Visible());
}

TEST_F(MainWindowTest, SpreadsheetCommandsWithoutAWorkbookSaySoAndChangeNothing) {
    // A cancelled Open leaves no workbook.
    forms::script::QueueFileCancel();
    Click("開く");
    const std::size_t before = forms::script::Messages().size();
    Main().入力_Click();
    Main().E1_Click(3);
    Click("非表示");
    Click("ｴｸｾﾙ画面入力");
    EXPECT_EQ(forms::script::Messages().size(), before + 4);
    EXPECT_NE(LastMessage().find("ワークブックがありません"), std::string::npos);
    EXPECT_FALSE(縦断bus::HasDocument());
    EXPECT_FALSE(Main().E1(0).Enabled());
}

TEST_F(MainWindowTest, ScreensOpenedFromTheMenus) {
    Main().i1_Click(5);
    EXPECT_TRUE(forms::Get<桁数設定画面>().Visible());
    EXPECT_EQ(forms::Get<桁数設定画面>().桁コンボ.Text(), "2"); // the setting in force
    Click("新規");
    Fill(kCrest);
    Click("縦断図");
    EXPECT_TRUE(forms::Get<グラフ>().Visible());
}

// ヘルプ shows the help document in the program's viewer, found beside the program whatever
// folder it was started from.
TEST_F(MainWindowTest, HelpShowsTheDocumentBesideTheProgram) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path("/");
    const std::size_t messages = forms::script::Messages().size();
    Main().ヘルプ_Click();
    std::filesystem::current_path(before);
    EXPECT_EQ(forms::script::HelpCount(), 1);
    EXPECT_EQ(forms::script::Messages().size(), messages) << LastMessage();
    EXPECT_EQ(forms::HelpViewerTitle(), "Vantor ヘルプ");
    const std::string text = forms::HelpViewerText();
    for (const char* part : {"道路を作る流れ", "メイン画面のボタンとメニュー", "横断図作図データ設定画面",
                             "ＩＰ座標入力", "CAD と点の指示", "このシステムでできないこと"})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    Main().CommonDialog1.SetHelpFile("/nonexistent/ZEDORODADU.html");
    Main().ヘルプ_Click();
    EXPECT_NE(LastMessage().find("ヘルプファイル /nonexistent/ZEDORODADU.html を開けません。"), std::string::npos);
}

} // namespace
} // namespace lifecycle_test
