#include "pellixlib/AcadUnit_Wait.h"

#include "pellixlib/AcadFunc_Windows.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr desk::DWORD kRestMs = 10;

struct WaitState {
    TWaitProc proc;
    bool quitMet = false;
    int scopes = 0;
    int users = 0;
    desk::UINT delayMessage = 0;
};

WaitState& State() {
    static WaitState state;
    return state;
}

} // namespace

bool CallWaitProc(desk::HWND wnd) {
    WaitState& s = State();
    if (!s.proc) s.proc = DefaultWaitProc;
    bool keepWaiting = true;
    try {
        const TWaitProc proc = s.proc; // the callback may install another one
        proc(wnd, keepWaiting);
    } catch (...) {
        s.proc = nullptr;
        return false;
    }
    return keepWaiting;
}

void DefaultWaitProc(desk::HWND wnd, bool& keepWaiting) {
    IdlePump();
    keepWaiting = desk::IsWindow(wnd);
    WaitWindowIdle(wnd);
}

void SetWaitProc(TWaitProc proc) { State().proc = std::move(proc); }

bool HasWaitProc() { return static_cast<bool>(State().proc); }

void RestBetweenLooks() { desk::WaitForNewMessage(kRestMs); }

void IdlePump() {
    if (PumpMessages()) State().quitMet = true;
}

bool QuitMessageMet() { return State().quitMet; }

void SetQuitMessageMet(bool met) { State().quitMet = met; }

TWaitScope::TWaitScope() { ++State().scopes; }

TWaitScope::~TWaitScope() {
    WaitState& s = State();
    if (--s.scopes > 0 || !s.quitMet) return;
    s.quitMet = false;
    desk::PostQuitMessage(0);
}

desk::UINT CM_PLOTWDELAYMESSAGE() { return State().delayMessage; }

void InitAcadUnit() {
    WaitState& s = State();
    if (s.users++ > 0) return;
    s.delayMessage = desk::RegisterWindowMessage("CM_PLOTWDELAYMESSAGE");
    s.proc = DefaultWaitProc;
}

void DoneAcadUnit() {
    WaitState& s = State();
    if (s.users == 0 || --s.users > 0) return;
    s.proc = nullptr;
}

} // namespace pellix
