#include "vantor/pellix/pick_session.h"

#include "platform/forms/form.h"

#include <utility>

namespace 縦断bus {

namespace {

// An armed control whose pick has not begun: the CAD was asked nothing, so nothing is cancelled
// there (a command the user runs in the CAD goes on).
void PutToRest(Pellix& control) {
    control.SetEnabled(false);
    control.SetVisible(false);
    control.SetCmdIdle(false);
    control.SetAcadLocked(false);
}

} // namespace

bool PickSession::Arm(Pellix& control) {
    if (running_) return false;
    if (armed_ && armed_ != &control) PutToRest(*armed_);
    armed_ = &control;
    ArmPick(control);
    return true;
}

PickOutcome PickSession::Pick(Pellix& control, int capacity) {
    if (running_ || armed_ != &control) return {};
    running_ = true;
    PickOutcome outcome = PickPoints(control, capacity, [this] { return Left(); });
    running_ = false;
    return outcome;
}

bool PickSession::End(Pellix& control) {
    const bool wasArmed = armed_ == &control;
    // A pick ended by leaving the screen leaves the CAD asking for its point: the cancel goes as
    // keys, which the control types only with its line-by-line typing off.
    if (Left()) control.SetCmdIdle(false);
    DisarmPick(control);
    if (wasArmed) armed_ = nullptr;
    const bool putAway = std::exchange(putAway_, false);
    if (std::exchange(leaving_, false)) {
        screen_.Unload();
        return false;
    }
    if (wasArmed && !putAway) screen_.Show();
    return true;
}

void PickSession::Leave() {
    if (running_) {
        putAway_ = true;
        armed_->InterCancel();
        return;
    }
    if (!armed_) return;
    PutToRest(*armed_);
    armed_ = nullptr;
}

bool PickSession::ReadyToUnload() {
    if (!running_) {
        Leave();
        return true;
    }
    leaving_ = true;
    screen_.Hide();
    armed_->InterCancel();
    return false;
}

void PickSession::Forget() {
    armed_ = nullptr;
    running_ = leaving_ = putAway_ = false;
}

} // namespace 縦断bus
