#include "tests/support/program_reset.h"
#include "tests/vantor/geometry/profile/profile_fixture.h"
#include "vantor/geometry/equations/hyoujihouteishiki.h"
#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

using namespace 縦断bus;

namespace {

void SetCurve(int k, float a, float b, float c, float from, float to) {
    keisuua(k) = a;
    keisuub(k) = b;
    keisuuc(k) = c;
    vcb(k) = from;
    vce(k) = to;
}

class CurveEquations : public ::testing::Test {
protected:
    void SetUp() override { test_support::ResetProgram(); }
    void TearDown() override { test_support::ResetProgram(); }
};

} // namespace

TEST_F(CurveEquations, TextsOfTheCrestAndSagCurves) {
    profile_test::LoadCrest();
    keisantate();
    ASSERT_EQ(kyokusensuu, 1);
    EXPECT_EQ(houteishikimoji(1), " (   1)  Ｙ＝　-0 .000249999983・Ｘ^2 +0 .055・Ｘ + 46.775");
    EXPECT_EQ(kukanmoji(1), "（区間 No 70～ No 130)");

    profile_test::LoadSag();
    keisantate();
    ASSERT_EQ(kyokusensuu, 1);
    EXPECT_EQ(houteishikimoji(1), " (   1)  Ｙ＝　  0 .000624999986・Ｘ^2 -0 .0575・Ｘ + 10.563");
    EXPECT_EQ(kukanmoji(1), "（区間 No 30～ No 70)");
}

TEST_F(CurveEquations, NumberingSignsAndTinyCoefficients) {
    struct Case {
        int k;
        float a, b, c;
        const char* text;
    };
    const Case cases[] = {
        {9, 0.5f, -1.5f, 12.25f, " (   9)  Ｙ＝　  0 .5・Ｘ^2 -0 1.5・Ｘ + 12.25"},
        {10, -2.0f, 0.0f, -0.5f, " ( 10)  Ｙ＝　-0 2・Ｘ^2 +0 0・Ｘ -0 .5"},
        // Below 1E-04 the magnitude is written in exponent form.
        {11, 1.5e-5f, 1.0f, 1000.0f, " ( 11)  Ｙ＝　  0 1.5E-05・Ｘ^2 + 1・Ｘ + 1000"},
    };
    for (const Case& c : cases) {
        SetCurve(c.k, c.a, c.b, c.c, 0, 0);
        EXPECT_EQ(houteishikimoji(c.k), c.text);
    }
}

TEST_F(CurveEquations, ScreenListsExactlyTheCurrentCurves) {
    kyokusensuu = 3;
    for (int k = 1; k <= 3; ++k) SetCurve(k, 0.001f, 0.01f, 10.0f, 100.0f * k, 100.0f * k + 40);
    hyoujihouteishiki();
    方程式画面& screen = forms::Get<方程式画面>();
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(screen.区間(2).Caption(), "（区間 No 300～ No 340)");

    kyokusensuu = 1;
    hyoujihouteishiki();
    EXPECT_TRUE(screen.方程式(0).Visible());
    EXPECT_FALSE(screen.方程式(1).Visible()); // lines of the longer listing go
    EXPECT_FALSE(screen.区間(2).Visible());

    screen.戻る_Click();
    EXPECT_FALSE(screen.Visible());
    EXPECT_FALSE(screen.方程式(0).Visible());
}

TEST_F(CurveEquations, MoreCurvesThanLinesDoNotStopTheListing) {
    kyokusensuu = 20;
    for (int k = 1; k <= 20; ++k) SetCurve(k, 0.001f, 0.01f, 10.0f, 50.0f * k, 50.0f * k + 20);
    hyoujihouteishiki();
    方程式画面& screen = forms::Get<方程式画面>();
    EXPECT_EQ(screen.区間(16).Caption(), "（区間 No 850～ No 870)");
}
