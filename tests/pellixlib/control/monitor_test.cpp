// The second-tick part of the monitor: which CAD the user works in, dialogs with their delayed
// event, the main window's enabled state, the loop and timer events, the CAD going away, and
// exceptions of handlers, which end a tick but never the monitor.
#include "control_fixture.h"

#include "pellixlib/AcadFunc_Registry.h"
#include "platform/desktop/input.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using Strings = std::vector<std::string>;
using Monitor = ControlDesktop;

std::string Hex(int handle) { return std::to_string(handle); }

void OpenWithStartupDialog() {
    const std::string profile = GetInstProfileKey(6);
    ASSERT_FALSE(profile.empty());
    ASSERT_TRUE(RegWriteInteger(desk::HKEY_CURRENT_USER, profile + "\\Drawing Window", "SDIMode", 1, true));
}

} // namespace

TEST_F(Monitor, ADialogThatOpensAndClosesGivesTwoDialogEventsAndTheEnabledStateFollowsIt) {
    OpenWithStartupDialog();
    const Launched l = Launch(6);
    const desk::HWND dialog = InstanceOf(l)->Windows().startupDialog;
    ASSERT_TRUE(desk::IsWindow(dialog));
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnAcadCmdActive([this](TAcadControl&, bool on) { Log(on ? "active" : "inactive"); });
        k.SetOnAcadDialog([this](TAcadControl&, int d, const std::string& caption, const std::string& text, bool&) {
            Log("dialog " + Hex(d) + " [" + caption + "] [" + text + "]");
        });
    });
    RunTicks(6);
    desk::testing::At(desk::GetTickCount() + 100, [&] { desk::SendMessage(dialog, desk::WM_CLOSE, 0, 0); }); // the user
    RunTicks(4);
    const std::string d = Hex(desk::HandleToLong(dialog));
    EXPECT_EQ(events, (Strings{"1 inactive",
                               "2 dialog " + d + " [" + Cp932("ｽﾀｰﾄｱｯﾌﾟ") + "] [" +
                                   Cp932("図面の開始方法を選択してください。") + "]",
                               "7 active", "7 dialog 0 [] []"}));
}

TEST_F(Monitor, DialogCloseClosesTheAnnouncedDialogAlsoWhenTheHandlerFails) {
    for (const bool fail : {false, true}) {
        SCOPED_TRACE(fail);
        OpenWithStartupDialog();
        const Launched l = Launch(6);
        const desk::HWND dialog = InstanceOf(l)->Windows().startupDialog;
        const auto c = Load([&](TAcadControl& k) {
            k.SetOnAcadDialog([&](TAcadControl&, int d, const std::string&, const std::string&, bool& close) {
                Log("dialog " + Hex(d));
                close = d != 0;
                if (fail) throw std::runtime_error("handler failed");
            });
        });
        RunTicks(5);
        EXPECT_FALSE(desk::IsWindow(dialog));
        EXPECT_TRUE(desk::IsWindowEnabled(l.windows.MainWnd));
        EXPECT_EQ(events, (Strings{"2 dialog " + Hex(desk::HandleToLong(dialog)), "3 dialog 0"}));
        EXPECT_EQ(reports, (fail ? Strings{"handler failed", "handler failed"} : Strings{}));
        events.clear();
        reports.clear();
        desk::SendMessage(l.windows.MainWnd, desk::WM_CLOSE, 0, 0);
    }
}

TEST_F(Monitor, WhileAModalDialogDisablesTheCadTheCommandLineIsNotWatched) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) {
        RecordCommandLine(k);
        k.SetOnAcadCmdActive([this](TAcadControl&, bool on) { Log(on ? "active" : "inactive"); });
    });
    RunTicks(4);
    events.clear();
    desk::EnableWindow(l.windows.MainWnd, false);
    RunTicks(6);
    desk::EnableWindow(l.windows.MainWnd, true);
    RunTicks(1);
    EXPECT_EQ(events, (Strings{"5 inactive", "11 active"})) << "the same idle prompt is no change";
}

