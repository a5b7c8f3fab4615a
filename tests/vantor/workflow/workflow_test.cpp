// One road from New to the drawing in the CAD and back from its saved document: the profile
// typed into the grid, the CAD started from the 作図 menu, the IPs picked in it, the centre line
// with its stations, the cross slopes, the profile sheet, the plan, every cross-section, the
// ground and cut/fill points picked in the CAD, the earthwork areas, the shoulder lines and the
// 3D model; the drawing saved as DXF as the CAD is closed, audited by ezdxf and its geometry
// checked against the road worked out independently, the document
// saved, read by xlrd, and opened again in a new run with a CAD started anew.
#include "workflow_fixture.h"

#include "tests/support/run_python.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/earthwork/土坪画面.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"
#include "vantor/sections/editors/現況横断図.h"
#include "vantor/sections/横断勾配入力画面.h"
#include "vantor/sections/横断図作図データー設定画面.h"
#include "vantor/shoulder3d/model3d/設定3D画面.h"
#include "vantor/shoulder3d/shoulder/色設定画面.h"
#include "vantor/shoulder3d/shoulder/路肩作図設定画面.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <tuple>

namespace workflow_test {
namespace {

using namespace 縦断bus;

constexpr int kSurveyed = 35; // stations every 20 m from 0 to 680 m

// Reference planned heights at the gradient changes and the vertical curves on them:
// +2 % to 160 m, -1 % to 340 m, +1 % to 500 m, -1 % to the end.
const std::map<int, std::pair<const char*, const char*>> kChanges = {
    {0, {"50", ""}}, {160, {"53.2", "60"}}, {340, {"51.4", "80"}}, {500, {"53", "60"}}, {680, {"51.2", ""}}};

// Ground heights 49.0 .. 53.9 m, a tenth apart in a scattered order.
std::string GroundAt(int row) { return rt::CStr(49 + (row * 37 % 50) / 10.0); }

// Start, a 120 m curve turning left 45°, a 150 m curve turning right 45°, end: legs of 250,
// 200 and 250 m, 688.38 m of centre line; picked in millimetres.
// clang-format off
const std::vector<AlignmentPoint> kAlignment = {{{0, 0}, 0},
                                                {{250000, 0}, 120},
                                                {{391421.356, 141421.356}, 150},
                                                {{641421.356, 141421.356}, 0}};
// clang-format on

// The ground picked on each station's view of the block GEN1 [mm]: its vertices from the
// centre outwards.
std::vector<Pick> GroundPicks(int, int side) {
    if (side == 0) return {{0, 0}, {-2000, 100}, {-8000, -300}, {-15000, -800}};
    return {{0, 0}, {4000, -200}, {10000, 600}, {15000, 1200}};
}
// The formation picked on each station's planned section: the centre at the planned height
// over the ground there, the edges at the station's widths and cross slopes.
std::vector<Pick> FormationPicks(int station, int side) {
    const double centre = tatedata(station, 6) * 1000.0;
    const double width = yokodata(station, side == 0 ? 2 : 9), slope = yokodata(station, side == 0 ? 3 : 8);
    return {{0, centre}, {(side == 0 ? -1000 : 1000) * width, centre - width * slope * 10}};
}

// Every table the workbook carries, with its name.
constexpr const char* kDocumentTableNames[] = {
    "sokutensuu", "tatedata",      "yokodata",    "yokosakuzudata", "rokatadata",   "ipsuu",      "ipx",      "ipy",
    "iphankei",   "genkyouhidari", "genkyoumigi", "kirimorihidari", "kirimorimigi", "zahyoudata", "zahyousuu"};
// Left out are what the screens derive and the workbook does not keep: the profile's column 8
// (distance from the previous station, written by the profile drawing) and the station texts
// of the section table (filled from the profile by the section screens).
auto DocumentTables() {
    auto profile = tatedata;
    auto sections = yokosakuzudata;
    for (int r = 0; r <= 500; ++r) profile(r, 8) = 0;
    for (int r = 0; r <= 200; ++r) sections(r, 0).clear();
    return std::make_tuple(sokutensuu, profile, yokodata, sections, rokatadata, ipsuu, ipx, ipy, iphankei,
                           genkyouhidari, genkyoumigi, kirimorihidari, kirimorimigi, zahyoudata, zahyousuu);
}
// The names of the tables that differ between two snapshots.
template <class Tuple>
std::vector<std::string> Differing(const Tuple& a, const Tuple& b) {
    std::vector<std::string> names;
    // clang-format off
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((std::get<I>(a) == std::get<I>(b) ? void() : names.push_back(kDocumentTableNames[I])), ...);
    }(std::make_index_sequence<std::tuple_size_v<Tuple>>());
    // clang-format on
    return names;
}
// What is computed again from them, not stored.
auto PlanPositions() { return std::make_tuple(heimensokutensuu, sokutenkyori, sokutenx, sokuteny); }
auto Areas() { return std::make_tuple(kiridomenseki, moridomenseki, umemodoshimenseki); }
// The model's points of every station's sub-points (its tables are too large to copy whole).
std::vector<float> Model3d() {
    std::vector<float> points{static_cast<float>(d3sokutensuu)};
    for (int i = 1; i <= d3sokutensuu; ++i)
        for (int s = 0; s <= d3tensuu(i); ++s) {
            for (int axis = 1; axis <= 3; ++axis) points.push_back(d3chuushin(i, s, axis));
            for (const auto* edge : {&d3hidarix, &d3hidariy, &d3hidariz, &d3migix, &d3migiy, &d3migiz})
                points.push_back((*edge)(i, s));
        }
    return points;
}

// The drawing as ezdxf reads it. The 3D model: 41 intervals between the 42 stations, 28 of
// them 20 m long in 40 pieces of 0.5 m and 13 shorter ones in 263 pieces, so 1383 pieces on
// each of its 3 chains, with a width line each side and a height line at every station:
// 3 x 1383 + 3 x 42 = 4275 lines with a height. The shoulder lines run over the 41 intervals,
// as arcs over the 6 and 8 intervals of the two curves: left L1 red, right L1 blue; the CAD's
// current colour stays blue after them, so the 3D model is blue too (27 + 4275 lines). The
// plan's centre line and road edges add 2 + 2 x 14 arcs, and every section its ground polyline
// (green in the block GEN1).
constexpr char kDrawing[] = "errors 0 fixes 0\n"
                            "ARC 58\n"
                            "CIRCLE 46\n"
                            "INSERT 1\n"
                            "LINE 4638\n"
                            "LWPOLYLINE 44\n"
                            "TEXT 460\n"
                            "3D LINE 4275\n"
                            "colour 1 ARC 14\n"
                            "colour 1 LINE 27\n"
                            "colour 3 LWPOLYLINE 42\n"
                            "colour 5 ARC 14\n"
                            "colour 5 LINE 4302\n"
                            "colour 256 ARC 30\n"
                            "colour 256 CIRCLE 46\n"
                            "colour 256 INSERT 1\n"
                            "colour 256 LINE 309\n"
                            "colour 256 LWPOLYLINE 2\n"
                            "colour 256 TEXT 460\n";

std::string SevenDigits(float value) {
    if (value == kEmpty) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return text;
}

// The workbook as xlrd reads it: the profile rows and the IP points of the tables, and the
// cells of every sheet below its title and headers. Per station: the profile's station,
// ground, planned height, cut/fill and gradient (42 x 5) with 5 reference heights and 3 curve
// lengths; eight numbers of the cross-slope row (42 x 8) with 2 reference slopes a side, and
// its six section texts (42 x 6); the nine shoulder offsets (42 x 9); 4 ground points a side
// (42 x 16 texts) and 2 cut/fill points a side (42 x 8 texts). The IP sheet: number, X and Y
// of the 4 points and the 2 radii. No station coordinates were sent to their sheet.
std::string ExpectedWorkbook() {
    std::string out = "sheets 切盛ﾗｲﾝ入力ｼｰﾄ,現況横断ｼｰﾄ,縦断ｼｰﾄ,横断ｼｰﾄ,ＩＰ座標入力,路肩ｼｰﾄ,座標値ｼｰﾄ\n";
    for (int r = 1; r <= sokutensuu; ++r)
        out += "profile " + SevenDigits(tatedata(r, 1)) + "\t" + SevenDigits(tatedata(r, 2)) + "\t" +
               SevenDigits(tatedata(r, 3)) + "\t" + SevenDigits(tatedata(r, 4)) + "\n";
    for (int p = 0; p <= ipsuu + 1; ++p)
        out += "ip " + SevenDigits(ipx(p) / 1000) + "\t" + SevenDigits(ipy(p) / 1000) + "\t" +
               (iphankei(p) == 0 ? "" : SevenDigits(iphankei(p) / 1000)) + "\n";
    out += "cells 切盛ﾗｲﾝ入力ｼｰﾄ 0 337\n"
           "cells 現況横断ｼｰﾄ 0 673\n"
           "cells 縦断ｼｰﾄ 218 10\n"
           "cells 横断ｼｰﾄ 340 274\n"
           "cells ＩＰ座標入力 14 12\n"
           "cells 路肩ｼｰﾄ 378 10\n"
           "cells 座標値ｼｰﾄ 0 4\n";
    return out;
}

// The road as check_geometry.py works it out for itself: the alignment, the widths (3 m left,
// 3.5 m right), the shoulder line L1 left (4.5 m, red), the gradient changes, the cross slopes
// at the first and last station, the 3D model's datum and the drawing scale 1:500. Checked at
// stations on the straights and on both curves outside the vertical curves, and on one
// interval of each curve.
std::string RoadDescription() {
    std::string points, radii;
    for (const AlignmentPoint& p : kAlignment) {
        points +=
            std::string(points.empty() ? "" : ", ") + "[" + rt::CStr(p.at.first) + ", " + rt::CStr(p.at.second) + "]";
        radii += std::string(radii.empty() ? "" : ", ") + rt::CStr(p.radius);
    }
    std::string changes;
    for (const auto& [station, change] : kChanges)
        changes += std::string(changes.empty() ? "" : ", ") + "[" + rt::CStr(station) + ", " + change.first + "]";
    // clang-format off
    return "{\"points\": [" + points + "], \"radii\": [" + radii + "], \"left\": 3, \"right\": 3.5, "
           "\"shoulder\": [4.5, 1], \"changes\": [" + changes + "], \"datum\": 40, \"scale\": 500, "
           "\"slopes_left\": [2, 2], \"slopes_right\": [2, -3], "
           "\"stations\": [100, 220, 240, 440, 600], \"intervals\": [[220, 240], [420, 440]]}";
    // clang-format on
}

std::string ExpectedGeometry() {
    std::string out = "plan curve 1: ok\nplan curve 2: ok\n";
    for (const char* s : {"100", "220", "240", "440", "600"})
        for (const char* check : {"plan edge left ", "plan edge right ", "shoulder "})
            out += check + std::string(s) + ": ok\n";
    for (const char* interval : {"220-240", "420-440"})
        for (const char* check : {"plan edge left arc ", "plan edge right arc ", "shoulder arc "})
            out += check + std::string(interval) + ": ok\n";
    for (const char* s : {"100", "220", "240", "440", "600"})
        for (const char* side : {"left ", "right "}) out += "3d edge " + std::string(side) + s + ": ok\n";
    return out;
}

class Workflow : public WorkflowTest {
protected:
    // New, and the surveyed profile typed row by row; the curve lengths last, once every
    // gradient change has its height.
    static void TypeProfile() {
        ClickTool("新規");
        for (int r = 1; r <= kSurveyed; ++r) {
            const int station = (r - 1) * 20;
            grid_test::TypeIntoProfileGrid(r, 0, rt::CStr(station));
            grid_test::TypeIntoProfileGrid(r, 1, GroundAt(r));
            if (const auto c = kChanges.find(station); c != kChanges.end())
                grid_test::TypeIntoProfileGrid(r, 2, c->second.first);
        }
        for (const auto& [station, change] : kChanges)
            if (*change.second) grid_test::TypeIntoProfileGrid(station / 20 + 1, 3, change.second);
        ClickTool("転送");
    }

