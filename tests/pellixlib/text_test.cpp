// Text routines and the tests on the CAD's command-line texts; no desktop needed.
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadVInf_Products.h"
#include "pellixlib/AcadVInf_Prompt.h"
#include "platform/runtime/cp932.h"

#include <gtest/gtest.h>

#include <optional>

using namespace pellix;

namespace {

std::string Cp932(const std::string& utf8) { return rt::Utf8ToCp932(utf8); }

struct Xyz {
    double x, y, z;
};

std::optional<Xyz> Parse(const std::string& text) {
    Xyz p{-1, -1, -1};
    if (!ParseCoordinates(text, p.x, p.y, p.z)) return std::nullopt;
    return p;
}

} // namespace

TEST(ParseCoordinates, TwoOrThreeNumbersInAnyText) {
    const auto id = Parse("X = 1.5     Y = -2     Z = 3E2");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->x, 1.5);
    EXPECT_EQ(id->y, -2);
    EXPECT_EQ(id->z, 300);
    const auto two = Parse("  X = 1 Y = 2 ");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->x, 1);
    EXPECT_EQ(two->y, 2);
    EXPECT_EQ(two->z, 0);
    const auto commas = Parse("12.5,-7,0");
    ASSERT_TRUE(commas);
    EXPECT_EQ(commas->x, 12.5);
    EXPECT_EQ(commas->y, -7);

    for (const char* bad : {"1,2,3,4", "5", " 7 ", "", "X = 1", "1e,2", "1'2\",3"}) EXPECT_FALSE(Parse(bad)) << bad;
}

TEST(ParseCoordinates, TrailBytesOfDoubleByteCharactersAreNoDigitsOrExponents) {
    // "・" is 0x81 0x45: its trail byte reads as "E" to a byte-by-byte scan.
    const std::string dot = Cp932("・");
    ASSERT_EQ(dot, "\x81\x45");
    const auto p = Parse("X" + Cp932("＝") + "1.5 " + dot + " Y" + Cp932("＝") + "-2");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, 1.5);
    EXPECT_EQ(p->y, -2);
    EXPECT_EQ(p->z, 0);
    // "‘" (0x81 0x65) ends a run like a blank would, without adding an "e" to it.
    const auto q = Parse("4" + Cp932("‘") + "5");
    ASSERT_TRUE(q);
    EXPECT_EQ(q->x, 4);
    EXPECT_EQ(q->y, 5);
}

TEST(TextRoutines, PromptDefaultQuotesAndFileNames) {
    EXPECT_EQ(ExtractPromptDefault("Enter new value for LUPREC <4>: "), "4");
    EXPECT_EQ(ExtractPromptDefault("Value>: then <4"), "");
    EXPECT_EQ(ExtractPromptDefault("No default: "), "");

    EXPECT_EQ(TrimQuotes("  \"C:\\Program Files\\ACLT.EXE\"  "), "C:\\Program Files\\ACLT.EXE");
    EXPECT_EQ(TrimQuotes("\"one\" \"two\""), "one\" \"two");
    EXPECT_EQ(TrimQuotes("\"a"), "\"a");

    EXPECT_TRUE(IsValidFileName("C:\\TEMP\\RIR123.dxf", true));
    EXPECT_FALSE(IsValidFileName("C:\\TEMP\\RIR123.dxf", false));
    for (const char* bad : {"a/b", "a,b", "a;b", "a*", "a?", "a\"", "a<", "a>", "a|", ".", ".."})
        EXPECT_FALSE(IsValidFileName(bad, true)) << bad;
    // A double-byte name whose trail byte is a backslash is still one name.
    EXPECT_TRUE(IsValidFileName(Cp932("表.dxf"), false));
    EXPECT_FALSE(IsPathDelimiterAt(Cp932("表"), 2));
    EXPECT_TRUE(IsPathDelimiterAt("C:\\", 3));
    EXPECT_EQ(FindMenuMark("Open\tCtrl+O"), 5u);
    EXPECT_EQ(FindMenuMark(Cp932("表(&F)"), "(&"), 3u);
}

