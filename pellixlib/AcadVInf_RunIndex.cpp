#include "pellixlib/AcadVInf_RunIndex.h"

#include "pellixlib/AcadVInf_Install.h"
#include "pellixlib/AcadVInf_Windows.h"
#include "platform/desktop/input.h"
#include "platform/desktop/window.h"

#include <memory>

namespace pellix {

namespace {

std::unique_ptr<TAcadRunIndex>& RunIndex() {
    static std::unique_ptr<TAcadRunIndex> index;
    return index;
}

int& UnitReferences() {
    static int count = 0;
    return count;
}

} // namespace

int TAcadRunIndex::Refresh() {
    FLastWnd = FActiveWnd;
    const desk::HWND foreground = desk::GetForegroundWindow();
    const desk::DWORD foregroundThread = foreground ? desk::GetWindowThreadProcessId(foreground, nullptr) : 0;
    Clear();
    desk::HWND found = nullptr;
    desk::EnumWindows(
        [&](desk::HWND wnd, desk::LPARAM) {
            if (!IsAcadMainWnd(wnd)) return true;
            AddWnd(wnd);
            if (foregroundThread != 0 && desk::GetWindowThreadProcessId(wnd, nullptr) == foregroundThread) found = wnd;
            return true;
        },
        0);
    if (!found && desk::IsWindow(FActiveWnd)) return Count();
    FActiveWnd = found;
    if (!desk::IsWindow(FLastWnd)) FLastWnd = nullptr;
    if (FActiveWnd) FLastWnd = FActiveWnd;
    else if (!FLastWnd && Count() > 0) FLastWnd = GetWnd(0);
    return Count();
}

TAcadRunIndex* AcadRunIndex() { return RunIndex().get(); }

void InitAcadVInf() {
    if (UnitReferences()++ > 0) return;
    ResetAcadInstParams();
    for (TAcadIndex i = 0; i < kAcadIndexCount; ++i) IsInstInstalled(i);
    RunIndex() = std::make_unique<TAcadRunIndex>();
    RunIndex()->Refresh();
}

void DoneAcadVInf() {
    if (UnitReferences() == 0 || --UnitReferences() > 0) return;
    RunIndex().reset();
    ResetAcadInstParams();
}

} // namespace pellix
