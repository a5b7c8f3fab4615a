#include "vantor/geometry/profile/keikoku.h"

#include "platform/forms/script.h"
#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/profile/keisankeikakusen.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/profile_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace 縦断bus;
using namespace profile_test;

namespace {

using Lines = std::vector<std::string>;

// The eight lines as the screen shows them; lines not given are one blank.
Lines Expected(Lines given) {
    given.resize(8, " ");
    return given;
}

Lines Shown() {
    Lines shown;
    for (int index = 0; index <= 7; ++index) shown.push_back(forms::Get<警告表示画面>().Label1(index).Caption());
    return shown;
}

class CurveChecks : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        keikokuflg = 0;
    }
    void TearDown() override { test_support::ResetProgram(); }

    // Runs the computation with columns 5 to 7 and the counts marked, to see what it wrote;
    // a run that stops must say so and leave no row with a planned height, difference or
    // gradient of earlier input.
    void ComputeStopping() {
        for (int r = 1; r <= sokutensuu; ++r)
            for (int c = 5; c <= 7; ++c) tatedata(r, c) = -1;
        henkatensuu = kyokusensuu = kakuteihenkatensuu = -1;
        EXPECT_EQ(keisantate(), ProfileOutcome::Stopped);
        EXPECT_EQ(keikokuflg, 1);
        for (int r = 1; r <= sokutensuu; ++r)
            for (int c = 5; c <= 7; ++c) EXPECT_EQ(tatedata(r, c), E) << r << ", " << c;
    }
};

TEST_F(CurveChecks, TouchingCurvesAreAccepted) {
    LoadProfile({{0, 0, 48}, {100, 0, 50, 60}, {160, 0, 49, 60}, {260, 0, 51}});
    keisantate();
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_EQ(kyokusensuu, 2);
    EXPECT_EQ(vce(1), vcb(2));
    EXPECT_NEAR(tatedata(3, 5), 49 + (0.02 + 1.0 / 60) * 60 / 8, 0.005); // computed, rounded
}

TEST_F(CurveChecks, OverlapStopsAfterTheLists) {
    LoadProfile({{0, 0, 48}, {100, 0, 50, 60}, {140, 0, 49, 40}, {260, 0, 51}});
    ComputeStopping();
    // clang-format off
    EXPECT_EQ(Shown(), Expected({"区間内で縦断曲線どうしが交差してしまいます。",
                                 "測点 100の曲線長　Ｌv＝ 60 か",
                                 "測点 140の曲線長　Ｌv＝ 40 の",
                                 "見直しをして下さい。"}));
    // clang-format on
    EXPECT_EQ(henkatensuu, 3);
    EXPECT_EQ(kyokusensuu, 2);
    EXPECT_EQ(kakuteihenkatensuu, -1); // still the count of the last complete listing
}

