#include "vantor/shell/待表示.h"

#include "vantor/shell/lifecycle/document_lifecycle.h"

#include <algorithm>
#include <initializer_list>

namespace {
constexpr int kDesignWidth = 2200; // twips
} // namespace

待表示::待表示() {
    継続ボタン.OnClick = [this] { 継続ボタン_Click(); };
    終了ボタン.OnClick = [this] { 終了ボタン_Click(); };
}

void 待表示::Form_Load() {
    LayOut();
    // A sleeping moon: work is in progress.
    寝る.Scale(0, 0, 10, 8);
    寝る.Cls();
    寝る.Circle(5, 4, 3, forms::RGB(200, 160, 0));
    寝る.Circle(6.2, 3.4, 2.6, forms::RGB(200, 160, 0));
}

void 待表示::LayOut() {
    休み.SetCaption("あわてないでね");
    休み.Move(120, 60, 1900, 300);
    寝る.Move(780, 400, 600, 480);
    起きる.Move(780, 400, 600, 480);
    起きる.SetStretch(true);
    起きる.SetPicture(forms::StockPicture(forms::picInformation));
    起きる.SetVisible(false);
    継続ボタン.SetCaption("継続");
    継続ボタン.Move(120, 940, 900, 330);
    継続ボタン.SetVisible(false);
    終了ボタン.SetCaption("終了");
    終了ボタン.Move(1120, 940, 900, 330);
    終了ボタン.SetVisible(false);
    SetCaption("しばらくお待ちください。．．．");
    休み.SetVisible(true);
    Move(3500, 2000, kDesignWidth, 1800);
}

void 待表示::継続ボタン_Click() {
    縦断bus::ReleaseOpenedWorkbook();
    終了ボタン.SetVisible(false);
    継続ボタン.SetVisible(false);
    Hide();
}

void 待表示::ShowState(const std::string& caption, bool working) {
    SetCaption(caption);
    FitCaption();
    休み.SetVisible(working);
    寝る.SetVisible(working);
    Show();
}

// Wide enough for the whole caption in this system's fonts, the body centred in it.
void 待表示::FitCaption() {
    const int width = std::max(kDesignWidth, CaptionWidth());
    const double move = (width - Width()) / 2.0;
    SetWidth(width);
    for (forms::Control* part : std::initializer_list<forms::Control*>{&休み, &寝る, &起きる, &継続ボタン, &終了ボタン})
        part->SetLeft(part->Left() + move);
}

void 待表示::終了ボタン_Click() { 縦断bus::shuuryou(); }
