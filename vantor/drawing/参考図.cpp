#include "vantor/drawing/参考図.h"

#include <initializer_list>
#include <utility>

namespace {

constexpr double kFigureWidth = 702, kFigureHeight = 387; // pixels of each figure
constexpr long kOutline = forms::vbBlack;
constexpr long kDimension = forms::RGB(200, 0, 0);
constexpr long kCentre = forms::RGB(0, 0, 160);

using Points = std::initializer_list<std::pair<double, double>>;

void Polyline(forms::PictureBox& p, Points points, long color) {
    const std::pair<double, double>* previous = nullptr;
    for (const auto& point : points) {
        if (previous) p.Line(previous->first, previous->second, point.first, point.second, color);
        previous = &point;
    }
}

void DashedVertical(forms::PictureBox& p, double x, double top, double bottom, long color) {
    for (double y = top; y < bottom; y += 12) p.Line(x, y, x, std::min(y + 7, bottom), color);
}

// A dimension line with short ticks across both ends.
void HorizontalDimension(forms::PictureBox& p, double x1, double x2, double y) {
    p.Line(x1, y, x2, y, kDimension);
    p.Line(x1, y - 5, x1, y + 5, kDimension);
    p.Line(x2, y - 5, x2, y + 5, kDimension);
}

void VerticalDimension(forms::PictureBox& p, double x, double y1, double y2) {
    p.Line(x, y1, x, y2, kDimension);
    p.Line(x - 5, y1, x + 5, y1, kDimension);
    p.Line(x - 5, y2, x + 5, y2, kDimension);
}

void ReferencePoint(forms::PictureBox& p, double x, double y) {
    p.Circle(x, y, 5, kDimension);
    p.Line(x - 9, y, x + 9, y, kDimension);
    p.Line(x, y - 9, x, y + 9, kDimension);
}

} // namespace

参考図::参考図() : forms::Form(forms::FormKind::Apart) {
    タブ.OnClick = [this] { タブ_Click(); };
    M戻るボタン.OnClick = [this] { M戻るボタン_Click(); };
}

void 参考図::LayOut() {
    SetCaption("参考図");
    Move(900, 600, 11100, 9000);
    Label1.SetCaption("参　　考　　図");
    Label1.SetFontSize(14);
    Label1.SetAlignment(forms::vbCenter);
    Label1.Move(120, 120, 10800, 420);
    タブ.Move(120, 600, 10620, 6300);
    for (int k = 0; k <= 1; ++k) {
        文字枠(k).Move(120, 7020, 9000, 1260);
        文字枠(k).SetCaption("");
    }
    Label2.SetCaption("幅員と勾配の値は、路肩又は構造物等までの距離とそこまでの勾配の値です。");
    Label3.SetCaption("サイズの幅は、断面図の最長幅、高さは最長高の数値を入力します。");
    Label5.SetCaption("高さは、Ｙ１，Ｙ２の大きい方の値を入力します。");
    Label4.SetCaption("幅員は、Ｘ１，Ｘ２の大きい方の値を入力します。");
    for (forms::Label* label : {&Label2, &Label5}) label->Move(180, 300, 8700, 300);
    for (forms::Label* label : {&Label3, &Label4}) label->Move(180, 720, 8700, 300);
    M戻るボタン.SetCaption("戻る");
    M戻るボタン.Move(9360, 7500, 1380, 480);
}

void 参考図::Form_Load() {
    LayOut();
    タブ.SetTabCaption(1, "標準断面図");
    タブ.AddTab("現況横断図");
    for (int k = 0; k <= 1; ++k) {
        図(k).Move(タブ.ClientLeft(), タブ.ClientTop(), タブ.ClientWidth(), タブ.ClientHeight());
        図(k).Scale(0, 0, kFigureWidth, kFigureHeight);
        図(k).Cls();
    }
    DrawPlannedSection(図(0));
    DrawExistingGround(図(1));
    文字枠(0).SetVisible(true);
    文字枠(1).SetVisible(false);
    図(0).ZOrder(0);
}

void 参考図::Note(forms::PictureBox& picture, const std::string& text, double x, double y, double width) {
    notes_.push_back(std::make_unique<forms::Label>(picture));
    forms::Label& label = *notes_.back();
    label.SetCaption(text);
    label.SetBackColor(forms::vbWhite);
    label.Move(x, y, width, 18);
}

