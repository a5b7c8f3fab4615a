// Launching and attaching, keys and menus.
#include "engine_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Attach : Engine {};

} // namespace

TEST_F(Attach, LaunchAttachesToTheProductsWindowsAndCountsItRunningForTheGracePeriod) {
    Start(6);
    const cad::app::ProductWindows& w = cad->Windows();
    EXPECT_EQ(acad->MainWnd(), w.mainFrame);
    EXPECT_EQ(acad->MDIClient(), w.mdiClient);
    EXPECT_EQ(acad->ChildWnd(), w.drawingWindow);
    EXPECT_EQ(acad->GraphWnd(), w.graphicsView);
    EXPECT_EQ(acad->TextWnd(), w.textFrame);
    EXPECT_EQ(acad->TextHeadlands(), w.textHeadlands);
    EXPECT_EQ(acad->TextMountTam(), w.textMountTam);
    EXPECT_EQ(acad->CmdHeadlands(), w.commandHeadlands);
    EXPECT_EQ(acad->AcadIndex(), 6);
    ASSERT_EQ(acad->ChildList().Count(), 1);
    const TAcadInstParams& p = AcadInstParams()[6];
    EXPECT_EQ(p.RunState, 2);
    EXPECT_NEAR(p.GraceTime - NowDateTime(), kLaunchGraceDays, 1e-6);
    EXPECT_EQ(acad->ReadCmdLine(), Cp932("ｺﾏﾝﾄﾞ: "));

    acad->Clear();
    EXPECT_EQ(acad->MainWnd(), nullptr);
    EXPECT_FALSE(acad->SendCommand("LINE "));
    EXPECT_FALSE(acad->Activate());
    EXPECT_TRUE(acad->LoadFromWindow(w.graphicsView));
    EXPECT_EQ(acad->MainWnd(), w.mainFrame);
}

TEST_F(Attach, LaunchEndsWithoutAttachingWhenTheProcessEndsOrItsWindowsNeverCome) {
    struct Case {
        const char* name;
        desk::ImageEntry entry;
        desk::DWORD atLeastMs;
    };
    const Case cases[] = {
        {"ends at once", [](const desk::ProcessStart&) { desk::ExitProcess(1); }, 0},
        {"never shows a window", [](const desk::ProcessStart&) {}, 120000},
    };
    const std::string exe = Install(6, InstallFolder(6));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desk::RegisterProgramImage(exe, c.entry);
        const desk::DWORD start = desk::GetTickCount();
        EXPECT_FALSE(acad->Launch(6, "", "", ssNORMAL));
        EXPECT_GE(desk::GetTickCount() - start, c.atLeastMs);
        EXPECT_EQ(acad->MainWnd(), nullptr);
        EXPECT_EQ(AcadInstParams()[6].RunState, 2);
    }
    EXPECT_FALSE(acad->Launch(8, "", "", ssNORMAL)); // not installed
}

TEST_F(Attach, AQuitMessageTakenWhileLaunchingIsPostedAgainAfterwards) {
    Install(6, InstallFolder(6));
    desk::testing::At(100, [] { desk::PostQuitMessage(0); });
    acad->Launch(6, "", "", ssNORMAL);
    desk::MSG msg;
    EXPECT_TRUE(desk::PeekMessage(&msg, nullptr, desk::WM_QUIT, desk::WM_QUIT, desk::PM_REMOVE));
}

TEST_F(Attach, SendCharPostsToTheCommandLineOfLt2000AndToTheViewOfLt2002) {
    for (const TAcadIndex index : {4, 6}) {
        SCOPED_TRACE(static_cast<int>(index));
        Start(index);
        const desk::HWND expected = index == 4 ? cad->Windows().commandHeadlands : cad->Windows().graphicsView;
        desk::testing::LogMessages(expected);
        ASSERT_TRUE(acad->SendCommand("_LINE "));
        EXPECT_TRUE(acad->SendChar('\x03'));
        const auto log = desk::testing::MessageLog(expected);
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].message, desk::WM_CHAR);
        EXPECT_EQ(log[0].how, desk::testing::LoggedMessage::How::Posted);
        EXPECT_EQ(log[0].wParam, 3u);
        EXPECT_EQ(log[0].lParam, 0x004F0001);
        EXPECT_TRUE(acad->ReadHistory().ends_with(Cp932("*ｷｬﾝｾﾙ*")));
        const desk::HANDLE process = desk::OpenProcess(desk::PROCESS_TERMINATE, false, cad->ProcessId());
        desk::TerminateProcess(process, 0);
        desk::CloseHandle(process);
    }
}

TEST_F(Attach, ClickMenuChoosesTheMenuCommand) {
    Start(6);
    EXPECT_TRUE(acad->ClickMenu("&T|&I"));
    EXPECT_EQ(acad->ReadCmdLine(), Cp932("点を指定: "));
    EXPECT_FALSE(acad->ClickMenu("&T|&Q"));
}
