// The channel and the user typing at one command line, and transparent commands.
#include "fake_host.h"

#include "cad/app/command_inputs.h"
#include "cad/command/command_line.h"

#include <gtest/gtest.h>

using namespace cad;
using cad::app::CommandInputs;
using cad::app::testing::FakeHost;
using cad::command::CommandLine;

namespace {
struct Inputs : ::testing::Test {
    Drawing drawing;
    CommandLine main{drawing};
    CommandLine transparent{drawing};
    FakeHost host;
    command::HostAttachment a1{main, host}, a2{transparent, host};
    CommandInputs inputs{main, transparent};
    bool HistoryHas(const std::string& line) const {
        return std::find(main.History().begin(), main.History().end(), line) != main.History().end();
    }
};
} // namespace

TEST_F(Inputs, TheUsersHalfLineWaitsWhileTheChannelTypesAWholeLine) {
    main.Type("CIR"); // the window's own keyboard
    inputs.TypeFromChannel("LINE 0,0 5,5 \r");
    EXPECT_EQ(drawing.Entities().size(), 1u);
    EXPECT_EQ(main.Input(), "CIR");
    EXPECT_EQ(main.RejectionCount(), 0u);
    inputs.TypeFromUser("CLE 0,0 1\r");
    EXPECT_EQ(drawing.Entities().size(), 2u);
}

TEST_F(Inputs, TheUsersKeysFollowTheChannelsHalfLine) {
    inputs.TypeFromChannel("LI");
    inputs.TypeFromUser("ERASE ALL\r\r");
    EXPECT_EQ(inputs.Line(), "Command: LI");
    inputs.TypeFromChannel("NE 0,0 1,1 \r");
    EXPECT_EQ(main.RejectionCount(), 0u);
    EXPECT_TRUE(drawing.Entities().empty()); // the line was drawn, then the user's ERASE ALL ran
    EXPECT_TRUE(HistoryHas("Command: ERASE"));
}

TEST_F(Inputs, TransparentCommandRunsInsideAnotherAndTheOtherGoesOn) {
    inputs.TypeFromChannel("LINE 0,0 'FILEDIA");
    EXPECT_EQ(inputs.Line(), "Next point or Enter to end: 'FILEDIA");
    inputs.TypeFromChannel(" ");
    EXPECT_EQ(inputs.Prompt(), ">>Enter new value for FILEDIA <1>: ");
    inputs.TypeFromChannel("0\r");
    EXPECT_EQ(inputs.Prompt(), "Next point or Enter to end: ");
    inputs.TypeFromChannel("5,5 \r");
    EXPECT_EQ(host.variables.filedia, 0);
    ASSERT_EQ(drawing.Entities().size(), 1u);
    EXPECT_TRUE(HistoryHas("Next point or Enter to end: 'FILEDIA"));
    EXPECT_TRUE(HistoryHas(">>Enter new value for FILEDIA <1>: 0"));
    EXPECT_EQ(main.RejectionCount(), 0u);
}

TEST_F(Inputs, TransparentCommandAtTheIdlePromptAndCancelEndsBoth) {
    inputs.TypeFromChannel("'_FILEDIA 0\r");
    EXPECT_EQ(host.variables.filedia, 0);
    EXPECT_EQ(inputs.Prompt(), "Command: ");
    inputs.TypeFromChannel("LINE 0,0 '_LUPREC \x03");
    EXPECT_TRUE(main.IsIdle());
    EXPECT_EQ(inputs.Prompt(), "Command: ");
    inputs.TypeFromChannel("'NOSUCH\r");
    EXPECT_EQ(inputs.Prompt(), "Command: ");
    EXPECT_TRUE(HistoryHas(">>Unknown command \"NOSUCH\"."));
}

// A pick answers the question open, in place of what the user had begun to type, but never
// breaks into a line the channel is typing; during a transparent command it answers that one.
TEST_F(Inputs, PicksAnswerTheOpenQuestionButWaitForTheChannelsLine) {
    EXPECT_FALSE(inputs.PickPoint({1, 1, 0})); // nothing asked
    inputs.TypeFromChannel("LINE\r");
    inputs.TypeFromUser("12,");
    EXPECT_TRUE(inputs.PickPoint({1, 2, 0}));
    EXPECT_EQ(inputs.Line(), "Next point or Enter to end: ");
    inputs.TypeFromChannel("5,");
    EXPECT_FALSE(inputs.PickPoint({7, 7, 0}));
    inputs.TypeFromChannel("5\r");
    EXPECT_TRUE(inputs.PickPoint({9, 9, 0}));
    inputs.TypeFromChannel("'LASTPOINT\r");
    EXPECT_EQ(inputs.Prompt().rfind(">>Enter new value for LASTPOINT", 0), 0u);
    EXPECT_TRUE(inputs.PickPoint({4, 4, 0}));
    EXPECT_EQ(inputs.Prompt(), "Next point or Enter to end: ");
    inputs.TypeFromUser("\r");
    ASSERT_EQ(drawing.Entities().size(), 2u);
    EXPECT_EQ(std::get<Line>(drawing.Entities()[0].shape).a.y, 2);
    EXPECT_EQ(std::get<Line>(drawing.Entities()[1].shape).b.x, 9);
    EXPECT_EQ(main.RejectionCount(), 0u);
}
