// The products running on the desktop, driven as the control library drives them.
#include "desktop_fixture.h"

#include "cad/app/registry_access.h"
#include "cad/dxf/dxf_reader.h"
#include "platform/dde/dde_link.h"

#include "../../support/run_python.h"

using namespace cad;
using namespace cad::app;
using namespace cad::app::testing;

namespace {

const std::string kLt2002Key = "SOFTWARE\\Autodesk\\AutoCAD LT\\R8";

// The part of the history after its last cancel mark, without a leading idle prompt: what
// the library takes as the echo of the command it typed.
std::string Echo(const std::string& history, const std::string& mark, const std::string& prompt) {
    const std::size_t at = history.rfind(mark);
    std::string echo = at == std::string::npos ? history : history.substr(at + mark.size());
    if (echo.rfind(prompt, 0) == 0) echo.erase(0, prompt.size());
    return echo;
}

struct ProductRun : DesktopFixture {
    const std::string idle = Cp932("ｺﾏﾝﾄﾞ: ");
    const std::string cancel = Cp932("*ｷｬﾝｾﾙ*");
};

} // namespace

TEST_F(ProductRun, FirstStartSeedsAnInstalledLt2002OnceAndTheRecordSurvivesARestart) {
    EXPECT_FALSE(PrepareDesktop()); // already there since SetUp
    desk::testing::ReloadRegistry();
    const auto curVer = ReadRegString(desk::HKEY_LOCAL_MACHINE, kLt2002Key, "CurVer");
    ASSERT_TRUE(curVer);
    const auto folder = ReadRegString(desk::HKEY_LOCAL_MACHINE, kLt2002Key + "\\" + *curVer, "Location");
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, "C:\\Program Files\\AutoCAD LT 2002");
    EXPECT_EQ(InstalledExecutable(*FindProduct(kAutoCadLt2002)), *folder + "\\ACLT.EXE");
    const auto sdi =
        ReadRegDword(desk::HKEY_CURRENT_USER,
                     kLt2002Key + "\\" + *curVer + "\\Profiles\\<<Unnamed Profile>>\\Drawing Window", "SDIMode");
    EXPECT_EQ(sdi, 0u);
    for (int other = 1; other < kProductCount; ++other) {
        if (other == kAutoCadLt2002) continue;
        EXPECT_EQ(InstalledExecutable(*FindProduct(other)), "") << other;
    }
}

TEST_F(ProductRun, LineTypedThroughCopyDataIsDrawnAndTheIdlePromptReadsBack) {
    const Started s = Start();
    ASSERT_TRUE(s.mainFrame && s.textFrame && s.textHeadlands && s.textMountTam && s.commandHeadlands && s.controlBar &&
                s.graphicsView);
    EXPECT_EQ(CaptionOf(s.mainFrame).substr(0, 10), "AutoCAD LT");
    EXPECT_EQ(ClassOf(desk::GetWindow(s.textFrame, desk::GW_CHILD)), "AfxFrameOrView42");
    EXPECT_EQ(s.dialog, nullptr);
    // Among all top-level windows, the run index takes the text window as the product's entry.
    std::vector<desk::HWND> entries;
    desk::EnumWindows(
        [&](desk::HWND h, desk::LPARAM) {
            const desk::HWND view = desk::GetWindow(h, desk::GW_CHILD);
            if (ClassOf(h).rfind("Afx:400000:b:", 0) == 0 && ClassOf(view) == "AfxFrameOrView42" &&
                CaptionOf(desk::GetWindow(view, desk::GW_CHILD)) == "Marin")
                entries.push_back(h);
            return true;
        },
        0);
    EXPECT_EQ(entries, std::vector<desk::HWND>{s.textFrame});
    // The lock file is held while the product runs.
    const std::string lock = "C:\\Program Files\\AutoCAD LT 2002\\ACLT.xmx";
    EXPECT_EQ(desk::CreateFile(lock.c_str(), desk::GENERIC_READ | desk::GENERIC_WRITE, 0, nullptr, desk::OPEN_EXISTING,
                               0, nullptr),
              desk::INVALID_HANDLE_VALUE);
    EXPECT_EQ(desk::GetLastError(), desk::ERROR_SHARING_VIOLATION);

    EXPECT_NE(SendCopyData(s.mainFrame, "LINE 0,0 100,100 \r"), 0);
    Instance* cad = FindInstance(s.process.dwProcessId);
    ASSERT_NE(cad, nullptr);
    ASSERT_EQ(cad->drawing().Entities().size(), 1u);
    const auto& line = std::get<Line>(cad->drawing().Entities()[0].shape);
    EXPECT_EQ(line.b.x, 100);
    EXPECT_EQ(line.b.y, 100);
    EXPECT_EQ(ReadText(s.textHeadlands), idle);
    EXPECT_EQ(ReadText(s.commandHeadlands), idle);

    // Keys posted to the graphics view go to the same command line.
    for (char c : std::string("CIRCLE 0,0 5\r"))
        desk::PostMessage(s.graphicsView, desk::WM_CHAR, static_cast<unsigned char>(c), 0x004F0001);
    desk::testing::RunFor(50);
    EXPECT_EQ(cad->drawing().Entities().size(), 2u);
}

