#include "vantor/geometry/coordinates/coordinate_output.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheet_cells.h"

#include <algorithm>

namespace 縦断bus::coordinates {

using namespace sheet_cells;

namespace {

constexpr int kReferenceRow = 5;    // reference point r in row 4 + r
constexpr int kReferenceColumn = 7; // G site x, H site y, I drawing X, J drawing Y
constexpr int kNameRow = 53;        // B53: the name of the list
constexpr int kHeaderRow = 55;      // the list's headers; row 55 + n holds point n
constexpr int kLeftEdgeColumn = 5;  // E55 "左路肩": the road-edge table's mark
const char* const kLeftEdgeHeader = "左路肩";

// The last row of the list below the headers: column A numbers every row of either layout.
int LastListRow(const xl::Worksheet& sheet) {
    int row = std::max(kHeaderRow, LastUsedRow(sheet));
    while (row > kHeaderRow && IsBlank(sheet, row, 1)) --row;
    return row;
}

void ClearColumns(const xl::Worksheet& sheet, int firstRow, int lastRow, int firstColumn, int lastColumn) {
    sheet.Range(CellAddress(firstRow, firstColumn) + ":" + CellAddress(lastRow, lastColumn))->ClearContents();
}

// Clears the cells the earlier list wrote, by its layout: A-D of a point list; A-D, F-H,
// J-L, the header row and L54 of a road-edge table. Then writes the name.
void BeginList(const xl::Worksheet& sheet, const std::string& name) {
    const int last = LastListRow(sheet);
    const bool roadEdges = Text(sheet, kHeaderRow, kLeftEdgeColumn) == kLeftEdgeHeader;
    ClearColumns(sheet, kHeaderRow, last, 1, 4);
    if (roadEdges) {
        ClearColumns(sheet, kHeaderRow, kHeaderRow, 5, 12);
        ClearColumns(sheet, kHeaderRow, last, 6, 8);
        ClearColumns(sheet, kHeaderRow, last, 10, 12);
        ClearColumns(sheet, kHeaderRow - 1, kHeaderRow - 1, 12, 12);
    }
    Put(sheet, kNameRow, 2, name);
}

// The number a text shows, or the text itself when it is none.
xl::CellValue NumberOrText(const std::string& text) {
    if (rt::IsNumeric(text)) return rt::CDbl(text);
    return text;
}

} // namespace

void WriteReferencePoints(const xl::Worksheet& sheet, const std::vector<ReferenceRow>& rows) {
    const int capacity = decltype(zahyoudata)::UBound(1);
    ClearColumns(sheet, kReferenceRow, kReferenceRow + capacity - 1, kReferenceColumn, kReferenceColumn + 3);
    const int count = std::min(capacity, static_cast<int>(rows.size()));
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < 4; ++c)
            if (rows[r][c]) Put(sheet, kReferenceRow + r, kReferenceColumn + c, *rows[r][c]);
}

void WritePointList(const xl::Worksheet& sheet, const std::string& name, const std::vector<ConvertedRow>& rows) {
    BeginList(sheet, name);
    Headers(sheet, kHeaderRow, 1, {"番号", "Ｘ座標", "Ｙ座標", "（測量座標値）"});
    for (int n = 1; n <= static_cast<int>(rows.size()); ++n) {
        Put(sheet, kHeaderRow + n, 1, n);
        Put(sheet, kHeaderRow + n, 2, NumberOrText(rows[n - 1].siteY));
        Put(sheet, kHeaderRow + n, 3, NumberOrText(rows[n - 1].siteX));
    }
}

void WriteRoadEdgeTable(const xl::Worksheet& sheet, const std::string& name, const SiteTransform& transform) {
    BeginList(sheet, name);
    Headers(sheet, kHeaderRow, 1,
            {"測点", "Ｘ座標", "Ｙ座標", "Ｚ座標", kLeftEdgeHeader, "Ｘ座標", "Ｙ座標", "Ｚ座標", "右路肩", "Ｘ座標",
             "Ｙ座標", "Ｚ座標"});
    Put(sheet, kHeaderRow - 1, 12, "（測量座標値）");
    // One point in millimetres to the site: y under "Ｘ座標", x under "Ｙ座標", then z.
    const auto putPoint = [&](int row, int column, float x, float y, float z) {
        if (x == kEmpty) return; // an edge the model left out
        const SitePoint site = ToSite(transform, x / 1000.0, y / 1000.0);
        Put(sheet, row, column, site.y);
        Put(sheet, row, column + 1, site.x);
        Put(sheet, row, column + 2, static_cast<float>(z / 1000.0));
    };
    for (int i = 1; i <= d3sokutensuu; ++i) {
        const int row = kHeaderRow + i;
        Put(sheet, row, 1, tatedata(i, tate_col::kStation));
        putPoint(row, 2, d3chuushin(i, 0, chuushin_col::kX), d3chuushin(i, 0, chuushin_col::kY),
                 d3chuushin(i, 0, chuushin_col::kZ));
        putPoint(row, 6, d3hidarix(i, 0), d3hidariy(i, 0), d3hidariz(i, 0));
        putPoint(row, 10, d3migix(i, 0), d3migiy(i, 0), d3migiz(i, 0));
    }
}

} // namespace 縦断bus::coordinates
