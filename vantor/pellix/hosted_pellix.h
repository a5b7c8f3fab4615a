#pragma once
// The CAD control of the control library placed on a screen: every member is a late-bound call
// by dispatch id with variants, and the control's events arrive through the screen's sink.
#include "platform/com/com.h"
#include "vantor/pellix/pellix.h"

#include <memory>
#include <vector>

namespace forms {
class ControlSite;
}

namespace 縦断bus {

class HostedPellix final : public Pellix {
public:
    // Creates the control on `screen` at (`left`, `top`) twips with the program's saved design
    // state. Raises rt::Error when it cannot be created.
    HostedPellix(forms::Form& screen, int left, int top);
    ~HostedPellix() override;

    bool IsInstall() override;
    std::string GetAutoCADName() override;
    int GetACADNameType(const std::string& AcadName) override;
    int GetExecutMax() override;
    bool IsSDIMode() override;
    bool SetSDIMode(bool SDIMode) override;
    bool Shell() override;
    bool Close(const std::string& SaveFile) override;
    bool IsExecut() override;
    bool IsCmdWait() override;
    bool Command(const std::string& CmdStr) override;
    bool AcReSize(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool GetPoint(bool Correct, double& X, double& Y, double& Z) override;
    void InterCancel() override;

    int Interval() override;
    void SetInterval(int milliseconds) override;
    bool AcadLocked() override;
    void SetAcadLocked(bool locked) override;
    int AcadType() override;
    void SetAcadType(int type) override;
    bool CmdIdle() override;
    void SetCmdIdle(bool cmdIdle) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    bool Visible() override;
    void SetVisible(bool visible) override;

private:
    class Events;
    // Calls member `id`; a failure raises rt::Error with the control's result and description.
    com::Variant Call(com::DISPID id, com::WORD flags, std::vector<com::Variant> args = {});
    com::Variant Get(com::DISPID id) { return Call(id, com::DISPATCH_PROPERTYGET); }
    void Put(com::DISPID id, com::Variant value);

    com::ComPtr<Events> events_;
    std::unique_ptr<forms::ControlSite> site_;
};

// The program's saved design state of a control placed at (`left`, `top`) twips: 28 x 28
// pixels, help by keyword, AutoCAD LT 2002, visible.
std::vector<com::BYTE> PellixDesignState(int left, int top);

} // namespace 縦断bus
