#pragma once
// The coordinate conversion screen: reference points known in the site and the drawing system
// give a fit of rotation and shift (解析); points of the road (stations, IPs, points picked in
// the CAD) are converted to site coordinates and written to 座標値ｼｰﾄ with the road edges of
// the 3D model; CAD軸変換 moves and turns the CAD drawing into site coordinates. Shown by the
// drawing screen, hidden by 戻る, never unloaded: what it holds lasts the run.
//
// One transform serves everything: the least-squares fit of all complete reference rows
// (角度修正 turns it to the other angle with the same sine, its shift following).
//
// The reference points are the document's: the screen shows those of the document it was
// last shown with, and fills its grid again when it is shown after New or Open, or when one of
// its commands is pressed after New or Open (the command then does nothing).
//
// Picking in the CAD: 読込 arms Pellix2 for one reference point, the kind "任意の座標値" arms
// Pellix1 for up to 50 points; when the CAD waits at its prompt, the control's OnAcadCmdWait
// handler asks for the point(s), stores them, then cancels twice and disarms the control. 戻る
// and the close box end a pick first; unloaded during a pick, the screen goes once it has ended.
#include "platform/forms/forms.h"
#include "platform/runtime/table.h"
#include "platform/workbook/workbook.h"
#include "vantor/geometry/coordinates/reference_fit.h"
#include "vantor/geometry/coordinates/site_transform.h"
#include "vantor/model/bus/bus_table.h"
#include "vantor/pellix/pellix.h"
#include "vantor/pellix/pick_session.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class 座標変換 : public forms::Form {
public:
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};
    forms::CommandButton 解放{*this};
    forms::CommandButton 読込{*this};
    forms::Frame Frame2{*this};
    forms::Frame Frame4{static_cast<forms::Container&>(Frame2)};
    forms::Label 度{Frame4};
    forms::Frame Frame3{static_cast<forms::Container&>(Frame2)};
    forms::Label Label2{Frame3};
    forms::Label x軸{Frame3};
    forms::Label Label3{Frame3};
    forms::Label Y軸{Frame3};
    forms::Frame Frame1{*this};
    forms::ControlArray<forms::OptionButton> 変換種類{
        Frame1, {{0, "測　点"}, {1, "ＩＰ座標"}, {2, "任意の座標値"}, {3, "路肩座標値"}}};
    forms::CommandButton Command1{Frame1};
    forms::CommandButton 現地座標ボタン{Frame1};
    forms::FlexGrid マス{*this};
    forms::TextBox Text2{*this};
    forms::CommandButton 変換ボタン{*this};
    forms::Frame Frame5{*this};
    forms::Label Label1{Frame5};
    forms::TextBox 名称{Frame5};
    forms::CommandButton 転送ボタン{Frame5};
    forms::CommandButton 戻ボタン{*this};

    座標変換();

    // Shows the screen; after New or Open it first shows that document's reference points.
    void ShowWithDocument();

    void グリッド_Click();
    void マス_Click();
    void 解放_Click();
    void Command1_Click();
    void 変換種類_Click(int index);
    void 現地座標ボタン_Click();
    void 転送ボタン_Click();
    void 変換ボタン_Click();
    void 読込_Click();
    void 戻ボタン_Click();

    // ---- Picking ----
    // The start of a reference pick into the reference row last clicked: its drawing cells are
    // cleared and Pellix2 armed. Refused with a message unless the last click was on a
    // reference row.
    void shutokukijunten();
    // The start of a multi-point pick into the point grid (Pellix1).
    void shutokuhenkanten();
    // The controls' idle events: the pick, if one is armed, then the closing.
    void Pellix1_OnAcadCmdWait();
    void Pellix2_OnAcadCmdWait();
    縦断bus::Pellix& Pellix1() { return *pellix1_; }
    縦断bus::Pellix& Pellix2() { return *pellix2_; }
    // Puts other controls in place of the screen's own (tests).
    void UsePellix(std::unique_ptr<縦断bus::Pellix> pellix1, std::unique_ptr<縦断bus::Pellix> pellix2);
    bool PickPending() const { return session_.Armed(); }
    int PickedCount() const { return shutokusuu; }

    // ---- Results, as the other parts of the screen take them ----
    const std::optional<縦断bus::coordinates::FitResult>& Fit() const { return fit_; }
    // The shift and the angle of the last fit (nothing before any fit).
    縦断bus::coordinates::SiteTransform Transform() const;
    double Degrees() const { return heikinkakudo; }
    // Rows of the point grid that the last conversion converted.
    const std::vector<int>& ConvertedRows() const { return convertedRows_; }

private:
    void Form_Load() override;
    void CloseBox_Click() override { 戻ボタン_Click(); }
    bool ReadyToUnload() override { return session_.ReadyToUnload(); }
    void LayOut();
    void FillReferenceGrid();
    void ShowFit();
    // Fills the grid from the document when New or Open has made another one since; true when
    // it did.
    bool TakeCurrentDocument();
    // The same, and the user told; true when the document was another.
    bool TellAnotherDocument();
    void SetUpPointGrid(int rows);
    void FillPointRow(int row, const std::string& number, float drawingX, float drawingY);
    std::vector<縦断bus::coordinates::ReferencePoint> CompleteReferencePoints() const;
    void TransferReferencePoints(const xl::Worksheet& sheet);
    // Whether the point grid may list the kind's points: they belong to the current document.
    bool KindComputed(int index) const;
    void ForgetPointGrid();
    void TakeReferencePoint(const std::optional<縦断bus::PickedPoint>& picked);
    void TakeConversionPoints(const std::vector<縦断bus::PickedPoint>& points);

    forms::CellEditor referenceEditor_{グリッド, Text1};
    forms::CellEditor pointEditor_{マス, Text2};

    // The cell last clicked in either grid, and whether it was in the reference grid.
    int sentakugyou = 0, sentakuretsu = 0;
    bool referenceCellClicked_ = false;

    // The document number (New, Open) whose reference points the grid was filled with.
    int gridDocument_ = 0;

    std::optional<縦断bus::coordinates::FitResult> fit_;
    double kaitenkaku = 0;   // the fit's angle [rad], or its correction
    double heikinkakudo = 0; // the same in degrees, shown in 度 and sent to the CAD

    int masugyousuu = 0; // rows of the point grid with its header, as the kind set them
    std::vector<int> convertedRows_;

    縦断bus::PickSession session_{*this};
    int shutokusuu = 0;                 // points taken by the multi-point pick
    rt::Table<float, 50, 2> shutokuten; // picked X, Y [mm]: point n, or reference row r

    std::vector<std::unique_ptr<forms::Label>> captions_;
    std::unique_ptr<縦断bus::Pellix> pellix1_, pellix2_;
};
