#pragma once
// The CAD control as the program's screens hold it (Pellix1, Pellix2): the members of its
// dispatch interface that the program calls, typed, and the events it handles. A failing call
// raises the runtime's error with the control's number and description.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace forms {
class Form;
}

namespace 縦断bus {

class Pellix {
public:
    virtual ~Pellix() = default;

    virtual bool IsInstall() = 0;
    virtual std::string GetAutoCADName() = 0;
    virtual int GetACADNameType(const std::string& AcadName) = 0;
    virtual int GetExecutMax() = 0;
    virtual bool IsSDIMode() = 0;
    virtual bool SetSDIMode(bool SDIMode) = 0;
    virtual bool Shell() = 0;
    virtual bool Close(const std::string& SaveFile) = 0;
    virtual bool IsExecut() = 0;
    virtual bool IsCmdWait() = 0;
    // Types `CmdStr` into the CAD's command line (character 3 cancels); false when nothing was typed.
    virtual bool Command(const std::string& CmdStr) = 0;
    virtual bool AcReSize(int ALeft, int ATop, int AWidth, int AHeight) = 0;
    // One point picked by the user, in drawing units; false when the user cancelled or no CAD
    // is attached. Waits for the user while the host's messages keep running.
    virtual bool GetPoint(bool Correct, double& X, double& Y, double& Z) = 0;
    // Ends the running GetPoint, which then answers false.
    virtual void InterCancel() = 0;

    virtual int Interval() = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual bool AcadLocked() = 0;
    virtual void SetAcadLocked(bool locked) = 0;
    virtual int AcadType() = 0;
    virtual void SetAcadType(int type) = 0;
    virtual bool CmdIdle() = 0;
    virtual void SetCmdIdle(bool cmdIdle) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;

    // Raised on the screen's thread, in the order the control raised them.
    std::function<void()> OnAcadLoaded;
    std::function<void()> OnAcadClose;
    // The CAD has stood idle at its command prompt.
    std::function<void()> OnAcadCmdWait;
    // A dialog of the CAD is open; setting DialogClose closes it.
    std::function<void(std::int32_t DialoghWnd, const std::string& DialogCaption, const std::string& ControlText,
                       bool& DialogClose)>
        OnAcadDialog;
    // The user switched to another CAD instance; setting ReLoad attaches to it.
    std::function<void(std::int32_t LosthWnd, std::int32_t ActivehWnd, bool& ReLoad)> OnActiveChange;
};

// Places the CAD control named `name` on `screen` at (`left`, `top`) twips with the program's
// saved design state (28 x 28 pixels, AutoCAD LT 2002, visible). When the control cannot be
// created the user is told and the screen gets a control attached to nothing.
std::unique_ptr<Pellix> PlacePellix(forms::Form& screen, const std::string& name, int left, int top);

} // namespace 縦断bus
