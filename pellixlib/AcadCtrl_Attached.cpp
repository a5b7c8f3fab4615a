// The attached CAD: its state, its windows and what they show, the walk over its drawing
// windows, and waiting for it. Each window operation takes one of the CAD's windows from the
// table below and applies a window operation of any window to it.
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_WindowOps.h"

#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/input.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

// WaitCommand polls the command line; between two looks the CAD gets this long.
constexpr desk::DWORD kWaitCommandPassMs = 10;

enum class TAcadWindow { Main, Drawing, Text, CmdLine, Dialog, MDIClient };

// The CAD's window of that role; none while the control is being ended. The active drawing is
// taken after the drawing check (which may raise OnChildChange), the dialog looked up afresh.
desk::HWND AcadWindow(TAcadControl& c, TAcadWindow which) {
    if (c.Destroying()) return nullptr;
    TAcadObject& engine = c.Engine();
    switch (which) {
    case TAcadWindow::Main: return engine.MainWnd();
    case TAcadWindow::Drawing: c.CheckChildChange(); return engine.ChildWnd();
    case TAcadWindow::Text: return engine.TextWnd();
    case TAcadWindow::CmdLine: return engine.CmdLineWnd();
    case TAcadWindow::Dialog: return engine.GetDialog();
    case TAcadWindow::MDIClient: return engine.MDIClient();
    }
    return nullptr;
}

} // namespace

bool TAcadControl::IsExecut() { return desk::IsWindow(AcadWindow(*this, TAcadWindow::Main)); }

bool TAcadControl::IsActive() {
    const desk::HWND main = AcadWindow(*this, TAcadWindow::Main);
    return desk::IsWindow(main) && desk::GetWindowThreadProcessId(main, nullptr) ==
                                       desk::GetWindowThreadProcessId(desk::GetForegroundWindow(), nullptr);
}

TShowState TAcadControl::GetState() { return WndState(AcadWindow(*this, TAcadWindow::Main)); }

bool TAcadControl::GetSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight) {
    return WndSize(AcadWindow(*this, TAcadWindow::Main), ALeft, ATop, AWidth, AHeight);
}

bool TAcadControl::GetDialogSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight) {
    return WndSize(AcadWindow(*this, TAcadWindow::Dialog), ALeft, ATop, AWidth, AHeight);
}

std::int32_t TAcadControl::Handle() { return LongOf(AcadWindow(*this, TAcadWindow::Main)); }
std::int32_t TAcadControl::GraphHandle() { return LongOf(AcadWindow(*this, TAcadWindow::Drawing)); }
std::int32_t TAcadControl::TextHandle() { return LongOf(AcadWindow(*this, TAcadWindow::Text)); }
std::int32_t TAcadControl::CmdLineHandle() { return LongOf(AcadWindow(*this, TAcadWindow::CmdLine)); }
std::int32_t TAcadControl::DialogHandle() { return LongOf(AcadWindow(*this, TAcadWindow::Dialog)); }
std::int32_t TAcadControl::MDIClient() { return LongOf(AcadWindow(*this, TAcadWindow::MDIClient)); }

std::string TAcadControl::GetCaption() { return WndText(AcadWindow(*this, TAcadWindow::Main)); }
std::string TAcadControl::GetDwgCaption() { return WndText(AcadWindow(*this, TAcadWindow::Drawing)); }
std::string TAcadControl::GetDialogCaption() { return WndText(AcadWindow(*this, TAcadWindow::Dialog)); }

bool TAcadControl::AcReSize(std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth, std::int32_t AHeight) {
    CallScope scope(*this);
    return WndReSize(AcadWindow(*this, TAcadWindow::Main), ALeft, ATop, AWidth, AHeight);
}

bool TAcadControl::SetState(TShowState State) {
    CallScope scope(*this);
    return WndSetState(AcadWindow(*this, TAcadWindow::Main), State);
}

bool TAcadControl::MoveDialog(std::int32_t ALeft, std::int32_t ATop) {
    CallScope scope(*this);
    return WndMove(AcadWindow(*this, TAcadWindow::Dialog), ALeft, ATop);
}

