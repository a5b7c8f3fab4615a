// Picks of drawing points: the start that clears and arms, and the endings that the CAD
// control's wait event hands the picked points to.
#include "coordinate_fixture.h"

namespace {

using coordinates_test::CoordinateTest;
using Picked = 座標変換::PickedPoint;

class Picking : public CoordinateTest {};

TEST_F(Picking, AReferencePickNeedsAReferenceRowClickedLast) {
    座標変換& screen = Screen();
    screen.読込_Click();   // nothing clicked yet: row 0 is the header
    EXPECT_FALSE(screen.PickPending());
    Click(screen.マス, 5, 1);   // a row of the point grid, not of the reference grid
    screen.読込_Click();
    EXPECT_FALSE(screen.PickPending());
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[0].find("基準点の行"), std::string::npos);
    EXPECT_EQ(screen.グリッド.TextMatrix(0, 3), " Ｘ(図面座標）");
}

TEST_F(Picking, AReferencePickFillsTheClickedRowInMetres) {
    座標変換& screen = Screen();
    TypeReference(2, 10, 20, 1, 2);
    Click(screen.グリッド, 2, 3);
    EXPECT_TRUE(screen.Text1.Visible());
    EXPECT_EQ(screen.Text1.Text(), "1");
    screen.読込_Click();
    EXPECT_TRUE(screen.PickPending());
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), "");   // cleared until the point comes
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 4), "");

    screen.TakeReferencePoint(Picked{123456.7, -9876.5});
    EXPECT_FALSE(screen.PickPending());
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 3), "123.4567");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 4), "-9.8765");
    EXPECT_EQ(screen.Text1.Text(), "123.4567");
    EXPECT_EQ(screen.グリッド.TextMatrix(2, 1), "10");
    EXPECT_TRUE(screen.Visible());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Picking, ACancelledOrUnaskedReferencePickTakesNothing) {
    座標変換& screen = Screen();
    TypeReference(1, 10, 20, 1, 2);
    Click(screen.グリッド, 1, 1);
    screen.読込_Click();
    screen.TakeReferencePoint(std::nullopt);   // the user cancelled in the CAD
    EXPECT_FALSE(screen.PickPending());
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 3), "");
    screen.TakeReferencePoint(Picked{5000, 6000});   // a wait event with no pick pending
    EXPECT_EQ(screen.グリッド.TextMatrix(1, 3), "");
}

TEST_F(Picking, MultiPointPickStopsAtACancelOrAfterFifty) {
    座標変換& screen = Screen();
    screen.変換種類(2).SetValue(true);
    ASSERT_TRUE(screen.PickPending());
    int asked = 0;
    screen.TakeConversionPoints([&]() -> std::optional<Picked> {
        if (++asked > 3) return std::nullopt;
        return Picked{1000.0 * asked, -500.0 * asked};
    });
    EXPECT_EQ(asked, 4);
    EXPECT_EQ(screen.PickedCount(), 3);
    EXPECT_FALSE(screen.PickPending());
    EXPECT_EQ(screen.マス.TextMatrix(3, 1), "3");
    EXPECT_EQ(screen.マス.TextMatrix(3, 2), "-1.5");
    EXPECT_EQ(screen.マス.TextMatrix(4, 1), "");

    screen.shutokuhenkanten();
    asked = 0;
    screen.TakeConversionPoints([&]() -> std::optional<Picked> { return Picked{++asked * 10.0, 0}; });
    EXPECT_EQ(asked, 50);
    EXPECT_EQ(screen.PickedCount(), 50);
    EXPECT_EQ(screen.マス.TextMatrix(50, 1), "0.5");

    // A wait event without a pending pick asks for nothing.
    asked = 0;
    screen.TakeConversionPoints([&]() -> std::optional<Picked> { return Picked{++asked * 1.0, 0}; });
    EXPECT_EQ(asked, 0);
}

} // namespace
