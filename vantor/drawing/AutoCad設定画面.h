#pragma once
// The CAD start screen: when no CAD runs it lists the products the control knows, starts the
// one chosen (single-document mode for the start only) and opens the drawing screen. It holds
// the program-wide CAD control Pellix1: the main window's drawing command asks it whether a
// CAD runs and the IP input screen locks it. Every CAD the control attaches to is placed at
// the screen's top left, 640 x 480, and its start-up dialog is closed. 選択完了 only hides
// the screen, so the control keeps watching; 戻る closes the CAD, offering to save its
// drawing first, and unloads the screen with its control.
#include "platform/forms/forms.h"
#include "vantor/pellix/pellix.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class AutoCad設定画面 : public forms::Form {
public:
    forms::ListBox ListBox1{*this};
    forms::CommandButton Command1{*this};
    forms::CommandButton Command2{*this};
    forms::Label msgbar{*this};

    AutoCad設定画面();

    // 選択完了: the chosen product started, the drawing screen shown.
    void Command1_Click();
    // 戻る: the CAD closed (the user chooses whether and where its drawing is saved), the
    // profile grid shown, this screen unloaded.
    void Command2_Click();
    void Pellix1_OnAcadLoaded();
    void Pellix1_OnAcadDialog(std::int32_t DialoghWnd, const std::string& DialogCaption, const std::string& ControlText,
                              bool& DialogClose);
    void Pellix1_OnAcadClose();

    // The list: "NOACAD", then the product names of types 0 to 13 that have one; the
    // control's type preselected.
    void acadichiran();
    // Starts the control's product in single-document mode; false when it did not start.
    bool kidouacad();

    縦断bus::Pellix& Pellix1() { return *pellix1_; }

private:
    void Form_Load() override;
    void LayOut();
    // Asks whether to keep the CAD's drawing and where; false when the user cancelled.
    bool CloseCad();
    // Has the CAD write its drawing as DXF to `file` (its desktop name for `chosen`); true once
    // `chosen` has been written anew and whole.
    bool CadWroteDrawing(const std::string& chosen, const std::string& file);

    std::unique_ptr<縦断bus::Pellix> pellix1_;
};
