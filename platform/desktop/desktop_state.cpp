#include "platform/desktop/desktop_state.h"

#include "platform/desktop/files.h"
#include "platform/desktop/message.h"

#include <algorithm>
#include <thread>
#include <unistd.h>

namespace desk::detail {

namespace {

// What the calling system thread is doing on the desktop.
struct OsThreadContext {
    DWORD own = 0;             // the desktop thread this system thread is
    std::vector<DWORD> acting; // desktop threads whose code runs here now, innermost last
    DWORD lastError = 0;
    ~OsThreadContext();
};

thread_local OsThreadContext context;

OsThreadContext::~OsThreadContext() {
    if (own == 0) return;
    State& s = S();
    Lock lk(s.m);
    auto it = s.threads.find(own);
    if (it == s.threads.end()) return;
    it->second->alive = false;
    for (auto& sent : it->second->sent) sent->done = true;
    it->second->sent.clear();
    s.cv.notify_all();
}

State* MakeState() {
    auto* s = new State;
    auto host = std::make_shared<Process>();
    host->id = NewId();
    host->host = true;
    host->started = true;
    ResetHostProcess(*host);
    s->hostProcess = host->id;
    s->processes[host->id] = host;
    return s;
}

// Handles the oldest message sent to the thread from another thread; false when none waits.
bool TakeOneSent(Lock& lk, Thread& t) {
    State& s = S();
    if (t.sent.empty()) return false;
    auto sent = t.sent.front();
    t.sent.pop_front();
    lk.unlock();
    LRESULT result = 0;
    try {
        result = Deliver(sent->hwnd, sent->message, sent->wParam, sent->lParam,
                         sent->notify ? testing::LoggedMessage::How::Notified : testing::LoggedMessage::How::Sent);
    } catch (...) {
        lk.lock();
        sent->done = true;
        s.cv.notify_all();
        throw;
    }
    lk.lock();
    sent->result = result;
    sent->done = true;
    s.cv.notify_all();
    return true;
}

bool RunHooks(Lock& lk) {
    State& s = S();
    if (s.inHooks) return false;
    s.inHooks = true;
    bool ran = false;
    try {
        for (;;) {
            auto due = std::min_element(s.scheduled.begin(), s.scheduled.end(), [](const auto& a, const auto& b) {
                return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
            });
            if (due == s.scheduled.end() || due->tick > Now(s)) break;
            auto action = std::move(due->action);
            s.scheduled.erase(due);
            lk.unlock();
            action();
            lk.lock();
            ran = true;
        }
        if (s.idleHook) {
            auto hook = s.idleHook;
            lk.unlock();
            hook();
            lk.lock();
        }
        if (s.frameworkPump && !s.inFrameworkPump) {
            auto pump = s.frameworkPump;
            s.inFrameworkPump = true;
            lk.unlock();
            pump();
            lk.lock();
            s.inFrameworkPump = false;
        }
    } catch (...) {
        if (!lk.owns_lock()) lk.lock();
        s.inHooks = false;
        s.inFrameworkPump = false;
        throw;
    }
    s.inHooks = false;
    return ran;
}

// One piece of work of one started thread; false when it has none.
bool ServeOne(Lock& lk, const std::shared_ptr<Thread>& t) {
    State& s = S();
    if (!t->alive || t->busy > 0) return false;
    auto p = s.processes.at(t->processId);
    if (!p->started) {
        p->started = true;
        auto entry = p->entry;
        auto start = p->start;
        lk.unlock();
        {
            ThreadScope scope(t->id);
            if (entry) entry(start);
        }
        lk.lock();
        return true;
    }
    if (TakeOneSent(lk, *t)) return true;
    if (!t->posted.empty()) {
        MSG msg = t->posted.front();
        t->posted.pop_front();
        if (msg.message == WM_QUIT) {
            EndProcess(lk, t->processId, static_cast<DWORD>(msg.wParam));
            return true;
        }
        lk.unlock();
        DispatchMessage(&msg);
        lk.lock();
        return true;
    }
    if (t->quit) {
        EndProcess(lk, t->processId, static_cast<DWORD>(t->quitCode));
        return true;
    }
    const std::uint64_t now = Now(s);
    for (auto& timer : t->timers) {
        if (timer.due > now) continue;
        timer.due = now + timer.period;
        MSG msg{ToHwnd(timer.hwnd), WM_TIMER, timer.id, 0, static_cast<DWORD>(now), s.cursor};
        lk.unlock();
        DispatchMessage(&msg);
        lk.lock();
        return true;
    }
    return false;
}

} // namespace

void ResetHostProcess(Process& host) {
    host.startFlags = STARTF_USESHOWWINDOW;
    host.showWindow = SW_SHOWNORMAL;
    host.environment = {{"PATH", "C:\\WINDOWS\\SYSTEM32;C:\\WINDOWS"},
                        {"SystemRoot", "C:\\WINDOWS"},
                        {"TEMP", "C:\\WINDOWS\\TEMP"},
                        {"TMP", "C:\\WINDOWS\\TEMP"},
                        {"windir", "C:\\WINDOWS"}};
    std::error_code ec;
    host.currentDirectory = FromNativePath(std::filesystem::current_path(ec));
    if (host.currentDirectory.empty()) host.currentDirectory = "C:\\WINDOWS";
    host.start.imagePath = FromNativePath(std::filesystem::read_symlink("/proc/self/exe", ec));
    host.start.processId = host.id;
    host.atExit.clear();
}

State& S() {
    static State* state = MakeState();
    return *state;
}

pid_t OsThread() { return gettid(); }

bool OnMainOsThread() { return gettid() == getpid(); }

std::uint32_t NewHandleValue() {
    // Called with the state's lock held or not: an atomic counter of its own.
    static std::atomic<std::uint32_t> next{0x10010};
    return next.fetch_add(2);
}

DWORD NewId() {
    static std::atomic<DWORD> next{0x108};
    return next.fetch_add(4);
}

std::uint64_t Now(const State& s) {
    if (s.virtualClock) return s.virtualNow;
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - s.realStart).count());
}

