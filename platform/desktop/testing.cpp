#include "platform/desktop/testing.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/files.h"
#include "platform/desktop/message.h"
#include "platform/desktop/paths.h"
#include "platform/desktop/registry_tree.h"

namespace desk::testing {

using namespace detail;

void Reset(const std::filesystem::path& root) {
    State& s = S();
    {
        Lock lk(s.m);
        std::vector<DWORD> running;
        for (const auto& [id, p] : s.processes)
            if (!p->host && !p->exited) running.push_back(id);
        for (DWORD id : running) EndProcess(lk, id, 0);
        s.windows.clear();
        s.topLevel.clear();
        s.menus.clear();
        s.handles.clear();
        s.images.clear();
        s.classes.clear();
        for (auto it = s.processes.begin(); it != s.processes.end();)
            it = it->second->host ? std::next(it) : s.processes.erase(it);
        for (auto it = s.threads.begin(); it != s.threads.end();) {
            if (it->second->hosted) {
                it = s.threads.erase(it);
                continue;
            }
            auto& t = *it->second;
            t.posted.clear();
            for (auto& sent : t.sent) sent->done = true;
            t.sent.clear();
            t.timers.clear();
            t.quit = false;
            ++it;
        }
        ResetHostProcess(*s.processes.at(s.hostProcess));
        s.foreground = 0;
        s.focus = 0;
        s.attached.clear();
        s.cursor = POINT{};
        s.beeps = 0;
        s.virtualClock = true;
        s.virtualNow = 0;
        s.scheduled.clear();
        s.idleHook = {};
        s.cv.notify_all();
    }
    ForgetOpenFiles();
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    UseDesktopRoot(root);
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> lock(r.m);
    LoadRegistry(r, root);
}

// Switches between the virtual clock of the tests and the real one, the time running on from
// where it stands.
void UseVirtualClock(bool on) {
    State& s = S();
    Lock lk(s.m);
    if (on == s.virtualClock) return;
    const std::uint64_t now = Now(s);
    s.virtualClock = on;
    if (on) s.virtualNow = now;
    else s.realStart = std::chrono::steady_clock::now() - std::chrono::milliseconds(now);
}

void AdvanceClock(DWORD ms) {
    Lock lk(S().m);
    WaitUntil(
        lk, [] { return false; }, ms, false);
}

void RunFor(DWORD ms) {
    State& s = S();
    std::uint64_t end;
    {
        Lock lk(s.m);
        end = Now(s) + ms;
    }
    for (;;) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT) DispatchMessage(&msg);
        Lock lk(s.m);
        const std::uint64_t now = Now(s);
        if (now >= end) return;
        auto t = CurrentThread(lk);
        WaitUntil(
            lk,
            [&] {
                if (!t->posted.empty() || t->quit) return true;
                for (const auto& timer : t->timers)
                    if (timer.due <= Now(s)) return true;
                return false;
            },
            static_cast<DWORD>(end - now), true);
    }
}

void At(DWORD tick, std::function<void()> action) {
    State& s = S();
    Lock lk(s.m);
    s.scheduled.push_back(ScheduledAction{tick, s.scheduledCount++, std::move(action)});
    s.cv.notify_all();
}

void OnIdle(std::function<void()> hook) {
    Lock lk(S().m);
    S().idleHook = std::move(hook);
}

void LogMessages(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    if (auto w = FindWindowRecord(s, hwnd)) w->logging = true;
}

std::vector<LoggedMessage> MessageLog(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    return w ? w->log : std::vector<LoggedMessage>{};
}

void ReloadRegistry() {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> lock(r.m);
    LoadRegistry(r, DesktopRoot());
}

int BeepCount() {
    Lock lk(S().m);
    return S().beeps;
}

} // namespace desk::testing
