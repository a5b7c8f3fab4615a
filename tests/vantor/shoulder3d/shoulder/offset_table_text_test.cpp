// The texts of the offset grid: rounding and empty widths, curve-point labels of the station
// column, and what a typed text stores (curve points in the station column only).
#include "tests/support/program_reset.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/縦断bus.h"
#include "vantor/shoulder3d/shoulder/offset_table_text.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;
namespace text = 縦断bus::offset_table_text;

class OffsetTableText : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::ResetProgram();
        ipsuu = 2;
        bcsokuten(1) = 50000, ecsokuten(1) = 128540;
        bcsokuten(2) = 123450, ecsokuten(2) = 150456;
    }
    void TearDown() override { test_support::ResetProgram(); }
};

TEST_F(OffsetTableText, CellTexts) {
    const struct {
        int decimals;
        float value;
        int column;
        const char* shown;
    } cases[] = {
        // clang-format off
        {3, 1.2345f, 0, "1.235"}, {2, 1.2345f, 0, "1.23"}, {2, 1.5f, 3, "1.5"}, {2, 2, 8, "2"},
        {2, 0, 0, ""},            {3, 0, 5, ""},           {2, 0, 4, "0"},      {3, 123.4567f, 4, "123.457"},
        {2, -0.125f, 6, "-0.12"}, {2, kEmpty, 4, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        ketasuu = c.decimals;
        EXPECT_EQ(text::CellText(c.value, c.column), c.shown) << c.value << " " << c.decimals;
    }
}

TEST_F(OffsetTableText, CurveLabels) {
    EXPECT_EQ(text::WithCurveLabel("50"), "B.C 1 (50)");
    EXPECT_EQ(text::WithCurveLabel("128.54"), "E.C 1 (128.54)");
    EXPECT_EQ(text::WithCurveLabel("123.45"), "B.C 2 (123.45)");
    // The label compares texts: a rounded display of 150.456 is no label of it.
    EXPECT_EQ(text::WithCurveLabel("150.46"), "150.46");
    EXPECT_EQ(text::WithCurveLabel("40"), "40");
    ipsuu = 0;
    EXPECT_EQ(text::WithCurveLabel("50"), "50");
}

TEST_F(OffsetTableText, TypedTexts) {
    const struct {
        const char* typed;
        int column;
        bool accepted;
        float value;
    } cases[] = {
        // clang-format off
        {"", 0, true, 0},          {"  ", 4, true, 0},         {"2.5", 3, true, 2.5f},   {"1.2m", 6, true, 1.2f},
        {"-0.5", 1, true, -0.5f},  {".75", 8, true, 0.75f},    {"E.C 1", 4, true, 128.54f},
        {"B.C 2 (123.45)", 4, true, 123.45f},                  {"B.C 2", 4, true, 123.45f},
        // Curve points name stations, not widths.
        {"E.C 1", 0, false, 0},    {"B.C 2", 5, false, 0},
        {"B.C 3", 4, false, 0},    {"E.C 0", 4, false, 0},     {"abc", 2, false, 0},     {"No.3", 4, false, 0},
        {"1e30", 2, false, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const text::Entry entry = text::Read(c.typed, c.column);
        EXPECT_EQ(entry.accepted, c.accepted) << c.typed << " in " << c.column;
        if (c.accepted) EXPECT_FLOAT_EQ(entry.value, c.value) << c.typed;
        else EXPECT_FALSE(entry.refusal.empty()) << c.typed;
    }
    EXPECT_EQ(text::Read("B.C 3", 4).refusal, "「B.C 3」の曲線番号はありません。1～2で指定してください。");
}

} // namespace
