#include "vantor/geometry/graph/グラフ.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/graph/keisangurafu.h"
#include "vantor/geometry/graph/目盛設定画面.h"
#include "vantor/model/bus/profile_graph_tables.h"

#include <cmath>
#include <cstdlib>

using namespace 縦断bus;

グラフ::グラフ() {
    図.OnMouseDown = [this](int b, int s, float x, float y) { 図_MouseDown(b, s, x, y); };
    図.OnMouseMove = [this](int b, int s, float x, float y) { 図_MouseMove(b, s, x, y); };
    図.OnMouseUp = [this](int b, int s, float x, float y) { 図_MouseUp(b, s, x, y); };
    Command1.OnClick = [this] { Command1_Click(); };
    設定ボタン.OnClick = [this] { 設定ボタン_Click(); };
}

void グラフ::Form_Load() { LayOut(); }

void グラフ::LayOut() {
    SetCaption("縦断曲線図");
    Move(0, 0, 12600, 9300);
    図.Move(1200, 120, 11100, 7200);
    Text4.Move(60, 120, 1080, 330);
    Text2.Move(60, 6990, 1080, 330);
    Text1.Move(1200, 7380, 1500, 330);
    Text3.Move(10800, 7380, 1500, 330);
    for (forms::TextBox* t : {&Text1, &Text2, &Text3, &Text4}) t->SetFontName("ＭＳ Ｐ明朝");
    itixy.SetFontName("ＭＳ Ｐゴシック");
    itixy.SetBackColor(forms::vbWhite);
    itixy.SetVisible(false);
    Command1.SetCaption("グラフ非表示");
    Command1.Move(1200, 7920, 1800, 450);
    設定ボタン.SetCaption("設定");
    設定ボタン.Move(3120, 7920, 1200, 450);
}

void グラフ::DrawFigure(float x, float y, double fromX, double fromY, double toX, double toY, long color) {
    const bool line = x < x0_ && y > y0_;
    図.Line(fromX, fromY, toX, toY, color, line ? forms::LineShape::Line : forms::LineShape::Box);
}

void グラフ::図_MouseDown(int, int, float x, float y) {
    itixy.SetVisible(false);
    図.Line(x0_, y0_, x1_, y1_, forms::vbWhite, forms::LineShape::FilledBox);
    sakuzugurafu();
    dragging_ = true;
    x0_ = x;
    y0_ = y;
    図.PSet(x0_, y0_);
}

void グラフ::図_MouseMove(int, int, float x, float y) {
    if (!dragging_) return;
    DrawFigure(x, y, 図.CurrentX(), 図.CurrentY(), x0_, y0_, forms::vbWhite);
    DrawFigure(x, y, x0_, y0_, x, y, 図.ForeColor());
}

void グラフ::図_MouseUp(int, int, float x, float y) {
    if (dragging_) {
        x1_ = x;
        y1_ = y;
        DrawFigure(x, y, x0_, y0_, x1_, y1_, 図.ForeColor());
    }
    dragging_ = false;
    if (x0_ < x1_ && y0_ > y1_) {
        gurafuxmin = x0_;
        gurafuxmax = x1_;
        gurafuymax = y0_;
        gurafuymin = y1_;
        if (gurafuxmax != gurafuxmin && gurafuymax != gurafuymin) sakuzugurafu();
    } else if (x0_ < x1_ && y0_ < y1_) {
        gurafuxmin = zentaixmin;
        gurafuymin = zentaiymin;
        gurafuxmax = zentaixmax;
        gurafuymax = zentaiymax;
        sakuzugurafu();
    } else if (x0_ > x1_ && y0_ < y1_) {
        itixy.Move(x1_, y1_, std::abs(図.ScaleWidth()) / 5, std::abs(図.ScaleHeight()) / 16);
        itixy.SetCaption("X = " + rt::CStr(rt::RoundHalfUp(x0_, 2)) + " Y = " + rt::CStr(rt::RoundHalfUp(y0_, 2)));
        itixy.SetVisible(true);
        sakuzugurafu();
        図.Line(x0_, y0_, x1_, y1_, 図.ForeColor());
    } else {
        sakuzugurafu();
    }
}

void グラフ::Genkaiwooku(float xlo, float ylo, float xhi, float yhi) {
    auto twipsX = [this](double x) { return 図.Left() + (x - 図.ScaleLeft()) / 図.ScaleWidth() * 図.Width(); };
    auto twipsY = [this](double y) { return 図.Top() + (y - 図.ScaleTop()) / 図.ScaleHeight() * 図.Height(); };
    const auto underX = [&](forms::TextBox& box, float x) {
        box.SetText(rt::CStr(x));
        box.SetLeft(twipsX(x) - box.Width() / 2);
    };
    const auto besideY = [&](forms::TextBox& box, float y) {
        box.SetText(rt::CStr(y));
        box.SetTop(twipsY(y) - box.Height() / 2);
    };
    underX(Text1, xlo);
    besideY(Text2, ylo);
    underX(Text3, xhi);
    besideY(Text4, yhi);
}

void グラフ::Command1_Click() { Hide(); }

void グラフ::設定ボタン_Click() { forms::Get<目盛設定画面>().Show(); }
