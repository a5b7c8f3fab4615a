#pragma once
// The drawing screen's two settings that the station list reads when it is rebuilt: the check
// box that asks for regular stations (value 1 = checked) and the text of the station-interval
// box in metres. The drawing screen installs its readers when it loads; until then no regular
// stations are wanted.
#include <functional>
#include <string>

namespace 縦断bus::station_list_settings {

inline std::function<int()> 基準チェックボタン = [] { return 0; };
inline std::function<std::string()> 測点間隔 = [] { return std::string(); };

} // namespace 縦断bus::station_list_settings
