// Finding installed products by their registry keys and executable versions, and telling
// whether they run.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

void SetProductVersion(const std::string& exe, desk::WORD major, desk::WORD minor, desk::WORD release) {
    desk::VS_FIXEDFILEINFO info;
    info.dwProductVersionMS = (desk::DWORD{major} << 16) | minor;
    info.dwProductVersionLS = (desk::DWORD{release} << 16) | 1;
    ASSERT_TRUE(desk::WriteVersionResource(exe.c_str(), info));
}

void WriteWithoutVersion(const std::string& exe) {
    const desk::HANDLE f =
        desk::CreateFile(exe.c_str(), desk::GENERIC_WRITE, 0, nullptr, desk::CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, desk::INVALID_HANDLE_VALUE);
    desk::DWORD written = 0;
    desk::WriteFile(f, "MZ", 2, &written, nullptr);
    desk::CloseHandle(f);
}

std::vector<int> InstalledIndexes() {
    ResetAcadInstParams();
    std::vector<int> installed;
    for (TAcadIndex i = 0; i < kAcadIndexCount; ++i)
        if (IsInstInstalled(i)) installed.push_back(i);
    return installed;
}

desk::HANDLE HoldOpen(const std::string& path) {
    return desk::CreateFile(path.c_str(), desk::GENERIC_READ | desk::GENERIC_WRITE, 0, nullptr, desk::OPEN_ALWAYS, 0,
                            nullptr);
}

using Installations = PellixDesktop;

} // namespace

TEST_F(Installations, ProductsAreFoundByTheirKeysAndTheR15ExecutableByItsVersion) {
    EXPECT_EQ(InstalledIndexes(), std::vector<int>{});
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    Install(8, "C:\\Program Files\\AutoCAD R14");
    const std::string r15 = Install(10, "C:\\Program Files\\AutoCAD 2000i");
    EXPECT_EQ(InstalledIndexes(), (std::vector<int>{6, 8, 10}));
    EXPECT_EQ(GetInstExeFile(6), "C:\\Program Files\\AutoCAD LT 2002\\ACLT.EXE");
    EXPECT_EQ(GetInstExeVersion(10), "15.05.1");
    EXPECT_EQ(GetInstCurVerKey(6), "SOFTWARE\\Autodesk\\AutoCAD LT\\R8\\ACLT-6001:411");
    EXPECT_EQ(GetInstCurVerKey(5), "");

    SetProductVersion(r15, 15, 0, 4);
    EXPECT_EQ(InstalledIndexes(), (std::vector<int>{6, 8}));
    SetProductVersion(r15, 15, 0, 0);
    EXPECT_EQ(InstalledIndexes(), (std::vector<int>{6, 8, 9}));

    // Without version information the path is found for all three, and none counts as installed.
    WriteWithoutVersion(r15);
    ResetAcadInstParams();
    for (TAcadIndex i : {9, 10, 11}) EXPECT_EQ(GetInstExeFile(i), r15) << int{i};
    EXPECT_EQ(InstalledIndexes(), (std::vector<int>{6, 8}));
    EXPECT_EQ(GetInstExeFile(9), r15); // looked up again: the version test cleared the cache
}

TEST_F(Installations, AShortOrQuotedRegisteredPathIsExpandedToItsLongForm) {
    const std::string exe = Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    char shortFolder[desk::MAX_PATH] = {};
    ASSERT_GT(desk::GetShortPathName("C:\\Program Files\\AutoCAD LT 2002", shortFolder, desk::MAX_PATH), 0u);
    ASSERT_TRUE(RegWriteString(desk::HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD LT\\R8\\ACLT-6001:411",
                               "Location", std::string("\"") + shortFolder + "\\\"", false));
    ResetAcadInstParams();
    EXPECT_EQ(GetInstExeFile(6), exe);
}

TEST_F(Installations, NoProductMeansEmptyAnswersEverywhere) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    desk::PROCESS_INFORMATION process;
    EXPECT_EQ(GetInstExeFile(0), "");
    EXPECT_EQ(GetInstExeVersion(0), "");
    EXPECT_FALSE(IsInstInstalled(0));
    EXPECT_FALSE(IsInstRunning(0));
    EXPECT_FALSE(CanInstRun(0));
    EXPECT_FALSE(LaunchInst(0, "", "", ssNORMAL, process));
    EXPECT_EQ(GetInstCurVerKey(0), "");
    EXPECT_EQ(GetInstProfileKey(0), "");
    EXPECT_EQ(GetInstProfiles(0), "");
    EXPECT_EQ(GetLibraryKey(0), "");
    EXPECT_TRUE(GetInstSDIMode(0)); // no profile setting: as products without one
    EXPECT_EQ(GetInstProfileStr(0, "General", "Colour"), "");
    EXPECT_FALSE(SetInstProfileStr(0, "General", "Colour", "x", false));
    EXPECT_FALSE(SetInstCurVerRegInt(0, "General", "Colour", 1, false));
}

