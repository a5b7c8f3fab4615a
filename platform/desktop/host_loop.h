#pragma once
// How the host's own event loop (Qt's, in the program) keeps the desktop running on the main
// thread: it is told when something waits there and serves it.
#include "platform/desktop/types.h"

#include <functional>

namespace desk {

// Called, from any system thread (the main one too), when a message, a sent message, a timer or
// a process start waits for the main thread; not again until DispatchPending has run. The
// handler should arrange for DispatchPending to run there soon (a queued call, say).
void SetMainThreadWakeHandler(std::function<void()> wake);

// On the main thread: runs the started processes' pending work (their messages and due
// timers) and dispatches the calling thread's own sent and posted messages and due timers.
// Returns the milliseconds until the next timer is due, INFINITE when none runs.
DWORD DispatchPending();

// Lets the host framework handle its own pending events (input to the started programs' widgets)
// whenever the main thread waits inside the desktop, so those programs answer while a caller
// waits for them.
void SetMainThreadFrameworkPump(std::function<void()> pump);

} // namespace desk