std::shared_ptr<Thread> CurrentThread(Lock&) {
    State& s = S();
    DWORD id = context.acting.empty() ? context.own : context.acting.back();
    if (id == 0) {
        auto t = std::make_shared<Thread>();
        t->id = NewId();
        t->processId = s.hostProcess;
        t->osThread = OsThread();
        s.threads[t->id] = t;
        context.own = t->id;
        return t;
    }
    return s.threads.at(id);
}

void BecomeThread(DWORD threadId) {
    context.own = threadId;
    State& s = S();
    Lock lk(s.m);
    s.threads.at(threadId)->osThread = OsThread();
}

std::shared_ptr<Process> CurrentProcess(Lock& lk) {
    auto t = CurrentThread(lk);
    return S().processes.at(t->processId);
}

std::shared_ptr<Window> FindWindowRecord(const State& s, HWND hwnd) {
    auto it = s.windows.find(IdOf(hwnd));
    if (it == s.windows.end()) return nullptr;
    return it->second;
}

void Wake(Lock& lk, const Thread& t) {
    State& s = S();
    s.cv.notify_all();
    const bool toMain = t.hosted || t.osThread == getpid();
    if (!toMain || !s.wakeMainThread || s.wakePending) return;
    s.wakePending = true;
    auto wake = s.wakeMainThread;
    lk.unlock();
    wake();
    lk.lock();
}

LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, testing::LoggedMessage::How how) {
    State& s = S();
    WNDPROC proc;
    DWORD thread = 0;
    {
        Lock lk(s.m);
        auto w = FindWindowRecord(s, hwnd);
        if (!w) return 0;
        proc = w->proc;
        thread = w->threadId;
        if (w->logging) {
            testing::LoggedMessage entry{message, wParam, lParam, how, static_cast<DWORD>(Now(s)), {}};
            if (message == WM_COPYDATA && lParam != 0) {
                const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
                entry.data.assign(static_cast<const char*>(cds->lpData), cds->cbData);
            }
            w->log.push_back(std::move(entry));
        }
    }
    ThreadScope scope(thread);
    return proc ? proc(hwnd, message, wParam, lParam) : DefWindowProc(hwnd, message, wParam, lParam);
}

bool TakeSentMessages(Lock& lk, Thread& t) {
    bool any = false;
    while (TakeOneSent(lk, t)) any = true;
    return any;
}

