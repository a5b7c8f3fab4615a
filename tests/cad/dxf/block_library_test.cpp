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
