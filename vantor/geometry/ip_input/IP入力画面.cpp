#include "vantor/geometry/ip_input/IP入力画面.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/pellix/point_pick.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

using namespace 縦断bus;

namespace {

constexpr int kMetre = 1000; // millimetres
// Wide enough for the longest text a point shows in metres, such as "-0.0479452".
constexpr int kColumnWidth = 1200; // twips
const char* const kHeaders[] = {" ｘ座標", " Ｙ座標", " 半　径"};
const char* const kColumnNames[] = {"ｘ座標", "Ｙ座標", "半径"};

static_assert(IP入力画面::kPointRows == decltype(ipx)::UBound(1) + 1, "a grid row for every point of the table");

std::string Metres(float millimetres) { return rt::CStr(static_cast<float>(millimetres / kMetre)); }

// Metres as the millimetres the tables hold; nothing when the tables cannot hold them.
std::optional<float> Millimetres(double metres) {
    const double millimetres = metres * kMetre;
    if (!(std::fabs(millimetres) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(millimetres);
}

void TellTooLarge(int row, int column) {
    forms::MsgBox(rt::CStr(row) + "行目の" + kColumnNames[column] + "が大きすぎます。正しい値に直してください。",
                  forms::vbExclamation);
}

int RoundedRow(float row) { return static_cast<int>(std::lround(row)); }

bool Filled(const forms::FlexGrid& grid, int row, int column) { return !grid.TextMatrix(row, column).empty(); }

} // namespace

IP入力画面::IP入力画面() : forms::Form(forms::FormKind::Apart) {
    Toolbar1.OnButtonClick = [this](forms::ToolbarButton& b) { Toolbar1_ButtonClick(b); };
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
    自動入力.OnClick = [this] { 自動入力_Click(); };
    修正ボタン.OnClick = [this] { 修正ボタン_Click(); };
    キャンセルボタン.OnClick = [this] { キャンセルボタン_Click(); };
    UsePellix(PlacePellix(*this, "Pellix1", 3720, 4680), PlacePellix(*this, "Pellix2", 4260, 4680));
}

void IP入力画面::UsePellix(std::unique_ptr<Pellix> pellix1, std::unique_ptr<Pellix> pellix2) {
    session_.Forget();
    repickRow_ = 0;
    pellix1_ = std::move(pellix1);
    pellix2_ = std::move(pellix2);
    pellix1_->OnAcadCmdWait = [this] { Pellix1_OnAcadCmdWait(); };
    pellix2_->OnAcadCmdWait = [this] { Pellix2_OnAcadCmdWait(); };
    pellix1_->OnActiveChange = [this](std::int32_t lost, std::int32_t active, bool& reload) {
        Pellix1_OnActiveChange(lost, active, reload);
    };
}

void IP入力画面::LayOut() {
    SetCaption("ＩＰ入力画面");
    for (const char* key : {"読込", "挿入", "削除", "転送", "完了"}) Toolbar1.AddButton(key, key);
    const int top = Toolbar1.Height();
    Move(600, 600, 5865, 6900 + top);
    グリッド.Move(120, top + 120, kColumnWidth * 3 + 330, 6240);
    Text1.SetVisible(false);
    自動入力.SetCaption("自動入力");
    自動入力.Move(4185, top + 120, 1500, 450);
    修正ボタン.SetCaption("修正");
    修正ボタン.Move(4185, top + 690, 1500, 450);
    キャンセルボタン.SetCaption("ｷｬﾝｾﾙ");
    キャンセルボタン.Move(4185, top + 5910, 1500, 450);
}

void IP入力画面::Form_Load() {
    LayOut();
    グリッド.SetRows(kPointRows + 1);
    グリッド.SetCols(3);
    グリッド.SetColWidth(-1, kColumnWidth);
    グリッド.SetRowHeight(-1, 450);
    グリッド.SetFixedCols(0);
    for (int c = 0; c < 3; ++c) グリッド.SetTextMatrix(0, c, kHeaders[c]);
    FillFromTable();
    forms::Get<AutoCad設定画面>().Pellix1().SetAcadLocked(true);
    Show();
}

void IP入力画面::FillFromTable() {
    gyousuu = std::clamp(ipsuu + 2, 0, kPointRows);
    for (int r = 1; r <= kPointRows; ++r) {
        if (r > gyousuu) {
            ClearRow(r);
            continue;
        }
        グリッド.SetTextMatrix(r, 0, Metres(ipx(r - 1)));
        グリッド.SetTextMatrix(r, 1, Metres(ipy(r - 1)));
        グリッド.SetTextMatrix(r, 2, iphankei(r - 1) == 0 ? std::string() : Metres(iphankei(r - 1)));
    }
}

void IP入力画面::ClearRow(int row) {
    for (int c = 0; c < 3; ++c) グリッド.SetTextMatrix(row, c, "");
}

// ---- In-cell editing ----

void IP入力画面::グリッド_Click() {
    if (グリッド.Row() < 1) return;
    gyou = static_cast<float>(グリッド.Row());
    retsu = static_cast<float>(グリッド.Col());
    editor_.Open();
}

// The row edited last goes into the IP table; a text is read as its leading number, an
// empty radius as no curve. A row with a value the table cannot hold is not stored.
void IP入力画面::Text1_LostFocus() {
    const int r = RoundedRow(gyou);
    if (r < 1 || r > kPointRows) return;
    float values[3] = {0, 0, 0};
    for (int c = 0; c < 3; ++c) {
        const std::string text = グリッド.TextMatrix(r, c);
        if (c == 2 && text.empty()) continue;
        const std::optional<float> value = Millimetres(rt::Val(text));
        if (!value) return TellTooLarge(r, c);
        values[c] = *value;
    }
    ipx(r - 1) = values[0];
    ipy(r - 1) = values[1];
    iphankei(r - 1) = values[2];
}

// ---- Toolbar ----

void IP入力画面::Toolbar1_ButtonClick(forms::ToolbarButton& button) {
    const std::string& key = button.Key();
    if (key == "読込") {
        if (!HasDocument()) {
            sheet_messages::Tell(sheet_messages::kNoWorkbook);
            return;
        }
        yomikomiip();
        FillFromTable();
        Show();
    } else if (key == "挿入") {
        gyousounyuuip();
    } else if (key == "削除") {
        gyousakujoip();
    } else if (key == "転送") {
        if (!HasDocument()) {
            sheet_messages::Tell(sheet_messages::kNoWorkbook);
            return;
        }
        const auto points = GridPoints();
        if (!points) return;
        StorePoints(*points);
        if (!WriteIpPoints(gyousuu)) return;
        xlbook->Application()->SetVisible(true);
    } else if (key == "完了") {
        // A pick that waits in the CAD ends first; its points come into the grid when its
        // handler has ended it, and the input is finished then.
        finishAfterPick_ = session_.Running();
        EndPickForLeaving();
        if (!finishAfterPick_) 完了();
    }
}

void IP入力画面::完了() {
    const auto points = GridPoints();
    if (!points) return;
    if (points->size() < 2) {
        forms::MsgBox("始点と終点の少なくとも2点を入力してください。", forms::vbExclamation);
        return;
    }
    StorePoints(*points);
    ipsuu = gyousuu - 2;
    forms::Get<作図画面>().Show();
    Hide();
}

int IP入力画面::LastUsedRow() const {
    for (int r = kPointRows; r >= 1; --r)
        if (Filled(グリッド, r, 0) || Filled(グリッド, r, 1)) return r;
    return 0;
}

std::optional<std::vector<IP入力画面::GridPoint>> IP入力画面::GridPoints() const {
    const int last = LastUsedRow();
    std::vector<GridPoint> points;
    for (int r = 1; r <= last; ++r) {
        float values[3] = {0, 0, 0};
        for (int c = 0; c < 3; ++c) {
            const std::string text = グリッド.TextMatrix(r, c);
            if (c == 2 && text.empty()) continue; // no curve at this point
            if (!rt::IsNumeric(text)) {
                const std::string where = rt::CStr(r) + "行目の" + kColumnNames[c];
                forms::MsgBox(text.empty() ? where + "がありません。点は1行目から間をあけずに入力してください。"
                                           : where + "「" + text + "」が数値ではありません。",
                              forms::vbExclamation);
                return std::nullopt;
            }
            const std::optional<float> value = Millimetres(rt::CDbl(text));
            if (!value) {
                TellTooLarge(r, c);
                return std::nullopt;
            }
            values[c] = *value;
        }
        points.push_back({values[0], values[1], values[2]});
    }
    return points;
}

void IP入力画面::StorePoints(const std::vector<GridPoint>& points) {
    gyousuu = static_cast<int>(points.size());
    for (int p = 0; p < gyousuu; ++p) {
        ipx(p) = points[p].x;
        ipy(p) = points[p].y;
        iphankei(p) = points[p].radius;
    }
}

void IP入力画面::gyousounyuuip() {
    const int c = グリッド.Row();
    const int m = LastUsedRow();
    gyousuu = m;
    if (c < 1 || m < c) return;
    if (m == kPointRows) {
        forms::MsgBox("点は" + rt::CStr(kPointRows) + "点までです。行を挿入するには、先に不要な行を削除してください。",
                      forms::vbExclamation);
        return;
    }
    for (int r = m; r >= c; --r)
        for (int col = 0; col < 3; ++col) グリッド.SetTextMatrix(r + 1, col, グリッド.TextMatrix(r, col));
    ClearRow(c);
    gyousuu = m + 1;
    Text1.SetText("");
}

void IP入力画面::gyousakujoip() {
    const int c = グリッド.Row();
    const int m = LastUsedRow();
    gyousuu = m;
    if (c < 1 || m < c) return;
    for (int r = c; r < m; ++r)
        for (int col = 0; col < 3; ++col) グリッド.SetTextMatrix(r, col, グリッド.TextMatrix(r + 1, col));
    ClearRow(m);
    gyousuu = m - 1;
    Text1.SetText(グリッド.Text());
}

void IP入力画面::キャンセルボタン_Click() {
    EndPickForLeaving();
    Hide();
}

// ---- Picking in the CAD ----

void IP入力画面::自動入力_Click() { shutokujunbi1(); }

void IP入力画面::修正ボタン_Click() {
    const int r = RoundedRow(gyou);
    if (r < 1 || r > kPointRows) {
        forms::MsgBox("取り直す点の行を表でクリックしてから修正を押してください。", forms::vbExclamation);
        return;
    }
    if (session_.Running()) return; // the CAD already asks for a point
    shutokujunbi2();
    // Emptied until the point comes; a cancelled pick puts the old point back.
    repickRow_ = r;
    repickX_ = グリッド.TextMatrix(r, 0);
    repickY_ = グリッド.TextMatrix(r, 1);
    グリッド.SetTextMatrix(r, 0, "");
    グリッド.SetTextMatrix(r, 1, "");
}

void IP入力画面::RestoreRepickRow() {
    if (repickRow_ < 1) return;
    グリッド.SetTextMatrix(repickRow_, 0, repickX_);
    グリッド.SetTextMatrix(repickRow_, 1, repickY_);
    repickRow_ = 0;
}

void IP入力画面::shutokujunbi1() { Arm(*pellix1_); }

void IP入力画面::shutokujunbi2() { Arm(*pellix2_); }

// One control at a time: arming one puts the other back to rest.
void IP入力画面::Arm(Pellix& control) {
    if (session_.Running()) return;
    if (session_.ArmedFor(*pellix2_)) RestoreRepickRow();
    shutokusuu = 0;
    session_.Arm(control);
}

void IP入力画面::EndPickForLeaving() {
    if (!session_.Running() && session_.ArmedFor(*pellix2_)) RestoreRepickRow();
    session_.Leave();
}

// Unloaded while the CAD waits for a point: the pick is ended first, and the screen goes when
// the pick's handler has put the CAD and the control back to rest.
bool IP入力画面::ReadyToUnload() { return session_.ReadyToUnload(); }

void IP入力画面::EndPick(Pellix& control) {
    if (!session_.End(control)) {
        finishAfterPick_ = false;
        return;
    }
    if (std::exchange(finishAfterPick_, false)) 完了();
}

void IP入力画面::Pellix1_OnAcadCmdWait() {
    if (session_.Running()) return;
    if (session_.ArmedFor(*pellix1_)) {
        const PickOutcome outcome = session_.Pick(*pellix1_, kPointRows);
        shutokusuu = static_cast<int>(outcome.points.size());
        for (int q = 1; q <= shutokusuu; ++q) {
            shutokuten(q, 1) = outcome.points[q - 1].x;
            shutokuten(q, 2) = outcome.points[q - 1].y;
            グリッド.SetTextMatrix(q, 0, Metres(shutokuten(q, 1)));
            グリッド.SetTextMatrix(q, 1, Metres(shutokuten(q, 2)));
        }
        if (outcome.full && !session_.Left())
            forms::MsgBox("点は" + rt::CStr(kPointRows) + "点まで取得できます。" + rt::CStr(kPointRows) +
                              "点を取得したので終了しました。",
                          forms::vbInformation);
    }
    EndPick(*pellix1_);
}

void IP入力画面::Pellix2_OnAcadCmdWait() {
    if (session_.Running()) return;
    if (session_.ArmedFor(*pellix2_) && repickRow_ >= 1) {
        const int r = repickRow_;
        const PickOutcome outcome = session_.Pick(*pellix2_, 1);
        if (outcome.points.empty()) {
            RestoreRepickRow();
        } else {
            repickRow_ = 0;
            shutokuten(r, 1) = outcome.points.front().x;
            shutokuten(r, 2) = outcome.points.front().y;
            const std::string x = Metres(shutokuten(r, 1)), y = Metres(shutokuten(r, 2));
            グリッド.SetTextMatrix(r, 0, x);
            グリッド.SetTextMatrix(r, 1, y);
            if (retsu == 0) Text1.SetText(x);
            if (retsu == 1) Text1.SetText(y);
        }
    }
    EndPick(*pellix2_);
}

void IP入力画面::Pellix1_OnActiveChange(std::int32_t, std::int32_t, bool&) { pellix1_->SetAcadLocked(true); }
