#include "vantor/pellix/point_pick.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/doevents.h"
#include "platform/runtime/number_text.h"

namespace 縦断bus {

void ArmPick(Pellix& control) {
    control.SetEnabled(true);
    control.SetVisible(true);
    control.SetCmdIdle(true);
    control.SetInterval(200);
    control.SetAcadLocked(false);
}

PickOutcome PickPoints(Pellix& control, int capacity, const std::function<bool()>& stop) {
    PickOutcome outcome;
    while (static_cast<int>(outcome.points.size()) < capacity) {
        rt::DoEvents();
        if (stop && stop()) return outcome;
        double x = 0, y = 0, z = 0;
        if (!control.GetPoint(false, x, y, z)) return outcome;
        // The coordinates as their 15-digit texts, then single precision.
        outcome.points.push_back({rt::CSng(rt::CStr(x)), rt::CSng(rt::CStr(y))});
    }
    outcome.full = true;
    return outcome;
}

void DisarmPick(Pellix& control) {
    control.Command(std::string(2, '\x03'));
    control.SetEnabled(false);
    control.SetVisible(false);
    control.SetCmdIdle(false);
    control.SetAcadLocked(false);
}

} // namespace 縦断bus
