// ｾﾝﾀｰ・測点作図 end to end on a right-angle alignment: the alignment, the rebuilt station list
// with its profile and plan positions, the cross slopes over the new stations and the
// cross-slope screen shown; and where it stops.
#include "drawing_fixture.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/sections/横断勾配入力画面.h"

#include <cmath>

namespace {

using namespace 縦断bus;

constexpr char kAddedStations[] =
    "場合によっては、計算により追加される測点（BC,EC等）があります。そこの箇所には未入力と表示されるので、"
    "幅員を入力した後、作図ボタンを押してください。";

class PlanCommand : public drawing_test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        OpenDocument();
        // Start, one IP with a 50 m curve turning through a right angle, end.
        const float points[3][3] = {{0, 0, 0}, {100, 0, 50}, {100, 100, 0}};
        ipsuu = 1;
        for (int p = 0; p < 3; ++p) {
            ipx(p) = points[p][0] * 1000;
            ipy(p) = points[p][1] * 1000;
            iphankei(p) = points[p][2] * 1000;
        }
        // Two surveyed stations with reference heights; the left slope changes from 2 % to
        // 4 % between them, the right side has one change point only.
        SetProfile({{0, 10}, {150, 13}});
        for (int r = 1; r <= 2; ++r) tatedata(r, 3) = tatedata(r, 5);
        yokodata(1, 2) = 3;
        yokodata(1, 4) = 2;
        yokodata(2, 4) = 4;
        yokodata(1, 7) = 2.5f;
    }
};

TEST_F(PlanCommand, RightAngleAlignmentEndToEnd) {
    作図画面& screen = forms::Get<作図画面>();
    screen.Show();
    forms::script::Reset();
    screen.作図平面_Click();

    EXPECT_EQ(Messages(), std::vector<std::string>{kAddedStations});
    EXPECT_EQ(koubaisetteiflg, 0);
    // Start, BC at 50 m, middle, EC at 128.54 m, the surveyed 150 m and the end at 178.54 m.
    ASSERT_GE(sokutensuu, 5);
    EXPECT_EQ(heimensokutensuu, sokutensuu);
    EXPECT_EQ(sokutenbangou, sokutensuu + 1);
    EXPECT_EQ(Cell(kIpSheet, 6, 8), "50"); // BC X written by the drawing screen's run
    bool bcFound = false;
    for (int r = 1; r <= sokutensuu; ++r) {
        const float station = tatedata(r, 1);
        EXPECT_EQ(sokutenkyori(r), station * 1000) << r;
        EXPECT_EQ(yokodata(r, 5), station) << r; // copied to the cross-slope table
        EXPECT_EQ(yokodata(r, 6), tatedata(r, 5)) << r;
        if (station == 50) {
            bcFound = true;
            EXPECT_NEAR(sokutenx(r), 50000, 1);
            EXPECT_NEAR(sokuteny(r), 0, 1);
        }
        if (station <= 150) {
            // Planned height and left slope linear between the two surveyed stations.
            EXPECT_NEAR(tatedata(r, 5), 10 + station * 3 / 150, 0.006) << station;
            EXPECT_NEAR(yokodata(r, 3), 2 + station * 2 / 150, 0.0001) << station;
        }
    }
    EXPECT_TRUE(bcFound);
    EXPECT_EQ(hidarikijunsuu, 2);
    EXPECT_EQ(migikijunsuu, 1);

    横断勾配入力画面& slopes = forms::Get<横断勾配入力画面>();
    EXPECT_TRUE(slopes.Visible());
    EXPECT_FALSE(screen.Visible());
    EXPECT_EQ(slopes.グリッド.Rows(), sokutensuu + 1);
    EXPECT_EQ(slopes.グリッド.TextMatrix(0, 4), "   測 　　点");
    EXPECT_TRUE(slopes.Toolbar1.Buttons("作図").Enabled());
    EXPECT_NE(slopes.注意.Caption().find("右側の基準勾配が２点未満"), std::string::npos);
    EXPECT_TRUE(screen.作図平面.Enabled());
    EXPECT_TRUE(screen.測点プロットボタン.Enabled());
    EXPECT_TRUE(screen.D3ボタン.Enabled());
}

