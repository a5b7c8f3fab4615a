#include "vantor/sections/keisanyokokoubai.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/planned_heights.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/sections/cross_slope_interpolation.h"
#include "vantor/sections/横断勾配入力画面.h"

#include <algorithm>
#include <cmath>

namespace 縦断bus {

namespace {

struct Side {
    int referenceColumn, slopeColumn, widthColumn, shoulderColumn;
    CrossSlopePoints& stations;
    CrossSlopePoints& slopes;
    int& count;
    rt::Table<float, 200>& result;
};

Side Left() {
    using namespace yoko_col;
    return {kLeftReferenceSlope, kLeftCrossSlope,   kLeftWidth,     kLeftShoulderHeight,
            hidarikijunsokuten,  hidarikijunkoubai, hidarikijunsuu, hidariyokokoubai};
}
Side Right() {
    using namespace yoko_col;
    return {kRightReferenceSlope, kRightCrossSlope, kRightWidth,  kRightShoulderHeight,
            migikijunsokuten,     migikijunkoubai,  migikijunsuu, migiyokokoubai};
}

void CollectChangePoints(const Side& side, int n) {
    int m = 0;
    for (int r = 1; r <= n; ++r) {
        if (yokodata(r, side.referenceColumn) == kEmpty) continue;
        ++m;
        side.slopes(m) = yokodata(r, side.referenceColumn);
        side.stations(m) = yokodata(r, yoko_col::kStation);
    }
    side.count = m;
}

// A shoulder height needs the station's planned height of the current profile.
void ComputeSide(const Side& side, int n, bool plannedHeights) {
    CollectChangePoints(side, n);
    for (int r = 1; r <= n; ++r) {
        // Without a value of its own the station keeps the slope its row holds.
        const float held = yokodata(r, side.slopeColumn);
        side.result(r) = held == kEmpty ? 0.0f : held;
        if (const auto value =
                InterpolatedCrossSlope(side.stations, side.slopes, side.count, yokodata(r, yoko_col::kStation)))
            side.result(r) = static_cast<float>(*value);
    }
    for (int r = 1; r <= n; ++r) side.result(r) = FourDecimalSlope(side.result(r));
    for (int r = 1; r <= n; ++r) {
        const double drop =
            std::floor(double(yokodata(r, side.widthColumn)) * 1000 * 0.01 * side.result(r) + 0.5) / 1000;
        yokodata(r, side.slopeColumn) = side.result(r);
        yokodata(r, side.shoulderColumn) =
            plannedHeights && yokodata(r, yoko_col::kPlannedHeight) != kEmpty
                ? static_cast<float>(double(yokodata(r, yoko_col::kPlannedHeight)) - drop)
                : kEmpty;
    }
}

void LabelCurvePoints(forms::FlexGrid& grid, int n) {
    const int curves = std::min(ipsuu, bcsokuten.UBound());
    for (int r = 1; r <= n; ++r) {
        for (int j = 1; j <= curves; ++j) {
            const std::string cell = grid.TextMatrix(r, 4);
            const std::string bc = rt::CStr(static_cast<float>(bcsokuten(j) / 1000.0));
            if (cell == bc) {
                grid.SetTextMatrix(r, 4, "B.C " + rt::CStr(j) + " (" + bc + ")");
                continue;
            }
            const std::string ec = rt::CStr(static_cast<float>(ecsokuten(j) / 1000.0));
            if (cell == ec) grid.SetTextMatrix(r, 4, "E.C " + rt::CStr(j) + " (" + ec + ")");
        }
    }
}

} // namespace

CrossSlopeRun ComputeCrossSlopes() {
    CrossSlopeRun run;
    const int n = sokutensuu;
    if (n > kCrossSlopeRows) {
        run.computed = false;
        return run;
    }
    run.plannedHeights = PlannedHeightsComputed();
    ComputeSide(Left(), n, run.plannedHeights);
    ComputeSide(Right(), n, run.plannedHeights);
    run.leftTooFew = hidarikijunsuu < 2;
    run.rightTooFew = migikijunsuu < 2;
    return run;
}

void FillCrossSlopeGrid(forms::FlexGrid& grid) {
    const int n = sokutensuu;
    grid.SetRows(n + 1);
    for (int r = 0; r <= n; ++r) grid.SetRowHeight(r, 500);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= 10; ++c) grid.SetTextMatrix(r, c - 1, GridCellText(yokodata(r, c)));
    for (int r = 1; r <= n; ++r) {
        if (yokodata(r, yoko_col::kLeftWidth) == kEmpty) {
            grid.SetTextMatrix(r, 1, "幅未入力");
            grid.SetTextMatrix(r, 0, "");
        }
        if (yokodata(r, yoko_col::kRightWidth) == kEmpty) {
            grid.SetTextMatrix(r, 8, "幅未入力");
            grid.SetTextMatrix(r, 9, "");
        }
    }
    if (ipkeisanflg != 0) LabelCurvePoints(grid, n);
}

std::string CrossSlopeNotice(const CrossSlopeRun& run) {
    std::string notice;
    if (run.leftTooFew || run.rightTooFew) {
        const std::string sides = run.leftTooFew && run.rightTooFew ? "左右" : run.leftTooFew ? "左側" : "右側";
        notice = sides + "の基準勾配が２点未満のため、" + sides +
                 "の横断勾配は補間していません。基準勾配を２測点以上に入力してください。";
    }
    if (!run.plannedHeights)
        notice += (notice.empty() ? "" : "\n") + PlannedHeightsMissing() +
                  "路肩高は空けています。縦断の計画高を計算してから横断勾配を計算し直してください。";
    return notice;
}

bool keisanyokokoubai() {
    if (sokutensuu > kCrossSlopeRows) {
        forms::MsgBox("測点が" + rt::CStr(sokutensuu) + "点あります。横断勾配は" + rt::CStr(kCrossSlopeRows) +
                          "測点までしか計算できません。",
                      forms::vbExclamation);
        return false;
    }
    const CrossSlopeRun run = ComputeCrossSlopes();
    横断勾配入力画面& screen = forms::Get<横断勾配入力画面>();
    FillCrossSlopeGrid(screen.グリッド);
    screen.ShowNotice(CrossSlopeNotice(run));
    return true;
}

} // namespace 縦断bus
