// Object snaps give the exact points of what is drawn near the cursor.
#include "cad/drawing/entity_index.h"
#include "cad/drawing/snap.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cad;

namespace {

Drawing Sample() {
    Drawing d;
    d.Add(Line{{0, 0, 1.5}, {120, 0, 3.5}});                 // 0: a 3D line
    d.Add(Line{{50, -50}, {50, 30}});                        // 1: crosses it at (50, 0)
    d.Add(Circle{{200, 0}, 10});                             // 2
    d.Add(Polyline{{{300, 0}, {310, 0}, {320, 0}}, {1, 0}}); // 3: a half circle below, then straight
    d.SetBlock(Block{"B", {0, 0}, {Entity{Line{{0, 0}, {4, 0}}}}});
    d.Add(Insert{"B", {400, 10}, 2, 2, 90}); // 4: its line runs from (400,10) to (400,18)
    return d;
}

struct SnapCase {
    const char* name;
    Point cursor;
    SnapKind kind;
    Point expected;
};

class Snap : public ::testing::TestWithParam<SnapCase> {};

TEST_P(Snap, FindsThePointOfTheDrawing) {
    const Drawing d = Sample();
    const EntityIndex index(d);
    const SnapCase& c = GetParam();
    const double aperture = 3;
    const auto near = index.Query(Rect::FromCorners({c.cursor.x - aperture, c.cursor.y - aperture},
                                                    {c.cursor.x + aperture, c.cursor.y + aperture}));
    const auto snap = FindSnap(d, near, c.cursor, aperture);
    ASSERT_TRUE(snap.has_value());
    EXPECT_EQ(static_cast<int>(snap->kind), static_cast<int>(c.kind));
    EXPECT_NEAR(snap->point.x, c.expected.x, 1e-9);
    EXPECT_NEAR(snap->point.y, c.expected.y, 1e-9);
    EXPECT_NEAR(snap->point.z, c.expected.z, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Snap,
    ::testing::Values(SnapCase{"EndPointIn3D", {121, 1.2}, SnapKind::EndPoint, {120, 0, 3.5}},
                      SnapCase{"Intersection", {51.5, -1}, SnapKind::Intersection, {50, 0, 1.5 + 2 * 50.0 / 120}},
                      SnapCase{"EndPointBeforeNearest", {50.5, 28.8}, SnapKind::EndPoint, {50, 30, 0}},
                      SnapCase{"MidPoint", {49.2, -9.1}, SnapKind::MidPoint, {50, -10, 0}},
                      SnapCase{"NearestOnALine", {75, 1}, SnapKind::Nearest, {75, 0, 2.75}},
                      SnapCase{"NearestOnACircle", {200, 11}, SnapKind::Nearest, {200, 10, 0}},
                      SnapCase{"MidPointOfAPolylineArc", {305, -6}, SnapKind::MidPoint, {305, -5, 0}},
                      SnapCase{"EndPointInsideABlockInsert", {401, 19}, SnapKind::EndPoint, {400, 18, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Snap, NothingDrawnInsideTheApertureGivesNoSnap) {
    const Drawing d = Sample();
    const EntityIndex index(d);
    EXPECT_FALSE(FindSnap(d, index.Query(Rect::FromCorners({20, 20}, {30, 30})), {25, 25}, 5).has_value());
}

TEST(EntityIndex, FindsWhatOverlapsAnAreaAsAFullScanDoes) {
    Drawing d;
    for (int i = 0; i < 2000; ++i)
        d.Add(Line{{i * 1.0, std::fmod(i * 37.0, 500)}, {i * 1.0 + 3, std::fmod(i * 37.0, 500) + 3}});
    d.Add(Line{{-10, -10}, {3000, 600}}); // over every cell
    const EntityIndex index(d);
    const Rect area = Rect::FromCorners({100, 100}, {180, 200});
    std::vector<std::size_t> scanned;
    for (std::size_t i = 0; i < d.Entities().size(); ++i)
        if (index.Extents(i).Overlaps(area)) scanned.push_back(i);
    EXPECT_EQ(index.Query(area), scanned);
    EXPECT_EQ(index.Query(area).back(), 2000u);
}

} // namespace
