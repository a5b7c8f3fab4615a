#include "vantor/sections/earthwork/keisandotsubo.h"

#include "platform/runtime/conversion.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/earthwork/influence_line.h"
#include "vantor/sections/earthwork/keisanmenseki.h"
#include "vantor/sections/earthwork/slope_line.h"

#include <cmath>

namespace 縦断bus {

namespace {

constexpr float kCutSlope = 1.2f;
constexpr float kFillSlope = 1.5f;

using Points = Table<std::string, 50, 20, 2>;
using Line = Table<float, 50>;

// The tables of one side of the section.
struct Side {
    int index; // 1 left, 2 right
    const Points& genkyou;
    const Points& kirimori;
    const Table<int, 50>& genkyousuu;
    const Table<int, 50>& kirimorisuu;
    Table<float, 50, 20, 2>& kirimorisen;
    Line &kussakuX, &kussakuY, &groundX, &groundY;
    int& groundLast;
};

// clang-format off
Side Left() {
    return {1, genkyouhidari, kirimorihidari, genkyouhidarisuu, kirimorihidarisuu, kirimorisenhidari,
            kussakuhidarix, kussakuhidariy, genkyousenhidarix, genkyousenhidariy, genkyousenhidarisaishuu};
}
Side Right() {
    return {2, genkyoumigi, kirimorimigi, genkyoumigisuu, kirimorimigisuu, kirimorisenmigi,
            kussakumigix, kussakumigiy, genkyousenmigix, genkyousenmigiy, genkyousenmigisaishuu};
}
// clang-format on

float Number(const std::string& text) { return static_cast<float>(rt::Val(text)); }

// Two ground points and one cut/fill point at least.
bool HasPoints(const Side& side, int st) { return side.genkyousuu(st) - 1 > 0 && side.kirimorisuu(st) > 0; }

void Copy(const Line& fromX, const Line& fromY, Line& toX, Line& toY, int last) {
    for (int p = 0; p <= last; ++p) {
        toX(p) = fromX(p);
        toY(p) = fromY(p);
    }
}

// Ground, planned line with its slope end and excavation line of the side, kept in the
// side's tables for the area pass and the plot.
void BuildGeometry(Side& side, int st) {
    genkyousaishuu = side.genkyousuu(st) - 1;
    genkyoux(0) = genkyouy(0) = 0;
    for (int p = 1; p <= genkyousaishuu; ++p) {
        genkyoux(p) = Number(side.genkyou(st, p, 1));
        genkyouy(p) = Number(side.genkyou(st, p, 2));
    }
    const int m = side.kirimorisuu(st);
    for (int p = 0; p < m; ++p) {
        kirimorix(p) = side.kirimorisen(st, p, 1) = Number(side.kirimori(st, p, 1));
        kirimoriy(p) = side.kirimorisen(st, p, 2) = Number(side.kirimori(st, p, 2));
    }
    kirimoritensuu = m;
    norikitenx = kirimorix(m - 1);
    norikiteny = kirimoriy(m - 1);
    kirinori = kCutSlope;
    morinori = kFillSlope;
    keisannorijiri();
    kirimorix(m) = side.kirimorisen(st, m, 1) = norijirix;
    kirimoriy(m) = side.kirimorisen(st, m, 2) = norikoubai * norijirix + noriseppen;
    keisaneikyousen();
    Copy(kussakux, kussakuy, side.kussakuX, side.kussakuY, kirimoritensuu);
    side.groundLast = genkyousaishuu;
    Copy(genkyoux, genkyouy, side.groundX, side.groundY, genkyousaishuu);
    sokuteneikyoukousax(st, side.index) = eikyoukousax;
}

struct Sums {
    float cut = 0, fill = 0, abovePlanned = 0;
};

// The side's polylines back into the working state and, when areas are wanted, integrated.
Sums Integrate(Side& side, int st, forms::PictureBox& 図) {
    genkyousaishuu = side.groundLast;
    Copy(side.groundX, side.groundY, genkyoux, genkyouy, genkyousaishuu);
    const int m = side.kirimorisuu(st);
    kirimoritensuu = m;
    norijirix = side.kirimorisen(st, m, 1);
    for (int p = 0; p <= m; ++p) {
        kirimorix(p) = side.kirimorisen(st, p, 1);
        kirimoriy(p) = side.kirimorisen(st, p, 2);
    }
    Copy(side.kussakuX, side.kussakuY, kussakux, kussakuy, m);
    eikyoukousax = sokuteneikyoukousax(st, side.index);
    mensekisayuu = side.index;
    if (mensekiflg != 1) return {};
    keisanmenseki(図);
    return {kirimen, morimen, jouhoukirimen};
}

// Int(v × 10 + 0.5) / 10, the product formed in single precision.
float TenthsHalfUp(float v) { return static_cast<float>(std::floor(static_cast<double>(v * 10.0f) + 0.5) / 10); }

void DrawSide(forms::PictureBox& 図, const Points& points, int count, float mirror) {
    図.PSet(0, 0);
    for (int p = 0; p < count; ++p)
        図.LineTo(mirror * Number(points(dotsubobangou, p, 1)), Number(points(dotsubobangou, p, 2)), 図.ForeColor());
}

void DrawExcavation(forms::PictureBox& 図, const Side& side, float mirror) {
    if (!HasPoints(side, dotsubobangou)) return;
    図.PSet(mirror * side.kussakuX(0), side.kussakuY(0));
    for (int p = 0; p <= side.kirimorisuu(dotsubobangou); ++p)
        図.LineTo(mirror * side.kussakuX(p), side.kussakuY(p), 図.ForeColor());
}

} // namespace

SidesLacking keisandotsubo(forms::PictureBox& 図) {
    dotsubobangou = danmenbangou;
    const int st = dotsubobangou;
    Side left = Left(), right = Right();
    const SidesLacking lacking{!HasPoints(left, st), !HasPoints(right, st)};
    if (!lacking.left) BuildGeometry(left, st);
    if (!lacking.right) BuildGeometry(right, st);

    byougagenkyou(図);
    byougakirimorisen(図);

    const Sums l = lacking.left ? Sums{} : Integrate(left, st, 図);
    const Sums r = lacking.right ? Sums{} : Integrate(right, st, 図);
    if (mensekiflg == 1) {
        kiridomenseki(st) = TenthsHalfUp(l.cut + r.cut);
        // From the rounded cut area.
        umemodoshimenseki(st) = TenthsHalfUp(kiridomenseki(st) - (l.abovePlanned + r.abovePlanned));
        moridomenseki(st) = TenthsHalfUp(l.fill + r.fill);
    }
    return lacking;
}

void byougagenkyou(forms::PictureBox& 図) {
    DrawSide(図, genkyouhidari, genkyouhidarisuu(dotsubobangou), -1);
    DrawSide(図, genkyoumigi, genkyoumigisuu(dotsubobangou), 1);
}

void byougakirimorisen(forms::PictureBox& 図) {
    DrawExcavation(図, Left(), -1);
    DrawExcavation(図, Right(), 1);
}

} // namespace 縦断bus
