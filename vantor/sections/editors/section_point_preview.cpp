#include "vantor/sections/editors/section_point_preview.h"

#include "platform/runtime/conversion.h"

namespace 縦断bus {

namespace {

void DrawSide(forms::PictureBox& picture, const SectionPoints& side, int s, int count, double direction) {
    const auto x = [&](int p) { return direction * rt::Val(side(s, p, 1)); };
    const auto y = [&](int p) { return rt::Val(side(s, p, 2)); };
    for (int p = 1; p < count; ++p) picture.Line(x(p - 1), y(p - 1), x(p), y(p));
}

} // namespace

void sakuzujiku(forms::PictureBox& picture) {
    picture.Scale(-30, 30, 30, -30);
    picture.Line(0, -29, 0, 29);
    picture.Line(-29, 0, 29, 0);
}

void DrawSectionPoints(forms::PictureBox& picture, const SectionPointSet& set, int s) {
    CountStation(set, s);
    picture.Cls();
    sakuzujiku(picture);
    if (s < 1 || s > kSectionStations) return;
    DrawSide(picture, set.left, s, set.leftCount(s), -1);
    DrawSide(picture, set.right, s, set.rightCount(s), 1);
}

} // namespace 縦断bus
