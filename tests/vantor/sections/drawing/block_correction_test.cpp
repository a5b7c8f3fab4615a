// The planned-block correction screen: its sends for one station (hand-worked), the station
// it stands on, registering the drawn shape as a block in the CAD, and 変更.
#include "section_fixture.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/計画ブロック修正画面.h"

#include <QLabel>

#include <optional>

namespace {

using namespace 縦断bus;
using section_test::FixtureCad;
using section_test::RecordingCad;

class BlockCorrection : public section_test::SectionTest {
protected:
    static 計画ブロック修正画面& Screen() { return forms::Get<計画ブロック修正画面>(); }
    static void OpenScreen() {
        DrawingScreen();
        Screen().Open();
    }
};

TEST_F(BlockCorrection, SendsOfOneStationWithWindowsAboutThePlannedSection) {
    SetRoad({{0, 10, 10}, {20, 10, 11.234f, 3, 2, 3.5f, 2.3f}});
    RecordingCad cad;
    OpenScreen();
    Screen().移動ボタン_Click(0); // station 1 stays and is drawn
    // clang-format off
    const std::vector<std::string> expected = {
        "erase\r", "W\r", "-50000,30000\r", "50000,-30000\r", "\r",
        "-insert\r", "KEI1 0,0 1 1 0\r",
        "zoom\r", "-45000,15000\r", "45000,-15000\r",
        "explode\r", "W -45000,15000 45000,-15000\r\r",
        "stretch\r", "c\r", "10000,-10000\r", "100,10000\r\r", "3000,-60 3500,-87.5\r",
        "stretch\r", "c\r", "-100,-10000\r", "-10000,10000\r\r", "-3000,-60 -3000,-60\r",
        "-insert\r", "GEN1 0,0 1 1 0\r"};
    // clang-format on
    EXPECT_EQ(cad.executes, expected);

    // Station 2: 1.234 m of fill, H = 1234.0002 as a single; the other windows stand about
    // (0, H), written in double precision; the 2.3 % slope shows its single-precision error.
    cad.executes.clear();
    Screen().移動ボタン_Click(1);
    const auto& e = cad.executes;
    ASSERT_EQ(e.size(), expected.size());
    EXPECT_EQ(e[6], "KEI1 0,1234 1 1 0\r");
    EXPECT_EQ(e[8], "-45000,16234.0002441406\r");
    EXPECT_EQ(e[9], "45000,-15000\r");
    EXPECT_EQ(e[11], "W -45000,16234.0002441406 45000,-13765.9997558594\r\r");
    EXPECT_EQ(e[14], "10000,-8765.99975585938\r");
    EXPECT_EQ(e[15], "100,11234.0002441406\r\r");
    EXPECT_EQ(e[16], "3000,-60 3500,-80.4999983310699\r");
    cad.executes.clear();
    Screen().移動ボタン_Click(1);                            // the last station stays and is drawn again
    EXPECT_EQ(cad.executes[2], "-50000,31234.0002441406\r"); // the erase takes in the last section
    EXPECT_EQ(Screen().測点.Text(), "20");
}

TEST_F(BlockCorrection, AStationWhoseBlocksCannotBeDrawnIsToldSendsNothingAndKeepsTheErasedHeight) {
    SetRoad({{0, 10, 11.234f}, {20, 10, 10}});
    yokosakuzudata(2, sakuzu_col::kPlannedBlock) = "未設定";
    RecordingCad cad;
    OpenScreen();
    Screen().移動ボタン_Click(0); // station 1 drawn, H = 1234
    cad.executes.clear();
    Screen().移動ボタン_Click(1);
    EXPECT_TRUE(cad.executes.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0],
              "測点 20 の計画断面を表示できません。ブロック名（現況・計画）が未設定か、使えない文字を含みます。");
    Screen().新ブロック名.SetText("KEI2");
    Screen().ブロック自動ボタン_Click(); // nothing of station 2 stands to make a block from
    EXPECT_TRUE(cad.executes.empty());
    EXPECT_EQ(Messages().size(), 2u);
    Screen().移動ボタン_Click(0);
    ASSERT_GT(cad.executes.size(), 2u);
    EXPECT_EQ(cad.executes[2], "-50000,31234.0002441406\r"); // the erase still takes in station 1's section
}

// The instruction is longer than one line of the label: it wraps, and every line it wraps to
// lies inside the label and the label inside the screen.
TEST_F(BlockCorrection, TheWholeInstructionIsShown) {
    OpenScreen();
    const auto* label = static_cast<const QLabel*>(Screen().説明.Widget());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
    EXPECT_LE(label->geometry().bottom(), Screen().ClientWidget()->height());
    EXPECT_LE(label->geometry().right(), Screen().ClientWidget()->width());
}

