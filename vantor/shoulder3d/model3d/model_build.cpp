#include "vantor/shoulder3d/model3d/model_build.h"

#include "platform/runtime/number_text.h"
#include "vantor/geometry/profile/planned_heights.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/station_chainage.h"
#include "vantor/shoulder3d/model3d/hokanfukuin.h"
#include "vantor/shoulder3d/model3d/hokankoubai.h"
#include "vantor/shoulder3d/model3d/keisanhoukou.h"
#include "vantor/shoulder3d/model3d/keisantakasa.h"
#include "vantor/shoulder3d/model3d/keisanzahyou.h"

#include <cmath>

namespace 縦断bus {

namespace {

constexpr int kLastSubPoint = decltype(d3hidarix)::UBound(2);

std::string Metres(int station) { return rt::CStr(tatedata(station, tate_col::kStation)); }

// n(i): the last sub-point of interval i, counting past the table's bound only by one.
int LastSubPoint(int i) {
    const float c1 = StationChainage(i + 1);
    int s = 1;
    while (s <= kLastSubPoint + 1 && SubPointChainage(i, s) < c1) ++s;
    return s - 1;
}

void EdgeHeights(int i, int s, double scale) {
    const double zc = d3chuushin(i, s, chuushin_col::kZ);
    const double wl = d3hidarifukuin(s), wr = d3migifukuin(s);
    const double gl = d3hidarikoubai, gr = d3migikoubai;
    d3hidarizsakuzu(i, s) = static_cast<float>(scale * -0.01 / 100 * gl * wl + zc);
    d3migizsakuzu(i, s) = static_cast<float>(scale * -0.01 / 100 * gr * wr + zc);
    d3hidariz(i, s) = static_cast<float>(wl * (gl * -0.01) + zc);
    d3migiz(i, s) = static_cast<float>(wr * (gr * -0.01) + zc);
}

// The station row (i, 0): its own plan point and height; widths and slopes of interval
// `widthInterval` at its chainage.
void StationRow(int i, int widthInterval, const Model3dSettings& settings) {
    d3sokutenz(i) = static_cast<float>((double(tatedata(i, tate_col::kPlannedHeight)) - settings.dl) * 1000);
    d3chuushin(i, 0, chuushin_col::kX) = sokutenx(i);
    d3chuushin(i, 0, chuushin_col::kY) = sokuteny(i);
    d3chuushin(i, 0, chuushin_col::kZ) = d3sokutenz(i);
    d3bangou = 0;
    d3kyori = SubPointChainage(i, 0);
    keisanzahyou();
    d3sokuten = static_cast<std::int16_t>(widthInterval);
    hokanfukuin();
    hokankoubai();
    EdgeHeights(i, 0, settings.scale);
}

void SubPoint(int i, int s, const Model3dSettings& settings) {
    d3kyori = SubPointChainage(i, s);
    d3bangou = static_cast<std::int16_t>(s);
    keisanzahyou();
    d3chuushin(i, s, chuushin_col::kX) = d3x;
    d3chuushin(i, s, chuushin_col::kY) = d3y;
    keisantakasa();
    d3chuushin(i, s, chuushin_col::kZ) =
        static_cast<float>(double(static_cast<float>(double(d3keikakudaka) * 1000)) - settings.dl * 1000);
    d3sokuten = static_cast<std::int16_t>(i);
    hokanfukuin();
    hokankoubai();
    EdgeHeights(i, s, settings.scale);
}

void Clear(Table<float, 500, 1000>& x, Table<float, 500, 1000>& y, Table<float, 500, 1000>& z,
           Table<float, 500, 1000>& drawn, int i, int s) {
    x(i, s) = y(i, s) = z(i, s) = drawn(i, s) = kEmpty;
}

// Edge plan points of sub-points 0..last of row i; a side without a width or without slopes
// is left empty.
void Edges(int i, int last, const ModelBuild& build) {
    d3kukan = static_cast<std::int16_t>(i);
    for (int s = 0; s <= last; ++s) {
        d3bangou = static_cast<std::int16_t>(s);
        keisanhoukou();
        if (build.leftWithoutSlopes || d3hidarifukuin(s) == kEmpty)
            Clear(d3hidarix, d3hidariy, d3hidariz, d3hidarizsakuzu, i, s);
        if (build.rightWithoutSlopes || d3migifukuin(s) == kEmpty)
            Clear(d3migix, d3migiy, d3migiz, d3migizsakuzu, i, s);
    }
}

bool Finite(int i, int s) {
    auto ok = [](float v) { return std::isfinite(v); };
    return ok(d3chuushin(i, s, chuushin_col::kX)) && ok(d3chuushin(i, s, chuushin_col::kY)) &&
           ok(d3chuushin(i, s, chuushin_col::kZ)) && ok(d3hidarix(i, s)) && ok(d3hidariy(i, s)) &&
           ok(d3hidarizsakuzu(i, s)) && ok(d3migix(i, s)) && ok(d3migiy(i, s)) && ok(d3migizsakuzu(i, s));
}

void NoteEmptyWidths(ModelBuild& build, int n) {
    for (int k = 1; k <= n; ++k) {
        if (!build.leftWithoutSlopes && yokodata(k, yoko_col::kLeftWidth) == kEmpty)
            build.emptyLeft.push_back(Metres(k));
        if (!build.rightWithoutSlopes && yokodata(k, yoko_col::kRightWidth) == kEmpty)
            build.emptyRight.push_back(Metres(k));
    }
}

std::string Joined(const std::vector<std::string>& stations) {
    std::string text;
    for (const std::string& s : stations) text += (text.empty() ? "" : "、") + s;
    return text;
}

} // namespace

float SubPointChainage(int i, int s) {
    return static_cast<float>(double(StationChainage(i)) + double(kSubPointStep) * s);
}

std::string ModelFault() {
    const int n = sokutensuu;
    if (n < 2) return "測点が２つ以上ないと３Ｄモデルは作れません。";
    if (!HasPlanPositions())
        return "測点の平面位置がありません。作図画面の平面図で「ｾﾝﾀｰ・測点作図」を押して平面線形を計算してから"
               "３Ｄ作図をしてください。";
    for (int i = 1; i <= n - 1; ++i) {
        if (!(StationChainage(i + 1) > StationChainage(i)))
            return "測点 " + Metres(i + 1) + " が前の測点 " + Metres(i) +
                   " より先にありません。測点は重ならないように増える順に並べてください。";
        if (LastSubPoint(i) > kLastSubPoint)
            return "測点 " + Metres(i) + " から測点 " + Metres(i + 1) + " までが" +
                   rt::CStr(kLastSubPoint * kSubPointStep / 1000) + "ｍを超えています。３Ｄモデルは測点の間隔が" +
                   rt::CStr(kLastSubPoint * kSubPointStep / 1000) + "ｍまでです。間に測点を入れてください。";
    }
    if (!PlannedHeightsComputed())
        return PlannedHeightsMissing() + "縦断の入力を直して計画高を計算してから３Ｄ作図をしてください。";
    if (henkatensuu < 2)
        return "縦断の勾配変化点が２点未満なので計画高を求められません。縦断の計画高を入力してください。";
    return {};
}

ModelBuild BuildModel(const Model3dSettings& settings) {
    ModelBuild build;
    const int n = sokutensuu;
    d3sokutensuu = 0; // no model until this one is complete
    build.leftWithoutSlopes = hidarikijunsuu < 2;
    build.rightWithoutSlopes = migikijunsuu < 2;
    for (int i = 1; i <= n - 1; ++i) {
        StationRow(i, i, settings);
        const int last = LastSubPoint(i);
        for (int s = 1; s <= last; ++s) SubPoint(i, s, settings);
        Edges(i, last, build);
        d3tensuu(i) = static_cast<std::int16_t>(last);
    }
    StationRow(n, n - 1, settings);
    Edges(n, 0, build);
    d3tensuu(n) = 0;

    for (int i = 1; i <= n; ++i)
        for (int s = 0; s <= d3tensuu(i); ++s)
            if (!Finite(i, s)) {
                build.fault = "測点 " + Metres(i) +
                              " 付近の位置を平面線形から求められません（長さ０の区間など）。"
                              "ＩＰ座標を確かめて平面線形を計算し直してください。";
                return build;
            }
    NoteEmptyWidths(build, n);
    d3sokutensuu = n;
    return build;
}

std::string ModelNotice(const ModelBuild& build) {
    std::string notice;
    auto add = [&](const std::string& line) { notice += (notice.empty() ? "" : "\n") + line; };
    if (build.leftWithoutSlopes) add("左側の横断勾配の基準点が２点未満なので、左の端部は作図していません。");
    if (build.rightWithoutSlopes) add("右側の横断勾配の基準点が２点未満なので、右の端部は作図していません。");
    if (!build.emptyLeft.empty())
        add("左の幅員が未入力の測点（" + Joined(build.emptyLeft) + "）では、左の端部を作図していません。");
    if (!build.emptyRight.empty())
        add("右の幅員が未入力の測点（" + Joined(build.emptyRight) + "）では、右の端部を作図していません。");
    return notice;
}

} // namespace 縦断bus
