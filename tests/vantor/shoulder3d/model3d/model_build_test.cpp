// The model's tables on the curved road: every centre vertex on the alignment, every edge at its
// width across the tangent, heights from the profile above the datum; the last station's row;
// the chainages the placement must handle soundly; and the inputs the model refuses.
#include "model3d_fixture.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/model3d/keisanzahyou.h"

namespace {

using namespace 縦断bus;

constexpr Model3dSettings kSettings{5, 500}; // DL 5 m, 縮尺 500

class ModelBuild3d : public model3d_test::Model3dTest {};

TEST_F(ModelBuild3d, VerticesLieOnTheRoadAtTheirWidthsAndHeights) {
    ASSERT_EQ(ModelFault(), "");
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    ASSERT_EQ(d3sokutensuu, 9);
    int vertices = 0;
    for (int i = 1; i <= 9; ++i) {
        const int last = i < 9 ? 39 : 0;
        ASSERT_EQ(d3tensuu(i), last) << i;
        for (int s = 0; s <= last; ++s) {
            const double c = 20000.0 * (i - 1) + 500.0 * s;
            const Hand h = CurvedRoadAt(c);
            const double cx = d3chuushin(i, s, 1), cy = d3chuushin(i, s, 2), cz = d3chuushin(i, s, 3);
            EXPECT_LT(std::hypot(cx - h.x, cy - h.y), 1.0) << "centre " << i << "," << s;
            EXPECT_NEAR(cz, (h.height - 5) * 1000, 1.0) << "centre Z " << i << "," << s;

            // Left edge on the road's left normal (-ty, tx), right edge on the right one.
            const double tx = h.tx, ty = h.ty;
            const struct {
                double x, y, z, drawn, width, slope, side;
            } edges[] = {{d3hidarix(i, s), d3hidariy(i, s), d3hidariz(i, s), d3hidarizsakuzu(i, s), h.left, 2, 1},
                         {d3migix(i, s), d3migiy(i, s), d3migiz(i, s), d3migizsakuzu(i, s), h.right, h.rightSlope, -1}};
            for (const auto& e : edges) {
                const double ex = e.x - cx, ey = e.y - cy;
                EXPECT_NEAR((ex * -ty + ey * tx) * e.side, e.width, 0.5) << i << "," << s << " side " << e.side;
                EXPECT_LT(std::fabs(ex * tx + ey * ty), 0.5) << "along the tangent " << i << "," << s;
                const double drop = e.width * e.slope / 100;
                EXPECT_NEAR(e.z, cz - drop, 0.5) << i << "," << s;
                EXPECT_NEAR(e.drawn, cz - drop * 5, 2.5) << i << "," << s;
            }
            ++vertices;
        }
    }
    EXPECT_EQ(vertices, 8 * 40 + 1);
}

TEST_F(ModelBuild3d, LastStationRowIsWrittenForTheCoordinateConversion) {
    d3chuushin(9, 0, 1) = 123; // as an earlier run with other stations might have left it
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    EXPECT_NEAR(d3chuushin(9, 0, 1), 100000, 0.01);
    EXPECT_NEAR(d3chuushin(9, 0, 2), 81460.2, 0.5);
    EXPECT_NEAR(d3chuushin(9, 0, 3), 6000, 0.5);
    EXPECT_EQ(d3sokutenz(9), d3chuushin(9, 0, 3));
    // Heading +Y: left edge towards -X at 3 m, right towards +X at 4.5 m, the right slope -4 %.
    EXPECT_NEAR(d3hidarix(9, 0), 97000, 0.01);
    EXPECT_NEAR(d3migix(9, 0), 104500, 0.01);
    EXPECT_NEAR(d3migiy(9, 0), 81460.2, 0.5);
    EXPECT_NEAR(d3migiz(9, 0), 6000 + 4500 * 0.04, 0.5);
}

TEST_F(ModelBuild3d, OwnCountersLeaveTheSectionBlocksAlone) {
    danmensuu = 7;
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    EXPECT_EQ(danmensuu, 7);
}

TEST_F(ModelBuild3d, ChainageBeforeTheStartLiesOnTheFirstStraightExtended) {
    SetRoad({{-20, 10, {}, 3, 3, 2, 2}, {0, 10.5f}, {20, 11, {}, 3, 3, 2, 2}});
    ASSERT_EQ(ModelFault(), "");
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    EXPECT_NEAR(d3chuushin(1, 0, 1), -20000, 0.01);
    EXPECT_NEAR(d3chuushin(1, 20, 1), -10000, 0.01);
    EXPECT_NEAR(d3chuushin(1, 20, 2), 0, 0.01);
    EXPECT_NEAR(d3chuushin(1, 20, 3), 5250, 0.5); // 2.5 % up through -10 m
    EXPECT_NEAR(d3hidariy(1, 20), 3000, 0.01);    // left of +X is +Y
}

TEST_F(ModelBuild3d, CurveStartLiesOnTheStraightAndGivesTheBc) {
    d3kyori = 50000;
    d3bangou = 0;
    keisanzahyou();
    EXPECT_NEAR(d3x, 50000, 0.01);
    EXPECT_NEAR(d3y, 0, 0.01);
    EXPECT_EQ(sayuu(1), -1.0f); // the station computation's side table stays as it was
    sayuu(1) = 0;
    d3kyori = 60000;
    keisanzahyou();
    EXPECT_EQ(sayuumoji, "hidari");
    EXPECT_EQ(sayuu(1), 0.0f);
}

TEST_F(ModelBuild3d, IntervalsUpToTheSubPointTableAreModelled) {
    SetStraightRoad({0, 500.5f});
    ASSERT_EQ(ModelFault(), "");
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    EXPECT_EQ(d3tensuu(1), 1000);
    EXPECT_NEAR(d3chuushin(1, 1000, 1), 500000, 0.05);
}

TEST_F(ModelBuild3d, RefusesWhatItCannotModel) {
    // A station moved and placed again on the plan at its new chainage.
    const auto move = [](int row, float metres) {
        tatedata(row, 1) = metres;
        sokutenbangou = row;
        sokutenkyori(row) = metres * 1000;
        keisansokutenzahyou();
    };
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* fault;
    } cases[] = {
        {"one station", [] { sokutensuu = heimensokutensuu = 1; }, "測点が２つ以上ないと"},
        {"no alignment", [] { hojokyori = 0; }, "測点の平面位置がありません。"},
        {"stations changed since", [] { tatedata(3, 1) = 41; }, "測点の平面位置がありません。"},
        {"equal stations", [&] { move(3, 20); }, "測点 20 が前の測点 20 より先にありません。"},
        {"interval over 500 m", [&] { move(9, 640.6f); }, "測点 140 から測点 640.6 までが500ｍを超えています。"},
        {"one gradient-change point", [] { henkatensuu = 1; }, "縦断の勾配変化点が２点未満"},
        // Planned heights not of the current profile input: the computation stopped on a
        // negative curve length, or lost its change points, or an edit check's warning stands.
        {"profile stopped", [] { tatedata(5, 4) = -60, keisantate(); }, "縦断の計画高が今の入力で計算されていません"},
        {"change points lost", [] { tatedata(5, 3) = tatedata(9, 3) = kEmpty, keisantate(); },
         "縦断の計画高が今の入力で計算されていません"},
        {"warning standing", [] { keikokuflg = 1; }, "縦断の計画高が今の入力で計算されていません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurvedRoad();
        c.arrange();
        EXPECT_EQ(ModelFault().rfind(c.fault, 0), 0u) << ModelFault();
    }
}

TEST_F(ModelBuild3d, PointsThatCannotBePlacedAreRefusedWhole) {
    ipkyori(ipsuu + 1) = 0; // the last leg without length: the points beyond the EC divide by 0
    const auto build = BuildModel(kSettings);
    EXPECT_EQ(build.fault.rfind("測点 120 付近の位置を平面線形から求められません", 0), 0u) << build.fault;
    EXPECT_EQ(d3sokutensuu, 0);
}

TEST_F(ModelBuild3d, EdgesWithoutWidthOrSlopesAreLeftOut) {
    yokodata(5, 2) = kEmpty; // no left width at 80 m
    migikijunsuu = 1;        // one change point on the right
    const auto build = BuildModel(kSettings);
    ASSERT_EQ(build.fault, "");
    EXPECT_NE(d3hidarix(4, 0), kEmpty);
    EXPECT_EQ(d3hidarix(4, 1), kEmpty);
    EXPECT_EQ(d3hidarizsakuzu(4, 39), kEmpty);
    EXPECT_EQ(d3hidarix(5, 0), kEmpty);
    EXPECT_EQ(d3hidariz(5, 20), kEmpty);
    EXPECT_NE(d3hidarix(6, 0), kEmpty);
    for (int s = 0; s <= 39; ++s) EXPECT_EQ(d3migix(2, s), kEmpty);
    EXPECT_EQ(ModelNotice(build), "右側の横断勾配の基準点が２点未満なので、右の端部は作図していません。\n"
                                  "左の幅員が未入力の測点（80）では、左の端部を作図していません。");
}

// A station whose chainage in millimetres is no whole number (123.45 m is 123449.997 mm in the
// station table's single precision) keeps its own width at its own point when the next station
// has none.
TEST_F(ModelBuild3d, AStationAtAFractionOfAMillimetreKeepsItsOwnWidth) {
    SetStraightRoad({100, 123.45f, 140});
    yokodata(3, 2) = kEmpty; // no left width at the last station
    ASSERT_EQ(BuildModel(kSettings).fault, "");
    ASSERT_NE(d3hidarix(2, 0), kEmpty);
    EXPECT_NEAR(d3hidariy(2, 0) - d3chuushin(2, 0, 2), 3000, 0.5);
    EXPECT_EQ(d3hidarix(2, 1), kEmpty);
}

} // namespace
