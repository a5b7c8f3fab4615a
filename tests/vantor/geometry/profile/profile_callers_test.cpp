// Every command that runs the profile computation, over an opened document: with a profile it
// stops on the user is told and no planned height of earlier input is left in the grid or in
// what 転送 writes; with a profile that computes, an old warning does not come back.
#include "tests/vantor/geometry/grid/grid_typing.h"
#include "tests/vantor/shell/lifecycle/lifecycle_fixture.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/shell/桁数設定画面.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace 縦断bus;
using lifecycle_test::kCrest;

// The crest with its curve lengthened to 300 m: it starts before the first change point.
constexpr float kTooLong = 300;
constexpr int kCurveRow = 4;

class ProfileCallers : public lifecycle_test::LifecycleTest {
public:
    using LifecycleTest::Open;
    using LifecycleTest::SavedDocument;
    void OpenCrest() { Open(SavedDocument("crest.xls", kCrest)); }

    static void ClickToolbar(const char* key) { Main().Toolbar1_ButtonClick(Main().Toolbar1.Buttons(key)); }

    static bool WarningShown() { return forms::IsLoaded<警告表示画面>() && forms::Get<警告表示画面>().Visible(); }

    // Planned height, cut, fill and gradient of every row, as the grid shows them and as
    // 転送 writes them (sheet columns E to H from row 5).
    static std::string PlannedTexts() {
        std::string texts;
        tensoutate();
        auto sheet = xlsheets->Item(std::string(kProfileSheet));
        for (int row = 1; row <= sokutensuu; ++row)
            for (int col = 4; col <= 7; ++col) texts += Cell(row, col) + sheet->Cells(row + 4, col + 1)->Value().Text();
        return texts;
    }
};

struct Caller {
    const char* name;
    void (*stopOn)(ProfileCallers&);    // runs the command over the crest with its curve too long
    void (*computeOn)(ProfileCallers&); // runs it over the crest as it is
};

void RunDecimalPlaces() {
    桁数設定画面& screen = forms::Get<桁数設定画面>();
    screen.桁コンボ.SetText("3");
    screen.設定ボタン.OnClick();
}

// The plan command's step that recomputes the profile over the rebuilt station list.
bool RunPlan() { return PrepareStationList({}).profileComputed; }

const Caller kCallers[] = {
    {"Open",
     [](ProfileCallers& t) {
         t.Open(t.SavedDocument(
             "stops.xls",
             {{0, 47, 48}, {70, 48}, {85, 49}, {100, 49.5f, 50, kTooLong}, {130, 49}, {150, 48}, {200, 47.5f, 49}}));
     },
     [](ProfileCallers& t) { t.OpenCrest(); }},
    {"読込",
     [](ProfileCallers&) {
         xlsheets->Item(std::string(kProfileSheet))->Cells(kCurveRow + 4, 4)->SetValue(kTooLong);
         yomikomi();
     },
     [](ProfileCallers&) { yomikomi(); }},
    {"decimal places",
     [](ProfileCallers&) {
         tatedata(kCurveRow, 4) = kTooLong;
         RunDecimalPlaces();
     },
     [](ProfileCallers&) { RunDecimalPlaces(); }},
    {"plan command",
     [](ProfileCallers&) {
         tatedata(kCurveRow, 4) = kTooLong;
         EXPECT_FALSE(RunPlan());
     },
     [](ProfileCallers&) { EXPECT_TRUE(RunPlan()); }},
    {"縦断図",
     [](ProfileCallers&) {
         tatedata(kCurveRow, 4) = kTooLong;
         ProfileCallers::ClickToolbar("縦断図");
     },
     [](ProfileCallers&) { ProfileCallers::ClickToolbar("縦断図"); }},
    {"grid", [](ProfileCallers&) { grid_test::TypeIntoProfileGrid(kCurveRow, 3, "300"); },
     [](ProfileCallers&) { grid_test::TypeIntoProfileGrid(kCurveRow, 3, "60"); }},
};

TEST_F(ProfileCallers, AProfileThatStopsIsShownAndLeavesNoPlannedHeights) {
    for (const Caller& c : kCallers) {
        SCOPED_TRACE(c.name);
        Restart();
        OpenCrest();
        ASSERT_EQ(Cell(1, 4), "48");
        c.stopOn(*this);
        EXPECT_EQ(keikokuflg, 1);
        EXPECT_TRUE(WarningShown());
        EXPECT_EQ(forms::Get<警告表示画面>().Label1(0).Caption(), " 測点 100における縦断曲線が長すぎて");
        EXPECT_EQ(PlannedTexts(), "");
    }
}

TEST_F(ProfileCallers, AnOldWarningDoesNotComeBackOverAProfileThatComputes) {
    for (const Caller& c : kCallers) {
        SCOPED_TRACE(c.name);
        Restart();
        OpenCrest();
        // A curve refused in the grid earlier, its warning closed.
        keikokuflg = 1;
        forms::Get<警告表示画面>().Label1(0).SetCaption("手前の勾配が定まらない為");
        c.computeOn(*this);
        EXPECT_EQ(keikokuflg, 0);
        EXPECT_FALSE(WarningShown());
        EXPECT_EQ(Cell(1, 4), "48");
    }
}

} // namespace

namespace {

// A click in the grid after New gives the editor the focus again: the flag of a refusal in the
// document before does not outlive it.
TEST_F(ProfileCallers, NewStartsWithTheWarningFlagCleared) {
    OpenCrest();
    keikokuflg = 1;
    shinki();
    EXPECT_EQ(keikokuflg, 0);
}

} // namespace
