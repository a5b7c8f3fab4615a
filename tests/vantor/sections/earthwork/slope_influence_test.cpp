// Slope ends and excavation influence lines at their thresholds, and the faults of the
// slope and influence geometry that are mended.
#include "tests/vantor/sections/earthwork/earthwork_fixture.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/section_tables.h"

using namespace earthwork_test;
using namespace 縦断bus;

namespace {

const Polyline kFlat{{0, 0}, {20, 0}};
const Polyline kCut{{0, -2}, {5, -2}};

struct StepCase {
    const char* name;
    Polyline planned;
    bool influenced;
};

class Steps : public EarthworkTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Steps, GetAnInfluenceLineOnlyWhenHighEnoughAndInCut) {
    SetSection(1, {kFlat, kCut, kFlat, GetParam().planned});
    Compute(1);
    EXPECT_EQ(sokuteneikyoukousax(1, 2) != 0, GetParam().influenced);
    EXPECT_EQ(kussakumigix(1) != 3, GetParam().influenced) << "the foot moves 0.2 m outward";
}

INSTANTIATE_TEST_SUITE_P(Rising, Steps,
                         ::testing::Values(StepCase{"rise_0_5", {{0, -2}, {3, -2}, {3, -1.5f}, {6, -1.5f}}, true},
                                           StepCase{"rise_0_2", {{0, -2}, {3, -2}, {3, -1.8f}, {6, -1.8f}}, false},
                                           // Ground below the foot: the step stands in fill.
                                           StepCase{"in_fill", {{0, 1}, {3, 1}, {3, 2}, {6, 2}}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EarthworkTest, AFallingStepClimbsInwardFromItsFoot) {
    SetSection(1, {kFlat, kCut, kFlat, {{0, -1}, {3, -1}, {3, -1.5f}, {6, -1.5f}}});
    Compute(1);
    // Foot 0.2 m inward of the face at its bottom, up 1:0.3 to the upper formation.
    EXPECT_FLOAT_EQ(kussakumigix(1), 2.65f);
    EXPECT_FLOAT_EQ(kussakumigiy(1), -1);
    EXPECT_FLOAT_EQ(kussakumigix(2), 2.8f);
    EXPECT_FLOAT_EQ(kussakumigiy(2), -1.5f);
    EXPECT_TRUE(forms::script::Messages().empty());
}

TEST_F(EarthworkTest, AFallingStepWhoseInfluenceLineMeetsNothingIsReportedAndLeavesTheLine) {
    SetSection(1, {kFlat, kCut, kFlat, {{0, 20}, {4, 20}, {4, -1}, {8, -1}}});
    Compute(1);
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(forms::script::Messages()[0].prompt, "現況断面の範囲内において掘削影響線がおさまりません。");
    EXPECT_FLOAT_EQ(kussakumigix(0), 0);
    EXPECT_FLOAT_EQ(kussakumigix(1), 4);
    EXPECT_FLOAT_EQ(kussakumigiy(1), 20);
}

TEST_F(EarthworkTest, AGroundSegmentParallelToTheSlopeIsNoMeeting) {
    // The first segment rises 1 in 1.2, the cut slope's own gradient.
    SetSection(1, {kFlat, kCut, {{0, 0}, {1.2f, 1}, {10, 1}}, {{0, 0}, {0.6f, 0}}});
    Compute(1);
    EXPECT_FLOAT_EQ(kirimorisenmigi(1, 2, 1), 1.8f);
    EXPECT_FLOAT_EQ(kirimorisenmigi(1, 2, 2), 1);
}

TEST_F(EarthworkTest, AFormationWiderThanItsGroundExtendsTheLastGroundSegment) {
    // Left in cut first; the right edge at 6 m lies beyond the ground's last point at 5 m,
    // where the ground falls 1:2: fill, the slope meets the extension at 12 m.
    const Polyline ground{{0, 0}, {4, 0}, {5, -0.5f}};
    SetSection(1, {kFlat, kCut, ground, {{0, 0}, {6, 0}}});
    Compute(1);
    EXPECT_EQ(norishurui, "M");
    EXPECT_FLOAT_EQ(kirimorisenmigi(1, 2, 1), 12);
    EXPECT_NEAR(kirimorisenmigi(1, 2, 2), -4, 1e-5);

    const SideShape left{kFlat, {{0, -2}, {5, -2}, {7.4f, 0}}, {{0, -2}, {5, -2}, {7.4f, 0}, {20, 0}}, 7.4f};
    const Polyline extended{{0, 0}, {4, 0}, {5, -0.5f}, {12, -4}};
    const Areas expected = PolygonAreas({left, {extended, {{0, 0}, {6, 0}, {12, -4}}, {{0, 0}, {6, 0}, {12, -4}}, 12}});
    EXPECT_NEAR(moridomenseki(1), expected.fill, 0.1);
    EXPECT_NEAR(kiridomenseki(1), expected.cut, 0.1);
}

TEST_F(EarthworkTest, InfluenceMeetingsAreKeptPerSideAndStation) {
    SetSection(1, {kFlat, kCut, kFlat, {{0, -2}, {3, -2}, {3, -1}, {6, -1}}});
    SetSection(2, {kFlat, kCut, kFlat, kCut});
    Compute(1);
    Compute(2);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(1, 1), 0);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(1, 2), 3.5f);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(2, 1), 0);
    EXPECT_FLOAT_EQ(sokuteneikyoukousax(2, 2), 0);
}

TEST_F(EarthworkTest, ASideWithoutPointsCountsZeroInsteadOfAnotherStationsLine) {
    SetSection(1, {kFlat, kCut, kFlat, kCut});
    Compute(1);
    const float bothSides = kiridomenseki(1);
    // Station 2: the same right side, no left ground beyond point 0.
    SetSection(2, {{{0, 0}}, kCut, kFlat, kCut});
    const SidesLacking lacking = Compute(2);
    EXPECT_TRUE(lacking.left);
    EXPECT_FALSE(lacking.right);
    EXPECT_NEAR(kiridomenseki(2), bothSides / 2, 0.1);

    // Station 3: right side without a cut/fill point; the left side is still computed.
    kiridomenseki(3) = 99;
    SetSection(3, {kFlat, kCut, kFlat, {}});
    const SidesLacking right = Compute(3);
    EXPECT_TRUE(right.right);
    EXPECT_NEAR(kiridomenseki(3), bothSides / 2, 0.1);
}

} // namespace
