#include "cad/dxf/dxf_writer.h"

#include "cad/dxf/dxf_reader.h"
#include "dxf_fixture.h"
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
print('errors', len(audit.errors))
print('codepage', doc.header.get('$DWGCODEPAGE'))
for e in doc.modelspace():
    extra = ''
    if e.dxftype() == 'TEXT': extra = e.dxf.text + ' ' + repr(round(e.dxf.rotation, 9))
    if e.dxftype() == 'INSERT': extra = e.dxf.name + ' ' + repr(round(e.dxf.rotation, 9))
    print(e.dxftype(), e.dxf.hasattr('color') and e.dxf.color or 'bylayer', extra)
print('block', [e.dxftype() for e in doc.blocks.get('計画1')])
)", path);
    EXPECT_EQ(report,
              "errors 0\n"
              "codepage ANSI_932\n"
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
