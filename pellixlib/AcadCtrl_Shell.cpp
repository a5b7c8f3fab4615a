// Starting a new CAD of the kind AcadType and attaching to it, and forgetting the attached one.
#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadUnit_Wait.h"

namespace pellix {

bool TAcadControl::Shell() {
    if (FDestroying) return false;
    CallScope scope(*this);
    // A launch of its own: the attached instance stays as it is when the launch fails.
    TAcadObject launched;
    bool started = false;
    {
        BusyScope busy(FInShell);
        IdlePump();
        const TShowState show = FShellState == ssMINIMIZE || FShellState == ssMAXIMIZE ? FShellState : ssNORMAL;
        started = launched.Launch(AcadTypeToIndex(FAcadType), FShellCmdLine, "", show);
        IdlePump();
    }
    if (started) AcadLoad(launched.MainWnd());
    return started && !FDestroying;
}

void TAcadControl::Clear() {
    if (!FDestroying) FAcadObject->Clear();
}

} // namespace pellix
