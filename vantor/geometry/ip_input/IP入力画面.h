#pragma once
// The IP input screen: the start point, the IPs and the end point of the alignment with the
// curve radius at each, in metres, one grid row per point (the IP table holds millimetres).
// The toolbar reads the IP sheet (読込), writes the grid to it (転送), inserts and deletes
// rows (挿入, 削除) and hands the points to the drawing screen (完了). Points can be picked in
// the CAD: 自動入力 arms Pellix1 for a series from row 1 on, 修正 arms Pellix2 for the point
// of the row clicked last; the pick runs when the armed control reports the CAD idle at its
// prompt. Created on first use and never unloaded: ｷｬﾝｾﾙ, its close box and 完了 only hide it;
// each ends a pick that waits in the CAD first (完了 then takes the points picked so far).
//
// The grid is what counts: 転送 and 完了 take X, Y and radius of every row from it, so radii
// move with their points when rows are inserted or deleted.
#include "platform/forms/forms.h"
#include "platform/runtime/table.h"
#include "vantor/model/bus/bus_table.h"
#include "vantor/pellix/pellix.h"
#include "vantor/pellix/pick_session.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class IP入力画面 : public forms::Form {
public:
    // Point rows of the grid: as many as the IP table and the IP sheet reader hold.
    static constexpr int kPointRows = 51;

    forms::Toolbar Toolbar1{*this};
    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};
    forms::CommandButton 自動入力{*this};
    forms::CommandButton 修正ボタン{*this};
    forms::CommandButton キャンセルボタン{*this};

    IP入力画面();

    // Rows 1 .. ipsuu + 2 from the IP table, the rows below them emptied (the drawing
    // screen's ＩＰ入力 and loading).
    void FillFromTable();

    void グリッド_Click();
    void Text1_LostFocus();
    void Toolbar1_ButtonClick(forms::ToolbarButton& button);
    void キャンセルボタン_Click();
    void 自動入力_Click();
    void 修正ボタン_Click();
    void shutokujunbi1();
    void shutokujunbi2();
    void gyousounyuuip();
    void gyousakujoip();
    void Pellix1_OnAcadCmdWait();
    void Pellix2_OnAcadCmdWait();
    void Pellix1_OnActiveChange(std::int32_t LosthWnd, std::int32_t ActivehWnd, bool& ReLoad);

    縦断bus::Pellix& Pellix1() { return *pellix1_; }
    縦断bus::Pellix& Pellix2() { return *pellix2_; }
    // Puts other controls in place of the screen's own (tests).
    void UsePellix(std::unique_ptr<縦断bus::Pellix> pellix1, std::unique_ptr<縦断bus::Pellix> pellix2);
    bool PickPending() const { return session_.Armed(); }
    int PickedCount() const { return shutokusuu; }
    int RowsInUse() const { return gyousuu; }

private:
    struct GridPoint {
        float x = 0, y = 0, radius = 0; // millimetres
    };

    void Form_Load() override;
    void CloseBox_Click() override { キャンセルボタン_Click(); }
    bool ReadyToUnload() override;
    void LayOut();
    void ClearRow(int row);
    int LastUsedRow() const;
    // The points of rows 1 .. the last used row; nothing (the user has been told which
    // cell) when a row among them is not a complete point.
    std::optional<std::vector<GridPoint>> GridPoints() const;
    void StorePoints(const std::vector<GridPoint>& points);
    void Arm(縦断bus::Pellix& control);
    // The screen is put away: the pick ends (the points taken so far kept), and the row 修正
    // had emptied gets its point back when the pick had not begun.
    void EndPickForLeaving();
    void RestoreRepickRow();
    // At the end of a pick's handler: the pick ended; 完了 pressed during the pick finishes the
    // input now, unless the screen was unloaded meanwhile.
    void EndPick(縦断bus::Pellix& control);
    // 完了 with no pick waiting: the grid's points into the IP table, on to the drawing screen.
    void 完了();

    forms::CellEditor editor_{グリッド, Text1};

    float gyou = 0, retsu = 0;                  // the cell clicked last (row 0 until the first click)
    int gyousuu = 0;                            // rows taken as in use
    int shutokusuu = 0;                         // points taken by the last series
    rt::Table<float, kPointRows, 2> shutokuten; // picked X, Y [mm] by row
    縦断bus::PickSession session_{*this};
    // The row 修正 re-picks, with its old texts.
    int repickRow_ = 0;
    std::string repickX_, repickY_;
    bool finishAfterPick_ = false; // 完了 while picking: done once the pick has ended

    std::unique_ptr<縦断bus::Pellix> pellix1_, pellix2_;
};
