// A drawing saved as DXF and opened again is the same drawing; the file is one that another
// reader opens on the drawing (no audit error, handles below $HANDSEED, extents and a view of
// them, a Japanese font); a failed save leaves nothing behind.
#include "cad/dxf/dxf_reader.h"
#include "cad/dxf/dxf_writer.h"
#include "dxf_fixture.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

using namespace cad;

namespace {

// Whether every handle the file gives (groups 5 and 105) lies below its $HANDSEED, read from
// the file's own group pairs: a reader may add objects of its own above the seed.
const char* const kSeedCheck = R"(
import sys
lines = open(sys.argv[1], encoding='cp932').read().split('\n')
pairs = list(zip(lines[0::2], lines[1::2]))
at = [v for c, v in pairs].index('$HANDSEED') + 1
seed = int(pairs[at][1], 16)
handles = [int(v, 16) for i, (c, v) in enumerate(pairs) if c.strip() in ('5', '105') and i != at]
print('handles', max(handles) > 0xFFFF and 'past FFFF' or 'within FFFF', 'seed', seed == max(handles) + 1 and 'next' or hex(seed))
)";

Drawing Survey() {
    Drawing d;
    d.SetBlock(
        Block{"杭", {0, 0}, {Entity{Circle{{0, 0}, 0.5}, kRed}, Entity{Polyline{{{-1, 0}, {1, 0}}, {0.5}}, kByBlock}}});
    d.Add(Line{{-12.25, 3.5, 101.75}, {250.5, 80.125, 99.5}});
    d.Add(Polyline{{{0, 0, 12.5}, {10, 0, 12.5}, {20, 5, 12.5}, {30, 5, 12.5}}, {1, -0.25, 0}});
    d.SetCurrentColour(kGreen);
    d.Add(Circle{{150, 23.375}, 2});
    d.Add(Arc{{0, 0}, 10, 90, 0});
    d.SetCurrentColour(kByLayer);
    d.Add(Text{{-41, -77.5}, 5, 0, "縦断図 No.1"});
    d.Add(Text{{0, -90}, 2.5, 90, "지반 ①"}); // Hangul has no code page 932 counterpart
    d.Add(Insert{"杭", {-1000, 1234, 5}, 2, 2, 45});
    return d;
}

} // namespace

TEST(DxfRoundTrip, SavedAndOpenedAgainIsTheSameDrawing) {
    const Drawing drawing = Survey();
    const std::string path = (DxfTestFolder() / "survey.dxf").string();
    dxf::WriteDxf(drawing, path);

    Drawing opened;
    opened.Add(Line{{1, 1}, {2, 2}}); // what was there before goes
    EXPECT_TRUE(dxf::OpenDxf(path, opened).empty());
    ASSERT_EQ(opened.Entities().size(), drawing.Entities().size());
    for (std::size_t i = 0; i < drawing.Entities().size(); ++i)
        EXPECT_TRUE(opened.Entities()[i] == drawing.Entities()[i]) << "entity " << i;
    ASSERT_NE(opened.FindBlock("杭"), nullptr);
    EXPECT_TRUE(opened.FindBlock("杭")->entities == drawing.FindBlock("杭")->entities);

    const std::string report = RunPython(R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
print('extents', doc.header['$EXTMIN'][:2], doc.header['$EXTMAX'][:2])
vp = doc.viewports.get('*Active')[0]
print('view', [round(c, 3) for c in vp.dxf.center], round(vp.dxf.height, 3))
print('font', doc.styles.get('Standard').dxf.font)
texts = [t.dxf.text for t in doc.modelspace().query('TEXT')]
print('texts', texts)
pl = doc.modelspace().query('LWPOLYLINE')[0]
print('bulges', [p[4] for p in pl.get_points()])
)",
                                         path);
    EXPECT_EQ(report, "errors 0 fixes 0\n"
                      "extents (-1001.41421356237, -90.0) (250.5, 1235.41421356237)\n"
                      "view [-375.457, 572.707, 0.0] 1391.685\n"
                      "font msgothic.ttc\n"
                      "texts ['縦断図 No.1', '\\\\U+C9C0\\\\U+BC18 ①']\n"
                      "bulges [1.0, -0.25, 0.0, 0.0]\n");
    EXPECT_EQ(RunPython(kSeedCheck, path), "handles within FFFF seed next\n");
}

// Past 65 535 objects the handles run beyond FFFF; the seed follows them.
TEST(DxfRoundTrip, HandleSeedFollowsTheHandlesOfALargeDrawing) {
    Drawing drawing;
    for (int i = 0; i < 70000; ++i) drawing.Add(Line{{i * 1.0, 0}, {i * 1.0, 10}});
    const std::string path = (DxfTestFolder() / "large.dxf").string();
    dxf::WriteDxf(drawing, path);
    EXPECT_EQ(RunPython(kSeedCheck, path), "handles past FFFF seed next\n");
    const std::string audit = RunPython(R"(
import sys, ezdxf
audit = ezdxf.readfile(sys.argv[1]).audit()
print('errors', len(audit.errors), 'fixes', len(audit.fixes))
)",
                                        path);
    EXPECT_EQ(audit, "errors 0 fixes 0\n");
}

TEST(DxfRoundTrip, AFailedSaveLeavesTheOldFileAndNoPartOfTheNewOne) {
    const auto folder = DxfTestFolder() / "failed_save";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "plan.dxf"); // a folder where the file should go
    EXPECT_THROW(dxf::WriteDxf(Survey(), (folder / "plan.dxf").string()), rt::Error);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "plan.dxf"));
}
