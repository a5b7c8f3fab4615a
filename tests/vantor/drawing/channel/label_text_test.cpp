// Fixed-width labels: hand-worked from the label rule (point at position w + 1, at least two
// decimals when the value fits its field).
#include "platform/runtime/error.h"
#include "tests/support/program_reset.h"
#include "vantor/drawing/channel/label_text.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;

TEST(LabelText, RoundedValueInAThreePlaceField) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {12, " 12.00"},        {5, "  5.00"},      {-5, " -5.00"},       {-12, "-12.00"},     {2.3f, "  2.30"},
        {2.344f, "  2.34"},    {2.345f, "  2.35"}, {-2.345f, " -2.34"},  {-2.346f, " -2.35"}, {123.45f, "123.45"},
        {-123.45f, "-123.45"}, {1234, "1234"},     {1234.5f, "1234.50"}, {99999, "99999"},    {0.5f, "  0.50"},
    };
    for (const auto& c : cases) EXPECT_EQ(seikeisuuchi(c.value), c.text) << c.value;
    EXPECT_EQ(seikeisuuchi(std::string_view("56.7")), " 56.70");
}

TEST(LabelText, ProfileLabelTableColumnsAndWidths) {
    test_support::ResetProgram();
    tatemoji(3, 1) = "left from before";
    sokutensuu = 2;
    // station, ground, planned, planned - ground, distance
    const float row1[] = {20, 123.456f, 12345, -1.25f, 5.5f};
    const float row2[] = {120.5f, kEmpty, 1000, 0.35f, 12.345f};
    const int columns[] = {1, 2, 5, 6, 8};
    for (int k = 0; k < 5; ++k) {
        tatedata(1, columns[k]) = row1[k];
        tatedata(2, columns[k]) = row2[k];
    }
    seikeitate();
    EXPECT_EQ(tatemoji(1, 1), "  20.00");
    EXPECT_EQ(tatemoji(1, 2), " 123.456");
    EXPECT_EQ(tatemoji(1, 5), "12345");
    EXPECT_EQ(tatemoji(1, 6), " 1.25"); // the sign of a cut is dropped
    EXPECT_EQ(tatemoji(1, 8), " 5.50");
    EXPECT_EQ(tatemoji(2, 1), " 120.50");
    EXPECT_EQ(tatemoji(2, 2), "99999");
    EXPECT_EQ(tatemoji(2, 5), "1000.00");
    EXPECT_EQ(tatemoji(2, 6), " 0.35");
    EXPECT_EQ(tatemoji(2, 8), "12.345");
    EXPECT_EQ(tatemoji(1, 3), "");
    EXPECT_EQ(tatemoji(3, 1), "left from before");

    for (const auto& [distance, text] : {std::pair{20.0f, "20.00"}, {120.0f, "120"}, {120.5f, "120.50"}}) {
        tatedata(1, 8) = distance;
        seikeitate();
        EXPECT_EQ(tatemoji(1, 8), text);
    }
}

TEST(LabelText, MoreStationsThanTheTableFillsItThenRaises) {
    test_support::ResetProgram();
    sokutensuu = 101;
    for (int r = 1; r <= 101; ++r) tatedata(r, 1) = static_cast<float>(r);
    try {
        seikeitate();
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errSubscript);
    }
    EXPECT_EQ(tatemoji(100, 8), " 0.00");
    EXPECT_EQ(tatemoji(100, 1), " 100.00");
}

} // namespace
