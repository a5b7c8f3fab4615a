#include "vantor/sections/editors/section_point_editor.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/editors/section_point_preview.h"
#include "vantor/sections/editors/section_point_sheet.h"

#include <algorithm>
#include <utility>

using namespace 縦断bus;

namespace {

constexpr int kFirstPointRow = 2; // grid row of point 1
constexpr int kSidePoints = 20;   // points one side of a station holds
constexpr int kLeftOffset = 0, kLeftHeight = 1, kNumber = 2, kRightOffset = 3, kRightHeight = 4;
// Wide enough for the longest text a point shows in metres, such as "-0.0003425", sign and all.
constexpr int kValueColumnWidth = 1200; // twips
constexpr int kNumberColumnWidth = 480; // the header " No" whole
constexpr int kGridWidth = 4 * kValueColumnWidth + kNumberColumnWidth + 110;
// The preview and the buttons stand right of the grid.
constexpr int kRight = 120 + kGridWidth + 180;

int GridRow(int point) { return point + kFirstPointRow; }

} // namespace

SectionPointEditor::SectionPointEditor(SectionPointSet set, Captions captions)
        : forms::Form(forms::FormKind::Apart), set_(set), captions_(std::move(captions)) {
    グリッド.OnClick = [this] { グリッド_Click(); };
    editor_.OnStore = [this] { Text1_LostFocus(); };
    移動ボタン.OnClick = [this](int index) { 移動ボタン_Click(index); };
    受信ボタン.OnClick = [this] { 受信ボタン_Click(); };
    読込ボタン.OnClick = [this] { 読込ボタン_Click(); };
    転送ボタン.OnClick = [this] { 転送ボタン_Click(); };
    UsePellix(PlacePellix(*this, "Pellix1", kRight + 4320, 5100));
}

void SectionPointEditor::UsePellix(std::unique_ptr<Pellix> control) {
    session_.Forget();
    pellix_ = std::move(control);
    pellix_->OnAcadCmdWait = [this] { Pellix1_OnAcadCmdWait(); };
    pellix_->SetInterval(500);
    pellix_->SetEnabled(true);
}

void SectionPointEditor::Tell(const std::string& text) { forms::MsgBox(text, forms::vbExclamation); }

void SectionPointEditor::LayOut() {
    SetCaption(captions_.screen);
    Move(600, 600, kRight + 5040, 8220);
    グリッド.Move(120, 120, kGridWidth, 7500);
    Text1.SetVisible(false);
    図.Move(kRight, 120, 4800, 4800);
    図.SetBackColor(forms::vbWhite);
    測点ラベル.SetCaption("測　点");
    測点ラベル.Move(kRight, 5160, 900, 270);
    測点.Move(kRight + 960, 5100, 1500, 330);
    移動ボタン(0).Move(kRight, 5580, 1500, 420);
    移動ボタン(1).Move(kRight + 1620, 5580, 1500, 420);
    左右(0).Move(kRight, 6120, 900, 330);
    左右(1).Move(kRight + 960, 6120, 900, 330);
    受信ボタン.SetCaption(captions_.receive);
    受信ボタン.Move(kRight, 6540, 1500, 420);
    読込ボタン.SetCaption(captions_.read);
    読込ボタン.Move(kRight + 1620, 6540, 1500, 420);
    転送ボタン.SetCaption(captions_.transfer);
    転送ボタン.Move(kRight + 3240, 6540, 1500, 420);
    LayOutOwnButtons(kRight, 7080);
}

void SectionPointEditor::Form_Load() {
    LayOut();
    danmensuu = sokutensuu + 1;
    グリッド.SetRows(kSectionPoints + kFirstPointRow);
    グリッド.SetCols(5);
    グリッド.SetFixedCols(0);
    グリッド.SetColWidth(-1, kValueColumnWidth);
    グリッド.SetColWidth(kNumber, kNumberColumnWidth);
    グリッド.SetRowHeight(-1, 330);
    グリッド.SetTextMatrix(0, kLeftOffset, " 左側");
    グリッド.SetTextMatrix(0, kNumber, " No");
    グリッド.SetTextMatrix(0, kRightOffset, " 右側");
    for (int c : {kLeftOffset, kRightOffset}) {
        グリッド.SetTextMatrix(1, c, " ｘ座標");
        グリッド.SetTextMatrix(1, c + 1, " Ｙ座標");
    }
    for (int p = 0; p < kSectionPoints; ++p) グリッド.SetTextMatrix(GridRow(p), kNumber, rt::CStr(p + 1));
    danmenbangou = 1;
    ShowStation();
}

void SectionPointEditor::Open() {
    const int n = EditableStations();
    if (danmenbangou < 1 || (n >= 1 && danmenbangou > n)) danmenbangou = std::clamp(danmenbangou, 1, std::max(n, 1));
    if (danmenbangou != shown_) ShowStation();
    Show();
}

// The grid, the station text and the preview of the current station.
void SectionPointEditor::ShowStation() {
    shown_ = danmenbangou;
    Text1.SetVisible(false);
    測点.SetText(shown_ >= 1 && shown_ <= EditableStations() ? rt::CStr(tatedata(shown_, tate_col::kStation))
                                                             : std::string());
    ShowPoints();
    DrawPreview();
}

void SectionPointEditor::ShowPoints() {
    const int s = shown_;
    if (s < 1 || s > kSectionStations) return;
    for (int p = 0; p < kSectionPoints; ++p)
        for (int j = 1; j <= 2; ++j) {
            グリッド.SetTextMatrix(GridRow(p), j - 1, set_.left(s, p, j));
            グリッド.SetTextMatrix(GridRow(p), j + 2, set_.right(s, p, j));
        }
}

