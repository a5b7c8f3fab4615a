#pragma once
// Picking points in the CAD through a screen's control: arming it so that it raises its idle
// event, the run of picks in that event, and the closing that cancels the CAD and puts the
// control back to rest.
#include "vantor/pellix/pellix.h"

#include <functional>
#include <vector>

namespace 縦断bus {

struct PickedPoint {
    float x = 0, y = 0; // drawing units [mm]
};

struct PickOutcome {
    std::vector<PickedPoint> points;
    bool full = false; // stopped because `capacity` points were taken, not by the user's cancel
};

// Sets the control to raise its idle event for the pick; sends nothing to the CAD.
void ArmPick(Pellix& control);
// Asks for points until the user cancels or `capacity` points are taken. Waiting window events
// run before each point; when `stop` then holds (the screen is leaving) no further point is asked.
PickOutcome PickPoints(Pellix& control, int capacity, const std::function<bool()>& stop = {});
// Cancels whatever the CAD runs (two Ctrl+C) and puts the control back to rest.
void DisarmPick(Pellix& control);

} // namespace 縦断bus
