// Typing rules of the command line, fed byte by byte as a keyboard would.
#include "cad/command/command_line.h"

#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

using namespace cad;
using cad::command::CommandLine;

namespace {
struct Typed : ::testing::Test {
    Drawing drawing;
    CommandLine cl{drawing};
    void Keys(const std::string& bytes) {
        for (char c : bytes) cl.Type(c);
    }
};
} // namespace

TEST_F(Typed, CancelEndsTheCommandAndMarksTheHistoryAlsoWhenIdle) {
    Keys("LINE 0,0 5,");
    EXPECT_EQ(cl.Input(), "5,");
    Keys("\x03");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_EQ(cl.History().back(), "Next point or Enter to end: 5,*Cancel*");
    Keys("\x03");
    EXPECT_EQ(cl.History().back(), "Command: *Cancel*");
    EXPECT_TRUE(drawing.Entities().empty());
    EXPECT_EQ(cl.RejectionCount(), 0u);
}

TEST_F(Typed, EnterAtTheIdlePromptRepeatsTheLastCommand) {
    Keys("circle 0,0 4\r");
    Keys("\r5,5\r\r"); // repeated: centre, then Enter takes the remembered radius
    ASSERT_EQ(drawing.Entities().size(), 2u);
    EXPECT_EQ(std::get<Circle>(drawing.Entities()[1].shape).radius, 4);
    EXPECT_TRUE(cl.IsIdle());
}

TEST_F(Typed, CommandWordsTakeAnyCaseAndALeadingUnderscoreOrDash) {
    for (const char* word : {"_line", "-LINE", "Line", "_-line"}) {
        Keys(std::string(word) + " 0,0 1,1 \r");
    }
    EXPECT_EQ(drawing.Entities().size(), 4u);
    EXPECT_EQ(cl.RejectionCount(), 0u);
}

TEST_F(Typed, InvalidAnswerRepeatsTheSamePromptAndIsLogged) {
    Keys("CIRCLE here ");
    EXPECT_EQ(cl.Prompt(), "Centre point: ");
    ASSERT_EQ(cl.RejectionCount(), 1u);
    EXPECT_EQ(cl.Rejections()[0].prompt, "Centre point: ");
    EXPECT_EQ(cl.Rejections()[0].input, "here");
    Keys("0,0 -1 2 ");
    EXPECT_EQ(cl.RejectionCount(), 2u);
    EXPECT_EQ(drawing.Entities().size(), 1u);
}

TEST_F(Typed, BackspaceTakesBackAWholeDoubleByteCharacter) {
    Keys("DTEXT 0,0 2 0 ");
    Keys(rt::Utf8ToCp932("測点"));
    Keys("\b");
    EXPECT_EQ(cl.Input(), "測");
    Keys("A B\r\r");
    ASSERT_EQ(drawing.Entities().size(), 1u);
    EXPECT_EQ(std::get<Text>(drawing.Entities()[0].shape).text, "測A B");
}

TEST_F(Typed, OverlongAnswersAndBrokenDoubleByteTextAreRefused) {
    Keys(std::string(5000, '9') + " ");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_EQ(cl.RejectionCount(), 1u);
    Keys("DTEXT 0,0 2 0 \x81\r"); // a lead byte without its trail byte
    EXPECT_EQ(cl.RejectionCount(), 2u);
    EXPECT_EQ(cl.Prompt(), "Text: ");
    Keys("\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_TRUE(drawing.Entities().empty());
}

TEST_F(Typed, SelectionEndsWithEnterAndCountsWhatItFound) {
    Keys("LINE 0,0 1,1 \rLINE 5,5 6,6 \r");
    Keys("erase C -1,-1 0.5,0.5\r");
    EXPECT_EQ(cl.History().back(), "1 found");
    Keys("\r");
    EXPECT_EQ(drawing.Entities().size(), 1u);
    EXPECT_TRUE(cl.IsIdle());
}

TEST_F(Typed, AWindowCornerThatIsNoPointIsAskedAgainAndEnterThereDropsTheWindow) {
    Keys("LINE 0,0 1,1 \rLINE 5,5 6,6 \r");
    Keys("erase W -1,2 abc ");
    EXPECT_EQ(cl.Prompt(), "Other corner: ");
    ASSERT_EQ(cl.RejectionCount(), 1u);
    EXPECT_EQ(cl.Rejections()[0].prompt, "Other corner: ");
    Keys("2,-1 W \r");
    EXPECT_EQ(cl.Prompt(), "Select objects: ");
    Keys("\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_EQ(cl.RejectionCount(), 2u);
    EXPECT_EQ(drawing.Entities().size(), 1u);
}

TEST(CommandLineProduct, JapaneseIdlePrompt) {
    Drawing drawing;
    CommandLine cl(drawing, cad::command::Wording::Japanese);
    EXPECT_EQ(cl.Prompt(), "ｺﾏﾝﾄﾞ: ");
}
