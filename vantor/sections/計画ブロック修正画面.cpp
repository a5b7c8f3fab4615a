#include "vantor/sections/計画ブロック修正画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/drawing_settings.h"
#include "vantor/sections/planned_block_view.h"
#include "vantor/sections/section_checks.h"
#include "vantor/sections/横断図作図データー設定画面.h"

#include <algorithm>
#include <cctype>

using namespace 縦断bus;
namespace channel = 縦断bus::cad_channel;

namespace {

int Stations() { return std::min(sokutensuu, decltype(yokosakuzudata)::UBound(1)); }

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void Tell(const std::string& text) { forms::MsgBox(text, forms::vbExclamation); }

} // namespace

計画ブロック修正画面::計画ブロック修正画面() : forms::Form(forms::FormKind::Apart) {
    測点リスト.OnClick = [this] { 測点リスト_Click(); };
    移動ボタン.OnClick = [this](int index) { 移動ボタン_Click(index); };
    決定ボタン.OnClick = [this] { 決定ボタン_Click(); };
    ブロック自動ボタン.OnClick = [this] { ブロック自動ボタン_Click(); };
    戻るボタン.OnClick = [this] { 戻るボタン_Click(); };
}

forms::Label& 計画ブロック修正画面::Caption(forms::Container& on, const std::string& text, int left, int top,
                                            int width) {
    captions_.push_back(std::make_unique<forms::Label>(on));
    captions_.back()->SetCaption(text);
    captions_.back()->Move(left, top, width, 270);
    return *captions_.back();
}

void 計画ブロック修正画面::LayOut() {
    SetCaption("横断計画ﾌﾞﾛｯｸ名修正画面");
    Move(900, 900, 9000, 6300);
    Caption(*this, "測点", 240, 180, 1500);
    測点リスト.Move(240, 480, 1800, 4200);
    Caption(*this, "表示中の測点", 2280, 180, 1500);
    測点.Move(2280, 480, 1500, 330);
    移動ボタン(0).Move(2280, 960, 1500, 420);
    移動ボタン(1).Move(2280, 1500, 1500, 420);

    新規枠.SetCaption("ブロック新規登録");
    新規枠.Move(4080, 180, 4680, 1800);
    Caption(新規枠, "現在", 180, 360, 900);
    ブロック名ラベル.Move(1200, 360, 3000, 270);
    Caption(新規枠, "新ブロック名", 180, 780, 1200);
    新ブロック名.Move(1500, 750, 2900, 330);
    ブロック自動ボタン.SetCaption("自動作成");
    ブロック自動ボタン.Move(2900, 1230, 1500, 420);

    変更枠.SetCaption("ブロックの変更");
    変更枠.Move(4080, 2100, 4680, 2700);
    Caption(変更枠, "現　在", 1200, 300, 1500);
    Caption(変更枠, "修正名", 2900, 300, 1500);
    Caption(変更枠, "ﾌﾞﾛｯｸ名", 180, 630, 1000);
    ブロック名(0).Move(1200, 600, 1500, 330);
    ブロック名(1).Move(2900, 600, 1500, 330);
    Caption(変更枠, "幅員", 180, 1080, 500);
    Caption(変更枠, "勾配", 180, 1500, 500);
    // Per side: the current (standard) value and the corrected (station's) value.
    for (int side = 0; side <= 1; ++side) {
        const int left = 1200 + side * 1700;
        幅員(2 * side).Move(left, 1050, 720, 330);
        幅員(2 * side + 1).Move(left + 780, 1050, 720, 330);
        勾配(2 * side).Move(left, 1470, 720, 330);
        勾配(2 * side + 1).Move(left + 780, 1470, 720, 330);
    }
    Caption(変更枠, "左：現在／修正値", 1200, 1860, 1650);
    Caption(変更枠, "右：現在／修正値", 2900, 1860, 1650);
    決定ボタン.SetCaption("変　更");
    決定ボタン.Move(2900, 2190, 1500, 420);

    戻るボタン.SetCaption("戻る");
    戻るボタン.Move(240, 4800, 1800, 420);
    説明.SetCaption(
        "画面上でブロック形状を修正したら、現況図を削除し、新しいブロック名を入力後自動作成ボタンを押してください。");
    説明.SetWordWrap(true);
    説明.Move(2280, 4800, 6500, 840);
}

void 計画ブロック修正画面::Form_Load() { LayOut(); }

void 計画ブロック修正画面::Open() {
    測点リスト.Clear();
    const int n = Stations();
    for (int i = 1; i <= n; ++i) {
        const float station = tatedata(i, tate_col::kStation);
        測点リスト.AddItem((station < 0 ? "" : " ") + rt::CStr(station));
    }
    if (danmenbangou < 1 || danmenbangou > n) danmenbangou = n >= 1 ? 1 : 0;
    if (danmenbangou != shown_) drawn_ = false;
    ShowStation();
    Show();
}