TEST_F(CurveChecks, TooLongCurveNamesTheEndsThatBreakTheirLimits) {
    struct Case {
        std::initializer_list<Row> rows;
        int vcbFlag, vceFlag;
        Lines lines;
    };
    // clang-format off
    const Lines head = {" 測点 100における縦断曲線が長すぎて",
                        " 決められた区間内では、縦断曲線がおさまりません｡ ",
                        " 測点 100における曲線線の見直をして下さい。",
                        " 【具体的な内容は下記のとおりです】"};
    // clang-format on
    auto with = [&head](Lines tail) {
        Lines all = head;
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    // Run in this order, each after a longer text: every check clears all eight lines first.
    const Case cases[] = {
        // clang-format off
        {{{0, 0, 48}, {100, 0, 50, 220}, {150, 0, 49}}, 1, 1,
         with({" 　　曲線開始地点ＶCB=-10は", " 　　勾配変化地点  XB= 0より大きくなければいけません。",
               " 　　曲線終了地点ＶCE= 210は", " 　　勾配変化地点  XB= 150より小さくなければいけません。"})},
        {{{0, 0, 48}, {100, 0, 50, 200}, {300, 0, 49}}, 1, 0,
         with({" 　　曲線開始地点ＶCB= 0は", " 　　勾配変化地点  XB= 0より大きくなければいけません。"})},
        {{{0, 0, 48}, {100, 0, 50, 100}, {150, 0, 49}}, 0, 1,
         with({" ", " ", " 　　曲線終了地点ＶCE= 150は",
               " 　　勾配変化地点  XB= 150より小さくなければいけません。"})},
        {{{-100, 0, 48}, {-20, 0, 50, 60}, {0, 0, 49}}, 0, 1,
         {" 測点-20における縦断曲線が長すぎて", head[1], " 測点-20における曲線線の見直をして下さい。", head[3],
          " ", " ", " 　　曲線終了地点ＶCE= 10は", " 　　勾配変化地点  XB= 0より小さくなければいけません。"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        LoadProfile(c.rows);
        ComputeStopping();
        EXPECT_EQ(vcbflg, c.vcbFlag);
        EXPECT_EQ(vceflg, c.vceFlag);
        EXPECT_EQ(Shown(), Expected(c.lines));
        // The lists are complete; nothing after them is recomputed.
        EXPECT_EQ(kakuteihenkatensuu, 3);
    }
}

TEST_F(CurveChecks, EditCheckRefusesCurvesWithoutAGradientChange) {
    struct Case {
        int row;
        float curve;
        Lines lines; // empty: accepted
    };
    const Case cases[] = {
        {1, 30, {"手前の勾配が定まらない為", "曲線の設置は出来ません。"}},
        {7, 30, {"後ろの勾配が定まらない為", "曲線の設置は出来ません。"}},
        {2, 10, {"勾配の変化点ではありません。", "よって曲線の設置は出来ません。"}},
        {4, 60, {}}, // the change point of the crest
        {1, 0, {}},  // a length of 0 removes the curve
    };
    for (const Case& c : cases) {
        LoadCrest();
        tatedata(4, 4) = E;
        keisantate();
        tatedata(c.row, 4) = c.curve;
        henshuugyou = c.row;
        keikokuflg = 1;
        kakuninkyokusen();
        EXPECT_EQ(keikokuflg, c.lines.empty() ? 0 : 1) << c.row;
        EXPECT_EQ(Shown(), Expected(c.lines)) << c.row;
    }
}

TEST_F(CurveChecks, EditCheckOnTheLastTableRowReadsNoFurther) {
    LoadCrest();
    sokutensuu = 499;
    tatedata(500, 4) = 30;
    henshuugyou = 500;
    EXPECT_NO_THROW(kakuninkyokusen());
    EXPECT_EQ(keikokuflg, 0);
}

// Input the tables cannot take is refused before the lists are written.
TEST_F(CurveChecks, RefusedInputLeavesTheLists) {
    struct Case {
        const char* what;
        void (*load)();
        Lines firstLines;
    };
    const Case cases[] = {
        // clang-format off
        {"duplicate station", [] { LoadProfile({{0, 0, 48}, {100, 0, 50}, {100, 0, 51}, {200, 0, 49}}); },
         {"勾配変化点の測点が重複しているか、順番に並んでいません。", "測点 100と測点 100の",
          "基準計画高の見直しをして下さい。"}},
        {"stations going back", [] { LoadProfile({{0, 0, 48}, {100, 0, 50}, {90, 0, 51}}); },
         {"勾配変化点の測点が重複しているか、順番に並んでいません。", "測点 100と測点 90の",
          "基準計画高の見直しをして下さい。"}},
        {"curve on the first change point", [] { LoadProfile({{-10, 0}, {0, 0, 48, 20}, {100, 0, 50}, {200, 0, 49}}); },
         {"手前の勾配が定まらない為", "曲線の設置は出来ません。", "測点 0の曲線長の見直しをして下さい。"}},
        {"curve on the last change point", [] { LoadProfile({{0, 0, 48}, {100, 0, 50}, {200, 0, 49, 20}, {210, 0}}); },
         {"後ろの勾配が定まらない為", "曲線の設置は出来ません。", "測点 200の曲線長の見直しをして下さい。"}},
        {"negative curve length", [] { LoadProfile({{0, 0, 48}, {100, 0, 50, -60}, {200, 0, 49}}); },
         {"曲線長に負の値は入力できません。", "測点 100の曲線長　Ｌv＝-60 の", "見直しをして下さい。"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.load();
        ComputeStopping();
        EXPECT_EQ(Shown(), Expected(c.firstLines));
        EXPECT_EQ(henkatensuu, -1);
    }
}

// Change points every 10 m, zigzagging so that every gradient changes, with a 4 m curve on
// change points 2 .. curves + 1.
void LoadZigzag(int points, int curves) {
    LoadProfile({});
    for (int m = 1; m <= points; ++m) {
        tatedata(m, 1) = static_cast<float>(10 * m);
        tatedata(m, 2) = 0;
        tatedata(m, 3) = static_cast<float>(m % 2);
        if (m >= 2 && m <= curves + 1) tatedata(m, 4) = 4;
    }
    sokutensuu = points;
}

TEST_F(CurveChecks, TableLimitsOfChangePointsAndCurves) {
    LoadZigzag(101, 50);
    EXPECT_EQ(keisantate(), ProfileOutcome::Computed);
    EXPECT_EQ(keikokuflg, 0);
    EXPECT_EQ(henkatensuu, 101);
    EXPECT_EQ(kyokusensuu, 50);

    LoadZigzag(102, 0);
    ComputeStopping();
    EXPECT_EQ(Shown(), Expected({"勾配変化点が多すぎます。", "勾配変化点は 101点までです。",
                                 "基準計画高の見直しをして下さい。"}));
    EXPECT_EQ(henkatensuu, -1);

    LoadZigzag(101, 51);
    ComputeStopping();
    EXPECT_EQ(Shown(),
              Expected({"縦断曲線が多すぎます。", "縦断曲線は 50箇所までです。", "曲線長の見直しをして下さい。"}));
    EXPECT_EQ(henkatensuu, -1);
}

TEST_F(CurveChecks, PlannedLineLongerThanTheSamplesIsRefused) {
    LoadProfile({{0, 0, 0}, {2000.5f, 0, 20}});
    keisantate();
    keikakusensuu = 7;
    EXPECT_FALSE(keisankeikakusen());
    EXPECT_EQ(keikokuflg, 1);
    EXPECT_EQ(keikakusensuu, 7.0f);
    EXPECT_EQ(Shown(), Expected({"計画線が長すぎます。", "最初の測点から最後の測点までは 2000mまでです。",
                                 "測点の見直しをして下さい。"}));
}

TEST_F(CurveChecks, WarningScreen) {
    auto& screen = forms::Get<警告表示画面>();
    EXPECT_EQ(screen.Caption(), "警告");
    EXPECT_EQ(screen.Left(), 0);
    EXPECT_EQ(screen.Top(), 0);
    EXPECT_FALSE(screen.Visible());
    EXPECT_EQ(screen.Label1(0).FontName(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(screen.Command1.Caption(), "OK");
    EXPECT_FALSE(screen.Image1.Picture().Empty());

    int returns = 0;
    screen.ReturnToEditor = [&returns] { ++returns; };
    screen.Show();
    screen.Command1.OnClick();
    EXPECT_FALSE(screen.Visible());
    EXPECT_EQ(returns, 1);
}

} // namespace
