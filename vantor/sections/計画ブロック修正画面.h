#pragma once
// The planned-block correction screen: one station's planned section at a time, drawn in the
// CAD from its blocks at the station's widths and slopes beside its existing ground. The user
// may edit the shape there and register it as a new block (自動作成), or record another block
// name with the standard widths and slopes it is drawn at (変更). The screen stores into the
// station whose fields it shows.
#include "platform/forms/forms.h"

#include <memory>
#include <string>
#include <vector>

class 計画ブロック修正画面 : public forms::Form {
public:
    forms::ListBox 測点リスト{*this};
    forms::TextBox 測点{*this};
    forms::ControlArray<forms::CommandButton> 移動ボタン{*this, {{0, "起点側"}, {1, "終点側"}}};
    forms::Frame 新規枠{*this};
    forms::Label ブロック名ラベル{新規枠};
    forms::TextBox 新ブロック名{新規枠};
    forms::CommandButton ブロック自動ボタン{新規枠};
    forms::Frame 変更枠{*this};
    forms::ControlArray<forms::TextBox> ブロック名{変更枠, 0, 1};
    forms::ControlArray<forms::TextBox> 幅員{変更枠, 0, 3};
    forms::ControlArray<forms::TextBox> 勾配{変更枠, 0, 3};
    forms::CommandButton 決定ボタン{変更枠};
    forms::CommandButton 戻るボタン{*this};
    forms::Label 説明{*this};

    計画ブロック修正画面();

    // Shows the screen with the station list of the current stations and the fields of the
    // current station (station 1 when no section screen has chosen one yet); draws nothing.
    void Open();

    void 測点リスト_Click();
    void 移動ボタン_Click(int index);
    void 決定ボタン_Click();
    void ブロック自動ボタン_Click();
    void 戻るボタン_Click();

    int ShownStation() const { return shown_; }

private:
    void Form_Load() override;
    void LayOut();
    void ShowStation();
    void DrawStation();
    forms::Label& Caption(forms::Container& on, const std::string& text, int left, int top, int width);

    int shown_ = 0;         // the station row whose fields the screen shows
    bool drawn_ = false;    // that station's section is what the CAD shows
    float drawnHeight_ = 0; // where the planned section drawn last stands [mm]
    std::vector<std::unique_ptr<forms::Label>> captions_;
};
