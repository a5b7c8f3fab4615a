#pragma once
// One screen's picks in the CAD through its controls: one control armed at a time, the run of
// picks in that control's idle event, and the ways the screen is left meanwhile. Leaving the
// screen (its close box, its return or finish button) puts an armed control back to rest or
// cancels the point the CAD waits for; unloading the screen during a pick keeps it until the
// pick's handler has put the CAD and the control back to rest, so no handler runs on a screen or
// a control that is gone.
//
// A screen's idle handler runs:  if (session.Running()) return;  the points of
// session.Pick(control, n), if any, taken;  if (!session.End(control)) return;  (the screen
// is gone).
#include "vantor/pellix/pellix.h"
#include "vantor/pellix/point_pick.h"

namespace forms {
class Form;
}

namespace 縦断bus {

class PickSession {
public:
    explicit PickSession(forms::Form& screen) : screen_(screen) {}
    PickSession(const PickSession&) = delete;
    PickSession& operator=(const PickSession&) = delete;

    // Sets `control` to raise its idle event for a pick; a control armed before is put back to
    // rest. Refused (false) while a pick runs: the CAD already asks for a point.
    bool Arm(Pellix& control);
    bool Armed() const { return armed_ != nullptr; }
    bool ArmedFor(const Pellix& control) const { return armed_ == &control; }
    // The CAD is being asked for points in a control's idle event.
    bool Running() const { return running_; }
    // The screen was left during the running pick: its handler tells and shows nothing.
    bool Left() const { return leaving_ || putAway_; }

    // In `control`'s idle event: points until the user cancels, `capacity` points are taken or
    // the screen is left; none when `control` is not the armed one.
    PickOutcome Pick(Pellix& control, int capacity);
    // At the end of `control`'s idle event, armed or not: the CAD cancelled and the control put
    // back to rest; after a pick the screen is shown again unless it was left meanwhile. False
    // when the screen was unloaded during the pick: it goes now, and the handler does no more.
    bool End(Pellix& control);

    // The screen is put away: an armed control is put back to rest (the CAD was asked nothing),
    // a running pick is cancelled and ends in its handler, the points taken so far kept.
    void Leave();
    // The screen's answer to Unload: true when it may go now; during a pick the screen is hidden,
    // the pick cancelled, and End unloads it once the pick has ended.
    bool ReadyToUnload();
    // The controls were replaced: nothing is armed.
    void Forget();

private:
    forms::Form& screen_;
    Pellix* armed_ = nullptr;
    bool running_ = false;
    bool leaving_ = false; // unloaded while picking: goes once the pick has ended
    bool putAway_ = false; // hidden while picking: the pick ends without showing the screen
};

} // namespace 縦断bus
