#pragma once
// A control of an in-process component library placed on a screen. The site creates the
// control by ProgID or class id through the registry, connects the screen's event sink,
// restores the screen's saved state of the control, and shows the control's face where the
// control says it stands. The control is closed and let go when the site goes with its screen.
#include "platform/com/com.h"
#include "platform/forms/control.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

class ControlSite : public Control {
public:
    // `sink` (none: no events) is connected for the event interface `events` before the saved
    // state `designState` (empty: the control's defaults) is loaded, so the sink hears what the
    // control raises while loading. Placed at (`leftTwips`, `topTwips`) of `parent`. Raises
    // rt::Error carrying the failing result and a description when the control cannot be made,
    // refuses the sink or cannot read the state; nothing of it is left on the screen then.
    ControlSite(Container& parent, const std::string& progIdOrClsid, const com::IID& events, com::IUnknown* sink,
                const std::vector<com::BYTE>& designState, int leftTwips, int topTwips);
    ~ControlSite() override;

    // The control's dispatch interface, for late-bound calls.
    com::IDispatch* Object() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace forms
