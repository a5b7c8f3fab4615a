// Reading and setting system variables through their prompts.
#include "engine_fixture.h"

using namespace pellix;
using namespace pellix::testing;

namespace {

struct Variables : Engine {};

} // namespace

TEST_F(Variables, QueryVarReadsThePromptsDefaultAndLeavesTheCadThere) {
    Start();
    bool readOnly = true;
    EXPECT_EQ(acad->QueryVar("_LUPREC", readOnly), "4");
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(Typed(), std::vector<std::string>{"\x03\x03_LUPREC "});
    EXPECT_TRUE(acad->ReadCmdLine().starts_with(Cp932("LUPREC の新しい値を入力")));
}

TEST_F(Variables, AReadOnlyVariableIsReadFromItsPrintedValueAlsoWithBlanksAroundTheName) {
    Start();
    for (const std::string name : {"_DWGNAME", "  _DWGNAME "}) {
        SCOPED_TRACE(name);
        bool readOnly = false;
        EXPECT_EQ(acad->QueryVar(name, readOnly), "\"Drawing1.dwg\"");
        EXPECT_TRUE(readOnly);
        EXPECT_EQ(Typed().back(), "\x03\x03_DWGNAME ");
    }
}

TEST_F(Variables, GetVarAndGetVarNewCloseThePromptTheyOpened) {
    Start();
    std::string value;
    EXPECT_TRUE(acad->GetVar("_FILEDIA", value));
    EXPECT_EQ(value, "1");
    EXPECT_EQ(Typed(), (std::vector<std::string>{"\x03\x03_FILEDIA ", "\x03\x03"}));

    std::string old;
    EXPECT_TRUE(acad->GetVarNew("_LUPREC", "6", old));
    EXPECT_EQ(old, "4");
    EXPECT_EQ(cad->Variables().luprec, 6);
    EXPECT_EQ(Typed().back(), "6\r\x03\x03");

    // A read-only variable is only cancelled.
    EXPECT_TRUE(acad->GetVarNew("_DWGNAME", "x.dwg", old));
    EXPECT_EQ(old, "\"Drawing1.dwg\"");
    EXPECT_EQ(Typed().back(), "\x03\x03");

    EXPECT_FALSE(acad->GetVar("_NOSUCHVAR", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(acad->GetVarNew("_LUPREC", "", old));
    EXPECT_TRUE(IsPromptIdle(acad->ReadCmdLine(), acad->ReadPromptText()));
}
