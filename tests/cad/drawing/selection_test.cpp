#include "cad/drawing/selection.h"

#include <gtest/gtest.h>

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
