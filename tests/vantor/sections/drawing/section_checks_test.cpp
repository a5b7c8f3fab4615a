// What the cross-section sheet refuses before it sends anything, and the stations whose
// section it leaves out, told in one message.
#include "section_fixture.h"

#include <cmath>
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/sakuzuyoko.h"
#include "vantor/sections/section_layout.h"

namespace {

using namespace 縦断bus;
using section_test::FixtureCad;
using section_test::RecordingCad;

class SectionChecks : public section_test::SectionTest {};

TEST_F(SectionChecks, TiersMustBeAWholeNumberFromOne) {
    SetRoad({{0, 10, 10}});
    RecordingCad cad;
    for (const char* tiers : {"0", "", "abc", "-2", "0.4", "2.6"}) {
        forms::script::Reset();
        DrawingScreen().段数.SetText(tiers);
        EXPECT_FALSE(sakuzuyoko(sectionSettings)) << tiers;
        EXPECT_EQ(Messages(), std::vector<std::string>{"段数を入力してください。"}) << tiers;
    }
    EXPECT_TRUE(cad.executes.empty());
    EXPECT_EQ(TierCount(1), 1);
    EXPECT_EQ(TierCount(4), 4);
}

TEST_F(SectionChecks, LayoutFillsColumnsFromTheLowestCell) {
    SectionSettings s{.tiers = 3, .sheetHeight = 56, .cellHalfWidth = 45, .cellHalfHeight = 15};
    const float x[] = {45000, 45000, 45000, 135000, 135000, 135000, 225000};
    const float y[] = {9333.333f, 28000, 46666.67f, 9333.333f, 28000, 46666.67f, 9333.333f};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(CellCentreOf(k, 3, s).x, x[k - 1]) << k;
        EXPECT_FLOAT_EQ(CellCentreOf(k, 3, s).y, y[k - 1]) << k;
    }
}

TEST_F(SectionChecks, MoreStationsThanTheAreaTablesHoldAreRefusedBeforeTheFirstSend) {
    sokutensuu = 51;
    for (int k = 1; k <= 51; ++k) {
        tatedata(k, 1) = 20.0f * k;
        yokosakuzudata(k, 1) = "GEN1";
        yokosakuzudata(k, 2) = "KEI1";
    }
    RecordingCad cad;
    DrawingScreen();
    EXPECT_FALSE(sakuzuyoko(sectionSettings));
    EXPECT_TRUE(cad.executes.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("50測点まで"), std::string::npos);
}

TEST_F(SectionChecks, StationsWhoseSectionCannotBeAssembledAreSkippedAndToldOnce) {
    // clang-format off
    SetRoad({{0, 10, 10}, {20, 10, 10}, {40, 10, 10}, {50.5f, 10, 10}, {60, 10, 16}, {80, 10, 10}, {100, 10, 10},
             {120, 10, -5.2f}});
    // clang-format on
    yokosakuzudata(2, 2) = "";
    yokosakuzudata(3, 2) = "未設定";
    yokodata(4, 2) = yokodata(4, 9) = kEmpty; // a station the station list added
    yokodata(4, 3) = yokodata(4, 8) = kEmpty;
    // station 60: 6 m of fill stays inside the 15 m move window and is drawn
    yokosakuzudata(6, 1) = "GEN 1";
    yokosakuzudata(7, 5) = "99999";
    // station 120: 15.2 m of cut leaves it
    FixtureCad cad;
    DrawingScreen();
    ASSERT_TRUE(sakuzuyoko(sectionSettings));
    ASSERT_EQ(Messages().size(), 1u);
    const std::string told = Messages()[0];
    for (const char* line : {"測点 20、40、80：ブロック名", "測点 50.5、100：幅員・勾配", "測点 120：計画断面が作図枠"})
        EXPECT_NE(told.find(line), std::string::npos) << line << "\n" << told;
    EXPECT_EQ(told.find("測点 60"), std::string::npos) << told;
    EXPECT_EQ(cad.commandLine.RejectionCount(), 0u);
    // Stations 1 and 5 are drawn; every station keeps its station label.
    EXPECT_EQ(cad.All<cad::Line>().size(), 4u);
    EXPECT_EQ(cad.All<cad::Polyline>().size(), 2u);
    EXPECT_EQ(cad.All<cad::Text>().size(), 2u * (2 + 8) + 6);
    for (const cad::Entity& e : cad.drawing.Entities()) EXPECT_GT(cad::ShapeExtents(cad.drawing, e.shape).minX, -50000);
    // Station 5 (column 2, row 2 of 3 tiers, cells 56/3 m high): its crown 6 m above the cell
    // centre, the planned edges 3.5 m right at 2.5 % and 3 m left at 2 % below it.
    const double cx = 3 * 45000.0, cy = 56.0 / 3 * 1.5 * 1000;
    bool crownFound = false;
    for (const cad::Line& line : cad.All<cad::Line>()) {
        const bool fromCrown = std::fabs(line.a.x - cx) < 1e-3 && std::fabs(line.a.y - (cy + 6000)) < 1e-2;
        const bool toCrown = std::fabs(line.b.x - cx) < 1e-3 && std::fabs(line.b.y - (cy + 6000)) < 1e-2;
        crownFound = crownFound || fromCrown || toCrown;
    }
    EXPECT_TRUE(crownFound);
}

} // namespace
