#include "desktop_fixture.h"

#include <fstream>
#include <vector>

using namespace desk;

namespace {

std::string ShortPath(const char* path) {
    char buffer[MAX_PATH];
    return GetShortPathName(path, buffer, MAX_PATH) ? buffer : "(none)";
}

std::string LongPath(const char* path) {
    char buffer[MAX_PATH];
    return GetLongPathName(path, buffer, MAX_PATH) ? buffer : "(none)";
}

} // namespace

TEST_F(DesktopTest, PathRulesReachTheSameFileEveryWay) {
    CreateDirectory("C:\\Program Files\\Autodesk Shared", nullptr);
    CreateDirectory("C:\\Program Files\\Autodesk LT", nullptr);
    Touch("C:\\Program Files\\Autodesk LT\\Readme First.txt", "hello");
    const std::filesystem::path native = root_ / "drive_c" / "Program Files" / "Autodesk LT" / "Readme First.txt";
    ASSERT_TRUE(std::filesystem::exists(native));
    for (const char* path :
         {"c:\\program files\\autodesk lt\\readme first.TXT", "C:/Program Files/Autodesk LT/Readme First.txt",
          "C:\\WINDOWS\\..\\Program Files\\.\\Autodesk LT\\\\Readme First.txt", "C:\\PROGRA~1\\AUTODE~1\\README~1.TXT",
          "C:\\Program Files\\Autodesk LT.\\Readme First.txt"}) {
        EXPECT_EQ(ToNativePath(path), native) << path;
        EXPECT_EQ(GetFileAttributes(path), FILE_ATTRIBUTE_ARCHIVE) << path;
    }
    // Short names: six characters, "~" and a number counted among the names that collide
    // (in name order: Autodesk LT before Autodesk Shared), the extension's first three characters; 8.3 names are their own.
    EXPECT_EQ(ShortPath("C:\\Program Files\\Autodesk LT\\Readme First.txt"), "C:\\PROGRA~1\\AUTODE~1\\README~1.TXT");
    EXPECT_EQ(ShortPath("c:\\program files\\autodesk shared"), "C:\\PROGRA~1\\AUTODE~2");
    EXPECT_EQ(ShortPath("C:\\WINDOWS\\SYSTEM32"), "C:\\WINDOWS\\SYSTEM32");
    EXPECT_EQ(ShortPath("C:\\Program Files\\missing"), "(none)");
    EXPECT_EQ(LongPath("c:\\progra~1\\autode~1\\readme~1.txt"), "C:\\Program Files\\Autodesk LT\\Readme First.txt");

    char buffer[MAX_PATH];
    EXPECT_EQ(GetShortPathName("C:\\Program Files", buffer, 5), 12u); // too small: the size needed
    char* name = nullptr;
    SetCurrentDirectory("C:\\Program Files");
    EXPECT_EQ(GetFullPathName("Autodesk LT\\x.dxf", MAX_PATH, buffer, &name), 34u);
    EXPECT_STREQ(buffer, "C:\\Program Files\\Autodesk LT\\x.dxf");
    EXPECT_STREQ(name, "x.dxf");
    EXPECT_EQ(GetTempPath(MAX_PATH, buffer), 16u);
    EXPECT_STREQ(buffer, "C:\\WINDOWS\\TEMP\\");
    EXPECT_EQ(FromNativePath(native), "C:\\Program Files\\Autodesk LT\\Readme First.txt");
    EXPECT_EQ(FromNativePath("/etc/hosts"), "Z:\\etc\\hosts");
}

TEST_F(DesktopTest, FindFileMatchesLongAndShortNamesWithWildcards) {
    Touch("C:\\WINDOWS\\TEMP\\RIR000001B4.dxf");
    Touch("C:\\WINDOWS\\TEMP\\a.scr");
    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile("C:\\WINDOWS\\TEMP\\*.DXF", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "RIR000001B4.dxf");
    EXPECT_STREQ(data.cAlternateFileName, "RIR000~1.DXF");
    EXPECT_FALSE(FindNextFile(find, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    FindClose(find);
    find = FindFirstFile("C:\\WINDOWS\\TEMP\\RIR000~1.DXF", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "RIR000001B4.dxf");
    FindClose(find);
    EXPECT_EQ(FindFirstFile("C:\\WINDOWS\\TEMP\\*.dwg", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(DesktopTest, SharingModesDecideWhoMayOpenAndDelete) {
    const char* file = "C:\\lock.xmx";
    Touch(file);
    struct Case {
        DWORD heldAccess, heldShare, access, share;
        bool opens;
    };
    const Case cases[] = {
        {GENERIC_READ | GENERIC_WRITE, 0, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, false},
        {GENERIC_READ, FILE_SHARE_READ, GENERIC_READ, FILE_SHARE_READ, true},
        {GENERIC_READ, FILE_SHARE_READ, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, false},
        {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ, FILE_SHARE_READ,
         false}, // the new one denies writing
    };
    for (const auto& c : cases) {
        HANDLE held = CreateFile(file, c.heldAccess, c.heldShare, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        HANDLE second = CreateFile(file, c.access, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(second != INVALID_HANDLE_VALUE, c.opens);
        if (second == INVALID_HANDLE_VALUE) {
            EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
        } else {
            CloseHandle(second);
        }
        EXPECT_FALSE(DeleteFile(file)); // held without FILE_SHARE_DELETE
        CloseHandle(held);
    }
    // Read-only files refuse writing and deleting until the attribute is cleared.
    EXPECT_TRUE(SetFileAttributes(file, FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributes(file), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(CreateFile(file, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(DeleteFile(file));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(SetFileAttributes(file, FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(DeleteFile(file));
    EXPECT_FALSE(DeleteFile(file));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(DesktopTest, FilesReadWriteAndRefuseWhatTheirDispositionForbids) {
    const char* file = "C:\\WINDOWS\\TEMP\\data.bin";
    HANDLE h = CreateFile(file, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    EXPECT_TRUE(WriteFile(h, "abcdef", 6, &n, nullptr));
    EXPECT_EQ(GetFileSize(h, nullptr), 6u);
    EXPECT_EQ(SetFilePointer(h, 2, nullptr, FILE_BEGIN), 2u);
    char buffer[8] = {};
    EXPECT_TRUE(ReadFile(h, buffer, 3, &n, nullptr));
    EXPECT_EQ(std::string(buffer, n), "cde");
    CloseHandle(h);
    EXPECT_EQ(CreateFile(file, GENERIC_READ, 0, nullptr, CREATE_NEW, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(CreateFile("C:\\WINDOWS\\TEMP\\none.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(CreateFile("C:\\NO\\SUCH\\none.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    h = CreateFile(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(WriteFile(h, "x", 1, &n, nullptr)); // opened for reading only
    CloseHandle(h);
    EXPECT_TRUE(MoveFile(file, "C:\\WINDOWS\\TEMP\\moved.bin"));
    EXPECT_EQ(GetFileAttributes(file), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(CopyFile("C:\\WINDOWS\\TEMP\\moved.bin", file, true));
    EXPECT_FALSE(CopyFile("C:\\WINDOWS\\TEMP\\moved.bin", file, true));
    EXPECT_FALSE(RemoveDirectory("C:\\WINDOWS\\TEMP"));
    EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
}
