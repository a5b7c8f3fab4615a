#include "vantor/geometry/profile/keisankeikakusen.h"

#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/profile_tables.h"

#include <gtest/gtest.h>

using namespace 縦断bus;
using namespace profile_test;

namespace {

TEST(Keisankeikakusen, CrestSampledEveryMetre) {
    LoadCrest();
    keisantate();
    ASSERT_TRUE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 200.0f); // 201 samples
    EXPECT_EQ(keikakusenx(0), 0.0f);
    EXPECT_EQ(keikakuseny(0), 48.0f);
    EXPECT_EQ(keikakusenx(50), 50.0f);
    EXPECT_FLOAT_EQ(keikakuseny(50), 49.0f); // on the first tangent
    EXPECT_EQ(keikakuseny(100), 49.775002f); // 50 - 0.03 * 60 / 8, not rounded
    // The high point, VCB - g1 L / (g2 - g1): 49.8 one unit in the last place high, from the
    // single-precision coefficients.
    EXPECT_EQ(keikakuseny(110), 49.800003f);
    EXPECT_FLOAT_EQ(keikakuseny(170), 49.3f); // on the second tangent
    EXPECT_EQ(keikakusenx(200), 200.0f);
    EXPECT_EQ(keikakuseny(200), 49.0f);
}

TEST(Keisankeikakusen, SagLowPoint) {
    LoadSag();
    keisantate();
    ASSERT_TRUE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 150.0f);
    EXPECT_EQ(keikakuseny(46), 9.24f);
}

TEST(Keisankeikakusen, EndsOnTheLastStationAndSkipsRowsWithoutOne) {
    LoadProfile({{E, 5}, {0, 10, 100}, {100.5f, 10, 101.006f}, {E, 5}});
    keisantate();
    ASSERT_TRUE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 101.0f);
    EXPECT_EQ(keikakusenx(0), 0.0f);
    EXPECT_EQ(keikakuseny(0), 100.0f);
    EXPECT_EQ(keikakusenx(100), 100.0f);
    EXPECT_EQ(keikakusenx(101), 100.5f);
    EXPECT_EQ(keikakuseny(101), 101.01f); // the rounded table value
}

TEST(Keisankeikakusen, FillsTheTableForTwoThousandMetres) {
    LoadProfile({{0, 0, 0}, {2000, 0, 20}});
    keisantate();
    ASSERT_TRUE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 2000.0f);
    EXPECT_EQ(keikakusenx(2000), 2000.0f);
}

TEST(Keisankeikakusen, NothingToSampleWithoutAPlannedLine) {
    LoadProfile({{0, 0, 0}, {100, 0}});
    keikakusensuu = 7;
    keisantate();
    EXPECT_FALSE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 7.0f);

    // A profile that stopped (its curve starts before the first change point) has complete
    // lists but no planned line: sampling them would draw a line of no input.
    LoadCrest();
    tatedata(4, 4) = 300;
    keikakusensuu = 7;
    keisantate();
    EXPECT_EQ(henkatensuu, 3);
    EXPECT_FALSE(keisankeikakusen());
    EXPECT_EQ(keikakusensuu, 7.0f);
    EXPECT_EQ(keikokuflg, 0); // the stop was told; sampling has nothing of its own to say
}

} // namespace
