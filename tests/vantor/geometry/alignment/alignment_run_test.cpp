#include "alignment_fixture.h"
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/error.h"
#include "platform/workbook/workbook.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/alignment/keisanip.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace 縦断bus;
using alignment_test::SetPolygon;

class AlignmentRun : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        xlbook = xl::CreateObject("Excel.sheet");
        xlsheets = xlbook->Worksheets();
        sheet_ = xlsheets->Item(1);
        sheet_->SetName("ＩＰ座標入力");
        SetPolygon({{0, 0}, {100, 0, 50}, {100, 100}});
    }
    void TearDown() override {
        forms::UnloadAll();
        xlbook->Application()->Quit();
        test_support::ResetProgram();
    }

    std::string Cell(int row, int column) const { return sheet_->Cells(row, column)->Value().Text(); }
    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : forms::script::Messages()) texts.push_back(m.prompt);
        return texts;
    }

    std::shared_ptr<xl::Worksheet> sheet_;
};

TEST_F(AlignmentRun, OpenWritesLegsAndAngles) {
    keisanip();
    EXPECT_EQ(ipkeisanflg, 1);
    EXPECT_EQ(Cell(6, 6), "100");
    EXPECT_EQ(Cell(7, 6), "100");
    EXPECT_EQ(Cell(6, 7), "1.570796");
    EXPECT_EQ(sheet_->Cells(6, 7)->Value().Single(), 1.5707964f);
    EXPECT_EQ(Cell(6, 8), "");
    EXPECT_EQ(Cell(9, 3), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AlignmentRun, PlanCommandAlsoWritesCurvePointsAndTotal) {
    EXPECT_TRUE(ComputePlanAlignment());
    EXPECT_EQ(Cell(6, 8), "50"); // seven digits of the single 49.999996
    EXPECT_EQ(sheet_->Cells(6, 8)->Value().Single(), 49.999996f);
    EXPECT_EQ(Cell(6, 9), "0");
    EXPECT_EQ(Cell(6, 11), "100");
    EXPECT_EQ(Cell(6, 12), "50");
    EXPECT_EQ(Cell(9, 2), "総延長＝ ");
    EXPECT_EQ(Cell(9, 3), "178.54m");
    EXPECT_TRUE(Messages().empty());

    SetPolygon({{0, 0}, {100, 0, 100}, {150, 86.6025404}}); // 60 degrees to the left
    EXPECT_TRUE(ComputePlanAlignment());
    EXPECT_EQ(Cell(9, 3), "189.25m");
}

TEST_F(AlignmentRun, FaultyPolygonsStopWithAMessage) {
    const struct {
        std::initializer_list<alignment_test::Point> polygon;
        bool runs;  // the plan command may go on
        int flag;   // ipkeisanflg after Open's run
        bool sheet; // leg lengths were written
        const char* message;
    } cases[] = {
        // clang-format off
        {{{0, 0}, {100, 100, 50}, {200, 200}}, false, 0, true, "ＩＰ位置の確認をしてください"},
        {{{0, 0}, {100, 0, 50}, {100, 0}}, false, 0, false,
         "IP1と終点が同じ位置です。ＩＰ位置の確認をしてください"},
        {{{0, 0}}, false, 0, false, "ＩＰ座標が足りません。起点と終点を含めて２点以上入力してください"},
        // Tangents longer than their legs: the BC would land behind the start point or the
        // EC of the curve before.
        {{{0, 0}, {100, 0, 150}, {100, 100}}, false, 0, false,
         "IP1の接線長 150m が起点までの距離 100m より長くなります。IP1の曲率半径を見直してください"},
        {{{0, 0}, {100, 0, 10}, {100, 100, 10}, {300, 100, 250}, {300, 300}}, false, 0, false,
         "IP2とIP3の接線長の和 260m がその間の距離 200m より長くなります。IP2かIP3の曲率半径を見直してください"},
        {{{0, 0}, {100, 0, 50}, {250, 0}}, true, 1, true, nullptr}, // no centre, no angle, no message
        // clang-format on
    };
    for (const auto& c : cases) {
        for (bool plan : {false, true}) {
            TearDown();
            SetUp();
            SetPolygon(c.polygon);
            sheet_->Cells(6, 6)->SetValue("old");
            sheet_->Cells(6, 7)->SetValue("old");
            if (plan) {
                EXPECT_EQ(ComputePlanAlignment(), c.runs);
            } else {
                keisanip();
                EXPECT_EQ(ipkeisanflg, c.flag);
            }
            EXPECT_EQ(Cell(6, 6) != "old", c.sheet);
            if (c.runs) {
                EXPECT_EQ(Cell(6, 7), "old"); // straight through: no angle written
            }
            EXPECT_EQ(Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        }
    }
    SetPolygon({}); // no point at all: Open's run says nothing
    keisanip();
    EXPECT_EQ(ipkeisanflg, 0);
}

TEST_F(AlignmentRun, WithoutTheIpSheetTheTablesStayAsTheyWere) {
    sheet_->SetName("座標値ｼｰﾄ");
    ipkyori(1) = 7;
    for (bool plan : {false, true}) {
        try {
            plan ? (void)ComputePlanAlignment() : keisanip();
            ADD_FAILURE() << "no error";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), rt::errSubscript);
        }
        EXPECT_EQ(ipkyori(1), 7.0f);
    }
}

