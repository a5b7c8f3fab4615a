#pragma once
// The drawing screen's settings as its boxes last held them: the screen writes them at every
// change of a box, and the drawings below it read them here. Each value is the number its
// box's text begins with (0 when none). Until the screen has loaded they hold its start-up
// values, which the screen puts in its boxes when it loads.
#include <string>

namespace 縦断bus {

// The plan page's boxes 縮尺, 文字サイズ, 文字位置, 径.
struct PlanSettings {
    double scale = 0, textSize = 0, labelOffset = 0, circleSize = 0;
};

// The cross-section page's boxes.
struct SectionSettings {
    double tiers = 0;                                   // 段数: cells per column
    double sheetHeight = 0;                             // 用紙高 [m]
    double cellHalfWidth = 0, cellHalfHeight = 0;       // 測点X, 測点Y [m]
    double plannedHalfWidth = 0, plannedHalfHeight = 0; // 計画幅, 計画高 [m]
};

// The plan page's regular stations: 基準チェックボタン and the text of 測点間隔.
struct StationListSettings {
    bool regularStations = false;
    std::string interval;
};

inline constexpr PlanSettings kPlanStart{500, 2, 20, 0.2};
inline constexpr SectionSettings kSectionStart{.tiers = 3,
                                               .sheetHeight = 56,
                                               .cellHalfWidth = 45,
                                               .cellHalfHeight = 15,
                                               .plannedHalfWidth = 10,
                                               .plannedHalfHeight = 10};

inline PlanSettings planSettings = kPlanStart;
inline SectionSettings sectionSettings = kSectionStart;
inline StationListSettings stationListSettings;

} // namespace 縦断bus
