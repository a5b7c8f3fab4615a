// The earthwork screen: computing all stations or one, stepping, the boxes, the mouse
// gestures on the plot, and the area menu.
#include "tests/vantor/sections/earthwork/earthwork_fixture.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/sections/earthwork/面積計算選択画面.h"
#include "vantor/sections/editors/切盛ライン設定画面.h"
#include "vantor/sections/editors/現況横断図.h"
#include "vantor/sections/横断図作図データー設定画面.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <filesystem>
#include <functional>

using namespace earthwork_test;
using namespace 縦断bus;

namespace {

const Polyline kFlat{{0, 0}, {20, 0}};
const Polyline kCut{{0, -2}, {5, -2}};
const Polyline kFill{{0, 1.5f}, {6, 1.5f}};

class EarthworkScreen : public EarthworkTest {
protected:
    void SetUp() override {
        EarthworkTest::SetUp();
        SetStations(3);
        SetSection(1, {kFlat, kCut, kFlat, kCut});
        SetSection(2, {kFlat, kFill, kFlat, {}}); // right side without cut/fill points
        SetSection(3, {{{0, 0}, {15, -3}}, {{0, 0.5f}, {6, 0.5f}}, {{0, 0}, {15, 3}}, {{0, 0.5f}, {6, 0.5f}}});
    }
    static 土坪画面& Screen() { return forms::Get<土坪画面>(); }
    static std::vector<std::string> Boxes() {
        return {Screen().土坪text(0).Text(), Screen().土坪text(1).Text(), Screen().土坪text(2).Text()};
    }
    static std::vector<std::string> Stored(int st) {
        return {rt::CStr(kiridomenseki(st)), rt::CStr(moridomenseki(st)), rt::CStr(umemodoshimenseki(st))};
    }
    // The lines of the plot in one colour.
    static std::vector<forms::DrawCommand> Lines(long color) {
        std::vector<forms::DrawCommand> out;
        for (const auto& d : Screen().図.Commands())
            if (d.kind == forms::DrawCommand::Line && d.color == color) out.push_back(d);
        return out;
    }
};

TEST_F(EarthworkScreen, BatchComputesEveryStationAndSaysWhichLackedPoints) {
    Screen().一括計算_Click();
    EXPECT_NEAR(kiridomenseki(1), 24.8, 0.1);
    EXPECT_NEAR(moridomenseki(2), 10.7, 0.1); // the left side alone
    EXPECT_GT(kiridomenseki(3), 0);
    EXPECT_GT(moridomenseki(3), 0);
    EXPECT_EQ(danmenbangou, 3);
    EXPECT_EQ(Screen().測点.Text(), "40");
    EXPECT_EQ(Boxes(), Stored(3));
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_NE(forms::script::Messages()[0].prompt.find("測点 20（右）"), std::string::npos);
}

// A station without any section point keeps the areas stored (typed) for it, and is named.
TEST_F(EarthworkScreen, BatchKeepsTheStoredAreasOfAStationWithoutPoints) {
    SetStations(4);
    SetSection(4, {});
    kiridomenseki(4) = 12.3f;
    moridomenseki(4) = 4.5f;
    umemodoshimenseki(4) = 6.7f;
    Screen().一括計算_Click();
    EXPECT_EQ(Stored(4), (std::vector<std::string>{"12.3", "4.5", "6.7"}));
    EXPECT_EQ(Boxes(), Stored(4));
    EXPECT_NEAR(kiridomenseki(1), 24.8, 0.1);
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    const std::string& told = forms::script::Messages()[0].prompt;
    EXPECT_NE(told.find("測点 20（右）"), std::string::npos) << told;
    EXPECT_NE(told.find("記録されている値のままです。\n測点 60"), std::string::npos) << told;
}

// A typing slip puts a point beyond any road (300 km for 300 m, 1e39): 0.01 m strips out to it
// would never end. Every command refuses the section at once, naming its station, and
// computes nothing; a point at the reach itself is a section like any other.
TEST_F(EarthworkScreen, PointsBeyondAnyRoadAreRefusedAtOnceNamingTheStation) {
    // The offset and height of the right ground's second point, as typed.
    const struct { const char *offset, *height; } slips[] = {{"300000", "0"}, {"1e39", "0"}, {"20", "-20000"}};
    for (const auto& slip : slips) {
        SCOPED_TRACE(slip.offset);
        SetUp();
        SetSection(2, {kFlat, kFill, kFlat, kFill});
        genkyoumigi(2, 1, 1) = slip.offset;
        genkyoumigi(2, 1, 2) = slip.height;
        for (const std::function<void()>& command :
             std::vector<std::function<void()>>{[] { Screen().一括計算_Click(); }, [] { Screen().計算ボタン_Click(); },
                                                [] { Screen().ライン確認ボタン_Click(); }}) {
            forms::script::Reset();
            danmenbangou = 2;
            command();
            ASSERT_EQ(forms::script::Messages().size(), 1u);
            EXPECT_NE(forms::script::Messages()[0].prompt.find("測点 20 の横断"), std::string::npos);
            EXPECT_EQ(Stored(1), Stored(2)); // nothing computed: both still 0
            EXPECT_EQ(Stored(2), (std::vector<std::string>{"0", "0", "0"}));
        }
    }

    SetUp();
    SetSection(2, {kFlat, kFill, {{0, 0}, {1000, 0}}, kFill});
    Screen().一括計算_Click();
    EXPECT_NEAR(moridomenseki(2), 2 * 10.7, 0.1);
}

TEST_F(EarthworkScreen, ComputeCountsThePointsFirst) {
    // No section screen has chosen a station yet: nothing is computed into the empty row 0.
    Screen().計算ボタン_Click();
    ASSERT_EQ(forms::script::Messages().size(), 1u);
    EXPECT_EQ(Screen().土坪text(0).Text(), "");
    forms::script::Reset();

    // As after reading the sheets: the tables are filled, the counts are not.
    danmenbangou = 1;
    Screen().計算ボタン_Click();
    EXPECT_NEAR(kiridomenseki(1), 24.8, 0.1);
    EXPECT_EQ(Boxes(), Stored(1));
    EXPECT_TRUE(forms::script::Messages().empty());
}

TEST_F(EarthworkScreen, BoxesGoBackToTheStationTheyShow) {
    Screen().一括計算_Click();
    const auto first = Stored(1);
    danmenbangou = 1; // another section screen moved on meanwhile
    Screen().土坪text(0).SetText("7.5");
    Screen().戻るボタン_Click();
    EXPECT_FLOAT_EQ(kiridomenseki(3), 7.5f);
    EXPECT_EQ(Stored(1), first);
    EXPECT_TRUE(forms::IsLoaded<面積計算選択画面>());
    EXPECT_FALSE(Screen().Visible());
}

TEST_F(EarthworkScreen, LinesOnlyChangesNeitherBoxesNorAreas) {
    Screen().一括計算_Click();
    const auto boxes = Boxes();
    const auto stored = Stored(3);
    Screen().ライン確認ボタン_Click();
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(Stored(3), stored);
}

TEST_F(EarthworkScreen, SteppingStoresTheBoxesAndRedrawsTheFullView) {
    Screen().一括計算_Click();
    Screen().土坪text(1).SetText("2");
    Screen().移動ボタン_Click(1); // already on the last station
    EXPECT_EQ(danmenbangou, 3);
    EXPECT_FLOAT_EQ(moridomenseki(3), 2);
    EXPECT_EQ(Boxes(), Stored(3));

    Screen().移動ボタン_Click(0);
    EXPECT_EQ(danmenbangou, 2);
    EXPECT_EQ(Screen().測点.Text(), "20");
    EXPECT_EQ(Boxes(), Stored(2));
    const auto& cmds = Screen().図.Commands();
    ASSERT_FALSE(cmds.empty());
    EXPECT_EQ(cmds[0].kind, forms::DrawCommand::Cls);
    EXPECT_DOUBLE_EQ(Screen().図.ScaleLeft(), -30);
    EXPECT_DOUBLE_EQ(Screen().図.ScaleWidth(), 60);
    // Station 2: the ground of both sides in black (the left mirrored), the left cut/fill
    // line in blue.
    const auto ground = Lines(forms::vbBlack);
    ASSERT_EQ(ground.size(), 2u);
    EXPECT_EQ(ground[0].x2, -20);
    EXPECT_EQ(ground[1].x2, 20);
    EXPECT_EQ(Lines(forms::vbBlue).size(), 1u);

    Screen().移動ボタン_Click(0);
    Screen().移動ボタン_Click(0); // already on the first station
    EXPECT_EQ(danmenbangou, 1);
}

TEST_F(EarthworkScreen, StationsBeyondFiftyAreCappedWithAMessage) {
    SetStations(52);
    Screen().一括計算_Click();
    EXPECT_EQ(danmenbangou, 50);
    ASSERT_GE(forms::script::Messages().size(), 1u);
    EXPECT_NE(forms::script::Messages()[0].prompt.find("50"), std::string::npos);
    const std::size_t before = forms::script::Messages().size();
    Screen().移動ボタン_Click(1);
    EXPECT_EQ(danmenbangou, 50);
    EXPECT_EQ(forms::script::Messages().size(), before + 1);
}

TEST_F(EarthworkScreen, DraggingZoomsReturnsAndReadsAPoint) {
    Screen().移動ボタン_Click(1); // station 1 in the full view
    auto& s = Screen();
    s.図_MouseDown(1, 0, -10, 10);
    s.図_MouseMove(1, 0, 0, 0);
    s.図_MouseUp(1, 0, 10, -10);
    EXPECT_DOUBLE_EQ(s.図.ScaleLeft(), -10);
    EXPECT_DOUBLE_EQ(s.図.ScaleTop(), 10);
    EXPECT_DOUBLE_EQ(s.図.ScaleWidth(), 20);
    EXPECT_DOUBLE_EQ(s.図.ScaleHeight(), -20);
    EXPECT_EQ(s.図.Commands()[0].kind, forms::DrawCommand::Cls);
    const auto axes = Lines(forms::RGB(0, 255, 0));
    ASSERT_GE(axes.size(), 2u);
    EXPECT_EQ(axes[0].y1, -30);
    EXPECT_EQ(axes[0].y2, 30);
    EXPECT_EQ(Lines(forms::vbBlack).size(), 2u); // the ground of both sides

    s.図_MouseDown(1, 0, -5, -5);
    s.図_MouseUp(1, 0, 5, 5);
    EXPECT_DOUBLE_EQ(s.図.ScaleLeft(), -30);
    EXPECT_DOUBLE_EQ(s.図.ScaleHeight(), -60);

    s.図_MouseDown(1, 0, 1.234f, -5.678f);
    s.図_MouseUp(1, 0, -3, 2);
    EXPECT_TRUE(s.itixy.Visible());
    EXPECT_EQ(s.itixy.Caption(), "X = 1.23 Y = -5.68");
    const forms::DrawCommand last = s.図.Commands().back();
    EXPECT_EQ(last.color, forms::vbBlack);
    EXPECT_FLOAT_EQ(last.x1, 1.234f);
    EXPECT_FLOAT_EQ(last.x2, -3);
}

TEST_F(EarthworkScreen, TheMenuOpensEachScreenOfTheAreaWorkAndGoes) {
    const std::function<bool()> shown[] = {
        [] { return forms::IsLoaded<現況横断図>() && forms::Get<現況横断図>().Visible(); },
        [] { return forms::IsLoaded<切盛ライン設定画面>() && forms::Get<切盛ライン設定画面>().Visible(); },
        [] { return forms::IsLoaded<土坪画面>() && forms::Get<土坪画面>().Visible(); },
        [] {
            return forms::IsLoaded<横断図作図データー設定画面>() && forms::Get<横断図作図データー設定画面>().Visible();
        },
    };
    for (int choice = 0; choice < 4; ++choice) {
        forms::Get<面積計算選択画面>().Show();
        forms::Get<面積計算選択画面>().選択ボタン_Click(choice);
        EXPECT_TRUE(shown[choice]()) << choice;
        EXPECT_FALSE(forms::IsLoaded<面積計算選択画面>()) << choice;
    }
    // Back from the editors and on to the areas, as the area work goes round.
    forms::Get<切盛ライン設定画面>().戻るボタン_Click();
    EXPECT_TRUE(forms::Get<面積計算選択画面>().Visible());
    forms::Get<切盛ライン設定画面>().面積表示ボタン_Click();
    EXPECT_TRUE(Screen().Visible());
    EXPECT_FALSE(forms::Get<切盛ライン設定画面>().Visible());
}

TEST_F(EarthworkScreen, PictureForPeople) {
    Screen().Show();
    // Computing before any other command plots in the full view all the same.
    EXPECT_DOUBLE_EQ(Screen().図.ScaleLeft(), -30);
    danmenbangou = 3;
    Screen().計算ボタン_Click();
    const std::string dir = std::filesystem::temp_directory_path().string();
    SCOPED_TRACE("the pictures: " + dir + "/earthwork_plot.png, earthwork_screen.png");
    Screen().図.SavePicture(dir + "/earthwork_plot.png");
    const QPixmap shot = Screen().Window()->grab();
    ASSERT_TRUE(shot.save(QString::fromStdString(dir + "/earthwork_screen.png")));
    const QImage plot(QString::fromStdString(dir + "/earthwork_plot.png"));
    ASSERT_FALSE(plot.isNull());
    int yellowOrGreen = 0;
    for (int y = 0; y < plot.height(); y += 2)
        for (int x = 0; x < plot.width(); x += 2)
            if (plot.pixelColor(x, y).green() > 200 && plot.pixelColor(x, y).blue() < 50) ++yellowOrGreen;
    EXPECT_GT(yellowOrGreen, 50);
}

} // namespace
