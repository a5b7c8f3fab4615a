#include "vantor/sections/earthwork/slope_line.h"

#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/sections/earthwork/line_meeting.h"

namespace 縦断bus {

namespace {

bool Vertical(int s) { return genkyoux(s) == genkyoux(s + 1); }

StraightLine GroundLine(int s) { return LineThrough(genkyoux(s), genkyouy(s), genkyoux(s + 1), genkyouy(s + 1)); }

// The first real ground segment holding the offset, both ends inclusive; -1 when none does.
int SegmentHolding(float x) {
    for (int s = 0; s < genkyousaishuu; ++s)
        if (!Vertical(s) && genkyoux(s) <= x && x <= genkyoux(s + 1)) return s;
    return -1;
}

// Kind, gradient and intercept of the slope from the edge over ground of the given line.
void ChooseSlope(StraightLine ground) {
    if (ground.At(norikitenx) < norikiteny) {
        norishurui = "M";
        norikoubai = 1 / -morinori;
    } else {
        norishurui = "K";
        norikoubai = 1 / kirinori;
    }
    noriseppen = norikiteny - norikoubai * norikitenx;
}

// Meeting with ground segment s, when it lies on the segment (outer end excluded).
bool MeetsSegment(int s) {
    const auto x = MeetingOffset(GroundLine(s), norikoubai, noriseppen);
    if (!x || !(genkyoux(s) <= *x && *x < genkyoux(s + 1))) return false;
    norijirix = *x;
    return true;
}

// The edge lies beyond the last ground point: the ground is taken on along its last segment.
// The slope ends where it meets that extension, or at the edge itself when it never does.
void ExtendBeyondGround() {
    int last = genkyousaishuu - 1;
    while (last >= 0 && Vertical(last)) --last;
    const StraightLine ground = last >= 0 ? GroundLine(last) : StraightLine{0, genkyouy(genkyousaishuu)};
    ChooseSlope(ground);
    const auto x = MeetingOffset(ground, norikoubai, noriseppen);
    norijirix = x && *x >= norikitenx ? *x : norikitenx;
    ++genkyousaishuu;
    genkyoux(genkyousaishuu) = norijirix;
    genkyouy(genkyousaishuu) = ground.At(norijirix);
}

} // namespace

void keisannorijiri() {
    const int n = genkyousaishuu;
    if (n <= 0) return;
    int first = SegmentHolding(norikitenx);
    if (first < 0) {
        if (norikitenx >= genkyoux(n)) return ExtendBeyondGround();
        // Inward of the ground data: the first real segment decides and the walk starts there.
        first = 0;
        while (first < n && Vertical(first)) ++first;
        if (first == n) {
            norijirix = genkyoux(n);
            return;
        }
    }
    ChooseSlope(GroundLine(first));
    if (MeetsSegment(first)) return;
    for (int j = first + 1; j < n; ++j) {
        if (Vertical(j)) {
            kakuninnorisen(j);
            if (norikousaflg == 0) return;
        } else if (MeetsSegment(j)) {
            return;
        }
    }
    norijirix = genkyoux(n);
}

void kakuninnorisen(int j) {
    const float low = genkyouy(j), high = genkyouy(j + 1);
    const float yl = norikoubai * genkyoux(j) + noriseppen;
    norikousaflg = 1;
    if (norishurui == "M") {
        if (high < low) return;
        if (low <= yl && yl <= high) norikousaflg = 0;
    } else {
        if (high > low) return;
        if (high <= yl && yl <= low) norikousaflg = 0;
    }
    if (norikousaflg == 0) norijirix = genkyoux(j);
}

} // namespace 縦断bus
