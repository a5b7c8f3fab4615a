#pragma once
// A CAD control attached to nothing: it keeps its properties, finds no CAD, starts none, picks
// and types nothing and raises no event.
#include "vantor/pellix/pellix.h"

namespace 縦断bus {

class DetachedPellix : public Pellix {
public:
    bool IsInstall() override { return false; }
    std::string GetAutoCADName() override { return {}; }
    int GetACADNameType(const std::string&) override { return 0; }
    int GetExecutMax() override { return 0; }
    bool IsSDIMode() override { return false; }
    bool SetSDIMode(bool) override { return false; }
    bool Shell() override { return false; }
    bool Close(const std::string&) override { return false; }
    bool IsExecut() override { return false; }
    bool IsCmdWait() override { return false; }
    bool Command(const std::string&) override { return false; }
    bool AcReSize(int, int, int, int) override { return false; }
    bool GetPoint(bool, double&, double&, double&) override { return false; }
    void InterCancel() override {}

    int Interval() override { return interval_; }
    void SetInterval(int milliseconds) override { interval_ = milliseconds; }
    bool AcadLocked() override { return acadLocked_; }
    void SetAcadLocked(bool locked) override { acadLocked_ = locked; }
    int AcadType() override { return acadType_; }
    void SetAcadType(int type) override { acadType_ = type; }
    bool CmdIdle() override { return cmdIdle_; }
    void SetCmdIdle(bool cmdIdle) override { cmdIdle_ = cmdIdle; }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Visible() override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }

private:
    int interval_ = 500;
    bool acadLocked_ = true;
    int acadType_ = 6; // AutoCAD LT 2002
    bool cmdIdle_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace 縦断bus
