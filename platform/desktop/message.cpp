#include "platform/desktop/message.h"

#include "platform/desktop/desktop_state.h"

#include <algorithm>

namespace desk {

using namespace detail;
using How = testing::LoggedMessage::How;

namespace {

// A thread is served by the calling system thread when its code runs here: the caller's own
// threads, and the started processes' threads on the main system thread.
bool RunsHere(const Thread& t) { return t.hosted ? OnMainOsThread() : t.osThread == OsThread(); }

bool Matches(const MSG& m, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd && m.hwnd != hwnd) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return m.message >= filterMin && m.message <= filterMax;
}

// The data of a WM_COPYDATA as the receiving process gets it: its own copy.
struct CopiedData {
    COPYDATASTRUCT cds;
    std::vector<char> bytes;
};

} // namespace

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    CopiedData copy;
    if (msg == WM_COPYDATA && lParam != 0) {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const char* from = static_cast<const char*>(cds->lpData);
        copy.bytes.assign(from, from + (from ? cds->cbData : 0));
        copy.cds = COPYDATASTRUCT{cds->dwData, cds->cbData, copy.bytes.empty() ? nullptr : copy.bytes.data()};
        lParam = reinterpret_cast<LPARAM>(&copy.cds);
    }
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    auto target = s.threads.at(w->threadId);
    if (RunsHere(*target)) {
        lk.unlock();
        return Deliver(hwnd, msg, wParam, lParam, How::Sent);
    }
    if (!target->alive) return 0;
    auto sent = std::make_shared<SentMessage>(SentMessage{hwnd, msg, wParam, lParam, false, false, 0});
    target->sent.push_back(sent);
    Wake(lk, *target);
    WaitUntil(
        lk, [&] { return sent->done || !target->alive; }, INFINITE, true);
    return sent->done ? sent->result : 0;
}

bool SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    auto target = s.threads.at(w->threadId);
    if (target->id == CurrentThread(lk)->id) {
        lk.unlock();
        Deliver(hwnd, msg, wParam, lParam, How::Notified);
        return true;
    }
    if (!target->alive) return false;
    target->sent.push_back(std::make_shared<SentMessage>(SentMessage{hwnd, msg, wParam, lParam, true, false, 0}));
    Wake(lk, *target);
    return true;
}

namespace {

bool PostTo(Lock& lk, Thread& t, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    if (!t.alive) return false;
    t.posted.push_back(MSG{hwnd, msg, wParam, lParam, static_cast<DWORD>(Now(s)), s.cursor});
    Wake(lk, t);
    return true;
}

} // namespace

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    if (msg == WM_COPYDATA) {
        SetLastError(ERROR_MESSAGE_SYNC_ONLY);
        return false;
    }
    Lock lk(s.m);
    if (!hwnd) return PostTo(lk, *CurrentThread(lk), nullptr, msg, wParam, lParam);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    return PostTo(lk, *s.threads.at(w->threadId), hwnd, msg, wParam, lParam);
}

bool PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    Lock lk(s.m);
    auto it = s.threads.find(threadId);
    if (it == s.threads.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return PostTo(lk, *it->second, nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    State& s = S();
    Lock lk(s.m);
    auto t = CurrentThread(lk);
    t->quit = true;
    t->quitCode = exitCode;
    Wake(lk, *t);
}

namespace {

// The next message of the thread by the platform's priorities, or nothing.
bool TakeMessage(Lock& lk, Thread& t, MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
    State& s = S();
    TakeSentMessages(lk, t);
    auto it = std::find_if(t.posted.begin(), t.posted.end(),
                           [&](const MSG& m) { return Matches(m, hwnd, filterMin, filterMax); });
    if (it != t.posted.end()) {
        *msg = *it;
        if (remove) t.posted.erase(it);
        return true;
    }
    if (t.quit && Matches(MSG{hwnd, WM_QUIT, 0, 0, 0, {}}, hwnd, filterMin, filterMax)) {
        *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(t.quitCode), 0, static_cast<DWORD>(Now(s)), s.cursor};
        if (remove) t.quit = false;
        return true;
    }
    const std::uint64_t now = Now(s);
    for (auto& timer : t.timers) {
        MSG m{ToHwnd(timer.hwnd), WM_TIMER, timer.id, 0, static_cast<DWORD>(now), s.cursor};
        if (timer.due > now || !Matches(m, hwnd, filterMin, filterMax)) continue;
        if (remove) timer.due = now + timer.period;
        *msg = m;
        return true;
    }
    return false;
}

bool HasMessage(const Thread& t, const State& s) {
    if (!t.sent.empty() || !t.posted.empty() || t.quit) return true;
    const std::uint64_t now = Now(s);
    return std::any_of(t.timers.begin(), t.timers.end(), [&](const Timer& timer) { return timer.due <= now; });
}

} // namespace

