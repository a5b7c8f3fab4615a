#include "vantor/geometry/coordinates/coordinate_output.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/縦断bus.h"

#include <algorithm>

namespace 縦断bus::coordinates {

using namespace sheet_cells;

namespace {

constexpr int kReferenceRow = 5;      // reference point r in row 4 + r
constexpr int kReferenceColumn = 7;   // G site x, H site y, I drawing X, J drawing Y
constexpr int kNameRow = 53;          // B53: the name of the list
constexpr int kHeaderRow = 55;        // the list's headers; row 55 + n holds point n
constexpr int kLastFormerRow = 105;   // the area every earlier version of the list took

// Clears the list area A54:L down to the last row in use, and writes the name.
void BeginList(const xl::Worksheet& sheet, const std::string& name) {
    const int last = std::max(kLastFormerRow, LastUsedRow(sheet));
    sheet.Range("A54:L" + rt::CStr(last))->ClearContents();
    Put(sheet, kNameRow, 2, name);
}

} // namespace

void WriteReferencePoints(const xl::Worksheet& sheet, const std::vector<ReferencePoint>& points) {
    const int rows = decltype(zahyoudata)::UBound(1);
    sheet.Range(CellAddress(kReferenceRow, kReferenceColumn) + ":" +
                CellAddress(kReferenceRow + rows - 1, kReferenceColumn + 3))
        ->ClearContents();
    const int count = std::min(rows, static_cast<int>(points.size()));
    for (int r = 0; r < count; ++r) {
        const ReferencePoint& p = points[r];
        const double values[] = {p.siteX, p.siteY, p.drawingX, p.drawingY};
        for (int c = 0; c < 4; ++c) Put(sheet, kReferenceRow + r, kReferenceColumn + c, values[c]);
    }
}

void WritePointList(const xl::Worksheet& sheet, const std::string& name, const std::vector<ConvertedRow>& rows) {
    BeginList(sheet, name);
    Headers(sheet, kHeaderRow, 1, {"番号", "Ｘ座標", "Ｙ座標", "（測量座標値）"});
    for (int n = 1; n <= static_cast<int>(rows.size()); ++n) {
        Put(sheet, kHeaderRow + n, 1, n);
        Put(sheet, kHeaderRow + n, 2, rows[n - 1].siteY);
        Put(sheet, kHeaderRow + n, 3, rows[n - 1].siteX);
    }
}

void WriteRoadEdgeTable(const xl::Worksheet& sheet, const std::string& name, const SiteTransform& transform) {
    BeginList(sheet, name);
    Headers(sheet, kHeaderRow, 1,
            {"測点", "Ｘ座標", "Ｙ座標", "Ｚ座標", "左路肩", "Ｘ座標", "Ｙ座標", "Ｚ座標", "右路肩", "Ｘ座標", "Ｙ座標", "Ｚ座標"});
    Put(sheet, kHeaderRow - 1, 12, "（測量座標値）");
    // One point in millimetres to the site: y under "Ｘ座標", x under "Ｙ座標", then z.
    const auto putPoint = [&](int row, int column, float x, float y, float z) {
        const SitePoint site = ToSite(transform, x / 1000.0, y / 1000.0);
        Put(sheet, row, column, site.y);
        Put(sheet, row, column + 1, site.x);
        Put(sheet, row, column + 2, static_cast<float>(z / 1000.0));
    };
    for (int i = 1; i <= sokutensuu; ++i) {
        const int row = kHeaderRow + i;
        Put(sheet, row, 1, tatedata(i, 1));
        putPoint(row, 2, d3chuushin(i, 0, 1), d3chuushin(i, 0, 2), d3chuushin(i, 0, 3));
        putPoint(row, 6, d3hidarix(i, 0), d3hidariy(i, 0), d3hidariz(i, 0));
        putPoint(row, 10, d3migix(i, 0), d3migiy(i, 0), d3migiz(i, 0));
    }
}

} // namespace 縦断bus::coordinates
