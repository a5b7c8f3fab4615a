#pragma once
// Which stations' cross-sections can be assembled from their blocks, and the one message
// that lists those that cannot. A section is skipped rather than drawn wrong: a block name
// the CAD cannot take, widths or slopes that are missing (99999, as the station list leaves
// them for the stations it adds), a missing planned or ground height, or a planned section that would leave the window the
// drawing moves it with and so spoil the next station.
#include "vantor/model/drawing_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace 縦断bus {

enum class SectionFault { None, NoBlockName, NoWidths, NoHeight, LeavesMoveWindow };

// Whether `name` can stand for a block in the CAD: set (not empty, not "未設定"), typable as
// one answer and without the characters a block name may not hold.
bool IsUsableBlockName(std::string_view name);
// Whether a standard width or slope text of yokosakuzudata is a number that was given.
bool IsGivenNumberText(std::string_view text);

// What keeps station row k's planned and existing-ground blocks from being drawn at the
// station's widths and slopes: names, widths and slopes, heights, in that order.
SectionFault FindBlockFault(int k);
// The same, and whether the planned section stays inside the window that moves it.
SectionFault FindSectionFault(int k, const SectionSettings& settings);
// What the fault means, in one sentence.
std::string_view SectionFaultText(SectionFault fault);

struct SkippedSection {
    int row;
    SectionFault fault;
};
// One text for all skipped stations, grouped by fault; stations named by their station text.
std::string SkippedSectionsMessage(const std::vector<SkippedSection>& skipped);

} // namespace 縦断bus