TEST_F(ProductRun, IdWithAScriptedPickReportsThePointInTheHistory) {
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    ASSERT_NE(cad, nullptr);
    SendCopyData(s.mainFrame, "\x03\x03_iD\r");
    EXPECT_EQ(ReadText(s.textHeadlands), Cp932("点を指定: "));
    desk::testing::At(desk::GetTickCount() + 100, [cad] { cad->Pick({12.5, -7, 0}); });
    desk::testing::RunFor(200);
    EXPECT_EQ(ReadText(s.textHeadlands), idle);
    const std::string echo = Echo(ReadText(s.textMountTam), cancel, idle);
    EXPECT_EQ(echo.substr(0, 3), "_iD");
    EXPECT_EQ(echo.substr(echo.find("X =")), "X = 12.5000     Y = -7.0000     Z = 0.0000");

    // The library's precise re-read: precision 8 at the LUPREC prompt, then LASTPOINT.
    SendCopyData(s.mainFrame, "\x03\x03_LUPREC ");
    EXPECT_EQ(ReadText(s.textHeadlands), Cp932("LUPREC の新しい値を入力 <4>: "));
    SendCopyData(s.mainFrame, "8\r\x03\x03_LASTPOINT ");
    EXPECT_EQ(ReadText(s.textHeadlands), Cp932("LASTPOINT の新しい値を入力 <12.50000000,-7.00000000,0.00000000>: "));
    SendCopyData(s.mainFrame, "\x03_LUPREC 4\r\x03\x03_DWGNAME ");
    EXPECT_EQ(ReadText(s.textHeadlands), idle);
    EXPECT_EQ(Echo(ReadText(s.textMountTam), cancel, idle),
              Cp932("_DWGNAME_DWGNAME = \"Drawing1.dwg\" (読み込み専用)"));
    EXPECT_EQ(cad->Variables().luprec, 4);
}

TEST_F(ProductRun, InsertFindsTheShippedSectionBlocksOnTheSearchPath) {
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    ASSERT_NE(cad, nullptr);
    SendCopyData(s.mainFrame, "-insert\rKEI1 0,0 1 1 0\r-insert\rGEN1 100,0 1 1 0\r");
    ASSERT_EQ(cad->drawing().Entities().size(), 2u);
    EXPECT_EQ(std::get<Insert>(cad->drawing().Entities()[0].shape).block, "KEI1");
    EXPECT_EQ(std::get<Insert>(cad->drawing().Entities()[1].shape).block, "GEN1");
    EXPECT_EQ(cad->commandLine().RejectionCount(), 0u);
}

