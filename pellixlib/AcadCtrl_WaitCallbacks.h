#pragma once
// The process-wide list of wait callbacks: while the library waits on a CAD window, every
// callback registered for that window is asked whether to keep waiting. And the two wait
// procedures between which the controls' InterMode chooses.
#include "platform/desktop/types.h"

#include <functional>

namespace pellix {

using TWaitCallback = std::function<void(desk::HWND window, bool& keepWaiting)>;

// Appends an entry; `owner` names who registered it (for RemoveOwnerWaitCallbacks).
void AddWaitCallback(desk::HWND window, TWaitCallback handler, const void* owner = nullptr);
// Removes every entry of the window.
void RemoveWaitCallbacks(desk::HWND window);
// Removes every entry that `owner` registered, whatever its window.
void RemoveOwnerWaitCallbacks(const void* owner);
// Calls the entries of the window in list order with the answer so far, pass after pass, until
// the answer is true or a pass began with false (that pass's answer stands). True when none.
bool CheckWaitCallbacks(desk::HWND window);
void FreeWaitCallbacks();
int WaitCallbackCount();

// Serves the UI thread's messages, asks the callbacks, then waits for the window's process to
// be idle. KeepWaiting needs the callbacks' yes, the library still loaded and the window alive.
void WaitProcMessages(desk::HWND window, bool& keepWaiting);
// The same without serving messages: the host's UI does not answer meanwhile.
void WaitProcIdle(desk::HWND window, bool& keepWaiting);
// Makes one of the two the engine's process-wide wait procedure.
void ChooseWaitProc(bool interMode);

} // namespace pellix