    // The drawing screen as the user finds it when coming back to it.
    static 作図画面& ShownDrawingScreen() {
        EXPECT_TRUE(DrawingScreen().Visible());
        return DrawingScreen();
    }

    // ｾﾝﾀｰ・測点作図 from the plan page of the drawing screen.
    static void PlaceCentreLine() {
        MainWindow().lt_Click();
        ShownDrawingScreen().作図平面_Click();
    }

    static void DrawProfileSheet() { ShownDrawingScreen().作図開始ボタン_Click(); }

    // The ground heights of the stations the centre line added, typed into the profile grid
    // (they are needed for the sections there) and sent to the sheet.
    static void TypeAddedGroundHeights() {
        for (int r = 1; r <= sokutensuu; ++r)
            if (tatedata(r, 2) == kEmpty) grid_test::TypeIntoProfileGrid(r, 1, "51.5");
        ClickTool("転送");
    }

    // Widths for every station, reference slopes at both ends, sent to the sheet, and the
    // plan drawn with its centre line, road edges and station labels.
    static void CrossSlopesAndPlan() {
        横断勾配入力画面& slopes = forms::Get<横断勾配入力画面>();
        slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("設定"));
        slopes.幅(0).SetText("3.5");
        slopes.幅(1).SetText("3");
        slopes.幅員ボタン_Click(0);
        TypeCell(slopes, 1, 3, "2");
        TypeCell(slopes, 1, 6, "2");
        TypeCell(slopes, sokutensuu, 3, "2");
        TypeCell(slopes, sokutensuu, 6, "-3");
        slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("転送"));
        slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("作図"));
        作図選択画面& plan = forms::Get<作図選択画面>();
        for (int part = 0; part <= 2; ++part) plan.作図ボタン(part).SetValue(forms::vbChecked);
        plan.作図_Click();
        plan.戻るボタン_Click();
        slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("戻る"));
    }

    // Every station with the example blocks, sent to the sheet and drawn.
    static void DrawSections() {
        ShownDrawingScreen().横断図データー設定画面表示ボタン_Click();
        横断図作図データー設定画面& data = forms::Get<横断図作図データー設定画面>();
        for (int r = 1; r <= sokutensuu; ++r) {
            TypeCell(data, r, 1, "GEN1");
            TypeCell(data, r, 2, "KEI1");
        }
        data.Toolbar1_ButtonClick(data.Toolbar1.Buttons("転送"));
        data.Toolbar1_ButtonClick(data.Toolbar1.Buttons("作図"));
    }

    // The ground and the excavation lines picked at every station, each sent to its sheet,
    // then the areas of all stations.
    void PickSectionsAndComputeAreas() {
        横断図作図データー設定画面& data = forms::Get<横断図作図データー設定画面>();
        data.Toolbar1_ButtonClick(data.Toolbar1.Buttons("面積"));
        forms::Get<面積計算選択画面>().選択ボタン_Click(0);
        現況横断図& ground = forms::Get<現況横断図>();
        PickEveryStation(ground, sokutensuu, GroundPicks);
        ground.転送ボタン_Click();
        ground.切盛ボタン_Click();
        切盛ライン設定画面& cut = forms::Get<切盛ライン設定画面>();
        PickEveryStation(cut, sokutensuu, FormationPicks);
        cut.転送ボタン_Click();
        cut.面積表示ボタン_Click();
        ComputeAreas();
        LeaveEarthworkScreen();
    }
    static void ComputeAreas() { forms::Get<土坪画面>().一括計算_Click(); }
    // Back from the earthwork screen through the area menu and the section data screen.
    static void LeaveEarthworkScreen() {
        forms::Get<土坪画面>().戻るボタン_Click();
        forms::Get<面積計算選択画面>().選択ボタン_Click(3);
        横断図作図データー設定画面& data = forms::Get<横断図作図データー設定画面>();
        data.Toolbar1_ButtonClick(data.Toolbar1.Buttons("戻る"));
    }
    // The areas of every station from the points read with the document.
    static void RecomputeAreas() {
        ShownDrawingScreen().横断図データー設定画面表示ボタン_Click();
        横断図作図データー設定画面& data = forms::Get<横断図作図データー設定画面>();
        data.Toolbar1_ButtonClick(data.Toolbar1.Buttons("面積"));
        forms::Get<面積計算選択画面>().選択ボタン_Click(2);
        ComputeAreas();
        LeaveEarthworkScreen();
    }

    // Offset lines 4.5 m left and 5 m right of every station, drawn red and blue.
    static void DrawShoulderLines() {
        ShownDrawingScreen().路肩法尻_Click();
        路肩作図設定画面& shoulder = forms::Get<路肩作図設定画面>();
        for (int r = 1; r <= sokutensuu; ++r) {
            TypeCell(shoulder, r, 3, "4.5");
            TypeCell(shoulder, r, 5, "5");
        }
        shoulder.Toolbar1_ButtonClick(shoulder.Toolbar1.Buttons("ﾍﾟﾝ色"));
        色設定画面& colours = forms::Get<色設定画面>();
        colours.OC(0 * 8 + 1).SetValue(true); // left L1 red
        colours.OC(4 * 8 + 5).SetValue(true); // right L1 blue
        colours.Command1_Click();
        shoulder.LINEチェック(0).SetValue(forms::vbChecked);
        shoulder.LINEチェック(4).SetValue(forms::vbChecked);
        shoulder.Toolbar1_ButtonClick(shoulder.Toolbar1.Buttons("作図"));
        shoulder.Toolbar1_ButtonClick(shoulder.Toolbar1.Buttons("転送"));
        shoulder.Toolbar1_ButtonClick(shoulder.Toolbar1.Buttons("戻る"));
    }

    // The 3D model over datum 40 m with width lines at the stations and height lines.
    static void DrawModel3d() {
        ShownDrawingScreen().D3ボタン.OnClick();
        設定3D画面& settings = forms::Get<設定3D画面>();
        settings.DL.SetText("40");
        settings.幅員op(1).SetValue(true);
        settings.高さチェック.SetValue(forms::vbChecked);
        settings.D3ボタン_Click();
        settings.戻りボタン_Click();
    }

    void SaveDocument(const std::string& path) {
        forms::script::QueueFileName(path);
        ClickTool("保存");
    }
    static void OpenDocument(const std::string& path) {
        forms::script::QueueFileName(path);
        ClickTool("開く");
    }
};