TEST_F(ProductRun, SecondInstanceRunsBesideAndTakesTheDdeServiceWhenTheFirstHasGone) {
    const Started first = Start();
    const Started second = Start();
    ASSERT_NE(first.mainFrame, second.mainFrame);
    ASSERT_NE(first.process.dwThreadId, second.process.dwThreadId);
    Instance* a = FindInstance(first.process.dwProcessId);
    Instance* b = FindInstance(second.process.dwProcessId);
    ASSERT_TRUE(a && b);
    SendCopyData(second.mainFrame, "LINE 0,0 1,1 \r");
    EXPECT_TRUE(a->drawing().Entities().empty());
    EXPECT_EQ(b->drawing().Entities().size(), 1u);
    EXPECT_TRUE(a->OffersDde());
    EXPECT_FALSE(b->OffersDde());

    dde::Link link;
    link.SetLinkTopic("AutoCAD LT.DDE|System");
    link.SetLinkMode(dde::kLinkManual);
    link.LinkExecute("CIRCLE 0,0 3\r");
    EXPECT_EQ(a->drawing().Entities().size(), 1u);

    SendCopyData(first.mainFrame, "_QUIT\rN\r"); // the circle is dropped
    EXPECT_EQ(desk::WaitForSingleObject(first.process.hProcess, 1000), desk::WAIT_OBJECT_0);
    EXPECT_FALSE(desk::IsWindow(first.mainFrame));
    desk::testing::RunFor(50);
    ASSERT_EQ(FindInstance(second.process.dwProcessId), b);
    EXPECT_TRUE(b->OffersDde());
    EXPECT_TRUE(b->HoldsLock());
    dde::Link again;
    again.SetLinkTopic("AutoCAD LT.DDE|System");
    again.SetLinkMode(dde::kLinkManual);
    again.LinkExecute("CIRCLE 0,0 3\r");
    EXPECT_EQ(b->drawing().Entities().size(), 2u);
}

TEST_F(ProductRun, StartupDialogInSingleDocumentModeDisablesTheFrameUntilClosed) {
    const auto curVer = ReadRegString(desk::HKEY_LOCAL_MACHINE, kLt2002Key, "CurVer");
    ASSERT_TRUE(curVer);
    const std::string drawingWindow = kLt2002Key + "\\" + *curVer + "\\Profiles\\<<Unnamed Profile>>\\Drawing Window";
    WriteRegDword(desk::HKEY_CURRENT_USER, drawingWindow, "SDIMode", 1);
    Started s = Start();
    ASSERT_NE(s.dialog, nullptr);
    EXPECT_EQ(CaptionOf(s.dialog), Cp932("ｽﾀｰﾄｱｯﾌﾟ"));
    EXPECT_EQ(desk::GetWindow(s.dialog, desk::GW_OWNER), s.mainFrame);
    EXPECT_FALSE(desk::IsWindowEnabled(s.mainFrame));
    EXPECT_EQ(SendCopyData(s.mainFrame, "LINE 0,0 1,1 \r"), 0); // no typing while it is open
    bool hasStatic = false;
    for (desk::HWND c : Descendants(s.dialog)) hasStatic |= ClassOf(c) == "Static" && !CaptionOf(c).empty();
    EXPECT_TRUE(hasStatic);

    desk::SendNotifyMessage(s.dialog, desk::WM_CLOSE, 0, 0);
    desk::testing::RunFor(50);
    EXPECT_FALSE(desk::IsWindow(s.dialog));
    EXPECT_TRUE(desk::IsWindowEnabled(s.mainFrame));
    EXPECT_NE(SendCopyData(s.mainFrame, "LINE 0,0 1,1 \r"), 0);
    EXPECT_EQ(FindInstance(s.process.dwProcessId)->Variables().sdimode, 1);
    SendCopyData(s.mainFrame, "_SDIMODE 0\r"); // the variable is the profile's setting
    EXPECT_EQ(ReadRegDword(desk::HKEY_CURRENT_USER, drawingWindow, "SDIMode"), 0u);
    WriteRegDword(desk::HKEY_CURRENT_USER, drawingWindow, "SDIMode", 1);

    // Another start shows it again; a click on its OK button closes it too.
    Started next = Start();
    ASSERT_NE(next.dialog, nullptr);
    desk::HWND ok = nullptr;
    for (desk::HWND c : Descendants(next.dialog))
        if (ClassOf(c) == "Button" && CaptionOf(c) == "OK") ok = c;
    desk::RECT r;
    ASSERT_TRUE(desk::GetWindowRect(ok, &r));
    desk::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    desk::mouse_event(desk::MOUSEEVENTF_LEFTDOWN | desk::MOUSEEVENTF_ABSOLUTE, 0, 0, 0, 0);
    desk::mouse_event(desk::MOUSEEVENTF_LEFTUP | desk::MOUSEEVENTF_ABSOLUTE, 0, 0, 0, 0);
    desk::testing::RunFor(50);
    EXPECT_FALSE(desk::IsWindow(next.dialog));
    EXPECT_TRUE(desk::IsWindowEnabled(next.mainFrame));
}

