// Calls that wait inside the monitor's events: a pick inside OnAcadCmdWait works and holds the
// control's own ticks off; a control ended while its pick waits stops the pick and is freed
// when the tick that raised the event has returned.
#include "control_fixture.h"

#include "platform/desktop/clock.h"

#include <utility>

using namespace pellix;
using namespace pellix::testing;

namespace {

using Reentrancy = ControlDesktop;

// Time passes while the user picks: every pass of the wait lets the clock move on 10 ms.
void UserTakesTime(desk::HWND main, const void* owner) {
    AddWaitCallback(
        main, [](desk::HWND, bool&) { desk::Sleep(10); }, owner);
}

bool PickInside(TAcadControl& c, double& x, double& y, double& z) {
    AddWaitCallback(
        c.Engine().MainWnd(), [&c](desk::HWND w, bool& keep) { c.InterWaitProc(w, keep); }, &c);
    UserTakesTime(c.Engine().MainWnd(), &c);
    const bool picked = c.Engine().GetPoint("", false, x, y, z);
    RemoveWaitCallbacks(c.Engine().MainWnd());
    return picked;
}

} // namespace

TEST_F(Reentrancy, APickInsideTheWaitEventWorksAndTheControlsTicksAreSkippedMeanwhile) {
    const Launched l = Launch(6);
    std::vector<desk::DWORD> timers;
    desk::DWORD pickStart = 0, pickEnd = 0;
    double x = 0, y = 0, z = 0;
    bool picked = false;
    int waits = 0;
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnTimer([&](TAcadControl&) { timers.push_back(desk::GetTickCount()); });
        k.SetOnAcadCmdWait([&](TAcadControl& sender) {
            if (++waits > 1) return;
            pickStart = desk::GetTickCount();
            desk::testing::At(pickStart + 1200, [&] { InstanceOf(l)->Pick({10, 20, 0}); });
            picked = PickInside(sender, x, y, z);
            pickEnd = desk::GetTickCount();
        });
    });
    RunTicks(16);
    ASSERT_TRUE(picked);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(z, 0);
    EXPECT_GE(pickEnd - pickStart, 1200u);
    for (desk::DWORD t : timers) EXPECT_FALSE(t > pickStart && t < pickEnd) << t;
    EXPECT_GT(timers.back(), pickEnd) << "ticks resume after the pick";
    EXPECT_EQ(waits, 2) << "the prompt after the pick is waited for again";
}

TEST_F(Reentrancy, AControlEndedDuringItsPickStopsThePickAndIsFreedAfterTheTick) {
    const Launched l = Launch(6);
    TAcadControl::Ptr c = Load();
    const desk::HWND util = c->UtilWindow();
    bool picked = true, pickReturned = false, windowDuringPick = false;
    c->SetOnAcadCmdWait([&](TAcadControl& sender) {
        desk::testing::At(desk::GetTickCount() + 300, [&] {
            c.reset(); // the host unloads its screen
            windowDuringPick = desk::IsWindow(util);
        });
        // A wait no callback of the control watches: ending the control ends it all the same.
        UserTakesTime(sender.Engine().MainWnd(), &sender);
        double x, y, z;
        picked = sender.Engine().GetPoint("", false, x, y, z);
        pickReturned = true;
        EXPECT_TRUE(sender.Destroying());
        EXPECT_FALSE(sender.CmdIdle()) << "every property reads empty once ended";
    });
    RunTicks(12);
    EXPECT_TRUE(pickReturned);
    EXPECT_FALSE(picked);
    EXPECT_TRUE(windowDuringPick) << "kept until the tick returned";
    EXPECT_FALSE(desk::IsWindow(util));
    EXPECT_EQ(WaitCallbackCount(), 0);
}

TEST_F(Reentrancy, AControlEndedOutsideAnyCallIsFreedAtOnce) {
    const Launched l = Launch(6);
    TAcadControl::Ptr c = Load();
    const desk::HWND util = c->UtilWindow();
    UserTakesTime(l.windows.MainWnd, c.get());
    c.reset();
    EXPECT_FALSE(desk::IsWindow(util));
    EXPECT_EQ(WaitCallbackCount(), 0);
}

TEST_F(Reentrancy, AnEndedControlStopsOnlyItsOwnWaits) {
    const Launched l = Launch(6);
    const auto other = Load();
    TAcadControl::Ptr c;
    bool picked = true, otherPicked = false, first = true;
    double x = 0, y = 0, z = 0;
    c = Load([&](TAcadControl& k) {
        k.SetOnAcadCmdWait([&](TAcadControl& sender) {
            if (!std::exchange(first, false)) return;
            desk::testing::At(desk::GetTickCount() + 300, [&] {
                c.reset(); // ended with its pick on the stack
                // Another control's pick nested inside the ended one's still waits for the user.
                int passes = 0;
                AddWaitCallback(
                    other->Engine().MainWnd(),
                    [&](desk::HWND, bool&) {
                        if (++passes == 30) InstanceOf(l)->Pick({-35000.5, 12000.25, 0});
                    },
                    other.get());
                otherPicked = PickInside(*other, x, y, z);
            });
            UserTakesTime(sender.Engine().MainWnd(), &sender);
            double px, py, pz;
            picked = sender.Engine().GetPoint("", false, px, py, pz);
        });
    });
    RunTicks(16);
    EXPECT_FALSE(picked);
    ASSERT_TRUE(otherPicked);
    EXPECT_EQ(x, -35000.5);
    EXPECT_EQ(y, 12000.25);
}
