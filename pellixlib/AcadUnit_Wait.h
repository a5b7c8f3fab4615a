#pragma once
// Waiting on the CAD: one process-wide wait callback, asked at every step of every wait whether
// to go on, and the quit flag that keeps a quit message met while pumping.
#include "platform/desktop/types.h"

#include <functional>

namespace pellix {

// Asked during a wait on the window: leave keepWaiting true to go on waiting.
using TWaitProc = std::function<void(desk::HWND wnd, bool& keepWaiting)>;

// Asks the installed callback (the default one when none is); a callback that raises is
// uninstalled and the wait ends.
bool CallWaitProc(desk::HWND wnd);
// Serves the caller's queue, goes on while the window exists, and waits until its program is idle.
void DefaultWaitProc(desk::HWND wnd, bool& keepWaiting);
void SetWaitProc(TWaitProc proc);
bool HasWaitProc();

// Between two looks of a wait that lasts (the CAD idle at its prompt while the user works):
// rests until a message comes for the calling thread or the CAD has done something, at most a
// few milliseconds, so that the wait does not spin.
void RestBetweenLooks();

// Serves the calling thread's queue; a quit message taken there sets the quit flag.
void IdlePump();
bool QuitMessageMet();
void SetQuitMessageMet(bool met);

// Kept open across a wait: when the outermost one ends, a quit message taken meanwhile is posted
// again, so the host still quits once the wait is over.
class TWaitScope {
public:
    TWaitScope();
    ~TWaitScope();
    TWaitScope(const TWaitScope&) = delete;
    TWaitScope& operator=(const TWaitScope&) = delete;
};

// The registered message "CM_PLOTWDELAYMESSAGE" (0 before InitAcadUnit).
desk::UINT CM_PLOTWDELAYMESSAGE();
// Once per process: registers the message and installs the default wait callback; DoneAcadUnit
// uninstalls the callback when the last user is done.
void InitAcadUnit();
void DoneAcadUnit();

} // namespace pellix
