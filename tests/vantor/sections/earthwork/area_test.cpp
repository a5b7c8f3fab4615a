// Areas of small hand-worked sections against polygon areas, and the slope ends of the
// 1:1.2 cut and 1:1.5 fill slopes.
#include "tests/vantor/sections/earthwork/earthwork_fixture.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/section_tables.h"

using namespace earthwork_test;
using namespace 縦断bus;

namespace {

// Strips 0.01 m wide, heights under 4 m: under 0.05 m² of sampling per section, and the
// stored areas are rounded to 0.1 m².
constexpr double kTolerance = 0.1;

struct SlopeEnd {
    float x, y;
};

struct Case {
    const char* name;
    Section section;
    std::vector<SideShape> shapes; // left, right
    SlopeEnd left, right;
};

const Polyline kFlat{{0, 0}, {20, 0}};

// Cut 2 m under flat ground: the 1:1.2 slope ends 2.4 m past the 5 m edge.
const SideShape kCutSide{kFlat, {{0, -2}, {5, -2}, {7.4f, 0}}, {{0, -2}, {5, -2}, {7.4f, 0}, {20, 0}}, 7.4f};

// clang-format off
const Case kCases[] = {
    {"pure cut",
     // The left ground's point 0 is not at the origin: the areas start the ground there anyway.
     {{{0, 0.5f}, {20, 0}}, {{0, -2}, {5, -2}}, kFlat, {{0, -2}, {5, -2}}},
     {kCutSide, kCutSide},
     {7.4f, 0},
     {7.4f, 0}},
    {"pure fill",
     {kFlat, {{0, 1.5f}, {6, 1.5f}}, kFlat, {{0, 1.5f}, {6, 1.5f}}},
     {{kFlat, {{0, 1.5f}, {6, 1.5f}, {8.25f, 0}}, {{0, 1.5f}, {6, 1.5f}, {8.25f, 0}, {20, 0}}, 8.25f},
      {kFlat, {{0, 1.5f}, {6, 1.5f}, {8.25f, 0}}, {{0, 1.5f}, {6, 1.5f}, {8.25f, 0}, {20, 0}}, 8.25f}},
     {8.25f, 0},
     {8.25f, 0}},
    {"crossing the ground",
     // Left: ground falling 1:5 under the formation, fill. Right: ground rising 1:5, fill
     // near the centre, cut outward.
     {{{0, 0}, {15, -3}}, {{0, 0.5f}, {6, 0.5f}}, {{0, 0}, {15, 3}}, {{0, 0.5f}, {6, 0.5f}}},
     {{{{0, 0}, {15, -3}}, {{0, 0.5f}, {6, 0.5f}, {9.6428571f, -1.9285714f}},
       {{0, 0.5f}, {6, 0.5f}, {9.6428571f, -1.9285714f}, {15, -3}}, 9.6428571f},
      {{{0, 0}, {15, 3}}, {{0, 0.5f}, {6, 0.5f}, {7.1052632f, 1.4210526f}},
       {{0, 0.5f}, {6, 0.5f}, {7.1052632f, 1.4210526f}, {15, 3}}, 7.1052632f}},
     {9.6428571f, -1.9285714f},
     {7.1052632f, 1.4210526f}},
    {"vertical ground face",
     // Right: the cut slope meets the 3 m face at 8 m, 1.5 m under its top.
     {kFlat, {{0, -2}, {5, -2}}, {{0, 0}, {8, 0}, {8, -3}, {20, -3}}, {{0, -4}, {5, -4}}},
     {kCutSide,
      {{{0, 0}, {8, 0}, {8, -3}, {20, -3}}, {{0, -4}, {5, -4}, {8, -1.5f}}, {{0, -4}, {5, -4}, {8, -1.5f}, {20, -3}}, 8}},
     {7.4f, 0},
     {8, -1.5f}},
    {"rising step",
     // A 1 m rise of the formation at 3 m: the excavation goes 0.2 m past the step's foot and
     // up the 1:0.3 influence line to the upper formation at 3.5 m.
     {kFlat, {{0, -2}, {3, -2}, {3, -1}, {6, -1}}, kFlat, {{0, -2}, {3, -2}, {3, -1}, {6, -1}}},
     {{kFlat, {{0, -2}, {3, -2}, {3, -1}, {6, -1}, {7.2f, 0}}, {{0, -2}, {3.2f, -2}, {3.5f, -1}, {6, -1}, {7.2f, 0}}, 7.2f},
      {kFlat, {{0, -2}, {3, -2}, {3, -1}, {6, -1}, {7.2f, 0}}, {{0, -2}, {3.2f, -2}, {3.5f, -1}, {6, -1}, {7.2f, 0}}, 7.2f}},
     {7.2f, 0},
     {7.2f, 0}},
};
// clang-format on

class SectionAreas : public EarthworkTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SectionAreas, MatchPolygonAreasAndEndTheSlopesExactly) {
    const Case& c = GetParam();
    SetSection(1, c.section);
    const SidesLacking lacking = Compute(1);
    EXPECT_FALSE(lacking.Any());