bool ServeHosted(Lock& lk) {
    if (!OnMainOsThread()) return false;
    State& s = S();
    bool any = RunHooks(lk);
    for (int round = 0; round < 1000; ++round) {
        std::vector<std::shared_ptr<Thread>> hosted;
        for (auto& [id, t] : s.threads)
            if (t->hosted && t->alive) hosted.push_back(t);
        bool work = false;
        for (auto& t : hosted) work = ServeOne(lk, t) || work;
        if (!work) break;
        any = true;
    }
    if (any) {
        ++s.hostedWork;
        s.cv.notify_all(); // a worker may wait for one of them to become idle
    }
    return any;
}

std::optional<std::uint64_t> NextEvent(const State& s) {
    const std::uint64_t now = Now(s);
    std::optional<std::uint64_t> next;
    auto consider = [&](std::uint64_t tick) {
        if (tick > now && (!next || tick < *next)) next = tick;
    };
    for (const auto& a : s.scheduled) consider(a.tick);
    const pid_t main = getpid();
    for (const auto& [id, t] : s.threads) {
        if (!t->alive || !(t->hosted || t->osThread == main)) continue;
        for (const auto& timer : t->timers) consider(timer.due);
    }
    return next;
}

bool WaitUntil(Lock& lk, const std::function<bool()>& ready, DWORD timeoutMs, bool ownSent) {
    State& s = S();
    const bool main = OnMainOsThread();
    std::optional<std::uint64_t> deadline;
    if (timeoutMs != INFINITE) deadline = Now(s) + timeoutMs;
    for (;;) {
        bool worked = false;
        if (ownSent) worked = TakeSentMessages(lk, *CurrentThread(lk));
        if (main) worked = ServeHosted(lk) || worked;
        if (ready()) return true;
        if (worked) continue;
        const std::uint64_t now = Now(s);
        if (deadline && now >= *deadline) return false;
        std::optional<std::uint64_t> until = deadline;
        if (main) {
            auto next = NextEvent(s);
            if (next && (!until || *next < *until)) until = next;
        }
        if (s.virtualClock) {
            if (until) {
                // Nothing can happen before then: the virtual clock jumps there.
                s.virtualNow = std::max(s.virtualNow, *until);
                if (!main) {
                    lk.unlock();
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    lk.lock();
                }
                continue;
            }
            // Only another system thread can change anything now.
            s.cv.wait_for(lk, std::chrono::milliseconds(10));
            continue;
        }
        auto slice = std::chrono::milliseconds(until ? *until - now : 1000);
        if (main && s.frameworkPump) slice = std::min(slice, std::chrono::milliseconds(10));
        s.cv.wait_for(lk, slice);
    }
}

void Notify(Lock& lk, DWORD hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    lk.unlock();
    SendNotifyMessage(ToHwnd(hwnd), message, wParam, lParam);
    lk.lock();
}

void EndProcess(Lock& lk, DWORD processId, DWORD exitCode) {
    State& s = S();
    auto it = s.processes.find(processId);
    if (it == s.processes.end()) return;
    auto p = it->second;
    if (p->host || p->exited) return;
    p->exited = true;
    p->exitCode = exitCode;
    std::vector<DWORD> own;
    for (DWORD id : s.topLevel) {
        auto w = s.windows.at(id);
        if (s.threads.at(w->threadId)->processId == processId) own.push_back(id);
    }
    for (DWORD id : own) DestroyWindowTree(lk, id, true);
    auto t = s.threads.at(p->mainThread);
    t->alive = false;
    t->posted.clear();
    t->timers.clear();
    t->quit = false;
    for (auto& sent : t->sent) sent->done = true;
    t->sent.clear();
    auto actions = std::move(p->atExit);
    p->atExit.clear();
    lk.unlock();
    {
        ThreadScope scope(t->id);
        for (auto& action : actions) action();
    }
    CloseFilesOfProcess(processId);
    lk.lock();
    s.cv.notify_all();
}

} // namespace desk::detail

namespace desk {

using namespace detail;

DWORD GetLastError() { return context.lastError; }

void SetLastError(DWORD code) { context.lastError = code; }

ThreadScope::ThreadScope(DWORD threadId) {
    context.acting.push_back(threadId);
    State& s = S();
    Lock lk(s.m);
    auto it = s.threads.find(threadId);
    if (it != s.threads.end()) ++it->second->busy;
}

ThreadScope::~ThreadScope() {
    State& s = S();
    {
        Lock lk(s.m);
        auto it = s.threads.find(context.acting.back());
        if (it != s.threads.end()) --it->second->busy;
    }
    context.acting.pop_back();
}

} // namespace desk
