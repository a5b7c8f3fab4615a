#include "desktop_fixture.h"

#include <vector>

using namespace desk;

namespace {

// Counts WM_TIMER per timer id and notes the tick of each.
struct TimerWindow {
    std::vector<std::pair<UINT_PTR, DWORD>> ticks;
    HWND hwnd = CreateWindowEx(0, "Static", "timers", 0, 0, 0, 1, 1, nullptr, nullptr,
                               [this](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                                   if (msg == WM_TIMER) ticks.emplace_back(w, GetTickCount());
                                   return DefWindowProc(h, msg, w, l);
                               });
};

} // namespace

TEST_F(DesktopTest, TimersTickOnTheVirtualClock) {
    struct Case {
        UINT period;
        DWORD runFor;
        std::vector<DWORD> ticks;
    };
    const Case cases[] = {
        {250, 1000, {250, 500, 750, 1000}},
        {0, 35, {10, 20, 30}}, // a 0 ms period runs at the 10 ms minimum
        {1000, 999, {}},
    };
    for (const auto& c : cases) {
        desk::testing::Reset(root_);
        TimerWindow w;
        EXPECT_EQ(SetTimer(w.hwnd, 1, c.period), 1u);
        desk::testing::RunFor(c.runFor);
        std::vector<DWORD> ticks;
        for (const auto& [id, tick] : w.ticks) ticks.push_back(tick);
        EXPECT_EQ(ticks, c.ticks) << "period " << c.period;
    }
}

TEST_F(DesktopTest, MissedPeriodsGiveOneTimerMessageAndKillStopsIt) {
    TimerWindow w;
    SetTimer(w.hwnd, 1, 100);
    Sleep(1000); // nobody takes the queue meanwhile
    EXPECT_EQ(GetTickCount(), 1000u);
    desk::testing::RunFor(0);
    EXPECT_EQ(w.ticks.size(), 1u);
    SetTimer(w.hwnd, 1, 300); // setting it again restarts it with the new period
    desk::testing::RunFor(299);
    EXPECT_EQ(w.ticks.size(), 1u);
    desk::testing::RunFor(1);
    EXPECT_EQ(w.ticks.size(), 2u);
    EXPECT_TRUE(KillTimer(w.hwnd, 1));
    EXPECT_FALSE(KillTimer(w.hwnd, 1));
    desk::testing::RunFor(1000);
    EXPECT_EQ(w.ticks.size(), 2u);
}

TEST_F(DesktopTest, ScriptedActionsRunWhileTheCallerSleeps) {
    std::vector<DWORD> ran;
    desk::testing::At(250, [&] { ran.push_back(GetTickCount()); });
    desk::testing::At(100, [&] { ran.push_back(GetTickCount()); });
    Sleep(200);
    EXPECT_EQ(ran, (std::vector<DWORD>{100}));
    Sleep(200);
    EXPECT_EQ(ran, (std::vector<DWORD>{100, 250}));
    EXPECT_EQ(GetTickCount(), 400u);
    SYSTEMTIME t;
    GetLocalTime(&t);
    EXPECT_EQ(
        (std::vector<int>{t.wYear, t.wMonth, t.wDay, t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds}),
        (std::vector<int>{2002, 4, 1, 1, 9, 0, 0, 400}));
}
