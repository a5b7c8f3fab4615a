// The thin operations: installation queries by AcadType, the running CADs and their snapshot,
// windows of any program, the host's own windows, and single keys.
#include "control_fixture.h"

#include "platform/desktop/window.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

using Operations = ControlDesktop;

desk::HWND HostWindow(const std::string& className, const std::string& caption, desk::DWORD style = desk::WS_VISIBLE,
                      desk::HWND owner = nullptr) {
    desk::WNDCLASS wc;
    wc.lpfnWndProc = desk::DefWindowProc;
    wc.lpszClassName = className;
    desk::RegisterClass(wc);
    return desk::CreateWindowEx(0, className, caption, desk::WS_POPUP | style, 10, 20, 300, 200, owner);
}

} // namespace

TEST_F(Operations, TheProductRangeAndTheKindOfEachProductName) {
    const auto c = Load();
    EXPECT_EQ(c->GetFirstAcadType(), atACLT95);
    EXPECT_EQ(c->GetLastAcadType(), atACAD2002);
    const struct {
        const char* name;
        TAcadType type;
    } names[] = {
        {"AutoCAD LT95", atACLT95},     {"AutoCAD LT97", atACLT97},       {"AutoCAD LT98", atACLT98},
        {"AutoCAD LT2000", atACLT2000}, {"AutoCAD LT2000i", atACLT2000i}, {"AutoCAD LT2002", atACLT2002},
        {"AutoCAD R13", atACAD13},      {"AutoCAD R14", atACAD14},        {"AutoCAD 2000", atACAD2000},
        {"AutoCAD 2000i", atACAD2000i}, {"AutoCAD 2002", atACAD2002},     {"autocad lt2002", atACLT2002},
        {"AutoCAD LT 2002", atNOACAD},  {"AutoCAD 2004", atNOACAD},       {"", atNOACAD},
    };
    for (const auto& n : names) EXPECT_EQ(c->GetACADNameType(n.name), n.type) << n.name;
}

TEST_F(Operations, InstallationQueriesAnswerForTheKindAcadTypeAndReservedKindsAreNoProduct) {
    const Launched running = Launch(6);
    const auto c = Load();
    ASSERT_TRUE(c->AcadLoad(running.windows.MainWnd));
    const std::int32_t attached = c->Handle();
    c->SetAcadType(atACLT2002);
    EXPECT_TRUE(c->IsInstall());
    EXPECT_TRUE(c->IsCanExec());
    EXPECT_TRUE(c->IsExecuting());
    EXPECT_EQ(c->GetAutoCADName(), "AutoCAD LT2002");
    EXPECT_EQ(c->GetExePath(), "C:\\LT2002\\");
    EXPECT_EQ(c->GetExePath() + "ACLT.EXE", c->GetExeFile());
    EXPECT_EQ(c->GetDxfVersion(), dvDXF2000);
    EXPECT_TRUE(c->IsRegistry());
    EXPECT_TRUE(c->IsMDIWindowModel());
    EXPECT_FALSE(c->IsRegular());
    EXPECT_EQ(c->GetCurVer(), "SOFTWARE\\Autodesk\\AutoCAD LT\\R8\\ACLT-6001:411");
    ASSERT_TRUE(c->SetSDIMode(true));
    EXPECT_TRUE(c->IsSDIMode());
    ASSERT_TRUE(c->SetSDIMode(false));
    EXPECT_FALSE(c->IsSDIMode());

    for (int reserved : {7, 8, 9}) {
        c->SetAcadType(reserved);
        EXPECT_FALSE(c->IsInstall()) << reserved;
        EXPECT_EQ(c->GetExeFile(), "") << reserved;
        EXPECT_EQ(c->GetExePath(), "") << reserved;
        EXPECT_EQ(c->GetAutoCADName(), "") << reserved;
        EXPECT_EQ(c->GetCurVer(), "") << reserved;
        EXPECT_FALSE(c->IsRegistry()) << reserved;
        EXPECT_FALSE(c->Shell()) << reserved;
    }
    c->SetAcadType(atACAD2002); // not installed
    EXPECT_EQ(c->GetExePath(), "");
    EXPECT_FALSE(c->Shell());
    EXPECT_EQ(c->Handle(), attached) << "a failed start leaves the attachment alone";
    EXPECT_EQ(cad::app::RunningInstances().size(), 1u);
}

