// The host process's PATH set up for the CAD's shared folder.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

const std::string kShared = "C:\\Program Files\\Common Files\\Autodesk Shared";

using SharedPath = PellixDesktop;

} // namespace

TEST_F(SharedPath, RemovingAnEntryKeepsTheOthersAndTheirQuotes) {
    const std::string list = "C:\\A;\"C:\\X\";C:\\B";
    struct Case {
        std::string list, folder, result;
    };
    const Case cases[] = {
        {list, "C:\\X", "C:\\A;C:\\B"},
        {list, "C:\\B", "C:\\A;\"C:\\X\";"},
        {list, "c:\\a\\", "\"C:\\X\";C:\\B"},
        {list, "C:\\Y", list},
        {"  C:\\X\\ ;C:\\Z", "C:\\X", "C:\\Z"},
        {"\"C:\\With;Semicolon\";C:\\Z", "C:\\Z", "\"C:\\With;Semicolon\";"},
        {"C:\\" + Cp932("表") + ";C:\\Z", "C:\\Z", "C:\\" + Cp932("表") + ";"},
        {"", "C:\\X", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RemovePathEntry(c.list, c.folder), c.result) << c.list << " - " << c.folder;
}

TEST_F(SharedPath, AnEntryNamingTheFolderByItsShortNameGoesToo) {
    ASSERT_TRUE(desk::CreateDirectory("C:\\Program Files\\Common Files\\Autodesk Shared", nullptr));
    char shortName[desk::MAX_PATH] = {};
    ASSERT_GT(desk::GetShortPathName(kShared.c_str(), shortName, desk::MAX_PATH), 0u);
    ASSERT_NE(std::string(shortName), kShared);
    EXPECT_EQ(RemovePathEntry(std::string("C:\\A;") + shortName + "\\;C:\\B", kShared), "C:\\A;C:\\B");
}

TEST_F(SharedPath, SharedAndHostFoldersLeadThePathOnceHoweverOftenItIsSetUp) {
    ASSERT_TRUE(desk::SetEnvironmentVariable("PATH", ("C:\\Tools;" + kShared + "\\;C:\\Host;C:\\Bin").c_str()));
    for (int control = 0; control < 3; ++control) {
        EXPECT_TRUE(SetupSharedPath("C:\\Host"));
        EXPECT_EQ(GetEnvVar("PATH"), kShared + ";C:\\Host;C:\\Tools;C:\\Bin");
    }
    EXPECT_TRUE(SetupSharedPath(""));
    EXPECT_EQ(GetEnvVar("PATH"), kShared + ";C:\\Host;C:\\Tools;C:\\Bin");
}

TEST_F(SharedPath, WithoutAPathTheSystemFoldersFollow) {
    ASSERT_TRUE(desk::SetEnvironmentVariable("PATH", nullptr));
    EXPECT_TRUE(SetupSharedPath("C:\\Host"));
    EXPECT_EQ(GetEnvVar("PATH"), kShared + ";C:\\Host;C:\\WINDOWS\\SYSTEM32\\;C:\\WINDOWS\\");
    // The common files folder falls back to the program files folder.
    ASSERT_TRUE(RegDeleteValueName(desk::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                   "CommonFilesDir", false));
    ASSERT_TRUE(RegWriteString(desk::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                               "ProgramFilesDir", "D:\\Apps", false));
    EXPECT_EQ(GetSharedFolder(), "D:\\Apps\\Common Files\\Autodesk Shared");
}
