#include "vantor/geometry/coordinates/reference_fit.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"

#include <cmath>
#include <numbers>

namespace 縦断bus::coordinates {

namespace {

std::string Refusal(const std::string& why) { return "解析不能：" + why; }

} // namespace

FitResult TurnedTo(const FitResult& fit, double angle) {
    FitResult turned = fit;
    turned.angle = angle;
    turned.degrees = angle * 180 / std::numbers::pi;
    const double p1 = std::cos(angle), p2 = std::sin(angle);
    turned.p3 = p1 * fit.siteX + p2 * fit.siteY - fit.drawingX;
    turned.p4 = -p2 * fit.siteX + p1 * fit.siteY - fit.drawingY;
    return turned;
}

FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points) {
    FitOutcome outcome;
    const auto n = static_cast<double>(points.size());
    if (points.size() < 2) {
        outcome.failure = Refusal("基準点が" + rt::CStr(static_cast<int>(points.size())) +
                                  "点しかありません。現地座標と図面座標のそろった基準点を２点以上入力してください。");
        return outcome;
    }
    FitResult& fit = outcome.result;
    for (const ReferencePoint& p : points) {
        fit.siteX += p.siteX / n;
        fit.siteY += p.siteY / n;
        fit.drawingX += p.drawingX / n;
        fit.drawingY += p.drawingY / n;
    }
    // Offsets from the centroids, so that coordinates far from the origin lose no digits.
    // With them the best angle maximises cos θ·c + sin θ·s.
    double c = 0, s = 0, site2 = 0, drawing2 = 0;
    for (const ReferencePoint& p : points) {
        const double dx = p.siteX - fit.siteX, dy = p.siteY - fit.siteY;
        const double dX = p.drawingX - fit.drawingX, dY = p.drawingY - fit.drawingY;
        c += dX * dx + dY * dy;
        s += dX * dy - dY * dx;
        site2 += dx * dx + dy * dy;
        drawing2 += dX * dX + dY * dY;
    }
    if (site2 == 0) {
        outcome.failure = Refusal("基準点の現地座標がすべて同じ点です。離れた２点以上を入力してください。");
        return outcome;
    }
    if (drawing2 == 0) {
        outcome.failure = Refusal("基準点の図面座標がすべて同じ点です。離れた２点以上を入力してください。");
        return outcome;
    }
    fit.scale = std::hypot(c, s) / site2;
    if (!(std::fabs(fit.scale - 1) <= kScaleTolerance)) {
        outcome.failure = Refusal("基準点の図面の距離が現地の " + rt::CStr(rt::RoundHalfUp(fit.scale, 5)) +
                                  " 倍です。図面座標は現地と同じ縮尺のメートルで入力してください"
                                  "（回転と平行移動だけで合わせるので、距離の違いは0.1％までです）。");
        return outcome;
    }
    outcome.result = TurnedTo(fit, std::atan2(s, c));
    outcome.solved = true;
    return outcome;
}

} // namespace 縦断bus::coordinates
