#include "vantor/geometry/coordinates/座標変換.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/geometry/coordinates/cad_axis_transform.h"
#include "vantor/geometry/coordinates/coordinate_output.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace 縦断bus;
using namespace 縦断bus::coordinates;

namespace {

constexpr int kReferenceRows = decltype(zahyoudata)::UBound(1); // every point the document holds
constexpr int kArbitraryPoints = 50;                            // rows of the kind "任意の座標値"
constexpr int kRoadEdgeKind = 3;

constexpr char kNoStationPositions[] =
    "測点の平面座標が今の測点の並びで計算されていません。作図画面の「ｾﾝﾀｰ・測点作図」を押して平面線形を計算して"
    "から選んでください。";
constexpr char kNoIps[] = "ＩＰ座標がありません。ＩＰ入力画面で始点・ＩＰ・終点を入力してから選んでください。";
constexpr char kNoModel[] =
    "路肩座標値は３Ｄモデルから求めます。３Ｄ設定画面の作図開始で３Ｄモデルを作ってから転送してください。";

const char* const kReferenceHeaders[] = {"座標番号", " ｘ(現地座標）", " ｙ(現地座標）", " Ｘ(図面座標）",
                                         " Ｙ(図面座標）"};
const char* const kPointHeaders[] = {"座標番号", " Ｘ(図面座標）", " Ｙ(図面座標）", " ｘ(現地座標）",
                                     " ｙ(現地座標）"};

// Five columns, rows 450 twips high, the header row fixed. A coordinate column is 2000 twips wide,
// room for the widest coordinate a cell shows: six integer digits (a plane coordinate far from
// its origin), 15 significant digits and a sign. A narrower column cuts a right-aligned number
// off at its left and shows another number.
void ShapeGrid(forms::FlexGrid& grid, int rows, const char* const headers[]) {
    grid.SetCols(5);
    grid.SetRows(rows);
    grid.SetFixedRows(1);
    grid.SetFixedCols(0);
    grid.SetColWidth(-1, 2000);
    grid.SetColWidth(0, 850);
    grid.SetRowHeight(-1, 450);
    for (int c = 0; c < 5; ++c) grid.SetTextMatrix(0, c, headers[c]);
}

bool Filled(const forms::FlexGrid& grid, int row, int column) {
    return !rt::Trim(grid.TextMatrix(row, column)).empty();
}

double Number(const forms::FlexGrid& grid, int row, int column) { return rt::Val(grid.TextMatrix(row, column)); }

// The 3D model was built on the current stations at their current plan positions: its centre
// point at each of its stations is that station's own.
bool ModelOfCurrentStations() {
    const int n = d3sokutensuu;
    if (n < 1 || n > sokutensuu || !HasPlanPositions()) return false;
    for (int i = 1; i <= n; ++i)
        if (d3chuushin(i, 0, chuushin_col::kX) != sokutenx(i) || d3chuushin(i, 0, chuushin_col::kY) != sokuteny(i))
            return false;
    return true;
}

} // namespace

