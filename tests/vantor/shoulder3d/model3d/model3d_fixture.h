#pragma once
// Roads for the 3D model. The curved road: start 0,0, an IP at 100,0 with a 50 m curve turning
// left through a right angle (BC at 50 m, EC at 128.54 m), end 100,100; stations every 20 m from
// 0 to 160 m. Its profile climbs 2.5 % from 10 m at 0 m to 12 m at 80 m, where a 40 m vertical
// curve turns it to −1.25 % down to 11 m at 160 m. Widths 3 m left, 3.5 m right growing by
// 1 m over the road; slopes 2 % left, right 2 % at 0 m and −1 % at 80 m (so −4 % at 160 m
// on the extension). Everything the model needs is computed as the program computes it.
#include "../../drawing/plan/plan_fixture.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/shoulder3d/model3d/model_build.h"

#include <cmath>
#include <optional>

namespace model3d_test {

struct Row {
    float station, height;                                // height: reference planned height at change points
    std::optional<float> lv = {};                         // vertical-curve length at a change point
    float left = 3, right = 3.5f;                         // widths [m]
    std::optional<float> leftSlope = {}, rightSlope = {}; // reference cross slopes [%]
};

class Model3dTest : public plan_test::PlanTest {
protected:
    void SetUp() override {
        PlanTest::SetUp();
        SetCurvedRoad();
    }

    // The profile, widths and cross slopes of the rows, computed; then the plan positions.
    static void SetRoad(const std::vector<Row>& rows) {
        using namespace 縦断bus;
        constexpr float E = kEmpty;
        sokutensuu = 0;
        for (const Row& r : rows) {
            const int k = ++sokutensuu;
            tatedata(k, 1) = r.station;
            tatedata(k, 2) = r.height;
            tatedata(k, 3) = E;
            tatedata(k, 4) = r.lv.value_or(E);
            yokodata(k, 2) = r.left;
            yokodata(k, 9) = r.right;
            yokodata(k, 4) = r.leftSlope.value_or(E);
            yokodata(k, 7) = r.rightSlope.value_or(E);
            yokodata(k, 5) = r.station;
        }
        int k = 0;
        for (const Row& r : rows) {
            ++k;
            if (r.leftSlope || r.rightSlope || r.lv || k == 1 || k == sokutensuu) tatedata(k, 3) = r.height;
        }
        ASSERT_EQ(keisantate(), ProfileOutcome::Computed);
        for (int r = 1; r <= sokutensuu; ++r) yokodata(r, 6) = tatedata(r, 5);
        ComputeCrossSlopes();
        PlaceAllStations();
    }

    static void SetCurvedRoad() {
        SetPolygon({{0, 0, 0}, {100, 0, 50}, {100, 100, 0}});
        SetRoad({{0, 10, {}, 3, 3.5f, 2, 2},
                 {20, 0, {}, 3, 3.625f},
                 {40, 0, {}, 3, 3.75f},
                 {60, 0, {}, 3, 3.875f},
                 {80, 12, 40, 3, 4, 2, -1},
                 {100, 0, {}, 3, 4.125f},
                 {120, 0, {}, 3, 4.25f},
                 {140, 0, {}, 3, 4.375f},
                 {160, 11, {}, 3, 4.5f}});
    }

    // The road of the worked example: a straight along +X, stations at the given metres with a
    // constant planned height of 10 m, widths 3 m and slopes 2 % on both sides.
    static void SetStraightRoad(std::initializer_list<float> stations) {
        SetPolygon({{0, 0, 0}, {1000, 0, 0}});
        std::vector<Row> rows;
        for (float s : stations) rows.push_back({s, 10, {}, 3, 3, 2, 2});
        SetRoad(rows);
    }
    // The curved road by hand: plan point, unit tangent, planned height [m], widths [mm] and
    // right slope [%] at chainage c [mm].
    struct Hand {
        double x, y, tx, ty, height, left, right, rightSlope;
    };
    static Hand CurvedRoadAt(double c) {
        const double bc = 50000, r = 50000, ec = bc + r * M_PI / 2;
        Hand h{};
        if (c <= bc) {
            h.x = c, h.y = 0, h.tx = 1, h.ty = 0;
        } else if (c <= ec) {
            const double a = (c - bc) / r;
            h.x = bc + r * std::sin(a), h.y = r - r * std::cos(a), h.tx = std::cos(a), h.ty = std::sin(a);
        } else {
            h.x = 100000, h.y = 50000 + (c - ec), h.tx = 0, h.ty = 1;
        }
        const double m = c / 1000;
        h.height = m <= 80 ? 10 + 0.025 * m : 12 - 0.0125 * (m - 80);
        if (m >= 60 && m <= 100) h.height = 10 + 0.025 * m - 0.0375 / 80 * (m - 60) * (m - 60);
        h.left = 3000;
        h.right = 3500 + c / 160;
        h.rightSlope = 2 - 3 * m / 80;
        return h;
    }
};

} // namespace model3d_test
