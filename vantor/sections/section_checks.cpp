#include "vantor/sections/section_checks.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <algorithm>
#include <cmath>

namespace 縦断bus {

namespace {

constexpr std::string_view kUnset = "未設定";
constexpr std::string_view kNotInBlockNames = "<>/\\\":;?*|,=`";

bool IsEmptyValue(float v) { return v == kEmpty; }

} // namespace

std::string_view SectionFaultText(SectionFault fault) {
    switch (fault) {
    case SectionFault::NoBlockName: return "ブロック名（現況・計画）が未設定か、使えない文字を含みます。";
    case SectionFault::NoWidths: return "幅員・勾配（標準または測点の値）が未入力です。";
    case SectionFault::NoHeight: return "計画高・地盤高が未入力です。";
    case SectionFault::LeavesMoveWindow:
        return "計画断面が作図枠に収まりません（計画断面の中心か端の高さ（計画高 − 地盤高 から）が 現況断面ｻｲｽﾞの高さ "
               "を超えます）。";
    case SectionFault::None: break;
    }
    return {};
}

bool IsUsableBlockName(std::string_view name) {
    if (rt::Trim(name) == kUnset || !cad_channel::IsTypableBlockName(name)) return false;
    return name.find_first_of(kNotInBlockNames) == std::string_view::npos;
}

bool IsGivenNumberText(std::string_view text) { return rt::IsNumeric(text) && rt::Val(text) != kEmpty; }

SectionFault FindBlockFault(int k) {
    if (!IsUsableBlockName(yokosakuzudata(k, sakuzu_col::kGroundBlock)) ||
        !IsUsableBlockName(yokosakuzudata(k, sakuzu_col::kPlannedBlock)))
        return SectionFault::NoBlockName;
    for (int c = 3; c <= 6; ++c)
        if (!IsGivenNumberText(yokosakuzudata(k, c))) return SectionFault::NoWidths;
    for (int c : {2, 3, 8, 9})
        if (IsEmptyValue(yokodata(k, c))) return SectionFault::NoWidths;
    if (IsEmptyValue(tatedata(k, tate_col::kGround)) || IsEmptyValue(tatedata(k, tate_col::kPlannedHeight)))
        return SectionFault::NoHeight;
    return SectionFault::None;
}

SectionFault FindSectionFault(int k, const SectionSettings& settings) {
    if (const SectionFault fault = FindBlockFault(k); fault != SectionFault::None) return fault;
    // The move takes what lies within ±測点Y about the work origin. The planned section stands
    // with its centre line at h, its edges at the station's widths and cross slopes; only a
    // section whose centre or edge lies outside that window is left behind by the move.
    const double h = tatedata(k, tate_col::kPlannedMinusGround);
    const double edgeL = h - double(yokodata(k, yoko_col::kLeftCrossSlope)) * 0.01 * yokodata(k, yoko_col::kLeftWidth);
    const double edgeR =
        h - double(yokodata(k, yoko_col::kRightCrossSlope)) * 0.01 * yokodata(k, yoko_col::kRightWidth);
    const double reach = std::max({std::fabs(h), std::fabs(edgeL), std::fabs(edgeR)});
    if (reach > settings.cellHalfHeight) return SectionFault::LeavesMoveWindow;
    return SectionFault::None;
}

std::string SkippedSectionsMessage(const std::vector<SkippedSection>& skipped) {
    if (skipped.empty()) return {};
    std::string text = "次の測点の横断図は作図しません（測点の文字は作図します）。";
    for (SectionFault fault :
         {SectionFault::NoBlockName, SectionFault::NoWidths, SectionFault::NoHeight, SectionFault::LeavesMoveWindow}) {
        std::string stations;
        for (const SkippedSection& s : skipped)
            if (s.fault == fault)
                stations += (stations.empty() ? "" : "、") + rt::CStr(tatedata(s.row, tate_col::kStation));
        if (!stations.empty()) text += "\n測点 " + stations + "：" + std::string(SectionFaultText(fault));
    }
    return text;
}

} // namespace 縦断bus
