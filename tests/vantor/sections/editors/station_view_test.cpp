// What a station change draws in the CAD for each editor.
#include "editor_fixture.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/bus/station_tables.h"

namespace {

using namespace 縦断bus;
using editors_test::EditorTest;
using section_test::RecordingCad;

TEST_F(EditorTest, ExistingGroundStationIsInsertedAtTheOriginAndExploded) {
    SetRoad({{0, 10, 10}, {20, 10, 10}});
    yokosakuzudata(2, 1) = "GEN2";
    RecordingCad cad;
    DrawingScreen();
    Ground().移動ボタン_Click(1);
    // clang-format off
    const std::vector<std::string> expected = {
        "erase\r", "W\r", "-30000,15000\r", "30000,-15000\r", "\r",
        "-insert\r", "GEN2 0,0 1 1 0\r",
        "zoom\r", "-30000,15000\r", "30000,-15000\r",
        "explode\r", "W\r", "-30000,15000\r", "30000,-15000\r", "\r"};
    // clang-format on
    EXPECT_EQ(cad.executes, expected);

    cad.executes.clear();
    yokosakuzudata(1, 1) = "";
    Ground().移動ボタン_Click(0);
    EXPECT_TRUE(cad.executes.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(danmenbangou, 1);
}

// The cut/fill editor draws the block correction's planned section, erasing 60 m by 30 m.
TEST_F(EditorTest, CutFillStationChangeSendsThePlannedSection) {
    SetRoad({{0, 10, 10}, {20, 10, 11.234f, 3, 2, 3.5f, 2.3f}});
    RecordingCad cad;
    DrawingScreen();
    CutFill().Open();
    CutFill().移動ボタン_Click(1);
    const auto& e = cad.executes;
    ASSERT_EQ(e.size(), 24u);
    // clang-format off
    const std::vector<std::string> head = {"erase\r", "W\r", "-30000,15000\r", "30000,-15000\r", "\r",
                                           "-insert\r", "KEI1 0,1234 1 1 0\r"};
    // clang-format on
    EXPECT_EQ(std::vector<std::string>(e.begin(), e.begin() + 7), head);
    EXPECT_EQ(e[22], "-insert\r");
    EXPECT_EQ(e[23], "GEN1 0,0 1 1 0\r");
    // The next station's erase window takes in the section drawn at 1234 mm.
    cad.executes.clear();
    CutFill().移動ボタン_Click(0);
    ASSERT_EQ(e.size(), 24u);
    EXPECT_EQ(e[2], "-30000,16234.0002441406\r");
}

} // namespace