// A road with its cross slopes falling from the centre line, a fill slope on the left and a
// side block with a cut slope on the right; the block reference point on the centre line
// below the surface, X and Y from it to the outer top corner, the widths either side and the
// longest width and height.
void 参考図::DrawPlannedSection(forms::PictureBox& p) {
    const double centre = 351, crown = 150, edgeLeft = 130, edgeRight = 520, edgeY = 160;
    const double cornerX = 610, cornerY = 80, refY = 250;
    DashedVertical(p, centre, 30, 340, kCentre);
    Polyline(p, {{70, 220}, {edgeLeft, edgeY}, {centre, crown}, {edgeRight, edgeY}}, kOutline);
    Polyline(p, {{edgeLeft, edgeY + 22}, {centre, crown + 22}, {edgeRight, edgeY + 22}}, kOutline);
    Polyline(p, {{edgeRight, edgeY}, {edgeRight, 120}, {545, 120}, {cornerX, cornerY}}, kOutline);
    Polyline(p, {{edgeRight, edgeY + 22}, {edgeRight + 25, edgeY + 22}, {545, 120}}, kOutline);
    ReferencePoint(p, centre, refY);

    HorizontalDimension(p, centre, cornerX, 50);
    VerticalDimension(p, 650, cornerY, refY);
    p.Line(cornerX, cornerY, 650, cornerY, kDimension);
    p.Line(centre, refY, 650, refY, kDimension);
    HorizontalDimension(p, edgeLeft, centre, 200);
    HorizontalDimension(p, centre, edgeRight, 200);
    HorizontalDimension(p, 70, cornerX, 330);
    VerticalDimension(p, 30, cornerY, refY);
    p.Line(30, cornerY, 70, cornerY, kDimension);
    p.Line(30, refY, 70, refY, kDimension);

    Note(p, "X", 470, 30, 20);
    Note(p, "Y", 660, 160, 20);
    Note(p, "幅員(左)", 205, 205, 80);
    Note(p, "幅員(右)", 400, 205, 80);
    Note(p, "i(勾配)", 210, 128, 70);
    Note(p, "i(勾配)", 410, 128, 70);
    Note(p, "ブロック基準点", 362, 258, 130);
    Note(p, "最長幅(Xmax)", 290, 338, 130);
    Note(p, "最長高(Ymax)", 38, 100, 120);
}

// A ground line rising through the block reference point; X1 and Y1 to its left end, X2 and
// Y2 to its right end, and the width and height of the existing section.
void 参考図::DrawExistingGround(forms::PictureBox& p) {
    const double refX = 351, refY = 200, leftX = 60, leftY = 270, rightX = 640, rightY = 110;
    Polyline(p, {{leftX, leftY}, {150, 245}, {250, 228}, {refX, refY}, {430, 175}, {540, 150}, {rightX, rightY}},
             kOutline);
    DashedVertical(p, refX, 40, 340, kCentre);
    ReferencePoint(p, refX, refY);

    HorizontalDimension(p, leftX, refX, 300);
    HorizontalDimension(p, refX, rightX, 300);
    VerticalDimension(p, leftX - 20, refY, leftY);
    p.Line(leftX - 20, refY, refX, refY, kDimension);
    VerticalDimension(p, rightX + 20, rightY, refY);
    p.Line(refX, refY, rightX + 20, refY, kDimension);
    HorizontalDimension(p, leftX, rightX, 345);
    VerticalDimension(p, 20, rightY, leftY);
    p.Line(20, rightY, rightX, rightY, kDimension);

    Note(p, "X1", 195, 280, 24);
    Note(p, "Y1", 14, 226, 24);
    Note(p, "X2", 490, 280, 24);
    Note(p, "Y2", 668, 150, 24);
    Note(p, "ブロック基準点", 362, 205, 130);
    Note(p, "現況断面幅(Mmax)", 280, 352, 150);
    Note(p, "現況断面高(Ymax)", 30, 85, 150);
}

void 参考図::タブ_Click() {
    const int tab = タブ.SelectedItem();
    図(tab - 1).ZOrder(0);
    文字枠(0).SetVisible(tab == 1);
    文字枠(1).SetVisible(tab == 2);
}

void 参考図::M戻るボタン_Click() { Unload(); }
