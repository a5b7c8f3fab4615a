// The whole profile sheet of a small profile, send by send, against the stream worked by hand
// from the sheet's rules; and the drawing the CAD makes of it, as entities, a picture and a
// DXF file that an independent reader audits.
//
// The profile: stations 0, 8, 16 m; ground 10.25, 11, 9.5 m; reference heights 10, 11, 10 m
// (gradients +12.5 % and -12.5 %) with an 8 m vertical curve at 8 m, so that every planned
// height is exact in binary: a = -0.015625, b = 0.25, c = 9.75 over 4..12 m. Scales 1:200
// and 1:100 over a datum of 5 m: x = 5 mm per metre, y = (h - 5) x 10 mm.
#include "cad/dxf/dxf_writer.h"
#include "cad/view/png_renderer.h"
#include "profile_sheet_fixture.h"
#include "tests/support/run_python.h"
#include "vantor/model/bus/bus_table.h"

#include <cstdio>
#include <filesystem>

namespace {

using namespace 縦断bus;
using profile_sheet_test::ExpectSameStream;
using profile_sheet_test::Stream;

std::string N(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v);
    return text;
}
std::string P(double x, double y) { return N(x) + "," + N(y); }

constexpr double kBand[13] = {-50, -65, -85, -100, -115, -135, -150, -170, -190, -210, -230, -255, -280};
double Middle(int band) { return (kBand[band - 1] + kBand[band]) / 2; }

void Rules(Stream& s, double left, double right) {
    for (int l = 1; l <= 12; ++l) {
        if (l != 1) s.Pline({P(left, kBand[l] + 0.5), P(right, kBand[l] + 0.5)});
        if (l != 12) s.Pline({P(left, kBand[l] - 0.5), P(right, kBand[l] - 0.5)});
    }
}

Stream HandWorkedSheet() {
    Stream s;
    // Ground line, station ticks, datum line.
    s.Pline({"0,52.5", "40,60", "80,45"});
    s.Pline({"0,-45", "0,52.5"});
    s.Pline({"40,-45", "40,60"});
    s.Pline({"80,-45", "80,45"});
    s.Pline({"-50,0", "85,0"});
    // Elevation scale: highest planned 10.75 m, top 15 m, 10 m above the datum.
    for (int k = 1; k <= 10; ++k) s.Send("LINE " + P(k % 5 == 0 ? -40 : -12, 10 * k) + " " + P(-11, 10 * k) + " ");
    s.Send("LINE -11,-0.5 -11,100 ");
    s.Send("LINE -12,-0.5 -12,100 ");
    s.Pline({"0,-45", "80,-45"});
    s.Pline({"-50,-45", "-20,-45", "-50,-15", "-50,-45"});
    // Planned line every metre: tangents 10 .. 10.375, the parabola 10.5 .. 10.75 .. 10.5.
    s.Pline({"0,50", "5,51.25", "10,52.5", "15,53.75", "20,55", "25,56.09375", "30,56.875", "35,57.34375", "40,57.5",
             "45,57.34375", "50,56.875", "55,56.09375", "60,55", "65,53.75", "70,52.5", "75,51.25", "80,50"});
    // Vertical curve 4..12 m: both ends at 10.5 m.
    s.Pline({"20,55", "20,25"});
    s.Pline({"60,55", "60,25"});
    s.Pline({"20,27", "60,27"});
    // Title underlines: centre 40, half width 105, highest point 60 (ground at 8 m).
    s.Pline({"-110,130", "190,130"});
    s.Pline({"-110,132", "190,132"});

    // Band table.
    Rules(s, -50, -25);
    Rules(s, -20, 85);
    for (const double x : {-50, -25, -20})
        for (int l = 1; l <= 11; ++l) s.Pline({P(x, kBand[l] - 0.5), P(x, kBand[l + 1] + 0.5)});
    for (const double x : {0, 40, 80})
        for (int j = 2; j <= 11; ++j) s.Pline({P(x, kBand[j] - 0.5), P(x, kBand[j] + 0.5)});
    s.Pline({"9.5,-75", "14.5,-75", "14.5,-77", "25.5,-73", "25.5,-75", "30.5,-75"});  // rising
    s.Pline({"49.5,-75", "54.5,-75", "54.5,-73", "65.5,-77", "65.5,-75", "70.5,-75"}); // falling
    s.Pline({"0,-242.5", "80,-242.5"});
    for (const char* centre : {"0,-75 9.5", "40,-75 9.5", "80,-75 9.5"}) {
        s.Send("CIRCLE");
        s.Send(centre);
    }

    // Texts.
    s.Send("DTEXT ");
    s.Close();
    const char* titles[11][3] = {{"勾", "　", "配"}, {"盛", "  ", "土"}, {"切", "　", "土"}, {"計", "画", "高"},
                                 {"縦", "曲", "線"}, {"地", "盤", "高"}, {"単", "　", "距"}, {"測", "　", "点"},
                                 {"曲", "　", "線"}, {"片", "勾", "配"}, {"拡", "幅", "量"}};
    for (int l = 1; l <= 11; ++l)
        for (int j = 1; j <= 3; ++j) {
            const double length = std::string(titles[l - 1][j - 1]) == "  " ? 2 : 1;
            s.Text(P(-48 + 7 * j, Middle(l + 1) - length * 2.5), "5", "90", titles[l - 1][j - 1]);
        }
    // Labels reading upwards, centred with 0.78 x 4 mm per character.
    for (const auto& [x, label] : {std::pair{"0", "   0.00"}, {"40", "   8.00"}, {"80", "  16.00"}})
        s.Text(std::string(x) + ",-210.92", "4", "90", label);
    for (const char* x : {"40", "80"}) s.Text(std::string(x) + ",-187.8", "4", "90", " 8.00");
    for (const auto& [x, label] : {std::pair{"0", "  10.25"}, {"40", "  11.00"}, {"80", "   9.50"}})
        s.Text(std::string(x) + ",-170.92", "4", "90", label);
    for (const auto& [x, label] : {std::pair{"0", "  10.00"}, {"40", "  10.75"}, {"80", "  10.00"}})
        s.Text(std::string(x) + ",-135.92", "4", "90", label);
    s.Text("0,-115.3", "4", "90", " 0.25");  // cut
    s.Text("40,-115.3", "4", "90", " 0.25"); // cut
    s.Text("80,-100.3", "4", "90", " 0.50"); // fill
    for (const char* x : {"0", "40", "80"})
        s.Text(std::string(x) + ",-83", "4", "90", std::string(x) == "40" ? "  11" : "  10");
    s.Text("12,-73", "4", "0", "12.5%");
    s.Text("52,-73", "4", "0", "-12.5%");
    s.Text("-45,-50", "4", "0", "S=1:200");
    s.Text("-55,-40", "4", "90", "S=1:100");
    s.Text("-50,2", "4", "0", "D.L =   5.00");
    s.Text("-44,50", "4", "0", "     10.00");
    s.Text("-44,100", "4", "0", "     15.00");
    s.Text("-110,140", "30", "0", "縦　　断　　図");
    s.Text("32,27", "4", "0", "VC.L =   8.00 m");
    s.Close();
    return s;
}

