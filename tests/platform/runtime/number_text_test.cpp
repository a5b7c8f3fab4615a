#include "platform/runtime/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct SingleCase {
    float value;
    const char* cstr;
    const char* str;
};

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

// The C library's general format, which the conversion has to match character for character.
std::string PrintfG(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, v);
    return buf;
}

// Values where the form or the rounding turns: powers of ten and the numbers just around them,
// ties at the last kept digit, the extremes and the subnormals.
std::vector<double> EdgeValues() {
    std::vector<double> v = {std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::min(),
                             std::numeric_limits<float>::denorm_min(),
                             0.5,
                             1.5,
                             2.5,
                             1.00000005,
                             1.0000005,
                             9.9999995,
                             99999995,
                             999999950000000.0,
                             9999999.5,
                             99999999999999.95,
                             0.000099999995,
                             0.00009999999999999995};
    for (int e = -320; e <= 308; ++e) {
        const double p = std::pow(10.0, e);
        for (double f : {1.0, 1.0 - 1e-16, 1.0 + 1e-15, 1.0 - 5e-8, 1.0 - 5e-16, 0.99999995, 0.999999949, 1.25, 4.5})
            v.push_back(p * f);
    }
    return v;
}

TEST(NumberText, MatchesTheCLibraryGeneralFormat) {
    std::vector<double> doubles = EdgeValues();
    std::vector<float> singles;
    for (double d : doubles) singles.push_back(static_cast<float>(d));
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) doubles.push_back(d);
        float f;
        const auto low = static_cast<std::uint32_t>(bits);
        std::memcpy(&f, &low, sizeof f);
        if (std::isfinite(f)) singles.push_back(f);
        // Numbers of the sizes drawings hold: coordinates, heights, areas in a few decimals.
        const double drawn =
            std::ldexp(static_cast<double>(bits >> 11), -53) * std::pow(10.0, static_cast<int>(i % 14) - 4);
        doubles.push_back(i % 2 ? drawn : -drawn);
        singles.push_back(static_cast<float>(i % 3 ? drawn : std::round(drawn * 100) / 100));
    }
    int mismatches = 0;
    for (double d : doubles) {
        for (double v : {d, -d}) {
            if (v == 0 || !std::isfinite(v)) continue; // both written by the conversion itself
            if (rt::CStr(v) != PrintfG(v, 15) && ++mismatches <= 10) ADD_FAILURE() << PrintfG(v, 17) << " as double";
        }
    }
    for (float f : singles) {
        for (float v : {f, -f}) {
            if (v == 0 || !std::isfinite(v)) continue; // both written by the conversion itself
            if (rt::CStr(v) != PrintfG(v, 7) && ++mismatches <= 10) ADD_FAILURE() << PrintfG(v, 9) << " as single";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberText, IntegerExtremes) {
    EXPECT_EQ(rt::CStr(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(rt::CStr(std::numeric_limits<long long>::max()), "9223372036854775807");
}

} // namespace
