// The decimal-places screen takes 2 or 3 and nothing else.
#include "platform/forms/script.h"
#include "tests/support/program_reset.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/shell/桁数設定画面.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

class DecimalPlacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        縦断bus::ketasuu = 2;
    }
    void TearDown() override { test_support::ResetProgram(); }
};

TEST_F(DecimalPlacesTest, ThreeRecomputesTheProfileAndRefillsTheGrid) {
    using namespace 縦断bus;
    // A straight grade from 100 to 100.2468 over 50 m: 100.1234 halfway.
    sokutensuu = 3;
    const float rows[3][4] = {{0, 99, 100, kEmpty}, {25, 99, kEmpty, kEmpty}, {50, 99, 100.2468f, kEmpty}};
    for (int i = 1; i <= 3; ++i)
        for (int c = 1; c <= 8; ++c) tatedata(i, c) = c <= 4 ? rows[i - 1][c - 1] : kEmpty;
    auto& screen = forms::Get<桁数設定画面>();
    screen.Show();
    screen.桁コンボ.SetText("3");
    screen.設定ボタン.OnClick();
    EXPECT_EQ(ketasuu, 3);
    EXPECT_EQ(forms::Get<入出力画面>().グリッド.TextMatrix(2, 4), "100.123");
    EXPECT_FALSE(screen.Visible());
    // Hidden, not unloaded: the items are not added a second time.
    auto& again = forms::Get<桁数設定画面>();
    EXPECT_EQ(&again, &screen);
    ASSERT_EQ(again.桁コンボ.ListCount(), 2);
    EXPECT_EQ(again.桁コンボ.List(0), "2");
    EXPECT_EQ(again.桁コンボ.List(1), "3");
    EXPECT_EQ(again.Caption(), "桁数設定画面");
    EXPECT_EQ(again.設定ボタン.Caption(), "設定終了");
}

TEST_F(DecimalPlacesTest, TheScreenOpensWithTheCurrentSetting) {
    auto& screen = forms::Get<桁数設定画面>();
    screen.ShowSetting();
    EXPECT_EQ(screen.桁コンボ.Text(), "2");
    EXPECT_EQ(screen.桁コンボ.ListIndex(), 0);
    // Typed over, closed and opened again: the setting in force, not the abandoned text.
    縦断bus::ketasuu = 3;
    screen.桁コンボ.SetText("abc");
    screen.Window()->close();
    forms::Get<桁数設定画面>().ShowSetting();
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(screen.桁コンボ.Text(), "3");
}

TEST_F(DecimalPlacesTest, AnyOtherTextIsRefusedAndChangesNothing) {
    auto& screen = forms::Get<桁数設定画面>();
    screen.Show();
    for (const char* text : {"", "abc", "4", "2.5", "0"}) {
        SCOPED_TRACE(text);
        forms::script::Reset();
        screen.桁コンボ.SetText(text);
        screen.設定ボタン.OnClick();
        EXPECT_EQ(縦断bus::ketasuu, 2);
        EXPECT_TRUE(screen.Visible());
        EXPECT_EQ(forms::script::Messages().size(), 1u);
    }
}

} // namespace
