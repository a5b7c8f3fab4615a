#include "vantor/sections/earthwork/土坪画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/earthwork_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/earthwork/keisandotsubo.h"
#include "vantor/sections/earthwork/section_reach.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/editors/section_point_tables.h"

#include <algorithm>
#include <cmath>

using namespace 縦断bus;

namespace {

constexpr long kAxes = forms::RGB(0, 255, 0);
constexpr float kView = 30; // the full view reaches 30 m each way

// Stations the screen can compute: the section tables end at station 50.
int LastStation() { return std::min(sokutensuu, kSectionStations); }

void TellStationCap() {
    forms::MsgBox("測点が" + rt::CStr(kSectionStations) + "を超えています。横断の点と土坪は" +
                      rt::CStr(kSectionStations) + "番目の測点までしか扱えません。",
                  forms::vbExclamation);
}

std::string StationText(int station) { return rt::CStr(tatedata(station, tate_col::kStation)); }

// "測点 20（左）" for each station with a side left out; the stations without any point,
// whose stored areas were kept, after them.
void TellLackingSides(const std::vector<std::pair<int, SidesLacking>>& lacking, const std::vector<int>& kept = {}) {
    std::string text;
    if (!lacking.empty()) {
        text = "現況横断の点が2点未満か切盛ラインの点がないため、次の側の面積を0としました。";
        for (const auto& [station, sides] : lacking)
            text += "\n測点 " + StationText(station) + "（" +
                    (sides.left && sides.right ? "左右"
                     : sides.left              ? "左"
                                               : "右") +
                    "）";
    }
    if (!kept.empty()) {
        text += std::string(text.empty() ? "" : "\n\n") +
                "横断の点がないため、次の測点の面積は記録されている値のままです。";
        for (int station : kept) text += "\n測点 " + StationText(station);
    }
    if (!text.empty()) forms::MsgBox(text, forms::vbInformation);
}

// A station whose sections hold no point at all on either side: nothing to compute from.
bool HasNoSectionPoints(int station) {
    return genkyouhidarisuu(station) == 0 && genkyoumigisuu(station) == 0 && kirimorihidarisuu(station) == 0 &&
           kirimorimigisuu(station) == 0;
}

void TellBeyondReach(int station) {
    forms::MsgBox("測点 " + StationText(station) + " の横断に、中心線から" + rt::CStr(kSectionReachOffset) +
                      " mより遠い点か、高さが" + rt::CStr(kSectionReachHeight) +
                      " mを超える点があります。入力の誤りと見て、面積を計算しません。現況横断と切盛ラインの点を確かめて"
                      "ください。",
                  forms::vbExclamation);
}

} // namespace

