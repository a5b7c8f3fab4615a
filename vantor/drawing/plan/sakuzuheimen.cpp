#include "vantor/drawing/plan/sakuzuheimen.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/plan_geometry.h"
#include "vantor/drawing/plan/sakuzusen.h"
#include "vantor/drawing/plan/station_direction.h"
#include "vantor/drawing/plan/station_label.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"

#include <cmath>
#include <vector>

namespace 縦断bus {

namespace {

namespace channel = cad_channel;

constexpr int kTextHeightLimit = 32767; // the text height is a 16-bit integer

std::string Circle(float x, float y) { return channel::Point(x, y) + " " + rt::CStr(enkei); }

void SendCircle(float x, float y) {
    channel::Send("CIRCLE");
    channel::Send(Circle(x, y));
}

void DrawCentreLine() {
    const int points = ipsuu + 2;
    std::vector<std::string> point(points);
    for (int p = 0; p < points; ++p) point[p] = LinePoint(ipx(p), ipy(p));
    for (int leg = 1; leg < points; ++leg) channel::Send("LINE " + point[leg - 1] + point[leg]);
    channel::Send(" \r"); // a blank and two carriage returns

    for (int i = 1; i <= ipsuu; ++i) SendCircle(bczahyou(i, point_col::kX), bczahyou(i, point_col::kY));
    for (int i = 1; i <= ipsuu; ++i) SendCircle(eczahyou(i, point_col::kX), eczahyou(i, point_col::kY));
    for (int i = 1; i <= ipsuu; ++i) SendCircle(chuushinx(i), chuushiny(i));

    // The stations, with the start before them and the end of the road after them when the
    // station computation placed it; a point that coincides with its neighbour station once.
    sokutenx(0) = ipx(0);
    sokuteny(0) = ipy(0);
    const int n = heimensokutensuu;
    const int last = HasEndOfRoadEntry() ? n + 1 : n;
    auto same = [](int a, int b) { return sokutenx(a) == sokutenx(b) && sokuteny(a) == sokuteny(b); };
    for (int k = 0; k <= last; ++k) {
        if (k == 0 && n >= 1 && same(0, 1)) continue;
        if (k == n + 1 && same(n, n + 1)) continue;
        SendCircle(sokutenx(k), sokuteny(k));
    }

    // An IP without a radius is an angle point: it has no arc.
    for (int i = 1; i <= ipsuu; ++i) {
        if (iphankei(i) == 0) continue;
        const bool left = TurnsLeftAt(i);
        const auto& from = left ? bczahyou : eczahyou;
        const auto& to = left ? eczahyou : bczahyou;
        channel::Send("arc");
        channel::Send(channel::Point(from(i, 1), from(i, 2)));
        channel::Send("c");
        channel::Send(channel::Point(chuushinx(i), chuushiny(i)) + " " + channel::Point(to(i, 1), to(i, 2)));
    }
}

void DrawLabels() {
    channel::Send("DTEXT ");
    channel::CloseTextEntry();
    const int n = heimensokutensuu;
    for (sokutenbangou = 1; sokutenbangou <= n; ++sokutenbangou) sakuzusokuten();
    channel::CloseTextEntry();
}

void PlaceAllEdges() {
    const int n = heimensokutensuu;
    for (sokutenbangou = 1; sokutenbangou <= n; ++sokutenbangou) PlaceStationEdges(sokutenbangou);
}

double TextHeight(const PlanSettings& settings) { return std::nearbyint(settings.scale * settings.textSize); }

} // namespace

std::string PlanSettingsFault(const PlanSettings& settings) {
    const std::string positive = "には０より大きい数値を入力してください。";
    if (!(settings.scale > 0)) return "縮尺" + positive;
    if (!(settings.textSize > 0)) return "文字サイズ" + positive;
    if (!(settings.circleSize > 0)) return "測点表示円の大きさ" + positive;
    const double height = TextHeight(settings);
    if (!(height >= 1 && height <= kTextHeightLimit))
        return "文字の高さ（縮尺×文字サイズ＝" + rt::CStr(settings.scale * settings.textSize) + "）は1から" +
               rt::CStr(kTextHeightLimit) + "までにしてください。";
    return {};
}

bool DrawPlan(const PlanSettings& settings, const PlanOptions& options) {
    if (const std::string fault = PlanSettingsFault(settings); !fault.empty()) {
        forms::MsgBox(fault, forms::vbExclamation);
        return false;
    }
    const int maxIps = ipx.UBound() - 1;
    if (ipsuu > maxIps) {
        forms::MsgBox("ＩＰが" + rt::CStr(ipsuu) + "あります。" + rt::CStr(maxIps) + "までしか扱えません。",
                      forms::vbExclamation);
        return false;
    }
    mojidaka = static_cast<std::int16_t>(TextHeight(settings));
    enkei = static_cast<float>(settings.scale * settings.circleSize);
    mojiichi = static_cast<float>(settings.scale * settings.labelOffset);

    if (options.centre) DrawCentreLine();
    if (options.labels) DrawLabels();
    if (options.edges) {
        if (!options.labels) PlaceAllEdges();
        sakuzusen();
    }
    return true;
}

bool sakuzuheimen(const PlanSettings& settings) {
    const 作図選択画面& choice = forms::Get<作図選択画面>();
    auto checked = [&](int box) { return choice.作図ボタン(box).Value() == forms::vbChecked; };
    return DrawPlan(settings, PlanOptions{checked(0), checked(1), checked(2)});
}

} // namespace 縦断bus