    const int ml = kirimorihidarisuu(1), mr = kirimorimigisuu(1);
    EXPECT_FLOAT_EQ(kirimorisenhidari(1, ml, 1), c.left.x);
    EXPECT_NEAR(kirimorisenhidari(1, ml, 2), c.left.y, 1e-5);
    EXPECT_FLOAT_EQ(kirimorisenmigi(1, mr, 1), c.right.x);
    EXPECT_NEAR(kirimorisenmigi(1, mr, 2), c.right.y, 1e-5);

    const Areas expected = PolygonAreas(c.shapes);
    EXPECT_NEAR(kiridomenseki(1), expected.cut, kTolerance);
    EXPECT_NEAR(moridomenseki(1), expected.fill, kTolerance);
    EXPECT_NEAR(umemodoshimenseki(1), kiridomenseki(1) - expected.above, kTolerance);
    for (float area : {kiridomenseki(1), moridomenseki(1), umemodoshimenseki(1)})
        EXPECT_FLOAT_EQ(area * 10, std::round(area * 10)) << "multiple of 0.1";
}

INSTANTIATE_TEST_SUITE_P(HandWorked, SectionAreas, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (ch == ' ') ch = '_';
    return n;
});

TEST_F(EarthworkTest, PureCutBackfillsNothingAndPureFillCutsNothing) {
    SetSection(1, kCases[0].section);
    Compute(1);
    EXPECT_FLOAT_EQ(moridomenseki(1), 0);
    EXPECT_NEAR(umemodoshimenseki(1), 0, 0.1);
    SetSection(2, kCases[1].section);
    Compute(2);
    EXPECT_FLOAT_EQ(kiridomenseki(2), 0);
    EXPECT_FLOAT_EQ(umemodoshimenseki(2), 0);
}

TEST_F(EarthworkTest, TheRisingStepBackfillsTheWedgeOfItsInfluenceLine) {
    SetSection(1, kCases[4].section);
    Compute(1);
    // Per side 0.2 m x 1 m beside the face and the 0.3 m x 1 m triangle of the influence line.
    EXPECT_NEAR(umemodoshimenseki(1), 2 * 0.35, kTolerance);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(1, 1), 3.5f);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(1, 2), 3.5f);
}

TEST_F(EarthworkTest, LinesOnlyLeavesTheStoredAreas) {
    SetSection(1, kCases[0].section);
    Compute(1);
    const float c = kiridomenseki(1);
    kiridomenseki(1) = 3.5f; // typed on the screen
    Compute(1, 0);
    EXPECT_FLOAT_EQ(kiridomenseki(1), 3.5f);
    EXPECT_GT(c, 0);
}

TEST_F(EarthworkTest, StripsAreDrawnInTheColoursOfTheAreas) {
    SetSection(1, kCases[2].section);
    Compute(1);
    int removed = 0, fill = 0, leftStrips = 0;
    for (const forms::DrawCommand& d : Plot().Commands()) {
        if (d.kind != forms::DrawCommand::Line || d.x1 != d.x2) continue;
        if (d.color == forms::RGB(50, 100, 50)) ++removed;
        if (d.color == forms::RGB(0, 255, 0)) ++fill;
        if (d.x1 < 0) ++leftStrips;
    }
    EXPECT_GT(removed, 100); // the right side's cut beyond 2.5 m
    EXPECT_GT(fill, 900);    // the left side's fill, drawn mirrored
    EXPECT_GT(leftStrips, 900);
}

} // namespace
