#include "tests/support/program_reset.h"
#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/geometry/profile/警告表示画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/縦断bus.h"
#include "vantor/shell/Main.h"
#include "vantor/shell/親画面.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        Main();
    }
    void TearDown() override { test_support::ResetProgram(); }
    static 親画面& window() { return forms::Get<親画面>(); }
};

TEST_F(StartupTest, SettingsAndTablesStartEmpty) {
    EXPECT_EQ(ketasuu, 2);
    EXPECT_EQ(xhyouji, "v");
    EXPECT_EQ(yhyouji, "v");
    EXPECT_EQ(bukkujoutai, 0);
    EXPECT_EQ(koubaisetteiflg, 1);
    for (int r = 0; r <= 500; ++r)
        for (int c = 0; c <= 8; ++c) ASSERT_EQ(tatedata(r, c), 0.0f) << r << "," << c;
}

TEST_F(StartupTest, EveryCrossSlopeRowIsEmptied) {
    for (int r = 1; r <= 500; ++r)
        for (int c = 1; c <= 10; ++c) ASSERT_EQ(yokodata(r, c), kEmpty) << r << "," << c;
    // Row 0 and column 0 are not used and stay 0.
    EXPECT_EQ(yokodata(0, 1), 0.0f);
    EXPECT_EQ(yokodata(500, 0), 0.0f);
}

TEST_F(StartupTest, OnlyNewOpenAndEndAreEnabledOnTheToolbar) {
    const std::vector<std::pair<std::string, bool>> expected = {
        {"新規", true},    {"開く", true},    {"保存", false},         {"行挿入", false}, {"行削除", false},
        {"縦断図", false}, {"関数式", false}, {"ｴｸｾﾙ画面入力", false}, {"読込", false},   {"転送", false},
        {"表示", false},   {"非表示", false}, {"終了", true},
    };
    ASSERT_EQ(window().Toolbar1.ButtonCount(), 13);
    for (int index = 1; index <= 13; ++index) {
        const forms::ToolbarButton& b = window().Toolbar1.Buttons(index);
        EXPECT_EQ(b.Key(), expected[index - 1].first);
        EXPECT_EQ(b.Enabled(), expected[index - 1].second) << b.Key();
    }
    EXPECT_EQ(window().Toolbar1.Buttons("ｴｸｾﾙ画面入力").Caption(), "Ｅ画面");
    EXPECT_EQ(window().Toolbar1.Buttons("新規").ToolTipText(), "新規に縦断計算をする。");
}

TEST_F(StartupTest, MainWindowShowsWithTheExcelMenuDisabled) {
    EXPECT_TRUE(window().Visible());
    EXPECT_FALSE(window().E.Enabled());
    EXPECT_TRUE(window().f.Enabled());
    EXPECT_TRUE(window().lt.Enabled());
    EXPECT_TRUE(window().f1(0).Enabled());
    EXPECT_FALSE(window().f1(3).Enabled());
    EXPECT_FALSE(window().g1(0).Enabled());
    EXPECT_TRUE(window().入力.Enabled());
    EXPECT_FALSE(window().E1(1).Enabled());
}

TEST_F(StartupTest, EquationAndWarningScreensAreLoadedButHidden) {
    ASSERT_TRUE(forms::IsLoaded<方程式画面>());
    ASSERT_TRUE(forms::IsLoaded<警告表示画面>());
    auto& equations = forms::Get<方程式画面>();
    EXPECT_FALSE(equations.Visible());
    for (int line = 0; line <= 15; ++line) {
        EXPECT_FLOAT_EQ(equations.方程式(line).FontSize(), 7.0f);
        EXPECT_FLOAT_EQ(equations.区間(line).FontSize(), 7.0f);
    }
    auto& warning = forms::Get<警告表示画面>();
    EXPECT_FALSE(warning.Visible());
    EXPECT_EQ(warning.Left(), 500);
    EXPECT_EQ(warning.Top(), 600);
}

} // namespace
