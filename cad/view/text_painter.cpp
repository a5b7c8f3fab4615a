#include "cad/view/text_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <cmath>

namespace cad::view {

namespace {

const char* const kFamily = "IPAGothic";
constexpr double kMeasureSize = 1000;  // pixel size the font's proportions are measured at

QFont FontOfPixels(double pixels) {
    QFont font(kFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Proportions of the font, as fractions of its pixel size.
struct Proportions {
    double capHeight;      // top of the capital letters above the baseline
    double halfAdvance;    // advance of a half-width character
    double fullTop;        // top of a full-width character above the baseline
    double fullBottom;     // its bottom below the baseline
    double fullAdvance;
};

const Proportions& FontProportions() {
    static const Proportions p = [] {
        const QFontMetricsF m(FontOfPixels(kMeasureSize));
        const QRectF full = m.tightBoundingRect(QString::fromUtf8("田"));
        return Proportions{m.capHeight() / kMeasureSize, m.horizontalAdvance(QChar('M')) / kMeasureSize,
                           -full.top() / kMeasureSize, full.bottom() / kMeasureSize,
                           m.horizontalAdvance(QString::fromUtf8("田")) / kMeasureSize};
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
        double pixels, stretch, lift;
        if (half) {
            pixels = h / p.capHeight;
            stretch = 0.6 * h / (p.halfAdvance * pixels);
            lift = 0;
        } else {
            pixels = h / (p.fullTop + p.fullBottom);
            stretch = h / (p.fullAdvance * pixels);
            lift = p.fullBottom * pixels;
        }
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
