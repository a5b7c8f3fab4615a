// Typing into the attached CAD: commands (at once or queued), single keys, menu items, mouse
// clicks on its windows, and its system variables.
#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadUnit_Wait.h"

namespace pellix {

bool TAcadControl::Command(const std::string& CmdStr) {
    if (FDestroying || CmdStr.empty() || FAcadObject->IsAsyncBuffer()) return false;
    CallScope scope(*this);
    BusyScope busy(FInCommand);
    CheckChildChange();
    // With CmdIdle on the text goes line by line, each line up to its carriage return: a text
    // without one types nothing and is false.
    const bool sent = FAcadObject->SendCommand(CmdStr);
    MarkCommandLineChanged();
    return sent;
}

bool TAcadControl::AsyncCommand(const std::string& CmdStr, std::int32_t SendNo) {
    if (FDestroying || CmdStr.empty()) return false;
    CallScope scope(*this);
    CheckChildChange();
    const bool queued = FAcadObject->AsyncCommand(
        SendNo, CmdStr,
        [this](TAcadCmdThread* worker, int sendNo, desk::HWND target, bool isWindow) {
            DoAsyncSending(worker, sendNo, target, isWindow);
        },
        [this](TAcadCmdThread* worker, int sendNo, desk::HWND target, bool resulted) {
            DoAsyncSended(worker, sendNo, target, resulted);
        });
    IdlePump();
    return queued;
}

void TAcadControl::AsyncCancel() {
    if (!FDestroying) FAcadObject->AsyncCancel();
}

bool TAcadControl::IsAsyncBuffer() { return !FDestroying && FAcadObject->IsAsyncBuffer(); }

bool TAcadControl::SendCtrlKey(const std::string& CharKey) {
    if (FDestroying || CharKey.empty()) return false;
    CallScope scope(*this);
    CheckChildChange();
    return FAcadObject->SendChar(CharKey.front());
}

bool TAcadControl::ClickMenu(const std::string& MenuItem) {
    if (FDestroying) return false;
    CallScope scope(*this);
    return FAcadObject->ClickMenu(MenuItem);
}

bool TAcadControl::MouseClick(const std::string& Caption, const std::string& ClassName, bool TopMove, bool DoubleClick,
                              bool RightClick) {
    if (FDestroying) return false;
    CallScope scope(*this);
    TAcadObject& engine = *FAcadObject;
    IdlePump();
    const bool active = engine.Activate();
    IdlePump();
    if (!active || FDestroying) return false;
    const desk::HWND dialog = engine.GetDialog();
    const desk::HWND target = dialog ? dialog : engine.MainWnd();
    IdlePump();
    const bool clicked = MouseClickWindow(target, Caption, ClassName, TopMove, DoubleClick, RightClick);
    IdlePump();
    return clicked;
}

bool TAcadControl::GetVar(const std::string& VarName, std::string& param2) {
    param2.clear();
    if (FDestroying) return false;
    CallScope scope(*this);
    CheckChildChange();
    // The value read stays only with success: a variable whose prompt could not be left is no answer.
    if (FAcadObject->GetVar(VarName, param2)) return true;
    param2.clear();
    return false;
}

bool TAcadControl::GetVarNew(const std::string& VarName, const std::string& NewValue, std::string& param3) {
    param3.clear();
    if (FDestroying) return false;
    CallScope scope(*this);
    CheckChildChange();
    return FAcadObject->GetVarNew(VarName, NewValue, param3);
}

} // namespace pellix
