// Running products recognised by their windows, and the run index following the user's focus.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using Detection = PellixDesktop;

void SetSdiMode(int index, desk::DWORD on) {
    const std::string profile = GetInstProfileKey(static_cast<TAcadIndex>(index));
    ASSERT_FALSE(profile.empty());
    ASSERT_TRUE(RegWriteInteger(desk::HKEY_CURRENT_USER, profile + "\\Drawing Window", "SDIMode", on, true));
}

// Starts the product without the library's launch bookkeeping.
desk::PROCESS_INFORMATION StartPlain(int index) {
    desk::PROCESS_INFORMATION p;
    const std::string commandLine = "\"" + GetInstExeFile(static_cast<TAcadIndex>(index)) + "\"";
    desk::STARTUPINFO startup;
    desk::GetStartupInfo(&startup);
    EXPECT_TRUE(desk::CreateProcess(nullptr, commandLine.c_str(), nullptr, nullptr, false, 0x04000220, nullptr, nullptr,
                                    &startup, &p));
    EXPECT_EQ(desk::WaitForInputIdle(p.hProcess, 5000), desk::WAIT_OBJECT_0);
    return p;
}

void Quit(const Launched& l) {
    TTextBuffer buffer;
    desk::RECT r{};
    SendCopyDataText(l.windows.MainWnd, "_QUIT\r", r, buffer);
    desk::testing::RunFor(100);
}

} // namespace

TEST_F(Detection, EachProductGenerationIsRecognisedWithItsWindows) {
    const std::pair<int, const char*> products[] = {
        {1, "C:\\LT95"}, {3, "C:\\LT98"}, {6, "C:\\LT2002"}, {7, "C:\\R13"}, {8, "C:\\R14"}, {11, "C:\\ACAD2002"},
    };
    for (const auto& [index, folder] : products) Install(index, folder);
    for (const auto& [index, folder] : products) {
        SCOPED_TRACE(index);
        const Launched l = Launch(static_cast<TAcadIndex>(index));
        const TAcadWindowInfo& w = l.windows;
        EXPECT_EQ(w.AcadIndex, index);
        EXPECT_EQ(w.State, 1);
        const cad::app::ProductWindows& real = InstanceOf(l)->Windows();
        EXPECT_EQ(w.MainWnd, real.mainFrame);
        EXPECT_EQ(w.MDIClient, real.mdiClient);
        EXPECT_EQ(w.GraphWnd, real.graphicsView);
        EXPECT_EQ(w.ControlBar, real.controlBar);
        EXPECT_EQ(w.TextFrame, real.textFrame);
        EXPECT_EQ(w.TextView, real.textView);
        EXPECT_EQ(w.TextHeadlands, real.textHeadlands);
        EXPECT_EQ(w.TextMountTam, real.textMountTam);
        EXPECT_EQ(w.CmdFrame, real.commandFrame);
        EXPECT_EQ(w.CmdHost, real.commandHost);
        EXPECT_EQ(w.CmdHeadlands, real.commandHeadlands);
        EXPECT_EQ(w.CmdMountTam, real.commandMountTam);
        EXPECT_EQ(w.DialogWnd, real.startupDialog); // the products without SDIMode start with it
        ASSERT_TRUE(w.ChildList);
        EXPECT_EQ(w.ChildList->Count(), 1);
        EXPECT_EQ(w.ActiveChild, real.drawingWindow);
        EXPECT_TRUE(IsAcadMainWnd(w.TextFrame));
        EXPECT_FALSE(IsAcadMainWnd(w.MainWnd));
    }
}

