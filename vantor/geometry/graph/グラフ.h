#pragma once
// The profile graph screen: the picture box 図 with the axis limits beside it. Dragging on
// the picture zooms (right and down), returns to the whole profile (right and up) or reads
// the coordinates of the press point (left and up).
#include "platform/forms/forms.h"

class グラフ : public forms::Form {
public:
    グラフ();

    forms::PictureBox 図{*this};
    forms::TextBox Text1{*this}; // left end of the view
    forms::TextBox Text2{*this}; // bottom
    forms::TextBox Text3{*this}; // right end
    forms::TextBox Text4{*this}; // top
    forms::Label itixy{図};      // coordinates of a point, laid on the picture
    forms::CommandButton Command1{*this};
    forms::CommandButton 設定ボタン{*this};

    void 図_MouseDown(int button, int shift, float x, float y);
    void 図_MouseMove(int button, int shift, float x, float y);
    void 図_MouseUp(int button, int shift, float x, float y);
    void Command1_Click();
    void 設定ボタン_Click();

    // Shows the view's limits in Text1 .. Text4, each box laid beside the place in the
    // picture where its value lies: x under the picture, y left of it.
    void Genkaiwooku(float xlo, float ylo, float xhi, float yhi);

private:
    void Form_Load() override;
    void LayOut();
    // Draws the drag figure for the pointer at (x, y) between the two points given: a line
    // when the pointer is left of and above the press point, otherwise a box outline.
    void DrawFigure(float x, float y, double fromX, double fromY, double toX, double toY, long color);

    bool dragging_ = false;
    float x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0; // last press and release points
};
