// The operations that wait for the user in the CAD: a point pick, a selection written as DXF, an
// attribute extraction, a command the user works, and a script run. The waiting ones share one
// frame: this call's wait callback on the CAD's main window and the drawing lock.
#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadCtrl_WaitCallbacks.h"
#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadUnit.h"

namespace pellix {

namespace {

// The handle as eight upper-case hexadecimal digits.
std::string HexHandle(desk::HWND wnd) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto v = static_cast<std::uint32_t>(desk::HandleToLong(wnd));
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, v >>= 4) text[static_cast<std::size_t>(i)] = kDigits[v & 0xF];
    return text;
}

// An empty file property becomes, for good, "RIR" + the main window's handle + the extension in
// the temporary folder, and any old file of that name is deleted.
const std::string& CompleteFileName(std::string& property, desk::HWND main, const std::string& extension) {
    if (property.empty()) {
        property = GetTempDir() + "RIR" + HexHandle(main) + extension;
        ForceDeleteFile(property);
    }
    return property;
}

std::string AttExtension(TAttOutType type) {
    switch (type) {
    case atDXXOUT: return ".dxx";
    case atSDFOUT: return ".sdf";
    default: return ".cdf";
    }
}

// Removes the callbacks one call registered, however the call ends.
class TCallbackRegistration {
public:
    explicit TCallbackRegistration(const void* key) : key_(key) {}
    ~TCallbackRegistration() { RemoveOwnerWaitCallbacks(key_); }
    TCallbackRegistration(const TCallbackRegistration&) = delete;
    TCallbackRegistration& operator=(const TCallbackRegistration&) = delete;

private:
    const void* key_;
};

} // namespace

bool TAcadControl::RunInteractive(const std::function<bool()>& operation) {
    CheckChildChange();
    FChildChanged = false;
    // Keyed by this call, not by the window: a nested call that the engine refuses removes its
    // own entry only, and the running call still ends on InterCancel.
    const char callKey = 0;
    TCallbackRegistration registration(&callKey);
    AddWaitCallback(
        FAcadObject->MainWnd(), [this](desk::HWND wnd, bool& keepWaiting) { InterWaitProc(wnd, keepWaiting); },
        &callKey);
    FAcadObject->SetMDILock(FMDILock);
    return operation();
}

bool TAcadControl::GetPoint(bool Correct, double& X, double& Y, double& Z) {
    if (FDestroying) return false;
    CallScope scope(*this);
    return RunInteractive([&] { return FAcadObject->GetPoint(FSelAddCmd, Correct, X, Y, Z); });
}

bool TAcadControl::SelectDxf(bool SingleSelect) {
    if (FDestroying) return false;
    CallScope scope(*this);
    const std::string file = CompleteFileName(FDxfFile, FAcadObject->MainWnd(), ".dxf");
    return RunInteractive(
        [&] { return FAcadObject->SelectDxf(FSelAddCmd, FDxfVersion, file, SingleSelect, FDxfBinary); });
}

bool TAcadControl::SelectAtt(bool SingleSelect) {
    if (FDestroying) return false;
    CallScope scope(*this);
    const std::string file = CompleteFileName(FAttOutFile, FAcadObject->MainWnd(), AttExtension(FAttOutType));
    return RunInteractive([&] { return FAcadObject->SelectAtt(FAttOutType, FAttTempFile, file, SingleSelect); });
}

bool TAcadControl::UserWait(std::int32_t CallID, const std::string& WaitCommand) {
    if (FDestroying) return false;
    CallScope scope(*this);
    return RunInteractive([&] {
        return FAcadObject->UserWait(
            CallID, WaitCommand, FSelAddCmd, [this](int callId) { return DoUserWaitFirst(callId); },
            [this](int callId, const std::string& cmdStr) { return DoUserWaitNext(callId, cmdStr); });
    });
}

bool TAcadControl::RunScript(const std::string& Script, bool Int) {
    if (FDestroying) return false;
    CallScope scope(*this);
    const std::string file = CompleteFileName(FScriptFile, FAcadObject->MainWnd(), ".scr");
    CheckChildChange();
    return FAcadObject->RunScript(file, Script, Int);
}

void TAcadControl::InterCancel() { FChildChanged = true; }

} // namespace pellix
