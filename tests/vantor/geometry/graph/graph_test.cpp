#include "tests/vantor/geometry/graph/graph_fixture.h"

#include "platform/runtime/conversion.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_graph_tables.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

using namespace 縦断bus;
using forms::DrawCommand;

namespace {

const long kYellow = forms::RGB(255, 255, 0), kFrame = forms::RGB(0, 0, 200), kGreen = forms::RGB(0, 255, 0),
           kBlue = forms::RGB(0, 0, 255), kRed = forms::RGB(255, 0, 0);

void ExpectCommands(const std::vector<DrawCommand>& actual, const std::vector<DrawCommand>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("command " + std::to_string(i));
        EXPECT_EQ(actual[i].kind, expected[i].kind);
        EXPECT_EQ(actual[i].color, expected[i].color);
        EXPECT_NEAR(actual[i].x1, expected[i].x1, 1e-5);
        EXPECT_NEAR(actual[i].y1, expected[i].y1, 1e-5);
        EXPECT_NEAR(actual[i].x2, expected[i].x2, 1e-5);
        EXPECT_NEAR(actual[i].y2, expected[i].y2, 1e-5);
    }
}

long CountColour(long colour) {
    const auto& c = forms::Get<グラフ>().図.Commands();
    return std::count_if(c.begin(), c.end(), [&](const DrawCommand& d) { return d.color == colour; });
}

} // namespace

TEST(GraphIntervals, DecadeStepsAndGridRanges) {
    struct Case {
        float min, max, step, lower, upper;
    };
    const Case cases[] = {
        // clang-format off
        {0, 500, 9.999999f, -20, 520},          // stations
        {20.3f, 31.7f, 0.9999999f, 18, 33},      // planned heights
        {0, 1000, 99.99999f, -200, 1200},        // a range of exactly 1000: the next decade
        {0, 999, 9.999999f, -20, 1010},
        {5, 5, 0.00001f, 4.99998f, 5.00002f},    // one value
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.min) + " .. " + std::to_string(c.max));
        const float step = memorikizami(c.max - c.min);
        EXPECT_NEAR(step, c.step, c.step * 1e-6);
        const Jikugenkai g = jikugenkai(c.min, c.max, step);
        EXPECT_NEAR(g.lower, c.lower, 1e-4 + std::abs(c.lower) * 1e-6);
        EXPECT_NEAR(g.upper, c.upper, 1e-4 + std::abs(c.upper) * 1e-6);
    }
}

TEST_F(GraphTest, DrawingSequenceOfAStraightProfileWithoutGrid) {
    DrawStraight("s");
    // One grade from (0, 10) to (20, 12): x interval about 1, grid -2 .. 22; y interval about
    // 0.1, grid 9.8 .. 12.2; the view has the same limits, with a tenth of the extent around.
    const forms::PictureBox& p = Picture();
    EXPECT_NEAR(p.ScaleLeft(), -2 - 2, 1e-5);
    EXPECT_NEAR(p.ScaleTop(), 12.2 + 0.2, 1e-5);
    EXPECT_NEAR(p.ScaleWidth(), 24 + 4, 1e-5);
    EXPECT_NEAR(p.ScaleHeight(), -(2.4 + 0.4), 1e-5);

    std::vector<DrawCommand> expected = {
        // clang-format off
        {DrawCommand::Cls, 0, 0, 0, 0, forms::vbWhite},
        {DrawCommand::Box, -2, 12.2, 22, 9.8, kFrame},
        {DrawCommand::Line, 0, 9.8, 0, 9.5, kGreen},
        {DrawCommand::Line, 0, 9.8, 0, 10, kBlue},
        {DrawCommand::Line, 10, 9.8, 10, 11.5, kGreen},
        {DrawCommand::Line, 10, 9.8, 10, 11, kBlue},
        {DrawCommand::Line, 20, 9.8, 20, 12, kGreen},
        {DrawCommand::Line, 20, 9.8, 20, 12, kBlue},
        {DrawCommand::Line, 0, 9.5, 10, 11.5, kBlue},
        {DrawCommand::Line, 10, 11.5, 20, 12, kBlue},
        {DrawCommand::Line, 0, 10, 20, 12, kGreen},
        // clang-format on
    };
    for (int s = 0; s < 20; ++s)
        expected.push_back({DrawCommand::Line, double(s), 10 + 0.1 * s, s + 1.0, 10 + 0.1 * (s + 1), kRed});
    ExpectCommands(p.Commands(), expected);

    グラフ& g = forms::Get<グラフ>();
    EXPECT_EQ(g.Text1.Text(), "-2");
    EXPECT_EQ(g.Text3.Text(), "22");
    EXPECT_NEAR(rt::CDbl(g.Text2.Text()), 9.8, 1e-5);
    EXPECT_NEAR(rt::CDbl(g.Text4.Text()), 12.2, 1e-5);
    EXPECT_TRUE(g.Visible());
}

TEST_F(GraphTest, GridLinesFollowTheFlags) {
    DrawStraight("v");
    // x -2 .. 22 by 1: 25 lines. y 9.8 .. 12.2 by 0.1: the single-precision sums of 0.09999999
    // pass 12.2 just before the 25th line, which the frame's top edge draws instead.
    EXPECT_EQ(CountColour(kYellow), 25 + 24);
    xhyouji = "s";
    sakuzugurafu();
    EXPECT_EQ(CountColour(kYellow), 24);
}

