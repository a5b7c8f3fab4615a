#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"

#include <gtest/gtest.h>

namespace {

TEST(Val, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"12.5abc", 12.5}, {"", 0.0},          {"abc", 0.0},   {"  -3.25 m", -3.25}, {"1.5E+03", 1500.0},
        {".5", 0.5},       {"12.", 12.0},      {"1e", 1.0},    {"-", 0.0},           {" 1 234.5 m", 1234.5},
        {"- 2", -2.0},     {"1.5 E 2", 150.0}, {"\t7\n", 7.0},
    };
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(rt::Val(text), expected) << text;
}

TEST(StrictConversion, RaisesTypeMismatchOnText) {
    EXPECT_DOUBLE_EQ(rt::CDbl(" 12.25 "), 12.25);
    EXPECT_FLOAT_EQ(rt::CSng("\xE3\x80\x80"
                             "3\xE3\x80\x80"),
                    3.0f); // full-width blanks around
    for (const char* bad : {"", "   ", "12a", "a12", "1.2.3"}) {
        try {
            rt::CDbl(bad);
            FAIL() << "accepted " << bad;
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.Number(), rt::errTypeMismatch);
        }
    }
    EXPECT_FALSE(rt::IsNumeric("   "));
    EXPECT_TRUE(rt::IsNumeric(" -4.5 "));
}

TEST(StrictConversion, CIntRoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(rt::CInt(2.5), 2);
    EXPECT_EQ(rt::CInt(3.5), 4);
    EXPECT_EQ(rt::CInt("2.6"), 3);
    EXPECT_THROW(rt::CInt(40000.0), rt::Error);
}

TEST(Rounding, HalvesGoUpAlsoBelowZero) {
    EXPECT_DOUBLE_EQ(rt::RoundHalfUp(1.005 * 1000 / 1000, 2), 1.0); // 1.005 is below the half in binary
    EXPECT_DOUBLE_EQ(rt::RoundHalfUp(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(rt::RoundHalfUp(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(rt::RoundHalfUp(49.775, 2), 49.78);
    EXPECT_DOUBLE_EQ(rt::RoundToStep(1234.5, 10.0), 1230.0);
    EXPECT_DOUBLE_EQ(rt::RoundToStep(1235.0, 10.0), 1240.0);
}

} // namespace
