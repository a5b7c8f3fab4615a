#include "grid_fixture.h"

#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/kazoetate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"

namespace grid_test {
namespace {

using namespace 縦断bus;

TEST_F(GridTest, ClickOpensTheEditorOnTheFirstEmptyEnteredCell) {
    Load({{10, 12}, {}, {20, 12.5f, 13, 40}});
    tatedata(3, 5) = 12.9f;
    tatedata(3, 6) = 0.4f;
    hyoujitate();
    struct Case {
        int row, col;  // clicked
        int editorCol; // where the editor opens; -1: no editor
    } cases[] = {
        {1, 1, 1},  // a filled cell opens on itself
        {2, 1, 0},  // right of an empty station: on the station
        {1, 6, 2},  // a computed column, with an entered cell empty to its left
        {3, 6, -1}, // a computed column of a complete row: read-only
        {3, 4, -1},
    };
    for (const Case& c : cases) {
        Click(c.row, c.col);
        if (c.editorCol < 0) {
            EXPECT_FALSE(Screen().Text1.Visible()) << c.row << "," << c.col;
            continue;
        }
        EXPECT_TRUE(Screen().Text1.Visible());
        EXPECT_EQ(henshuugyou, c.row);
        EXPECT_EQ(henshuuretsu, c.editorCol) << c.row << "," << c.col;
        const forms::FlexGrid& grid = Screen().グリッド;
        EXPECT_EQ(grid.Col(), c.editorCol);
        EXPECT_EQ(Screen().Text1.Left(), grid.Left() + grid.CellLeft());
        EXPECT_EQ(Screen().Text1.Top(), grid.Top() + grid.CellTop());
        EXPECT_EQ(Screen().Text1.Width(), grid.CellWidth());
        EXPECT_EQ(Screen().Text1.Text(), Cell(c.row, c.editorCol));
    }
}

TEST_F(GridTest, StoreTakesTheLeadingNumberAndBlankAsEmpty) {
    Load({{10, 12}, {20, 13}});
    hyoujitate();
    struct Case {
        const char* typed;
        float stored;
    } cases[] = {{"12.5abc", 12.5f}, {"abc", 0}, {"-3", -3}, {"", E}, {"  ", E}, {"B.C 99 (5)", 0}};
    for (const Case& c : cases) {
        Type(1, 1, c.typed);
        EXPECT_EQ(tatedata(1, 2), c.stored) << c.typed;
    }
}

TEST_F(GridTest, ANumberBeyondSinglePrecisionIsRefusedAndTheCellKeepsItsValue) {
    Load({{10, 12}, {20, 13}});
    hyoujitate();
    for (const char* typed : {"1e39", "-1e400"}) {
        forms::script::Reset();
        Type(1, 1, typed);
        EXPECT_EQ(tatedata(1, 2), 12.0f) << typed;
        EXPECT_EQ(Seen(1, 1), "12");
        ASSERT_EQ(forms::script::Messages().size(), 1u);
        EXPECT_NE(forms::script::Messages()[0].prompt.find(typed), std::string::npos);
    }
    Type(1, 1, "3e38"); // still a single
    EXPECT_EQ(tatedata(1, 2), 3e38f);
}

TEST_F(GridTest, ANumberWhoseProfileOverflowsSinglePrecisionIsRefused) {
    Load({{0, 10, 10}, {50, 11}, {100, 12, 300}});
    hyoujitate();
    Type(2, 0, "60"); // computes the profile on a grade of 290 %
    ASSERT_EQ(Cell(2, 4), "184");
    Type(2, 0, "3e38"); // fits a single, but its planned height does not
    EXPECT_EQ(tatedata(2, 1), 60.0f);
    EXPECT_EQ(tatedata(2, 5), 184.0f);
    EXPECT_EQ(Seen(2, 0), "60");
    EXPECT_EQ(forms::script::Messages().back().prompt, "「3e38」は大きすぎるため入力できません。");
}

TEST_F(GridTest, AMarkLeftAsItStandsStoresTheExactChainage) {
    Load({{40.004f, 12}, {90, 13}});
    ipsuu = 1;
    bcsokuten(1) = 40004;
    ecsokuten(1) = 80000;
    ipkeisanflg = 1;
    hyoujitate();
    ASSERT_EQ(Cell(1, 0), "B.C 1 (40.004)");
    Type(1, 0, Cell(1, 0));
    EXPECT_EQ(tatedata(1, 1), 40.004f);
    Type(1, 0, "41");
    EXPECT_EQ(tatedata(1, 1), 41.0f);
}

TEST_F(GridTest, RefusedCurveShowsTheWarningAndOkReturnsToTheCell) {
    Load({{0, 47, 48}, {70, 48}, {100, 49.5f, 50}, {200, 47.5f, 49}});
    hyoujitate();
    Type(2, 1, "48"); // computes the profile
    const std::string planned = Cell(2, 4);
    ASSERT_EQ(planned, "49.4");

    Type(1, 3, "60"); // a curve on the first station
    警告表示画面& warning = forms::Get<警告表示画面>();
    EXPECT_EQ(keikokuflg, 1);
    EXPECT_TRUE(warning.Visible());
    EXPECT_EQ(warning.Label1(0).Caption(), "手前の勾配が定まらない為");
    EXPECT_EQ(tatedata(1, 4), 60.0f); // the typed value stays
    EXPECT_EQ(Cell(1, 3), "60");

    Click(3, 1); // elsewhere meanwhile
    warning.Command1.OnClick();
    EXPECT_FALSE(warning.Visible());
    EXPECT_TRUE(Screen().Text1.Visible());
    EXPECT_EQ(Screen().グリッド.Row(), 1);
    EXPECT_EQ(Screen().グリッド.Col(), 3);
    EXPECT_EQ(henshuugyou, 1);
    EXPECT_EQ(henshuuretsu, 3);
    EXPECT_EQ(Screen().Text1.Text(), "60");
    EXPECT_EQ(keikokuflg, 1);

    // An edit left open in another cell when OK is pressed is stored in its own cell; the
    // editor still goes back to the refused cell, and OK does close the warning.
    Click(3, 1);
    Screen().Text1.SetFocus();
    Screen().Text1.SetText("13");
    warning.Command1.OnClick();
    EXPECT_EQ(tatedata(3, 2), 13.0f);
    EXPECT_EQ(Cell(3, 1), "13");
    EXPECT_EQ(tatedata(1, 4), 60.0f);
    EXPECT_FALSE(warning.Visible());
    EXPECT_EQ(henshuugyou, 1);
    EXPECT_EQ(henshuuretsu, 3);
    warning.Command1.OnClick(); // again, with the editor holding the focus
    EXPECT_FALSE(warning.Visible());

    // A cell emptied while the warning stands: OK returns to it empty, as the grid shows it.
    Type(3, 1, "");
    ASSERT_EQ(keikokuflg, 1);
    warning.Command1.OnClick();
    EXPECT_EQ(henshuugyou, 3);
    EXPECT_EQ(henshuuretsu, 1);
    EXPECT_EQ(Screen().Text1.Text(), "");
    EXPECT_EQ(Cell(3, 1), "");
    EXPECT_EQ(tatedata(3, 2), E);

    Type(1, 3, ""); // removing the curve recomputes again
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_FALSE(warning.Visible());
}

TEST_F(GridTest, ACellTypedBelowARecountedEndLandsInItsOwnRow) {
    Load({{0, 10, 10}, {50, 11}, {100, 12, 12}}, 5);
    hyoujitate();
    kazoetate();
    ASSERT_EQ(sokutensuu, 3);
    Type(6, 0, "150");
    EXPECT_EQ(tatedata(6, 1), 150.0f);
    EXPECT_EQ(tatedata(3, 1), 100.0f);
    EXPECT_EQ(sokutensuu, 6);
    EXPECT_EQ(Cell(6, 0), "150");
}

TEST_F(GridTest, OkOnTheWarningAfterARecountTookTheStoredRowOffTheGrid) {
    Load({{0, 47, 48}, {70, 48}, {100, 49.5f, 50}, {200, 47.5f, 49}}, 2);
    hyoujitate();
    Type(1, 3, "60"); // refused: the warning shows
    Type(6, 0, "");   // stored last: a blank station below the profile
    kazoetate();
    hyoujitate(); // the recount ends the grid at row 4
    警告表示画面& warning = forms::Get<警告表示画面>();
    warning.Command1.OnClick();
    EXPECT_FALSE(warning.Visible());
    EXPECT_FALSE(Screen().Text1.Visible());
    EXPECT_EQ(sokutensuu, 4);
}

TEST_F(GridTest, AnEditorLeftOverARowTheGridNoLongerShowsStoresNothing) {
    Load({{0, 10, 10}, {50, 11}}, 3);
    hyoujitate();
    Click(5, 0);
    kazoetate();
    hyoujitate(); // the recount leaves rows 1 and 2 on the grid
    Screen().Text1.SetFocus();
    Screen().Text1.SetText("150");
    Screen().グリッド.SetFocus();
    EXPECT_FALSE(Screen().Text1.Visible());
    EXPECT_EQ(sokutensuu, 2);
    EXPECT_EQ(tatedata(5, 1), E);
    EXPECT_EQ(Cell(2, 0), "50"); // the typing went to the grid's current cell
}

// A stopped computation empties the computed columns; the edit check still knows a change
// point from the reference line, so the user can correct the curve or its row.
TEST_F(GridTest, AfterAStoppedComputationTheCurveRowCanBeCorrected) {
    警告表示画面& warning = forms::Get<警告表示画面>();
    // Too long: grades +2 % and -1 %, change points at 0, 100 and 200.
    Load({{0, 47, 48}, {70, 48}, {100, 49.5f, 50}, {150, 49}, {200, 47.5f, 49}});
    hyoujitate();
    Type(3, 3, "250");
    ASSERT_EQ(keikokuflg, 1);
    EXPECT_EQ(warning.Label1(0).Caption(), " 測点 100における縦断曲線が長すぎて");
    EXPECT_EQ(tatedata(4, 5), E); // no stale heights
    EXPECT_EQ(Cell(4, 4), "");
    warning.Command1.OnClick();
    Type(3, 3, "60");
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_FALSE(warning.Visible());
    EXPECT_EQ(tatedata(3, 4), 60.0f);
    EXPECT_EQ(Cell(4, 4), "49.5"); // 150 on the falling tangent: 50 - 0.01 x 50

    // Overlap: grades +2 %, -2 %, +1 %; curves at 100 (70 .. 130) and 150 (120 .. 180).
    Load({{0, 47, 48}, {100, 49, 50, 60}, {150, 48, 49}, {250, 49, 50}});
    hyoujitate();
    Type(3, 3, "60");
    ASSERT_EQ(keikokuflg, 1);
    EXPECT_EQ(warning.Label1(0).Caption(), "区間内で縦断曲線どうしが交差してしまいます。");
    warning.Command1.OnClick();
    Type(3, 1, "48.5"); // the ground of that row is taken; the overlap is still reported
    EXPECT_EQ(tatedata(3, 2), 48.5f);
    EXPECT_EQ(warning.Label1(0).Caption(), "区間内で縦断曲線どうしが交差してしまいます。");
    warning.Command1.OnClick();
    Type(3, 3, "40"); // 130 .. 170: the curves touch
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_EQ(Cell(4, 4), "50");
}

// After a warning, with it up or after its OK, a click puts the editor on the cell with the
// keyboard focus: what is typed next goes there.
TEST_F(GridTest, TheEditorTakesTheFocusWhereverItIsPlaced) {
    Load({{0, 47, 48}, {70, 48}, {100, 49.5f, 50}, {200, 47.5f, 49}});
    hyoujitate();
    Type(1, 3, "60"); // refused: the warning shows
    forms::Get<警告表示画面>().Command1.SetFocus();
    Click(2, 1);
    EXPECT_TRUE(Screen().Text1.HasFocus());
    forms::Get<警告表示画面>().Command1.OnClick();
    EXPECT_TRUE(Screen().Text1.HasFocus());
    Click(3, 1);
    EXPECT_TRUE(Screen().Text1.HasFocus());
    Screen().Text1.SetText("49");
    Screen().グリッド.SetFocus();
    EXPECT_EQ(tatedata(3, 2), 49.0f);
}

// A refill from elsewhere (a new station list, say) leaves no old text in the editor.
TEST_F(GridTest, RefillingTheGridReplacesOrEndsTheEditor) {
    Load({{0, 10, 10}, {30, 11}, {100, 12, 12}});
    hyoujitate();
    Click(2, 0);
    ASSERT_EQ(Screen().Text1.Text(), "30");
    tatedata(2, 1) = 40;
    hyoujitate();
    EXPECT_TRUE(Screen().Text1.Visible());
    EXPECT_EQ(Screen().Text1.Text(), "40");
    EXPECT_EQ(Seen(2, 0), "40");

    sokutensuu = 1; // the editor's row has gone
    hyoujitate();
    EXPECT_FALSE(Screen().Text1.Visible());
    EXPECT_EQ(tatedata(2, 1), 40.0f);

    sokutensuu = 3; // an editor that lost the focus is put away
    hyoujitate();
    Click(3, 1);
    forms::Get<警告表示画面>().Command1.SetFocus();
    tatedata(3, 2) = 15;
    hyoujitate();
    EXPECT_FALSE(Screen().Text1.Visible());
    EXPECT_EQ(Cell(3, 1), "15");
}

} // namespace
} // namespace grid_test