TEST_F(Detection, TheLtGenerationWithAControlBarIsTheOneWhoseLockIsHeld) {
    Install(4, "C:\\LT2000");
    Install(6, "C:\\LT2002");
    const desk::PROCESS_INFORMATION p = StartPlain(6);
    TAcadWindowInfo w;
    EXPECT_TRUE(DetectAcadWindows(p.dwThreadId, w));
    EXPECT_EQ(w.AcadIndex, 6);
    // The same windows, but the registry now names a copy whose lock file nobody holds and
    // no launch is recent: no product can be told.
    ASSERT_TRUE(desk::CreateDirectory("C:\\Moved", nullptr));
    ASSERT_TRUE(desk::CopyFile("C:\\LT2002\\ACLT.EXE", "C:\\Moved\\ACLT.EXE", false));
    ASSERT_TRUE(RegWriteString(desk::HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD LT\\R8\\ACLT-6001:411",
                               "Location", "C:\\Moved", false));
    ResetAcadInstParams();
    EXPECT_FALSE(DetectAcadWindows(p.dwThreadId, w));
    EXPECT_EQ(w.AcadIndex, 0);
    EXPECT_EQ(w.MainWnd, nullptr);
    EXPECT_FALSE(w.ChildList);
    EXPECT_FALSE(DetectAcadWindows(desk::GetCurrentThreadId(), w)); // the host is no CAD
}

TEST_F(Detection, OnlyTheCadsOwnDialogIsTakenAndRefreshKeepsTheWindowsCurrent) {
    Install(6, "C:\\LT2002");
    SetSdiMode(6, 1);
    Launched l = Launch(6);
    const desk::HWND startup = InstanceOf(l)->Windows().startupDialog;
    ASSERT_NE(startup, nullptr);
    EXPECT_EQ(l.windows.DialogWnd, startup);
    // A dialog of the host at the top of the z-order is not the CAD's.
    const desk::HWND hostBox =
        desk::CreateWindowEx(0, "#32770", "Host", desk::WS_POPUP | desk::WS_VISIBLE, 10, 10, 100, 100, nullptr);
    desk::SetForegroundWindow(hostBox);
    ASSERT_EQ(desk::GetWindow(startup, desk::GW_HWNDFIRST), hostBox);
    EXPECT_TRUE(DetectAcadWindows(l.process.dwThreadId, l.windows));
    EXPECT_EQ(l.windows.DialogWnd, startup);
    RefreshAcadWindows(l.windows);
    EXPECT_EQ(l.windows.State, 2);
    EXPECT_EQ(l.windows.DialogWnd, startup);

    // The user closes the start-up dialog with its OK button.
    EXPECT_TRUE(MouseClickWindow(startup, "OK", "Button", false, false, false));
    desk::testing::RunFor(50);
    EXPECT_FALSE(desk::IsWindow(startup));
    RefreshAcadWindows(l.windows);
    EXPECT_EQ(l.windows.DialogWnd, nullptr);
    EXPECT_EQ(l.windows.PrevDialogWnd, startup);
    EXPECT_NE(l.windows.ActiveChild, nullptr);

    Quit(l);
    RefreshAcadWindows(l.windows);
    EXPECT_EQ(l.windows.State, 0);
}

TEST_F(Detection, TheRunIndexFollowsTheUsersFocus) {
    Install(6, "C:\\LT2002");
    const Launched a = Launch(6);
    const Launched b = Launch(6);
    const desk::HWND host = desk::CreateWindowEx(0, "Static", "Host", desk::WS_OVERLAPPEDWINDOW | desk::WS_VISIBLE, 0,
                                                 0, 300, 200, nullptr);
    TAcadRunIndex& index = *AcadRunIndex();

    desk::SetForegroundWindow(a.windows.MainWnd);
    EXPECT_EQ(index.Refresh(), 2);
    EXPECT_EQ(index.FActiveWnd, a.windows.TextFrame);
    EXPECT_EQ(index.FLastWnd, a.windows.TextFrame);

    desk::SetForegroundWindow(b.windows.MainWnd);
    index.Refresh();
    EXPECT_EQ(index.FActiveWnd, b.windows.TextFrame);

    desk::SetForegroundWindow(host); // not a CAD: the last one stays
    EXPECT_EQ(index.Refresh(), 2);
    EXPECT_EQ(index.FActiveWnd, b.windows.TextFrame);
    EXPECT_EQ(index.FLastWnd, b.windows.TextFrame);

    Quit(b); // the remembered one closes: the first running one is next
    desk::SetForegroundWindow(host);
    EXPECT_EQ(index.Refresh(), 1);
    EXPECT_EQ(index.FActiveWnd, nullptr);
    EXPECT_EQ(index.FLastWnd, a.windows.TextFrame);
    EXPECT_EQ(index.GetWnd(0), a.windows.TextFrame);
    EXPECT_EQ(index.GetWnd(1), nullptr);
}
