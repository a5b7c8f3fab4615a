// The host program's own windows: the top-level windows of its process a user can work in,
// walked one by one or the first one brought to the front; and the control's own window.
#include "pellixlib/AcadCtrl_Control.h"
#include "pellixlib/AcadCtrl_WindowOps.h"

#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadFunc_Windows.h"
#include "platform/desktop/process.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr std::int32_t kControlVersion = 181;

// Visible, of the host's process, of a named class other than the container's parking window,
// and either shown modally over its disabled owner or an enabled window without owner.
bool IsHostWindow(desk::HWND wnd) {
    desk::DWORD processId = 0;
    desk::GetWindowThreadProcessId(wnd, &processId);
    if (!desk::IsWindowVisible(wnd) || processId != desk::GetCurrentProcessId()) return false;
    const std::string className = GetWndClassName(wnd);
    if (className.empty() || SameTextIgnoringCase(className, "DAXParkingWindow")) return false;
    const desk::HWND owner = desk::GetWindow(wnd, desk::GW_OWNER);
    return owner ? desk::IsWindow(owner) && !desk::IsWindowEnabled(owner) : desk::IsWindowEnabled(wnd);
}

// The host windows in the desktop's order, top first; only the first when `firstOnly`.
std::vector<desk::HWND> HostWindows(bool firstOnly) {
    std::vector<desk::HWND> found;
    desk::EnumWindows(
        [&](desk::HWND wnd, desk::LPARAM) {
            if (IsHostWindow(wnd)) found.push_back(wnd);
            return !(firstOnly && !found.empty());
        },
        0);
    return found;
}

} // namespace

std::int32_t TAcadControl::ControlWnd() { return LongOf(FUtilWindow); }

void TAcadControl::ResetOwnerWnd() { FOwnerList = HostWindows(false); }

std::int32_t TAcadControl::NextOwnerWnd(std::string& OwnerCaption, std::string& OwnerClass) {
    OwnerCaption.clear();
    OwnerClass.clear();
    if (FOwnerList.empty()) return 0;
    const desk::HWND wnd = FOwnerList.front();
    FOwnerList.erase(FOwnerList.begin());
    OwnerCaption = WndText(wnd);
    OwnerClass = GetWndClassName(wnd);
    return LongOf(wnd);
}

std::int32_t TAcadControl::GetOwnerWnd() {
    const std::vector<desk::HWND> first = HostWindows(true);
    return first.empty() ? 0 : LongOf(first.front());
}

std::int32_t TAcadControl::ActiveOwnerWnd() {
    const std::int32_t owner = GetOwnerWnd();
    if (desk::IsWindow(WndOf(owner))) ActiveWindow(owner);
    return owner;
}

std::int32_t TAcadControl::AcadCtrVer() { return kControlVersion; }

} // namespace pellix
