#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadCtrl_Errors.h"
#include "pellixlib/AcadCtrl_WaitCallbacks.h"
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadVInf_Install.h"
#include "pellixlib/AcadVInf_Path.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/message.h"
#include "platform/desktop/process.h"
#include "platform/desktop/window.h"

#include <initializer_list>

namespace pellix {

namespace {

constexpr desk::UINT_PTR kTimerId = 1;
const std::string kUtilWindowClass = "TPUtilWindow";
const std::string kCancelText(1, '\x03'); // no real window text equals it

std::string HostFolder() {
    char path[1024] = {};
    desk::GetModuleFileName(nullptr, path, sizeof path);
    return ExtractFileDir(path);
}

TAcadType NewestInstalled(std::initializer_list<TAcadType> newestFirst) {
    for (TAcadType type : newestFirst)
        if (IsInstInstalled(AcadTypeToIndex(type))) return type;
    return atNOACAD;
}

desk::DWORD LiveThreadOf(desk::HWND wnd) {
    return desk::IsWindow(wnd) ? desk::GetWindowThreadProcessId(wnd, nullptr) : 0;
}

} // namespace

TAcadType TAcadControl::GetNewAcltType() {
    return NewestInstalled({atACLT2002, atACLT2000i, atACLT2000, atACLT98, atACLT97, atACLT95});
}

TAcadType TAcadControl::GetNewAcadType() {
    return NewestInstalled({atACAD2002, atACAD2000i, atACAD2000, atACAD14, atACAD13});
}

TAcadControl::Ptr TAcadControl::Create(bool designing) { return Ptr(new TAcadControl(designing)); }

TAcadControl::TAcadControl(bool designing) : FDesigning(designing) {
    SetupSharedPath(HostFolder());
    FAcadObject = std::make_unique<TAcadObject>();
    FAcadType = GetNewAcltType();
    if (FAcadType == atNOACAD) FAcadType = GetNewAcadType();
    if (FAcadType == atNOACAD) FAcadType = atACLT95;
    ResetState();
    FUtilWindow = CreateHiddenWindow(kUtilWindowClass, [this](desk::HWND w, desk::UINT m, desk::WPARAM wp,
                                                              desk::LPARAM lp) { return WndProc(w, m, wp, lp); });
    ChooseWaitProc(FInterMode);
}

TAcadControl::~TAcadControl() {
    Stop();
    if (FUtilWindow) desk::DestroyWindow(FUtilWindow);
    FUtilWindow = nullptr;
    RemoveOwnerWaitCallbacks(this);
}

void TAcadControl::Free() {
    Stop();
    if (FCallDepth > 0) {
        // The outermost call frees it; its waits on the stack ended with Stop.
        FFreePending = true;
        return;
    }
    delete this;
}

void TAcadControl::Stop() {
    if (FDestroying) return;
    FDestroying = true;
    // Nothing the worker reports to may go before the worker itself.
    FAcadObject->Stop();
    FEnabled = false;
    UpdateTimer();
}

TAcadControl::CallScope::CallScope(TAcadControl& control) : control_(control) { ++control_.FCallDepth; }

TAcadControl::CallScope::~CallScope() {
    if (--control_.FCallDepth == 0 && control_.FFreePending) delete &control_;
}

void TAcadControl::Loaded() {
    CallScope scope(*this);
    if (!FDesigning) UpdateTimer();
    int count = 0;
    AcadLoad(CheckActiveChange(count));
}

void TAcadControl::SetBounds(int left, int top, int, int) {
    FLeft = left;
    FTop = top;
    FWidth = kFaceSize;
    FHeight = kFaceSize;
}

void TAcadControl::Paint(TCanvas& canvas) const {
    constexpr std::uint32_t buttonFace = 0xC0C0C0;
    canvas.Resize(FWidth, FHeight, buttonFace);
    const TFaceBitmap* face = FormImage();
    if (!face) return;
    for (int y = 0; y < kFaceSize && y < canvas.Height; ++y)
        for (int x = 0; x < kFaceSize && x < canvas.Width; ++x)
            canvas.Pixels[y * canvas.Width + x] = face->ColorAt(x, y);
}

void TAcadControl::SetEnabled(bool v) {
    FEnabled = v;
    UpdateTimer();
}

void TAcadControl::SetInterval(std::int32_t v) {
    if (v == FInterval) return;
    FInterval = v < 0 ? 0 : v;
    UpdateTimer();
}

void TAcadControl::SetInterMode(bool v) {
    FInterMode = v;
    ChooseWaitProc(v);
}

void TAcadControl::SetCmdSearch(TCmdSearch v) {
    MarkCommandLineChanged();
    FCmdSearch = v;
}

bool TAcadControl::CmdIdle() const { return !FDestroying && FAcadObject->CmdIdle(); }

void TAcadControl::SetCmdIdle(bool v) {
    if (!FDestroying) FAcadObject->SetCmdIdle(v);
}

void TAcadControl::SetWaitMessage(std::string v) {
    FWaitMessage = std::move(v);
    FLastWaitText.clear();
    FWaitMessageEmpty = FWaitMessage.empty();
}

void TAcadControl::SetOnProcessLoop(TProcessLoopEvent h) {
    FOnProcessLoop = std::move(h);
    UpdateTimer();
}

void TAcadControl::SetOnTimer(TNotifyEvent h) {
    FOnTimer = std::move(h);
    UpdateTimer();
}

void TAcadControl::ResetState() {
    FLastDialog = nullptr;
    FLastCmdEnabled = true;
    FLastHist = kCancelText;
    FLastCmd = kCancelText;
    FWaitCount = 0;
    FLastWaitText.clear();
    FChildIndex = 0;
}

void TAcadControl::MarkCommandLineChanged() {
    FLastHist = kCancelText;
    FLastCmd = kCancelText;
}

void TAcadControl::UpdateTimer() {
    FLastFocus = nullptr;
    ResetState();
    if (FTimerOn) desk::KillTimer(FUtilWindow, kTimerId);
    FTimerOn = false;
    FTickToggle = false;
    if (FDesigning || FInterval == 0 || !FEnabled) return;
    FTimerOn = desk::SetTimer(FUtilWindow, kTimerId, static_cast<desk::UINT>(FInterval / 2)) != 0;
    if (!FTimerOn) throw EOutOfResources("Do not Create Timer.");
}

desk::LRESULT TAcadControl::WndProc(desk::HWND wnd, desk::UINT msg, desk::WPARAM wParam, desk::LPARAM lParam) {
    if (FDestroying) return 0;
    if (msg == desk::WM_TIMER) {
        if (FInTick || FInShell || FInClose || FInCommand) return 0;
        CallScope scope(*this);
        BusyScope tick(FInTick);
        try {
            CheckChildChange();
            TimerTick();
        } catch (...) {
            ReportCurrentException();
        }
        return 0;
    }
    if (msg == CM_PLOTWDELAYMESSAGE()) {
        if (static_cast<desk::LONG>(wParam) > 0) {
            desk::Sleep(1);
            desk::PostMessage(FUtilWindow, msg, wParam - 1, lParam);
            return 0;
        }
        CallScope scope(*this);
        try {
            DoDialog(reinterpret_cast<desk::HWND>(lParam));
        } catch (...) {
            ReportCurrentException();
        }
        return 0;
    }
    return desk::DefWindowProc(wnd, msg, wParam, lParam);
}

bool TAcadControl::AcadLoad(desk::HWND acadWnd) {
    if (FDestroying) return false;
    // Already attached to that instance: its main window must still live, so that a vanished
    // instance is not taken for the one that owns a window that is gone too.
    const desk::DWORD attachedThread = LiveThreadOf(FAcadObject->MainWnd());
    if (attachedThread != 0 && attachedThread == LiveThreadOf(acadWnd)) return true;
    CallScope scope(*this);
    ResetState();
    const bool ok = FAcadObject->LoadFromWindow(acadWnd);
    const TAcadType type = Version();
    if (!ok || type == atNOACAD) return false;
    if (FLoadAcadType) FAcadType = type;
    if (FOnAcadLoaded) FOnAcadLoaded(*this);
    return true;
}

TAcadType TAcadControl::Version() const { return IndexToAcadType(FAcadObject->AcadIndex()); }

void TAcadControl::InterWaitProc(desk::HWND window, bool& keepWaiting) {
    if (FDestroying) {
        keepWaiting = false;
        return;
    }
    if (keepWaiting && (FChildChanged || window != FAcadObject->MainWnd())) keepWaiting = false;
    FChildChanged = false;
}

bool TAcadControl::DoUserWaitFirst(int callId) {
    bool nextExecute = true;
    try {
        if (FOnUserWaitFirst) FOnUserWaitFirst(*this, callId, nextExecute);
    } catch (...) {}
    return nextExecute;
}

bool TAcadControl::DoUserWaitNext(int callId, const std::string& cmdStr) {
    bool resultMode = true;
    try {
        if (FOnUserWaitNext) FOnUserWaitNext(*this, callId, cmdStr, resultMode);
    } catch (...) {}
    return resultMode;
}

void TAcadControl::DoAsyncSending(TAcadCmdThread*, int sendNo, desk::HWND target, bool) {
    try {
        if (FOnAsyncSending) FOnAsyncSending(*this, sendNo, desk::HandleToLong(target));
    } catch (...) {}
}

void TAcadControl::DoAsyncSended(TAcadCmdThread*, int sendNo, desk::HWND target, bool resulted) {
    try {
        if (FOnAsyncSended) FOnAsyncSended(*this, sendNo, desk::HandleToLong(target), resulted);
    } catch (...) {}
}

} // namespace pellix
