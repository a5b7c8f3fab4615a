// Every shape of stream the drawing program sends, byte for byte as one DDE execute per send,
// with the program's own example values: each leaves the expected entities, the prompt idle and
// the rejection log empty (the redefine "Y" for a new block name is the one expected refusal).
#include "channel_fixture.h"

#include "cad/dxf/block_library.h"

#include <array>
#include <functional>

using namespace cad;

namespace {

void LoadExampleBlock(std::string_view name, Drawing& d) {
    std::vector<std::string> warnings;
    dxf::BlockFolder(dxf::ExampleBlockFolder())(name, d, warnings);
}

using test_support::EntitiesOf;

// Entities by kind: lines, polylines, circles, arcs, texts, inserts.
using Counts = std::array<std::size_t, 6>;

Counts CountsOf(const Drawing& d) {
    return {EntitiesOf<Line>(d).size(), EntitiesOf<Polyline>(d).size(), EntitiesOf<Circle>(d).size(),
            EntitiesOf<Arc>(d).size(),  EntitiesOf<Text>(d).size(),     EntitiesOf<Insert>(d).size()};
}

void Near(Point p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

struct StreamCase {
    const char* name;
    std::function<void(Drawing&)> setup; // what the drawing holds before the stream
    std::vector<std::string> sends;      // UTF-8; each element is one execute, CRs included
    Counts counts;
    std::size_t rejections;
    std::function<void(const Drawing&)> check;
};

void NoSetup(Drawing&) {}

void InsertAt(Drawing& d, const char* block, Point at) {
    LoadExampleBlock(block, d);
    d.Add(Insert{block, at});
}

// The example planned section exploded at the origin: formation and subgrade polylines and the
// two edge lines, the edges 3 m out at 2 %.
void ExplodedPlannedSection(Drawing& d) {
    LoadExampleBlock("KEI1", d);
    for (const Entity& e : d.FindBlock("KEI1")->entities) d.Add(e.shape);
}

void PolylineInsideAndFar(Drawing& d) {
    d.Add(Polyline{{{-5000, 1234}, {5000, 1234}}});
    d.Add(Polyline{{{200000, 0}, {201000, 0}}});
}

// clang-format off
const std::vector<StreamCase> kCases = {
    {"BandRule", NoSetup, {"PLINE -50,-65.5 -25,-65.5 \r"}, {0, 1, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         const auto v = EntitiesOf<Polyline>(d)[0].vertices;
         ASSERT_EQ(v.size(), 2u);
         Near(v[1], -25, -65.5);
     }},
    {"ClosedTriangle", NoSetup, {"PLINE -50,-45 -20,-45 -50,-15 -50,-45 \r"}, {0, 1, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { EXPECT_EQ(EntitiesOf<Polyline>(d)[0].vertices.size(), 4u); }},
    {"PlannedLineInDoublePrecision", NoSetup,
     {"PLINE 0,23.4000015258789 1,23.4100015258789 2.5,23.4200000762939 \r"}, {0, 1, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { EXPECT_EQ(EntitiesOf<Polyline>(d)[0].vertices[0].y, 23.4000015258789); }},
    {"ScaleTick", NoSetup, {"LINE -40,50 -11,50 \r"}, {1, 0, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { Near(EntitiesOf<Line>(d)[0].b, -11, 50); }},
    {"CentreLineLegsThenBlankAndTwoReturns", NoSetup,
     {"LINE 0,0 30000,0 \r", "LINE 30000,0 60000,20000 \r", " \r\r"}, {2, 0, 0, 0, 0, 0}, 0, nullptr},
    {"ModelSegment3D", NoSetup, {"LINE 1000,2000,1500 1500,2000,1500 \r"}, {1, 0, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { EXPECT_EQ(EntitiesOf<Line>(d)[0].b.z, 1500); }},
    {"StationHeightAtSurveyCoordinates", NoSetup, {"LINE 1.234568E+07,-2000,0 1.234568E+07,-2000,1234.5 \r"},
     {1, 0, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         const Line l = EntitiesOf<Line>(d)[0];
         EXPECT_EQ(l.a.x, 12345680);
         EXPECT_EQ(l.a.z, 0);
         EXPECT_EQ(l.b.z, 1234.5);
     }},
    {"Circle", NoSetup, {"CIRCLE\r", "150,23.4 2\r"}, {0, 0, 1, 0, 0, 0}, 0,
     [](const Drawing& d) { EXPECT_EQ(EntitiesOf<Circle>(d)[0].radius, 2); }},
    {"ArcByCentreOption", NoSetup, {"arc\r", "10500,0\r", "c\r", "0,0 0,9500\r"}, {0, 0, 0, 1, 0, 0}, 0,
     [](const Drawing& d) {
         const Arc a = EntitiesOf<Arc>(d)[0];
         EXPECT_EQ(a.radius, 10500);  // from the start point; the end point gives the direction
         EXPECT_NEAR(a.startAngle, 0, 1e-12);
         EXPECT_NEAR(a.endAngle, 90, 1e-12);
     }},
    {"ProfileTextChain", NoSetup,
     {"DTEXT \r", "\r\r",                                                        //
      "-41,-77.5\r", "5\r", "90\r", "勾\r", "\r\r",                               // band title
      "-34,-95\r", "5\r", "90\r", "  \r", "\r\r",                                 // filler of two blanks
      "-44,50\r", "4\r", "0\r", "     25.00\r", "\r\r",                           // elevation label
      "2.5,-110\r", "4\r", "0\r", "I=12.345  T.L= 12.3m  C.L= 23.4m  R= 100 m\r", "\r\r",
      "100,150\r", "30\r", "0\r", "縦　　断　　図\r", "\r\r",                      // title
      "\r\r"},
     {0, 0, 0, 0, 5, 0}, 0,
     [](const Drawing& d) {
         const auto t = EntitiesOf<Text>(d);
         EXPECT_EQ(t[0].text, "勾");
         EXPECT_EQ(t[1].text, "  ");
         EXPECT_EQ(t[2].text, "     25.00");
         EXPECT_EQ(t[3].text, "I=12.345  T.L= 12.3m  C.L= 23.4m  R= 100 m");
         EXPECT_EQ(t[4].text, "縦　　断　　図");
         EXPECT_EQ(t[4].height, 30);
         Near(t[1].position, -34, -95);
     }},
    {"StationPlot", NoSetup,
     {"CIRCLE\r", "1000,2000 100\r", "DTEXT \r", "\r\r", "1000,12000\r", "1000\r", "-180\r", "+ 20.00\r", "\r\r", "\r\r"},
     {0, 0, 1, 0, 1, 0}, 0,
     [](const Drawing& d) {
         const Text t = EntitiesOf<Text>(d)[0];
         EXPECT_EQ(t.text, "+ 20.00");
         EXPECT_EQ(t.rotation, -180);
         EXPECT_EQ(t.height, 1000);
     }},
    {"SectionLabels", NoSetup,
     {"DTEXT \r", "\r\r", "46000,9433.333\r", "200\r", "0\r", "2.5 %\r", "\r\r", "45000,15133.33\r", "400\r", "0\r",
      "Ｆ.H =  12.34\r", "\r\r", "55000,14233.33\r", "200\r", "0\r", "C'=\r", "\r\r", "\r\r"},
     {0, 0, 0, 0, 3, 0}, 0,
     [](const Drawing& d) {
         const auto t = EntitiesOf<Text>(d);
         EXPECT_EQ(t[1].text, "Ｆ.H =  12.34");
         EXPECT_EQ(t[2].text, "C'=");
     }},
    {"EraseByWindowInSeparateAnswers", PolylineInsideAndFar,
     {"erase\r", "W\r", "-50000,30000\r", "50000,-30000\r", "\r"}, {0, 1, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { EXPECT_EQ(EntitiesOf<Polyline>(d)[0].vertices[0].x, 200000); }},
    {"InsertAtThePlannedHeight", [](Drawing& d) { LoadExampleBlock("KEI1", d); },
     {"-insert\r", "KEI1 0,1234 1 1 0\r"}, {0, 0, 0, 0, 0, 1}, 0,
     [](const Drawing& d) {
         const Insert i = EntitiesOf<Insert>(d)[0];
         Near(i.position, 0, 1234);
         EXPECT_EQ(i.scaleX, 1);
         EXPECT_EQ(i.rotation, 0);
     }},
    {"ZoomByTwoCorners", NoSetup, {"zoom\r", "-45000,9000\r", "45000,-9000\r"}, {0, 0, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         ASSERT_TRUE(d.View());
         EXPECT_EQ(d.View()->minX, -45000);
         EXPECT_EQ(d.View()->maxY, 9000);
     }},
    {"ExplodeWindowInOneAnswer", [](Drawing& d) { InsertAt(d, "KEI1", {0, 1234}); },
     {"explode\r", "W -45000,9000 45000,-9000\r\r"}, {2, 2, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { Near(EntitiesOf<Polyline>(d)[0].vertices[1], 0, 1234); }},
    {"ExplodeWindowInSeparateAnswers", [](Drawing& d) { InsertAt(d, "GEN1", {0, 0}); },
     {"explode\r", "W\r", "-30000,15000\r", "30000,-15000\r", "\r"}, {0, 1, 0, 0, 0, 0}, 0, nullptr},
    {"StretchRightSide", ExplodedPlannedSection,
     {"stretch\r", "c\r", "10000,-10000\r", "100,10000\r\r", "3000,-60 3500,-87.5\r"}, {2, 2, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         const auto pl = EntitiesOf<Polyline>(d);
         Near(pl[0].vertices[0], -3000, -60);  // left side outside the window
         Near(pl[0].vertices[1], 0, 0);
         Near(pl[0].vertices[2], 3500, -87.5);
         Near(pl[1].vertices[2], 3500, -587.5);
         Near(EntitiesOf<Line>(d)[1].b, 3500, -587.5);
     }},
    {"StretchLeftSideToA15DigitPoint", ExplodedPlannedSection,
     {"stretch\r", "c\r", "-100,-10000\r", "-10000,10000\r\r", "-3000,-60 -3500,-80.4999983310699\r"},
     {2, 2, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { Near(EntitiesOf<Polyline>(d)[0].vertices[0], -3500, -80.4999983310699); }},
    {"MoveWindowBaseAndSecondInOneSend",
     [](Drawing& d) {
         InsertAt(d, "GEN1", {-100000, 0});
         d.Add(Polyline{{{-103000, -60}, {-100000, 0}, {-97000, -60}}});
     },
     {"move\r", "W -145000,-9000 -55000,9000\r\r", "-100000,0 45000,9333.333\r"}, {0, 1, 0, 0, 0, 1}, 0,
     [](const Drawing& d) {
         Near(EntitiesOf<Insert>(d)[0].position, 45000, 9333.333);
         Near(EntitiesOf<Polyline>(d)[0].vertices[1], 45000, 9333.333);
     }},
    {"MoveAllRelative", PolylineInsideAndFar,
     {"move\r", "ALL\r\r", "1000000,2000000\r", "@-1000000,-2000000\r"}, {0, 2, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { Near(EntitiesOf<Polyline>(d)[1].vertices[0], -800000, -2000000); }},
    {"RotateAll", PolylineInsideAndFar, {"rotate\r", "ALL\r\r", "0,0\r", "90\r"}, {0, 2, 0, 0, 0, 0}, 0,
     [](const Drawing& d) { Near(EntitiesOf<Polyline>(d)[1].vertices[0], 0, 200000); }},
    {"BlockRedefinedWithYes",
     [](Drawing& d) {
         LoadExampleBlock("KEI1", d);
         PolylineInsideAndFar(d);
     },
     {"-block\r", "KEI1\r", "Y\r", "0,1234\r", "W -40000,40000 40000,-40000\r", "\r"}, {0, 1, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         const Block* b = d.FindBlock("KEI1");
         ASSERT_NE(b, nullptr);
         ASSERT_EQ(b->entities.size(), 1u);
         Near(b->base, 0, 1234);
     }},
    {"NewBlockRefusesTheYesAtItsBasePoint", PolylineInsideAndFar,
     {"-block\r", "KEI2\r", "Y\r", "0,1234\r", "W -40000,40000 40000,-40000\r", "\r"}, {0, 1, 0, 0, 0, 0}, 1,
     [](const Drawing& d) { ASSERT_NE(d.FindBlock("KEI2"), nullptr); }},
    {"CurrentColourJoinedWithItsName", NoSetup,
     {"_cecolor\rRed\r", "LINE 0,0 1,1 \r", "_cecolor\rYellow\r", "LINE 0,0 1,1 \r", "_cecolor\rGreen\r",
      "LINE 0,0 1,1 \r", "_cecolor\rCyan\r", "LINE 0,0 1,1 \r", "_cecolor\rBlue\r", "LINE 0,0 1,1 \r",
      "_cecolor\rMagenta\r", "LINE 0,0 1,1 \r", "_cecolor\rWhite\r", "LINE 0,0 1,1 \r", "_cecolor\rBylayer\r",
      "LINE 0,0 1,1 \r"},
     {8, 0, 0, 0, 0, 0}, 0,
     [](const Drawing& d) {
         std::vector<int> colours;
         for (const Entity& e : d.Entities()) colours.push_back(e.colour);
         EXPECT_EQ(colours, (std::vector<int>{kRed, kYellow, kGreen, kCyan, kBlue, kMagenta, kWhite, kByLayer}));
     }},
};
// clang-format on

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class SenderStream : public ChannelTest, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(SenderStream, LeavesItsEntitiesAndTheCommandLineIdle) {
    const StreamCase& c = GetParam();
    c.setup(drawing);
    for (const std::string& send : c.sends) SendRaw(rt::Utf8ToCp932(send));
    EXPECT_TRUE(commandLine.IsIdle()) << commandLine.Prompt();
    EXPECT_EQ(commandLine.RejectionCount(), c.rejections)
        << (commandLine.Rejections().empty() ? "" : commandLine.Rejections().front().reason);
    EXPECT_EQ(CountsOf(drawing), c.counts);
    if (c.check && CountsOf(drawing) == c.counts) c.check(drawing);
}

INSTANTIATE_TEST_SUITE_P(Senders, SenderStream, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
