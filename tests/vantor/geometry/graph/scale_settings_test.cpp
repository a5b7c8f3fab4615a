#include "tests/vantor/geometry/graph/graph_fixture.h"
#include "vantor/geometry/graph/目盛設定画面.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_graph_tables.h"

using namespace 縦断bus;

namespace {
long VerticalGridLines() {
    long n = 0;
    for (const forms::DrawCommand& d : forms::Get<グラフ>().図.Commands())
        n += d.color == forms::RGB(255, 255, 0) && d.x1 == d.x2;
    return n;
}
} // namespace

TEST_F(GraphTest, ScaleScreenShowsTheIntervalsAndSwitchesTheGrid) {
    Compute({{0, 20, 20.3f}, {250, 25, 31.7f}, {500, 30, 25}});
    xhyouji = yhyouji = 'v';
    keisangurafu();
    目盛設定画面& s = forms::Get<目盛設定画面>();
    EXPECT_EQ(s.x間隔.Text(), " 9.999999");
    EXPECT_TRUE(s.x表示(0).Value());

    s.x表示(1).SetValue(true);
    s.設定ボタン_Click();
    EXPECT_EQ(xhyouji, "s");
    EXPECT_EQ(VerticalGridLines(), 0);
    EXPECT_FALSE(s.Visible());
}

TEST_F(GraphTest, ScaleScreenRefusesIntervalsThatCannotGrid) {
    DrawStraight();
    目盛設定画面& s = forms::Get<目盛設定画面>();
    s.Show();
    struct Case {
        const char* x;
        const char* y;
        std::string message;
    };
    const Case cases[] = {
        {"0", " .1", kMemoriZero},
        {"abc", " .1", kMemoriZero}, // not a number: parses as 0
        {"-1", " .1", kMemoriZero},
        {" 1", "0.00001", kMemoriKomakasugi}, // 240000 lines over 9.8 .. 12.2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        forms::script::Reset();
        s.x間隔.SetText(c.x);
        s.Y間隔.SetText(c.y);
        s.設定ボタン_Click();
        ASSERT_EQ(forms::script::Messages().size(), 1u);
        EXPECT_EQ(forms::script::Messages()[0].prompt, c.message);
        EXPECT_NEAR(xmemori, 1, 1e-6); // nothing taken
        EXPECT_NEAR(ymemori, 0.1, 1e-6);
        EXPECT_TRUE(s.Visible());
    }
    s.x間隔.SetText(" 5");
    s.Y間隔.SetText(" .1");
    s.設定ボタン_Click();
    EXPECT_EQ(xmemori, 5);
    EXPECT_EQ(VerticalGridLines(), 5); // -2, 3, 8, 13, 18
}
