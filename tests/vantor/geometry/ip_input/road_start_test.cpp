// The drawing part of one road from its start: no CAD running, the start screen lists the
// products, LT 2002 is started and the drawing screen opens; three points picked in the CAD
// become the IP grid (millimetres picked, metres shown), a radius is typed, 完了 hands them
// on and ｾﾝﾀｰ・測点作図 computes the alignment through them.
#include "ip_input_fixture.h"
#include "tests/vantor/pellix/starting_pellix.h"
#include "vantor/drawing/AutoCad設定画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/sections/横断勾配入力画面.h"
#include "vantor/shell/親画面.h"

#include <cmath>

namespace {

using namespace 縦断bus;
using ip_input_test::Row;

class RoadStart : public ip_input_test::IpInputTest {
protected:
    void SetUp() override {
        IpInputTest::SetUp();
        pellix_test::PlaceStartingPellix([this](pellix_test::StartingPellix& control) { cad_ = &control; });
    }
    pellix_test::StartingPellix* cad_ = nullptr;
};

TEST_F(RoadStart, FromTheCadStartToTheAlignment) {
    OpenDocument();
    SetProfile({{0, 10}, {150, 13}});
    for (int r = 1; r <= 2; ++r) tatedata(r, 3) = tatedata(r, 5);

    forms::Get<親画面>().lt_Click();
    AutoCad設定画面& start = forms::Get<AutoCad設定画面>();
    ASSERT_TRUE(start.Visible());
    ASSERT_EQ(start.ListBox1.ListCount(), 11);
    EXPECT_EQ(start.ListBox1.List(0), "NOACAD");
    EXPECT_EQ(start.ListBox1.Text(), "AutoCAD LT2002");
    start.Command1_Click();
    EXPECT_EQ(cad_->calls, (std::vector<std::string>{"IsSDIMode", "SetSDIMode(true)", "Shell", "AcReSize(0,0,640,480)",
                                                     "SetSDIMode(false)"}));
    EXPECT_TRUE(cad_->RaiseDialog("ｽﾀｰﾄｱｯﾌﾟ"));
    作図画面& drawing = forms::Get<作図画面>();
    ASSERT_TRUE(drawing.Visible());
    EXPECT_FALSE(start.Visible());

    ipsuu = -2; // no alignment yet
    drawing.IP入力ボタン_Click();
    IP入力画面& ip = Screen();
    ASSERT_TRUE(ip.Visible());
    EXPECT_TRUE(start.Pellix1().AcadLocked());
    auto [p1, p2] = ScriptedControls();
    ip.自動入力_Click();
    p1.picks = {std::pair{0.0, 0.0}, std::pair{100000.0, 0.0}, std::pair{100000.0, 100000.0}};
    p1.Ticks(2);
    EXPECT_EQ(Rows(1, 4), (std::vector<Row>{{"0", "0", ""}, {"100", "0", ""}, {"100", "100", ""}, {"", "", ""}}));

    Click(2, 2);
    ip.Text1.SetText("50");
    ip.Text1_LostFocus();
    Press("完了");
    EXPECT_EQ(ipsuu, 1);
    EXPECT_EQ(ipx(1), 100000.0f);
    EXPECT_EQ(ipy(2), 100000.0f);
    EXPECT_EQ(iphankei(1), 50000.0f);
    ASSERT_TRUE(drawing.Visible());
    EXPECT_FALSE(ip.Visible());

    forms::script::Reset();
    drawing.作図平面_Click();
    // A right angle with a 50 m curve: tangents of 50 m, the curve a quarter circle.
    EXPECT_NEAR(koukaku(1), 3.141592f / 2, 1e-5f);
    EXPECT_NEAR(setsusenchou(1), 50000, 1);
    EXPECT_NEAR(kyokusenchou(1), 78540, 1);
    EXPECT_EQ(Cell(kIpSheet, 6, 8), "50"); // BC X on the IP sheet
    EXPECT_TRUE(forms::Get<横断勾配入力画面>().Visible());
    ASSERT_GE(sokutensuu, 5);
    EXPECT_NEAR(tatedata(sokutensuu, 1), 178.54f, 0.01f); // the end, along the curve
}

} // namespace
