// The component stream: what is written reads back the same, byte layout by hand, and damaged
// streams are refused rather than half read.
#include "platform/com/component_stream.h"

#include <gtest/gtest.h>

using namespace com;

TEST(ComponentStream, ValuesOfEveryKindReadBackInOrder) {
    const ComponentStream c{"TAcadControl",
                            "",
                            {{"Left", 12},
                             {"Top", -3},
                             {"HelpType", StreamIdent{"htKeyword"}},
                             {"Visible", true},
                             {"DxfBinary", false},
                             {"DxfFile", std::string("\x83\x65st.dxf")},
                             {"ShellCmdLine", std::string(300, 'x')}}};
    const auto back = ReadComponentStream(WriteComponentStream(c));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->className, "TAcadControl");
    EXPECT_EQ(back->properties, c.properties);
}

TEST(ComponentStream, LayoutIsSignatureNamesAndTaggedValues) {
    const auto bytes = WriteComponentStream({"TX", "", {{"W", 28}, {"V", true}}});
    const std::vector<BYTE> expected{'T', 'P', 'F', '0', 2, 'T', 'X', 0, 1, 'W', 3, 28, 0, 0, 0, 1, 'V', 9, 0};
    EXPECT_EQ(bytes, expected);
}

TEST(ComponentStream, DamagedStreamsAreRefused) {
    const auto good = WriteComponentStream({"TX", "", {{"W", 28}, {"K", StreamIdent{"htKeyword"}}}});
    ASSERT_TRUE(ReadComponentStream(good));
    auto badSignature = good;
    badSignature[3] = '1';
    auto unknownTag = good;
    unknownTag[10] = 42; // the tag of W
    auto trailing = good;
    trailing.push_back(0);
    for (const auto& bytes :
         {badSignature, unknownTag, trailing, std::vector<BYTE>(good.begin(), good.end() - 3), std::vector<BYTE>{}})
        EXPECT_FALSE(ReadComponentStream(bytes));
}
