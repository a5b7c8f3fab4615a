#include "vantor/model/sheets/coordinate_sheet.h"

#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"

#include <array>
#include <vector>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
constexpr int kSiteXColumn = 7;  // G: site x, H: site y, I: drawing X, J: drawing Y
constexpr int kMaxPoints = decltype(zahyoudata)::UBound(1);

const SheetLayout kLayout{
    .firstWidthColumn = 2,
    .widths = {8, 10, 10},
    .titleRow = 2, .titleColumn = 2, .title = "座標値データー表",
    .headers = {{4, 2, {"測　点", "Ｘ座標", "Ｙ座標"}}},
    .box = "b4:d50",
    .shading = {{"b4:d4", 40}, {"b5:b50", 35}, {"c5:d50", 36}},
};

} // namespace

void shoshikizahyou() { LayOutDocumentSheet(kCoordinateSheet, kLayout); }

void ReadReferencePoints() {
    Sheet sheet = DocumentSheet(kCoordinateSheet);
    if (!sheet) return;
    // Read everything first: a faulty cell leaves the points as they were.
    std::vector<std::array<double, 4>> points;
    for (int row = kFirstRow; !IsBlank(*sheet, row, kSiteXColumn); ++row) {
        if (static_cast<int>(points.size()) == kMaxPoints) {
            sheet_messages::Tell(sheet_messages::TooManyReferencePoints(kMaxPoints));
            break;
        }
        std::array<double, 4> point{};
        for (int c = 0; c < 4; ++c)
            point[c] = IsBlank(*sheet, row, kSiteXColumn + c) ? kEmpty : StrictNumber(*sheet, row, kSiteXColumn + c);
        points.push_back(point);
    }
    for (int r = 1; r <= static_cast<int>(points.size()); ++r)
        for (int c = 1; c <= 4; ++c) zahyoudata(r, c) = points[r - 1][c - 1];
    zahyousuu = static_cast<int>(points.size());
}

void yomikomizahyou() { sheet_messages::ReadTellingFailure(ReadReferencePoints); }

} // namespace 縦断bus
