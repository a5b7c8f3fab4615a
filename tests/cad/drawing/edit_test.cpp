#include "cad/drawing/edit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cad;

namespace {
const std::vector<Rect> kWindow{Rect::FromCorners({5, -5}, {15, 5})};
const Point kShift{10, 0};
} // namespace

TEST(Stretch, EndPointsInsideTheWindowMoveTheRestStays) {
    Drawing d;
    d.Add(Line{{0, 0}, {10, 0}});                // end inside
    d.Add(Polyline{{{0, 0}, {10, 1}, {20, 0}}}); // middle vertex inside
    d.Add(Circle{{10, 0}, 20});                  // centre inside: moves whole
    d.Add(Text{{0, 0}, 2, 0, "AAAAAAAAAA"});     // runs into the window, insertion point outside
    d.Add(Line{{7, 1}, {8, 2}});                 // wholly inside: moves whole
    StretchEntities(d, SelectAll(d), kWindow, kShift);
    const auto& e = d.Entities();
    EXPECT_EQ(std::get<Line>(e[0].shape).a.x, 0);
    EXPECT_EQ(std::get<Line>(e[0].shape).b.x, 20);
    const auto& v = std::get<Polyline>(e[1].shape).vertices;
    EXPECT_EQ(v[0].x, 0);
    EXPECT_EQ(v[1].x, 20);
    EXPECT_EQ(v[2].x, 20);
    EXPECT_EQ(std::get<Circle>(e[2].shape).centre.x, 20);
    EXPECT_EQ(std::get<Text>(e[3].shape).position.x, 0);
    EXPECT_EQ(std::get<Line>(e[4].shape).a.x, 17);
}

TEST(Stretch, ArcKeepsItsBulgeBetweenTheMovedEnds) {
    Drawing d;
    d.Add(Arc{{0, 0}, 10, 0, 180}); // half circle from (10,0) to (-10,0), bulge 10
    StretchEntities(d, {0}, kWindow, kShift);
    const Arc a = std::get<Arc>(d.Entities()[0].shape);
    EXPECT_NEAR(a.Start().x, 20, 1e-9);
    EXPECT_NEAR(a.Start().y, 0, 1e-9);
    EXPECT_NEAR(a.End().x, -10, 1e-9);
    // chord 30 with height 10: r = (15^2 + 10^2) / 20
    EXPECT_NEAR(a.radius, 16.25, 1e-9);
    EXPECT_NEAR(a.centre.y, -6.25, 1e-9);
}

TEST(Explode, InsertBecomesItsEntitiesPlacedOneLevelDeep) {
    Drawing d;
    d.SetBlock(Block{"IN", {}, {Entity{Line{{0, 0}, {1, 0}}}}});
    d.SetBlock(Block{"B",
                     {1, 0},
                     {Entity{Line{{1, 0}, {3, 0}}, kRed}, Entity{Arc{{1, 0}, 1, 0, 90}},
                      Entity{Text{{1, 0}, 1, 0, "T"}}, Entity{Insert{"IN", {1, 0}}}}});
    d.Add(Insert{"B", {100, 100}, 2, 2, 90});
    d.Add(Polyline{{{0, 0}, {1, 0}, {1, 1}}});
    d.Add(Circle{{0, 0}, 1});
    const ExplodeResult r = ExplodeEntities(d, SelectAll(d));
    EXPECT_EQ(r.exploded, 2);
    EXPECT_EQ(r.refused, 1);
    const auto& e = d.Entities();
    ASSERT_EQ(e.size(), 7u); // circle, 4 from the insert, 2 polyline segments
    const Line l = std::get<Line>(e[1].shape);
    EXPECT_NEAR(l.a.x, 100, 1e-9);
    EXPECT_NEAR(l.b.y, 104, 1e-9);
    EXPECT_EQ(e[1].colour, kRed);
    const Arc a = std::get<Arc>(e[2].shape);
    EXPECT_NEAR(a.radius, 2, 1e-12);
    EXPECT_NEAR(a.startAngle, 90, 1e-9);
    EXPECT_NEAR(a.endAngle, 180, 1e-9);
    const Text t = std::get<Text>(e[3].shape);
    EXPECT_NEAR(t.height, 2, 1e-12);
    EXPECT_NEAR(t.rotation, 90, 1e-9);
    const Insert nested = std::get<Insert>(e[4].shape);
    EXPECT_EQ(nested.block, "IN");
    EXPECT_NEAR(nested.scaleX, 2, 1e-12);
    EXPECT_NEAR(nested.rotation, 90, 1e-9);
}