TEST_F(Workflow, RoadFromNewToTheCadAndBackFromItsDocument) {
    TypeProfile();
    ASSERT_EQ(keikokuflg, 0);
    ASSERT_EQ(sokutensuu, kSurveyed);
    EXPECT_EQ(kyokusensuu, 3);
    // 320 m lies 20 m into the 80 m curve at 340 m: 51.8 - 0.01 x 20 + 0.02 x 20² / (2 x 80).
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.TextMatrix(17, 4), "51.65");

    StartCadFromMenu();
    EnterIps(kAlignment);
    // Picked in millimetres, shown in metres.
    EXPECT_EQ(forms::Get<IP入力画面>().グリッド.TextMatrix(3, 0), "391.4214");
    EXPECT_EQ(forms::Get<IP入力画面>().グリッド.TextMatrix(3, 1), "141.4214");
    forms::script::Reset();
    PlaceCentreLine();
    ASSERT_EQ(Messages().size(), 1u); // the note on the stations the curves add
    // The start falls on the surveyed 0 m; BC, middle and EC of both curves and the end of the
    // centre line at 688.38 m are added.
    ASSERT_EQ(sokutensuu, kSurveyed + 7);
    ASSERT_LE(sokutensuu, 50);
    EXPECT_EQ(heimensokutensuu, sokutensuu);
    EXPECT_NEAR(tatedata(sokutensuu, 1), 688.38, 0.01);
    // The end of the centre line, 688.382 m worked by hand, in single precision.
    EXPECT_NEAR(sokutenx(sokutensuu), 641421.356, 5);
    EXPECT_NEAR(sokuteny(sokutensuu), 141421.356, 5);

    forms::script::Reset();
    TypeAddedGroundHeights();
    EXPECT_EQ(keikokuflg, 0);
    CrossSlopesAndPlan();
    DrawProfileSheet();
    DrawSections();
    PickSectionsAndComputeAreas();
    DrawShoulderLines();
    DrawModel3d();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    // At 0 m the road lies 2.7 m below the ground: the cut between the ground and the
    // formation with its 1:1.2 slopes, worked by hand, is 12.69 m² left (to the slope's top at
    // 6.10 m) and 13.77 m² right (at 7.08 m).
    EXPECT_EQ(kiridomenseki(1), 26.5f);
    EXPECT_EQ(moridomenseki(1), 0);
    // At 200 m it lies 3.1 m above: fill only.
    EXPECT_EQ(kiridomenseki(11), 0);
    EXPECT_GT(moridomenseki(11), 30);
    EXPECT_EQ(d3sokutensuu, sokutensuu);
    EXPECT_TRUE(Cad().commandLine().IsIdle()) << Cad().commandLine().Prompt();
    EXPECT_EQ(Cad().commandLine().RejectionCount(), 0u);

    const std::string dxf = PathOf("road.dxf");
    CloseCadSavingDxf(dxf);
    ASSERT_TRUE(std::filesystem::exists(dxf));
    const std::string book = PathOf("road.xls");
    SaveDocument(book);
    ASSERT_TRUE(std::filesystem::exists(book));
    EXPECT_EQ(test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/workflow/audit_dxf.py " + dxf), kDrawing);
    EXPECT_EQ(test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/workflow/read_workbook.py " + book),
              ExpectedWorkbook());
    const std::string road = PathOf("road.json");
    std::ofstream(road) << RoadDescription();
    EXPECT_EQ(test_support::RunPython(VANTOR_SOURCE_DIR "/tests/vantor/workflow/check_geometry.py " + dxf + " " + road),
              ExpectedGeometry());

    const auto tables = DocumentTables();
    const auto positions = PlanPositions();
    const auto areas = Areas();
    const auto model = Model3d();

    // A new run opens the document: the tables as they were saved.
    StartProgram();
    OpenDocument(book);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(Differing(DocumentTables(), tables), std::vector<std::string>{});

    // The plan positions, the areas and the 3D model computed again from what was read, in a
    // CAD started anew.
    StartCadFromMenu();
    forms::script::Reset();
    PlaceCentreLine();
    EXPECT_EQ(Differing(DocumentTables(), tables), std::vector<std::string>{});
    EXPECT_TRUE(PlanPositions() == positions);
    横断勾配入力画面& slopes = forms::Get<横断勾配入力画面>();
    slopes.Toolbar1_ButtonClick(slopes.Toolbar1.Buttons("戻る"));
    RecomputeAreas();
    EXPECT_TRUE(Areas() == areas);
    DrawModel3d();
    EXPECT_TRUE(Model3d() == model);
    EXPECT_EQ(Messages().size(), 1u); // the note of the centre line only
}

} // namespace
} // namespace workflow_test