bool PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    State& s = S();
    Lock lk(s.m);
    auto t = CurrentThread(lk);
    ServeHosted(lk);
    return TakeMessage(lk, *t, msg, hwnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0);
}

bool GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    State& s = S();
    Lock lk(s.m);
    auto t = CurrentThread(lk);
    for (;;) {
        if (TakeMessage(lk, *t, msg, hwnd, filterMin, filterMax, true)) return msg->message != WM_QUIT;
        WaitUntil(
            lk, [&] { return HasMessage(*t, s); }, INFINITE, true);
    }
}

bool WaitForNewMessage(DWORD timeoutMs) {
    State& s = S();
    Lock lk(s.m);
    auto t = CurrentThread(lk);
    // Nothing else takes from the caller's queue while it waits here.
    const std::size_t sent = t->sent.size(), posted = t->posted.size();
    const bool quit = t->quit;
    const std::uint64_t since = Now(s), work = s.hostedWork;
    const auto came = [&] {
        if (t->sent.size() > sent || t->posted.size() > posted || (t->quit && !quit) || s.hostedWork != work)
            return true;
        const std::uint64_t now = Now(s);
        return std::any_of(t->timers.begin(), t->timers.end(),
                           [&](const Timer& timer) { return timer.due > since && timer.due <= now; });
    };
    return WaitUntil(lk, came, timeoutMs, false);
}

bool TranslateMessage(const MSG*) { return false; }

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg->hwnd) return 0;
    return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam, How::Posted);
}

UINT RegisterWindowMessage(const std::string& name) {
    State& s = S();
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string key = name;
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    Lock lk(s.m);
    auto [it, added] = s.registeredMessages.try_emplace(key, s.nextRegisteredMessage);
    if (added) ++s.nextRegisteredMessage;
    return it->second;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
    State& s = S();
    Lock lk(s.m);
    std::shared_ptr<Thread> thread;
    if (hwnd) {
        auto w = FindWindowRecord(s, hwnd);
        if (!w) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        thread = s.threads.at(w->threadId);
    } else {
        thread = CurrentThread(lk);
        id = s.nextTimerId++;
    }
    const UINT period = std::clamp<UINT>(elapseMs, USER_TIMER_MINIMUM, 0x7FFFFFFF);
    const std::uint64_t due = Now(s) + period;
    auto& timers = thread->timers;
    auto it =
        std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == IdOf(hwnd) && t.id == id; });
    if (it != timers.end()) {
        it->period = period;
        it->due = due;
    } else {
        timers.push_back(Timer{IdOf(hwnd), id, period, due});
    }
    Wake(lk, *thread);
    return id == 0 ? 1 : id;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
    State& s = S();
    Lock lk(s.m);
    for (auto& [tid, t] : s.threads) {
        auto& timers = t->timers;
        auto it = std::find_if(timers.begin(), timers.end(),
                               [&](const Timer& tm) { return tm.hwnd == IdOf(hwnd) && tm.id == id; });
        if (it == timers.end()) continue;
        timers.erase(it);
        return true;
    }
    return false;
}

} // namespace desk