座標変換::座標変換() : forms::Form(forms::FormKind::Apart) {
    グリッド.OnClick = [this] { グリッド_Click(); };
    マス.OnClick = [this] { マス_Click(); };
    解放.OnClick = [this] { 解放_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    変換種類.OnClick = [this](int index) { 変換種類_Click(index); };
    現地座標ボタン.OnClick = [this] { 現地座標ボタン_Click(); };
    転送ボタン.OnClick = [this] { 転送ボタン_Click(); };
    変換ボタン.OnClick = [this] { 変換ボタン_Click(); };
    読込.OnClick = [this] { 読込_Click(); };
    戻ボタン.OnClick = [this] { 戻ボタン_Click(); };
    UsePellix(縦断bus::PlacePellix(*this, "Pellix1", 9700, 7890), 縦断bus::PlacePellix(*this, "Pellix2", 10180, 7890));
}

void 座標変換::UsePellix(std::unique_ptr<縦断bus::Pellix> pellix1, std::unique_ptr<縦断bus::Pellix> pellix2) {
    session_.Forget();
    pellix1_ = std::move(pellix1);
    pellix2_ = std::move(pellix2);
    pellix1_->OnAcadCmdWait = [this] { Pellix1_OnAcadCmdWait(); };
    pellix2_->OnAcadCmdWait = [this] { Pellix2_OnAcadCmdWait(); };
}

void 座標変換::LayOut() {
    SetCaption("座標変換");
    Move(600, 300, 13840, 8880);
    const auto caption = [this](forms::Container& on, const std::string& text, int left, int top, int width) {
        captions_.push_back(std::make_unique<forms::Label>(on));
        captions_.back()->SetCaption(text);
        captions_.back()->Move(left, top, width, 270);
    };
    caption(*this, "基準点", 120, 90, 2000);
    グリッド.Move(120, 390, 9220, 3300);
    Text1.SetVisible(false);
    解放.SetCaption("解析");
    解放.Move(9580, 390, 1900, 450);
    読込.SetCaption("読込");
    読込.Move(11620, 390, 1900, 450);

    Frame2.SetCaption("解析結果");
    Frame2.Move(9580, 960, 3940, 2730);
    Frame4.SetCaption("回転角");
    Frame4.Move(120, 270, 3700, 720);
    度.Move(240, 300, 3000, 300);
    caption(Frame4, "度", 3300, 300, 300);
    Frame3.SetCaption("平行移動量");
    Frame3.Move(120, 1110, 3700, 1470);
    Label2.SetCaption("Ｘ軸方向");
    Label2.Move(120, 330, 1000, 270);
    x軸.Move(1200, 330, 2100, 300);
    Label3.SetCaption("Ｙ軸方向");
    Label3.Move(120, 840, 1000, 270);
    Y軸.Move(1200, 840, 2100, 300);
    caption(Frame3, "ｍ", 3340, 330, 300);
    caption(Frame3, "ｍ", 3340, 840, 300);

    caption(*this, "変換する座標", 120, 3810, 2000);
    マス.Move(120, 4110, 9220, 4350);
    Text2.SetVisible(false);
    Frame1.SetCaption("変換座標値");
    Frame1.Move(9580, 3810, 3940, 2640);
    for (int k = 0; k <= 3; ++k) 変換種類(k).Move(240, 300 + 360 * k, 2400, 330);
    Command1.SetCaption("角度修正");
    Command1.Move(240, 1830, 1650, 450);
    現地座標ボタン.SetCaption("座標変換");
    現地座標ボタン.Move(2040, 1830, 1650, 450);
    変換ボタン.SetCaption("CAD軸変換");
    変換ボタン.Move(9580, 6570, 1900, 450);

    Frame5.SetCaption("ｴｸｾﾙ転送");
    Frame5.Move(9580, 7110, 3940, 1350);
    Label1.SetCaption("座標値名称");
    Label1.Move(120, 330, 1200, 270);
    名称.Move(1320, 300, 2460, 330);
    転送ボタン.SetCaption("転送");
    転送ボタン.Move(1920, 780, 1860, 420);
    戻ボタン.SetCaption("戻る");
    戻ボタン.Move(11620, 6570, 1900, 450);
}

void 座標変換::Form_Load() {
    LayOut();
    ShapeGrid(グリッド, kReferenceRows + 1, kReferenceHeaders);
    for (int r = 1; r <= kReferenceRows; ++r) グリッド.SetTextMatrix(r, 0, " " + rt::CStr(r));
    ForgetPointGrid();
    FillReferenceGrid();
}

// The point grid as loaded: numbered empty rows, no kind's points.
void 座標変換::ForgetPointGrid() {
    ShapeGrid(マス, kArbitraryPoints + 1, kPointHeaders);
    for (int r = 1; r <= kArbitraryPoints; ++r) {
        マス.SetTextMatrix(r, 0, " " + rt::CStr(r));
        for (int c = 1; c <= 4; ++c) マス.SetTextMatrix(r, c, "");
    }
    masugyousuu = 0;
    convertedRows_.clear();
}

// The document's reference points; a cell the document leaves empty (a drawing point not yet
// picked) stays empty. The fit of other points is gone with them.
void 座標変換::FillReferenceGrid() {
    gridDocument_ = documentNumber;
    const int count = std::min(zahyousuu, kReferenceRows);
    for (int r = 1; r <= kReferenceRows; ++r)
        for (int c = 1; c <= 4; ++c) {
            const double value = zahyoudata(r, c);
            グリッド.SetTextMatrix(r, c, r > count || value == kEmpty ? "" : rt::CStr(value));
        }
    Text1.SetVisible(false); // its text was the other document's
    fit_.reset();
    kaitenkaku = 0;
    heikinkakudo = 0;
    ShowFit();
}

// The point grid's rows were the other document's stations or IPs: the kind is chosen again.
bool 座標変換::TakeCurrentDocument() {
    if (gridDocument_ == documentNumber) return false;
    FillReferenceGrid();
    ForgetPointGrid();
    return true;
}

// Every command first looks at the document: when New or Open has made another one since the
// grid was filled, its points are shown, the fit of the others is gone, the user is told, and the
// command does nothing else.
bool 座標変換::TellAnotherDocument() {
    if (!TakeCurrentDocument()) return false;
    forms::MsgBox(
        "新規作成か開くで別のブックになったので、基準点をそのブックのものにし、解析結果を消しました。確かめてから、"
        "もう一度操作してください。",
        forms::vbExclamation);
    return true;
}

void 座標変換::ShowWithDocument() {
    TakeCurrentDocument();
    Show();
}

void 座標変換::ShowFit() {
    度.SetCaption(rt::CStr(heikinkakudo));
    x軸.SetCaption(fit_ ? rt::CStr(fit_->p3) : "0");
    Y軸.SetCaption(fit_ ? rt::CStr(fit_->p4) : "0");
}

// ---- In-cell editors: the text typed goes straight into the cell ----

void 座標変換::グリッド_Click() {
    if (グリッド.Row() < 1) return;
    sentakugyou = グリッド.Row();
    sentakuretsu = グリッド.Col();
    referenceCellClicked_ = true;
    referenceEditor_.Open();
}

void 座標変換::マス_Click() {
    if (マス.Row() < 1) return;
    sentakugyou = マス.Row();
    sentakuretsu = マス.Col();
    referenceCellClicked_ = false;
    pointEditor_.Open();
}

// ---- The fit ----

std::vector<ReferencePoint> 座標変換::CompleteReferencePoints() const {
    std::vector<ReferencePoint> points;
    for (int r = 1; r < グリッド.Rows(); ++r) {
        if (!(Filled(グリッド, r, 1) && Filled(グリッド, r, 2) && Filled(グリッド, r, 3) && Filled(グリッド, r, 4)))
            continue;
        points.push_back(
            {Number(グリッド, r, 1), Number(グリッド, r, 2), Number(グリッド, r, 3), Number(グリッド, r, 4)});
    }
    return points;
}

// All complete rows, wherever they stand. A fit that fails keeps the previous one whole.
void 座標変換::解放_Click() {
    if (TellAnotherDocument()) return;
    const std::vector<ReferencePoint> points = CompleteReferencePoints();
    const FitOutcome outcome = FitReferencePoints(points);
    if (!outcome.solved) {
        forms::MsgBox(outcome.failure, forms::vbOKOnly);
        return;
    }
    fit_ = outcome.result;
    zahyousuu = static_cast<int>(points.size());
    kaitenkaku = fit_->angle;
    heikinkakudo = fit_->degrees;
    ShowFit();
}

// The other angle with the same sine, the shift following it; a second press turns back.
// The least-squares angle covers the whole circle and needs no correction: this stays for
// the user who asks for the other angle.
void 座標変換::Command1_Click() {
    if (TellAnotherDocument()) return;
    if (!fit_) {
        forms::MsgBox("角度修正は、基準点を解析してからにしてください。", forms::vbExclamation);
        return;
    }
    const double other = kaitenkaku >= 0 ? std::numbers::pi - kaitenkaku : -std::numbers::pi - kaitenkaku;
    fit_ = TurnedTo(*fit_, other);
    kaitenkaku = fit_->angle;
    heikinkakudo = fit_->degrees;
    ShowFit();
}

SiteTransform 座標変換::Transform() const {
    if (!fit_) return {};
    return TransformOf(*fit_);
}

// ---- Conversions ----

// A kind without points keeps one empty row below the header, as a grid cannot be all header.
void 座標変換::SetUpPointGrid(int rows) {
    masugyousuu = rows;
    ShapeGrid(マス, std::max(rows, 2), kPointHeaders);
    for (int r = 1; r < マス.Rows(); ++r)
        for (int c = 0; c <= 4; ++c) マス.SetTextMatrix(r, c, "");
    convertedRows_.clear();
}

void 座標変換::FillPointRow(int row, const std::string& number, float drawingX, float drawingY) {
    マス.SetTextMatrix(row, 0, number);
    マス.SetTextMatrix(row, 1, rt::CStr(static_cast<float>(drawingX / 1000.0f)));
    マス.SetTextMatrix(row, 2, rt::CStr(static_cast<float>(drawingY / 1000.0f)));
}

bool 座標変換::KindComputed(int index) const {
    switch (index) {
    case 0:
    case kRoadEdgeKind: return HasPlanPositions();
    case 1: return HasDocument() && ipsuu >= 0; // the start and the end point at least
    default: return true;
    }
}

// The grid takes as many rows as the kind has points; a new kind forgets the last conversion,
// whose rows the grid no longer shows. Stations without plan positions of the current
// alignment, or a document without alignment points, list nothing: the user is told what to
// do first.
void 座標変換::変換種類_Click(int index) {
    TakeCurrentDocument();
    if (!KindComputed(index)) {
        SetUpPointGrid(1);
        forms::MsgBox(index == 1 ? kNoIps : kNoStationPositions, forms::vbExclamation);
        return;
    }
    switch (index) {
    case 0:
    case kRoadEdgeKind:
        SetUpPointGrid(sokutensuu + 1);
        for (int i = 1; i <= sokutensuu; ++i)
            FillPointRow(i, rt::CStr(tatedata(i, tate_col::kStation)), sokutenx(i), sokuteny(i));
        break;
    case 1:
        SetUpPointGrid(ipsuu + 3);
        for (int i = 1; i <= ipsuu + 2; ++i) FillPointRow(i, rt::CStr(i), ipx(i - 1), ipy(i - 1));
        break;
    case 2:
        SetUpPointGrid(kArbitraryPoints + 1);
        for (int i = 1; i <= kArbitraryPoints; ++i) マス.SetTextMatrix(i, 0, rt::CStr(i));
        shutokuhenkanten();
        break;
    default: break;
    }
}

// Every row of the point grid with both drawing coordinates, however many; rows missing one
// are passed over and their site cells emptied.
void 座標変換::現地座標ボタン_Click() {
    if (TellAnotherDocument()) return;
    const SiteTransform transform = Transform();
    convertedRows_.clear();
    for (int r = 1; r < masugyousuu && r < マス.Rows(); ++r) {
        if (!(Filled(マス, r, 1) && Filled(マス, r, 2))) {
            マス.SetTextMatrix(r, 3, "");
            マス.SetTextMatrix(r, 4, "");
            continue;
        }
        const SitePoint site = ToSite(transform, Number(マス, r, 1), Number(マス, r, 2));
        マス.SetTextMatrix(r, 3, rt::CStr(RoundedToMillimetres(site.x)));
        マス.SetTextMatrix(r, 4, rt::CStr(RoundedToMillimetres(site.y)));
        convertedRows_.push_back(r);
    }
}

// Every row with both site coordinates, in order, with its drawing cells as far as filled;
// a row with something typed but no complete site point is named and left out, since Open
// reads the points down to the first row without a site x.
void 座標変換::TransferReferencePoints(const xl::Worksheet& sheet) {
    std::vector<ReferenceRow> rows;
    std::string leftOut;
    for (int r = 1; r < グリッド.Rows(); ++r) {
        if (Filled(グリッド, r, 1) && Filled(グリッド, r, 2)) {
            ReferenceRow row;
            for (int c = 1; c <= 4; ++c)
                if (Filled(グリッド, r, c)) row[c - 1] = Number(グリッド, r, c);
            rows.push_back(row);
        } else if (Filled(グリッド, r, 3) || Filled(グリッド, r, 4) || Filled(グリッド, r, 1) ||
                   Filled(グリッド, r, 2)) {
            leftOut += (leftOut.empty() ? "" : "、") + rt::CStr(r);
        }
    }
    WriteReferencePoints(sheet, rows);
    if (!leftOut.empty())
        forms::MsgBox("基準点 " + leftOut + " は現地座標ｘ・ｙがそろっていないので転送していません。",
                      forms::vbExclamation);
}

void 座標変換::転送ボタン_Click() {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(kCoordinateSheet);
    if (!sheet) return;
    if (TellAnotherDocument()) return;
    const bool roadEdges = 変換種類(kRoadEdgeKind).Value();
    // A model of another document or of other stations would put its edges at these stations.
    if (roadEdges && !ModelOfCurrentStations()) {
        forms::MsgBox(kNoModel, forms::vbExclamation);
        return;
    }
    xlbook->Parent()->Windows(1)->SetVisible(true);
    TransferReferencePoints(*sheet);
    if (roadEdges) {
        WriteRoadEdgeTable(*sheet, 名称.Text(), Transform());
    } else {
        std::vector<ConvertedRow> rows;
        for (int r : convertedRows_) rows.push_back({マス.TextMatrix(r, 3), マス.TextMatrix(r, 4)});
        WritePointList(*sheet, 名称.Text(), rows);
    }
    sheet->Select();
    xlbook->Application()->SetVisible(true);
}

// ---- The CAD ----

// Without a fit, or with one that neither moves nor turns, nothing is sent: the CAD would take
// the points and the angle, left over after its selection, as commands of their own.
void 座標変換::変換ボタン_Click() {
    if (TellAnotherDocument()) return;
    if (!fit_) {
        forms::MsgBox("CAD軸変換は、基準点を解析してからにしてください。", forms::vbExclamation);
        return;
    }
    const SiteTransform transform = Transform();
    if (transform.p3 == 0 && transform.p4 == 0 && heikinkakudo == 0) {
        forms::MsgBox("解析結果の回転角と平行移動量がすべて０なので、CADの図面は動かしません。", forms::vbInformation);
        return;
    }
    SendCadAxisTransform(transform.p3, transform.p4, heikinkakudo);
}

void 座標変換::読込_Click() {
    if (TellAnotherDocument()) return;
    shutokukijunten();
}

void 座標変換::shutokukijunten() {
    if (!referenceCellClicked_ || sentakugyou < 1 || sentakugyou > kReferenceRows) {
        forms::MsgBox("図面座標を読み込む基準点の行を、上の表でクリックしてから読込を押してください。",
                      forms::vbExclamation);
        return;
    }
    if (session_.Running()) return; // the CAD already asks for a point
    グリッド.SetTextMatrix(sentakugyou, 3, "");
    グリッド.SetTextMatrix(sentakugyou, 4, "");
    shutokusuu = 0;
    session_.Arm(*pellix2_);
}

void 座標変換::shutokuhenkanten() {
    if (session_.Running()) return;
    shutokusuu = 0;
    session_.Arm(*pellix1_);
}

void 座標変換::Pellix2_OnAcadCmdWait() {
    if (session_.Running()) return;
    std::optional<縦断bus::PickedPoint> picked;
    if (session_.ArmedFor(*pellix2_)) {
        const 縦断bus::PickOutcome outcome = session_.Pick(*pellix2_, 1);
        if (!outcome.points.empty()) picked = outcome.points.front();
    }
    TakeReferencePoint(picked);
    session_.End(*pellix2_);
}

void 座標変換::Pellix1_OnAcadCmdWait() {
    if (session_.Running()) return;
    if (session_.ArmedFor(*pellix1_)) TakeConversionPoints(session_.Pick(*pellix1_, kArbitraryPoints).points);
    session_.End(*pellix1_);
}

void 座標変換::TakeReferencePoint(const std::optional<縦断bus::PickedPoint>& picked) {
    if (!picked) return;
    const int r = sentakugyou;
    shutokuten(r, 1) = picked->x;
    shutokuten(r, 2) = picked->y;
    const std::string x = rt::CStr(static_cast<float>(shutokuten(r, 1) / 1000.0f));
    const std::string y = rt::CStr(static_cast<float>(shutokuten(r, 2) / 1000.0f));
    グリッド.SetTextMatrix(r, 3, x);
    グリッド.SetTextMatrix(r, 4, y);
    if (sentakuretsu == 3) Text1.SetText(x);
    if (sentakuretsu == 4) Text1.SetText(y);
}

void 座標変換::TakeConversionPoints(const std::vector<縦断bus::PickedPoint>& points) {
    shutokusuu = static_cast<int>(points.size());
    for (int n = 1; n <= shutokusuu; ++n) {
        shutokuten(n, 1) = points[n - 1].x;
        shutokuten(n, 2) = points[n - 1].y;
    }
    for (int n = 1; n <= shutokusuu && n < マス.Rows(); ++n) {
        マス.SetTextMatrix(n, 1, rt::CStr(static_cast<float>(shutokuten(n, 1) / 1000.0f)));
        マス.SetTextMatrix(n, 2, rt::CStr(static_cast<float>(shutokuten(n, 2) / 1000.0f)));
    }
}

void 座標変換::戻ボタン_Click() {
    session_.Leave();
    Hide();
}
