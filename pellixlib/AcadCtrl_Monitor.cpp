// The monitor: each tick of the control's timer compares the CAD's command line with what was
// seen before and notices its main window being disabled or enabled; every second tick also
// follows the CAD the user works in, announces dialogs, and notices the CAD has gone.
#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadVInf_Products.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "pellixlib/AcadVInf_RunIndex.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr desk::WPARAM kDialogDelay = 50;
constexpr char kEnter = '\r';

std::string WindowText(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) return {};
    std::string text(static_cast<std::size_t>(desk::GetWindowTextLength(wnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(desk::GetWindowText(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A prompt that asks for Enter: " RETURN " or "[ENTER]" after its first character, and a colon
// at the end (the text trimmed and upper-cased).
bool AsksForEnter(const std::string& commandLine) {
    const std::string t = UpperAscii(TrimBlanks(commandLine));
    if (t.empty() || t.back() != ':') return false;
    const auto at = [&](const char* word) {
        const std::size_t p = t.find(word);
        return p != std::string::npos && p >= 1;
    };
    return at(" RETURN ") || at("[ENTER]");
}

} // namespace

void TAcadControl::TimerTick() {
    if (FDestroying) return;
    if (FCmdSearch != csNOCHECK && CheckCmdEnabled() &&
        (FOnAcadCmdChange || FOnAcadCmdWait || FOnWaitMessage || FAutoEnter))
        CommandLinePart();
    if (FDestroying) return;
    const bool secondTick = FTickToggle;
    FTickToggle = !FTickToggle;
    if (secondTick) SecondTickPart();
}

void TAcadControl::CommandLinePart() {
    TAcadObject& engine = *FAcadObject;
    const std::string cmd = engine.ReadCmdLine();
    const std::string prompt = engine.ReadPromptText();
    bool changed = false;
    if ((FOnAcadCmdChange || FOnAcadCmdWait || FAutoEnter) && cmd == prompt) {
        changed = cmd != FLastCmd;
        FLastCmd = cmd;
        if (FCmdSearch != csCMDLINE && FTickToggle) {
            const std::string hist = engine.ReadHistory();
            changed = changed || hist != FLastHist;
            FLastHist = hist;
        }
    }
    const bool idle = IsPromptIdle(cmd, prompt);
    const std::string param = idle ? std::string() : StripCommandPrompt(cmd);
    if (changed && FOnAcadCmdChange) FOnAcadCmdChange(*this, param, idle);
    if (FDestroying) return;
    if (idle && FOnAcadCmdWait) {
        // The count moves on before the event, so a failing handler is not called again at
        // every tick of the same idle period.
        const bool raise = !changed && FWaitCount == 1;
        if (changed) FWaitCount = 0;
        else if (FWaitCount < 3) ++FWaitCount;
        if (raise) FOnAcadCmdWait(*this);
        if (FDestroying) return;
    }
    if (FOnWaitMessage && !FWaitMessageEmpty && !param.empty() && param != FLastWaitText &&
        param.find(FWaitMessage) != std::string::npos) {
        FLastWaitText = param;
        FOnWaitMessage(*this, param, idle);
        if (FDestroying) return;
    }
    if (!idle && FAutoEnter && changed && AsksForEnter(cmd)) {
        bool nextEnter = true;
        if (FOnAcadEnterNext) FOnAcadEnterNext(*this, cmd, nextEnter);
        if (nextEnter && !FDestroying) {
            engine.SendChar(kEnter);
            FLastCmd.clear();
        }
    }
}

void TAcadControl::SecondTickPart() {
    int count = 0;
    CheckActiveChange(count);
    CheckDialog();
    if (FDestroying) return;
    if (FProIndex != 0 && FOnProcessLoop) FOnProcessLoop(*this, FProIndex);
    if (FDestroying) return;
    if (FOnTimer) FOnTimer(*this);
    if (FDestroying) return;
    const desk::HWND main = FAcadObject->MainWnd();
    if (main && !desk::IsWindow(main)) {
        if (FOnAcadClose) FOnAcadClose(*this);
        if (!desk::IsWindow(FAcadObject->MainWnd())) FAcadObject->Clear();
    }
}

desk::HWND TAcadControl::CheckActiveChange(int& count) {
    if (FDestroying || !AcadRunIndex()) return nullptr;
    CallScope scope(*this);
    count = AcadRunIndex()->Refresh();
    const desk::HWND old = FLastFocus;
    FLastFocus = AcadRunIndex()->FLastWnd;
    bool reload = desk::IsWindow(FLastFocus) && !FAcadLocked;
    const auto follow = [&] {
        if (reload && desk::IsWindow(FLastFocus) && FLastFocus != FAcadObject->TextWnd()) AcadLoad(FLastFocus);
    };
    try {
        if (FOnActiveChange && old != FLastFocus)
            FOnActiveChange(*this, desk::HandleToLong(old), desk::HandleToLong(FLastFocus), reload);
    } catch (...) {
        follow();
        throw;
    }
    follow();
    return FLastFocus;
}

void TAcadControl::CheckDialog() {
    if (FDestroying || !desk::IsWindow(FAcadObject->MainWnd()) || !FOnAcadDialog) return;
    const desk::HWND dialog = FAcadObject->GetDialog();
    if (dialog == FLastDialog) return;
    FLastDialog = dialog;
    desk::PostMessage(FUtilWindow, CM_PLOTWDELAYMESSAGE(), kDialogDelay, reinterpret_cast<desk::LPARAM>(dialog));
}

void TAcadControl::DoDialog(desk::HWND dialog) {
    if (FDestroying || !FOnAcadDialog) return;
    CallScope scope(*this);
    const std::string caption = WindowText(dialog);
    const std::string controlText =
        desk::IsWindow(dialog) ? WindowText(FindChildWindow(dialog, "", "*Static")) : std::string();
    bool close = false;
    const auto closeStep = [&] {
        if (!close || !desk::IsWindow(dialog)) return;
        FAcadObject->WaitIdle();
        desk::SendNotifyMessage(dialog, desk::WM_CLOSE, 0, 0);
        FAcadObject->WaitIdle();
    };
    try {
        FOnAcadDialog(*this, desk::HandleToLong(dialog), caption, controlText, close);
    } catch (...) {
        closeStep();
        throw;
    }
    closeStep();
}

bool TAcadControl::CheckCmdEnabled() {
    if (FDestroying || !desk::IsWindow(FAcadObject->MainWnd())) return false;
    const bool enabled = IsCmdEnabled();
    if (enabled == FLastCmdEnabled) return enabled;
    FLastCmdEnabled = enabled;
    if (FLastDialog) CheckDialog(); // a closing modal dialog is noticed at once
    try {
        if (FOnAcadCmdActive) FOnAcadCmdActive(*this, enabled);
    } catch (...) {}
    return enabled;
}

bool TAcadControl::IsCmdEnabled() {
    if (FDestroying) return false;
    CheckChildChange();
    const desk::HWND main = FAcadObject->MainWnd();
    return desk::IsWindow(main) && desk::IsWindowEnabled(main);
}

void TAcadControl::CheckChildChange() {
    if (FDestroying || !IsMDIInst(FAcadObject->AcadIndex()) || !FAcadObject->CheckChildChanged()) return;
    try {
        if (FOnChildChange) FOnChildChange(*this, desk::HandleToLong(FAcadObject->ChildWnd()));
    } catch (...) {
        FChildChanged = true;
        throw;
    }
    FChildChanged = true;
}

} // namespace pellix
