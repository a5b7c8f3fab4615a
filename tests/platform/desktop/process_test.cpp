#include "desktop_fixture.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

using namespace desk;

namespace {

constexpr const char* kExe = "C:\\Program Files\\ACME\\ACME.EXE";

// What a started program saw and did; shared with its entry and its window procedure.
struct Program {
    ProcessStart start;
    std::string module;
    std::string path;
    HWND frame = nullptr;
    std::vector<UINT> handled;
    HANDLE lock = nullptr;
};

// Installs ACME.EXE: its main frame quits the program when destroyed and holds ACME.LCK open.
std::shared_ptr<Program> InstallProgram() {
    CreateDirectory("C:\\Program Files\\ACME", nullptr);
    HANDLE h = CreateFile(kExe, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    auto program = std::make_shared<Program>();
    RegisterProgramImage(kExe, [program](const ProcessStart& start) {
        program->start = start;
        char buffer[MAX_PATH];
        GetModuleFileName(nullptr, buffer, MAX_PATH);
        program->module = buffer;
        const DWORD n = GetEnvironmentVariable("PATH", buffer, MAX_PATH);
        program->path = std::string(buffer, n);
        SetEnvironmentVariable("PATH", "changed by the program");
        program->lock = CreateFile("C:\\Program Files\\ACME\\ACME.LCK", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_ALWAYS, 0, nullptr);
        program->frame = CreateWindowEx(0, "Static", "ACME", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                        [program](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                                            program->handled.push_back(msg);
                                            if (msg == WM_DESTROY) PostQuitMessage(4);
                                            if (msg == WM_TIMER) return 0;
                                            return DefWindowProc(h, msg, w, l);
                                        });
    });
    return program;
}

PROCESS_INFORMATION Start(const char* commandLine, const char* folder = nullptr, WORD show = SW_SHOWMINNOACTIVE) {
    STARTUPINFO si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = show;
    PROCESS_INFORMATION pi;
    EXPECT_TRUE(CreateProcess(nullptr, commandLine, nullptr, nullptr, false, 0x04000220, nullptr, folder, &si, &pi));
    return pi;
}

} // namespace

TEST_F(DesktopTest, StartedProgramRunsWhenTheCallerWaitsAndGetsItsStartInformation) {
    auto program = InstallProgram();
    SetEnvironmentVariable("PATH", "C:\\SHARED;C:\\WINDOWS");
    const auto pi = Start("\"C:\\PROGRA~1\\acme\\acme.exe\" -p demo", "c:\\program files\\acme");
    EXPECT_EQ(program->frame, nullptr); // not before the caller waits or pumps

    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 300), WAIT_TIMEOUT);
    EXPECT_EQ(GetTickCount(), 300u);
    ASSERT_NE(program->frame, nullptr);
    EXPECT_EQ(program->start.commandLine, "\"C:\\PROGRA~1\\acme\\acme.exe\" -p demo");
    EXPECT_EQ(program->start.imagePath, kExe);
    EXPECT_EQ(program->module, kExe);
    EXPECT_EQ(program->start.currentDirectory, "C:\\Program Files\\ACME");
    EXPECT_EQ(program->start.showWindow, SW_SHOWMINNOACTIVE);
    EXPECT_EQ(program->path, "C:\\SHARED;C:\\WINDOWS"); // the caller's environment, copied
    char buffer[64];
    EXPECT_EQ(GetEnvironmentVariable("path", buffer, sizeof buffer), 20u);
    EXPECT_EQ(GetEnvironmentVariable("PATH", buffer, 5), 21u); // too small: the size needed

    DWORD pid = 0;
    EXPECT_EQ(GetWindowThreadProcessId(program->frame, &pid), pi.dwThreadId);
    EXPECT_EQ(pid, pi.dwProcessId);
    std::vector<HWND> windows;
    EnumThreadWindows(
        pi.dwThreadId, [&](HWND h, LPARAM) { return windows.push_back(h), true; }, 0);
    EXPECT_EQ(windows, std::vector<HWND>{program->frame});
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    TerminateProcess(pi.hProcess, 1);
}

