#include "platform/desktop/clock.h"

#include "platform/desktop/desktop_state.h"

#include <ctime>

namespace desk {

using namespace detail;

DWORD GetTickCount() {
    Lock lk(S().m);
    return static_cast<DWORD>(Now(S()));
}

void Sleep(DWORD ms) {
    Lock lk(S().m);
    WaitUntil(
        lk, [] { return false; }, ms, false);
}

void GetLocalTime(SYSTEMTIME* time) {
    using namespace std::chrono;
    State& s = S();
    Lock lk(s.m);
    if (s.virtualClock) {
        const auto start = sys_days{year{2002} / April / 1} + hours{9};
        const auto at = start + milliseconds{s.virtualNow};
        const auto day = floor<days>(at);
        const year_month_day date{day};
        const hh_mm_ss clock{floor<milliseconds>(at - day)};
        *time = SYSTEMTIME{
            static_cast<WORD>(static_cast<int>(date.year())), static_cast<WORD>(static_cast<unsigned>(date.month())),
            static_cast<WORD>(weekday{day}.c_encoding()),     static_cast<WORD>(static_cast<unsigned>(date.day())),
            static_cast<WORD>(clock.hours().count()),         static_cast<WORD>(clock.minutes().count()),
            static_cast<WORD>(clock.seconds().count()),       static_cast<WORD>(clock.subseconds().count())};
        return;
    }
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    *time = SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900),
                       static_cast<WORD>(local.tm_mon + 1),
                       static_cast<WORD>(local.tm_wday),
                       static_cast<WORD>(local.tm_mday),
                       static_cast<WORD>(local.tm_hour),
                       static_cast<WORD>(local.tm_min),
                       static_cast<WORD>(local.tm_sec),
                       static_cast<WORD>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000)};
}

} // namespace desk
