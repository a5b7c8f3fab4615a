// Texts stand as high on screen as their height says: the capital letters and the
// full-width characters alike, on the baseline, advancing as TextWidth counts.
#include "cad/view/text_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace cad;

namespace {

// Rows and columns holding ink, within the columns [from, to).
QRect InkIn(const QImage& image, int from, int to) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to; ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(TextPainter, CapitalsAndFullWidthCharactersAreAsHighAsTheTextHeight) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QImage image(600, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        // World y up, 1 unit = 1 pixel, the baseline at y = 200 on the picture.
        const QTransform worldToDevice(1, 0, 0, -1, 0, 200);
        view::PaintText(painter, Text{{50, 0}, 100, 0, "HE田"}, worldToDevice, Qt::black);
    }
    const QRect capitals = InkIn(image, 50, 50 + 120);        // two half-width characters: 0.6 h each
    const QRect fullWidth = InkIn(image, 50 + 120, 50 + 220); // one full-width character: h
    EXPECT_NEAR(capitals.top(), 100, 3);
    EXPECT_NEAR(capitals.bottom(), 199, 2);
    EXPECT_NEAR(fullWidth.top(), 100, 3);
    EXPECT_NEAR(fullWidth.bottom(), 199, 2);
    EXPECT_LE(fullWidth.right(), 50 + 220);
    EXPECT_GE(fullWidth.width(), 70); // the glyph's ink, inside its advance
}
