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
    {
        Lock lk(s.m);
        // Called from the framework's own loop: its events are being handled already.
        const bool wasPumping = s.inFrameworkPump;
        s.inFrameworkPump = true;
        try {
            ServeHosted(lk);
        } catch (...) {
            s.inFrameworkPump = wasPumping;
            throw;
        }
        s.inFrameworkPump = wasPumping;
    }
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        if (msg.message != WM_QUIT) DispatchMessage(&msg);
    Lock lk(s.m);
    auto next = NextEvent(s);
    return next ? static_cast<DWORD>(*next - Now(s)) : INFINITE;
}

} // namespace desk