TEST_F(Operations, TheFindSnapshotIsWalkedOnceThenAnswersNoneUntilTakenAgain) {
    Launch(6);
    Launch(6);
    const auto c = Load();
    EXPECT_EQ(c->NextFindTextWnd(), 0) << "no snapshot yet";
    EXPECT_EQ(c->GetExecutMax(), 2);
    const std::int32_t first = c->FirstFindTextWnd();
    ASSERT_NE(first, 0);
    const std::int32_t second = c->NextFindTextWnd();
    EXPECT_NE(second, 0);
    EXPECT_NE(second, first);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(c->NextFindTextWnd(), 0) << i;
    EXPECT_EQ(c->FirstFindTextWnd(), first);
    EXPECT_EQ(c->NextFindTextWnd(), second);
    EXPECT_EQ(c->GetLastFocusType(), atACLT2002);
    const std::int32_t last = c->GetLastFocus();
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(c->GetLastFocusCaption(), "AutoCAD LT 2002 Text Window - Drawing1.dwg");
}

TEST_F(Operations, WindowsOfAnyProgramAreMeasuredSizedAndStatedOrLeftAloneWhenNoWindow) {
    const auto c = Load();
    const desk::HWND w = HostWindow("TestForm", "Form");
    const std::int32_t h = desk::HandleToLong(w);
    std::int32_t l = -1, t = -1, wd = -1, ht = -1;
    EXPECT_FALSE(c->GetWindowSize(0, l, t, wd, ht));
    EXPECT_EQ(l, -1) << "outputs untouched";
    EXPECT_EQ(c->GetWindowState(0), ssNORMAL);
    EXPECT_EQ(c->GetWindowCaption(0), "");
    EXPECT_FALSE(c->SetWindowState(0, ssMAXIMIZE));
    EXPECT_FALSE(c->SetReSizeWindow(0, 1, 2, 3, 4));
    EXPECT_FALSE(c->SetMoveWindow(0, 1, 2));
    EXPECT_FALSE(c->CloseWindow(0));
    EXPECT_FALSE(c->ActiveWindow(0));

    EXPECT_EQ(c->GetWindowCaption(h), "Form");
    ASSERT_TRUE(c->GetWindowSize(h, l, t, wd, ht));
    EXPECT_EQ((std::vector<int>{l, t, wd, ht}), (std::vector<int>{10, 20, 300, 200}));
    c->SetWindowState(h, ssMAXIMIZE);
    EXPECT_EQ(c->GetWindowState(h), ssMAXIMIZE);
    // Sizing a maximised window restores it first.
    ASSERT_TRUE(c->SetReSizeWindow(h, 5, 6, 70, 80));
    EXPECT_EQ(c->GetWindowState(h), ssNORMAL);
    ASSERT_TRUE(c->GetWindowSize(h, l, t, wd, ht));
    EXPECT_EQ((std::vector<int>{l, t, wd, ht}), (std::vector<int>{5, 6, 70, 80}));
    ASSERT_TRUE(c->SetMoveWindow(h, 50, 60));
    ASSERT_TRUE(c->GetWindowSize(h, l, t, wd, ht));
    EXPECT_EQ((std::vector<int>{l, t, wd, ht}), (std::vector<int>{50, 60, 70, 80}));
    c->SetWindowState(h, ssMINIMIZE);
    EXPECT_EQ(c->GetWindowState(h), ssMINIMIZE);
    // A state outside the three only shows the window: it stays minimised.
    desk::ShowWindow(w, desk::SW_HIDE);
    EXPECT_FALSE(c->SetWindowState(h, static_cast<TShowState>(5)));
    EXPECT_TRUE(desk::IsWindowVisible(w));
    EXPECT_EQ(c->GetWindowState(h), ssMINIMIZE);
    EXPECT_TRUE(c->ActiveWindow(h));
    EXPECT_EQ(desk::GetForegroundWindow(), w);
    EXPECT_TRUE(c->CloseWindow(h));
    EXPECT_FALSE(desk::IsWindow(w));
}

