#pragma once
// What the section point editors use of their CAD control: the container's Enabled and
// Visible, the properties CmdIdle, Interval and AcadLocked, the point pick GetPoint, typing
// through Command, and the event OnAcadCmdWait, raised by the control's watch when the CAD
// has stood idle at its command prompt.
#include <functional>
#include <string>

namespace 縦断bus {

class PickControl {
public:
    virtual ~PickControl() = default;

    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetCmdIdle(bool cmdIdle) = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual void SetAcadLocked(bool locked) = 0;
    // One point picked by the user, in drawing units; false when the user cancelled or no CAD
    // is attached. Waits for the user while the host's messages keep running.
    virtual bool GetPoint(bool correct, double& x, double& y, double& z) = 0;
    // Types `text` into the CAD's command line (character 3 cancels); false when nothing was typed.
    virtual bool Command(const std::string& text) = 0;

    std::function<void()> OnAcadCmdWait;
};

// A control attached to no CAD: it keeps its settings, picks nothing, types nothing and raises
// no event.
class DetachedPickControl : public PickControl {
public:
    void SetEnabled(bool) override {}
    void SetVisible(bool) override {}
    void SetCmdIdle(bool) override {}
    void SetInterval(int) override {}
    void SetAcadLocked(bool) override {}
    bool GetPoint(bool, double&, double&, double&) override { return false; }
    bool Command(const std::string&) override { return false; }
};

} // namespace 縦断bus
