// The CADs running on the desktop: how many, the one the user worked in last, and a snapshot of
// their main windows walked one by one.
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_WindowOps.h"

#include "pellixlib/AcadUnit.h"
#include "pellixlib/AcadVInf_RunIndex.h"

namespace pellix {

std::int32_t TAcadControl::GetExecutMax() {
    int count = 0;
    CheckActiveChange(count);
    return count;
}

std::int32_t TAcadControl::GetLastFocus() {
    int count = 0;
    return LongOf(CheckActiveChange(count));
}

TAcadType TAcadControl::GetLastFocusType() {
    if (FDestroying) return atNOACAD;
    TAcadObject probe;
    return probe.LoadFromWindow(FLastFocus) ? IndexToAcadType(probe.AcadIndex()) : atNOACAD;
}

std::string TAcadControl::GetLastFocusCaption() { return FDestroying ? std::string() : WndText(FLastFocus); }

std::int32_t TAcadControl::FirstFindTextWnd() {
    if (FDestroying || !AcadRunIndex()) return 0;
    AcadRunIndex()->Refresh();
    if (!FFindList) FFindList = std::make_unique<TWindowList>();
    FFindList->Assign(AcadRunIndex());
    FFindIndex = 0;
    return LongOf(FFindList->GetWnd(0));
}

std::int32_t TAcadControl::NextFindTextWnd() {
    if (!FFindList || FFindIndex < 0) return 0;
    if (FFindIndex < FFindList->Count() - 1) return LongOf(FFindList->GetWnd(++FFindIndex));
    FFindList.reset();
    FFindIndex = -1;
    return 0;
}

} // namespace pellix
