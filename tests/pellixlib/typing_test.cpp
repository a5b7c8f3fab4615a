// Typing into a running product through its windows, and the whole road from launch to the
// idle prompt read back.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using LoggedMessage = desk::testing::LoggedMessage;

struct Typing : PellixDesktop {
    TTextBuffer send, read;

    Launched Start(bool withStartupDialog) {
        Install(6, "C:\\Program Files\\AutoCAD LT 2002");
        if (withStartupDialog) {
            EXPECT_TRUE(RegWriteInteger(desk::HKEY_CURRENT_USER, GetInstProfileKey(6) + "\\Drawing Window", "SDIMode",
                                        1, true));
        }
        return Launch(6);
    }
    desk::RECT Client(desk::HWND w) {
        desk::RECT r;
        desk::GetClientRect(w, &r);
        return r;
    }
};

std::vector<std::string> CopyDataTexts(const std::vector<LoggedMessage>& log) {
    std::vector<std::string> texts;
    for (const LoggedMessage& m : log)
        if (m.message == desk::WM_COPYDATA) texts.push_back(m.data.substr(0, m.data.find('\0')));
    return texts;
}

} // namespace

TEST_F(Typing, AFrameThatRefusesTheTextGetsItElevenTimes) {
    const Launched l = Start(true); // the start-up dialog keeps the command line from taking input
    const desk::HWND frame = l.windows.MainWnd;
    desk::testing::LogMessages(frame);
    EXPECT_FALSE(SendCopyDataText(frame, "LINE ", Client(frame), send));
    const std::vector<LoggedMessage> log = desk::testing::MessageLog(frame);

    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].message == desk::WM_COPYDATA) at.push_back(i);
    ASSERT_EQ(at.size(), 11u);
    for (std::size_t i : at) {
        ASSERT_GE(i, 2u);
        EXPECT_EQ(log[i - 2].message, desk::WM_NCACTIVATE);
        EXPECT_EQ(log[i - 1].message, desk::WM_EXITMENULOOP);
        EXPECT_EQ(log[i].wParam, reinterpret_cast<desk::WPARAM>(frame));
        EXPECT_EQ(log[i].data, std::string("LINE \0", 6));
        ASSERT_LT(i + 1, log.size());
        EXPECT_EQ(log[i + 1].message, desk::EM_GETSEL);
    }
    const auto count = [&log](desk::UINT message, LoggedMessage::How how) {
        return std::count_if(log.begin(), log.end(),
                             [&](const LoggedMessage& m) { return m.message == message && m.how == how; });
    };
    EXPECT_EQ(count(desk::WM_NULL, LoggedMessage::How::Posted), 11);
    EXPECT_EQ(count(desk::WM_SETCURSOR, LoggedMessage::How::Notified), 1);
    const desk::RECT c = Client(frame);
    for (const LoggedMessage& m : log) {
        if (m.message == desk::WM_MOUSEMOVE) {
            EXPECT_EQ(m.lParam,
                      desk::MAKELPARAM(static_cast<desk::WORD>(c.right / 2), static_cast<desk::WORD>(c.bottom / 2)));
        }
    }
    EXPECT_EQ(count(desk::WM_MOUSEMOVE, LoggedMessage::How::Posted), 1);
    EXPECT_TRUE(InstanceOf(l)->drawing().Entities().empty());
}

TEST_F(Typing, LineByLineSendsEachLineWithItsCarriageReturnAndNoLineFeed) {
    const Launched l = Start(false);
    const desk::HWND frame = l.windows.MainWnd;
    desk::testing::LogMessages(frame);
    EXPECT_TRUE(SendCommandString(frame, l.windows.CmdHeadlands, "LINE\r\n0,0\r\n100,50\r\r", send, true));
    EXPECT_EQ(CopyDataTexts(desk::testing::MessageLog(frame)),
              (std::vector<std::string>{"LINE\r", "0,0\r", "100,50\r", "\r"}));
    ASSERT_EQ(InstanceOf(l)->drawing().Entities().size(), 1u);

    const std::size_t before = CopyDataTexts(desk::testing::MessageLog(frame)).size();
    EXPECT_FALSE(SendCommandString(frame, l.windows.CmdHeadlands, "LINE 0,0 1,1 ", send, true));
    EXPECT_TRUE(SendCommandString(frame, l.windows.CmdHeadlands, "CIRCLE 0,0 5\rleft over", send, true));
    const std::vector<std::string> sent = CopyDataTexts(desk::testing::MessageLog(frame));
    EXPECT_EQ(std::vector<std::string>(sent.begin() + static_cast<long>(before), sent.end()),
              std::vector<std::string>{"CIRCLE 0,0 5\r"});
    EXPECT_TRUE(SendCommandString(frame, l.windows.CmdHeadlands, "", send, true));
    EXPECT_FALSE(SendCommandString(nullptr, l.windows.CmdHeadlands, "LINE\r", send, false));
    EXPECT_EQ(InstanceOf(l)->drawing().Entities().size(), 2u);
}

