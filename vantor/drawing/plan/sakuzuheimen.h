#pragma once
// The plan drawing: the sizes from the drawing screen's settings, then the parts chosen on the plan
// options screen, in the order centre line (tangent polygon, circles at every BC, EC, curve
// centre and station, and each curve as an arc), station labels, road edges. Every line goes
// over the CAD command channel; a caller runs it inside cad_channel::RunDrawing.
#include "vantor/model/drawing_settings.h"

#include <string>

namespace 縦断bus {

struct PlanOptions {
    bool centre = false; // センター
    bool edges = false;  // 幅員
    bool labels = false; // 測点文字
};

// Why these settings cannot be drawn with, or empty: the scale, text size and circle size must
// be greater than 0 and the text height (scale × text size, rounded) within 1..32767.
std::string PlanSettingsFault(const PlanSettings& settings);

// Takes the sizes mojidaka, enkei and mojiichi and draws the chosen parts. False, with nothing
// sent and the sizes kept, after telling the user why the settings or the alignment (more
// IPs than the tables hold) cannot be drawn.
bool DrawPlan(const PlanSettings& settings, const PlanOptions& options);

// The plan drawing as the plan options screen starts it: the given settings and the check
// boxes of 作図選択画面.
bool sakuzuheimen(const PlanSettings& settings);

} // namespace 縦断bus
