// The cross-section sheet as the CAD draws it from the sends, with the small fixture blocks:
// each section lands in its cell at the station's widths and slopes, nothing stays at the
// work origin, and the sheet is written as a picture and as DXF that ezdxf audits.
#include "cad/dxf/dxf_writer.h"
#include "cad/view/png_renderer.h"
#include "section_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/sakuzuyoko.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

using namespace 縦断bus;
using section_test::FixtureCad;

class SectionSheet : public section_test::SectionTest {
protected:
    // Seven stations 20 m apart; station k stands 0.25 (k - 4) m above (or below) its ground.
    static void SevenStations() {
        // clang-format off
        SetRoad({{0, 10, 9.25f}, {20, 10, 9.5f}, {40, 10, 9.75f}, {60, 10, 10}, {80, 10, 10.25f},
                 {100, 10, 10.5f}, {120, 10, 10.75f}});
        // clang-format on
    }
    static std::filesystem::path OutputFolder() { return std::filesystem::temp_directory_path(); }
    // The planned section of the cell at (cx, cy): the two lines the exploded block's polyline
    // became when the ground was exploded with it, as left edge, crown, right edge.
    static std::vector<cad::Point> PlannedAt(const FixtureCad& cad, double cx, double cy, double h) {
        const auto near = [](cad::Point p, double x, double y) {
            return std::fabs(p.x - x) < 0.01 && std::fabs(p.y - y) < 0.01;
        };
        for (const cad::Line& left : cad.All<cad::Line>())
            if (near(left.b, cx, cy + h))
                for (const cad::Line& right : cad.All<cad::Line>())
                    if (near(right.a, cx, cy + h)) return {left.a, left.b, right.b};
        return {};
    }
};

TEST_F(SectionSheet, SevenStationsInThreeColumnsAtTheirWidthsAndSlopes) {
    SevenStations();
    FixtureCad cad;
    DrawingScreen();
    ASSERT_TRUE(sakuzuyoko(sectionSettings));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(cad.commandLine.RejectionCount(), 0u)
        << cad.commandLine.Rejections().front().prompt << cad.commandLine.Rejections().front().input;
    EXPECT_TRUE(cad.All<cad::Insert>().empty()); // every block was exploded

    const double g = 56.0 / 3 * 1000;
    for (int k = 1; k <= 7; ++k) {
        const int column = (k + 2) / 3, row = k - (column - 1) * 3;
        const double cx = (2 * column - 1) * 45000.0, cy = static_cast<float>(g * (row - 0.5));
        const double h = 250.0 * (k - 4);
        const auto v = PlannedAt(cad, cx, cy, h);
        ASSERT_EQ(v.size(), 3u) << "station " << k;
        EXPECT_NEAR(v[0].x, cx - 3000, 0.01) << k;
        EXPECT_NEAR(v[0].y, cy + h - 60, 0.01) << k;
        EXPECT_NEAR(v[2].x, cx + 3500, 0.01) << k;
        EXPECT_NEAR(v[2].y, cy + h - 87.5, 0.01) << k;
    }
    // Nothing is left near the work origin.
    for (const cad::Entity& e : cad.drawing.Entities()) EXPECT_GT(cad::ShapeExtents(cad.drawing, e.shape).minX, -50000);
    // Station 7 heads row 1 of column 3.
    bool station7 = false;
    for (const cad::Text& t : cad.All<cad::Text>())
        if (t.text == " 120.00") station7 = std::fabs(t.position.x - (225000 - 7 * 240)) < 1e-6;
    EXPECT_TRUE(station7);

    const std::string dxf = (OutputFolder() / "section_sheet.dxf").string();
    const std::string png = (OutputFolder() / "section_sheet.png").string();
    cad::dxf::WriteDxf(cad.drawing, dxf);
    cad::view::RenderPng(cad.drawing, png, 1600, 900);
    EXPECT_GT(std::filesystem::file_size(png), 1000u);
    const std::string script = (OutputFolder() / "audit_sheet.py").string();
    std::ofstream(script)
        << "import sys, ezdxf\n"
           "doc = ezdxf.readfile(sys.argv[1])\n"
           "auditor = doc.audit()\n"
           "msp = doc.modelspace()\n"
           "lines, grounds = msp.query('LINE'), msp.query('LWPOLYLINE')\n"
           "xs = [p[0] for e in grounds for p in e.get_points()]\n"
           "print(len(auditor.errors) + len(auditor.fixes), len(lines), len(grounds), len(msp.query('TEXT')),\n"
           "      len(msp.query('INSERT')),\n"
           "      round(min(xs)), round(max(xs)))\n";
    // 7 sections: the planned polyline became 2 lines when the ground was exploded with it,
    // the ground one polyline from 45 m - 15 m to 225 m + 15 m; 7 x 2 slope and 7 x 8 station
    // labels.
    EXPECT_EQ(test_support::RunPython(script + " " + dxf), "0 14 7 70 0 30000 240000\n");
}

TEST_F(SectionSheet, AnUnknownBlockCostsOnlyItsStation) {
    SetRoad({{0, 10, 10}, {20, 10, 10}, {40, 10, 10}});
    yokosakuzudata(2, 2) = "NOPE";
    FixtureCad cad;
    DrawingScreen();
    ASSERT_TRUE(sakuzuyoko(sectionSettings));
    EXPECT_TRUE(cad.commandLine.IsIdle());
    // The CAD refuses the name, then as unknown commands the rest of that answer line and the
    // displacements of the two stretches that found nothing; every following command word
    // starts its command, and the station's ground still goes to its cell.
    std::vector<std::string> refused;
    for (const auto& r : cad.commandLine.Rejections()) refused.push_back(r.input);
    EXPECT_EQ(refused, (std::vector<std::string>{"NOPE", "-100000,0", "1", "1", "0", "-97000,-60", "-96500,-87.5",
                                                 "-103000,-60", "-103000,-60"}));
    EXPECT_NE(cad.commandLine.Rejections().front().reason.find("NOPE"), std::string::npos);
    const double g = 56.0 / 3 * 1000;
    for (int k : {1, 3}) EXPECT_EQ(PlannedAt(cad, 45000, static_cast<float>(g * (k - 0.5)), 0).size(), 3u) << k;
    for (const cad::Entity& e : cad.drawing.Entities()) EXPECT_GT(cad::ShapeExtents(cad.drawing, e.shape).minX, -50000);
    EXPECT_EQ(cad.All<cad::Text>().size(), 3u * 10);
}

} // namespace
