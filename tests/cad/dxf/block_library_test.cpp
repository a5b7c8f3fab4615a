#include "cad/dxf/block_library.h"

#include "cad/command/command_line.h"
#include "cad/drawing/extents.h"
#include "cad/dxf/dxf_writer.h"
#include "dxf_fixture.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

using namespace cad;

TEST(BlockLibrary, ExampleBlocksAreFoundByNameWhenInsertAsksForThem) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.SetBlockSource(dxf::BlockFolder(dxf::ExampleBlockFolder()));
    cl.Type("-insert\rkei1 -100000,0 1 1 0\r");
    cl.Type("-insert\rGEN1 -100000,0 1 1 0\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_EQ(cl.RejectionCount(), 0u);
    ASSERT_EQ(drawing.Entities().size(), 2u);
    const Rect planned = ShapeExtents(drawing, drawing.Entities()[0].shape);
    EXPECT_EQ(planned.minX, -103000);
    EXPECT_EQ(planned.maxX, -97000);
    EXPECT_EQ(planned.maxY, 0);
    const Rect ground = ShapeExtents(drawing, drawing.Entities()[1].shape);
    EXPECT_EQ(ground.minX, -115000);
    EXPECT_EQ(ground.maxX, -85000);
}

TEST(BlockLibrary, LibraryFileDefinesOnlyBlocksTheDrawingLacks) {
    Drawing library;
    library.SetBlock(Block{"KEEP", {}, {Entity{Line{{0, 0}, {1, 1}}}}});
    library.SetBlock(Block{"NEW", {}, {Entity{Line{{0, 0}, {2, 2}}}}});
    const std::string path = (DxfTestFolder() / "library.dxf").string();
    dxf::WriteDxf(library, path);
    Drawing drawing;
    drawing.SetBlock(Block{"KEEP", {}, {}});
    std::vector<std::string> warnings;
    EXPECT_EQ(dxf::LoadBlocks(path, drawing, warnings), std::vector<std::string>{"NEW"});
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(drawing.FindBlock("KEEP")->entities.empty());
    EXPECT_EQ(drawing.FindBlock("NEW")->entities.size(), 1u);
}

TEST(BlockLibrary, UnusableFileInTheFolderEndsTheInsertWithTheReason) {
    const auto folder = DxfTestFolder() / "broken_blocks";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "BAD.dxf") << "garbage\n";
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.SetBlockSource(dxf::BlockFolder(folder));
    cl.Type("-insert\rBAD 0,0 1 1 0\r");
    EXPECT_TRUE(cl.IsIdle());
    EXPECT_TRUE(drawing.Entities().empty());
    ASSERT_GE(cl.RejectionCount(), 1u);
    EXPECT_NE(cl.Rejections()[0].reason.find("not an ASCII DXF file"), std::string::npos);
}

// A block drawing made by another writer: polyline arcs, a layer's colour and a text with a
// character code page 932 lacks (written as \U+) come through; the kinds this CAD does not
// draw are named in the history with the file, not dropped unsaid.
TEST(BlockLibrary, ArcsLayerColoursAndEscapedTextsOfAnotherWritersFileAreKept) {
    const auto folder = DxfTestFolder() / "foreign_blocks";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "GL1.dxf").string();
    RunPython(R"(
import sys, ezdxf
doc = ezdxf.new('R2000')
doc.encoding = 'cp932'
doc.layers.new('GROUND', dxfattribs={'color': 3})
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0, 0, 0, 1), (10, 0, 0, 0, 0), (20, 0)], dxfattribs={'layer': 'GROUND'})
msp.add_text('地盤 지반', dxfattribs={'height': 2.5, 'insert': (0, 5)})
msp.add_mtext('note')
hatch = msp.add_hatch()
hatch.paths.add_polyline_path([(0, 0), (1, 0), (1, 1)])
doc.saveas(sys.argv[1])
)",
              path);
    ASSERT_NE(ReadTextFile(path).find("\\U+c9c0"), std::string::npos) << "the fixture has no escape to read";

    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.SetBlockSource(dxf::BlockFolder(folder));
    cl.Type("-insert\rGL1 100,0 1 1 0\r");
    ASSERT_EQ(cl.RejectionCount(), 0u);
    const Block* block = drawing.FindBlock("GL1");
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->entities.size(), 2u);
    const auto& ground = std::get<Polyline>(block->entities[0].shape);
    EXPECT_EQ(ground.Bulge(0), 1);
    EXPECT_EQ(block->entities[0].colour, kGreen);
    EXPECT_EQ(ShapeExtents(drawing, drawing.Entities()[0].shape).minY, -5); // the half circle below
    EXPECT_EQ(std::get<Text>(block->entities[1].shape).text, "地盤 지반");
    bool told = false;
    for (const std::string& line : cl.History())
        told = told || (line.find(path) != std::string::npos && line.find("1 HATCH, 1 MTEXT") != std::string::npos);
    EXPECT_TRUE(told) << cl.History().back();
}
