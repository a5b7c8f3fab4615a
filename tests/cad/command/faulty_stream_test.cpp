// Streams the CAD cannot carry out as meant: each is refused and logged, never hangs, and the
// command line is idle once the stream is through.
#include "channel_fixture.h"

using namespace cad;

using FaultyStream = ChannelTest;

TEST_F(FaultyStream, StationPlotBeforeAnyPlanDrawingSendsRadiusZeroAndHeightZero) {
    Send("CIRCLE");
    Send("100,200 0");
    Send("DTEXT ");
    SendRaw("\r\r");
    Send("100,200");
    Send("0");
    Send("90");
    Send("+ 20.00");
    SendRaw("\r\r");
    SendRaw("\r\r");
    EXPECT_TRUE(commandLine.IsIdle());
    EXPECT_TRUE(All<Circle>().empty());
    EXPECT_GE(commandLine.RejectionCount(), 2u);
    EXPECT_EQ(commandLine.Rejections()[0].input, "0");
    EXPECT_EQ(commandLine.Rejections()[0].reason, "Value must be positive and nonzero.");
}

TEST_F(FaultyStream, TextHeightZeroIsRefusedAndAskedAgain) {
    Send("DTEXT ");
    SendRaw("\r\r");
    Send("0,0");
    Send("0");
    EXPECT_EQ(commandLine.Prompt(), "Height <2.5>: ");
    Send("3");
    Send("0");
    Send("ABC");
    SendRaw("\r\r");
    SendRaw("\r\r");
    EXPECT_TRUE(commandLine.IsIdle());
    ASSERT_EQ(All<Text>().size(), 1u);
    EXPECT_EQ(All<Text>()[0].height, 3);
    ASSERT_EQ(commandLine.RejectionCount(), 1u);
}

TEST_F(FaultyStream, UnknownBlockEndsTheInsertAndTheRestIsReadAtTheIdlePrompt) {
    Send("-insert");
    Send("KEI1 -100000,0 1 1 0");
    Send("CIRCLE");
    Send("0,0 5");
    EXPECT_TRUE(commandLine.IsIdle());
    EXPECT_TRUE(All<Insert>().empty());
    EXPECT_EQ(All<Circle>().size(), 1u);
    ASSERT_EQ(commandLine.RejectionCount(), 5u); // the name, then four unknown words
    EXPECT_EQ(commandLine.Rejections()[0].reason, "Block \"KEI1\" not found.");
    EXPECT_EQ(commandLine.Rejections()[1].input, "-100000,0");
    EXPECT_EQ(commandLine.Rejections()[1].prompt, "Command: ");
}

TEST_F(FaultyStream, AWordThatIsNoCommandLeavesThePromptIdle) {
    Send("FOO");
    Send(""); // nothing to repeat
    EXPECT_TRUE(commandLine.IsIdle());
    ASSERT_EQ(commandLine.RejectionCount(), 1u);
    EXPECT_EQ(commandLine.Rejections()[0].reason, "Unknown command \"FOO\".");
    EXPECT_TRUE(drawing.Entities().empty());
}

TEST_F(FaultyStream, BlockThatWouldContainItselfIsRefused) {
    drawing.SetBlock(Block{"A", {}, {Entity{Line{{0, 0}, {1, 0}}}}});
    drawing.SetBlock(Block{"B", {}, {Entity{Insert{"A", {0, 0}}}}});
    drawing.Add(Insert{"B", {0, 0}});
    Send("-block");
    Send("A");
    Send("Y");
    Send("0,0");
    Send("W -10,10 10,-10");
    Send("");
    EXPECT_TRUE(commandLine.IsIdle());
    ASSERT_EQ(commandLine.RejectionCount(), 1u);
    EXPECT_EQ(commandLine.Rejections()[0].reason, "Block \"A\" would contain itself; not defined.");
    EXPECT_EQ(drawing.Entities().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Line>(drawing.FindBlock("A")->entities[0].shape));
}