// The screen's check box asks for regular stations at the interval its box holds.
TEST_F(PlanCommand, RegularStationsAsTheScreenAsks) {
    作図画面& screen = forms::Get<作図画面>();
    screen.基準チェックボタン.SetValue(forms::vbChecked);
    screen.測点間隔.SetText("40");
    screen.作図平面_Click();
    std::vector<float> stations;
    for (int r = 1; r <= sokutensuu; ++r) stations.push_back(tatedata(r, 1));
    EXPECT_EQ(stations, (std::vector<float>{0, 40, 50, 80, 89.3f, 120, 128.54f, 150, 160, 178.54f}));
}

// Widths typed for a station that the rebuilt list drops are told before the note on added
// stations.
TEST_F(PlanCommand, TellsOfLostWidthsFirst) {
    SetProfile({{0, 10}, {20, kEmpty}, {150, 13}}); // 20 m generated earlier, dropped
    for (int r : {1, 3}) tatedata(r, 3) = tatedata(r, 5);
    tatedata(2, 3) = tatedata(2, 4) = kEmpty;
    rokatadata(2, 4) = 9;
    rokatadata(2, 5) = 20;
    作図画面& screen = forms::Get<作図画面>();
    forms::script::Reset();
    screen.作図平面_Click();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"幅のあった次の測点はなくなりました：20", kAddedStations}));
    EXPECT_TRUE(forms::Get<横断勾配入力画面>().Visible());
}

// 座標値転送 writes the positions of the last ｾﾝﾀｰ・測点作図 only while the station list is the
// one they were computed for. A station moved since, with the profile sheet drawn after it
// (which, with fewer than four IPs, takes the stations' chainages without placing them),
// leaves the sheet as it was.
TEST_F(PlanCommand, CoordinateTransferOnlyWithPositionsOfTheCurrentList) {
    drawing_test::RecordingCad cad;
    作図画面& screen = forms::Get<作図画面>();
    screen.作図平面_Click();
    forms::script::Reset();
    screen.座標転送_Click();
    EXPECT_TRUE(Messages().empty());
    int surveyed = 0;
    for (int r = 1; r <= sokutensuu; ++r) {
        EXPECT_EQ(Cell(kCoordinateSheet, 4 + r, 2), rt::CStr(tatedata(r, 1))) << r;
        EXPECT_EQ(Cell(kCoordinateSheet, 4 + r, 3), rt::CStr(static_cast<float>(sokutenx(r) / 1000.0))) << r;
        if (tatedata(r, 1) == 150) surveyed = r;
    }
    ASSERT_GT(surveyed, 0);
    EXPECT_EQ(Cell(kCoordinateSheet, 4 + surveyed, 3), "100"); // on the second leg, x = 100 m

    tatedata(surveyed, 1) = 140;
    screen.作図開始ボタン_Click();
    ASSERT_FALSE(cad.executes.empty());
    forms::script::Reset();
    screen.座標転送_Click();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"測点の平面座標が今の測点の並びで計算されていません。"
                                       "「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから座標値を転送してください。"});
    EXPECT_EQ(Cell(kCoordinateSheet, 4 + surveyed, 2), "150");
}

TEST_F(PlanCommand, StopsAtAnIpToCheck) {
    ipy(1) = 100000; // start, IP and end on one straight line: parallel normals
    ipx(2) = 200000;
    ipy(2) = 200000;
    作図画面& screen = forms::Get<作図画面>();
    screen.Show();
    forms::script::Reset();
    screen.作図平面_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"ＩＰ位置の確認をしてください"});
    EXPECT_EQ(sokutensuu, 2);
    EXPECT_FALSE(forms::IsLoaded<横断勾配入力画面>());
    EXPECT_TRUE(screen.Visible());
    EXPECT_FALSE(screen.測点プロットボタン.Enabled());
}

TEST_F(PlanCommand, RefusedWithoutPointsOrWorkbook) {
    作図画面& screen = forms::Get<作図画面>();
    ipsuu = -2; // a document without alignment points
    forms::script::Reset();
    screen.作図平面_Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("ＩＰ座標が足りません"), std::string::npos);
    EXPECT_FALSE(forms::IsLoaded<横断勾配入力画面>());

    xlbook->Application()->Quit();
    ReleaseDocument();
    ipsuu = 1;
    forms::script::Reset();
    screen.作図平面_Click();
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(sheet_messages::kNoWorkbook)});
}

} // namespace
