#pragma once
// The cut/fill line editor: the formation line of each station, picked on the station's
// planned section drawn in the CAD beside its existing ground.
#include "vantor/sections/editors/section_point_editor.h"

class 切盛ライン設定画面 : public SectionPointEditor {
public:
    forms::CommandButton 面積表示ボタン{*this};
    forms::CommandButton 戻るボタン{*this};

    切盛ライン設定画面();

    void 面積表示ボタン_Click();
    void 戻るボタン_Click();

private:
    void CloseBox_Click() override { 戻るボタン_Click(); }
    void DrawStationInCad(int s) override;
    void LayOutOwnButtons(int left, int top) override;

    float drawnHeight_ = 0; // where the planned section drawn last stands [mm]
};
