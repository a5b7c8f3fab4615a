#pragma once
// The coordinate conversion screen in a clean run, with helpers to type into its grids and to
// set a road of many stations.
#include "platform/runtime/conversion.h"
#include "tests/vantor/drawing/drawing_fixture.h"
#include "tests/vantor/pellix/scripted_pellix.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/coordinates/座標変換.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>
#include <numbers>

namespace coordinates_test {

class CoordinateTest : public drawing_test::DrawingTest {
protected:
    static 座標変換& Screen() { return forms::Get<座標変換>(); }
    // The screen's two controls replaced by scripted ones: {Pellix1, Pellix2}.
    static std::pair<pellix_test::ScriptedPellix&, pellix_test::ScriptedPellix&> ScriptedControls() {
        return pellix_test::ScriptTwoControls(Screen());
    }

    // Types the cells of reference row r: site x, y, drawing X, Y.
    static void TypeReference(int r, double x, double y, double X, double Y) {
        const double values[] = {x, y, X, Y};
        for (int c = 1; c <= 4; ++c) Screen().グリッド.SetTextMatrix(r, c, rt::CStr(values[c - 1]));
    }
    // The drawing coordinates [m] of site (x, y) turned clockwise by `degrees` and shifted.
    static std::pair<double, double> Drawing(double x, double y, double degrees, double sx, double sy) {
        const double t = degrees * std::numbers::pi / 180;
        return {std::cos(t) * x + std::sin(t) * y + sx, -std::sin(t) * x + std::cos(t) * y + sy};
    }
    static void TypeTurned(int r, double x, double y, double degrees, double sx, double sy) {
        const auto [X, Y] = Drawing(x, y, degrees, sx, sy);
        TypeReference(r, x, y, X, Y);
    }
    // Stations every 20 m placed on a straight alignment from (100, 200) m in the direction
    // (0.6, 0.8): station i at (100 + 12 (i − 1), 200 + 16 (i − 1)) m, written exactly.
    static void SetStations(int count) {
        using namespace 縦断bus;
        ipsuu = 0;
        ipx(0) = 100000;
        ipy(0) = 200000;
        ipx(1) = 100000 + 12000.0f * count;
        ipy(1) = 200000 + 16000.0f * count;
        iphankei(0) = iphankei(1) = 0;
        ComputeIpAlignment();
        sokutensuu = count;
        for (int i = 1; i <= count; ++i) tatedata(i, 1) = 20.0f * (i - 1);
        PlaceAllStations();
        for (int i = 1; i <= count; ++i) {
            sokutenx(i) = 1000.0f * (100 + 12 * (i - 1));
            sokuteny(i) = 1000.0f * (200 + 16 * (i - 1));
        }
    }
    // A 3D model built on the first `count` stations: its centre at each is the station's point.
    static void SetModelOnStations(int count) {
        using namespace 縦断bus;
        d3sokutensuu = count;
        for (int i = 1; i <= count; ++i) {
            d3chuushin(i, 0, 1) = sokutenx(i);
            d3chuushin(i, 0, 2) = sokuteny(i);
        }
    }
    static void Click(forms::FlexGrid& grid, int row, int column) {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.OnClick();
    }
};

} // namespace coordinates_test
