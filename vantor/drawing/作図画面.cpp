#include "vantor/drawing/作図画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/band_defaults.h"
#include "vantor/model/drawing_home.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/model/main_window.h"

using namespace 縦断bus;

作図画面::作図画面() : forms::Form(forms::FormKind::Apart) { Wire(); }

作図画面::~作図画面() = default;

double 作図画面::Number(const forms::TextBox& box) { return rt::Val(box.Text()); }

void 作図画面::TooMany(const std::string& what, int count, int limit) {
    forms::MsgBox(what + "が" + rt::CStr(count) + "あります。" + rt::CStr(limit) + "までしか扱えません。",
                  forms::vbExclamation);
}

void 作図画面::Wire() {
    タブ図面.OnClick = [this] { タブ図面_Click(); };
    取り消し.OnClick = [this] { 取り消し_Click(); };
    WireProfilePage();
    WireSectionPage();
    WirePlanPage();
}

forms::Label& 作図画面::Legend(forms::Container& on, const std::string& text, int left, int top, int width) {
    captions_.push_back(std::make_unique<forms::Label>(on));
    forms::Label& label = *captions_.back();
    label.SetCaption(text);
    label.Move(left, top + 30, width, 270);
    return label;
}

// Positions and captions; what the screen's design holds.
void 作図画面::LayOut() {
    SetCaption("作図");
    Move(1200, 900, 9600, 7500);
    タブ図面.Move(120, 120, 9240, 6300);
    取り消し.SetCaption("戻　る");
    取り消し.Move(7800, 6540, 1560, 450);
    LayOutProfilePage();
    LayOutSectionPage();
    LayOutPlanPage();
}

void 作図画面::Form_Load() {
    LayOut();

    for (const char* interval : {"20", "40", "60"}) 測点間隔.AddItem(interval);
    タブ図面.SetTabCaption(1, "縦断図");
    タブ図面.AddTab("横断図");
    タブ図面.AddTab("平面図");
    for (int page = 0; page <= 2; ++page)
        絵(page).Move(タブ図面.ClientLeft(), タブ図面.ClientTop(), タブ図面.ClientWidth(), タブ図面.ClientHeight());
    絵(0).ZOrder(0);
    cad_channel::Open();
    drawing_home::Set(*this);
    shokidl();
    SH.SetText(rt::CStr(200));
    SV.SetText(rt::CStr(100));

    profile_sheet::SetBandDefaults();

    用紙高.SetText(rt::CStr(kSectionStart.sheetHeight));
    用紙幅.SetText(rt::CStr(81));
    段数.SetText(rt::CStr(kSectionStart.tiers));
    測点Y.SetText(rt::CStr(kSectionStart.cellHalfHeight));
    測点X.SetText(rt::CStr(kSectionStart.cellHalfWidth));
    計画高.SetText(rt::CStr(kSectionStart.plannedHalfHeight));
    計画幅.SetText(rt::CStr(kSectionStart.plannedHalfWidth));
    左幅.SetText(rt::CStr(3));
    左勾配.SetText(rt::CStr(2));
    右幅.SetText(rt::CStr(3));
    右勾配.SetText(rt::CStr(2));
    縮尺.SetText(rt::CStr(kPlanStart.scale));
    文字サイズ.SetText(rt::CStr(kPlanStart.textSize));
    文字位置.SetText(rt::CStr(kPlanStart.labelOffset));
    径.SetText(rt::CStr(kPlanStart.circleSize));
}

// The one reading of the setting boxes: the drawings below the screen take these values.
void 作図画面::KeepSettings() {
    planSettings = {Number(縮尺), Number(文字サイズ), Number(文字位置), Number(径)};
    sectionSettings = {.tiers = Number(段数),
                       .sheetHeight = Number(用紙高),
                       .cellHalfWidth = Number(測点X),
                       .cellHalfHeight = Number(測点Y),
                       .plannedHalfWidth = Number(計画幅),
                       .plannedHalfHeight = Number(計画高)};
    stationListSettings = {.regularStations = 基準チェックボタン.Value() == forms::vbChecked,
                           .interval = 測点間隔.Text()};
}

void 作図画面::タブ図面_Click() { 絵(タブ図面.SelectedItem() - 1).ZOrder(0); }

void 作図画面::取り消し_Click() {
    main_window::SetWindowState(forms::vbMaximized);
    Hide();
}
