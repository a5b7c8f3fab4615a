#include "platform/runtime/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SingleCase { float value; const char* cstr; const char* str; };

TEST(NumberText, SingleKeepsSevenSignificantDigits) {
    const SingleCase cases[] = {
        {12345678.0f, "1.234568E+07", " 1.234568E+07"},
        {100.0f, "100", " 100"},
        {-0.5f, "-0.5", "-.5"},
        {0.5f, "0.5", " .5"},
        {519.99994f, "519.9999", " 519.9999"},
        {17.999998f, "18", " 18"},
        {-19.999998f, "-20", "-20"},
        {-0.0f, "0", " 0"},
        {12.3f, "12.3", " 12.3"},
        {9999999.0f, "9999999", " 9999999"},
        {10000000.0f, "1E+07", " 1E+07"},
        {0.0001f, "0.0001", " .0001"},
        {0.00001f, "1E-05", " 1E-05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::CStr(c.value), c.cstr) << c.value;
        EXPECT_EQ(rt::Str(c.value), c.str) << c.value;
    }
}

TEST(NumberText, DoubleShowsTheSingleRepresentationError) {
    // A planned height of 12.34 m held as single, drawn at 1:100 over a datum of 10 m.
    double drawn = (static_cast<double>(12.34f) - 10.0) * 10.0;
    EXPECT_EQ(rt::CStr(drawn), "23.4000015258789");
    EXPECT_EQ(rt::CStr(1e15), "1E+15");
    EXPECT_EQ(rt::CStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(rt::CStr(-0.0), "0");
    EXPECT_EQ(rt::Str(0.25), " .25");
}

TEST(NumberText, IntegersArePlain) {
    EXPECT_EQ(rt::CStr(-45), "-45");
    EXPECT_EQ(rt::CStr(0), "0");
    EXPECT_EQ(rt::Str(4), " 4");
    EXPECT_EQ(rt::Str(-4), "-4");
}

} // namespace
