#pragma once
// The message box: a prompt, a set of buttons and an icon; returns the button pressed.
#include <string>

namespace forms {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows `prompt` modally; an empty title means the application's title.
int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = {});

} // namespace forms