TEST_F(Monitor, TheUserClosingTheCadGivesOneCloseEventAndDetaches) {
    const Launched l = Launch(6);
    int closes = 0;
    const auto c = Load([&](TAcadControl& k) { k.SetOnAcadClose([&](TAcadControl&) { ++closes; }); });
    ASSERT_EQ(c->Version(), atACLT2002);
    RunTicks(2);
    desk::SendMessage(l.windows.MainWnd, desk::WM_CLOSE, 0, 0);
    RunTicks(8);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(c->Version(), atNOACAD);
    EXPECT_EQ(c->Engine().MainWnd(), nullptr);
}

TEST_F(Monitor, UnlockedTheControlFollowsTheCadTheUserWorksInLockedOnlyOnReload) {
    const Launched first = Launch(6);
    const Launched second = Launch(6);
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked);
        desk::SetForegroundWindow(first.windows.MainWnd);
        const auto c = Load([&](TAcadControl& k) {
            k.SetAcadLocked(locked);
            k.SetOnActiveChange([&](TAcadControl&, int lost, int active, bool& reload) {
                Log("active " + Hex(lost) + " " + Hex(active) + (reload ? " reload" : ""));
            });
            k.SetOnAcadLoaded([this](TAcadControl&) { Log("loaded"); });
        });
        ASSERT_EQ(c->Engine().MainWnd(), first.windows.MainWnd);
        RunTicks(2);
        desk::SetForegroundWindow(second.windows.MainWnd);
        RunTicks(2);
        const std::string a = Hex(desk::HandleToLong(first.windows.TextFrame)),
                          b = Hex(desk::HandleToLong(second.windows.TextFrame));
        if (!locked) {
            EXPECT_EQ(events, (Strings{"0 active 0 " + a + " reload", "0 loaded", "4 active " + a + " " + b + " reload",
                                       "4 loaded"}));
            EXPECT_EQ(c->Engine().MainWnd(), second.windows.MainWnd);
        } else {
            EXPECT_EQ(events, (Strings{"0 active 0 " + a, "0 loaded", "4 active " + a + " " + b}));
            EXPECT_EQ(c->Engine().MainWnd(), first.windows.MainWnd);
            c->SetOnActiveChange([](TAcadControl&, int, int, bool& reload) { reload = true; });
            desk::SetForegroundWindow(first.windows.MainWnd);
            RunTicks(2);
            EXPECT_EQ(c->Engine().MainWnd(), first.windows.MainWnd);
            desk::SetForegroundWindow(second.windows.MainWnd);
            RunTicks(2);
            EXPECT_EQ(c->Engine().MainWnd(), second.windows.MainWnd) << "the handler asked to reload";
        }
        events.clear();
    }
}

TEST_F(Monitor, ARestartReportsTheCurrentCadAgainFromNone) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnActiveChange(
            [&](TAcadControl&, int lost, int active, bool&) { Log("active " + Hex(lost) + " " + Hex(active)); });
    });
    RunTicks(4);
    c->SetInterval(500); // the value it has: no restart
    RunTicks(4);
    const std::string a = Hex(desk::HandleToLong(l.windows.TextFrame));
    EXPECT_EQ(events, (Strings{"0 active 0 " + a}));
    c->SetEnabled(true);
    Restarted(*c);
    RunTicks(2);
    EXPECT_EQ(events, (Strings{"0 active 0 " + a, "2 active 0 " + a}));
}

TEST_F(Monitor, ProcessLoopRunsOnSecondTicksUntilItsHandlerClearsProIndex) {
    const auto c = Load([&](TAcadControl& k) {
        k.SetProIndex(3);
        k.SetOnProcessLoop([this](TAcadControl&, int& index) {
            Log("loop " + std::to_string(index));
            --index;
        });
        k.SetOnTimer([this](TAcadControl&) { Log("timer"); });
    });
    RunTicks(10);
    EXPECT_EQ(events,
              (Strings{"2 loop 3", "2 timer", "4 loop 2", "4 timer", "6 loop 1", "6 timer", "8 timer", "10 timer"}));
    EXPECT_EQ(c->ProIndex(), 0);
}

