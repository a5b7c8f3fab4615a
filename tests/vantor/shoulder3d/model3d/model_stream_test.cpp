// The 3D model as the CAD gets it, started from its settings screen: the worked example's exact
// lines with the pieces at the stations drawn, the additional lines in their order, and the
// runs that are refused or told about, with nothing sent.
#include "model3d_fixture.h"
#include "vantor/drawing/plan/作図選択画面.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/shoulder3d/model3d/設定3D画面.h"

#include <algorithm>
#include <regex>

namespace {

using namespace 縦断bus;
using plan_test::RecordingCad;

class ModelStream : public model3d_test::Model3dTest {
protected:
    void SetUp() override {
        Model3dTest::SetUp();
        forms::Get<作図画面>(); // the link to the CAD, and 縮尺 500
    }
    static 設定3D画面& Screen() { return forms::Get<設定3D画面>(); }
    // Types DL, presses 作図開始 and returns what the CAD got.
    std::vector<std::string> Run(const std::string& dl) {
        cad_.executes.clear();
        forms::script::Reset();
        Screen().DL.SetText(dl);
        Screen().D3ボタン_Click();
        return Lines(cad_);
    }
    std::vector<std::string> Extra(std::initializer_list<int> boxes) {
        cad_.executes.clear();
        forms::script::Reset();
        for (int box = 0; box <= 3; ++box) Screen().追加選択チェックボタン(box).SetValue(forms::vbUnchecked);
        for (int box : boxes) Screen().追加選択チェックボタン(box).SetValue(forms::vbChecked);
        Screen().追加作図開始ボタン_Click();
        return Lines(cad_);
    }
    static long Containing(const std::vector<std::string>& lines, const std::string& part) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }
    RecordingCad cad_;
};

TEST_F(ModelStream, WorkedExampleDrawsEveryPieceFromStationToStation) {
    SetStraightRoad({0, 20});
    const auto lines = Run("5");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(d3tensuu(1), 39);
    EXPECT_EQ(d3hidariz(1, 7), 4940);
    // 40 pieces per line where sub-points 1 to 39 alone give 38.
    ASSERT_EQ(lines.size(), 120u);
    EXPECT_EQ(lines[0], "LINE 0,0,5000 500,0,5000 \r");
    EXPECT_EQ(lines[1], "LINE 500,0,5000 1000,0,5000 \r");
    EXPECT_EQ(lines[39], "LINE 19500,0,5000 20000,0,5000 \r");
    EXPECT_EQ(lines[40], "LINE 0,3000,4700 500,3000,4700 \r");
    EXPECT_EQ(lines[41], "LINE 0,-3000,4700 500,-3000,4700 \r");
    EXPECT_EQ(lines[119], "LINE 19500,-3000,4700 20000,-3000,4700 \r");
    EXPECT_EQ(Containing(lines, ",3000,4700 "), 40);
    EXPECT_EQ(Containing(lines, ",-3000,4700 "), 40);
    EXPECT_TRUE(Screen().追加窓.Visible());
}

// The screen ends below the frames it shows: short before a run, long enough for the frame
// of additional lines after one, and short again once that frame is closed.
TEST_F(ModelStream, TheScreenFitsTheFramesItShows) {
    SetStraightRoad({0, 20});
    設定3D画面& s = Screen();
    s.Show();
    const auto bottom = [](const forms::Frame& f) { return f.Top() + f.Height(); };
    const auto fitsUpTo = [&s](double end) { return s.ScaleHeight() >= end && s.ScaleHeight() < end + 600; };
    EXPECT_TRUE(fitsUpTo(bottom(s.Frame5))) << s.ScaleHeight();
    Run("5");
    ASSERT_TRUE(s.追加窓.Visible());
    EXPECT_TRUE(fitsUpTo(bottom(s.追加窓))) << s.ScaleHeight();
    s.Command1_Click();
    EXPECT_TRUE(fitsUpTo(bottom(s.Frame5))) << s.ScaleHeight();
}

TEST_F(ModelStream, ShortIntervalsAreJoinedToo) {
    SetStraightRoad({0, 20.3f, 20.6f});
    const auto lines = Run("5");
    // 41 pieces in the first interval (sub-points 0..40 and the station), 1 in the second.
    ASSERT_EQ(lines.size(), 3u * 42u);
    EXPECT_EQ(lines[40], "LINE 20000,0,5000 20300,0,5000 \r");
    EXPECT_EQ(lines[123], "LINE 20300,0,5000 20600,0,5000 \r");
}

