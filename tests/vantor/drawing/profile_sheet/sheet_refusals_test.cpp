// What the profile sheet refuses before its first send, with a message and nothing drawn;
// and the datum it stands on.
#include "profile_sheet_fixture.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <algorithm>

namespace {

using namespace 縦断bus;

class SheetRefusals : public profile_sheet_test::ProfileSheetTest {
protected:
    void SetUp() override {
        ProfileSheetTest::SetUp();
        SetRows({{0, 10.25f, 10, kEmpty}, {8, 11, 11, 8}, {16, 9.5f, 10, kEmpty}});
    }
    void ExpectRefused(const std::vector<std::string>& sent, const std::string& start) {
        EXPECT_TRUE(sent.empty()) << sent.front();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].rfind(start, 0), 0u) << Messages()[0];
        EXPECT_TRUE(drawing.Entities().empty());
    }
};

TEST_F(SheetRefusals, ScalesMustBePositiveNumbers) {
    for (const auto& [sh, sv] : {std::pair{"", "100"}, {"0", "100"}, {"-200", "100"}, {"200", "abc"}, {"200", "0"}}) {
        ExpectRefused(Press(Screen(sh, sv)), "縮尺（Ｘ軸・Ｙ軸）には0より大きい数値");
        EXPECT_EQ(tatedata(1, 5), 0) << "nothing computed";
    }
}

TEST_F(SheetRefusals, StationRowsTheSheetCannotHold) {
    作図画面& screen = Screen();
    sokutensuu = 101;
    for (int r = 1; r <= 101; ++r) tatedata(r, 1) = static_cast<float>(r);
    ExpectRefused(Press(screen), "測点が101行あります。縦断図は100測点までしか作図できません。");

    SetRows({{0, 10, 10, kEmpty}, {kEmpty, 10, kEmpty, kEmpty}, {16, 10, 10, kEmpty}});
    ExpectRefused(Press(screen), "2行目の測点が未入力です。");

    SetRows({});
    ExpectRefused(Press(screen), "測点がありません。");
}

// Empty rows after the last station (New makes 100) are not drawn.
TEST_F(SheetRefusals, RowsAfterTheLastStationAreLeftOut) {
    sokutensuu = 100;
    for (int r = 4; r <= 100; ++r)
        for (int c = 1; c <= 4; ++c) tatedata(r, c) = kEmpty;
    const auto sent = Press(Screen());
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent[0], "PLINE 0,52.5 40,60 80,45 \r");
    EXPECT_TRUE(Messages().empty());
    ExpectCadIdleAndClean();
}

TEST_F(SheetRefusals, AProfileWithoutPlannedLine) {
    for (int r = 2; r <= 3; ++r) tatedata(r, 3) = kEmpty;
    tatedata(2, 4) = kEmpty;
    ExpectRefused(Press(Screen()), "縦断図を作図するには、基準計画高を２測点以上に入力してください。");
}

// 51 vertical curves: the profile computation stops and says why on the warning screen.
TEST_F(SheetRefusals, MoreVerticalCurvesThanTheSheetHolds) {
    作図画面& screen = Screen();
    sokutensuu = 53;
    for (int r = 1; r <= 53; ++r) {
        tatedata(r, 1) = static_cast<float>(2 * (r - 1));
        tatedata(r, 2) = 10;
        tatedata(r, 3) = r % 2 ? 10.0f : 11.0f;
        tatedata(r, 4) = r == 1 || r == 53 ? kEmpty : 1.0f;
    }
    const auto sent = Press(screen);
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(forms::Get<警告表示画面>().Visible());
    EXPECT_TRUE(drawing.Entities().empty());
}

// The elevation scale and "D.L =" follow the DL box and the planned heights of each drawing,
// not those of the screen's first load.
TEST_F(SheetRefusals, DatumAndScaleTopFollowTheCurrentBoxAndProfile) {
    作図画面& screen = Screen("200", "100", "5");
    auto sent = Press(screen);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "D.L =   5.00\r"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "LINE -11,-0.5 -11,100 \r"), sent.end());

    screen.DL.SetText("0");
    for (int r = 1; r <= 3; ++r) {
        tatedata(r, 2) += 10;
        tatedata(r, 3) += 10;
    }
    sent = Press(screen);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "D.L =   0.00\r"), sent.end());
    // Highest planned 20.75 m: top 25 m, 25 m above the datum.
    EXPECT_NE(std::find(sent.begin(), sent.end(), "LINE -11,-0.5 -11,250 \r"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "     25.00\r"), sent.end());
    ExpectCadIdleAndClean();
}

// A datum so far from the profile that the scale (a tick per metre) would run for kilometres.
TEST_F(SheetRefusals, ADatumFarFromTheProfile) {
    for (const char* datum : {"-5000", "1e12"}) {
        forms::script::Reset();
        ExpectRefused(Press(Screen("200", "100", datum)), "基準高ＤＬ＝");
    }
}

// Without a CAD to talk to, the command says so and sends nothing.
TEST(SheetWithoutCad, NoLinkIsToldAndNothingIsSent) {
    test_support::ResetProgram();
    ketasuu = 2;
    sokutensuu = 2;
    tatedata(1, 1) = 0;
    tatedata(2, 1) = 10;
    for (int r = 1; r <= 2; ++r) tatedata(r, 2) = tatedata(r, 3) = 10;
    tatedata(1, 4) = tatedata(2, 4) = kEmpty;
    作図画面& screen = forms::Get<作図画面>(); // the link cannot open: told once
    screen.作図開始ボタン_Click();             // and again at the drawing
    const auto& messages = forms::script::Messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) EXPECT_NE(m.prompt.find("ＣＡＤとの通信"), std::string::npos);
    test_support::ResetProgram();
}

} // namespace
