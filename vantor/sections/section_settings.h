#pragma once
// The drawing screen's cross-section boxes as the section drawings read them: each box is the
// number its text begins with (0 when none), read again at every use.
namespace 縦断bus {

struct SectionSettings {
    double tiers = 0;        // 段数: cells per column
    double sheetHeight = 0;  // 用紙高 [m]
    double cellHalfWidth = 0, cellHalfHeight = 0;  // 測点X, 測点Y [m]
    double plannedHalfWidth = 0, plannedHalfHeight = 0;  // 計画幅, 計画高 [m]
};

SectionSettings ReadSectionSettings();

} // namespace 縦断bus
