#pragma once
// The seven sheets of the document workbook.
#include <string_view>

namespace 縦断bus {

inline constexpr std::string_view kProfileSheet = "縦断ｼｰﾄ";
inline constexpr std::string_view kCrossSlopeSheet = "横断ｼｰﾄ";
inline constexpr std::string_view kIpSheet = "ＩＰ座標入力";
inline constexpr std::string_view kShoulderSheet = "路肩ｼｰﾄ";
inline constexpr std::string_view kCoordinateSheet = "座標値ｼｰﾄ";
inline constexpr std::string_view kExistingGroundSheet = "現況横断ｼｰﾄ";
inline constexpr std::string_view kCutFillSheet = "切盛ﾗｲﾝ入力ｼｰﾄ";

// Label of the total-length row that the alignment writes below the points of the IP sheet;
// the IP reader takes that row for no point.
inline constexpr std::string_view kTotalLengthLabel = "総延長＝ ";

} // namespace 縦断bus