// The first step rebuilds the list, the profile and its grid; the second places the stations.
// Neither tells the user anything: what is told is the callers' part.
TEST_F(AlignmentRun, PlanStepsRebuildStationsGridAndPositions) {
    const PreparedStationList prepared = PrepareStationList({});
    EXPECT_TRUE(prepared.rebuilt);
    EXPECT_TRUE(prepared.profileComputed);
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.Rows(), 6);
    EXPECT_EQ(sokutensuu, 5);
    EXPECT_EQ(heimensokutensuu, 0); // nothing placed yet
    PlaceAllStations();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ipkeisanflg, 0); // only Open's run sets it
    EXPECT_EQ(sokutenbangou, 6);
    EXPECT_EQ(heimensokutensuu, 5);
    EXPECT_EQ(sokutenkyori(3), 89300.0f);
    EXPECT_NEAR(sokutenx(3), 85376.61f, 0.01f);
    EXPECT_NEAR(sokuteny(3), 14665.95f, 0.01f);
    EXPECT_EQ(sokutenx(6), 100000.0f); // the end of the road after the last station
    EXPECT_EQ(sokuteny(6), 100000.0f);
}

// A station the computation generated earlier (no ground height) gives way to the new list.
TEST_F(AlignmentRun, PlanStepsReplaceAGeneratedStation) {
    sokutensuu = 1;
    tatedata(1, 1) = 7;
    tatedata(1, 2) = tatedata(1, 3) = tatedata(1, 4) = kEmpty;
    ASSERT_TRUE(PrepareStationList({}).profileComputed);
    PlaceAllStations();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(sokutensuu, 5);
    EXPECT_EQ(sokutenbangou, 6);
    EXPECT_NEAR(sokutenx(3), 85376.61f, 0.01f);
}

TEST_F(AlignmentRun, PlanCommandStopsAtAnIpToCheck) {
    SetPolygon({{0, 0}, {100, 100, 50}, {200, 200}});
    sokutensuu = 1;
    tatedata(1, 1) = 7;
    sokutenx(1) = 7;
    const PreparedStationList prepared = PrepareStationList({});
    EXPECT_FALSE(prepared.rebuilt);
    EXPECT_FALSE(prepared.profileComputed);
    EXPECT_EQ(Messages(), std::vector<std::string>{"ＩＰ位置の確認をしてください"});
    EXPECT_EQ(sokutensuu, 1);
    EXPECT_EQ(tatedata(1, 1), 7.0f);
    EXPECT_EQ(sokutenx(1), 7.0f);
}

} // namespace

// The plan command keeps the shoulder offset widths on their stations while it adds the curve
// stations, and reports widths whose station is gone.
TEST_F(AlignmentRun, ShoulderWidthsStayOnTheirStationsThroughThePlanCommand) {
    const auto station = [](int row, float metres, float ground, float leftL1, float rightL1) {
        tatedata(row, 1) = metres;
        tatedata(row, 2) = ground;
        tatedata(row, 3) = tatedata(row, 4) = kEmpty;
        rokatadata(row, 4) = leftL1;
        rokatadata(row, 5) = metres;
        rokatadata(row, 6) = rightL1;
    };
    sokutensuu = 3;
    station(1, 0, 10, 3.5f, 4.5f);
    station(2, 20, kEmpty, 9, 9); // generated earlier, dropped by the rebuild
    station(3, 150, 12, 2.5f, 1.5f);

    const PreparedStationList prepared = PrepareStationList({});
    ASSERT_TRUE(prepared.profileComputed);
    ASSERT_GT(sokutensuu, 3);
    for (int i = 1; i <= sokutensuu; ++i) {
        SCOPED_TRACE(tatedata(i, 1));
        EXPECT_EQ(rokatadata(i, 5), tatedata(i, 1));
        const float left = tatedata(i, 1) == 0 ? 3.5f : tatedata(i, 1) == 150 ? 2.5f : 0;
        const float right = tatedata(i, 1) == 0 ? 4.5f : tatedata(i, 1) == 150 ? 1.5f : 0;
        EXPECT_EQ(rokatadata(i, 4), left);
        EXPECT_EQ(rokatadata(i, 6), right);
    }
    EXPECT_EQ(StationWidths::LossNotice(prepared.widths), "幅のあった次の測点はなくなりました：20");
    EXPECT_TRUE(Messages().empty());
}
