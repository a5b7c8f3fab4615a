#include "vantor/shoulder3d/shoulder/offset_table_text.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace 縦断bus::offset_table_text {

namespace {

std::string ChainageText(float chainage) { return rt::CStr(static_cast<float>(chainage / 1000.0)); }

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Whether the text, after leading blanks and a sign, begins with a digit or a point and a digit.
bool BeginsWithNumber(std::string_view text) {
    text = rt::Trim(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (!text.empty() && text.front() == '.') text.remove_prefix(1);
    return !text.empty() && IsDigit(text.front());
}

Entry Refused(std::string why) { return {false, 0, std::move(why)}; }

Entry CurvePoint(const std::string& text) {
    const int curve = static_cast<int>(std::lround(rt::Val(text.size() > 3 ? text.substr(3, 3) : std::string())));
    const int curves = std::min(ipsuu, bcsokuten.UBound());
    if (curve < 1 || curve > curves)
        return Refused("「" + text + "」の曲線番号はありません。" +
                       (curves < 1 ? std::string("曲線がありません。")
                                   : "1～" + rt::CStr(static_cast<long long>(curves)) + "で指定してください。"));
    const float chainage = text[0] == 'B' ? bcsokuten(curve) : ecsokuten(curve);
    return {true, static_cast<float>(chainage / 1000.0), {}};
}

} // namespace

std::string CellText(float value, int gridColumn) {
    // An empty station row (the profile's empty marker) shows empty rather than as a number.
    if (value == kEmpty || (value == 0 && gridColumn != kStationColumn)) return "";
    const double scale = ketasuu == 2 ? 100 : 1000;
    return rt::CStr(std::floor(double(static_cast<float>(value * static_cast<float>(scale))) + 0.5) / scale);
}

std::string WithCurveLabel(const std::string& text) {
    const int curves = ipsuu;
    for (int j = 1; j <= curves; ++j) {
        const std::string number = rt::CStr(static_cast<long long>(j));
        if (text == ChainageText(bcsokuten(j))) return "B.C " + number + " (" + text + ")";
        if (text == ChainageText(ecsokuten(j))) return "E.C " + number + " (" + text + ")";
    }
    return text;
}

Entry Read(const std::string& text, int gridColumn) {
    if (rt::Trim(text).empty()) return {true, 0, {}};
    const bool curvePoint = text[0] == 'B' || text[0] == 'E';
    if (curvePoint && gridColumn == kStationColumn) return CurvePoint(text);
    if (!BeginsWithNumber(text))
        return Refused("「" + text + "」は数値ではありません。" +
                       std::string(gridColumn == kStationColumn ? "測点" : "幅") + "を数値（ｍ）で入力してください。");
    const double value = rt::Val(text);
    if (!(std::fabs(value) <= 1e6)) return Refused("「" + text + "」は大きすぎます。");
    return {true, static_cast<float>(value), {}};
}

} // namespace 縦断bus::offset_table_text