bool TAcadControl::GetClientSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth, std::int32_t& AHeight) {
    return WndSize(AcadWindow(*this, TAcadWindow::MDIClient), ALeft, ATop, AWidth, AHeight);
}

bool TAcadControl::GetChildWindowSize(std::int32_t& ALeft, std::int32_t& ATop, std::int32_t& AWidth,
                                      std::int32_t& AHeight) {
    return WndSize(AcadWindow(*this, TAcadWindow::Drawing), ALeft, ATop, AWidth, AHeight);
}

bool TAcadControl::ReSizeChildWindow(std::int32_t ALeft, std::int32_t ATop, std::int32_t AWidth, std::int32_t AHeight) {
    CallScope scope(*this);
    return WndReSize(AcadWindow(*this, TAcadWindow::Drawing), ALeft, ATop, AWidth, AHeight);
}

TShowState TAcadControl::GetChildWindowState() { return WndState(AcadWindow(*this, TAcadWindow::Drawing)); }

bool TAcadControl::ReStateChildWindow(TShowState State) {
    CallScope scope(*this);
    return WndSetState(AcadWindow(*this, TAcadWindow::Drawing), State);
}

bool TAcadControl::HideTextWindow(bool HideMode) {
    if (FDestroying) return false;
    const desk::RECT screen{0, 0, desk::GetSystemMetrics(desk::SM_CXSCREEN), desk::GetSystemMetrics(desk::SM_CYSCREEN)};
    return FAcadObject->PlaceTextWindow(screen, HideMode);
}

std::string TAcadControl::GetLogHist() { return FDestroying ? std::string() : FAcadObject->ReadHistory(); }
std::string TAcadControl::GetCmdLine() { return FDestroying ? std::string() : FAcadObject->ReadCmdLine(); }
std::string TAcadControl::GetCmdParam() {
    return FDestroying ? std::string() : StripCommandPrompt(FAcadObject->ReadCmdLine());
}
bool TAcadControl::IsCmdWait() {
    return !FDestroying && IsPromptIdle(FAcadObject->ReadCmdLine(), FAcadObject->ReadPromptText());
}

std::int32_t TAcadControl::GetChildCount() { return FDestroying ? 0 : FAcadObject->RefreshChildren(); }

std::int32_t TAcadControl::FirstChildWindow() {
    FChildIndex = 0;
    if (FDestroying) return 0;
    FAcadObject->RefreshChildren();
    return LongOf(FAcadObject->ChildList().GetWnd(0));
}

std::int32_t TAcadControl::NextChildWindow() {
    if (FDestroying) return 0;
    const desk::HWND child = FAcadObject->ChildList().GetWnd(++FChildIndex);
    if (!child) FChildIndex = 0;
    return LongOf(child);
}

bool TAcadControl::SetTopChild(std::int32_t ChildWindow) {
    if (FDestroying) return false;
    CallScope scope(*this);
    return FAcadObject->ActivateChild(WndOf(ChildWindow));
}

void TAcadControl::WaitIdle() {
    if (FDestroying) return;
    CallScope scope(*this);
    FAcadObject->WaitIdle();
}

bool TAcadControl::WaitCommand() {
    if (FDestroying) return false;
    CallScope scope(*this);
    TAcadObject& engine = *FAcadObject;
    engine.WaitIdle();
    // Ending the control ends the wait, as it ends every other wait of the control.
    while (!FDestroying && desk::IsWindow(engine.MainWnd()) &&
           !IsPromptIdle(engine.ReadCmdLine(), engine.ReadPromptText())) {
        IdlePump();
        desk::Sleep(kWaitCommandPassMs);
        engine.WaitIdle();
    }
    return !FDestroying && desk::IsWindow(engine.MainWnd());
}

bool TAcadControl::Active() {
    if (FDestroying) return false;
    CallScope scope(*this);
    return FAcadObject->Activate();
}

} // namespace pellix
