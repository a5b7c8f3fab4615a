#include "platform/desktop/host_loop.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/message.h"

namespace desk {

using namespace detail;

void SetMainThreadWakeHandler(std::function<void()> wake) {
    Lock lk(S().m);
    S().wakeMainThread = std::move(wake);
}

void SetMainThreadFrameworkPump(std::function<void()> pump) {
    Lock lk(S().m);
    S().frameworkPump = std::move(pump);
}

DWORD DispatchPending() {
    State& s = S();
    bool wasPumping = false;
    {
        Lock lk(s.m);
        s.wakePending = false;
        // Called from the framework's own loop: its events are being handled already.
        wasPumping = s.inFrameworkPump;
        s.inFrameworkPump = true;
    }
    struct Restore {
        State& s;
        bool was;
        ~Restore() {
            Lock lk(s.m);
            s.inFrameworkPump = was;
        }
    } restore{s, wasPumping};
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        if (msg.message != WM_QUIT) DispatchMessage(&msg);
    Lock lk(s.m);
    auto next = NextEvent(s);
    return next ? static_cast<DWORD>(*next - Now(s)) : INFINITE;
}
} // namespace desk
