#pragma once
// Processes and threads. The program itself is the host process; every system thread that
// calls the desktop is one of its threads. Other processes are started from registered program
// images: an image is an executable file on a virtual drive together with the entry function
// that the desktop calls, on the main system thread, when the started process first runs. The
// process's main thread is a desktop thread of its own whose messages the desktop takes (its
// message loop) whenever the main system thread waits, sleeps or pumps; its windows live on
// the main system thread like every widget. The process ends by ExitProcess, by WM_QUIT
// reaching its thread, or by TerminateProcess; its windows are destroyed and its files closed.
#include "platform/desktop/types.h"

#include <string>

namespace desk {

constexpr DWORD STILL_ACTIVE = 259;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr DWORD SYNCHRONIZE = 0x00100000;
constexpr DWORD PROCESS_QUERY_INFORMATION = 0x0400;
constexpr DWORD PROCESS_TERMINATE = 0x0001;
constexpr DWORD PROCESS_ALL_ACCESS = 0x001F0FFF;
constexpr DWORD STARTF_USESHOWWINDOW = 0x00000001;
constexpr DWORD CREATE_NEW_PROCESS_GROUP = 0x00000200;
constexpr DWORD NORMAL_PRIORITY_CLASS = 0x00000020;
constexpr DWORD CREATE_DEFAULT_ERROR_MODE = 0x04000000;

struct STARTUPINFO {
    DWORD cb = sizeof(STARTUPINFO);
    DWORD dwFlags = 0;
    WORD wShowWindow = 0;
};

struct PROCESS_INFORMATION {
    HANDLE hProcess = nullptr;
    HANDLE hThread = nullptr;
    DWORD dwProcessId = 0;
    DWORD dwThreadId = 0;
};

// What a started process is given.
struct ProcessStart {
    DWORD processId = 0;
    DWORD threadId = 0;
    std::string imagePath;        // the executable, long form
    std::string commandLine;      // as passed to CreateProcess
    std::string currentDirectory; // without trailing backslash except a drive root
    int showWindow = 10;          // STARTUPINFO's wShowWindow with STARTF_USESHOWWINDOW, else SW_SHOWDEFAULT
};
using ImageEntry = std::function<void(const ProcessStart&)>;

// Makes the executable at `path` startable; the file itself must exist when it is started.
// Registering a path again replaces its entry.
void RegisterProgramImage(const std::string& path, ImageEntry entry);

// The module is taken from `applicationName`, else from the command line: its quoted first
// word, or the shortest run of its words that names an executable; without a folder it is looked for in the current folder, the System and
// Windows folders and along PATH, with ".EXE" added when it has no extension. Fails with
// ERROR_FILE_NOT_FOUND (no such file) or ERROR_BAD_EXE_FORMAT (no image registered for it).
// `environment` is a block of "NAME=value" strings ending with an empty one; none: a copy of
// the caller's. The process starts the next time the main system thread waits or pumps.
bool CreateProcess(const char* applicationName, const char* commandLine, const void* processAttributes,
                   const void* threadAttributes, bool inheritHandles, DWORD creationFlags, const char* environment,
                   const char* currentDirectory, const STARTUPINFO* startupInfo,
                   PROCESS_INFORMATION* processInformation);
// The host's own start-up information: show state SW_SHOWNORMAL with STARTF_USESHOWWINDOW, as
// a program started from the shell has it; a started process gets what it was given.
void GetStartupInfo(STARTUPINFO* startupInfo);

DWORD GetCurrentProcessId();
// The desktop thread the caller runs as: inside a started process's code, that process's
// thread; otherwise the id the calling system thread was given on its first call.
DWORD GetCurrentThreadId();
HANDLE OpenProcess(DWORD access, bool inheritHandle, DWORD processId);
bool GetExitCodeProcess(HANDLE process, DWORD* exitCode);
bool TerminateProcess(HANDLE process, UINT exitCode);
// Ends the calling process (a started one; the host cannot end itself this way). The caller's
// handler returns normally afterwards.
void ExitProcess(UINT exitCode);
// Runs when the calling process ends, after its windows are destroyed.
void AtProcessExit(std::function<void()> action);

// Starts a system thread that is a new desktop thread of the calling process (a worker); its
// handle is signalled when `start` returns, with its result as the exit code. Waiting for it
// with WaitForSingleObject on the main thread keeps the started programs running, so a worker
// that is typing into one of them can finish.
using THREAD_START_ROUTINE = std::function<DWORD()>;
HANDLE CreateThread(const void* securityAttributes, std::size_t stackSize, THREAD_START_ROUTINE start,
                    DWORD creationFlags, DWORD* threadId);
bool GetExitCodeThread(HANDLE thread, DWORD* exitCode);

// Process handles are signalled when the process ends, thread handles when the thread ends (a
// started process's thread with its process); a wait on the main system
// thread lets the started processes run meanwhile. File handles are closed here as well.
DWORD WaitForSingleObject(HANDLE handle, DWORD timeoutMs);
// Returns when the process has started and its thread has no message waiting (0), at once
// for a process that has ended (WAIT_FAILED), or after the timeout (WAIT_TIMEOUT).
DWORD WaitForInputIdle(HANDLE process, DWORD timeoutMs);
bool CloseHandle(HANDLE handle);

// The executable of the calling process (module none); the host's is its own program file seen
// through drive Z:.
DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size);

// Environment of the calling process; names ignore case. GetEnvironmentVariable returns the
// length copied, or the size needed (with the terminating zero) when the buffer is too small,
// or 0 with ERROR_ENVVAR_NOT_FOUND. A null value removes the variable.
DWORD GetEnvironmentVariable(const char* name, char* buffer, DWORD size);
bool SetEnvironmentVariable(const char* name, const char* value);

// Runs the code inside the scope as the given desktop thread (and its process): a started
// program's code called by the host framework (a widget's event, say) says so with this.
class ThreadScope {
public:
    explicit ThreadScope(DWORD threadId);
    ~ThreadScope();
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;
};

} // namespace desk