土坪画面::土坪画面() : forms::Form(forms::FormKind::Apart) {
    一括計算.OnClick = [this] { 一括計算_Click(); };
    計算ボタン.OnClick = [this] { 計算ボタン_Click(); };
    ライン確認ボタン.OnClick = [this] { ライン確認ボタン_Click(); };
    移動ボタン.OnClick = [this](int index) { 移動ボタン_Click(index); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
    図.OnMouseDown = [this](int b, int s, float x, float y) { 図_MouseDown(b, s, x, y); };
    図.OnMouseMove = [this](int b, int s, float x, float y) { 図_MouseMove(b, s, x, y); };
    図.OnMouseUp = [this](int b, int s, float x, float y) { 図_MouseUp(b, s, x, y); };
}

void 土坪画面::Form_Load() {
    LayOut();
    // The full view from the start, so that a first 計算 plots in metres.
    図.Scale(-kView, kView, kView, -kView);
}

void 土坪画面::LayOut() {
    SetCaption("土坪計算画面");
    Move(600, 300, 8820, 9480);
    const char* captions[] = {"起点側", "終点側", "切盛ﾗｲﾝ確認", "計算", "戻る", "一括計算"};
    forms::CommandButton* row[] = {&移動ボタン(0), &移動ボタン(1), &ライン確認ボタン,
                                   &計算ボタン,    &戻るボタン,    &一括計算};
    for (int b = 0; b < 6; ++b) {
        row[b]->SetCaption(captions[b]);
        row[b]->Move(120 + b * 1400, 90, 1320, 450);
    }
    図.Move(120, 660, 8400, 8400);
    図.SetBackColor(forms::vbWhite);

    itixy.Move(120, 120, 2400, 270);
    itixy.SetBackColor(forms::vbWhite);
    itixy.SetVisible(false);
    Frame1.Move(3000, 90, 2100, 660);
    Label1.SetCaption("測　点");
    Label1.Move(120, 240, 700, 270);
    測点.Move(840, 180, 1140, 330);
    Frame2.Move(5700, 90, 2580, 1380);
    const struct {
        forms::Label& label;
        const char* caption;
        long back, fore;
    } areas[] = {{Label2, "切土", forms::RGB(0, 64, 0), forms::vbWhite},
                 {Label3, "盛土", forms::RGB(0, 255, 0), forms::vbBlack},
                 {Label4, "埋戻", forms::RGB(255, 255, 0), forms::vbBlack}};
    for (int a = 0; a < 3; ++a) {
        areas[a].label.SetCaption(areas[a].caption);
        areas[a].label.SetBackColor(areas[a].back);
        areas[a].label.SetForeColor(areas[a].fore);
        areas[a].label.Move(120, 240 + a * 360, 700, 300);
        土坪text(a).Move(900, 225 + a * 360, 1200, 330);
    }
}

// ---- Computing ----

void 土坪画面::一括計算_Click() {
    if (sokutensuu > kSectionStations) TellStationCap();
    if (const int beyond = FirstStationBeyondReach(LastStation())) {
        TellBeyondReach(beyond);
        return;
    }
    std::vector<std::pair<int, SidesLacking>> lacking;
    std::vector<int> kept;
    for (danmenbangou = 1; danmenbangou <= LastStation(); ++danmenbangou) {
        itixy.SetVisible(false);
        sakuzujiku();
        sakuzugenkyou();
        sakuzukirimori();
        // A station without points keeps the areas stored for it, typed ones included.
        const bool noPoints = HasNoSectionPoints(danmenbangou);
        mensekiflg = noPoints ? 0 : 1;
        const SidesLacking sides = keisandotsubo(図);
        if (noPoints) kept.push_back(danmenbangou);
        else if (sides.Any()) lacking.emplace_back(danmenbangou, sides);
        ShowAreas(danmenbangou);
    }
    danmenbangou = std::max(1, LastStation());
    TellLackingSides(lacking, kept);
}

// Counts the current station's points; false, and the user told why, when there is no current
// station or its sections reach too far.
bool 土坪画面::CurrentStationComputable() {
    if (danmenbangou < 1 || danmenbangou > kSectionStations) {
        forms::MsgBox("計算する測点が決まっていません。起点側・終点側で測点を選んでください。", forms::vbExclamation);
        return false;
    }
    keisantensuu();
    keisantensuukirimori();
    if (!SectionWithinReach(danmenbangou)) {
        TellBeyondReach(danmenbangou);
        return false;
    }
    return true;
}

void 土坪画面::計算ボタン_Click() {
    if (!CurrentStationComputable()) return;
    mensekiflg = 1;
    const SidesLacking sides = keisandotsubo(図);
    ShowAreas(dotsubobangou);
    if (sides.Any()) TellLackingSides({{dotsubobangou, sides}});
}

void 土坪画面::ライン確認ボタン_Click() {
    if (!CurrentStationComputable()) return;
    mensekiflg = 0;
    keisandotsubo(図);
}

// ---- Stations and boxes ----

void 土坪画面::ShowAreas(int station) {
    boxStation_ = station;
    測点.SetText(StationText(station));
    土坪text(0).SetText(rt::CStr(kiridomenseki(station)));
    土坪text(1).SetText(rt::CStr(moridomenseki(station)));
    土坪text(2).SetText(rt::CStr(umemodoshimenseki(station)));
}

// The boxes go back into the station they were filled for, whichever station is current now.
void 土坪画面::StoreAreas() {
    if (boxStation_ < 1) return;
    kiridomenseki(boxStation_) = static_cast<float>(rt::Val(土坪text(0).Text()));
    moridomenseki(boxStation_) = static_cast<float>(rt::Val(土坪text(1).Text()));
    umemodoshimenseki(boxStation_) = static_cast<float>(rt::Val(土坪text(2).Text()));
}

void 土坪画面::ShowStation(int station) {
    danmenbangou = station;
    itixy.SetVisible(false);
    sakuzujiku();
    sakuzugenkyou();
    sakuzukirimori();
    ShowAreas(station);
}

void 土坪画面::移動ボタン_Click(int index) {
    StoreAreas();
    int station = std::clamp(danmenbangou, 1, std::max(1, LastStation()));
    if (index == 0 && station > 1) --station;
    if (index == 1) {
        if (station < LastStation()) ++station;
        else if (station < sokutensuu) TellStationCap();
    }
    ShowStation(station);
}

void 土坪画面::戻るボタン_Click() {
    StoreAreas();
    forms::Get<面積計算選択画面>().Show();
    Hide();
}

// ---- The plot ----

void 土坪画面::sakuzujiku() {
    図.Scale(-kView, kView, kView, -kView);
    図.SetForeColor(kAxes);
    図.Line(0, -29, 0, 29);
    図.Line(-29, 0, 29, 0);
}

namespace {

void DrawPoints(forms::PictureBox& 図, const rt::Table<std::string, 50, 20, 2>& points, int count, float mirror) {
    for (int p = 1; p < count; ++p)
        図.Line(mirror * rt::Val(points(danmenbangou, p - 1, 1)), rt::Val(points(danmenbangou, p - 1, 2)),
                mirror * rt::Val(points(danmenbangou, p, 1)), rt::Val(points(danmenbangou, p, 2)));
}

void DrawAxes(forms::PictureBox& 図) {
    図.SetForeColor(kAxes);
    図.Line(0, -kView, 0, kView);
    図.Line(-kView, 0, kView, 0);
}

} // namespace

void 土坪画面::sakuzugenkyou() {
    keisantensuu();
    図.Cls();
    DrawAxes(図);
    図.SetForeColor(forms::vbBlack);
    DrawPoints(図, genkyouhidari, genkyouhidarisuu(danmenbangou), -1);
    DrawPoints(図, genkyoumigi, genkyoumigisuu(danmenbangou), 1);
}

void 土坪画面::sakuzukirimori() {
    keisantensuukirimori();
    図.SetForeColor(forms::vbBlue);
    DrawPoints(図, kirimorihidari, kirimorihidarisuu(danmenbangou), -1);
    DrawPoints(図, kirimorimigi, kirimorimigisuu(danmenbangou), 1);
}

void 土坪画面::kakudaijiku() {
    図.Cls();
    図.Scale(x0_, y0_, x1_, y1_);
    DrawAxes(図);
}

void 土坪画面::Redraw() {
    sakuzugenkyou();
    sakuzukirimori();
}

// ---- Mouse gestures ----

// A line when the pointer is left of and above the press point, otherwise a box outline.
void 土坪画面::DrawFigure(float x, float y, double fromX, double fromY, double toX, double toY, long color) {
    const bool line = x < x0_ && y > y0_;
    図.Line(fromX, fromY, toX, toY, color, line ? forms::LineShape::Line : forms::LineShape::Box);
}

void 土坪画面::図_MouseDown(int, int, float x, float y) {
    itixy.SetVisible(false);
    Redraw();
    dragging_ = true;
    x0_ = x;
    y0_ = y;
    図.PSet(x0_, y0_);
}

void 土坪画面::図_MouseMove(int, int, float x, float y) {
    if (!dragging_) return;
    DrawFigure(x, y, 図.CurrentX(), 図.CurrentY(), x0_, y0_, forms::vbWhite);
    DrawFigure(x, y, x0_, y0_, x, y, 図.ForeColor());
}

void 土坪画面::図_MouseUp(int, int, float x, float y) {
    if (dragging_) {
        x1_ = x;
        y1_ = y;
        DrawFigure(x, y, x0_, y0_, x1_, y1_, forms::vbBlack);
        dragging_ = false;
    }
    if (x0_ < x1_ && y0_ > y1_) {
        kakudaijiku();
        Redraw();
    } else if (x0_ < x1_ && y0_ < y1_) {
        sakuzujiku();
        Redraw();
    } else if (x0_ > x1_ && y0_ < y1_) {
        itixy.Move(x1_, y1_, std::abs(図.ScaleWidth()) / 5, std::abs(図.ScaleHeight()) / 16);
        itixy.SetCaption("X = " + rt::CStr(rt::RoundHalfUp(x0_, 2)) + " Y = " + rt::CStr(rt::RoundHalfUp(y0_, 2)));
        itixy.SetVisible(true);
        Redraw();
        図.Line(x0_, y0_, x1_, y1_, forms::vbBlack);
    } else {
        Redraw();
    }
}
