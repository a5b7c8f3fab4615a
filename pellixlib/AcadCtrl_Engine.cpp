#include "pellixlib/AcadCtrl_Engine.h"

#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadFunc_Typing.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/input.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

TWaitProc& WaitProc() {
    static TWaitProc proc;
    return proc;
}

} // namespace

void SetWaitProc(TWaitProc proc) { WaitProc() = std::move(proc); }

bool HasWaitProc() { return static_cast<bool>(WaitProc()); }

bool CallWaitProc(desk::HWND window) {
    if (!WaitProc()) WaitProc() = DefaultWaitProc;
    bool keepWaiting = true;
    try {
        const TWaitProc proc = WaitProc();
        proc(window, keepWaiting);
    } catch (...) {
        WaitProc() = nullptr;
        return false;
    }
    return keepWaiting;
}

void DefaultWaitProc(desk::HWND window, bool& keepWaiting) {
    IdlePump();
    keepWaiting = desk::IsWindow(window);
    WaitWindowIdle(window);
}

void IdlePump() { PumpMessages(); }

namespace {
desk::UINT& DelayMessage() {
    static desk::UINT id = 0;
    return id;
}
} // namespace

desk::UINT CM_PLOTWDELAYMESSAGE() { return DelayMessage(); }

void InitAcadUnit() {
    DelayMessage() = desk::RegisterWindowMessage("CM_PLOTWDELAYMESSAGE");
    SetWaitProc(DefaultWaitProc);
}

void DoneAcadUnit() { SetWaitProc(nullptr); }

TAcadObject::TAcadObject() : FChildList(std::make_unique<TWindowList>()) {
    InitTextBuffer(FReadBuf);
    InitTextBuffer(FSendBuf);
    Clear();
}

TAcadObject::~TAcadObject() {
    EndChildLock();
    ClearAcadWindows(FWindows);
    FreeTextBuffer(FReadBuf);
    FreeTextBuffer(FSendBuf);
}

void TAcadObject::Clear() {
    EndChildLock();
    FMainWnd = FGraphWnd = FChildWnd = FTextWnd = FCmdLineWnd = nullptr;
    FTextHeadlands = FTextMountTam = FCmdHeadlands = FCmdMountTam = nullptr;
    FAcadIndex = 0;
    FMDIClient = nullptr;
    ClearAcadWindows(FWindows);
    FChildList->Clear();
    FBusy = false;
}

bool TAcadObject::LoadFromWindow(desk::HWND wnd) {
    if (!desk::IsWindow(wnd)) {
        Clear();
        return false;
    }
    return LoadFromThread(desk::GetWindowThreadProcessId(wnd, nullptr));
}

bool TAcadObject::LoadFromThread(desk::DWORD threadId) {
    if (threadId == 0) return false;
    Clear();
    if (!DetectAcadWindows(threadId, FWindows)) return false;
    FMainWnd = FWindows.MainWnd;
    FGraphWnd = FWindows.GraphWnd;
    FChildWnd = FWindows.ActiveChild;
    FTextWnd = FWindows.TextFrame;
    FCmdLineWnd = FWindows.CmdFrame;
    FTextHeadlands = FWindows.TextHeadlands;
    FTextMountTam = FWindows.TextMountTam;
    FCmdHeadlands = FWindows.CmdHeadlands;
    FCmdMountTam = FWindows.CmdMountTam;
    FAcadIndex = FWindows.AcadIndex;
    FMDIClient = FWindows.MDIClient;
    FChildList->Assign(FWindows.ChildList.get());
    return true;
}

int TAcadObject::RefreshChildren() {
    RefreshAcadWindows(FWindows);
    FGraphWnd = FWindows.GraphWnd;
    FChildWnd = FWindows.ActiveChild;
    FChildList->Assign(FWindows.ChildList.get());
    return FChildList->Count();
}

desk::HWND TAcadObject::GetDialog() {
    if (!desk::IsWindow(FMainWnd)) return nullptr;
    RefreshAcadWindows(FWindows);
    FGraphWnd = FWindows.GraphWnd;
    return FWindows.DialogWnd;
}

bool TAcadObject::ActivateChild(desk::HWND child) {
    if (!desk::IsWindow(child)) return false;
    desk::SetForegroundWindow(child);
    WaitWindowIdleEx(child);
    const bool moved = desk::SetWindowPos(child, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
    PumpMessages();
    desk::SetActiveWindow(child);
    PumpMessages();
    if (moved) FChildWnd = child;
    return moved;
}

bool TAcadObject::CheckChildChanged() {
    if (!desk::IsWindow(FMainWnd) || !desk::IsWindow(FMDIClient)) return false;
    desk::HWND top = desk::GetTopWindow(FMDIClient);
    if (FMDILock && desk::IsWindow(FLockChild) && top != FLockChild) {
        ActivateChild(FLockChild);
        top = FChildWnd = FLockChild;
    }
    if (top == FChildWnd) return false;
    RefreshChildren();
    return true;
}

desk::HWND TAcadObject::BeginChildLock() {
    RefreshChildren();
    FLockChild = FMDILock ? FChildWnd : nullptr;
    return FChildWnd;
}

void TAcadObject::EndChildLock() { FLockChild = nullptr; }

void TAcadObject::WaitIdle() { WaitWindowIdle(FMainWnd); }

std::string TAcadObject::ReadCmdLine() { return ReadWindowText(FTextHeadlands, FReadBuf); }
std::string TAcadObject::ReadHistory() { return ReadWindowText(FTextMountTam, FReadBuf); }
std::string TAcadObject::ReadPromptText() { return ReadWindowText(FCmdHeadlands, FReadBuf); }

bool TAcadObject::SendCommand(const std::string& text) {
    if (!desk::IsWindow(FMainWnd)) return false;
    return SendCommandString(FMainWnd, FTextHeadlands, text, FSendBuf, FCmdIdle);
}

bool TAcadObject::SendChar(char ch) {
    RefreshAcadWindows(FWindows);
    FGraphWnd = FWindows.GraphWnd;
    if (!desk::IsWindow(FMainWnd) || !desk::IsWindow(FGraphWnd)) return false;
    const desk::HWND target = (FAcadIndex == 4 || FAcadIndex == 9) ? FCmdHeadlands : FGraphWnd;
    const bool posted = PostCharKey(target, ch);
    for (int i = 0; i < 4; ++i) WaitWindowIdleEx(FMainWnd);
    return posted;
}

bool TAcadObject::GetPoint(const std::string& selAddCmd, bool, double& x, double& y, double& z) {
    if (FBusy) return false;
    FBusy = true;
    BeginChildLock();
    bool ok = SendCommand("\x03\x03_iD\r") && CallWaitProc(FMainWnd) && (selAddCmd.empty() || SendCommand(selAddCmd));
    while (ok) {
        desk::Sleep(2);
        if (!CallWaitProc(FMainWnd)) ok = false;
        else if (IsPromptIdle(ReadCmdLine(), ReadPromptText())) break;
    }
    if (ok) {
        const std::string echo = StripCommandPrompt(StripCancelMarks(ReadHistory()));
        const std::size_t at = echo.find("X =");
        ok = echo.rfind("_iD", 0) == 0 && at != std::string::npos && ParseCoordinates(echo.substr(at), x, y, z);
    }
    EndChildLock();
    FBusy = false;
    return ok;
}

} // namespace pellix
