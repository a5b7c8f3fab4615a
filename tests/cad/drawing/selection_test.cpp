#include "cad/drawing/selection.h"

#include "cad/drawing/edit.h"
#include "cad/drawing/extents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace cad;

namespace {

// One entity of each kind near the window (0,0)-(10,10); each case says whether a window
// or a crossing selection takes it.
struct Case {
    const char* what;
    Shape shape;
    bool byWindow;
    bool byCrossing;
};

} // namespace

TEST(Selection, WindowTakesWhatLiesWhollyInsideCrossingAlsoWhatCrossesTheEdge) {
    Drawing d;
    d.SetBlock(Block{"B", {}, {Entity{Line{{0, 0}, {4, 0}}}}});
    const Case cases[] = {
        {"line inside", Line{{1, 1}, {9, 9}}, true, true},
        {"line crossing", Line{{5, 5}, {15, 5}}, false, true},
        {"line passing through", Line{{-5, 5}, {15, 5}}, false, true},
        {"line outside", Line{{11, 0}, {20, 20}}, false, false},
        {"polyline bending back in", Polyline{{{20, 5}, {5, 5}, {20, 6}}}, false, true},
        {"circle inside", Circle{{5, 5}, 2}, true, true},
        {"circle around the window", Circle{{5, 5}, 20}, false, false},
        {"circle cutting a corner", Circle{{12, 12}, 3}, false, true},
        {"arc bulging out", Arc{{5, 5}, 6, 30, 150}, false, true},
        {"arc whose missing part faces the window", Arc{{5, 20}, 12, 0, 180}, false, false},
        {"arc inside, its circle not", Arc{{5, -3}, 6, 60, 120}, true, true},
        {"arc far away", Arc{{50, 50}, 5, 0, 90}, false, false},
        {"arc whose circle only grazes the window", Arc{{14, 14}, 5, 0, 90}, false, false},
        {"text inside", Text{{1, 1}, 2, 0, "AB"}, true, true},
        {"text running out", Text{{8, 1}, 2, 0, "ABCDEF"}, false, true},
        {"insert inside", Insert{"B", {1, 1}}, true, true},
        {"insert turned out of the window", Insert{"B", {9, 9}, 1, 1, 45}, false, true},
    };
    const Rect window = Rect::FromCorners({10, 10}, {0, 0});
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Drawing one = d;
        one.Add(cases[i].shape);
        EXPECT_EQ(SelectWindow(one, window).size(), cases[i].byWindow ? 1u : 0u) << cases[i].what;
        EXPECT_EQ(SelectCrossing(one, window).size(), cases[i].byCrossing ? 1u : 0u) << cases[i].what;
    }
}

TEST(Selection, AllTakesEveryEntityInOrder) {
    Drawing d;
    d.Add(Line{{0, 0}, {1, 1}});
    d.Add(Circle{{0, 0}, 1});
    EXPECT_EQ(SelectAll(d), (Selection{0, 1}));
}

