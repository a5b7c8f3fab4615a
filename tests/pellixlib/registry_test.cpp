// Registry routines, profiles and the SDIMode backup, on a fresh desktop.
#include "pellix_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

const desk::HKEY kUser = desk::HKEY_CURRENT_USER;
const std::string kLt2002Profiles = "SOFTWARE\\Autodesk\\AutoCAD LT\\R8\\ACLT-6001:411\\Profiles";
const std::string kUnnamed = "<<Unnamed Profile>>";

std::vector<std::string> Subkeys(const std::string& key) {
    std::vector<std::string> names;
    std::string name;
    for (desk::DWORD i = 0; RegEnumKeyName(kUser, key, i, name); ++i) names.push_back(name);
    return names;
}

std::vector<std::string> Values(const std::string& key) {
    std::vector<std::string> names;
    std::string name;
    for (desk::DWORD i = 0; RegEnumValueName(kUser, key, i, name); ++i) names.push_back(name);
    return names;
}

using RegistryRoutines = PellixDesktop;
using Profiles = PellixDesktop;

} // namespace

TEST_F(RegistryRoutines, DeletingATreeRemovesSubkeysAtEveryDepth) {
    for (const char* key : {"T\\A\\B\\C", "T\\A\\B2", "T\\A2", "T\\A3\\X", "T\\A4"})
        ASSERT_TRUE(RegWriteString(kUser, key, "v", key, false));
    ASSERT_TRUE(RegWriteInteger(kUser, "T", "n", 5, false));
    EXPECT_TRUE(RegDeleteKeyTree(kUser, "T", true));
    EXPECT_FALSE(RegKeyExists(kUser, "T"));
    EXPECT_FALSE(RegDeleteKeyTree(kUser, "T", false));
    desk::testing::ReloadRegistry();
    EXPECT_FALSE(RegKeyExists(kUser, "T"));
}

TEST_F(RegistryRoutines, ReplacingAKeyLeavesNothingOfTheOldDestination) {
    ASSERT_TRUE(RegWriteString(kUser, "Src\\Sub", "s", "new", false));
    ASSERT_TRUE(RegWriteInteger(kUser, "Src", "n", 7, false));
    ASSERT_TRUE(RegWriteString(kUser, "Dst\\Stale\\Deeper", "old", "x", false));
    ASSERT_TRUE(RegWriteString(kUser, "Dst", "oldValue", "x", false));
    ASSERT_TRUE(RegWriteString(kUser, "Dst\\Sub", "leftover", "x", false));
    EXPECT_TRUE(RegReplaceKey(kUser, "Src", kUser, "Dst", true));
    EXPECT_EQ(Subkeys("Dst"), std::vector<std::string>{"Sub"});
    EXPECT_EQ(Values("Dst"), std::vector<std::string>{"n"});
    EXPECT_EQ(Values("Dst\\Sub"), std::vector<std::string>{"s"});
    std::string s;
    EXPECT_TRUE(RegReadString(kUser, "Dst\\Sub", "s", s));
    EXPECT_EQ(s, "new");
    EXPECT_FALSE(RegReplaceKey(kUser, "Missing", kUser, "Dst", true));
    EXPECT_TRUE(RegKeyExists(kUser, "Dst\\Sub"));
}

TEST_F(RegistryRoutines, CopyTakesEveryValueWholeWithItsType) {
    const std::string longText(3000, 'p');
    std::string binary(1500, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(RegWriteString(kUser, "From", "Long", longText, false));
    desk::HKEY k = nullptr;
    ASSERT_EQ(desk::RegCreateKeyEx(kUser, "From\\Inner", 0, nullptr, 0, desk::KEY_ALL_ACCESS, nullptr, &k, nullptr),
              desk::ERROR_SUCCESS);
    ASSERT_EQ(desk::RegSetValueEx(k, "Blob", 0, desk::REG_BINARY, reinterpret_cast<const desk::BYTE*>(binary.data()),
                                  static_cast<desk::DWORD>(binary.size())),
              desk::ERROR_SUCCESS);
    desk::RegCloseKey(k);

    EXPECT_TRUE(RegCopyKey(kUser, "From", kUser, "To"));
    std::string copied;
    EXPECT_TRUE(RegReadString(kUser, "To", "Long", copied));
    EXPECT_EQ(copied, longText);
    ASSERT_EQ(desk::RegOpenKeyEx(kUser, "To\\Inner", 0, desk::KEY_READ, &k), desk::ERROR_SUCCESS);
    std::string read(4000, '\0');
    desk::DWORD type = 0, size = static_cast<desk::DWORD>(read.size());
    ASSERT_EQ(desk::RegQueryValueEx(k, "Blob", nullptr, &type, reinterpret_cast<desk::BYTE*>(read.data()), &size),
              desk::ERROR_SUCCESS);
    desk::RegCloseKey(k);
    EXPECT_EQ(type, desk::REG_BINARY);
    EXPECT_EQ(read.substr(0, size), binary);
}

TEST_F(RegistryRoutines, ReplacingAKeyByItselfOrAKeyAboveOrBelowItTouchesNothing) {
    ASSERT_TRUE(RegWriteString(kUser, "P\\Q", "v", "kept", false));
    for (const auto& [from, to] : {std::pair{"P", "p"}, {"P", "P\\Q\\Copy"}, {"P\\Q", "P"}}) {
        EXPECT_FALSE(RegReplaceKey(kUser, from, kUser, to, true)) << from << " -> " << to;
        std::string v;
        EXPECT_TRUE(RegReadString(kUser, "P\\Q", "v", v));
        EXPECT_EQ(v, "kept");
        EXPECT_EQ(Subkeys("P\\Q"), std::vector<std::string>{});
    }
}

TEST_F(Profiles, ProfilesAreListedChosenAndCopied) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    EXPECT_EQ(GetInstProfileKey(6), kLt2002Profiles + "\\" + kUnnamed);
    ASSERT_TRUE(SetInstProfileStr(6, "General", "Colour", "black", false));

    EXPECT_TRUE(CopyInstProfile(6, kUnnamed, "Road"));
    EXPECT_EQ(GetInstProfiles(6), kUnnamed + ";Road");
    EXPECT_FALSE(SetInstProfile(6, "Missing"));
    EXPECT_TRUE(SetInstProfile(6, "Road"));
    EXPECT_EQ(GetInstProfileKey(6), kLt2002Profiles + "\\Road");
    EXPECT_EQ(GetInstProfileStr(6, "General", "Colour"), "black");
    EXPECT_EQ(GetInstProfileInt(6, "Drawing Window", "SDIMode"), 0u);
    EXPECT_FALSE(CopyInstProfile(6, "Missing", "Other"));
    EXPECT_FALSE(RegKeyExists(kUser, kLt2002Profiles + "\\Other"));
}

