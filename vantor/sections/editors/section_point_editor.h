#pragma once
// The section point editor: one station's points at a time, left and right of the centre line,
// in a grid edited through a text box laid over the clicked cell, with a preview of the
// section, station stepping, 読込 / 転送 of the set's sheet and the pick of points in the CAD
// through the screen's own CAD control. The existing-ground and the cut/fill line screens are
// this editor on their own tables; each draws its own station view in the CAD.
#include "platform/forms/forms.h"
#include "vantor/pellix/pellix.h"
#include "vantor/pellix/pick_session.h"
#include "vantor/sections/editors/section_point_tables.h"

#include <memory>
#include <string>
#include <vector>

class SectionPointEditor : public forms::Form {
public:
    struct Captions {
        std::string screen, receive, read, transfer;
    };

    forms::FlexGrid グリッド{*this};
    forms::TextBox Text1{*this};
    forms::PictureBox 図{*this};
    forms::TextBox 測点{*this};
    forms::ControlArray<forms::CommandButton> 移動ボタン{*this, {{0, "起点側"}, {1, "終点側"}}};
    forms::ControlArray<forms::OptionButton> 左右{*this, {{0, "左"}, {1, "右"}}};
    forms::CommandButton 受信ボタン{*this};
    forms::CommandButton 読込ボタン{*this};
    forms::CommandButton 転送ボタン{*this};

    // Shows the screen on the current station (danmenbangou), refreshing the grid, the station
    // and the preview when another screen has moved it; the CAD is not touched.
    void Open();

    void グリッド_Click();
    void Text1_LostFocus();
    void 移動ボタン_Click(int index);
    void 読込ボタン_Click();
    void 転送ボタン_Click();
    void 受信ボタン_Click();
    void Pellix1_OnAcadCmdWait();

    // The screen's CAD control; a new one starts in the saved state (enabled, 500 ms).
    縦断bus::Pellix& Pellix1() { return *pellix_; }
    void UsePellix(std::unique_ptr<縦断bus::Pellix> control);

    int ShownStation() const { return shown_; }
    bool PickArmed() const { return session_.Armed(); }
    int PickedCount() const { return shutokusuu_; }

protected:
    SectionPointEditor(縦断bus::SectionPointSet set, Captions captions);

    void Form_Load() override;
    bool ReadyToUnload() override;
    // Before the screen is put away: an armed pick is put back to rest, a pick that waits for a
    // point is cancelled and ends in its handler, the points taken so far stored.
    void EndPickForLeaving();
    // The station's view in the CAD, drawn on every station change.
    virtual void DrawStationInCad(int s) = 0;
    // The screen's own buttons, laid out from `top` (twips) below the common ones.
    virtual void LayOutOwnButtons(int left, int top) = 0;

    static void Tell(const std::string& text);

private:
    void LayOut();
    void ShowStation();
    void ShowPoints();
    void DrawPreview();
    void StorePicked(const std::vector<縦断bus::PickedPoint>& points, int s);
    bool TellWhenStationsBeyondTables();

    縦断bus::SectionPointSet set_;
    Captions captions_;
    縦断bus::PickSession session_{*this};
    std::unique_ptr<縦断bus::Pellix> pellix_;
    forms::Label 測点ラベル{*this};
    forms::CellEditor editor_{グリッド, Text1};
    float editRow_ = 0, editColumn_ = 0;
    int shown_ = 0;        // the station row the grid shows
    int shutokusuu_ = 0;   // points of the last pick
    int armedStation_ = 0; // the station the armed pick stores into
};
