#include "vantor/geometry/graph/keisangurafu.h"

#include "vantor/geometry/graph/グラフ.h"
#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/profile/keisankeikakusen.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_graph_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace 縦断bus {

float memorikizami(float range) {
    const float tenth = static_cast<float>(range / 10.0);
    float s = 0.00001f;
    do {
        s = static_cast<float>(s * 10.0);
    } while (tenth > s);
    return static_cast<float>(s * 0.1);
}

Jikugenkai jikugenkai(float min, float max, float step) {
    return {static_cast<float>((std::floor(min / static_cast<double>(step)) - 2) * step),
            static_cast<float>((std::floor(max / static_cast<double>(step)) + 2) * step)};
}

namespace {

// Takes the rows that have a station, in order; a row without one (a gap in the table) is
// left out rather than drawn at station 99999.
void TakeStations() {
    gurafusuu = 0;
    for (int r = 1; r <= sokutensuu && gurafusuu < gurafusokuten.UBound(); ++r) {
        if (!HasStation(r)) continue;
        ++gurafusuu;
        gurafusokuten(gurafusuu) = tatedata(r, tate_col::kStation);
        gurafujiban(gurafusuu) = tatedata(r, tate_col::kGround);
        gurafukeikaku(gurafusuu) = tatedata(r, tate_col::kPlannedHeight);
    }
}

// The extent of the stations and of the planned heights that are set. False when there is
// no station with a planned height.
bool FitExtent() {
    bool found = false;
    for (int i = 1; i <= gurafusuu; ++i) {
        if (gurafukeikaku(i) == kEmpty) continue;
        if (!found) {
            zentaiymin = zentaiymax = gurafukeikaku(i);
            found = true;
        }
        zentaiymin = std::min(zentaiymin, gurafukeikaku(i));
        zentaiymax = std::max(zentaiymax, gurafukeikaku(i));
    }
    if (!found) return false;
    zentaixmin = zentaixmax = gurafusokuten(1);
    for (int i = 2; i <= gurafusuu; ++i) {
        zentaixmin = std::min(zentaixmin, gurafusokuten(i));
        zentaixmax = std::max(zentaixmax, gurafusokuten(i));
    }
    return true;
}

// Calls draw(v) for v = start, start + step, ... (added in single precision) up to end, as a
// counting loop with that step does. A step too small to move v any more ends the lines
// instead of repeating the same one without end.
template <typename Draw>
void EachGridLine(float start, float end, float step, Draw draw) {
    for (float v = start; step > 0 ? v <= end : v >= end;) {
        draw(v);
        const float next = static_cast<float>(static_cast<double>(v) + step);
        if (next == v) break;
        v = next;
    }
}

bool IsHeight(float v) { return v != kEmpty; }

// Limits that fall together in single precision (a level profile high up, a zoom into a sliver)
// would give the picture no width or no height: they are opened to the neighbouring singles.
void OpenUp(Jikugenkai& limits) {
    if (limits.lower != limits.upper) return;
    limits.lower = std::nextafter(limits.lower, -std::numeric_limits<float>::infinity());
    limits.upper = std::nextafter(limits.upper, std::numeric_limits<float>::infinity());
}

} // namespace

void sakuzugurafu() {
    const float xr = gurafuxmax - gurafuxmin, yr = gurafuymax - gurafuymin;
    Jikugenkai x = jikugenkai(gurafuxmin, gurafuxmax, memorikizami(xr));
    Jikugenkai y = jikugenkai(gurafuymin, gurafuymax, memorikizami(yr));
    if (x.lower == x.upper && y.lower == y.upper) return;
    OpenUp(x);
    OpenUp(y);

    グラフ& g = forms::Get<グラフ>();
    forms::PictureBox& 図 = g.図;
    図.Scale(x.lower - xr / 10.0, y.upper + yr / 10.0, x.upper + xr / 10.0, y.lower - yr / 10.0);
    図.Cls();
    const long yellow = forms::RGB(255, 255, 0), green = forms::RGB(0, 255, 0), blue = forms::RGB(0, 0, 255),
               red = forms::RGB(255, 0, 0);
    if (xhyouji == "v")
        EachGridLine(memorixmin, memorixmax, xmemori, [&](float v) { 図.Line(v, memoriymin, v, memoriymax, yellow); });
    if (yhyouji == "v")
        EachGridLine(memoriymin, memoriymax, ymemori, [&](float v) { 図.Line(memorixmin, v, memorixmax, v, yellow); });
    図.Line(memorixmin, memoriymax, memorixmax, memoriymin, forms::RGB(0, 0, 200), forms::LineShape::Box);

    // Empty cells (99999) are no heights: they get no bar and break the ground line.
    for (int i = 1; i <= gurafusuu; ++i) {
        if (IsHeight(gurafujiban(i))) 図.Line(gurafusokuten(i), y.lower, gurafusokuten(i), gurafujiban(i), green);
        if (IsHeight(gurafukeikaku(i))) 図.Line(gurafusokuten(i), y.lower, gurafusokuten(i), gurafukeikaku(i), blue);
    }
    for (int i = 1; i < gurafusuu; ++i) {
        if (IsHeight(gurafujiban(i)) && IsHeight(gurafujiban(i + 1)))
            図.Line(gurafusokuten(i), gurafujiban(i), gurafusokuten(i + 1), gurafujiban(i + 1), blue);
    }
    for (int m = 1; m < kakuteihenkatensuu; ++m) 図.Line(xb(m), yb(m), xb(m + 1), yb(m + 1), green);
    const int samples = gurafukeikakusen ? static_cast<int>(keikakusensuu) : 0;
    for (int s = 0; s < samples; ++s)
        図.Line(keikakusenx(s), keikakuseny(s), keikakusenx(s + 1), keikakuseny(s + 1), red);

    g.Genkaiwooku(x.lower, y.lower, x.upper, y.upper);
    g.Show();
}

void keisangurafu() {
    gurafukeikakusen = keisankeikakusen();
    // A planned line too long to sample has its reason on the warning screen.
    if (!gurafukeikakusen) TellProfileStopped();
    forms::Get<グラフ>().itixy.SetVisible(false);
    TakeStations();
    if (!FitExtent()) {
        forms::MsgBox(kGurafuDataNashi);
        return;
    }
    gurafuxmin = zentaixmin;
    gurafuxmax = zentaixmax;
    gurafuymin = zentaiymin;
    gurafuymax = zentaiymax;
    xmemori = memorikizami(gurafuxmax - gurafuxmin);
    ymemori = memorikizami(gurafuymax - gurafuymin);
    const Jikugenkai x = jikugenkai(gurafuxmin, gurafuxmax, xmemori);
    const Jikugenkai y = jikugenkai(gurafuymin, gurafuymax, ymemori);
    memorixmin = x.lower;
    memorixmax = x.upper;
    memoriymin = y.lower;
    memoriymax = y.upper;
    sakuzugurafu();
}

} // namespace 縦断bus
