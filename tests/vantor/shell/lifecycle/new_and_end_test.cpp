#include "lifecycle_fixture.h"
#include "vantor/geometry/rows/gyousounyuu.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheets/profile_sheet.h"

#include <functional>
#include <vector>

namespace lifecycle_test {
namespace {

using namespace 縦断bus;

TEST_F(LifecycleTest, WaitScreenLoadsWithItsCaptionAndPlace) {
    待表示& wait = forms::Get<待表示>();
    EXPECT_EQ(wait.Caption(), "しばらくお待ちください。．．．");
    EXPECT_EQ(wait.休み.Caption(), "あわてないでね");
    EXPECT_TRUE(wait.休み.Visible());
    EXPECT_FALSE(wait.継続ボタン.Visible());
    EXPECT_FALSE(wait.終了ボタン.Visible());
    EXPECT_EQ(wait.継続ボタン.Caption(), "継続");
    EXPECT_EQ(wait.終了ボタン.Caption(), "終了");
    EXPECT_EQ(wait.Left(), 3500);
    EXPECT_EQ(wait.Top(), 2000);
    EXPECT_EQ(wait.Width(), 2200);
    EXPECT_EQ(wait.Height(), 1800);
}

TEST_F(LifecycleTest, NewMakesSevenSheetsAndAHundredEmptyStations) {
    shinki();
    ASSERT_TRUE(HasDocument());
    const char* tabs[] = {"切盛ﾗｲﾝ入力ｼｰﾄ", "現況横断ｼｰﾄ", "縦断ｼｰﾄ",  "横断ｼｰﾄ",
                          "ＩＰ座標入力",   "路肩ｼｰﾄ",     "座標値ｼｰﾄ"};
    ASSERT_EQ(xlsheets->Count(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(xlsheets->Item(i + 1)->Name(), tabs[i]);
    EXPECT_EQ(xlbook->Worksheets("縦断ｼｰﾄ")->Cells(2, 2)->Value().Text(), "縦 断 曲 線 計 算 調 書");
    EXPECT_EQ(bukkujoutai, 1);
    EXPECT_EQ(hirakuflg, 0);
    EXPECT_EQ(sokutensuu, 100);
    EXPECT_EQ(tatedata(100, 8), E);
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.Rows(), 101);
    for (int c = 0; c < 8; ++c) EXPECT_EQ(Cell(100, c), "");
    EXPECT_TRUE(forms::Get<入出力画面>().Visible());
    待表示& wait = forms::Get<待表示>();
    EXPECT_FALSE(wait.Visible());
    EXPECT_EQ(wait.Caption(), "お待たせしました・・");
    EXPECT_FALSE(wait.休み.Visible());
    EXPECT_FALSE(wait.寝る.Visible());

    EXPECT_TRUE(Main().E.Enabled());
    EXPECT_FALSE(Main().E1(0).Enabled());
    EXPECT_FALSE(Main().E1(1).Enabled());
    EXPECT_FALSE(Main().f1(3).Enabled());
    for (const char* key : {"保存", "行挿入", "行削除", "縦断図", "関数式", "読込", "転送", "ｴｸｾﾙ画面入力"})
        EXPECT_TRUE(ButtonEnabled(key)) << key;
    EXPECT_FALSE(ButtonEnabled("表示"));

    // New again: the same workbook, formatted again, the profile emptied.
    tatedata(1, 1) = 5;
    shinki();
    EXPECT_EQ(Logged("CreateObject(Excel.sheet)"), 1);
    EXPECT_EQ(xlsheets->Count(), 7);
    EXPECT_EQ(tatedata(1, 1), E);
}

TEST_F(LifecycleTest, EndQuitsTheSpreadsheetOnlyForAnOpenedWorkbook) {
    shinki();
    shuuryou();
    EXPECT_EQ(forms::script::EndCount(), 1);
    EXPECT_EQ(Logged("Quit"), 0);

    Open(SavedDocument("a.xls", kCrest));
    shuuryou();
    EXPECT_EQ(forms::script::EndCount(), 1);
    EXPECT_EQ(Logged("Quit"), 1);
    EXPECT_FALSE(HasDocument());
}

TEST_F(LifecycleTest, ContinueLetsGoOfTheOpenedWorkbookAndNewMakesAnother) {
    Open(SavedDocument("a.xls", kCrest));
    forms::script::QueueFileName(PathOf("b.xls"));
    hozon();
    待表示& wait = forms::Get<待表示>();
    wait.継続ボタン_Click();
    EXPECT_EQ(Logged("Quit"), 1);
    EXPECT_FALSE(HasDocument());
    EXPECT_EQ(xlshuuryouflg, 0);
    EXPECT_EQ(bukkujoutai, 0);
    EXPECT_FALSE(wait.Visible());
    EXPECT_FALSE(wait.継続ボタン.Visible());
    EXPECT_FALSE(wait.終了ボタン.Visible());

    shinki();
    EXPECT_TRUE(HasDocument());
    EXPECT_EQ(bukkujoutai, 1);
    EXPECT_EQ(Logged("CreateObject(Excel.sheet)"), 1);
    EXPECT_EQ(ipsuu, -2); // the new workbook gets nothing of the released document

    shuuryou();
    EXPECT_EQ(Logged("Quit"), 1);
    EXPECT_EQ(forms::script::EndCount(), 1);
}

// The CAD in the program's process is asked at the end: when it stays (its drawing's question
// cancelled) the program and its document stay too; when it goes, the program ends.
TEST_F(LifecycleTest, EndStaysWhenTheCadStays) {
    std::vector<bool> answers{false, true};
    int asked = 0;
    CadMayEnd = [&] { return answers[asked++]; };
    Open(SavedDocument("a.xls", kCrest));
    EXPECT_FALSE(shuuryou());
    EXPECT_EQ(forms::script::EndCount(), 0);
    EXPECT_TRUE(HasDocument());
    EXPECT_EQ(Logged("Quit"), 0);
    EXPECT_TRUE(shuuryou());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(forms::script::EndCount(), 1);
    CadMayEnd = nullptr;
}

TEST_F(LifecycleTest, EndWithoutUnsavedChangesDoesNotAsk) {
    const std::string path = SavedDocument("a.xls", kCrest);
    shinki();
    EXPECT_TRUE(shuuryou());
    Open(path);
    EXPECT_TRUE(shuuryou());
    EXPECT_EQ(forms::script::EndCount(), 2);
    EXPECT_TRUE(forms::script::Messages().empty()) << LastMessage();
}

TEST_F(LifecycleTest, EndWithUnsavedChangesAsksAndDoesWhatTheAnswerSays) {
    const std::string original = SavedDocument("a.xls", kCrest);
    const std::string copy = PathOf("b.xls");
    struct Case {
        std::vector<int> answers; // the question's answer, then one for Save's question
        bool saveDialogCancelled;
        bool ends;
        bool savedCopy;
    } cases[] = {
        {{forms::vbCancel}, false, false, false},
        {{forms::vbNo}, false, true, false},
        {{forms::vbYes}, false, true, true},
        {{forms::vbYes}, true, false, false},
    };
    for (const Case& c : cases) {
        Restart();
        std::filesystem::remove(copy);
        Open(original);
        // A change the user transferred: the profile written into the sheet.
        tensoutate();
        for (int answer : c.answers) forms::script::QueueMsgBoxAnswer(answer);
        c.saveDialogCancelled ? forms::script::QueueFileCancel() : forms::script::QueueFileName(copy);
        EXPECT_EQ(shuuryou(), c.ends);
        ASSERT_FALSE(forms::script::Messages().empty());
        const auto& question = forms::script::Messages().front();
        EXPECT_EQ(question.buttons & 7, forms::vbYesNoCancel);
        EXPECT_NE(question.prompt.find(original), std::string::npos) << question.prompt;
        EXPECT_NE(question.prompt.find("保存"), std::string::npos) << question.prompt;
        EXPECT_EQ(forms::script::EndCount(), c.ends ? 1 : 0);
        EXPECT_EQ(std::filesystem::exists(copy), c.savedCopy);
        // A program that keeps running keeps its document.
        if (!c.ends) {
            EXPECT_TRUE(HasDocument());
        }
    }
}

// A value typed into the grid is in the tables only until Save writes it: End, New and Open
// of another file ask first, and cancel keeps it; a row inserted counts as a change too.
TEST_F(LifecycleTest, TypedDataIsAskedAboutBeforeEndNewOrOpenLetsGoOfIt) {
    const std::string other = SavedDocument("other.xls", kCrest);
    const std::string mine = SavedDocument("mine.xls", kCrest);
    struct Case {
        const char* command;
        std::function<void()> run;
        const char* asked; // part of the question
    } cases[] = {
        {"End", [] { shuuryou(); }, "終了する前に保存しますか"},
        {"New", [] { shinki(); }, "新規作成する前に保存しますか"},
        {"Open", [&] { Open(other); }, "別のファイルを開く前に保存しますか"},
    };
    for (const Case& c : cases) {
        for (bool insertRow : {false, true}) {
            Restart();
            Open(mine);
            if (insertRow) {
                forms::Get<入出力画面>().グリッド.SetRow(2);
                gyousounyuu();
            } else {
                Type(2, 1, "123.5");
            }
            const float typed = insertRow ? kEmpty : 123.5f;
            const std::size_t before = forms::script::Messages().size();
            forms::script::QueueMsgBoxAnswer(forms::vbCancel);
            c.run();
            ASSERT_EQ(forms::script::Messages().size(), before + 1) << c.command;
            EXPECT_NE(LastMessage().find(c.asked), std::string::npos) << LastMessage();
            EXPECT_EQ(forms::script::EndCount(), 0) << c.command;
            EXPECT_EQ(tatedata(2, 2), typed) << c.command;
            EXPECT_TRUE(std::filesystem::equivalent(xlbook->FullName(), mine)) << c.command;
        }
    }
    // Saved, nothing is asked any more.
    Restart();
    Open(mine);
    Type(2, 1, "123.5");
    forms::script::QueueFileName(mine);
    hozon();
    const std::size_t before = forms::script::Messages().size();
    Open(other);
    EXPECT_EQ(forms::script::Messages().size(), before) << LastMessage();
}

} // namespace
} // namespace lifecycle_test