TEST(Explode, MirroredInsertTurnsArcsRoundAndUnequalScaleKeepsCurvedBlocksWhole) {
    Drawing d;
    d.SetBlock(Block{"A", {}, {Entity{Arc{{0, 0}, 1, 0, 90}}}});
    d.Add(Insert{"A", {0, 0}, -1, 1, 0});
    d.Add(Insert{"A", {0, 0}, 1, 2, 0});
    const ExplodeResult r = ExplodeEntities(d, SelectAll(d));
    EXPECT_EQ(r.exploded, 1);
    EXPECT_EQ(r.refused, 1);
    const Arc a = std::get<Arc>(d.Entities()[1].shape);
    EXPECT_NEAR(a.startAngle, 90, 1e-9); // mirrored in x: from (0,1) counter-clockwise to (-1,0)
    EXPECT_NEAR(a.endAngle, 180, 1e-9);
}

TEST(MoveRotateErase, ActOnTheSelectionOnly) {
    Drawing d;
    d.Add(Line{{1, 0}, {2, 0}});
    d.Add(Circle{{5, 5}, 1});
    d.Add(Text{{1, 0}, 1, 10, "x"});
    RotateEntities(d, {0, 2}, {0, 0}, 90);
    MoveEntities(d, {1}, {1, 1});
    EXPECT_NEAR(std::get<Line>(d.Entities()[0].shape).b.y, 2, 1e-12);
    EXPECT_NEAR(std::get<Text>(d.Entities()[2].shape).rotation, 100, 1e-9);
    EXPECT_EQ(std::get<Circle>(d.Entities()[1].shape).centre.x, 6);
    EraseEntities(d, {0, 2});
    ASSERT_EQ(d.Entities().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Circle>(d.Entities()[0].shape));
}

// A polyline arc (bulge 1 from (0,0) to (10,0): the half circle below, counter-clockwise)
// explodes into that arc; a mirrored insert turns it round, still below in the block's sense.
TEST(Explode, PolylineArcsBecomeArcsAndMirroringTurnsThemRound) {
    Drawing d;
    d.Add(Polyline{{{0, 0}, {10, 0}, {20, 0}}, {1, 0}});
    d.SetBlock(Block{"P", {0, 0}, {Entity{Polyline{{{0, 0}, {10, 0}}, {1}}}}});
    d.Add(Insert{"P", {100, 0}, -1, 1, 0});
    ASSERT_EQ(ExplodeEntities(d, {0, 1}).exploded, 2);
    ASSERT_EQ(d.Entities().size(), 3u);
    const auto& arc = std::get<Arc>(d.Entities()[0].shape);
    EXPECT_NEAR(arc.centre.x, 5, 1e-12);
    EXPECT_NEAR(arc.radius, 5, 1e-12);
    EXPECT_NEAR(arc.startAngle, 180, 1e-9);
    EXPECT_NEAR(arc.endAngle, 0, 1e-9);
    EXPECT_TRUE(std::holds_alternative<Line>(d.Entities()[1].shape));
    const auto& mirrored = std::get<Polyline>(d.Entities()[2].shape);
    EXPECT_EQ(mirrored.Bulge(0), -1);
    EXPECT_EQ(mirrored.vertices[1].x, 90);
}
