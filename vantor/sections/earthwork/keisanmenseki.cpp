#include "vantor/sections/earthwork/keisanmenseki.h"

#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/sections/earthwork/keisandotsubo.h"
#include "vantor/sections/earthwork/line_meeting.h"
#include "vantor/sections/earthwork/section_reach.h"

#include <algorithm>

namespace 縦断bus {

namespace {

constexpr float kStrip = 0.01f;
constexpr long kRemoved = forms::RGB(50, 100, 50);
constexpr long kExcavated = forms::RGB(255, 255, 0);
constexpr long kFill = forms::RGB(0, 255, 0);

// Heights of a polyline at offsets that only grow: the cursor moves outward only. Where no
// real segment holds the offset (outer end excluded), the last height stays.
class Sampler {
public:
    Sampler(const rt::Table<float, 50>& x, const rt::Table<float, 50>& y, int last) : x_(x), y_(y), last_(last) {}

    float At(float x) {
        for (int s = cursor_ + 1; s <= last_; ++s) {
            if (x_(s - 1) == x_(s) || !(x_(s - 1) <= x && x < x_(s))) continue;
            cursor_ = s - 1;
            height_ = LineThrough(x_(s - 1), y_(s - 1), x_(s), y_(s)).At(x);
            break;
        }
        return height_;
    }

private:
    const rt::Table<float, 50>& x_;
    const rt::Table<float, 50>& y_;
    int last_;
    int cursor_ = 0;
    float height_ = 0;
};

void Stroke(forms::PictureBox& 図, float x, float from, float to, long color) {
    図.SetForeColor(color);
    図.Line(x, from, x, to);
}

} // namespace

void keisanmenseki(forms::PictureBox& 図) {
    kirimen = morimen = jouhoukirimen = 0;
    Sampler ground(genkyoux, genkyouy, genkyousaishuu);
    Sampler planned(kirimorix, kirimoriy, kirimoritensuu);
    Sampler excavation(kussakux, kussakuy, kirimoritensuu);
    // The screens refuse points beyond reach; an excavation line that still runs out beyond it
    // (an influence line nearly parallel to the ground) is sampled only that far, so the
    // strips always end.
    const float end = std::min(kussakux(kirimoritensuu), static_cast<float>(kSectionReachOffset));
    for (float x = 0; x <= end; x += kStrip) {
        const float yg = ground.At(x), yk = planned.At(x), yw = excavation.At(x);
        if (yg > yk) jouhoukirimen += (yg - yk) * kStrip;
        if (yg > yw) kirimen += (yg - yw) * kStrip;
        else morimen += (yk - yg) * kStrip;

        const float xp = mensekisayuu == 1 ? -x : x;
        if (x > norijirix && norijirix < eikyoukousax && yg > yw) {
            Stroke(図, xp, yg, yw, kExcavated);
        } else if (yg > yk) {
            Stroke(図, xp, yg, yk, kRemoved);
            Stroke(図, xp, yk, yw, kExcavated);
        } else if (yw < yg) {
            Stroke(図, xp, yg, yk, kFill);
            Stroke(図, xp, yg, yw, kExcavated);
        } else if (yw > yg) {
            Stroke(図, xp, yg, yk, kFill);
        }
    }
    図.SetForeColor(forms::vbBlack);
    byougagenkyou(図);
    byougakirimorisen(図);
}

} // namespace 縦断bus
