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

} // namespace 縦断bus
