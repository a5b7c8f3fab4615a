#include "platform/desktop/host_loop.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/message.h"

#include <utility>

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

namespace {

// Sets the guards that keep the host framework and the hooks from being entered again, for
// the scope.
class GuardScope {
public:
    GuardScope(bool pumping, bool inHooks) {
        Lock lk(S().m);
        wasPumping_ = std::exchange(S().inFrameworkPump, pumping);
        wasInHooks_ = std::exchange(S().inHooks, inHooks);
    }
    ~GuardScope() {
        Lock lk(S().m);
        S().inFrameworkPump = wasPumping_;
        S().inHooks = wasInHooks_;
    }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool wasPumping_ = false, wasInHooks_ = false;
};

} // namespace

DWORD DispatchPending() {
    State& s = S();
    bool inHooks = false;
    {
        Lock lk(s.m);
        s.wakePending = false;
        inHooks = s.inHooks;
    }
    MSG msg;
    for (int i = 0; i < 1000; ++i) {
        {
            // Called from the framework's own loop: its events are being handled already.
            GuardScope taking(true, inHooks);
            if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) break;
        }
        if (msg.message == WM_QUIT) continue;
        // A handler that waits (a pick loop, a modal wait) is a message loop of its own: the
        // framework's events, the user's input among them, are served while it waits.
        GuardScope handling(false, false);
        DispatchMessage(&msg);
    }
    Lock lk(s.m);
    auto next = NextEvent(s);
    return next ? static_cast<DWORD>(*next - Now(s)) : INFINITE;
}
} // namespace desk