TEST_F(Operations, HostWindowsAreTheEnabledOrModalTopLevelWindowsOfTheHostWalkedOneByOne) {
    const Launched cad = Launch(6); // its windows belong to another process
    const auto c = Load();
    const desk::HWND main = HostWindow("TMainForm", "Main");
    HostWindow("TDisabled", "Disabled", desk::WS_VISIBLE | desk::WS_DISABLED);
    HostWindow("THidden", "Hidden", 0);
    HostWindow("daxparkingwindow", "Parking");
    HostWindow("TModal", "Modal", desk::WS_VISIBLE, main);
    desk::EnableWindow(main, false); // the modal window is up
    const desk::HWND palette = HostWindow("TPalette", "Palette");
    HostWindow("TTool", "Tool", desk::WS_VISIBLE, palette); // owned by an enabled window

    c->ResetOwnerWnd();
    EXPECT_EQ(c->GetOwnerWnd(), desk::HandleToLong(palette));
    std::string caption = "x", className = "y";
    std::vector<std::string> walked;
    while (const std::int32_t w = c->NextOwnerWnd(caption, className)) walked.push_back(caption + "/" + className);
    // Owned windows of a disabled owner count, the owner itself does not.
    EXPECT_EQ(walked, (std::vector<std::string>{"Palette/TPalette", "Modal/TModal"}));
    EXPECT_EQ(caption, "");
    EXPECT_EQ(className, "");
    EXPECT_EQ(c->NextOwnerWnd(caption, className), 0);
    EXPECT_EQ(c->GetOwnerWnd(), desk::HandleToLong(palette)) << "found afresh";
    EXPECT_EQ(c->ActiveOwnerWnd(), desk::HandleToLong(palette));
    EXPECT_EQ(desk::GetForegroundWindow(), palette);
    (void)cad;
    EXPECT_EQ(c->AcadCtrVer(), 181);
    EXPECT_EQ(c->ControlWnd(), desk::HandleToLong(c->UtilWindow()));
}

TEST_F(Operations, SendCtrlKeySendsTheFirstCharacterOnlyAndNothingForAnEmptyText) {
    const Launched l = Launch(6);
    const auto c = Load();
    ASSERT_TRUE(c->AcadLoad(l.windows.MainWnd));
    const desk::HWND view = InstanceOf(l)->Windows().graphicsView;
    desk::testing::LogMessages(view);
    EXPECT_FALSE(c->SendCtrlKey(""));
    EXPECT_TRUE(c->SendCtrlKey("ab"));
    std::string chars;
    for (const auto& m : desk::testing::MessageLog(view))
        if (m.message == desk::WM_CHAR) chars += static_cast<char>(m.wParam);
    EXPECT_EQ(chars, "a");
}

