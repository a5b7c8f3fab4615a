// The marks inside the bands on the small profile of the stream test (stations 0, 8, 16 m at
// x = 0, 40, 80): the horizontal curves with their data, the cross slopes, and band heights
// that leave no room.
#include "profile_sheet_fixture.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <algorithm>

namespace {

using namespace 縦断bus;

class SheetMarks : public profile_sheet_test::ProfileSheetTest {
protected:
    void SetUp() override {
        ProfileSheetTest::SetUp();
        SetRows({{0, 10.25f, 10, kEmpty}, {8, 11, 11, 8}, {16, 9.5f, 10, kEmpty}});
    }

    // The sends after the middle line of band 11 up to the first circle: the cross slopes,
    // then the curve band.
    static std::vector<std::string> AfterMiddleLine(const std::vector<std::string>& sent) {
        auto from = std::find(sent.begin(), sent.end(), "PLINE 0,-242.5 80,-242.5 \r");
        auto to = std::find(sent.begin(), sent.end(), "CIRCLE\r");
        if (from == sent.end() || to < from) return {};
        return {from + 1, to};
    }
    // The text entry whose content is `text`: its point, height and rotation.
    static std::vector<std::string> TextEntry(const std::vector<std::string>& sent, const std::string& text) {
        auto at = std::find(sent.begin(), sent.end(), text + "\r");
        if (at - sent.begin() < 3) return {};
        return {at - 3, at + 1};
    }
};

// One IP is enough for the curve band. Curve 1 (BC 4 m, EC 12 m) turns left: a bracket
// 7 mm below the middle of band 10; curve 2 starts after the last station and gets neither a
// bracket nor a text, but the straight from curve 1's EC runs to its BC.
TEST_F(SheetMarks, HorizontalCurvesAndTheirDataLeaveTheAlignmentAlone) {
    ipsuu = 2;
    const float bc[] = {0, 4000, 20000}, ec[] = {0, 12000, 30000};
    for (int j = 1; j <= 2; ++j) {
        bcsokuten(j) = bc[j];
        ecsokuten(j) = ec[j];
        koukaku(j) = 0.5236f;
        setsusenchou(j) = 4123.4f;
        kyokusenchou(j) = 8377.6f;
        iphankei(j) = 15040;
    }
    sayuu(1) = -1;
    const auto sent = Press(Screen());
    EXPECT_EQ(AfterMiddleLine(sent), (std::vector<std::string>{"PLINE 20,-227 60,-227 \r", "PLINE 20,-227 20,-220 \r",
                                                               "PLINE 60,-227 60,-220 \r", "PLINE 60,-220 100,-220 \r",
                                                               "PLINE 0,-220 20,-220 \r"}));
    // Centred on the curve's middle (x 40) with 0.3 x 4 mm per half character, 38 characters.
    EXPECT_EQ(TextEntry(sent, "I=0.524  T.L= 4.1m  C.L= 8.4m  R= 15 m"),
              (std::vector<std::string>{"-5.6,-220\r", "4\r", "0\r", "I=0.524  T.L= 4.1m  C.L= 8.4m  R= 15 m\r"}));
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const std::string& l) { return l.rfind("I=", 0) == 0; }), 1);
    // The texts are rounded; the tables keep what the alignment computed and the user typed.
    EXPECT_EQ(koukaku(1), 0.5236f);
    EXPECT_EQ(setsusenchou(1), 4123.4f);
    EXPECT_EQ(kyokusenchou(1), 8377.6f);
    EXPECT_EQ(iphankei(1), 15040.0f);
    ExpectCadIdleAndClean();
}

// Reference slopes 2 % at 0 m and -3 % at 16 m on the left, 6 % at 0 and 8 m on the right:
// 2.5 cm x 5 / 6 = 2.0833333 mm per percent (single), above the middle line when positive.
TEST_F(SheetMarks, CrossSlopesFromTheReferenceSlopes) {
    for (int r = 1; r <= 3; ++r) yokodata(r, 5) = tatedata(r, 1);
    yokodata(1, 4) = 2;
    yokodata(3, 4) = -3;
    yokodata(1, 7) = 6;
    yokodata(2, 7) = 6;
    const auto sent = Press(Screen());
    EXPECT_EQ(AfterMiddleLine(sent),
              (std::vector<std::string>{"PLINE 0,-238.333333492279 80,-248.75 \r", "PLINE 0,-230 40,-230 \r"}));
    ExpectCadIdleAndClean();
}

// Band heights of 0 (the layout screen allows them): the rules meet and the band's texts sit
// on the line; a gradient band of 1 mm or less has no room for the change-point circles,
// which are left out rather than sent with a radius the CAD refuses.
TEST_F(SheetMarks, BandsWithoutHeightStillMakeACleanDrawing) {
    作図画面& screen = Screen();
    obitakasa(2) = 0;
    obitakasa(8) = 0;
    const auto sent = Press(screen);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "CIRCLE\r"), 0);
    EXPECT_EQ(sent.front(), "PLINE 0,52.5 40,60 80,45 \r");
    ExpectCadIdleAndClean();
    EXPECT_EQ(Count<cad::Circle>(), 0);
    EXPECT_EQ(Count<cad::Text>(), 59);
}

// A station without a ground height (one the plan computation added) is left out of the
// ground line and its tick ends at the planned line; its ground and cut/fill bands stay empty
// while its planned height is labelled; the title stays above the profile.
TEST_F(SheetMarks, StationWithoutGroundHeight) {
    tatedata(2, 2) = kEmpty;
    const auto sent = Press(Screen());
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent[0], "PLINE 0,52.5 80,45 \r");
    EXPECT_EQ(sent[2], "PLINE 40,-45 40,57.5 \r");
    EXPECT_EQ(TextEntry(sent, "縦　　断　　図").front(), "-110,137.5\r");
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const std::string& l) { return l.find("99999") != l.npos; }),
              0);
    ExpectCadIdleAndClean();
    EXPECT_EQ(Count<cad::Text>(), 57); // of 59: the ground height and the cut/fill of 8 m left out
}

} // namespace
