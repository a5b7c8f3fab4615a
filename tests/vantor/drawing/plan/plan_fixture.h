#pragma once
// The one-curve plan: start 0,0, an IP at 100,0 with a 50 m curve turning left through a right
// angle (BC 50,0, EC 100,50, centre 50,50; the EC at 128.54 m, the end 100,100 at 178.54 m)
// and stations at 0, 40, 80, 120 and 160 m with 3 m on the left and 3.5 m on the right. The
// drawing screen holds its default sizes; a CAD end records every execute.
#include "../drawing_fixture.h"
#include "platform/dde/dde_server.h"
#include "platform/runtime/cp932.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <string>
#include <vector>

namespace plan_test {

using drawing_test::RecordingCad;

class PlanTest : public drawing_test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SetOneCurvePlan();
    }
    void TearDown() override { DrawingTest::TearDown(); }

    static void SetPolygon(std::initializer_list<std::array<float, 3>> points) {
        using namespace 縦断bus;
        ipsuu = static_cast<int>(points.size()) - 2;
        int p = 0;
        for (const auto& [x, y, radius] : points) {
            ipx(p) = x * 1000;
            ipy(p) = y * 1000;
            iphankei(p) = radius * 1000;
            ++p;
        }
        ComputeIpAlignment();
    }

    // Stations [m] placed on the alignment, every one with the given widths.
    static void SetStations(std::initializer_list<float> stations, float left = 3, float right = 3.5f) {
        using namespace 縦断bus;
        sokutensuu = 0;
        for (float station : stations) {
            ++sokutensuu;
            tatedata(sokutensuu, 1) = station;
            yokodata(sokutensuu, 2) = left;
            yokodata(sokutensuu, 9) = right;
        }
        PlaceAllStations();
    }

    static void SetOneCurvePlan() {
        SetPolygon({{0, 0, 0}, {100, 0, 50}, {100, 100, 0}});
        SetStations({0, 40, 80, 120, 160});
    }

    // The executes as UTF-8 lines.
    static std::vector<std::string> Lines(const RecordingCad& cad) {
        std::vector<std::string> lines;
        for (const std::string& e : cad.executes) lines.push_back(rt::Cp932ToUtf8(e));
        return lines;
    }
};

} // namespace plan_test
