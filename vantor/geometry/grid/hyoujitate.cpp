#include "vantor/geometry/grid/hyoujitate.h"

#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/入出力画面.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>

namespace 縦断bus {

namespace {

constexpr std::array<const char*, kGridColumns> kHeaders = {"    測    点", "  地 盤 高",       " 基準計画高",
                                                            "  曲 線 長",   "  計 画 高",       "  切    土",
                                                            "  盛    土",   "   勾      配 (%)"};

} // namespace

std::string GridCellText(float value) { return value == kEmpty ? std::string() : rt::CStr(value); }

std::array<std::string, kGridColumns> GridRowTexts(int row, const CurvePointMarks& marks) {
    std::array<std::string, kGridColumns> texts;
    for (int column = 0; column <= 4; ++column) texts[column] = GridCellText(tatedata(row, column + 1));
    const float difference = tatedata(row, tate_col::kPlannedMinusGround);
    if (difference > 0) texts[6] = GridCellText(difference);
    else texts[5] = rt::CStr(std::fabs(difference));
    if (!texts[0].empty()) {
        texts[7] = GridCellText(tatedata(row, tate_col::kGradient));
        texts[0] = marks.Mark(texts[0]);
    }
    return texts;
}

void hyoujitate() {
    入出力画面& screen = forms::Get<入出力画面>();
    forms::FlexGrid& grid = screen.グリッド;
    grid.SetRows(sokutensuu + 1);
    grid.SetCols(kGridColumns);
    grid.SetFixedCols(0);
    grid.SetColWidth(-1, 1380);
    grid.SetColWidth(0, 1580);
    grid.SetColWidth(7, 1750);
    grid.SetRowHeight(-1, 500);
    for (int column = 0; column < kGridColumns; ++column) grid.SetTextMatrix(0, column, kHeaders[column]);
    const CurvePointMarks marks = CurvePointMarks::OfAlignment();
    for (int row = 1; row <= sokutensuu; ++row) {
        const auto texts = GridRowTexts(row, marks);
        for (int column = 0; column < kGridColumns; ++column) grid.SetTextMatrix(row, column, texts[column]);
    }
    screen.GridRefilled();
}

} // namespace 縦断bus