void SectionPointEditor::DrawPreview() { DrawSectionPoints(図, set_, shown_); }

void SectionPointEditor::グリッド_Click() {
    const int row = グリッド.Row();
    if (row < kFirstPointRow) return; // the header rows hold no point
    editRow_ = static_cast<float>(row);
    editColumn_ = static_cast<float>(グリッド.Col() == kNumber ? kRightOffset : グリッド.Col());
    グリッド.SetCol(static_cast<int>(editColumn_));
    editor_.Open();
}

// The edited row, both sides, into the shown station; a height redraws the preview.
void SectionPointEditor::Text1_LostFocus() {
    const int row = static_cast<int>(editRow_), column = static_cast<int>(editColumn_);
    const int p = row - kFirstPointRow, s = shown_;
    if (p < 0 || p >= kSectionPoints || s < 1 || s > kSectionStations) return;
    set_.left(s, p, 1) = グリッド.TextMatrix(row, kLeftOffset);
    set_.left(s, p, 2) = グリッド.TextMatrix(row, kLeftHeight);
    set_.right(s, p, 1) = グリッド.TextMatrix(row, kRightOffset);
    set_.right(s, p, 2) = グリッド.TextMatrix(row, kRightHeight);
    if (column == kLeftHeight || column == kRightHeight) DrawPreview();
}

bool SectionPointEditor::TellWhenStationsBeyondTables() {
    if (sokutensuu <= kSectionStations) return false;
    Tell("測点が " + rt::CStr(sokutensuu) + " あります。断面の点を扱えるのは最初の " + rt::CStr(kSectionStations) +
         " 測点までです。");
    return true;
}

void SectionPointEditor::移動ボタン_Click(int index) {
    const int n = EditableStations();
    if (n < 1) return;
    danmenbangou = std::clamp(danmenbangou, 1, n);
    if (index == 0 && danmenbangou > 1) --danmenbangou;
    else if (index == 1 && danmenbangou < n) ++danmenbangou;
    else if (index == 1) TellWhenStationsBeyondTables();
    ShowStation();
    DrawStationInCad(danmenbangou);
}

// Every station's points from the sheet; the screen goes back to station 1 and shows it.
void SectionPointEditor::読込ボタン_Click() {
    if (!ReadSectionPoints(set_)) return;
    TellWhenStationsBeyondTables();
    danmenbangou = 1;
    ShowStation();
    if (EditableStations() >= 1) DrawStationInCad(danmenbangou);
}

void SectionPointEditor::転送ボタン_Click() {
    if (WriteSectionPoints(set_)) TellWhenStationsBeyondTables();
}

// Arms the pick for the shown station; the points come in the control's idle event.
void SectionPointEditor::受信ボタン_Click() {
    if (!左右(0).Value() && !左右(1).Value()) {
        Tell("点を取り込む側（左・右）を選んでから受信してください。");
        return;
    }
    if (shown_ < 1 || shown_ > EditableStations()) {
        Tell("点を取り込む測点がありません。");
        return;
    }
    if (session_.Running()) return; // the CAD already asks for a point
    armedStation_ = shown_;
    shutokusuu_ = 0;
    session_.Arm(*pellix_);
    Show();
}

// The pick: armed, the points until the user cancels, stored on the chosen side of the station
// armed; armed or not, the CAD is cancelled and the control put to rest.
void SectionPointEditor::Pellix1_OnAcadCmdWait() {
    if (session_.Running()) return;
    shutokusuu_ = 0;
    if (session_.ArmedFor(*pellix_)) {
        const PickOutcome outcome = session_.Pick(*pellix_, kSidePoints);
        shutokusuu_ = static_cast<int>(outcome.points.size());
        StorePicked(outcome.points, armedStation_);
        if (outcome.full && !session_.Left())
            Tell("片側に取り込める点は " + rt::CStr(kSidePoints) + " 点までです。" + rt::CStr(kSidePoints) +
                 " 点で取り込みを終えました。");
    }
    session_.End(*pellix_);
}

void SectionPointEditor::EndPickForLeaving() { session_.Leave(); }

// Unloaded while the CAD waits for a point: the pick is ended first, and the screen goes when
// the pick's handler has put the CAD and the control back to rest.
bool SectionPointEditor::ReadyToUnload() { return session_.ReadyToUnload(); }

// The picked points replace the chosen side of station s: points 1..n in picking order, the
// rest empty. Offsets are distances from the centre line (x = 0 of the drawing) in metres.
void SectionPointEditor::StorePicked(const std::vector<PickedPoint>& points, int s) {
    const bool left = 左右(0).Value();
    if (!left && !左右(1).Value()) return;
    SectionPoints& side = left ? set_.left : set_.right;
    const int offsetColumn = left ? kLeftOffset : kRightOffset;
    const bool shown = s == shown_;
    for (int p = 0; p < kSectionPoints; ++p) {
        std::string offset, height;
        if (p < static_cast<int>(points.size())) {
            const float x = points[p].x, y = points[p].y;
            offset = rt::CStr(left ? -x / 1000.0f : x / 1000.0f);
            height = rt::CStr(y / 1000.0f);
        }
        side(s, p, 1) = offset;
        side(s, p, 2) = height;
        if (shown) {
            グリッド.SetTextMatrix(GridRow(p), offsetColumn, offset);
            グリッド.SetTextMatrix(GridRow(p), offsetColumn + 1, height);
        }
    }
    if (shown) DrawPreview();
}