TEST_F(Installations, RunningMeansTheLockFileIsHeldOrALaunchEndedWithinTheGrace) {
    const std::string exe = Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    const std::string lock = "C:\\Program Files\\AutoCAD LT 2002\\ACLT.xmx";
    EXPECT_FALSE(IsInstRunning(6)); // no lock file
    desk::HANDLE held = HoldOpen(lock);
    ASSERT_NE(held, desk::INVALID_HANDLE_VALUE);
    EXPECT_TRUE(IsInstRunning(6));
    desk::CloseHandle(held);
    EXPECT_FALSE(IsInstRunning(6)); // left behind, not held

    SetInstRunState(6, true);
    EXPECT_TRUE(IsInstRunning(6));
    desk::testing::AdvanceClock(60000);
    EXPECT_TRUE(IsInstRunning(6)); // a launch runs until it ends
    SetInstRunState(6, false);
    desk::testing::AdvanceClock(8630);
    EXPECT_TRUE(IsInstRunning(6));
    desk::testing::AdvanceClock(20);
    EXPECT_FALSE(IsInstRunning(6));
    EXPECT_EQ(AcadInstParams()[6].RunState, 0);

    // Without the lock file even a launch does not count.
    ASSERT_TRUE(ForceDeleteFile(lock));
    SetInstRunState(6, true);
    EXPECT_FALSE(IsInstRunning(6));
}

TEST_F(Installations, OnlyOneProductOfAFamilyMayRun) {
    Install(4, "C:\\LT2000");
    Install(6, "C:\\LT2002");
    Install(8, "C:\\R14");
    Install(2, "C:\\LT97");
    EXPECT_TRUE(CanInstRun(4) && CanInstRun(6) && CanInstRun(8) && CanInstRun(2));
    EXPECT_FALSE(CanInstRun(5)); // not installed
    const desk::HANDLE held = HoldOpen("C:\\LT2002\\ACLT.xmx");
    EXPECT_FALSE(CanInstRun(4));
    EXPECT_TRUE(CanInstRun(6)); // the product itself running is not asked
    EXPECT_TRUE(CanInstRun(8));
    EXPECT_TRUE(CanInstRun(2));
    desk::CloseHandle(held);
    EXPECT_TRUE(CanInstRun(4));
}

TEST_F(Installations, TheOldestProductsAreFoundThroughTheirOpenCommand) {
    const std::filesystem::path d = root / "drive-d";
    std::filesystem::create_directories(d);
    desk::MapDrive('D', d);
    Install(1, "d:\\Autodesk\\AutoCAD LT95");
    Install(7, "C:\\R13\\WIN");
    EXPECT_EQ(GetInstExeFile(1), "d:\\Autodesk\\AutoCAD LT95\\ACLT.EXE");
    EXPECT_EQ(GetInstCurVerKey(1), "SOFTWARE\\Autodesk\\D:\\Autodesk\\AutoCAD LT95\\ACLT.INI");
    EXPECT_EQ(GetInstCurVerKey(7), "SOFTWARE\\Autodesk\\C:\\Autodesk\\AutoCAD R13\\win\\acad.ini");
    EXPECT_EQ(GetInstProductVersion(7), "13.04");
    EXPECT_EQ(GetInstRegLocalMachine(7), "SOFTWARE\\Autodesk\\AutoCAD R13J\\13.04.1");
}

TEST_F(Installations, LaunchedProductIsDetectedAndTheLaunchHandlesAreClosedAtItsEnd) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    desk::PROCESS_INFORMATION handles;
    const Launched l = Launch(6, &handles);
    EXPECT_EQ(l.windows.AcadIndex, 6);
    EXPECT_FALSE(desk::CloseHandle(handles.hProcess)); // already closed by the launch's end
    EXPECT_FALSE(desk::CloseHandle(handles.hThread));
    EXPECT_EQ(l.process.hProcess, nullptr);
    EXPECT_EQ(AcadInstParams()[6].RunState, 2);
    EXPECT_NE(InstanceOf(l), nullptr);
}