TEST_F(BlockCorrection, StartsOnStationOneAndListsTheCurrentStations) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    RecordingCad cad;
    OpenScreen();
    EXPECT_EQ(danmenbangou, 1);
    EXPECT_EQ(Screen().ShownStation(), 1);
    EXPECT_EQ(Screen().幅員(3).Text(), "3.5");
    EXPECT_EQ(Screen().勾配(2).Text(), "2");
    EXPECT_TRUE(cad.executes.empty()); // showing draws nothing
    Screen().Hide();
    SetRoad({{0, 10, 10}, {20, 10, 10}, {-5, 10, 10}});
    Screen().Open();
    ASSERT_EQ(Screen().測点リスト.ListCount(), 3);
    EXPECT_EQ(Screen().測点リスト.List(1), " 20");
    EXPECT_EQ(Screen().測点リスト.List(2), "-5");
    Screen().測点リスト.SetListIndex(1);
    Screen().測点リスト_Click();
    EXPECT_EQ(danmenbangou, 2);
    EXPECT_FALSE(cad.executes.empty());
}

TEST_F(BlockCorrection, AutoCreateDefinesTheBlockWithoutTheGroundAndNamesItAfterwards) {
    SetRoad({{0, 10, 11.234f}, {20, 10, 10, 3, 2, 4, 3}});
    FixtureCad cad;
    cad.drawing.Add(cad::Insert{"KEINEW", {200000, 0}}); // an insert of the name to come
    OpenScreen();
    Screen().移動ボタン_Click(0);
    Screen().新ブロック名.SetText("KEINEW");
    Screen().ブロック自動ボタン_Click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(yokosakuzudata(1, 2), "KEINEW");
    const cad::Block* block = cad.drawing.FindBlock("KEINEW");
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->entities.size(), 1u); // the planned polyline, not the ground
    EXPECT_TRUE(std::holds_alternative<cad::Polyline>(block->entities[0].shape));
    EXPECT_EQ(block->base.y, 1234);
    ASSERT_EQ(cad.All<cad::Insert>().size(), 2u); // the ground reference stays in the drawing
    EXPECT_EQ(cad.All<cad::Insert>()[1].block, "GEN1");
    EXPECT_EQ(cad.commandLine.RejectionCount(), 1u); // the "Y" for a block that was new
    EXPECT_EQ(cad.commandLine.Rejections()[0].input, "Y");

    // Redefining from station 2 (right edge 4 m out) updates the insert placed before.
    Screen().移動ボタン_Click(1);
    Screen().新ブロック名.SetText("KEINEW");
    Screen().ブロック自動ボタン_Click();
    EXPECT_EQ(yokosakuzudata(2, 2), "KEINEW");
    EXPECT_EQ(cad.commandLine.RejectionCount(), 1u);
    const cad::Rect box = cad::ShapeExtents(cad.drawing, cad.drawing.Entities()[0].shape);
    EXPECT_NEAR(box.maxX, 204000, 1e-6);
    EXPECT_NEAR(box.minY, -120, 1e-6);
}

TEST_F(BlockCorrection, AutoCreateRefusesNamesThatCannotBeTheStationsPlannedBlock) {
    SetRoad({{0, 10, 10}});
    std::optional<RecordingCad> cad(std::in_place);
    OpenScreen();
    Screen().新ブロック名.SetText("KEI2");
    Screen().ブロック自動ボタン_Click(); // nothing drawn yet
    for (const char* name : {"", "KEI 2", "gen1", "未設定"}) {
        Screen().移動ボタン_Click(0);
        cad->executes.clear();
        Screen().新ブロック名.SetText(name);
        Screen().ブロック自動ボタン_Click();
        EXPECT_TRUE(cad->executes.empty()) << name;
    }
    EXPECT_EQ(Messages().size(), 5u);
    EXPECT_EQ(yokosakuzudata(1, 2), "KEI1");

    // A refused execute stores nothing.
    Screen().移動ボタン_Click(0);
    cad.emplace(1);
    Screen().新ブロック名.SetText("KEI2");
    Screen().ブロック自動ボタン_Click();
    EXPECT_EQ(yokosakuzudata(1, 2), "KEI1");
}

TEST_F(BlockCorrection, ChangeStoresIntoTheShownStationAndRefusesMissingValues) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    RecordingCad cad;
    OpenScreen();
    auto& screen = Screen();
    screen.ブロック名(1).SetText("KEI5");
    screen.幅員(3).SetText("99999");
    screen.決定ボタン_Click();
    screen.幅員(3).SetText("");
    screen.決定ボタン_Click();
    screen.幅員(3).SetText("3.5");
    screen.ブロック名(1).SetText("");
    screen.決定ボタン_Click();
    EXPECT_EQ(Messages().size(), 3u);
    EXPECT_EQ(yokosakuzudata(1, 2), "KEI1");

    danmenbangou = 2; // another section screen moved on meanwhile
    screen.ブロック名(1).SetText("KEI5");
    screen.決定ボタン_Click();
    EXPECT_EQ(yokosakuzudata(1, 2), "KEI5");
    EXPECT_EQ(yokosakuzudata(1, 5), "3.5");
    EXPECT_EQ(yokosakuzudata(1, 6), "2.5");
    EXPECT_EQ(yokosakuzudata(2, 2), "KEI1");
}

} // namespace