TEST_F(Monitor, AnExceptionEndsItsTickIsReportedAndTheNextTicksRun) {
    const Launched l = Launch(6);
    int changes = 0;
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnAcadCmdChange([&](TAcadControl&, const std::string&, bool) {
            if (++changes == 1) throw std::runtime_error("change failed");
        });
        k.SetOnTimer([this](TAcadControl&) { Log("timer"); });
        k.SetOnAcadCmdActive([](TAcadControl&, bool) { throw std::runtime_error("swallowed"); });
    });
    RunTicks(1);
    EXPECT_EQ(reports, (Strings{"change failed"}));
    EXPECT_FALSE(c->InTick());
    RunTicks(4);
    EXPECT_EQ(changes, 2) << "the ticks after the failed one watch on";
    EXPECT_FALSE(events.empty()) << "and reach their second-tick part";
    desk::EnableWindow(l.windows.MainWnd, false);
    RunTicks(1);
    EXPECT_EQ(reports, (Strings{"change failed"})) << "the enabled handler's exception is swallowed";
}

TEST_F(Monitor, AcadLoadOfTheAttachedInstanceAnswersTrueWithoutLoadingAgain) {
    const Launched l = Launch(6);
    int loads = 0;
    const auto c = Load([&](TAcadControl& k) { k.SetOnAcadLoaded([&](TAcadControl&) { ++loads; }); });
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(c->AcadLoad(l.windows.GraphWnd));
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(c->AcadLoad(nullptr));
    EXPECT_EQ(c->Version(), atNOACAD) << "a window that is none detaches";
}

TEST_F(Monitor, AcadLoadDoesNotTakeAVanishedInstanceForTheAttachedOne) {
    const Launched l = Launch(6);
    const auto c = Load();
    ASSERT_EQ(c->Version(), atACLT2002);
    desk::SendMessage(l.windows.MainWnd, desk::WM_CLOSE, 0, 0);
    ASSERT_FALSE(desk::IsWindow(l.windows.MainWnd));
    EXPECT_FALSE(c->AcadLoad(l.windows.TextFrame)) << "both windows gone: not 'already attached'";
    EXPECT_EQ(c->Version(), atNOACAD);
}

TEST_F(Monitor, ASwitchOfDrawingIsReportedAtTheStartOfTheTickAndMarkedForTheInteractiveWait) {
    const Launched l = Launch(6);
    const cad::app::ProductWindows& w = InstanceOf(l)->Windows();
    const auto c = Load(
        [&](TAcadControl& k) { k.SetOnChildChange([this](TAcadControl&, int child) { Log("child " + Hex(child)); }); });
    RunTicks(2);
    desk::HWND second;
    {
        desk::ThreadScope scope(InstanceOf(l)->ThreadId());
        const std::string frame = GetWndClassName(w.drawingWindow);
        second = desk::CreateWindowEx(0, frame, "Drawing2.dwg", desk::WS_CHILD | desk::WS_VISIBLE, 0, 0, 800, 500,
                                      w.mdiClient);
        desk::CreateWindowEx(0, "Static", "", desk::WS_CHILD, 0, 0, 800, 500, second);
        desk::SetWindowPos(second, desk::HWND_TOP, 0, 0, 0, 0, desk::SWP_NOMOVE | desk::SWP_NOSIZE);
    }
    RunTicks(2);
    EXPECT_EQ(events, (Strings{"3 child " + Hex(desk::HandleToLong(second))}));
    bool keep = true;
    c->InterWaitProc(l.windows.MainWnd, keep);
    EXPECT_FALSE(keep) << "a wait running across the switch ends";
    keep = true;
    c->InterWaitProc(l.windows.MainWnd, keep);
    EXPECT_TRUE(keep) << "the mark is taken once";
}
