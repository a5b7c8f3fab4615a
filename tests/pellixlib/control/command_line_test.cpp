// The monitor's command-line watch: changes, the idle prompt, the wait message and automatic
// Enter, tick by tick on the virtual clock.
#include "control_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using Strings = std::vector<std::string>;
using CommandLineWatch = ControlDesktop;

// Types without Enter, as a program would.
void TypeAtCommandLine(const Launched& l, const std::string& text) {
    TTextBuffer buffer;
    SendCopyDataText(l.windows.MainWnd, text, desk::RECT{}, buffer);
}

} // namespace

TEST_F(CommandLineWatch, AfterARestartTheIdlePromptIsReportedOnTicksOneAndTwoAndTheWaitOnTickFour) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) { RecordCommandLine(k); });
    ASSERT_EQ(c->Version(), atACLT2002);
    RunTicks(8);
    EXPECT_EQ(events, (Strings{"1 change '' wait", "2 change '' wait", "4 wait"}));

    events.clear();
    c->SetEnabled(true); // a restart reports the state afresh
    Restarted(*c);
    RunTicks(4);
    EXPECT_EQ(events, (Strings{"1 change '' wait", "2 change '' wait", "4 wait"}));
}

TEST_F(CommandLineWatch, ACommandInProgressIsReportedWithItsPromptAndTheWaitComesOnceItEnds) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) { RecordCommandLine(k); });
    RunTicks(4);
    events.clear();
    InstanceOf(l)->TypeFromUser("LINE\r");
    RunTicks(3);
    ASSERT_FALSE(events.empty());
    EXPECT_NE(events.front().find("busy"), std::string::npos) << events.front();
    events.clear();
    InstanceOf(l)->TypeFromUser("\x03");
    RunTicks(6);
    ASSERT_GE(events.size(), 2u);
    EXPECT_NE(events.front().find("change '' wait"), std::string::npos) << events.front();
    EXPECT_EQ(std::count_if(
                  events.begin(), events.end(),
                  [](const std::string& e) { return e.ends_with(" wait") && e.find("change") == std::string::npos; }),
              1);
}

TEST_F(CommandLineWatch, CmdLineSearchNeverReadsTheHistory) {
    const Launched l = Launch(6);
    desk::testing::LogMessages(l.windows.TextMountTam);
    const auto c = Load([&](TAcadControl& k) {
        RecordCommandLine(k);
        k.SetCmdSearch(csCMDLINE);
    });
    RunTicks(6);
    EXPECT_EQ(events, (Strings{"1 change '' wait", "3 wait"}));
    for (const auto& m : desk::testing::MessageLog(l.windows.TextMountTam)) EXPECT_NE(m.message, desk::WM_GETTEXT);
}

TEST_F(CommandLineWatch, NoCheckDisablesTheCommandLinePartAndTheEnabledReport) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) {
        RecordCommandLine(k);
        k.SetCmdSearch(csNOCHECK);
        k.SetOnAcadCmdActive([this](TAcadControl&, bool on) { Log(on ? "active" : "inactive"); });
    });
    desk::testing::LogMessages(l.windows.TextHeadlands);
    desk::EnableWindow(l.windows.MainWnd, false);
    RunTicks(6);
    desk::EnableWindow(l.windows.MainWnd, true);
    RunTicks(2);
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_TRUE(desk::testing::MessageLog(l.windows.TextHeadlands).empty());
}

TEST_F(CommandLineWatch, WithoutCommandLineHandlersTheCommandLineIsNotRead) {
    const Launched l = Launch(6);
    desk::testing::LogMessages(l.windows.TextHeadlands);
    desk::testing::LogMessages(l.windows.CmdHeadlands);
    const auto c = Load();
    RunTicks(6);
    EXPECT_TRUE(desk::testing::MessageLog(l.windows.TextHeadlands).empty());
    EXPECT_TRUE(desk::testing::MessageLog(l.windows.CmdHeadlands).empty());
}

TEST_F(CommandLineWatch, AutoEnterAnswersAReturnPromptWithOneEnterUnlessTheHandlerDeclines) {
    for (const bool decline : {false, true}) {
        SCOPED_TRACE(decline);
        const Launched l = Launch(6);
        desk::HWND view = InstanceOf(l)->Windows().graphicsView;
        const auto c = Load([&](TAcadControl& k) {
            k.SetAutoEnter(true);
            k.SetOnAcadEnterNext([&](TAcadControl&, const std::string& line, bool& next) {
                Log("enter? " + line);
                next = !decline;
            });
        });
        RunTicks(2);
        desk::testing::LogMessages(view);
        TypeAtCommandLine(l, "go[enter]on:"); // a blank would be Enter already
        RunTicks(4);
        int enters = 0;
        for (const auto& m : desk::testing::MessageLog(view)) enters += m.message == desk::WM_CHAR && m.wParam == '\r';
        EXPECT_EQ(enters, decline ? 0 : 1);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0], "3 enter? " + Cp932("ｺﾏﾝﾄﾞ: ") + "go[enter]on:") << "the untrimmed line";
        events.clear();
        desk::SendMessage(l.windows.MainWnd, desk::WM_CLOSE, 0, 0);
    }
}

TEST_F(CommandLineWatch, AutoEnterLeavesOtherPromptsAlone) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) {
        k.SetAutoEnter(true);
        k.SetOnAcadEnterNext([&](TAcadControl&, const std::string& line, bool&) { Log("enter? " + line); });
    });
    for (const char* typed : {"RETURN:", "x[ENTER]y", "xRETURNy:"}) {
        TypeAtCommandLine(l, typed);
        RunTicks(2);
        TypeAtCommandLine(l, "\x03");
        RunTicks(2);
    }
    EXPECT_EQ(events, Strings{});
}

TEST_F(CommandLineWatch, TheWaitMessageIsReportedOncePerTextAndNotWhenEmpty) {
    const Launched l = Launch(6);
    const auto c = Load([&](TAcadControl& k) {
        k.SetOnWaitMessage([this](TAcadControl&, const std::string& p, bool wait) {
            Log("message '" + p + "' " + (wait ? "wait" : "busy"));
        });
    });
    InstanceOf(l)->TypeFromUser("LINE\r");
    RunTicks(4);
    EXPECT_TRUE(events.empty()) << "no WaitMessage, no event";
    c->SetWaitMessage(Cp932("1 点目"));
    RunTicks(4);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find(Cp932("1 点目")), std::string::npos);
    EXPECT_NE(events[0].find("busy"), std::string::npos);
}
