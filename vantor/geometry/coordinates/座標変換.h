#pragma once
// The coordinate conversion screen: reference points known in the site and the drawing system
// give a fit of rotation and shift (解析); points of the road (stations, IPs, points picked in
// the CAD) are converted to site coordinates and written to 座標値ｼｰﾄ with the road edges of
// the 3D model; CAD軸変換 moves and turns the CAD drawing into site coordinates. Shown by the
// drawing screen, hidden by 戻る, never unloaded: what it holds lasts the run.
//
// One transform serves everything: the last pair's shift and the mean of the pairs' angles
// (角度修正 turns that one angle to the other one with the same sine).
//
// Picking in the CAD: 読込 and the kind "任意の座標値" arm a pick; when the CAD waits at its
// prompt, the control's OnAcadCmdWait handler asks for the point(s) and hands them to
// TakeReferencePoint / TakeConversionPoints, then cancels twice and disarms the control.
#include "platform/forms/forms.h"
#include "platform/runtime/table.h"
#include "vantor/geometry/coordinates/reference_fit.h"
#include "vantor/geometry/coordinates/site_transform.h"

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
    struct PickedPoint {
        double x = 0, y = 0;   // drawing units [mm]
    };
    // The start of a reference pick into the reference row last clicked: its drawing cells are
    // cleared and the pick is armed. Refused with a message unless the last click was on a
    // reference row.
    void shutokukijunten();
    // The start of a multi-point pick into the point grid.
    void shutokuhenkanten();
    // The end of a reference pick: the point the CAD answered, or none when the user
    // cancelled; nothing is taken unless a pick is pending. The screen comes to the front.
    void TakeReferencePoint(const std::optional<PickedPoint>& picked);
    // The multi-point pick: `nextPoint` is asked up to 50 times until it answers none; the
    // points go to the point grid's drawing columns from row 1.
    void TakeConversionPoints(const std::function<std::optional<PickedPoint>()>& nextPoint);
    bool PickPending() const { return shutokuflg; }
    int PickedCount() const { return shutokusuu; }

    // ---- Results, as the other parts of the screen take them ----
    const std::optional<縦断bus::coordinates::FitResult>& Fit() const { return fit_; }
    // The shift of the last fit and the one angle (0 before any fit).
    縦断bus::coordinates::SiteTransform Transform() const;
    double MeanDegrees() const { return heikinkakudo; }
    // Rows of the point grid that the last conversion converted.
    const std::vector<int>& ConvertedRows() const { return convertedRows_; }

private:
    void Form_Load() override;
    void LayOut();
    void SetUpPointGrid(int rows);
    void FillPointRow(int row, const std::string& number, float drawingX, float drawingY);
    std::vector<縦断bus::coordinates::ReferencePoint> CompleteReferencePoints() const;
    void ArmPick();
    void EndPick();

    forms::CellEditor referenceEditor_{グリッド, Text1};
    forms::CellEditor pointEditor_{マス, Text2};

    // The cell last clicked in either grid, and whether it was in the reference grid.
    int sentakugyou = 0, sentakuretsu = 0;
    bool referenceCellClicked_ = false;

    std::optional<縦断bus::coordinates::FitResult> fit_;
    double kaitenkaku = 0;     // the one angle [rad]: the fit's mean, or its correction
    double heikinkakudo = 0;   // the same in degrees, shown in 度 and sent to the CAD

    int masugyousuu = 0;       // rows of the point grid with its header, as the kind set them
    std::vector<int> convertedRows_;

    bool shutokuflg = false;   // a pick is pending
    int shutokusuu = 0;        // points taken by the multi-point pick
    rt::Table<float, 50, 2> shutokuten;   // picked X, Y [mm]: point n, or reference row r

    std::vector<std::unique_ptr<forms::Label>> captions_;
};