class SheetStream : public profile_sheet_test::ProfileSheetTest {
protected:
    void SetUp() override {
        ProfileSheetTest::SetUp();
        SetRows({{0, 10.25f, 10, kEmpty}, {8, 11, 11, 8}, {16, 9.5f, 10, kEmpty}});
    }
    static std::filesystem::path Output(const std::string& name) {
        return std::filesystem::temp_directory_path() / name;
    }
};

TEST_F(SheetStream, SmallProfileSendBySendAndTheDrawingItMakes) {
    const auto sent = Press(Screen());
    ExpectSameStream(sent, HandWorkedSheet().lines);
    ASSERT_GT(sent.size(), 25u);
    EXPECT_EQ(sent[25], "PLINE -50,-65.5 -25,-65.5 \r"); // the band table's first rule
    EXPECT_TRUE(Messages().empty());

    ExpectCadIdleAndClean();
    EXPECT_EQ(Count<cad::Polyline>(), 123); // 13 profile lines, 110 of the band table
    EXPECT_EQ(Count<cad::Line>(), 12);      // the elevation scale
    EXPECT_EQ(Count<cad::Circle>(), 3);
    EXPECT_EQ(Count<cad::Text>(), 59);

    cad::view::RenderPng(drawing, Output("profile_sheet.png").string(), 1600, 1100);
    const std::string dxf = Output("profile_sheet.dxf").string();
    cad::dxf::WriteDxf(drawing, dxf);
    const std::string report = test_support::RunPython(R"(-c "
import sys, ezdxf, collections
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
kinds = collections.Counter(e.dxftype() for e in doc.modelspace())
print(sorted(kinds.items()))
texts = [e for e in doc.modelspace() if e.dxftype() == 'TEXT']
title = [t for t in texts if t.dxf.height == 30][0]
print(title.dxf.text, title.dxf.height, tuple(title.dxf.insert)[:2])
" )" + dxf);
    EXPECT_EQ(report, "errors 0 fixes 0\n"
                      "[('CIRCLE', 3), ('LINE', 12), ('LWPOLYLINE', 123), ('TEXT', 59)]\n"
                      "縦　　断　　図 30.0 (-110.0, 140.0)\n");
}

// A planned height of 12.34 m over a datum of 10 m at 1:100, computed in double from the
// single-precision table, prints with fifteen digits.
TEST_F(SheetStream, PlannedLinePointsInDoublePrecision) {
    SetRows({{0, 12.34f, 12.34f, kEmpty}, {1, 12.34f, 12.34f, kEmpty}});
    const auto sent = Press(Screen("200", "100", "10"));
    const std::string planned = "PLINE 0,23.4000015258789 5,23.4000015258789 \r";
    EXPECT_NE(std::find(sent.begin(), sent.end(), planned), sent.end());
    ExpectCadIdleAndClean();
}

// Two layers of 5 and 15 cm: their bottoms follow the planned line 0.05 and 0.20 m below it.
TEST_F(SheetStream, PavementBottomsFollowThePlannedLine) {
    作図画面& screen = Screen();
    screen.舗装(0).SetValue(forms::vbChecked);
    screen.舗装厚(0).SetText("5");
    screen.舗装(2).SetValue(forms::vbChecked);
    screen.舗装厚(2).SetText("15");
    const auto sent = Press(screen);
    const auto planned = std::find_if(sent.begin(), sent.end(),
                                      [](const std::string& l) { return l.rfind("PLINE 0,50 5,51.25 ", 0) == 0; });
    ASSERT_NE(planned, sent.end());
    // The heights less 0.05 and 0.05 + 0.15 in single precision, then less the datum in double.
    EXPECT_EQ(planned[1].substr(0, 84),
              "PLINE 0,49.4999980926514 5,50.7499980926514 10,51.9999980926514 15,53.2499980926514 ");
    EXPECT_EQ(planned[2].substr(0, 84),
              "PLINE 0,48.0000019073486 5,49.2500019073486 10,50.5000019073486 15,51.7500019073486 ");
    EXPECT_EQ(planned[3], "PLINE 20,55 20,25 \r"); // the curve marks follow
    ExpectCadIdleAndClean();
}

} // namespace
