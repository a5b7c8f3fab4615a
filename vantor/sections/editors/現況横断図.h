#pragma once
// The existing-ground section editor: the ground points of each station, picked on the
// station's existing-ground block in the CAD.
#include "vantor/sections/editors/section_point_editor.h"

class 現況横断図 : public SectionPointEditor {
public:
    forms::CommandButton 切盛ボタン{*this};
    forms::CommandButton Command1{*this};

    現況横断図();

    void 切盛ボタン_Click();
    void Command1_Click();

private:
    void CloseBox_Click() override { Command1_Click(); }
    void DrawStationInCad(int s) override;
    void LayOutOwnButtons(int left, int top) override;
};
