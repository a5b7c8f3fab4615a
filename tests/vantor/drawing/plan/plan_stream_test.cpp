// The plan drawing as the CAD gets it: the exact lines for the one-curve plan, the parts alone,
// the sizes it refuses, and the end of the road, the edges and the IP count handled soundly.
#include "plan_fixture.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/sakuzuheimen.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <algorithm>

namespace {

using namespace 縦断bus;
using plan_test::RecordingCad;

constexpr PlanSettings kDefaults{500, 2, 20, 0.2}; // the drawing screen's defaults

class PlanStream : public plan_test::PlanTest {
protected:
    std::vector<std::string> Draw(const PlanOptions& options, const PlanSettings& settings = kDefaults) {
        cad_.executes.clear();
        forms::Get<作図画面>();
        forms::script::Reset();
        EXPECT_TRUE(cad_channel::RunDrawing([&] { drew_ = DrawPlan(settings, options); }));
        return Lines(cad_);
    }
    static long Count(const std::vector<std::string>& lines, const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    }
    RecordingCad cad_;
    bool drew_ = false;
};

// clang-format off
const std::vector<std::string> kCentreLine = {
    "LINE 0,0 100000,0 \r", "LINE 100000,0 100000,100000 \r", " \r\r",
    // BC, EC and centre of the curve
    "CIRCLE\r", "50000,0 100\r", "CIRCLE\r", "100000,50000 100\r", "CIRCLE\r", "50000,50000 100\r",
    // the stations (the start is station 1) and the end of the road
    "CIRCLE\r", "0,0 100\r", "CIRCLE\r", "40000,0 100\r", "CIRCLE\r", "78232.12,8733.22 100\r",
    "CIRCLE\r", "99272.48,41501.64 100\r", "CIRCLE\r", "100000,81460 100\r", "CIRCLE\r", "100000,100000 100\r",
    // a left curve runs from its BC
    "arc\r", "50000,0\r", "c\r", "50000,50000 100000,50000\r"};

const std::vector<std::string> kLabels = {
    "DTEXT \r", "\r\r",
    "0,10000\r", "1000\r", "90\r", "+ 0.00\r", "\r\r",
    "40000,10000\r", "1000\r", "90\r", "+ 40.00\r", "\r\r",
    "72585.7,16986.58\r", "1000\r", "124.3775\r", "+ 80.00\r", "\r\r",
    "89417.98,43201.32\r", "1000\r", "170.2141\r", "+ 120.00\r", "\r\r",
    "90000,81460\r", "1000\r", "-180\r", "+ 160.00\r", "\r\r",
    "\r\r"};

const std::vector<std::string> kEdges = {
    "LINE 0,3000 40000,3000 \r", "LINE 0,-3500 40000,-3500 \r",
    "LINE 40000,3000 76538.19,11209.23 \r", "LINE 40000,-3500 80208.37,5844.545 \r",
    "arc\r", "76538.19,11209.23\r", "c\r", "50000,50000 96316.13,42011.55\r",
    "arc\r", "80208.37,5844.545\r", "c\r", "50000,50000 102721.6,40906.76\r",
    "LINE 96316.13,42011.55 97000,81460 \r", "LINE 102721.6,40906.76 103500,81460 \r"};
// clang-format on

std::vector<std::string> Joined(std::initializer_list<const std::vector<std::string>*> parts) {
    std::vector<std::string> all;
    for (const auto* part : parts) all.insert(all.end(), part->begin(), part->end());
    return all;
}

TEST_F(PlanStream, OneCurvePlanExactly) {
    EXPECT_EQ(Draw({true, true, true}), Joined({&kCentreLine, &kLabels, &kEdges}));
    EXPECT_TRUE(drew_);
    EXPECT_EQ(mojidaka, 1000);
    EXPECT_EQ(enkei, 100.0f);
    EXPECT_EQ(mojiichi, 10000.0f);
    EXPECT_EQ(sokutenbangou, 6);
    EXPECT_EQ(sokutenx(0), 0.0f);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PlanStream, PartsRunAloneAndInTheirOwnOrder) {
    EXPECT_TRUE(Draw({}).empty());
    EXPECT_EQ(mojidaka, 1000); // the sizes are taken all the same
    EXPECT_EQ(Draw({true, false, false}), kCentreLine);
    EXPECT_EQ(Draw({false, false, true}), kLabels);
    EXPECT_EQ(Draw({false, true, true}), Joined({&kLabels, &kEdges}));
}

// The edges of a run without labels are those of the stations now, not what an earlier label
// run or station plot left in the edge tables.
TEST_F(PlanStream, EdgesWithoutLabelsUseTheStationsOfThisRun) {
    fukuinhidarix.Fill(12345);
    fukuinmigiy.Fill(-777);
    EXPECT_EQ(Draw({false, true, false}), kEdges);
    // Widths changed since the last labels: the edges follow them.
    Draw({false, false, true});
    for (int k = 1; k <= sokutensuu; ++k) yokodata(k, 2) = 5;
    const std::vector<std::string> edges = Draw({false, true, false});
    EXPECT_EQ(edges.front(), "LINE 0,5000 40000,5000 \r");
}

// A station without a width on a side leaves that side out of its two intervals.
TEST_F(PlanStream, NoEdgeToAStationWithoutWidth) {
    yokodata(3, 2) = kEmpty;
    const std::vector<std::string> edges = Draw({false, true, false});
    // clang-format off
    EXPECT_EQ(edges, (std::vector<std::string>{
                         "LINE 0,3000 40000,3000 \r", "LINE 0,-3500 40000,-3500 \r",
                         "LINE 40000,-3500 80208.37,5844.545 \r",
                         "arc\r", "80208.37,5844.545\r", "c\r", "50000,50000 102721.6,40906.76\r",
                         "LINE 96316.13,42011.55 97000,81460 \r", "LINE 102721.6,40906.76 103500,81460 \r"}));
    // clang-format on
}

// The last station on the curve: the entry after it is not the end of the road, whatever an
// earlier computation left there, so nothing is circled for it.
TEST_F(PlanStream, NoEndCircleWhenTheLastStationLiesOnTheCurve) {
    sokutenx(4) = 0;
    sokuteny(4) = 0;
    SetStations({0, 40, 80});
    std::vector<std::string> lines = Draw({true, false, false});
    EXPECT_EQ(Count(lines, "CIRCLE\r"), 3 + 3);
    EXPECT_EQ(Count(lines, "0,0 100\r"), 1); // station 1 alone
    sokutenx(4) = 12345;
    lines = Draw({true, false, false});
    EXPECT_EQ(Count(lines, "CIRCLE\r"), 3 + 3);
}

TEST_F(PlanStream, NoIpOneLineAndTheStationsOnly) {
    SetPolygon({{0, 0, 0}, {100, 0, 0}});
    SetStations({0, 50, 100});
    // clang-format off
    EXPECT_EQ(Draw({true, false, true}),
              (std::vector<std::string>{"LINE 0,0 100000,0 \r", " \r\r",
                                        "CIRCLE\r", "0,0 100\r", "CIRCLE\r", "50000,0 100\r", "CIRCLE\r", "100000,0 100\r",
                                        "DTEXT \r", "\r\r",
                                        "0,10000\r", "1000\r", "90\r", "+ 0.00\r", "\r\r",
                                        "50000,10000\r", "1000\r", "90\r", "+ 50.00\r", "\r\r",
                                        "100000,10000\r", "1000\r", "90\r", "+ 100.00\r", "\r\r",
                                        "\r\r"}));
    // clang-format on
}

// Twenty IPs: every leg, and three circles and an arc at each IP.
TEST_F(PlanStream, AsManyIpsAsTheTablesHold) {
    SetPolygon({{0, 0, 0},   {20, 10, 2},  {40, 0, 2},  {60, 10, 2},  {80, 0, 2},  {100, 10, 2},
                {120, 0, 2}, {140, 10, 2}, {160, 0, 2}, {180, 10, 2}, {200, 0, 2}, {220, 10, 2},
                {240, 0, 2}, {260, 10, 2}, {280, 0, 2}, {300, 10, 2}, {320, 0, 2}, {340, 10, 2},
                {360, 0, 2}, {380, 10, 2}, {400, 0, 2}, {420, 10, 0}});
    ASSERT_EQ(ipsuu, 20);
    SetStations({0});
    const std::vector<std::string> lines = Draw({true, false, false});
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("LINE "); }),
              21);
    EXPECT_EQ(lines[20], "LINE 400000,0 420000,10000 \r");
    EXPECT_EQ(Count(lines, "arc\r"), 20);
    EXPECT_EQ(Count(lines, "CIRCLE\r"), 3 * 20 + 1);

    ipsuu = 50; // start, 50 IPs and end do not fit the IP tables
    EXPECT_TRUE(Draw({true, false, false}).empty());
    EXPECT_FALSE(drew_);
    EXPECT_EQ(Messages(), std::vector<std::string>{"ＩＰが50あります。49までしか扱えません。"});
}

