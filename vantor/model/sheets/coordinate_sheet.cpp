#include "vantor/model/sheets/coordinate_sheet.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/coordinate_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"

#include <array>
#include <string>
#include <vector>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
constexpr int kStationColumn = 2; // B: station, C: plan X, D: plan Y
constexpr int kLastStationRow = 52;
constexpr int kSiteXColumn = 7; // G: site x, H: site y, I: drawing X, J: drawing Y
constexpr int kMaxPoints = decltype(zahyoudata)::UBound(1);

const SheetLayout kLayout{
    .firstWidthColumn = 2,
    .widths = {8, 10, 10},
    .titleRow = 2,
    .titleColumn = 2,
    .title = "座標値データー表",
    .headers = {{4, 2, {"測　点", "Ｘ座標", "Ｙ座標"}}},
    .box = "b4:d50",
    .shading = {{"b4:d4", 40}, {"b5:b50", 35}, {"c5:d50", 36}},
};

} // namespace

void shoshikizahyou() { LayOutDocumentSheet(kCoordinateSheet, kLayout); }

bool WriteStationCoordinates(xl::Worksheet& sheet) {
    const int n = sokutensuu;
    const int fits = kLastStationRow - kFirstRow + 1;
    if (n > fits) {
        forms::MsgBox("測点が" + rt::CStr(n) + "点あります。" + std::string(kCoordinateSheet) + "には" +
                          rt::CStr(fits) + "測点までしか転送できません（それより下の行は座標変換の結果です）。",
                      forms::vbExclamation);
        return false;
    }
    SelectAndClear(sheet, "B" + rt::CStr(kFirstRow) + ":D" + rt::CStr(kLastStationRow));
    for (int station = 1; station <= n; ++station) {
        const int row = kFirstRow + station - 1;
        Put(sheet, row, kStationColumn, tatedata(station, tate_col::kStation));
        Put(sheet, row, kStationColumn + 1, static_cast<float>(sokutenx(station) / 1000.0));
        Put(sheet, row, kStationColumn + 2, static_cast<float>(sokuteny(station) / 1000.0));
    }
    sheet.Select();
    return true;
}

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

void ClearReferencePoints(const xl::Worksheet& sheet) {
    // Points past the 20 read, typed by hand, would come back as soon as G5 is filled again.
    int last = kFirstRow + kMaxPoints - 1;
    while (last < kLastStationRow && !IsBlank(sheet, last + 1, kSiteXColumn)) ++last;
    sheet.Range("G" + rt::CStr(kFirstRow) + ":J" + rt::CStr(last))->ClearContents();
}

} // namespace 縦断bus