TEST_F(ProductRun, EachProductIsFoundByItsOwnRecordAndVersion) {
    InstallProduct(1, "C:\\ACLT95");
    InstallProduct(11, "C:\\Program Files\\ACAD2002");
    EXPECT_EQ(InstalledExecutable(*FindProduct(1)), "C:\\ACLT95\\ACLT.EXE");
    EXPECT_EQ(InstalledExecutable(*FindProduct(11)), "C:\\Program Files\\ACAD2002\\ACAD.EXE");
    // 2000, 2000i and 2002 share one record; the executable's version tells them apart.
    EXPECT_EQ(InstalledExecutable(*FindProduct(9)), "");
    EXPECT_EQ(InstalledExecutable(*FindProduct(10)), "");
    const Started full = Start(11);
    EXPECT_EQ(CaptionOf(full.mainFrame), "AutoCAD 2002 - [Drawing1.dwg]");
    EXPECT_EQ(ReadText(full.textHeadlands), "Command: ");
    EXPECT_FALSE(FindInstance(full.process.dwProcessId)->OffersDde()); // only the LT products serve DDE
}

TEST_F(ProductRun, CloseSequenceSavesTheDrawingAndEndsTheProcess) {
    const Started s = Start();
    SendCopyData(s.mainFrame, "LINE 0,0 100,100 \r");
    char temp[desk::MAX_PATH] = {};
    desk::GetTempPath(desk::MAX_PATH, temp);
    const std::string file = std::string(temp) + "~AC090000.dwg";
    SendCopyData(s.mainFrame, "\x03\x03_FILEDIA 0\r_SAVEAS\r\r\"" + file + "\"\r_FILEDIA 1\rQSAVE\r_QUIT\r");
    EXPECT_EQ(desk::WaitForSingleObject(s.process.hProcess, 1000), desk::WAIT_OBJECT_0);
    EXPECT_FALSE(desk::IsWindow(s.mainFrame));
    const std::string native = desk::ToNativePath(file).string();
    ASSERT_TRUE(std::filesystem::exists(native));
    EXPECT_EQ(dxf::ReadDxf(native).drawing.Entities().size(), 1u);
    EXPECT_EQ(test_support::RunPython("-c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); "
                                      "print(len(d.modelspace().query('LINE')))\" '" +
                                      native + "'"),
              "1\n");
    // Gone, the product no longer holds its lock file.
    const desk::HANDLE lock =
        desk::CreateFile("C:\\Program Files\\AutoCAD LT 2002\\ACLT.xmx", desk::GENERIC_READ | desk::GENERIC_WRITE, 0,
                         nullptr, desk::OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(lock, desk::INVALID_HANDLE_VALUE);
    desk::CloseHandle(lock);
}

TEST_F(ProductRun, MenuCommandTypesItsCommandAndAnOlderProductHasItsOwnCommandLineWindow) {
    InstallProduct(8, "C:\\ACADR14");
    Started s = Start(8);
    ASSERT_NE(s.mainFrame, nullptr);
    EXPECT_EQ(s.controlBar, nullptr);
    EXPECT_NE(s.dialog, nullptr); // one drawing per window: the start-up dialog shows
    desk::SendMessage(s.dialog, desk::WM_CLOSE, 0, 0);
    EXPECT_EQ(ReadText(s.textHeadlands), "Command: ");
    // The command line stands alone: an owned Afx frame > AfxWnd42 > "Marin".
    bool ownedCommandLine = false;
    desk::EnumThreadWindows(
        s.process.dwThreadId,
        [&](desk::HWND h, desk::LPARAM) {
            const desk::HWND host = desk::GetWindow(h, desk::GW_CHILD);
            ownedCommandLine |= desk::GetWindow(h, desk::GW_OWNER) == s.mainFrame && ClassOf(host) == "AfxWnd42" &&
                                CaptionOf(desk::GetWindow(host, desk::GW_CHILD)) == "Marin";
            return true;
        },
        0);
    EXPECT_TRUE(ownedCommandLine);
    // File > Exit as a menu selection ends with WM_COMMAND of the item.
    const desk::HMENU file = desk::GetSubMenu(desk::GetMenu(s.mainFrame), 0);
    desk::PostMessage(s.mainFrame, desk::WM_COMMAND, desk::GetMenuItemID(file, 4), 0);
    EXPECT_EQ(desk::WaitForSingleObject(s.process.hProcess, 1000), desk::WAIT_OBJECT_0);
}

// Closing the main frame ends an unchanged product at once; with changes the command line
// asks, as OPEN does before the file replaces them, and an opened drawing file names the
// drawing and counts as saved.
TEST_F(ProductRun, CloseWithUnsavedChangesAsksAtTheCommandLine) {
    const Started s = Start();
    Instance* cad = FindInstance(s.process.dwProcessId);
    SendCopyData(s.mainFrame, "LINE 0,0 10,0 \rEXPORT\rC:\\base.dxf\r");
    ASSERT_TRUE(std::filesystem::exists(desk::ToNativePath("C:\\base.dxf")));
    EXPECT_EQ(CaptionOf(s.mainFrame), "AutoCAD LT 2002 - [Drawing1.dwg]"); // exporting does not rename

    desk::SendMessage(s.mainFrame, desk::WM_CLOSE, 0, 0);
    EXPECT_EQ(ReadText(s.textHeadlands),
              Cp932("Drawing1.dwg への変更を保存しますか? [保存(Y)/保存しない(N)/キャンセル(C)] <Y>: "));
    SendCopyData(s.mainFrame, "C\r");
    EXPECT_EQ(ReadText(s.textHeadlands), idle);

    SendCopyData(s.mainFrame, "OPEN\rC:\\base.dxf\r");
    EXPECT_EQ(ReadText(s.textHeadlands),
              Cp932("Drawing1.dwg への変更を保存しますか? [保存(Y)/保存しない(N)/キャンセル(C)] <Y>: "));
    cad->TypeFromUser("N\r");
    EXPECT_EQ(CaptionOf(s.mainFrame), "AutoCAD LT 2002 - [base.dxf]");
    EXPECT_EQ(std::as_const(cad->drawing()).Entities().size(), 1u); // reading, not taking for change
    // The right button in the graphics view is Enter: the last command, OPEN, again.
    desk::SendMessage(s.graphicsView, desk::WM_RBUTTONUP, 0, desk::MAKELPARAM(10, 10));
    EXPECT_EQ(ReadText(s.textHeadlands), Cp932("開く図面ファイルを入力: "));
    SendCopyData(s.mainFrame, "\x03");
    EXPECT_FALSE(cad->HasUnsavedChanges());
    desk::SendMessage(s.mainFrame, desk::WM_CLOSE, 0, 0);
    EXPECT_EQ(desk::WaitForSingleObject(s.process.hProcess, 0), desk::WAIT_OBJECT_0);
}
