#pragma once
// Test hooks: a fresh desktop in a folder, the virtual clock, scripted user actions that run
// while the code under test waits, and a log of the messages each window received.
#include "platform/desktop/types.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace desk::testing {

// Starts a fresh desktop in `root` (created as needed): every started process is ended as
// usual (its windows get WM_DESTROY, its at-exit actions run), the host's own windows and
// menus are dropped without messages, open files closed, the registry read from `root`, drives
// remapped, the clock made virtual at tick 0, scripted actions and the idle hook removed (the
// host loop's handlers stay). Handles keep counting: none is given out again.
void Reset(const std::filesystem::path& root);

// Switches to the virtual clock (on) or the real one; the time runs on from where it stands.
void UseVirtualClock(bool on);
// Moves the virtual clock on by `ms`, stopping at each timer and scripted action due on the
// way to let the started processes run (as while the calling thread sleeps).
void AdvanceClock(DWORD ms);
// As AdvanceClock, and the calling thread takes and dispatches its own messages too (as a
// message loop would).
void RunFor(DWORD ms);

// Runs `action` on the main thread once the clock reaches `tick`, at the first moment the main
// thread waits, sleeps or pumps.
void At(DWORD tick, std::function<void()> action);
// Runs `hook` every time the main thread waits, sleeps or pumps (not inside itself).
void OnIdle(std::function<void()> hook);

struct LoggedMessage {
    enum class How { Sent, Posted, Notified };
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    How how = How::Sent;
    DWORD tick = 0;
    std::string data; // the bytes of a WM_COPYDATA
};
// Starts recording what reaches the window's procedure.
void LogMessages(HWND hwnd);
std::vector<LoggedMessage> MessageLog(HWND hwnd);

// Drops the registry held in memory and reads the file again (a restart of the machine as far
// as the registry goes): what was not flushed is lost.
void ReloadRegistry();
// Beeps sounded so far.
int BeepCount();

} // namespace desk::testing