TEST_F(DesktopTest, ProgramEndsWithItsWindowsAndFilesAndSignalsItsHandle) {
    auto program = InstallProgram();
    const auto pi = Start(kExe);
    ASSERT_EQ(WaitForInputIdle(pi.hProcess, INFINITE), 0u);
    // While it runs, its lock file can be neither opened again nor deleted.
    EXPECT_EQ(CreateFile("C:\\Program Files\\ACME\\ACME.LCK", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(DeleteFile("C:\\Program Files\\ACME\\ACME.LCK"));

    EXPECT_TRUE(SendNotifyMessage(program->frame, WM_CLOSE, 0, 0)); // queued for the program's thread
    EXPECT_TRUE(IsWindow(program->frame));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(pi.hThread, 0), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 4u);
    EXPECT_FALSE(IsWindow(program->frame));
    EXPECT_EQ(WaitForInputIdle(pi.hProcess, 0), WAIT_FAILED);
    EXPECT_TRUE(DeleteFile("C:\\Program Files\\ACME\\ACME.LCK"));
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_FALSE(CloseHandle(pi.hProcess));
}

TEST_F(DesktopTest, WaitForInputIdleReturnsOnceTheProgramHasHandledItsMessages) {
    auto program = InstallProgram();
    const auto pi = Start(kExe);
    WaitForInputIdle(pi.hProcess, INFINITE);
    program->handled.clear();
    PostMessage(program->frame, WM_USER, 0, 0);
    PostMessage(program->frame, WM_USER + 1, 0, 0);
    SendNotifyMessage(program->frame, WM_USER + 2, 0, 0);
    EXPECT_EQ(WaitForInputIdle(pi.hProcess, INFINITE), 0u);
    EXPECT_EQ(program->handled, (std::vector<UINT>{WM_USER + 2, WM_USER, WM_USER + 1})); // sent before posted
    EXPECT_EQ(GetTickCount(), 0u);                                                       // no time had to pass

    // The program's timers run while the caller sleeps.
    SetTimer(program->frame, 9, 100);
    program->handled.clear();
    Sleep(350);
    EXPECT_EQ(program->handled, (std::vector<UINT>{WM_TIMER, WM_TIMER, WM_TIMER}));
    TerminateProcess(pi.hProcess, 0);
}

TEST_F(DesktopTest, StartFailuresAndTheSearchAlongPath) {
    auto program = InstallProgram();
    HANDLE h = CreateFile("C:\\WINDOWS\\PLAIN.EXE", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    PROCESS_INFORMATION pi;
    struct Case {
        const char* commandLine;
        DWORD error;
    };
    const Case failures[] = {
        {"C:\\NOWHERE\\MISSING.EXE", ERROR_FILE_NOT_FOUND},
        {"PLAIN", ERROR_BAD_EXE_FORMAT}, // found in the Windows folder, but no program image
        {"ACME", ERROR_FILE_NOT_FOUND},  // not along PATH yet
        {"", ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : failures) {
        EXPECT_FALSE(CreateProcess(nullptr, c.commandLine, nullptr, nullptr, false, 0, nullptr, nullptr, nullptr, &pi))
            << c.commandLine;
        EXPECT_EQ(GetLastError(), c.error) << c.commandLine;
    }
    SetEnvironmentVariable("PATH", "C:\\WINDOWS;\"C:\\Program Files\\ACME\"");
    ASSERT_TRUE(CreateProcess(nullptr, "acme -x", nullptr, nullptr, false, 0, nullptr, nullptr, nullptr, &pi));
    WaitForInputIdle(pi.hProcess, INFINITE);
    EXPECT_EQ(program->start.imagePath, kExe);
    EXPECT_EQ(program->start.showWindow, SW_SHOWDEFAULT); // no show state was given
    TerminateProcess(pi.hProcess, 0);
}

TEST_F(DesktopTest, AWorkerTypesIntoTheProgramWhileTheHostLoopServesTheMainThread) {
    auto program = InstallProgram();
    const auto pi = Start(kExe);
    WaitForInputIdle(pi.hProcess, INFINITE);
    std::atomic<int> wakes{0};
    SetMainThreadWakeHandler([&] { ++wakes; });
    std::atomic<bool> done{false};
    LRESULT answer = -1;
    DWORD idle = 1;
    std::thread worker([&] {
        char text[] = "_iD\r";
        COPYDATASTRUCT cds{1, sizeof text, text};
        answer = SendMessage(program->frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
        PostMessage(program->frame, WM_CHAR, 'x', 0x004F0001);
        idle = WaitForInputIdle(pi.hProcess, INFINITE);
        done = true;
    });
    // The host's event loop: it runs DispatchPending whenever it has been woken.
    while (!done) {
        if (wakes > 0) {
            wakes = 0;
            DispatchPending();
        }
        std::this_thread::yield();
    }
    worker.join();
    SetMainThreadWakeHandler(nullptr);
    EXPECT_EQ(answer, 0); // DefWindowProc's answer
    EXPECT_EQ(idle, 0u);
    const std::vector<UINT> tail(program->handled.end() - 2, program->handled.end());
    EXPECT_EQ(tail, (std::vector<UINT>{WM_COPYDATA, WM_CHAR}));
    TerminateProcess(pi.hProcess, 0);
}

// A handler the host loop dispatches may wait (the program's pick loop in a timer's event):
// the host framework's events, the user's clicks among them, go on being served meanwhile,
// also when the framework itself ran the dispatch from inside such a wait.
TEST_F(DesktopTest, AHandlerThatWaitsKeepsTheHostFrameworkServed) {
    int pumps = 0;
    bool dispatchFromPump = false;
    SetMainThreadFrameworkPump([&] {
        ++pumps;
        if (std::exchange(dispatchFromPump, false)) DispatchPending();
    });
    std::vector<int> pumpsWhileWaiting;
    HWND own = CreateWindowEx(0, "Static", "host", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                              [&](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                                  if (msg != WM_USER) return DefWindowProc(h, msg, w, l);
                                  // The first wait lets the framework run the next dispatch inside it.
                                  dispatchFromPump = w == 1;
                                  if (w == 1) PostMessage(h, WM_USER, 0, 0);
                                  const int before = pumps;
                                  Sleep(50);
                                  pumpsWhileWaiting.push_back(pumps - before);
                                  return 0;
                              });
    PostMessage(own, WM_USER, 1, 0);
    DispatchPending();
    SetMainThreadFrameworkPump(nullptr);
    ASSERT_EQ(pumpsWhileWaiting.size(), 2u);
    EXPECT_GT(pumpsWhileWaiting[0], 0); // the inner wait, inside the framework's pump
    EXPECT_GT(pumpsWhileWaiting[1], 0); // the outer wait, dispatched by the host loop
}

TEST_F(DesktopTest, ActiveAndFocusWindowsOfAnotherThreadShowOnceInputIsAttached) {
    auto program = InstallProgram();
    const auto pi = Start(kExe);
    WaitForInputIdle(pi.hProcess, INFINITE);
    HWND own = Make("host window");
    SetForegroundWindow(own);
    EXPECT_EQ(GetActiveWindow(), own);
    ASSERT_TRUE(SetForegroundWindow(program->frame));
    EXPECT_EQ(GetForegroundWindow(), program->frame);
    EXPECT_EQ(GetActiveWindow(), nullptr); // another thread's input state
    EXPECT_EQ(GetFocus(), nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), pi.dwThreadId, true));
    EXPECT_EQ(GetActiveWindow(), program->frame);
    EXPECT_EQ(GetFocus(), program->frame);
    EXPECT_TRUE(AttachThreadInput(GetCurrentThreadId(), pi.dwThreadId, false));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    // The program hears of its activation when it next runs.
    program->handled.clear();
    WaitForInputIdle(pi.hProcess, INFINITE);
    EXPECT_NE(std::find(program->handled.begin(), program->handled.end(), WM_ACTIVATE), program->handled.end());
    TerminateProcess(pi.hProcess, 0);
}

TEST_F(DesktopTest, WaitingForAWorkerThreadKeepsTheProgramsItTypesIntoRunning) {
    auto program = InstallProgram();
    const auto pi = Start(kExe);
    WaitForInputIdle(pi.hProcess, INFINITE);
    DWORD workerId = 0;
    HANDLE worker = CreateThread(
        nullptr, 0,
        [&]() -> DWORD {
            Sleep(100);
            return static_cast<DWORD>(SendMessage(program->frame, WM_GETTEXTLENGTH, 0, 0));
        },
        0, &workerId);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(worker, &code));
    EXPECT_NE(workerId, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(worker, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeThread(worker, &code));
    EXPECT_EQ(code, 4u); // "ACME"
    EXPECT_TRUE(CloseHandle(worker));
    EXPECT_EQ(WaitForSingleObject(pi.hThread, 0), WAIT_TIMEOUT);
    TerminateProcess(pi.hProcess, 7);
    EXPECT_EQ(WaitForSingleObject(pi.hThread, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeThread(pi.hThread, &code));
    EXPECT_EQ(code, 7u);
}

TEST_F(DesktopTest, AThreadIsSeenToEndOnlyOnceItsRoutineIsGone) {
    // The routine's captures stand for its code: a library may be unloaded as soon as the
    // thread is seen to end, so they must be destroyed before then.
    std::atomic<bool> destroyed{false};
    std::shared_ptr<int> capture(new int(0), [&destroyed](int* p) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        delete p;
        destroyed = true;
    });
    HANDLE worker = CreateThread(
        nullptr, 0,
        [capture]() -> DWORD {
            std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the caller lets go first
            return 0;
        },
        0, nullptr);
    capture.reset();
    EXPECT_EQ(WaitForSingleObject(worker, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(destroyed);
    CloseHandle(worker);
}
