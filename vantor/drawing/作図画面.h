#pragma once
// The drawing screen: the hub from which every drawing starts and the holder of the drawing
// settings, on three tab pages (profile, cross-sections, plan). Created on first use and
// never unloaded, so its load (defaults, default datum, the opening of the command channel)
// runs once per run. Every change of a plan or cross-section setting box is kept in the
// drawing settings (model/drawing_settings.h), which the drawings below the screen read.
// Each page's layout and handlers are in a file of their own: 作図画面_縦断図.cpp (profile),
// 作図画面_横断図.cpp (cross-sections), 作図画面_平面図.cpp (plan).
#include "platform/forms/forms.h"
#include "platform/forms/tab_strip.h"

#include <memory>
#include <string>
#include <vector>

class 作図画面 : public forms::Form {
public:
    forms::TabStrip タブ図面{*this};
    forms::ControlArray<forms::PictureBox> 絵{*this, 0, 2};

    // ---- Page 0: profile ----
    forms::Frame 縮尺枠{絵(0)};
    forms::TextBox SH{縮尺枠};
    forms::TextBox SV{縮尺枠};
    forms::Frame 基準高枠{絵(0)};
    forms::TextBox DL{基準高枠};
    forms::Frame 舗装構成{絵(0)};
    forms::ControlArray<forms::CheckBox> 舗装{舗装構成, 0, 3};
    forms::ControlArray<forms::TextBox> 舗装厚{舗装構成, 0, 3};
    forms::ControlArray<forms::Label> Label5{舗装構成, 0, 3};
    forms::CommandButton 設定ボタン{絵(0)};
    forms::CommandButton 作図開始ボタン{絵(0)};

    // ---- Page 1: cross-sections ----
    forms::CommandButton 一括ボタン{絵(1)};
    forms::CommandButton 横勾配設定ボタン{絵(1)};
    forms::CommandButton 断面作図ボタン{絵(1)};
    forms::Frame Frame14{絵(1)};
    forms::Frame 計画断面枠{static_cast<forms::Container&>(Frame14)};
    forms::TextBox 計画高{計画断面枠};
    forms::TextBox 計画幅{計画断面枠};
    forms::Frame 現況断面枠{static_cast<forms::Container&>(Frame14)};
    forms::TextBox 測点Y{現況断面枠};
    forms::TextBox 測点X{現況断面枠};
    forms::Frame 用紙枠{static_cast<forms::Container&>(Frame14)};
    forms::TextBox 用紙高{用紙枠};
    forms::TextBox 用紙幅{用紙枠};
    forms::TextBox 段数{用紙枠};
    forms::CommandButton 参照ボタン{Frame14};
    forms::Frame Frame11{絵(1)};
    forms::Frame 左側枠{static_cast<forms::Container&>(Frame11)};
    forms::TextBox 左幅{左側枠};
    forms::TextBox 左勾配{左側枠};
    forms::Frame 右側枠{static_cast<forms::Container&>(Frame11)};
    forms::TextBox 右幅{右側枠};
    forms::TextBox 右勾配{右側枠};
    forms::CommandButton Command2{Frame11};
    forms::CommandButton 横断図データー設定画面表示ボタン{Frame11};
    forms::CommandButton 戻るボタン{Frame11};
    forms::Label Label34{Frame11};

    // ---- Page 2: plan ----
    forms::CommandButton IP入力ボタン{絵(2)};
    forms::CommandButton 作図平面{絵(2)};
    forms::CommandButton Command1{絵(2)};
    forms::CommandButton 測点プロットボタン{絵(2)};
    forms::CommandButton 座標転送{絵(2)};
    forms::CommandButton 路肩法尻{絵(2)};
    forms::CommandButton D3ボタン{絵(2)};
    forms::CommandButton 変換ボタン{絵(2)};
    forms::TextBox 縮尺{絵(2)};
    forms::TextBox 文字サイズ{絵(2)};
    forms::TextBox 文字位置{絵(2)};
    forms::TextBox 径{絵(2)};
    forms::CheckBox 基準チェックボタン{絵(2)};
    forms::Label ラベル{絵(2)};
    forms::ComboBox 測点間隔{絵(2)};
    forms::Frame 窓{絵(2)};
    forms::TextBox 測点{窓};
    forms::CommandButton 測点プロット{窓};
    forms::CommandButton キャンセル{窓};

    // ---- On the screen itself ----
    forms::CommandButton 取り消し{*this};

    作図画面();
    ~作図画面() override;

    // The default datum DL from the lowest planned height, and the datum values kept with it.
    void shokidl();

    void タブ図面_Click();
    void 用紙高_Change();
    void 舗装_Click(int index);
    void 基準チェックボタン_Click();
    void IP入力ボタン_Click();
    void 作図平面_Click();
    void Command1_Click();
    void 横勾配設定ボタン_Click();
    void 横断図データー設定画面表示ボタン_Click();
    void 路肩法尻_Click();
    void 一括ボタン_Click();
    void 戻るボタン_Click();
    void 測点プロットボタン_Click();
    void キャンセル_Click();
    // Draws the station typed in 測点 with the sizes of the last plan drawing.
    void 測点プロット_Click();
    void 座標転送_Click();
    void 変換ボタン_Click();
    void 参照ボタン_Click();
    void 作図開始ボタン_Click();
    void 設定ボタン_Click();
    // Maximises the main window (which the drawing command minimised) and hides the screen.
    void 取り消し_Click();

private:
    void Form_Load() override;
    void LayOut();
    void LayOutProfilePage();
    void LayOutSectionPage();
    void LayOutPlanPage();
    void Wire();
    void WireProfilePage();
    void WireSectionPage();
    void WirePlanPage();
    void KeepSettings();
    void ShowCrossSlopeScreen(int mode);
    // A box read as the number its text begins with (0 when it begins with none).
    static double Number(const forms::TextBox& box);
    // Tells that `count` of `what` are more than the tables hold.
    static void TooMany(const std::string& what, int count, int limit);
    forms::Label& Legend(forms::Container& on, const std::string& text, int left, int top, int width);

    std::vector<std::unique_ptr<forms::Label>> captions_;
};