TEST_F(Operations, TheAttachedCadsWindowsAndTheWalkOverItsDrawings) {
    const Launched l = Launch(6);
    const auto c = Load();
    ASSERT_TRUE(c->AcadLoad(l.windows.MainWnd));
    const cad::app::ProductWindows& w = InstanceOf(l)->Windows();
    const struct {
        const char* what;
        std::int32_t handle;
        desk::HWND expected;
    } windows[] = {
        {"main", c->Handle(), w.mainFrame},          {"drawing", c->GraphHandle(), w.drawingWindow},
        {"text", c->TextHandle(), w.textFrame},      {"command line", c->CmdLineHandle(), l.windows.CmdFrame},
        {"MDI client", c->MDIClient(), w.mdiClient}, {"dialog", c->DialogHandle(), nullptr},
    };
    for (const auto& x : windows) EXPECT_EQ(x.handle, desk::HandleToLong(x.expected)) << x.what;
    EXPECT_EQ(c->GetCaption(), "AutoCAD LT 2002 - [Drawing1.dwg]");
    EXPECT_EQ(c->GetDwgCaption(), "Drawing1.dwg");
    EXPECT_EQ(c->GetDialogCaption(), "");

    EXPECT_EQ(c->GetChildCount(), 1);
    EXPECT_EQ(c->FirstChildWindow(), desk::HandleToLong(w.drawingWindow));
    EXPECT_EQ(c->NextChildWindow(), 0);
    EXPECT_EQ(c->NextChildWindow(), 0);
    EXPECT_TRUE(c->SetTopChild(desk::HandleToLong(w.drawingWindow)));
    EXPECT_FALSE(c->SetTopChild(0));

    std::int32_t left, top, width, height;
    ASSERT_TRUE(c->ReSizeChildWindow(1, 2, 300, 200));
    ASSERT_TRUE(c->GetChildWindowSize(left, top, width, height));
    EXPECT_EQ((std::vector<int>{width, height}), (std::vector<int>{300, 200}));
    c->ReStateChildWindow(ssMAXIMIZE);
    EXPECT_EQ(c->GetChildWindowState(), ssMAXIMIZE);
    c->SetState(ssMINIMIZE);
    EXPECT_EQ(c->GetState(), ssMINIMIZE);
    c->SetState(ssNORMAL);
    EXPECT_EQ(c->GetState(), ssNORMAL);
    EXPECT_TRUE(c->GetClientSize(left, top, width, height));

    // The text window leaves the screen and comes back to its place.
    std::int32_t textLeft, textTop, textWidth, textHeight;
    ASSERT_TRUE(c->GetWindowSize(c->TextHandle(), textLeft, textTop, textWidth, textHeight));
    ASSERT_TRUE(c->HideTextWindow(true));
    ASSERT_TRUE(c->GetWindowSize(c->TextHandle(), left, top, width, height));
    EXPECT_TRUE(left >= 1280 || top >= 1024 || left + width <= 0 || top + height <= 0) << left << "," << top;
    ASSERT_TRUE(c->HideTextWindow(false));
    ASSERT_TRUE(c->GetWindowSize(c->TextHandle(), left, top, width, height));
    EXPECT_EQ((std::vector<int>{left, top}), (std::vector<int>{textLeft, textTop}));

    c->Clear();
    EXPECT_EQ(c->Handle(), 0);
    EXPECT_FALSE(c->IsExecut());
    EXPECT_FALSE(c->GetSize(left, top, width, height));
}

TEST_F(Operations, TheCadsDialogIsMeasuredMovedAndClickedAway) {
    SetInstSDIMode(6, true); // the start-up dialog comes up
    const Launched l = Launch(6);
    const auto c = Load();
    ASSERT_TRUE(c->AcadLoad(l.windows.MainWnd));
    const desk::HWND dialog = InstanceOf(l)->Windows().startupDialog;
    EXPECT_EQ(c->DialogHandle(), desk::HandleToLong(dialog));
    EXPECT_EQ(c->GetDialogCaption(), Cp932("ｽﾀｰﾄｱｯﾌﾟ"));
    EXPECT_FALSE(c->IsCmdEnabled());
    ASSERT_TRUE(c->MoveDialog(5, 6));
    std::int32_t left, top, width, height;
    ASSERT_TRUE(c->GetDialogSize(left, top, width, height));
    EXPECT_EQ((std::vector<int>{left, top, width, height}), (std::vector<int>{5, 6, 420, 300}));
    ASSERT_TRUE(c->MouseClick("OK", "Button", true, false, false));
    EXPECT_FALSE(desk::IsWindow(dialog));
    EXPECT_EQ(c->DialogHandle(), 0);
    EXPECT_TRUE(c->IsCmdEnabled());
    EXPECT_TRUE(c->Active());
    EXPECT_TRUE(c->IsActive());
}
