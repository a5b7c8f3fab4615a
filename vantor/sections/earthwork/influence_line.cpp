#include "vantor/sections/earthwork/influence_line.h"

#include "platform/forms/msgbox.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/sections/earthwork/line_meeting.h"

#include <algorithm>
#include <optional>

namespace 縦断bus {

namespace {

constexpr float kWorkingWidth = 0.2f;   // room beside the foot of a step face
constexpr float kStep = 0.3f;           // smallest step that widens the excavation
constexpr float kInfluenceRatio = 0.3f; // influence line 1:0.3

struct Point {
    float x, y;
};

void ReportUnfinished() { forms::MsgBox("現況断面の範囲内において掘削影響線がおさまりません。"); }

// The current influence line against excavation-line segment (p, q): a vertical segment
// meets it within its height range, ends included; another segment where the meeting offset
// lies from the first point's offset to the second's. A segment parallel to the influence line meets nothing.
std::optional<Point> Meeting(int p, int q) {
    const float xp = kussakux(p), xq = kussakux(q);
    if (xp == xq) {
        const float yl = eikyoukoubai * xp + eikyouseppen;
        if (std::min(kussakuy(p), kussakuy(q)) <= yl && yl <= std::max(kussakuy(p), kussakuy(q))) return Point{xp, yl};
        return std::nullopt;
    }
    const auto x = MeetingOffset(LineThrough(xp, kussakuy(p), xq, kussakuy(q)), eikyoukoubai, eikyouseppen);
    if (!x || !(xp <= *x && *x <= xq)) return std::nullopt;
    return Point{*x, eikyoukoubai * *x + eikyouseppen};
}

void SetPoints(int from, int to, Point p) {
    for (int q = from; q <= to; ++q) {
        kussakux(q) = p.x;
        kussakuy(q) = p.y;
    }
}

// The rising step at point i, if any. False when its influence line meets nothing.
bool RisingStep(int i) {
    if (!(kussakux(i) == kussakux(i + 1) && kussakuy(i + 1) - kStep > kussakuy(i))) return true;
    eikyoukoubai = 1 / kInfluenceRatio;
    eikyoukitenx = kussakux(i) + kWorkingWidth;
    eikyoukiteny = kussakuy(i);
    kousaeikyousen();
    if (eikyouflg == 1) return true;
    eikyouseppen = eikyoukiteny - eikyoukoubai * eikyoukitenx;
    kussakux(i) = eikyoukitenx;
    kussakuy(i) = eikyoukiteny;
    const int last = kirimoritensuu;
    for (int j = i + 1; j < last; ++j) {
        if (const auto meeting = Meeting(j, j + 1)) {
            eikyoukousax = meeting->x;
            eikyoukousay = meeting->y;
            SetPoints(i + 1, j, *meeting);
            return true;
        }
    }
    ReportUnfinished();
    return false;
}

} // namespace

void keisaneikyousen() {
    const int m = kirimoritensuu;
    for (int p = 0; p <= m; ++p) {
        kussakux(p) = kirimorix(p);
        kussakuy(p) = kirimoriy(p);
    }
    for (int q = 1; q <= genkyousaishuu; ++q) {
        if (genkyoux(q) <= norijirix) continue;
        ++kirimoritensuu;
        kussakux(kirimoritensuu) = genkyoux(q);
        kussakuy(kirimoritensuu) = genkyouy(q);
    }
    eikyoukousax = eikyoukousay = 0;
    for (int i = 1; i <= m - 1; ++i)
        if (!RisingStep(i) || !keisaneikyousenkudari(i)) return;
}

bool keisaneikyousenkudari(int i) {
    if (!(kussakux(i) == kussakux(i + 1) && kussakuy(i) - kStep >= kussakuy(i + 1))) return true;
    eikyoukoubai = -1 / kInfluenceRatio;
    eikyoukitenx = kussakux(i) - kWorkingWidth;
    eikyoukiteny = kussakuy(i + 1);
    kousaeikyousen();
    if (eikyouflg == 1) return true;
    eikyouseppen = eikyoukiteny - eikyoukoubai * eikyoukitenx;
    for (int j = i; j >= 1; --j) {
        if (const auto meeting = Meeting(j - 1, j)) {
            const float face = kussakux(i);
            SetPoints(j, i, *meeting);
            kussakux(i + 1) = face - kWorkingWidth;
            return true;
        }
    }
    ReportUnfinished();
    return false;
}

void kousaeikyousen() {
    for (int t = 0; t < genkyousaishuu; ++t) {
        if (genkyoux(t) == genkyoux(t + 1) || !(genkyoux(t) <= eikyoukitenx && eikyoukitenx <= genkyoux(t + 1)))
            continue;
        const float yg = LineThrough(genkyoux(t), genkyouy(t), genkyoux(t + 1), genkyouy(t + 1)).At(eikyoukitenx);
        eikyouflg = yg < eikyoukiteny ? 1 : 2;
        return;
    }
    forms::MsgBox("BBB現況断面の範囲では掘削影響線がおさまりません。");
    eikyouflg = 0;
}

} // namespace 縦断bus
