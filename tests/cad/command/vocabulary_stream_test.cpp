// Each command word of the drawing program's vocabulary, sent over DDE exactly as the program
// sends it, leaves the expected entities, the prompt idle and nothing refused.
#include "channel_fixture.h"

#include "cad/drawing/extents.h"

using namespace cad;

namespace {

// A planned-section shape: centre-line point at the base, edges 3 m out falling 2 %.
Block PlannedSection(const std::string& name) {
    Polyline formation;
    formation.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
    return Block{name, {0, 0}, {Entity{formation, kByLayer}}};
}

} // namespace

using VocabularyStream = ChannelTest;

TEST_F(VocabularyStream, PlineIsOneSendWithBlankAfterEveryPoint) {
    Send("PLINE -50,-65.5 -25,-65.5 ");
    Send("PLINE -50,-45 -20,-45 -50,-15 -50,-45 ");
    const auto lines = All<Polyline>();
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[0].vertices.size(), 2u);
    EXPECT_EQ(lines[0].vertices[0].x, -50);
    EXPECT_EQ(lines[0].vertices[1].y, -65.5);
    EXPECT_EQ(lines[1].vertices.size(), 4u);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, LineLegsThenBlankAndTwoReturnsContinueAndEnd) {
    Send("LINE 0,0 100,0 ");
    Send("LINE 100,0 100,50 ");
    SendRaw(" \r\r"); // repeats LINE, continues from the last point, ends
    Send("LINE 1000,2000,1500 1500,2000,1500 ");
    const auto lines = All<Line>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].b.y, 50);
    EXPECT_EQ(lines[2].a.z, 1500);
    EXPECT_EQ(lines[2].b.x, 1500);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, CircleCentreAndRadiusInOneAnswerLine) {
    Send("CIRCLE");
    Send("150,23.4 2");
    const auto circles = All<Circle>();
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].centre.x, 150);
    EXPECT_EQ(circles[0].centre.y, 23.4);
    EXPECT_EQ(circles[0].radius, 2);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, ArcRunsCounterClockwiseFromStartToTheEndDirection) {
    Send("arc");
    Send("10,0");
    Send("c");
    Send("0,0 0,20"); // the end point gives the direction only
    Send("arc");
    Send("0,10");
    Send("C");
    Send("0,0 10,0");
    const auto arcs = All<Arc>();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].radius, 10);
    EXPECT_NEAR(arcs[0].startAngle, 0, 1e-12);
    EXPECT_NEAR(arcs[0].endAngle, 90, 1e-12);
    EXPECT_NEAR(arcs[1].startAngle, 90, 1e-12);
    EXPECT_NEAR(arcs[1].endAngle, 0, 1e-12); // three quarters of a turn
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, TextChainWithTwoTextsAndItsClosing) {
    Send("DTEXT ");
    SendRaw("\r\r");
    Send("-41,-77.5");
    Send("5");
    Send("90");
    Send("勾");
    SendRaw("\r\r");
    Send("-50,2");
    Send("4");
    Send("0");
    Send("    D.L = 100.00");
    SendRaw("\r\r");
    SendRaw("\r\r"); // closes the chain
    const auto texts = All<Text>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "勾");
    EXPECT_EQ(texts[0].height, 5);
    EXPECT_EQ(texts[0].rotation, 90);
    EXPECT_EQ(texts[0].position.x, -41);
    EXPECT_EQ(texts[1].text, "    D.L = 100.00"); // blanks belong to the text
    EXPECT_EQ(texts[1].height, 4);
    EXPECT_EQ(texts[1].rotation, 0);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, EraseByWindowAsSeparateAnswers) {
    Send("PLINE -100,0 100,0 ");
    Send("PLINE 60000,0 61000,0 ");
    Send("erase");
    Send("W");
    Send("-50000,30000");
    Send("50000,-30000");
    Send("");
    const auto left = All<Polyline>();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].vertices[0].x, 60000);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, InsertZoomExplodeStretchMoveOfOneCrossSection) {
    drawing.SetBlock(PlannedSection("KEI1"));
    // The station's sends with h = 0, cell half size 45 m by 9 m, stretch window 10 m by 10 m,
    // right side from 3 m at 2 % to 3.5 m at 2.5 %.
    Send("-insert");
    Send("KEI1 -100000,0 1 1 0");
    Send("zoom");
    Send("-145000,9000");
    Send("-55000,-9000");
    Send("explode");
    Send("W -145000,9000 -55000,-9000\r");
    Send("stretch");
    Send("c");
    Send("-90000,-10000");
    Send("-99900,10000\r");
    Send("-97000,-60 -96500,-87.5");
    Send("move");
    Send("W -145000,-9000 -55000,9000\r");
    Send("-100000,0 45000,9333.333");
    ExpectIdleAndClean();
    EXPECT_TRUE(All<Insert>().empty());
    const auto lines = All<Polyline>();
    ASSERT_EQ(lines.size(), 1u);
    const auto& v = lines[0].vertices;
    ASSERT_EQ(v.size(), 3u);
    EXPECT_NEAR(v[0].x, 45000 - 3000, 1e-9); // left side untouched
    EXPECT_NEAR(v[1].x, 45000, 1e-9);
    EXPECT_NEAR(v[1].y, 9333.333, 1e-9);
    EXPECT_NEAR(v[2].x, 45000 + 3500, 1e-9);
    EXPECT_NEAR(v[2].y, 9333.333 - 87.5, 1e-9);
    ASSERT_TRUE(drawing.View());
    EXPECT_EQ(drawing.View()->minX, -145000);
}

