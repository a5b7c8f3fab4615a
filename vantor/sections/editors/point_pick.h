#pragma once
// The point pick of the section editors through their CAD control: arming, the pick run in the
// control's idle event, and the closing that cancels the CAD and disarms the control.
#include "vantor/pellix/pellix.h"

#include <vector>

namespace 縦断bus {

inline constexpr int kPickBuffer = 20;     // points one pick keeps: the points of one side
inline constexpr int kPickAttempts = 50;

struct PickedPoint {
    float x = 0, y = 0;   // drawing units [mm]
};

struct PickOutcome {
    std::vector<PickedPoint> points;
    bool full = false;   // stopped because the buffer was full, not by the user's cancel
};

// Sets the control to raise its idle event for the pick; sends nothing to the CAD.
void ArmPick(Pellix& control);
// Asks for points until the user cancels, the attempts run out or the buffer is full. The
// interface handles what is waiting before each point.
PickOutcome PickPoints(Pellix& control);
// Cancels whatever the CAD runs (two Ctrl+C) and puts the control back to rest.
void DisarmPick(Pellix& control);

} // namespace 縦断bus
