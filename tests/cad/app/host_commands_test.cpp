// The commands that need the program around the command line, typed as the control library
// types them.
#include "fake_host.h"

#include "cad/command/command_line.h"

#include <gtest/gtest.h>

using namespace cad;
using cad::app::testing::FakeHost;
using cad::command::CommandLine;

namespace {
struct HostCommands : ::testing::Test {
    Drawing drawing;
    CommandLine cl{drawing};
    FakeHost host;
    command::HostAttachment attachment{cl, host};
    const std::string& Last() const { return cl.History().back(); }
};
} // namespace

TEST_F(HostCommands, IdPrintsThePointWithLuprecDecimalsAndMakesItTheLastPoint) {
    cl.Type("\x03\x03_iD\r10,-20.25\r");
    EXPECT_EQ(Last(), "X = 10.0000     Y = -20.2500     Z = 0.0000");
    cl.Type("_LUPREC 8\r_iD 1.123456789,2,3\r");
    EXPECT_EQ(Last(), "X = 1.12345679     Y = 2.00000000     Z = 3.00000000");
    cl.Type("_LASTPOINT ");
    EXPECT_EQ(cl.Prompt(), "Enter new value for LASTPOINT <1.12345679,2.00000000,3.00000000>: ");
}

TEST_F(HostCommands, IntegerVariablesKeepTheirRangeAndEnterKeepsTheValue) {
    cl.Type("_LUPREC ");
    EXPECT_EQ(cl.Prompt(), "Enter new value for LUPREC <4>: ");
    for (const char* wrong : {"9 ", "2.5 ", "-1 "}) {
        cl.Type(wrong);
        EXPECT_EQ(cl.Prompt(), "Enter new value for LUPREC <4>: ") << wrong;
    }
    cl.Type("\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_EQ(host.variables.luprec, 4);
    cl.Type("filedia 0\rSDIMODE 1\r");
    EXPECT_EQ(host.variables.filedia, 0);
    EXPECT_EQ(host.variables.sdimode, 1);
    EXPECT_EQ(host.variablesSet, (std::vector<std::string>{"FILEDIA", "SDIMODE"}));
}

TEST_F(HostCommands, ReadOnlyVariableEchoesTheNameAsTyped) {
    cl.Type("\x03\x03_dwgname ");
    EXPECT_EQ(Last(), "_dwgname = \"Drawing1.dwg\" (read only)");
    EXPECT_TRUE(cl.IsIdle());
}

TEST_F(HostCommands, CloseSequenceSavesUnderTheNameAndQuits) {
    drawing.Add(Line{{0, 0, 0}, {1, 1, 0}});
    const std::string close = "\x03\x03_FILEDIA 0\r_SAVEAS\r\r\"C:\\TEMP\\~AC090000.dwg\"\r_FILEDIA 1\rQSAVE\r_QUIT\r";
    cl.Type(close);
    EXPECT_EQ(host.drawingPath, "C:\\TEMP\\~AC090000.dwg");
    ASSERT_EQ(host.drawings.count("C:\\TEMP\\~AC090000.dwg"), 1u);
    EXPECT_EQ(host.drawings["C:\\TEMP\\~AC090000.dwg"].Entities().size(), 1u);
    EXPECT_EQ(host.variables.filedia, 1);
    EXPECT_EQ(host.quits, 1);
    EXPECT_EQ(cl.RejectionCount(), 0u);
    // Saved again under the drawing's own file, which now exists: the replace question comes as
    // for any file there, and the library's Y answers it.
    cl.Type("\x03\x03_FILEDIA 0\r_SAVEAS\r\r\"C:\\TEMP\\~AC090000.dwg\"\rY\r_FILEDIA 1\rQSAVE\r_QUIT\r");
    EXPECT_EQ(host.quits, 2);
    EXPECT_EQ(cl.RejectionCount(), 0u);
}

TEST_F(HostCommands, SaveasOverAnExistingFileAsksAndNoKeepsIt) {
    host.drawings["C:\\a.dwg"] = Drawing{};
    drawing.Add(Line{{0, 0, 0}, {1, 1, 0}});
    cl.Type("_SAVEAS\r\r\"C:\\a.dwg\"\r\r"); // Enter: the default answer N
    EXPECT_TRUE(host.drawings["C:\\a.dwg"].Entities().empty());
    EXPECT_TRUE(cl.IsIdle());
    cl.Type("_SAVEAS\r\rC:\\a\rY\r"); // no extension: .dwg
    EXPECT_EQ(host.drawings["C:\\a.dwg"].Entities().size(), 1u);
    cl.Type("_SAVEAS\r\rC:\\?.dwg\r");
    EXPECT_EQ(Last(), "cannot write C:\\?.dwg");
    EXPECT_EQ(host.drawingPath, "C:\\a.dwg");
}

TEST_F(HostCommands, DxfoutOfChosenObjectsAsTheLibraryAnswersIt) {
    drawing.Add(Line{{0, 0, 0}, {1, 1, 0}});
    drawing.Add(Line{{50, 50, 0}, {60, 60, 0}});
    // file, 'FILEDIA typed transparently is left out here (see command_inputs_test)
    cl.Type("\x03\x03_DxfOut\r\"C:\\out.dxf\"\rO auto\rW -1,-1 2,2 \r");
    EXPECT_EQ(cl.Prompt().substr(0, 10), "Enter deci");
    cl.Type("V 2000\r16\r\x03\x03");
    ASSERT_EQ(host.drawings.count("C:\\out.dxf"), 1u);
    EXPECT_EQ(host.drawings["C:\\out.dxf"].Entities().size(), 1u);
    EXPECT_EQ(host.drawingPath, ""); // exporting does not rename the drawing

    cl.Type("_DxfOut\rC:\\single\rO single\rALL\r"); // SINGLE ends with the first choice
    EXPECT_EQ(cl.Prompt().substr(0, 10), "Enter deci");
    cl.Type("B\r");
    EXPECT_EQ(cl.Prompt().substr(0, 10), "Enter deci"); // binary refused, asked again
    cl.Type("\r");
    EXPECT_EQ(host.drawings["C:\\single.dxf"].Entities().size(), 2u);
}

TEST_F(HostCommands, AttextWritesInsertRowsAfterTheTemplate) {
    drawing.SetBlock(Block{"B1", {}, {Entity{Line{{0, 0, 0}, {1, 0, 0}}}}});
    drawing.Add(Insert{"B1", {1.5, 2, 0}});
    drawing.Add(Line{{0, 0, 0}, {1, 1, 0}});
    drawing.Add(Insert{"B1", {-3, 4.125, 0}});
    host.texts["C:\\t.txt"] = "BL:NAME C008000\r\nBL:X N010002\r\nBL:Y N010003\r\nTAG C004000\r\n";
    cl.Type("_-AtText O single\rALL\r");
    EXPECT_EQ(cl.Prompt().substr(0, 14), "CDF, SDF or DX");
    cl.Type("C\r\"C:\\t.txt\"\r\"C:\\o.txt\"\r");
    EXPECT_EQ(host.texts["C:\\o.txt"], "'B1',1.50,2.000,''\r\n'B1',-3.00,4.125,''\r\n");
    cl.Type("ATTEXT S\r\"C:\\t.txt\"\r\"C:\\s.txt\"\r");
    EXPECT_EQ(host.texts["C:\\s.txt"], "B1            1.50     2.000    \r\nB1           -3.00     4.125    \r\n");
    host.texts["C:\\bad.txt"] = "BL:NAME X8\r\n";
    cl.Type("ATTEXT C\rC:\\bad.txt\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_NE(Last().find("BL:NAME X8"), std::string::npos);
}

TEST_F(HostCommands, ScriptTypesTheFileWithLineEndsAsEnter) {
    host.texts["C:\\s.scr"] = "LINE 0,0 1,1\r\n\r\nCIRCLE 0,0 2\n";
    cl.Type("_SCRIPT \"C:\\s.scr\"\r");
    EXPECT_EQ(host.typedLater, (std::vector<std::string>{"LINE 0,0 1,1\r\rCIRCLE 0,0 2\r"}));
    cl.Type("_SCRIPT C:\\missing\r");
    EXPECT_EQ(Last(), "cannot read C:\\missing.scr");
}

TEST(HostCommandsWithoutHost, AreRefused) {
    Drawing drawing;
    CommandLine cl{drawing};
    cl.Type("QUIT\r_LUPREC\r");
    EXPECT_EQ(cl.RejectionCount(), 2u);
    EXPECT_TRUE(cl.IsIdle());
}

// QUIT with changes not saved asks; each answer and what it leaves behind.
TEST_F(HostCommands, QuitWithUnsavedChangesAsksToSaveThem) {
    const std::string question = "Save changes to Drawing1.dwg? [Yes/No/Cancel] <Yes>: ";
    struct Case {
        const char* keys;
        int quits;
        const char* saved; // the file written, if any
    } cases[] = {
        {"_QUIT\rC\r", 0, nullptr},
        {"_QUIT\r\x03", 0, nullptr},
        {"_QUIT\rn\r", 1, nullptr},
        {"_QUIT\r\rC:\\plan\r", 1, "C:\\plan.dwg"}, // Enter is Yes; no file yet: its name is asked
        {"_QUIT\rYES\rC:\\?.dwg\r", 0, nullptr},    // a save that fails does not quit
    };
    for (const Case& c : cases) {
        FakeHost fresh;
        fresh.changed = true;
        Drawing d;
        CommandLine line{d};
        command::HostAttachment attached{line, fresh};
        const std::string keys = c.keys;
        line.Type(keys.substr(0, keys.find('\r') + 1));
        EXPECT_EQ(line.Prompt(), question) << c.keys;
        line.Type(keys.substr(keys.find('\r') + 1));
        EXPECT_TRUE(line.IsIdle()) << c.keys;
        EXPECT_EQ(fresh.quits, c.quits) << c.keys;
        EXPECT_EQ(fresh.drawings.size(), c.saved ? 1u : 0u) << c.keys;
        EXPECT_EQ(fresh.drawingPath, c.saved ? c.saved : "") << c.keys;
    }
    // Unchanged, or saved under its file by QSAVE: QUIT ends at once.
    host.changed = true;
    host.drawingPath = "C:\\b.dwg";
    cl.Type("QSAVE\r_QUIT\r");
    EXPECT_EQ(host.quits, 1);
    EXPECT_TRUE(cl.IsIdle());
}

// In a program with its own files, OPEN and EXPORT go through it: the opened file becomes the
// drawing's file, an exported one does not.
TEST_F(HostCommands, OpenAndExportUseTheProgramsFiles) {
    Drawing other;
    other.Add(Circle{{1, 2, 0}, 3});
    host.drawings["C:\\base.dxf"] = other;
    cl.Type("OPEN\r\"C:\\base\"\r");
    ASSERT_EQ(drawing.Entities().size(), 1u);
    EXPECT_EQ(host.drawingPath, "C:\\base.dxf");
    cl.Type("LINE 0,0 1,1 \rEXPORT\rC:\\copy.dxf\r");
    EXPECT_EQ(host.drawings["C:\\copy.dxf"].Entities().size(), 2u);
    EXPECT_EQ(host.drawingPath, "C:\\base.dxf");
    cl.Type("OPEN\rC:\\none.dxf\r");
    EXPECT_EQ(cl.Rejections().back().reason, "cannot read C:\\none.dxf");
    EXPECT_EQ(drawing.Entities().size(), 2u);
}
