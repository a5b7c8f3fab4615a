// Starting a product and attaching to it once its windows are there.
#include "pellixlib/AcadUnit_Object.h"
#include "pellixlib/AcadUnit_Wait.h"
#include "pellixlib/AcadVInf_Install.h"
#include "platform/desktop/clock.h"

namespace pellix {

namespace {

constexpr desk::DWORD kLaunchStepMs = 300;
// A product whose windows have not appeared after two minutes is given up.
constexpr desk::DWORD kLaunchGiveUpMs = 120000;

} // namespace

bool TAcadObject::Launch(TAcadIndex index, const std::string& arguments, const std::string& folder,
                         TShowState showState) {
    TWaitScope wait;
    SetInstRunState(index, true);
    desk::PROCESS_INFORMATION process;
    bool attached = false;
    if (LaunchInst(index, arguments, folder, showState, process)) {
        // Only a quit met during this launch ends it; one met before is kept for the host.
        const bool quitBefore = QuitMessageMet();
        SetQuitMessageMet(false);
        const desk::DWORD start = desk::GetTickCount();
        for (;;) {
            // Anything but a timeout means the process has ended (or cannot be waited for):
            // its windows will never come.
            if (desk::WaitForSingleObject(process.hProcess, kLaunchStepMs) != desk::WAIT_TIMEOUT) break;
            IdlePump();
            if (LoadFromThread(process.dwThreadId)) {
                WaitIdle();
                attached = true;
                break;
            }
            IdlePump();
            if (QuitMessageMet() || desk::GetTickCount() - start >= kLaunchGiveUpMs) break;
        }
        SetQuitMessageMet(QuitMessageMet() || quitBefore);
    }
    EndInstLaunch(index, process);
    return attached;
}

} // namespace pellix
