#include "cad/view/text_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include <cmath>

namespace cad::view {

namespace {

const char* const kFamily = "IPAGothic";
constexpr double kMeasureSize = 1000; // pixel size the font's proportions are measured at

QFont FontOfPixels(double pixels) {
    QFont font(kFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// How far a character's ink reaches above and below the baseline, as fractions of the pixel
// size, measured by drawing it: the outlines the font engine draws may sit otherwise than
// the font's metrics say.
struct Ink {
    double top, bottom; // above and below the baseline (negative: above)
};

Ink InkOf(const QString& character) {
    constexpr int kSize = 200, kBaseline = 300;
    QImage image(2 * kSize, 2 * kSize, QImage::Format_Grayscale8);
    image.fill(255);
    {
        QPainter p(&image);
        p.setFont(FontOfPixels(kSize));
        p.setPen(Qt::black);
        p.drawText(QPointF(kSize / 2.0, kBaseline), character);
    }
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 128) {
                if (top < 0) top = y;
                bottom = y + 1;
                break;
            }
    }
    if (top < 0) return {0.75, 0};
    return {static_cast<double>(kBaseline - top) / kSize, static_cast<double>(bottom - kBaseline) / kSize};
}

// Proportions of the font, as fractions of its pixel size.
struct Proportions {
    Ink capital;        // a capital letter
    double halfAdvance; // advance of a half-width character
    Ink full;           // a full-width character
    double fullAdvance;
};

const Proportions& FontProportions() {
    static const Proportions p = [] {
        const QFontMetricsF m(FontOfPixels(kMeasureSize));
        const QString full = QString::fromUtf8("田");
        return Proportions{InkOf(QStringLiteral("H")), m.horizontalAdvance(QChar('M')) / kMeasureSize, InkOf(full),
                           m.horizontalAdvance(full) / kMeasureSize};
    }();
    return p;
}

bool HalfWidth(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

} // namespace

void PaintText(QPainter& painter, const Text& text, const QTransform& worldToDevice, const QColor& colour) {
    const double scale = std::sqrt(std::fabs(worldToDevice.determinant()));
    const double h = text.height * scale;
    if (h < kSmallestTextPixels) return;
    const Proportions& p = FontProportions();
    const QString all = QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const QList<uint> codes = all.toUcs4();

    painter.save();
    painter.setPen(colour);
    painter.translate(worldToDevice.map(QPointF(text.position.x, text.position.y)));
    painter.rotate(-text.rotation);
    double x = 0;
    for (qsizetype i = 0; i < codes.size();) {
        const bool half = HalfWidth(codes[i]);
        qsizetype end = i;
        while (end < codes.size() && HalfWidth(codes[end]) == half) ++end;
        const QString run = QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData() + i), end - i);
        const qsizetype count = end - i;
        const Ink& ink = half ? p.capital : p.full;
        const double pixels = h / (ink.top + ink.bottom);
        const double advance = (half ? p.halfAdvance : p.fullAdvance) * pixels;
        const double stretch = (half ? 0.6 : 1.0) * h / advance;
        const double lift = ink.bottom * pixels; // the ink stands on the baseline
        painter.save();
        painter.setFont(FontOfPixels(pixels));
        painter.translate(x, -lift);
        painter.scale(stretch, 1);
        painter.drawText(QPointF(0, 0), run);
        painter.restore();
        x += (half ? 0.6 : 1.0) * h * static_cast<double>(count);
        i = end;
    }
    painter.restore();
}

} // namespace cad::view