// The index behind the selections follows edits anywhere in model space, entities moved far
// out of the drawing (as to a work origin) and many of them, and block redefinitions: after
// each change both selections take what a look at every entity takes. The entities are short
// horizontal lines, so that whether one lies inside or crosses a window is plain arithmetic.
TEST(Selection, FollowsEveryChangeOfTheDrawing) {
    Drawing d;
    d.SetBlock(Block{"B", {}, {Entity{Line{{0, 0}, {2, 0}}}}});
    for (int i = 0; i < 2000; ++i)
        d.Add(Line{{(i % 50) * 10.0, (i / 50) * 10.0}, {(i % 50) * 10.0 + 4, (i / 50) * 10.0}});
    auto check = [&](const Rect& w, const char* after) {
        Selection inside, crossing;
        const auto& all = std::as_const(d).Entities(); // taking them for change would reset the index
        for (std::size_t i = 0; i < all.size(); ++i) {
            Line l;
            if (const auto* line = std::get_if<Line>(&all[i].shape)) l = *line;
            else if (const auto* ins = std::get_if<Insert>(&all[i].shape))
                l = Line{ins->position, ins->position + std::get<Line>(d.FindBlock(ins->block)->entities[0].shape).b};
            const double x0 = std::min(l.a.x, l.b.x), x1 = std::max(l.a.x, l.b.x), y = l.a.y;
            const bool yIn = y >= w.minY && y <= w.maxY;
            if (yIn && x0 >= w.minX && x1 <= w.maxX) inside.push_back(i);
            if (yIn && x1 >= w.minX && x0 <= w.maxX) crossing.push_back(i);
        }
        EXPECT_EQ(SelectWindow(d, w), inside) << after;
        EXPECT_EQ(SelectCrossing(d, w), crossing) << after;
    };
    const Rect windows[] = {Rect::FromCorners({-1, -1}, {501, 401}), Rect::FromCorners({33, 17}, {122, 95}),
                            Rect::FromCorners({-100010, -10}, {-99000, 400}), Rect::FromCorners({7, 0}, {12, 390})};
    auto checkAll = [&](const char* after) {
        for (const Rect& w : windows) check(w, after);
    };
    checkAll("building");
    MoveEntities(d, SelectWindow(d, Rect::FromCorners({-1, 195}, {501, 401})), {-100000, 0});
    checkAll("moving the upper half far out");
    MoveEntities(d, SelectCrossing(d, windows[2]), {100000, 3});
    checkAll("moving it back");
    StretchEntities(d, SelectCrossing(d, windows[3]), {windows[3]}, {-2, 0});
    checkAll("stretching a column");
    EraseEntities(d, SelectCrossing(d, windows[1]));
    checkAll("erasing from the middle");
    d.Add(Insert{"B", {40, 40}});
    d.Add(Line{{600, 600}, {604, 600}});
    checkAll("adding beyond the drawing");
    d.SetBlock(Block{"B", {}, {Entity{Line{{0, 0}, {200, 0}}}}});
    checkAll("redefining the block");
    ExplodeEntities(d, SelectCrossing(d, Rect::FromCorners({39, 39}, {43, 41})));
    checkAll("exploding the insert");
}

// Erasing and exploding far back in a drawing whose index is built move every entity after
// them down; interleaved with additions the index has not seen yet and with entities over many
// cells or beyond the grid, both selections still take what a look at every entity's extents
// and shape takes.
TEST(Selection, FollowsErasuresFarBackInALargeDrawing) {
    Drawing d;
    d.SetBlock(Block{"B", {}, {Entity{Line{{0, 0}, {3, 0}}}, Entity{Circle{{1, 1}, 1}}}});
    for (int i = 0; i < 3000; ++i) {
        const double x = (i % 60) * 10.0, y = (i / 60) * 10.0;
        if (i % 7 == 3) d.Add(Insert{"B", {x, y}});
        else if (i % 5 == 1) d.Add(Circle{{x + 2, y + 2}, 2});
        else d.Add(Line{{x, y}, {x + 4, y + 3}});
    }
    d.Add(Polyline{{{-5, -5}, {605, 505}}}); // over every cell
    auto check = [&](const char* after) {
        const Rect windows[] = {Rect::FromCorners({-1, -1}, {601, 501}), Rect::FromCorners({33, 17}, {122, 95}),
                                Rect::FromCorners({395, 195}, {1200, 420}), Rect::FromCorners({7, 0}, {12, 490}),
                                Rect::FromCorners({-100010, -10}, {-99000, 40})};
        for (const Rect& w : windows) {
            Selection inside, crossing;
            const auto& all = std::as_const(d).Entities(); // taking them for change would reset the index
            for (std::size_t i = 0; i < all.size(); ++i) {
                const Shape& shape = all[i].shape;
                const bool whole = w.ContainsRect(ShapeExtents(d, shape));
                if (whole) inside.push_back(i);
                if (whole || ShapeTouchesRect(d, shape, w)) crossing.push_back(i);
            }
            EXPECT_EQ(SelectWindow(d, w), inside) << after;
            EXPECT_EQ(SelectCrossing(d, w), crossing) << after;
        }
    };
    check("building");
    EraseEntities(d, {0, 1, 2, 1500, 2999});
    check("erasing far back");
    d.Add(Line{{-100000, 0}, {-99990, 5}}); // beyond the grid
    d.Add(Line{{50, 50}, {54, 53}});
    EraseEntities(d, {10, 2994, 2996}); // the last two not yet in the index
    check("erasing with additions not yet seen");
    EraseEntities(d, {4, 5});
    EraseEntities(d, {100, std::as_const(d).Entities().size() - 3}); // the long polyline
    check("erasing twice in a row");
    ExplodeEntities(d, {0, 1, 3, 7}); // an insert and the circles and lines refused
    check("exploding far back");
    MoveEntities(d, {20, 21}, {0, 200});
    EraseEntities(d, {2, 22});
    check("moving then erasing");
}