TEST_F(VocabularyStream, MoveAllRelativeThenRotateAll) {
    Send("PLINE 1000,0 2000,0 ");
    Send("move");
    Send("ALL\r");
    Send("-500,-250");
    Send("@500,250");
    auto v = All<Polyline>()[0].vertices;
    EXPECT_EQ(v[0].x, 1500);
    EXPECT_EQ(v[0].y, 250);
    Send("rotate");
    Send("ALL\r");
    Send("0,0");
    Send("90");
    v = All<Polyline>()[0].vertices;
    EXPECT_NEAR(v[0].x, -250, 1e-9);
    EXPECT_NEAR(v[0].y, 1500, 1e-9);
    ExpectIdleAndClean();
}

TEST_F(VocabularyStream, BlockRedefinitionOfAnExistingNameUpdatesItsInserts) {
    drawing.SetBlock(PlannedSection("KEI1"));
    drawing.Add(Insert{"KEI1", {200000, 0}});
    Send("PLINE -5000,1234 5000,1234 ");
    Send("-block");
    Send("KEI1");
    Send("Y");
    Send("0,1234");
    Send("W -40000,40000 40000,-40000");
    Send("");
    ExpectIdleAndClean();
    ASSERT_EQ(drawing.Entities().size(), 1u); // the drawn line went into the block
    const Rect box = ShapeExtents(drawing, drawing.Entities()[0].shape);
    EXPECT_EQ(box.minX, 195000);
    EXPECT_EQ(box.maxX, 205000);
    EXPECT_EQ(box.minY, 0);
    EXPECT_EQ(box.maxY, 0);
}

TEST_F(VocabularyStream, BlockOfANewNameRefusesTheYesAtTheBasePoint) {
    Send("PLINE -5000,0 5000,0 ");
    Send("-block");
    Send("NEW1");
    Send("Y");
    Send("0,0");
    Send("W -40000,40000 40000,-40000");
    Send("");
    EXPECT_TRUE(commandLine.IsIdle());
    ASSERT_EQ(commandLine.RejectionCount(), 1u);
    EXPECT_EQ(commandLine.Rejections()[0].input, "Y");
    EXPECT_EQ(commandLine.Rejections()[0].prompt, "Insertion base point: ");
    ASSERT_NE(drawing.FindBlock("new1"), nullptr);
    EXPECT_EQ(drawing.FindBlock("NEW1")->entities.size(), 1u);
    EXPECT_TRUE(drawing.Entities().empty());
}

TEST_F(VocabularyStream, CurrentColourByNameInOneSend) {
    Send("_cecolor\rRed");
    Send("LINE 0,0 1,1 ");
    Send("_cecolor\rBylayer");
    Send("LINE 0,0 1,1 ");
    ASSERT_EQ(drawing.Entities().size(), 2u);
    EXPECT_EQ(drawing.Entities()[0].colour, kRed);
    EXPECT_EQ(drawing.Entities()[1].colour, kByLayer);
    ExpectIdleAndClean();
}
