#include "cad/dxf/dxf_writer.h"

#include "cad/command/command_line.h"
#include "cad/dxf/block_library.h"
#include "cad/dxf/dxf_reader.h"
#include "dxf_fixture.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

using namespace cad;

namespace {

Drawing EveryKind() {
    Drawing d;
    Polyline shape;
    shape.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
    d.SetBlock(Block{"計画1", {0, 0}, {Entity{shape, kByLayer}, Entity{Circle{{0, 0}, 50}, kRed}}});
    d.Add(Line{{0, 0}, {100, 50}});
    d.Add(Line{{1000, 2000, 1500}, {1500, 2000, 1500}});
    d.Add(shape);
    d.SetCurrentColour(kGreen);
    d.Add(Circle{{150, 23.4}, 2});
    d.Add(Arc{{0, 0}, 10, 90, 0});
    d.SetCurrentColour(kByLayer);
    d.Add(Text{{-41, -77.5}, 5, 90, "縦　　断　　図"});
    d.Add(Insert{"計画1", {-100000, 1234}, 1, 1, 30});
    return d;
}

} // namespace

TEST(DxfWriter, EveryEntityKindPassesAnIndependentAuditAndReadsBack) {
    const std::string path = (DxfTestFolder() / "every_kind.dxf").string();
    dxf::WriteDxf(EveryKind(), path);
    const std::string report = RunPython(R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
print('codepage', doc.header.get('$DWGCODEPAGE'))
print('dimension text style', doc.dimstyles.get('Standard').dxf.get('dimtxsty'))
for e in doc.modelspace():
    extra = ''
    if e.dxftype() == 'TEXT': extra = e.dxf.text + ' ' + repr(round(e.dxf.rotation, 9))
    if e.dxftype() == 'INSERT': extra = e.dxf.name + ' ' + repr(round(e.dxf.rotation, 9))
    print(e.dxftype(), e.dxf.hasattr('color') and e.dxf.color or 'bylayer', extra)
print('block', [e.dxftype() for e in doc.blocks.get('計画1')])
)",
                                         path);
    EXPECT_EQ(report, "errors 0 fixes 0\n"
                      "codepage ANSI_932\n"
                      "dimension text style Standard\n"
                      "LINE bylayer \n"
                      "LINE bylayer \n"
                      "LWPOLYLINE bylayer \n"
                      "CIRCLE 3 \n"
                      "ARC 3 \n"
                      "TEXT bylayer 縦　　断　　図 90.0\n"
                      "INSERT bylayer 計画1 30.0\n"
                      "block ['LWPOLYLINE', 'CIRCLE']\n");

    const dxf::DxfContents back = dxf::ReadDxf(path);
    ASSERT_EQ(back.drawing.Entities().size(), 7u);
    const auto& text = std::get<Text>(back.drawing.Entities()[5].shape);
    EXPECT_EQ(text.text, "縦　　断　　図");
    EXPECT_NEAR(text.rotation, 90, 1e-9);
    const auto& line3d = std::get<Line>(back.drawing.Entities()[1].shape);
    EXPECT_EQ(line3d.b.z, 1500);
    const auto& ins = std::get<Insert>(back.drawing.Entities()[6].shape);
    EXPECT_NEAR(ins.rotation, 30, 1e-9);
    EXPECT_EQ(back.drawing.Entities()[3].colour, kGreen);
    ASSERT_NE(back.drawing.FindBlock("計画1"), nullptr);
    EXPECT_EQ(back.drawing.FindBlock("計画1")->entities[1].colour, kRed);
}

TEST(DxfWriter, UnwritablePathRaises) {
    try {
        dxf::WriteDxf(Drawing{}, "/nonexistent-folder/x.dxf");
        FAIL() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errApplication);
    }
}

// A drawing typed by the drawing program's streams (a cross-section assembled from the
// example blocks and labelled, a block of a Japanese name, profile texts with blanks, a plan
// arc, a coloured 3D line) is written and read back by the independent reader: no audit
// error, every text and block name as typed.
TEST(DxfWriter, DrawingTypedByTheProgramsStreamsReadsBackUnchanged) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.SetBlockSource(dxf::BlockFolder(dxf::ExampleBlockFolder()));
    // clang-format off
    const char* sends[] = {
        "-insert\r", "KEI1 -100000,0 1 1 0\r", "zoom\r", "-145000,9000\r", "-55000,-9000\r",
        "explode\r", "W -145000,9000 -55000,-9000\r\r",
        "stretch\r", "c\r", "-90000,-10000\r", "-99900,10000\r\r", "-97000,-60 -96500,-87.5\r",
        "stretch\r", "c\r", "-100100,-10000\r", "-110000,10000\r\r", "-103000,-60 -103500,-80.4999983310699\r",
        "-insert\r", "GEN1 -100000,0 1 1 0\r", "explode\r", "W -145000,-9000 -55000,9000\r\r",
        "move\r", "W -145000,-9000 -55000,9000\r\r", "-100000,0 45000,9333.333\r",
        "PLINE -5000,1234 5000,1234 \r",
        "-block\r", "計画２\r", "Y\r", "0,1234\r", "W -40000,40000 40000,-40000\r", "\r",
        "-insert\r", "計画２ 0,0 1 1 0\r",
        "DTEXT \r", "\r\r",
        "46000,9433.333\r", "200\r", "0\r", "2.5 %\r", "\r\r",
        "44040,16800\r", "800\r", "0\r", "  20.00\r", "\r\r",
        "45000,14400\r", "400\r", "0\r", "Ｆ.H =  12.34\r", "\r\r",
        "55000,14500\r", "200\r", "0\r", "C'=\r", "\r\r",
        "-41,-77.5\r", "5\r", "90\r", "勾\r", "\r\r",
        "-34,-95\r", "5\r", "90\r", "  \r", "\r\r",
        "-50,-200\r", "4\r", "0\r", "ソ表能\r", "\r\r",  // second bytes that are backslashes
        "\r\r",
        "arc\r", "10500,0\r", "c\r", "0,0 0,9500\r",
        "_cecolor\rMagenta\r", "LINE 1.234568E+07,-2000,0 1.234568E+07,-2000,1234.5 \r", "_cecolor\rBylayer\r",
    };
    // clang-format on
    for (const char* s : sends) cl.Type(rt::Utf8ToCp932(s));
    ASSERT_TRUE(cl.IsIdle());
    ASSERT_EQ(cl.RejectionCount(), 1u); // the "Y" at the base point of the new block
    EXPECT_EQ(cl.Rejections()[0].input, "Y");

    std::string expected = "errors 0 fixes 0\n";
    for (const Entity& e : drawing.Entities())
        if (const auto* t = std::get_if<Text>(&e.shape)) expected += "TEXT [" + t->text + "]\n";
    expected += "block 計画２ 1\n";

    const std::string path = (DxfTestFolder() / "typed_by_streams.dxf").string();
    dxf::WriteDxf(drawing, path);
    const std::string report = RunPython(R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
for e in doc.modelspace().query('TEXT'):
    print('TEXT [' + e.dxf.text + ']')
for b in doc.blocks:
    if b.name == '計画２': print('block', b.name, len(b))
)",
                                         path);
    EXPECT_EQ(report, expected);
    EXPECT_NE(expected.find("TEXT [Ｆ.H =  12.34]"), std::string::npos);
    EXPECT_NE(expected.find("TEXT [  ]"), std::string::npos);
}
