#include "cad/command/number_input.h"

#include <gtest/gtest.h>

#include <optional>

using cad::command::ParseNumber;
using cad::command::ParsePoint;

TEST(NumberInput, AcceptsTheFormsTheProgramWrites) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"100", 100},
                 {"-45", -45},
                 {"23.4", 23.4},
                 {"-0.5", -0.5},
                 {".5", 0.5},
                 {"1.234568E+07", 12345680},
                 {"23.4000015258789", 23.4000015258789},
                 {"+3", 3},
                 {"1e-3", 0.001}};
    for (const auto& c : cases) {
        const auto v = ParseNumber(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
}

TEST(NumberInput, RefusesWhatIsNoPlainNumber) {
    for (const char* text :
         {"", "-", ".", "1,2", "abc", "1e", "e5", "inf", "nan", "0x10", "--1", "1.2.3", "1e999", "12a", " 1"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
}

TEST(NumberInput, PointsAbsoluteThreeDimensionalAndRelative) {
    const cad::Point last{10, 20, 5};
    const auto p = ParsePoint("150,23.4", last);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->x, 150);
    EXPECT_EQ(p->y, 23.4);
    EXPECT_EQ(p->z, 0);
    const auto q = ParsePoint("1000,2000,1500", last);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->z, 1500);
    const auto r = ParsePoint("@-1,2", last);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->x, 9);
    EXPECT_EQ(r->y, 22);
    EXPECT_EQ(r->z, 5);
    const auto same = ParsePoint("@", last);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->x, 10);
    for (const char* bad : {"1", "1,", ",1", "1,2,3,4", "@x,1", "1;2", "W"}) EXPECT_FALSE(ParsePoint(bad, last)) << bad;
}
