// The sends of the cross-section sheet for one station, worked by hand: defaults of the
// drawing screen (cells 45 m by 15 m half size, planned window 10 m by 10 m, sheet 56 in 3
// tiers, so G = 56 / 3 m), h = 0, blocks KEI1 / GEN1 drawn at 3 m and 2 %, the station right
// 3.5 m at 2.5 %, left 3 m at 2 %.
#include "platform/runtime/cp932.h"
#include "section_fixture.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/sakuzuyoko.h"

namespace {

using namespace 縦断bus;
using section_test::RecordingCad;

class SectionSends : public section_test::SectionTest {};

TEST_F(SectionSends, OneStationLineByLine) {
    SetRoad({{0, 10, 10}});
    RecordingCad cad;
    DrawingScreen();
    ASSERT_TRUE(sakuzuyoko(sectionSettings));
    // Cell centre (45000, G x 0.5 x 1000 = 9333.333 as a single); the label line
    // T = 9333.3330078125 + G x 400 in double.
    // clang-format off
    const std::vector<std::string> expected = {
        "-insert\r", "KEI1 -100000,0 1 1 0\r",
        "zoom\r", "-145000,15000\r", "-55000,-15000\r",
        "explode\r", "W -145000,15000 -55000,-15000\r\r",
        // right: edge from (3000, -60) to (3500, -87.5)
        "stretch\r", "c\r", "-90000,-10000\r", "-99900,10000\r\r", "-97000,-60 -96500,-87.5\r",
        // left: standard and actual alike, no displacement
        "stretch\r", "c\r", "-100100,-10000\r", "-110000,10000\r\r", "-103000,-60 -103000,-60\r",
        "-insert\r", "GEN1 -100000,0 1 1 0\r",
        "explode\r", "W -145000,-15000 -55000,15000\r\r",
        "move\r", "W -145000,-15000 -55000,15000\r\r", "-100000,0 45000,9333.333\r",
        "DTEXT \r", "\r\r",
        "46000,9433.333\r", "200\r", "0\r", "2.5 %\r", "\r\r",
        "43500,9433.333\r", "200\r", "0\r", "2 %\r", "\r\r",
        // "   0.00" is 7 characters: 45000 - 7 x 240
        "43320,16799.9996744792\r", "800\r", "0\r", "   0.00\r", "\r\r",
        "45000,15899.9996744792\r", "400\r", "0\r", "G.H =  10.00\r", "\r\r",
        "45000,15299.9996744792\r", "400\r", "0\r", rt::Utf8ToCp932("Ｆ.H =  10.00") + "\r", "\r\r",
        "45000,14699.9996744792\r", "400\r", "0\r", "D.H =0\r", "\r\r",
        "55000,14799.9996744792\r", "200\r", "0\r", "C =0\r", "\r\r",
        "55000,14499.9996744792\r", "200\r", "0\r", "C'=\r", "\r\r",
        "55000,14199.9996744792\r", "200\r", "0\r", "B =0\r", "\r\r",
        "55000,13899.9996744792\r", "200\r", "0\r", "B'=0\r", "\r\r",
        "\r\r"};
    // clang-format on
    EXPECT_EQ(cad.executes, expected);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SectionSends, HeightsAreaAndPlannedPointInTheirPrecision) {
    // h = 1.25 m: the planned block stands at 1250 and its slope labels 100 above that.
    SetRoad({{20, 10, 11.25f}});
    kiridomenseki(1) = 12.5f;
    moridomenseki(1) = 0.75f;
    RecordingCad cad;
    DrawingScreen();
    ASSERT_TRUE(sakuzuyoko(sectionSettings));
    const auto& e = cad.executes;
    EXPECT_EQ(e[1], "KEI1 -100000,1250 1 1 0\r");
    EXPECT_EQ(e[3], "-145000,16250\r");
    EXPECT_EQ(e[11], "-97000,1190 -96500,1162.5\r");
    const auto at = [&](const std::string& s) { return std::find(e.begin(), e.end(), s) != e.end(); };
    EXPECT_TRUE(at("46000,10683.33\r")); // 9333.333 + 1250 + 100 as singles
    EXPECT_TRUE(at("D.H =1.25\r"));
    EXPECT_TRUE(at("C =12.5\r"));
    EXPECT_TRUE(at("B =0.75\r"));
    EXPECT_TRUE(at("B'=0\r"));
}

} // namespace
