#pragma once
// Cross-sections typed straight into the section point tables, and the areas they give.
#include "platform/forms/script.h"
#include "platform/runtime/number_text.h"
#include "tests/support/program_reset.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/earthwork/keisandotsubo.h"
#include "vantor/sections/earthwork/土坪画面.h"
#include "vantor/sections/editors/section_point_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include <string>
#include <vector>

namespace earthwork_test {

struct Pt {
    float x, y;
};
using Polyline = std::vector<Pt>;
using Points = rt::Table<std::string, 50, 20, 2>;

// Offsets and heights as the section editors store them: texts, point 0 first.
inline void SetPoints(Points& table, int station, const Polyline& points) {
    for (int p = 0; p < 20; ++p) table(station, p, 1) = table(station, p, 2) = "";
    for (std::size_t p = 0; p < points.size(); ++p) {
        table(station, static_cast<int>(p), 1) = rt::CStr(points[p].x);
        table(station, static_cast<int>(p), 2) = rt::CStr(points[p].y);
    }
}

struct Section {
    Polyline groundLeft, plannedLeft, groundRight, plannedRight;
};

inline void SetSection(int station, const Section& s) {
    SetPoints(縦断bus::genkyouhidari, station, s.groundLeft);
    SetPoints(縦断bus::kirimorihidari, station, s.plannedLeft);
    SetPoints(縦断bus::genkyoumigi, station, s.groundRight);
    SetPoints(縦断bus::kirimorimigi, station, s.plannedRight);
}

// Stations 1..count at 20 m spacing.
inline void SetStations(int count) {
    縦断bus::sokutensuu = count;
    for (int r = 1; r <= count; ++r) 縦断bus::tatedata(r, 1) = static_cast<float>((r - 1) * 20);
}

inline forms::PictureBox& Plot() { return forms::Get<土坪画面>().図; }

// Counts the station's points and computes its areas.
inline 縦断bus::SidesLacking Compute(int station, int mode = 1) {
    縦断bus::danmenbangou = station;
    縦断bus::CountStation(縦断bus::ExistingGround(), station);
    縦断bus::CountStation(縦断bus::CutFillLine(), station);
    縦断bus::mensekiflg = mode;
    return 縦断bus::keisandotsubo(Plot());
}

struct Areas {
    double cut = 0, fill = 0, above = 0;
};

// One side for the independent check: its polylines and where the strips end.
struct SideShape {
    Polyline ground, planned, excavation;
    float end;
};

inline std::string Json(const Polyline& line) {
    std::string s = "[";
    for (const Pt& p : line) s += (s.size() > 1 ? ",[" : "[") + rt::CStr(p.x) + "," + rt::CStr(p.y) + "]";
    return s + "]";
}

// Cut, fill and above-planned areas of the sides as polygon areas from shapely.
inline Areas PolygonAreas(const std::vector<SideShape>& sides) {
    std::string json = "[";
    for (const SideShape& s : sides) {
        json += (json.size() > 1 ? "," : "") + std::string("{\"ground\":") + Json(s.ground) +
                ",\"planned\":" + Json(s.planned) + ",\"excavation\":" + Json(s.excavation) +
                ",\"end\":" + rt::CStr(s.end) + "}";
    }
    json += "]";
    const std::string out = test_support::RunPython(
        "'" VANTOR_SOURCE_DIR "/tests/vantor/sections/earthwork/section_areas.py' '" + json + "'");
    Areas a;
    if (std::sscanf(out.c_str(), "{\"cut\": %lf, \"fill\": %lf, \"above\": %lf}", &a.cut, &a.fill, &a.above) != 3)
        ADD_FAILURE() << "unexpected output: " << out;
    return a;
}

class EarthworkTest : public ::testing::Test {
protected:
    void SetUp() override { test_support::ResetProgram(); }
    void TearDown() override { test_support::ResetProgram(); }
};

} // namespace earthwork_test
