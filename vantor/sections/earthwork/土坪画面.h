#pragma once
// The earthwork screen: station by station the section plot (ground black, excavation lines
// blue, the area strips in the colours of the three boxes) with the cut "切土" C, fill "盛土" B
// and backfill "埋戻" B' areas. Computes one station or all, steps between stations, takes
// typed areas, and zooms (drag right and down), returns to the full view (right and up) or
// reads a point (left and up) with the mouse.
#include "platform/forms/forms.h"

class 土坪画面 : public forms::Form {
public:
    土坪画面();

    forms::ControlArray<forms::CommandButton> 移動ボタン{*this, {{0, "起点側"}, {1, "終点側"}}};
    forms::CommandButton ライン確認ボタン{*this};
    forms::CommandButton 計算ボタン{*this};
    forms::CommandButton 戻るボタン{*this};
    forms::CommandButton 一括計算{*this};
    forms::PictureBox 図{*this};
    forms::Label itixy{図};
    forms::Frame Frame1{図};
    forms::Label Label1{Frame1};
    forms::TextBox 測点{Frame1};
    forms::Frame Frame2{図};
    forms::Label Label2{Frame2};
    forms::Label Label3{Frame2};
    forms::Label Label4{Frame2};
    forms::ControlArray<forms::TextBox> 土坪text{Frame2, 0, 2}; // C, B, B'

    void 一括計算_Click();
    void 計算ボタン_Click();
    void ライン確認ボタン_Click();
    void 移動ボタン_Click(int index);
    void 戻るボタン_Click();
    void 図_MouseDown(int button, int shift, float x, float y);
    void 図_MouseMove(int button, int shift, float x, float y);
    void 図_MouseUp(int button, int shift, float x, float y);

    // The full view: x from -30 to 30, y from 30 down to -30 [m], with the axes.
    void sakuzujiku();
    // Counts and draws the ground of the current station on a cleared picture.
    void sakuzugenkyou();
    // Counts and draws the cut/fill lines of the current station over the picture.
    void sakuzukirimori();
    // The view of the rectangle from the press point to the release point.
    void kakudaijiku();

private:
    void Form_Load() override;
    void LayOut();
    void ShowStation(int station);
    void ShowAreas(int station);
    void StoreAreas();
    bool CurrentStationComputable();
    void Redraw();
    void DrawFigure(float x, float y, double fromX, double fromY, double toX, double toY, long color);

    int boxStation_ = 0; // the station the area boxes show, 0 while they show none
    bool dragging_ = false;
    float x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0; // press and release points
};
