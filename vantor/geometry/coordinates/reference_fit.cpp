#include "vantor/geometry/coordinates/reference_fit.h"

#include "platform/runtime/number_text.h"

#include <cmath>

namespace 縦断bus::coordinates {

namespace {

std::string FaultText(PairFault fault, std::size_t k) {
    const std::string pair = rt::CStr(static_cast<int>(k + 1)) + "点目と" + rt::CStr(static_cast<int>(k + 2)) + "点目";
    switch (fault) {
    case PairFault::SameSitePoints: return "解析不能：" + pair + "の基準点の現地座標が同じです。";
    case PairFault::SameDrawingPoints: return "解析不能：" + pair + "の基準点の図面座標が同じです。";
    default: return "解析不能：" + pair + "の基準点は回転と平行移動では合いません（図面と現地の距離が違いすぎます）。";
    }
}

} // namespace

PairFault SolvePair(const ReferencePoint& a, const ReferencePoint& b, PairSolution& s) {
    const double dx = b.siteX - a.siteX, dy = b.siteY - a.siteY;
    const double dX = b.drawingX - a.drawingX, dY = b.drawingY - a.drawingY;
    const double d2 = dx * dx + dy * dy;
    if (d2 == 0) return PairFault::SameSitePoints;
    if (dX == 0 && dY == 0) return PairFault::SameDrawingPoints;
    s.p1 = (dX * dx + dY * dy) / d2;
    s.p2 = (dX * dy - dY * dx) / d2;
    s.p3 = s.p1 * b.siteX + s.p2 * b.siteY - b.drawingX;
    s.p4 = -s.p2 * b.siteX + s.p1 * b.siteY - b.drawingY;
    const double t = 1 - s.p2 * s.p2;
    if (t < 0) return PairFault::NoRotation;
    s.angle = std::atan2(s.p2, std::sqrt(t));
    s.degrees = s.angle * 180 / kDegreePi;
    return PairFault::None;
}

FitOutcome FitReferencePoints(const std::vector<ReferencePoint>& points) {
    FitOutcome outcome;
    if (points.size() < 2) {
        outcome.failure = "解析不能：基準点が" + rt::CStr(static_cast<int>(points.size())) +
                          "点しかありません。現地座標と図面座標のそろった基準点を２点以上入力してください。";
        return outcome;
    }
    double sum = 0;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        const ReferencePoint& a = points[k];
        const ReferencePoint& b = points[k + 1];
        PairSolution s;
        if (const PairFault fault = SolvePair(a, b, s); fault != PairFault::None) {
            outcome.failure = FaultText(fault, k);
            return outcome;
        }
        outcome.result.pairs.push_back(s);
        sum += s.degrees;
    }
    outcome.result.meanDegrees = sum / static_cast<double>(outcome.result.pairs.size());
    outcome.result.meanAngle = outcome.result.meanDegrees * kDegreePi / 180;
    outcome.solved = true;
    return outcome;
}

} // namespace 縦断bus::coordinates