TEST_F(Profiles, CopyingAProfileOntoItselfIsRefusedAndKeepsIt) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    ASSERT_TRUE(SetInstProfileStr(6, "General", "Colour", "black", false));
    for (const std::string& dest : {kUnnamed, std::string("<<UNNAMED PROFILE>>")}) {
        EXPECT_FALSE(CopyInstProfile(6, kUnnamed, dest));
        EXPECT_EQ(GetInstProfileStr(6, "General", "Colour"), "black");
        EXPECT_EQ(GetInstProfiles(6), kUnnamed);
    }
}

TEST_F(Profiles, SdiModeIsBackedUpSwitchedAndRestored) {
    Install(6, "C:\\Program Files\\AutoCAD LT 2002");
    const std::string drawingWindow = kLt2002Profiles + "\\" + kUnnamed + "\\Drawing Window";
    const std::string own = "Software\\Korvel\\PLOTWISE\\AutoCAD LT2002";
    EXPECT_FALSE(GetInstSDIMode(6));
    desk::DWORD v = 99;
    EXPECT_TRUE(RegReadInteger(kUser, own, "SDIMode", v));
    EXPECT_EQ(v, 0u);

    EXPECT_TRUE(SetInstSDIMode(6, true));
    desk::testing::ReloadRegistry(); // the switch was flushed
    EXPECT_TRUE(RegReadInteger(kUser, drawingWindow, "SDIMode", v));
    EXPECT_EQ(v, 1u);

    EXPECT_FALSE(RestoreInstSDIMode(6));
    EXPECT_FALSE(RegReadInteger(kUser, drawingWindow, "SDIMode", v)); // off: the value is removed
    EXPECT_FALSE(GetInstSDIMode(6));
    // Products without the setting always answer true and write nothing.
    Install(3, "C:\\Program Files\\AutoCAD LT 98");
    EXPECT_TRUE(GetInstSDIMode(3));
    EXPECT_TRUE(SetInstSDIMode(3, false));
    EXPECT_TRUE(RestoreInstSDIMode(3));
    EXPECT_FALSE(RegKeyExists(kUser, "Software\\Korvel\\PLOTWISE\\AutoCAD LT98"));
    // Nothing saved yet for an installed MDI product: nothing to restore.
    Install(9, "C:\\Program Files\\AutoCAD 2000");
    EXPECT_FALSE(RestoreInstSDIMode(9));
}

TEST_F(Profiles, TheOldestProductsKeepTheirProfileInAnIniFile) {
    Install(1, "C:\\LT95");
    EXPECT_EQ(GetInstProfileKey(1), "C:\\LT95\\ACLT.ini");
    EXPECT_EQ(GetInstProfileStr(1, "General", "Colour"), ""); // no file yet
    EXPECT_TRUE(SetInstProfileStr(1, "General", "Colour", "black", false));
    EXPECT_TRUE(SetInstProfileInt(1, "General", "Size", 42, false));
    EXPECT_EQ(GetInstProfileStr(1, "General", "Colour"), "black");
    EXPECT_EQ(GetInstProfileInt(1, "General", "Size"), 42u);
    EXPECT_EQ(GetInstProfiles(1), "");
    EXPECT_TRUE(SetInstCurVerRegStr(1, "Paths", "Support", "C:\\LT95\\SUPPORT", false));
    EXPECT_EQ(GetInstCurVerRegStr(1, "Paths", "Support"), "C:\\LT95\\SUPPORT");
    EXPECT_EQ(GetInstCurVerRegInt(0, "Paths", "Support"), 0u);
}
