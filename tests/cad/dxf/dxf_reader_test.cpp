// Malformed block files give a clear error naming the file, never a crash or half a block.
#include "cad/dxf/dxf_reader.h"

#include "dxf_fixture.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

namespace {

const std::string kBlocksWith(const std::string& blockBody) {
    return "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB1\n70\n0\n10\n0\n20\n0\n30\n0\n3\nB1\n" + blockBody +
           "0\nENDBLK\n0\nENDSEC\n0\nEOF\n";
}

} // namespace

TEST(DxfReader, MalformedFilesAreRefusedWithTheReason) {
    const struct {
        const char* name;
        std::string content;
        const char* reason;
    } cases[] = {
        {"plain.dxf", "this is not a drawing\n", "not an ASCII DXF file"},
        {"binary.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "not an ASCII DXF file"},
        {"empty.dxf", "", "not an ASCII DXF file"},
        {"unknown_insert.dxf", kBlocksWith("0\nINSERT\n8\n0\n2\nNOPE\n10\n0\n20\n0\n30\n0\n"), "does not define"},
        {"self.dxf", kBlocksWith("0\nINSERT\n8\n0\n2\nB1\n10\n0\n20\n0\n30\n0\n"), "contains itself"},
        {"bad_text.dxf", kBlocksWith("0\nTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n40\n2\n1\n\x81\x20\n"), "code page 932"},
    };
    for (const auto& c : cases) {
        const std::string path = WriteTextFile(c.name, c.content);
        try {
            cad::dxf::ReadDxf(path);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const rt::Error& e) {
            EXPECT_NE(e.Description().find(c.reason), std::string::npos) << c.name << ": " << e.Description();
            EXPECT_NE(e.Description().find(c.name), std::string::npos) << e.Description();
        }
    }
}

TEST(DxfReader, MissingFileIsRefused) {
    EXPECT_THROW(cad::dxf::ReadDxf((DxfTestFolder() / "absent.dxf").string()), rt::Error);
}

TEST(DxfReader, TruncatedFileKeepsWhatWasComplete) {
    const std::string path = WriteTextFile(
        "truncated.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n5\n21\n5\n0\nLINE\n8\n0\n10\n");
    const auto contents = cad::dxf::ReadDxf(path);
    EXPECT_LE(contents.drawing.Entities().size(), 2u);
}
