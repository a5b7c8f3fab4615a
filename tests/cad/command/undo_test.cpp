// U and UNDO take back whole commands: what a command added goes, what it changed or erased
// comes back as it was and where it was, blocks and the current colour included.
#include "cad/command/command_line.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

using namespace cad;

namespace {

// The drawing every case starts from: three lines, a circle and a block.
void Start(command::CommandLine& cl) {
    cl.Type("LINE 0,0 10,0 10,10 \r");
    cl.Type("CIRCLE 50,50 5\r");
    cl.Type("LINE 100,0,5 120,0,5 \r");
    cl.Type("-block\rB1\r0,0\rW 45,45 55,55\r\r-insert\rB1 0,0 1 1 0\r");
}

struct UndoCase {
    const char* name;
    const char* typed; // the command to take back
    const char* undo;  // how it is taken back
};

class Undo : public ::testing::TestWithParam<UndoCase> {};

TEST_P(Undo, LeavesTheDrawingAsBeforeTheCommand) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    Start(cl);
    const Drawing before = drawing;
    cl.Type(rt::Utf8ToCp932(GetParam().typed));
    ASSERT_TRUE(cl.IsIdle());
    ASSERT_FALSE(drawing.Entities() == before.Entities()) << "the command changed nothing";
    cl.Type(GetParam().undo);
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_TRUE(drawing.Entities() == before.Entities());
    ASSERT_EQ(drawing.Blocks().size(), before.Blocks().size());
    EXPECT_TRUE(drawing.FindBlock("B1")->entities == before.FindBlock("B1")->entities);
    EXPECT_EQ(drawing.CurrentColour(), before.CurrentColour());
    EXPECT_EQ(cl.RejectionCount(), 0u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, Undo,
                         ::testing::Values(UndoCase{"Line", "LINE 0,0 5,5 5,0 \r", "U\r"},
                                           UndoCase{"Pline", "PLINE 0,0 5,5 9,1 \r", "u\r"},
                                           UndoCase{"Text", "DTEXT 0,0 3 0 地盤高\r\r", "U\r"},
                                           UndoCase{"EraseFromTheMiddle", "ERASE W -1,-1 11,11\r\r", "U\r"},
                                           UndoCase{"MoveOne", "MOVE W 99,-1 121,1\r\r0,0 7,7\r", "U\r"},
                                           UndoCase{"StretchTheFirstLineOnly", "STRETCH C 9,9 11,11\r\r0,0 3,3\r", "U\r"},
                                           UndoCase{"Explode", "EXPLODE ALL\r\r", "U\r"},
                                           UndoCase{"Redefine", "-block\rB1\rY\r0,0\rW -1,-1 11,11\r\r", "U\r"},
                                           UndoCase{"TwoAtOnce", "LINE 1,1 2,2 \rERASE ALL\r\r", "UNDO\r2\r"},
                                           UndoCase{"CancelledLineKeepsItsSegmentsAsOneStep",
                                                    "LINE 0,0 1,0 1,1 2,2\x03", "U\r"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(UndoHistory, GoesBackCommandByCommandAndSaysWhenNothingIsLeft) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("LINE 0,0 1,1 \r_cecolor\rRed\rCIRCLE 0,0 1\rzoom\r0,0 5,5\r");
    cl.Type("U\r"); // the zoom
    EXPECT_FALSE(drawing.View().has_value());
    EXPECT_EQ(drawing.Entities().size(), 2u);
    cl.Type("U\r"); // the circle
    EXPECT_EQ(drawing.Entities().size(), 1u);
    cl.Type("U\r"); // the colour
    EXPECT_EQ(drawing.CurrentColour(), kByLayer);
    cl.Type("UNDO\r5\r");
    EXPECT_TRUE(drawing.Entities().empty());
    EXPECT_EQ(cl.History().back(), "Everything has been undone.");
    cl.Type("U\r");
    EXPECT_EQ(cl.History().back(), "Nothing to undo.");
}

TEST(UndoHistory, CommandsThatChangeNothingAreNotSteps) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("LINE 0,0 1,1 \rERASE W 50,50 60,60\r\rMOVE ALL\r\r0,0 0,0\r");
    cl.Type("U\r");
    EXPECT_TRUE(drawing.Entities().empty());
    EXPECT_EQ(cl.History().back(), "LINE undone.");
}

} // namespace

// A copy of the drawing taken while a command edits it (an export, say) is not watched by the
// command line's history: changing the copy later records nothing and leaves the history whole.
TEST(UndoHistory, ACopyOfTheDrawingIsNotWatched) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    Start(cl);
    const std::size_t before = drawing.Entities().size();
    cl.Type("ERASE\rW 95,-5 125,5\r");
    Drawing copy = drawing; // still inside ERASE, which watches the drawing
    cl.Type("\r");
    copy.Entities().clear(); // after the command: nothing may reach the history
    ASSERT_EQ(drawing.Entities().size(), before - 1);
    cl.Type("U\r");
    EXPECT_EQ(drawing.Entities().size(), before);
}