TEST_F(ModelStream, DatumThatIsNotANumberCountsAsZero) {
    SetStraightRoad({0, 20});
    EXPECT_EQ(Run("abc")[0], "LINE 0,0,10000 500,0,10000 \r");
}

TEST_F(ModelStream, EmptyDatumIsAskedFor) {
    EXPECT_TRUE(Run("").empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"DLを入力してください。"});
    EXPECT_FALSE(Screen().追加窓.Visible());
}

TEST_F(ModelStream, RefusedRunSendsNothing) {
    hojokyori = 0; // no alignment computed in this run
    EXPECT_TRUE(Run("5").empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("測点の平面位置がありません。", 0), 0u);
    EXPECT_FALSE(Screen().追加窓.Visible());
}

TEST_F(ModelStream, StationsOnlyAndHeightsFollowTheModel) {
    SetStraightRoad({0, 20, 40});
    Screen().幅員op(1).SetValue(true);
    Screen().高さチェック.SetValue(forms::vbChecked);
    const auto lines = Run("12"); // the planned height 10 m lies below the datum
    ASSERT_EQ(lines.size(), 2u * 120u + 6u + 3u);
    const std::vector<std::string> extras(lines.end() - 9, lines.end());
    // clang-format off
    EXPECT_EQ(extras, (std::vector<std::string>{
                          "LINE 0,3000,-2300 0,0,-2000 \r", "LINE 0,-3000,-2300 0,0,-2000 \r",
                          "LINE 20000,3000,-2300 20000,0,-2000 \r", "LINE 20000,-3000,-2300 20000,0,-2000 \r",
                          "LINE 40000,3000,-2300 40000,0,-2000 \r", "LINE 40000,-3000,-2300 40000,0,-2000 \r",
                          "LINE 0,0,0 0,0,-2000 \r", "LINE 20000,0,0 20000,0,-2000 \r", "LINE 40000,0,0 40000,0,-2000 \r"}));
    // clang-format on
}

TEST_F(ModelStream, AdditionalLinesInTheOrderOfTheBoxes) {
    EXPECT_TRUE(Extra({0}).empty());
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"３Ｄモデルがまだありません。先に「作図開始」で３Ｄモデルを作図してください。"});

    SetStraightRoad({0, 20});
    Run("5");
    forms::Get<作図選択画面>().作図ボタン(0).SetValue(forms::vbChecked); // the plan's centre line
    const auto lines = Extra({3, 2, 1, 0});
    // Every sub-point and the last station, then the stations, the heights, and the plan's
    // centre line: the tangent, its closing and the circles of the two stations and the end.
    ASSERT_EQ(lines.size(), 2u * 41u + 2u * 2u + 2u + 2u + 3u * 2u);
    EXPECT_EQ(lines[0], "LINE 0,3000,4700 0,0,5000 \r");
    EXPECT_EQ(lines[81], "LINE 20000,-3000,4700 20000,0,5000 \r");
    EXPECT_EQ(lines[82], lines[0]);
    EXPECT_EQ(lines[86], "LINE 0,0,0 0,0,5000 \r");
    EXPECT_EQ(lines[88], "LINE 0,0 1000000,0 \r");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ModelStream, LeftOutEdgesAreToldOnce) {
    yokodata(5, 2) = kEmpty;
    const auto lines = Run("5");
    const std::regex empty("[ ,]99999[ ,]"); // the empty value as a coordinate
    for (const std::string& l : lines) EXPECT_FALSE(std::regex_search(l, empty)) << l;
    EXPECT_EQ(Messages(), std::vector<std::string>{"左の幅員が未入力の測点（80）では、左の端部を作図していません。"});
    // The curved road: 8 intervals of 40 pieces; the left edge loses both intervals at 80 m.
    EXPECT_EQ(lines.size(), 8u * 40u * 3u - 2u * 40u);
}

TEST_F(ModelStream, ScreensLeadToEachOther) {
    作図画面& drawing = forms::Get<作図画面>();
    drawing.Show();
    drawing.D3ボタン.OnClick();
    EXPECT_TRUE(Screen().Visible());
    EXPECT_FALSE(drawing.Visible());
    EXPECT_EQ(Screen().Caption(), "３Ｄ設定画面");
    Screen().戻りボタン_Click();
    EXPECT_TRUE(drawing.Visible());
    EXPECT_FALSE(Screen().Visible());
    Screen().追加窓.SetVisible(true);
    Screen().Command1_Click();
    EXPECT_FALSE(Screen().追加窓.Visible());
}

} // namespace
