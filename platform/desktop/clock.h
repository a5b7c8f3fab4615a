#pragma once
// The desktop's clock: the real clock in the program, a virtual clock in tests that the tests
// move on (platform/desktop/testing.h). Sleep and the waits run on this clock; while the main
// thread waits, the programs running on it (their messages and timers) go on. On the virtual
// clock a waiting thread moves the clock on to the next timer or scripted action, or to the end
// of its wait, once nothing else can happen before.
#include "platform/desktop/types.h"

namespace desk {

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

// Milliseconds since the desktop started.
DWORD GetTickCount();
void Sleep(DWORD ms);
// Local date and time; on the virtual clock it starts at 2002-04-01 09:00:00.000.
void GetLocalTime(SYSTEMTIME* time);

} // namespace desk