TEST_F(Typing, KeysAndMenuCommandsReachTheCommandLine) {
    const Launched l = Start(false);
    const std::string idle = Cp932("ｺﾏﾝﾄﾞ: ");
    for (char c : std::string("_ID\r")) EXPECT_TRUE(PostCharKey(l.windows.GraphWnd, c));
    desk::testing::RunFor(50);
    EXPECT_EQ(ReadWindowText(l.windows.CmdHeadlands, read), Cp932("点を指定: "));
    EXPECT_TRUE(PostCharKey(l.windows.GraphWnd, '\x03'));
    desk::testing::RunFor(50);
    EXPECT_EQ(ReadWindowText(l.windows.CmdHeadlands, read), idle);
    EXPECT_FALSE(PostCharKey(nullptr, 'a'));

    // 作成(&D) | 円(&C): the menu types "^C^C_CIRCLE ".
    EXPECT_TRUE(ClickMenuPath(l.windows.MainWnd, "&d|&c"));
    desk::testing::RunFor(50);
    EXPECT_NE(ReadWindowText(l.windows.CmdHeadlands, read), idle);
    EXPECT_TRUE(SendCommandString(l.windows.MainWnd, l.windows.CmdHeadlands, "0,0 5\r", send, false));
    EXPECT_EQ(InstanceOf(l)->drawing().Entities().size(), 1u);
    EXPECT_FALSE(ClickMenuPath(l.windows.MainWnd, "&d|&z"));
}

TEST_F(Typing, LaunchDetectTypeAndReadTheIdlePromptBack) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    ASSERT_TRUE(IsInstInstalled(6));
    ASSERT_TRUE(CanInstRun(6));
    EXPECT_EQ(AcadRunIndex()->Refresh(), 0);

    const Launched l = Launch(6);
    const TAcadWindowInfo& w = l.windows;
    ASSERT_EQ(w.AcadIndex, 6);
    EXPECT_EQ(AcadRunIndex()->Refresh(), 1);
    EXPECT_EQ(AcadRunIndex()->FLastWnd, w.TextFrame);
    EXPECT_TRUE(IsInstRunning(6));

    EXPECT_TRUE(SendCommandString(w.MainWnd, w.CmdHeadlands, "LINE 0,0 100,100 \r", send, false));
    const std::string line = ReadWindowText(w.CmdHeadlands, read);
    const std::string prompt = ReadWindowText(w.TextHeadlands, read);
    EXPECT_TRUE(IsPromptIdle(line, prompt)) << line << "|" << prompt;
    const std::string history = ReadWindowText(w.TextMountTam, read);
    EXPECT_EQ(StripCommandPrompt(StripCancelMarks(history)).substr(0, 4), "LINE");
    ASSERT_EQ(InstanceOf(l)->drawing().Entities().size(), 1u);

    // Hidden text window, then back.
    desk::RECT screen{0, 0, desk::GetSystemMetrics(desk::SM_CXSCREEN), desk::GetSystemMetrics(desk::SM_CYSCREEN)};
    EXPECT_TRUE(PlaceTextWindow(6, w.TextFrame, screen, true));
    EXPECT_TRUE(PlaceTextWindow(6, w.TextFrame, screen, false));
    desk::RECT r;
    ASSERT_TRUE(desk::GetWindowRect(w.TextFrame, &r));
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
}
