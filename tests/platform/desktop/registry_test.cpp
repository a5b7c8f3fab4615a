#include "desktop_fixture.h"

#include <fstream>
#include <vector>

using namespace desk;

namespace {

std::string ReadString(HKEY root, const char* key, const char* name) {
    HKEY h;
    if (RegOpenKeyEx(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return "(no key)";
    char data[512];
    DWORD size = sizeof data, type = 0;
    const LONG e = RegQueryValueEx(h, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(h);
    return e == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : "(no value)";
}

void WriteString(HKEY h, const char* name, const std::string& value) {
    ASSERT_EQ(RegSetValueEx(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
}

std::vector<std::string> SubkeyNames(HKEY h) {
    std::vector<std::string> names;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyEx(h, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    return names;
}

// Loads `body` as the registry file: it is kept aside as damaged and the machine starts afresh,
// writing back a file of a fresh machine's size.
void ExpectKeptAsideAndStartedAfresh(const std::filesystem::path& root, const std::string& body) {
    std::filesystem::remove(root / "registry.txt.bad");
    {
        std::ofstream file(root / "registry.txt", std::ios::binary);
        file << "VANTOR REGISTRY 1\n" << body;
    }
    desk::testing::ReloadRegistry();
    EXPECT_TRUE(std::filesystem::exists(root / "registry.txt.bad"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"),
              "C:\\Program Files");
    HKEY software;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &software), ERROR_SUCCESS);
    ASSERT_EQ(RegFlushKey(software), ERROR_SUCCESS);
    RegCloseKey(software);
    EXPECT_LT(std::filesystem::file_size(root / "registry.txt"), 4096u);
}

} // namespace

TEST_F(DesktopTest, RegistryKeysAndValuesWithThePlatformsAnswers) {
    HKEY key;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Korvel\\PLOTWISE\\AutoCAD LT2002", 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    const DWORD sdi = 1;
    EXPECT_EQ(RegSetValueEx(key, "SDIMode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&sdi), 4), ERROR_SUCCESS);
    WriteString(key, "TextRect", "10, 20, 610, 420");
    WriteString(key, nullptr, "default");

    DWORD value = 0, size = 4, type = 0;
    EXPECT_EQ(RegQueryValueEx(key, "sdimode", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 1u);
    char small[4];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "TextRect", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              LONG(ERROR_MORE_DATA));
    EXPECT_EQ(size, 17u); // with the terminating zero
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "SOFTWARE\\KORVEL\\plotwise\\AutoCAD LT2002", ""), "default");
    EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, nullptr, nullptr, &size), LONG(ERROR_FILE_NOT_FOUND));

    // Values enumerate in the order created.
    char name[64];
    std::vector<std::string> names;
    for (DWORD i = 0;; ++i) {
        DWORD n = sizeof name;
        if (RegEnumValue(key, i, name, &n, nullptr, nullptr, nullptr, nullptr) == LONG(ERROR_NO_MORE_ITEMS)) break;
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"SDIMode", "TextRect", ""}));
    EXPECT_EQ(RegDeleteValue(key, "TEXTRECT"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "TextRect"), LONG(ERROR_FILE_NOT_FOUND));
    RegCloseKey(key);

    // Subkeys enumerate alphabetically ignoring case; a key with subkeys cannot be deleted.
    HKEY profiles;
    RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Profiles", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &profiles, nullptr);
    for (const char* p : {"zeta", "Alpha", "<<Unnamed Profile>>", "beta"}) {
        HKEY sub;
        RegCreateKeyEx(profiles, p, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr);
        RegCloseKey(sub);
    }
    EXPECT_EQ(SubkeyNames(profiles), (std::vector<std::string>{"<<Unnamed Profile>>", "Alpha", "beta", "zeta"}));
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Profiles"), LONG(ERROR_ACCESS_DENIED));
    HKEY beta;
    RegOpenKeyEx(profiles, "BETA", 0, KEY_READ, &beta);
    EXPECT_EQ(RegDeleteKey(profiles, "beta"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(beta, nullptr, nullptr, nullptr, nullptr, &size), LONG(ERROR_KEY_DELETED));
    EXPECT_EQ(RegOpenKeyEx(profiles, "beta", 0, KEY_READ, &beta), LONG(ERROR_FILE_NOT_FOUND));

    // A key opened for reading refuses writes; HKEY_CLASSES_ROOT is the machine's classes.
    HKEY readOnly;
    RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &readOnly);
    EXPECT_EQ(RegSetValueEx(readOnly, "x", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              LONG(ERROR_ACCESS_DENIED));
    HKEY command;
    RegCreateKeyEx(HKEY_CLASSES_ROOT, "AutoCAD-LT\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                   &command, nullptr);
    WriteString(command, "", "\"C:\\ACLT\\ACLT.EXE\" \"%1\"");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\AutoCAD-LT\\shell\\open\\command", nullptr),
              "\"C:\\ACLT\\ACLT.EXE\" \"%1\"");
    // A fresh machine knows its program folders.
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir"),
              "C:\\Program Files\\Common Files");
}

TEST_F(DesktopTest, FlushedRegistrySurvivesAReloadAndUnflushedChangesDoNot) {
    HKEY key;
    RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD LT\\R8", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                   &key, nullptr);
    WriteString(key, "CurVer", "ACLT-\x8f\x5c-2002"); // a double-byte character whose second byte is a backslash
    const BYTE binary[] = {0, 1, '"', '\\', 0xFF};
    RegSetValueEx(key, "Odd \"name\"\n", 0, REG_BINARY, binary, sizeof binary);
    RegFlushKey(key);
    WriteString(key, "Late", "never flushed");
    RegCloseKey(key);
    desk::testing::ReloadRegistry();

    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "software\\autodesk\\autocad lt\\r8", "CurVer"), "ACLT-\x8f\x5c-2002");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD LT\\R8", "Late"), "(no value)");
    RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD LT\\R8", 0, KEY_READ, &key);
    BYTE read[8];
    DWORD size = sizeof read, type = 0;
    ASSERT_EQ(RegQueryValueEx(key, "Odd \"name\"\n", nullptr, &type, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(std::vector<BYTE>(read, read + size), std::vector<BYTE>(binary, binary + sizeof binary));
}

TEST_F(DesktopTest, UnreadableRegistryFileIsKeptAsideAndTheMachineStartsAfresh) {
    {
        std::ofstream bad(root_ / "registry.txt");
        bad << "VANTOR REGISTRY 1\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\"broken=\n";
    }
    desk::testing::ReloadRegistry();
    EXPECT_TRUE(std::filesystem::exists(root_ / "registry.txt.bad"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"),
              "C:\\Program Files");
}

// Each damaged file is kept: a second one is set aside under a name of its own, beside the first.
TEST_F(DesktopTest, EveryUnreadableRegistryFileIsKeptAsideUnderAnUnusedName) {
    const std::string bodies[] = {"first \"broken=\n", "second \"broken=\n", "third \"broken=\n"};
    for (const auto& body : bodies) {
        std::ofstream(root_ / "registry.txt", std::ios::binary) << "VANTOR REGISTRY 1\n[HKEY_LOCAL_MACHINE]\n" << body;
        desk::testing::ReloadRegistry();
    }
    const std::filesystem::path kept[] = {root_ / "registry.txt.bad", root_ / "registry.txt.bad.1",
                                          root_ / "registry.txt.bad.2"};
    for (std::size_t i = 0; i < std::size(kept); ++i) {
        std::ifstream in(kept[i], std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(text.find(bodies[i]), std::string::npos) << kept[i] << ": " << text;
    }
}

// Keys may lie 512 levels below their root: such a key is made, written and read back; one
// more level is refused when made, and a file that nests a key deeper (here 20,000 levels) is
// kept aside as damaged, the machine starting afresh.
TEST_F(DesktopTest, KeysNestDownToFiveHundredTwelveLevelsAndADeeperFileIsKeptAside) {
    std::string path = "SOFTWARE";
    for (int level = 2; level <= 512; ++level) path += "\\K";
    HKEY key;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    WriteString(key, "Deepest", "yes");
    HKEY deeper = nullptr;
    EXPECT_EQ(RegCreateKeyEx(key, "One more", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &deeper, nullptr),
              static_cast<LONG>(ERROR_INVALID_PARAMETER));
    ASSERT_EQ(RegFlushKey(key), ERROR_SUCCESS);
    RegCloseKey(key);
    desk::testing::ReloadRegistry();
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, path.c_str(), "Deepest"), "yes");
    EXPECT_FALSE(std::filesystem::exists(root_ / "registry.txt.bad"));

    std::string deep = "[HKEY_CURRENT_USER";
    for (int level = 0; level < 20000; ++level) deep += "\\K";
    ExpectKeptAsideAndStartedAfresh(root_, deep + "]\n");
}

// Key and value names may be 255 characters long (a double-byte character counts one); a longer
// one is refused before anything is made.
TEST_F(DesktopTest, NamesUpToTwoHundredFiftyFiveCharactersAndLongerOnesRefused) {
    const std::string kanji = "\x8f\x63"; // one double-byte character
    std::string doubleByte;
    for (int i = 0; i < 255; ++i) doubleByte += kanji;
    struct Case {
        std::string name;
        LONG result;
    };
    const Case cases[] = {{std::string(255, 'K'), ERROR_SUCCESS},
                          {doubleByte, ERROR_SUCCESS},
                          {std::string(256, 'K'), static_cast<LONG>(ERROR_INVALID_PARAMETER)},
                          {doubleByte + "K", static_cast<LONG>(ERROR_INVALID_PARAMETER)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.size());
        HKEY key = nullptr;
        const std::string path = "Software\\New\\" + c.name;
        EXPECT_EQ(
            RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            c.result);
        HKEY software;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &software), ERROR_SUCCESS);
        const BYTE one[] = {1, 0, 0, 0};
        EXPECT_EQ(RegSetValueEx(software, c.name.c_str(), 0, REG_DWORD, one, 4), c.result);
        RegCloseKey(software);
        if (c.result != ERROR_SUCCESS) {
            EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "Software\\New", ""), "(no key)");
            continue;
        }
        RegCloseKey(key);
        RegDeleteKey(HKEY_CURRENT_USER, path.c_str());
        RegDeleteKey(HKEY_CURRENT_USER, "Software\\New");
    }
}

// A file naming a longer key or value is kept aside as damaged, the machine starting afresh: one
// key 512 levels deep with names of 10,000 characters (5 MB) would otherwise be written back with
// its whole path on the line of every key on the way, a thousand times its size.
TEST_F(DesktopTest, AFileWithLongerNamesIsKeptAside) {
    std::string deep = "[HKEY_CURRENT_USER";
    for (int level = 0; level < 512; ++level) deep += "\\" + std::string(10000, 'K');
    deep += "]\n";
    const std::string files[] = {deep, "[HKEY_CURRENT_USER\\" + std::string(256, 'K') + "]\n",
                                 "[HKEY_CURRENT_USER\\Software]\n\"" + std::string(256, 'V') + "\"=dword:00000001\n"};
    for (const std::string& body : files) ExpectKeptAsideAndStartedAfresh(root_, body);
}

// A program that ends without the desktop's end writes what the registry holds unwritten first.
TEST_F(DesktopTest, WhatTheRegistryHoldsUnwrittenIsWrittenOnRequest) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Korvel", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    WriteString(key, "Left", "unflushed");
    RegCloseKey(key);
    WriteUnwrittenRegistry();
    desk::testing::ReloadRegistry();
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "Software\\Korvel", "Left"), "unflushed");
}