TEST(CommandLineTexts, IdlePromptTable) {
    const std::string ja = Cp932("ｺﾏﾝﾄﾞ: ");
    ASSERT_EQ(ja.size(), 7u);
    struct Case {
        std::string line, prompt;
        bool idle;
    };
    const Case cases[] = {
        {"Command: ", "Command: ", true},
        {"COMMAND: ", "COMMAND: ", true},
        {ja, ja, true},
        {Cp932("ｺﾏﾝﾄﾞ:"), Cp932("ｺﾏﾝﾄﾞ:"), false},
        {"Command: ", "Specify point: ", false},
        {"COMMAND: ", "Command: ", false},
        {"Command: L", "Command: L", false},
        {"", "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPromptIdle(c.line, c.prompt), c.idle) << c.line << "|" << c.prompt;
}

TEST(CommandLineTexts, PromptAndCancelMarksAreStripped) {
    const std::string ja = Cp932("ｺﾏﾝﾄﾞ: ");
    const std::string cancel = Cp932("*ｷｬﾝｾﾙ*");
    EXPECT_EQ(StripCommandPrompt("command: _iD"), "_iD");
    EXPECT_EQ(StripCommandPrompt(ja + "_LINE"), "_LINE");
    EXPECT_EQ(StripCommandPrompt("Specify point: "), "Specify point: ");

    const std::pair<std::string, std::string> marks[] = {
        {"Command: LINE*Cancel*", ""},
        {"Command: LINE", "Command: LINE"},
        {"a*b*Cancel*Command: _iD", "Command: _iD"},
        {"Command: *Cancel*Command: *Cancel*Command: X", "Command: X"},
        {ja + cancel + ja + "_LUPREC", ja + "_LUPREC"},
        {"*Cancel*x*", "x*"},
        {"**Cancel**", "*"},
        {"*cancel*", "*cancel*"},
    };
    for (const auto& [text, rest] : marks) EXPECT_EQ(StripCancelMarks(text), rest) << text;
}

TEST(ProductTable, NamesIndexesAndColumns) {
    const std::pair<std::string, int> names[] = {
        {"AutoCAD LT2002", 6},  {"autocad lt2000", 4}, {"AUTOCAD LT2000i", 5},
        {"AutoCAD LT95", 1},    {"AutoCAD LT97", 2},   {"AutoCAD LT98", 3},
        {"AutoCAD LT2000 ", 0}, {"AutoCAD 2002", 11},  {"autocad 2000i", 10},
        {"AutoCAD 2000", 9},    {"AutoCAD R14", 8},    {"AutoCAD R13", 7},
        {"AutoCAD r14", 0},     {"NOACAD", 0},         {"", 0},
        {"AutoCAD", 0},
    };
    for (const auto& [name, index] : names) EXPECT_EQ(GetInstNameType(name), index) << name;
    for (int i = 1; i < kAcadIndexCount; ++i) EXPECT_EQ(GetInstNameType(GetInstName(static_cast<TAcadIndex>(i))), i);

    EXPECT_EQ(GetInstName(0), "");
    EXPECT_EQ(GetInstName(12), "");
    EXPECT_EQ(GetInstName(200), "");
    EXPECT_EQ(GetInstRegLocalMachine(6), "SOFTWARE\\Autodesk\\AutoCAD LT\\R8");
    EXPECT_EQ(GetInstRegClassesRoot(8), "AutoCAD.Application.14");
    EXPECT_EQ(GetInstProductVersion(10), "15.05");
    EXPECT_EQ(GetInstDxfVersion(2), dvDXFR14);
    EXPECT_EQ(GetInstDxfVersion(1), dvDXFNA);
    int full = 0, registry = 0, mdi = 0;
    for (TAcadIndex i = 0; i < kAcadIndexCount; ++i)
        full += IsFullAcad(i), registry += IsRegistryInst(i), mdi += IsMDIInst(i);
    EXPECT_EQ(full, 5);
    EXPECT_EQ(registry, 9);
    EXPECT_EQ(mdi, 6);
    EXPECT_FALSE(IsFullAcad(0) || IsRegistryInst(0) || IsMDIInst(0) || IsRegistryInst(7) || IsMDIInst(8));
}