TEST_F(PlanStream, TextHeightRoundsHalfToEven) {
    for (const auto& [scale, size, height] :
         {std::tuple{500.0, 2.5, 1250}, {1.0, 2.5, 2}, {1.0, 3.5, 4}, {200.0, 1.234, 247}}) {
        Draw({}, {scale, size, 20, 0.2});
        EXPECT_EQ(mojidaka, height) << scale << " x " << size;
    }
}

// Sizes that would send a radius or a text height of 0, a negative one or one beyond the
// 16-bit text height: told, nothing sent, the last sizes kept.
TEST_F(PlanStream, UnusableSizesAreRefused) {
    Draw({});
    const struct {
        PlanSettings settings;
        const char* message;
    } cases[] = {
        {{0, 2, 20, 0.2}, "縮尺には０より大きい数値を入力してください。"},
        {{-500, 2, 20, 0.2}, "縮尺には０より大きい数値を入力してください。"},
        {{500, 0, 20, 0.2}, "文字サイズには０より大きい数値を入力してください。"},
        {{500, 2, 20, 0}, "測点表示円の大きさには０より大きい数値を入力してください。"},
        {{500, 0.0009, 20, 0.2}, "文字の高さ（縮尺×文字サイズ＝0.45）は1から32767までにしてください。"},
        {{10000, 3.3, 20, 0.2}, "文字の高さ（縮尺×文字サイズ＝33000）は1から32767までにしてください。"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Draw({true, true, true}, c.settings).empty()) << c.message;
        EXPECT_FALSE(drew_);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(mojidaka, 1000);
        EXPECT_EQ(enkei, 100.0f);
    }
    Draw({}, {10000, 3.2767, 20, 0.2});
    EXPECT_EQ(mojidaka, 32767);
}

} // namespace
