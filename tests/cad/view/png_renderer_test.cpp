// A small profile-like drawing rendered to a PNG in the build folder, for people to look at.
#include "cad/view/png_renderer.h"

#include "cad/command/command_line.h"
#include "cad/dxf/block_library.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace cad;

namespace {

// Pixels near the colour (antialiased edges fade towards the white ground).
int InkPixels(const QImage& image, QColor ink) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) <
                 200;
        }
    return n;
}

} // namespace

TEST(PngRenderer, ProfileLikeDrawingIsWrittenWithItsLinesTextsAndColours) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.SetBlockSource(dxf::BlockFolder(dxf::ExampleBlockFolder()));
    // clang-format off
    const char* sends[] = {
        "PLINE 0,10 100,14 200,9 300,20 \r", "PLINE -50,-45 -20,-45 -50,-15 -50,-45 \r",
        "PLINE -50,0 305,0 \r",             "PLINE 0,-45 300,-45 \r",
        "_cecolor\rRed\r",                  "PLINE 0,12 100,12.5 200,13.5 300,16 \r",
        "_cecolor\rBylayer\r",              "CIRCLE\r", "100,-55 4.5\r",
        "DTEXT \r",                          "\r\r",
        "-41,-77.5\r",                       "5\r", "90\r", "勾\r", "\r\r",
        "-45,-50\r",                         "4\r", "0\r", "S=1:200\r", "\r\r",
        "100,60\r",                          "30\r", "0\r", "縦　　断　　図\r", "\r\r",
        "\r\r",
        "-insert\r",                         "KEI1 150,30 0.01 0.01 0\r",
    };
    // clang-format on
    for (const char* s : sends) cl.Type(rt::Utf8ToCp932(s));
    ASSERT_EQ(cl.RejectionCount(), 0u);

    const auto path = std::filesystem::temp_directory_path() / "profile_like.png";
    SCOPED_TRACE("the picture: " + path.string());
    view::RenderPng(drawing, path.string(), 800, 500);
    QImage image(QString::fromStdString(path.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 800);
    EXPECT_GT(InkPixels(image, Qt::red), 100);   // the red planned line
    EXPECT_GT(InkPixels(image, Qt::black), 500); // lines and texts in black
}

TEST(PngRenderer, UnwritablePathRaises) {
    EXPECT_THROW(view::RenderPng(Drawing{}, "/nonexistent-folder/x.png", 10, 10), rt::Error);
}