void 計画ブロック修正画面::ShowStation() {
    shown_ = danmenbangou;
    const int s = shown_;
    if (s < 1) return;
    const auto text = [](float v) { return rt::CStr(v); };
    測点.SetText(text(tatedata(s, tate_col::kStation)));
    ブロック名(0).SetText(yokosakuzudata(s, sakuzu_col::kPlannedBlock));
    ブロック名(1).SetText("");
    ブロック名ラベル.SetCaption(yokosakuzudata(s, sakuzu_col::kPlannedBlock));
    新ブロック名.SetText("");
    幅員(0).SetText(yokosakuzudata(s, sakuzu_col::kLeftStandardWidth));
    幅員(2).SetText(yokosakuzudata(s, sakuzu_col::kRightStandardWidth));
    幅員(1).SetText(text(yokodata(s, yoko_col::kLeftWidth)));
    幅員(3).SetText(text(yokodata(s, yoko_col::kRightWidth)));
    勾配(0).SetText(yokosakuzudata(s, sakuzu_col::kLeftStandardSlope));
    勾配(2).SetText(yokosakuzudata(s, sakuzu_col::kRightStandardSlope));
    勾配(1).SetText(text(yokodata(s, yoko_col::kLeftCrossSlope)));
    勾配(3).SetText(text(yokodata(s, yoko_col::kRightCrossSlope)));
}

// The shown station's section in the CAD; a station whose blocks cannot be drawn clears the
// view and is told.
void 計画ブロック修正画面::DrawStation() {
    const int s = shown_;
    if (s < 1) return;
    drawn_ = false; // while the command runs
    drawn_ = DrawStationSection(s, drawnHeight_);
}

void 計画ブロック修正画面::測点リスト_Click() {
    const int index = 測点リスト.ListIndex();
    if (index < 0) return;
    const float station = static_cast<float>(rt::Val(測点リスト.List(index)));
    for (int i = 1; i <= Stations(); ++i)
        if (tatedata(i, tate_col::kStation) == station) {
            danmenbangou = i;
            break;
        }
    ShowStation();
    DrawStation();
}

void 計画ブロック修正画面::移動ボタン_Click(int index) {
    const int n = Stations();
    if (danmenbangou < 1 || danmenbangou > n) danmenbangou = std::min(1, n);
    else if (index == 0 && danmenbangou > 1) --danmenbangou;
    else if (index == 1 && danmenbangou < n) ++danmenbangou;
    ShowStation();
    DrawStation();
}

// 変更: the corrected block name and the widths and slopes it is drawn at become the station's.
void 計画ブロック修正画面::決定ボタン_Click() {
    const int s = shown_;
    if (s < 1) return;
    if (!IsUsableBlockName(ブロック名(1).Text())) {
        Tell("修正名にブロック名を入力してください（空白と < > / \\ \" : ; ? * | , = ` は使えません）。");
        return;
    }
    for (forms::TextBox* box : {&幅員(1), &幅員(3), &勾配(1), &勾配(3)})
        if (!IsGivenNumberText(box->Text())) {
            Tell("幅員と勾配の修正値を数値で入力してください（空欄と 99999 は使えません）。");
            return;
        }
    yokosakuzudata(s, sakuzu_col::kPlannedBlock) = ブロック名(1).Text();
    yokosakuzudata(s, sakuzu_col::kLeftStandardWidth) = 幅員(1).Text();
    yokosakuzudata(s, sakuzu_col::kRightStandardWidth) = 幅員(3).Text();
    yokosakuzudata(s, sakuzu_col::kLeftStandardSlope) = 勾配(1).Text();
    yokosakuzudata(s, sakuzu_col::kRightStandardSlope) = 勾配(3).Text();
}

// 自動作成: what is drawn inside the planned-section window becomes the block of the new name,
// based at the planned block's insertion point; the station names it once that went through.
void 計画ブロック修正画面::ブロック自動ボタン_Click() {
    const int s = shown_;
    const std::string name = 新ブロック名.Text();
    if (s < 1) return;
    if (name.empty()) {
        Tell("新ブロック名を入力してください。");
        return;
    }
    if (!IsUsableBlockName(name)) {
        Tell("新ブロック名「" + channel::TextAnswer(name) +
             "」は使えません（空白と < > / \\ \" : ; ? * | , = ` は使えません）。");
        return;
    }
    if (Upper(name) == Upper(yokosakuzudata(s, sakuzu_col::kGroundBlock))) {
        Tell("新ブロック名「" + name + "」はこの測点の現況ブロックの名前です。別の名前を入力してください。");
        return;
    }
    if (!drawn_) {
        Tell("測点 " + rt::CStr(tatedata(s, tate_col::kStation)) + " の計画断面を表示してから自動作成してください。");
        return;
    }
    const SectionSettings settings = sectionSettings;
    const bool defined = channel::RunDrawing([&] {
        channel::Send("-block");
        channel::Send(name);
        channel::Send("Y");
        channel::Send("0," + rt::CStr(tatedata(s, tate_col::kPlannedMinusGround) * 1000));
        channel::Send(NewBlockWindow(s, settings));
        channel::Send("");
    });
    if (!defined) return;
    yokosakuzudata(s, sakuzu_col::kPlannedBlock) = name;
    drawn_ = false; // the drawn section went into the block
}

void 計画ブロック修正画面::戻るボタン_Click() {
    Hide();
    forms::Get<横断図作図データー設定画面>().Show();
}
