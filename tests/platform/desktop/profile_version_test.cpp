#include "desktop_fixture.h"

#include <fstream>

using namespace desk;

namespace {

std::string Read(const char* section, const char* key, const char* file) {
    char buffer[64];
    GetPrivateProfileString(section, key, "(default)", buffer, sizeof buffer, file);
    return buffer;
}

} // namespace

TEST_F(DesktopTest, PrivateProfileReadsWritesAndRemoves) {
    const char* ini = "C:\\ACLT\\ACLT.INI";
    CreateDirectory("C:\\ACLT", nullptr);
    EXPECT_EQ(Read("General", "SDIMode", ini), "(default)"); // no file yet
    Touch(ini, "; settings\r\n[General]\r\n  Color = \"blue\"  \r\nSize=12px\r\n\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(Read("general", "COLOR", ini), "blue");
    EXPECT_EQ(GetPrivateProfileInt("General", "Size", 5, ini), 12u);
    EXPECT_EQ(GetPrivateProfileInt("General", "Missing", 5, ini), 5u);

    EXPECT_TRUE(WritePrivateProfileString("General", "SDIMode", "1", ini));
    EXPECT_TRUE(WritePrivateProfileString("General", "size", "14", ini));
    EXPECT_TRUE(WritePrivateProfileString("New", "Key", "v", ini));
    EXPECT_TRUE(WritePrivateProfileString("Other", nullptr, nullptr, ini));
    EXPECT_TRUE(WritePrivateProfileString("General", "Color", nullptr, ini));
    std::ifstream in(ToNativePath(ini), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "; settings\r\n[General]\r\nsize=14\r\nSDIMode=1\r\n\r\n[New]\r\nKey=v\r\n");

    // A name without a folder is in the Windows folder.
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "w", "WIN.INI"));
    EXPECT_EQ(Read("S", "k", "C:\\WINDOWS\\WIN.INI"), "w");
}

TEST_F(DesktopTest, VersionResourceGivesTheFixedVersionFields) {
    const char* exe = "C:\\ACLT\\ACLT.EXE";
    CreateDirectory("C:\\ACLT", nullptr);
    Touch(exe, "MZ program bytes");
    EXPECT_FALSE(ReadVersionResource(exe));
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);

    VS_FIXEDFILEINFO info;
    info.dwFileVersionMS = 0x000F0000;
    info.dwProductVersionMS = 0x000F0000; // 15.0
    info.dwProductVersionLS = 0x00060059; // 6.89
    ASSERT_TRUE(WriteVersionResource(exe, info));
    info.dwProductVersionLS = 0x0006005A; // writing again replaces the block
    ASSERT_TRUE(WriteVersionResource(exe, info));

    const auto read = ReadVersionResource("c:\\aclt\\aclt.exe");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(read->dwProductVersionMS), 15);
    EXPECT_EQ(LOWORD(read->dwProductVersionMS), 0);
    EXPECT_EQ(HIWORD(read->dwProductVersionLS), 6);
    EXPECT_EQ(LOWORD(read->dwProductVersionLS), 90);
    // The program's own bytes stay in front of the block.
    std::ifstream in(ToNativePath(exe), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes.size(), 16 + sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(bytes.substr(0, 16), "MZ program bytes");
}