TEST_F(GraphTest, EmptyCellsAreNoPoints) {
    // A row without a station inside the profile and a station without a ground height.
    const float E = kEmpty;
    Compute({{0, 9.5f, 10}, {E, 11}, {10, E}, {20, 12, 12}});
    xhyouji = yhyouji = "s";
    keisangurafu();
    EXPECT_EQ(gurafusuu, 3);
    EXPECT_EQ(CountColour(kGreen), 2 + 1); // ground bars at 0 and 20, the polygon
    EXPECT_EQ(CountColour(kBlue), 3);      // planned bars; no ground line touches station 10
    for (const DrawCommand& d : Picture().Commands()) EXPECT_LT(std::max({d.x1, d.y1, d.x2, d.y2}), 100);
}

TEST_F(GraphTest, NothingToDrawIsSaid) {
    Compute({{0, 10}, {10, 11}}); // stations without planned heights
    keisangurafu();
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(forms::script::Messages()[0].prompt, kGurafuDataNashi);
}

TEST_F(GraphTest, LevelProfileHighUpEndsItsGridAndStillShowsItsLine) {
    // All planned heights equal: the y interval is about 0.00001, too small to move a single
    // precision height of 300 m from one grid line to the next; at 1200 m the limits of the
    // view fall together as well, and the picture must still get a height.
    for (float level : {300.0f, 1200.0f}) {
        SCOPED_TRACE(level);
        forms::UnloadAll();
        Compute({{0, level - 1, level}, {100, level + 1, level}});
        xhyouji = yhyouji = "v";
        keisangurafu();
        EXPECT_LE(CountColour(kYellow), 30);
        const forms::PictureBox& p = Picture();
        ASSERT_LT(p.ScaleHeight(), 0);
        long inside = 0;
        for (const DrawCommand& d : p.Commands())
            inside += d.color == kRed && d.y1 <= p.ScaleTop() && d.y1 >= p.ScaleTop() + p.ScaleHeight();
        EXPECT_EQ(inside, 100);
    }
}

TEST_F(GraphTest, PlannedLineTooLongToSampleShowsTheWarning) {
    Compute({{0, 10, 10}, {2000.5f, 12, 12}});
    keisangurafu();
    EXPECT_TRUE(forms::Get<警告表示画面>().Visible());
    EXPECT_EQ(CountColour(kRed), 0);
    EXPECT_TRUE(forms::Get<グラフ>().Visible());
}

TEST_F(GraphTest, DragsZoomRestoreAndReadAPoint) {
    DrawStraight();
    グラフ& g = forms::Get<グラフ>();
    g.図_MouseDown(1, 0, 5, 11.5f);
    g.図_MouseMove(1, 0, 12, 10.5f);
    g.図_MouseUp(1, 0, 15, 10.5f);
    EXPECT_EQ(gurafuxmin, 5);
    EXPECT_EQ(gurafuxmax, 15);
    EXPECT_EQ(gurafuymin, 10.5f);
    EXPECT_EQ(gurafuymax, 11.5f);
    EXPECT_NEAR(Picture().ScaleLeft(), 5 - 2 * 1 - 1, 1e-5); // interval 1 around 5 .. 15

    g.図_MouseDown(1, 0, 6, 10.6f);
    g.図_MouseUp(1, 0, 8, 11);
    EXPECT_EQ(gurafuxmin, 0);
    EXPECT_EQ(gurafuxmax, 20);
    EXPECT_EQ(gurafuymax, 12);

    g.図_MouseDown(2, 0, 123.456f, 45.678f);
    g.図_MouseMove(2, 0, 110, 48); // left and up: the rubber band is a line
    const std::vector<DrawCommand>& band = Picture().Commands();
    EXPECT_EQ(band[band.size() - 2].kind, DrawCommand::Line);
    EXPECT_EQ(band[band.size() - 2].color, forms::vbWhite);
    EXPECT_EQ(band.back().kind, DrawCommand::Line);
    EXPECT_EQ(band.back().x2, 110);
    g.図_MouseUp(2, 0, 100, 50);
    EXPECT_TRUE(g.itixy.Visible());
    EXPECT_EQ(g.itixy.Caption(), "X = 123.46 Y = 45.68");
    const DrawCommand& leader = Picture().Commands().back();
    EXPECT_EQ(leader.kind, DrawCommand::Line);
    EXPECT_NEAR(leader.x1, 123.456, 1e-4);
    EXPECT_NEAR(leader.y2, 50, 1e-4);
}

TEST_F(GraphTest, CrestGraphPicture) {
    profile_test::LoadCrest();
    keisantate();
    xhyouji = yhyouji = "v";
    keisangurafu();
    EXPECT_EQ(CountColour(kRed), 200); // 201 samples of the planned line

    // Each limit box sits beside the place of its value in the picture.
    グラフ& g = forms::Get<グラフ>();
    const forms::PictureBox& p = Picture();
    auto twipsX = [&](double x) { return p.Left() + (x - p.ScaleLeft()) / p.ScaleWidth() * p.Width(); };
    auto twipsY = [&](double y) { return p.Top() + (y - p.ScaleTop()) / p.ScaleHeight() * p.Height(); };
    EXPECT_EQ(g.Text1.Text(), "-20");
    EXPECT_EQ(g.Text3.Text(), "220");
    EXPECT_NEAR(g.Text1.Left() + g.Text1.Width() / 2, twipsX(-20), 1);
    EXPECT_NEAR(g.Text3.Left() + g.Text3.Width() / 2, twipsX(220), 1);
    EXPECT_NEAR(g.Text4.Top() + g.Text4.Height() / 2, twipsY(rt::CDbl(g.Text4.Text())), 1);
    EXPECT_NEAR(g.Text2.Top() + g.Text2.Height() / 2, twipsY(rt::CDbl(g.Text2.Text())), 1);

    // The whole screen, for people to look at.
    const std::string path = (std::filesystem::temp_directory_path() / "profile_graph_crest.png").string();
    EXPECT_TRUE(g.Window()->grab().save(QString::fromStdString(path))) << path;
}
