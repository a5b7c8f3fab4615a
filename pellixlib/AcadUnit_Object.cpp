#include "pellixlib/AcadUnit_Object.h"

#include "pellixlib/AcadFunc_Menus.h"
#include "pellixlib/AcadFunc_Typing.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "pellixlib/AcadVInf_TextWindow.h"
#include "platform/desktop/input.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr int kActivateAttempts = 11;
constexpr int kCharIdleWaits = 4;

} // namespace

TAcadObject::TAcadObject()
        : FChildList(std::make_unique<TWindowList>()), FAsyncList(std::make_unique<TAsyncCmdList>()) {
    InitTextBuffer(FReadBuf);
    InitTextBuffer(FSendBuf);
    Clear();
}

TAcadObject::~TAcadObject() {
    EndChildLock();
    ClearAcadWindows(FWindows);
    FreeTextBuffer(FReadBuf);
    FreeTextBuffer(FSendBuf);
    FAsyncList.reset(); // stops the worker
}

void TAcadObject::Clear() {
    EndChildLock();
    FMainWnd = FGraphWnd = FChildWnd = FTextWnd = FCmdLineWnd = nullptr;
    FTextHeadlands = FTextMountTam = FCmdHeadlands = FCmdMountTam = FMDIClient = nullptr;
    FAcadIndex = 0;
    ClearAcadWindows(FWindows);
    FChildList->Clear();
    FBusy = false;
}

bool TAcadObject::LoadFromWindow(desk::HWND wnd) {
    if (desk::IsWindow(wnd)) return LoadFromThread(desk::GetWindowThreadProcessId(wnd, nullptr));
    Clear();
    return false;
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
    const bool onTop = desk::SetWindowPos(child, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
    IdlePump();
    desk::SetActiveWindow(child);
    IdlePump();
    if (onTop) FChildWnd = child;
    return onTop;
}

bool TAcadObject::CheckChildChanged() {
    if (!desk::IsWindow(FMainWnd) || !desk::IsWindow(FMDIClient)) return false;
    desk::HWND top = desk::GetTopWindow(FMDIClient);
    if (FMDILock && desk::IsWindow(FLockChild) && top != FLockChild) {
        ActivateChild(FLockChild);
        top = FLockChild;
        FChildWnd = FLockChild;
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

bool TAcadObject::Activate() {
    if (!desk::IsWindow(FMainWnd)) return false;
    const desk::HWND dialog = GetDialog();
    const desk::HWND target = desk::IsWindow(dialog) ? dialog : FMainWnd;
    if (!ForceForeground(target)) return false;
    const desk::DWORD thread = desk::GetWindowThreadProcessId(FMainWnd, nullptr);
    for (int i = 0; i < kActivateAttempts; ++i) {
        WaitIdle();
        if (desk::GetWindowThreadProcessId(desk::GetForegroundWindow(), nullptr) == thread) break;
        ForceForeground(target);
    }
    return true;
}

void TAcadObject::WaitIdle() { WaitWindowIdle(FMainWnd); }

bool TAcadObject::PlaceTextWindow(const desk::RECT& screen, bool hide) {
    return pellix::PlaceTextWindow(FAcadIndex, FTextWnd, screen, hide);
}

std::string TAcadObject::ReadCmdLine() { return ReadWindowText(FTextHeadlands, FReadBuf); }

std::string TAcadObject::ReadHistory() { return ReadWindowText(FTextMountTam, FReadBuf); }

std::string TAcadObject::ReadPromptText() { return ReadWindowText(FCmdHeadlands, FReadBuf); }

bool TAcadObject::SendCommand(const std::string& text) {
    if (!FMainWnd || !desk::IsWindow(FMainWnd) || FAsyncList->Count() > 0) return false;
    return SendCommandString(FMainWnd, FTextHeadlands, text, FSendBuf, FCmdIdle);
}

bool TAcadObject::SendChar(char ch) {
    RefreshAcadWindows(FWindows);
    FGraphWnd = FWindows.GraphWnd;
    if (!desk::IsWindow(FMainWnd) || !desk::IsWindow(FGraphWnd)) return false;
    // The command line of these two takes the keys itself; the others take them in the view.
    const desk::HWND target = (FAcadIndex == 4 || FAcadIndex == 9) ? FCmdHeadlands : FGraphWnd;
    const bool posted = PostCharKey(target, ch);
    for (int i = 0; i < kCharIdleWaits; ++i) WaitWindowIdleEx(FMainWnd);
    return posted;
}

bool TAcadObject::ClickMenu(const std::string& menuPath) {
    if (!desk::IsWindow(FMainWnd)) return false;
    const bool clicked = ClickMenuPath(FMainWnd, menuPath);
    WaitWindowIdleEx(FMainWnd);
    return clicked;
}

bool TAcadObject::AsyncCommand(int sendNo, const std::string& command, TAsyncSendingProc onSending,
                               TAsyncSendedProc onSended) {
    try {
        return FAsyncList->Add(sendNo, FMainWnd, command, std::move(onSending), std::move(onSended), FCmdIdle,
                               FTextHeadlands);
    } catch (...) {
        return false;
    }
}

void TAcadObject::AsyncCancel() {
    try {
        FAsyncList->Clear();
    } catch (...) {}
}

bool TAcadObject::IsAsyncBuffer() { return FAsyncList->Count() > 0; }

void TAcadObject::Stop() {
    FStopped = true;
    FAsyncList->End();
}

bool TAcadObject::KeepWaiting() { return !FStopped && CallWaitProc(FMainWnd) && !FStopped; }

std::string TAcadObject::ReadEcho() { return StripCommandPrompt(StripCancelMarks(ReadHistory())); }

bool TAcadObject::IsIdle() { return IsPromptIdle(ReadCmdLine(), ReadPromptText()); }

bool TAcadObject::StartSequence(const std::string& text, const std::string& selAddCmd) {
    return SendCommand(text) && KeepWaiting() && Activate() && (selAddCmd.empty() || SendCommand(selAddCmd));
}

bool TAcadObject::RunBusy(const std::function<bool()>& body) {
    if (FBusy) return false;
    TWaitScope wait;
    FBusy = true;
    bool result = false;
    try {
        result = body();
    } catch (...) {
        result = false;
    }
    EndChildLock();
    FBusy = false;
    return result;
}

} // namespace pellix
