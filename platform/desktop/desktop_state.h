#pragma once
// The desktop's state behind the functions of this folder: windows, threads with their queues
// and timers, processes, menus, input state and the clock. One instance per process, guarded by
// one mutex. No code outside this folder includes it.
#include "platform/desktop/clock.h"
#include "platform/desktop/process.h"
#include "platform/desktop/testing.h"
#include "platform/desktop/types.h"
#include "platform/desktop/window.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace desk::detail {

using Lock = std::unique_lock<std::mutex>;

struct Window {
    DWORD id = 0;
    std::string className;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD parent = 0; // 0: top-level
    DWORD owner = 0;
    std::vector<DWORD> children; // top of the z-order first
    RECT rect;                   // relative to the parent; screen for top-level windows
    RECT normalRect;             // where a minimised or maximised window returns
    DWORD threadId = 0;
    WNDPROC proc;
    DWORD menu = 0;
    bool destroying = false;
    bool logging = false;
    std::vector<testing::LoggedMessage> log;
};

struct Timer {
    DWORD hwnd = 0;
    UINT_PTR id = 0;
    UINT period = 0;
    std::uint64_t due = 0;
};

struct SentMessage {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool notify = false; // nobody waits for the result
    bool done = false;
    LRESULT result = 0;
};

struct Thread {
    DWORD id = 0;
    DWORD processId = 0;
    bool hosted = false; // a started process's thread: the desktop runs its message loop
    pid_t osThread = 0;
    bool alive = true;
    DWORD exitCode = STILL_ACTIVE;
    int busy = 0; // frames of this thread's code on the stack
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int quitCode = 0;
    std::vector<Timer> timers;
};

struct Process {
    DWORD id = 0;
    DWORD mainThread = 0;
    bool host = false;
    bool started = false;
    bool exited = false;
    DWORD exitCode = STILL_ACTIVE;
    ProcessStart start;
    ImageEntry entry;
    std::vector<std::pair<std::string, std::string>> environment; // in the order set
    std::string currentDirectory;
    WORD showWindow = 1;
    DWORD startFlags = 0;
    std::vector<std::function<void()>> atExit;
};

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    DWORD submenu = 0;
    std::string text;
};

struct Menu {
    std::vector<MenuItem> items;
};

// Kernel objects named by HANDLE values: processes and threads (files live in files.cpp).
struct KernelObject {
    enum class Kind { Process, Thread } kind = Kind::Process;
    DWORD processId = 0;
    DWORD threadId = 0;
};

struct ScheduledAction {
    std::uint64_t tick = 0;
    std::uint64_t order = 0;
    std::function<void()> action;
};

struct State {
    std::mutex m;
    std::condition_variable cv;

    std::map<DWORD, std::shared_ptr<Window>> windows;
    std::vector<DWORD> topLevel;                               // top of the z-order first
    std::map<std::pair<DWORD, std::string>, WNDCLASS> classes; // (process or 0, upper-case name)
    std::map<DWORD, std::shared_ptr<Thread>> threads;
    std::map<DWORD, std::shared_ptr<Process>> processes;
    std::map<DWORD, Menu> menus;
    std::map<std::uint32_t, KernelObject> handles;
    std::map<std::string, ImageEntry> images; // key: lower-case native path
    std::map<std::string, UINT> registeredMessages;
    UINT nextRegisteredMessage = 0xC000;
    UINT_PTR nextTimerId = 0x7FFF0001;
    DWORD hostProcess = 0;
    std::string hostImage;

    DWORD foreground = 0;
    DWORD focus = 0;
    std::set<std::pair<DWORD, DWORD>> attached;
    POINT cursor;
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 1024;
    int beeps = 0;

    bool virtualClock = false;
    std::uint64_t virtualNow = 0;
    std::chrono::steady_clock::time_point realStart = std::chrono::steady_clock::now();

    std::vector<ScheduledAction> scheduled;
    std::uint64_t scheduledCount = 0;
    std::function<void()> idleHook;
    bool inHooks = false;
    std::uint64_t hostedWork = 0; // counts the rounds in which a started program or a scripted action ran
    std::function<void()> wakeMainThread;
    bool wakePending = false; // the wake handler was called and DispatchPending has not run since
    std::function<void()> frameworkPump;
    bool inFrameworkPump = false;
};

State& S();
// The host process as the program starts: its environment, folder and start-up information.
void ResetHostProcess(Process& host);
pid_t OsThread();
bool OnMainOsThread();
std::uint32_t NewHandleValue(); // never the same twice, shared by every kind of handle
DWORD NewId();                  // process and thread ids

std::uint64_t Now(const State& s);
// The calling thread's desktop thread (created on the first call from a system thread).
std::shared_ptr<Thread> CurrentThread(Lock& lk);
std::shared_ptr<Process> CurrentProcess(Lock& lk);
// Makes the calling system thread the given (new) desktop thread.
void BecomeThread(DWORD threadId);
std::shared_ptr<Window> FindWindowRecord(const State& s, HWND hwnd);
inline HWND ToHwnd(DWORD id) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id)); }
inline DWORD IdOf(const void* handle) { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(handle)); }

// Wakes whoever waits for the thread's queue.
void Wake(Lock& lk, const Thread& t);

// Calls the window's procedure as its thread (no lock held by the caller).
LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, testing::LoggedMessage::How how);

// Handles every message sent to thread `t` from another thread.
bool TakeSentMessages(Lock& lk, Thread& t);
// On the main system thread: scripted actions and hooks, then the started processes' work.
bool ServeHosted(Lock& lk);
// Blocks until `ready` holds or the timeout passes, serving the started processes meanwhile
// (main system thread) and moving a virtual clock on. With `ownSent`, messages sent to the
// calling thread are handled while it waits.
bool WaitUntil(Lock& lk, const std::function<bool()>& ready, DWORD timeoutMs, bool ownSent);
// The earliest timer or scripted action of the main system thread's threads.
std::optional<std::uint64_t> NextEvent(const State& s);

// Ends a process: its windows destroyed, its at-exit actions run, its files closed.
void EndProcess(Lock& lk, DWORD processId, DWORD exitCode);
// Destroys the window tree (messages sent when `notify`).
void DestroyWindowTree(Lock& lk, DWORD id, bool notify);

// Moves the window (and the windows it owns) to the top of its band, or places it.
void PlaceInZOrder(State& s, Window& w, HWND insertAfter);
void ActivateWindow(Lock& lk, DWORD id);
void ActivateNextAfter(Lock& lk, DWORD leaving);
// Sends a notification (SendNotifyMessage) with the lock released meanwhile.
void Notify(Lock& lk, DWORD hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Closes the files a process left open (files.cpp).
void CloseFilesOfProcess(DWORD processId);
// Forgets every open file (files.cpp), for a fresh desktop.
void ForgetOpenFiles();
// File and find handles (files.cpp).
bool CloseFileHandle(std::uint32_t value);
bool IsFileHandle(std::uint32_t value);

} // namespace desk::detail
