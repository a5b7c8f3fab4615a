#pragma once
// Where each product is installed, whether it counts as installed and as running, and how it is
// started. The twelve installation records are shared by the whole process.
#include "pellixlib/AcadVInf_Products.h"
#include "platform/desktop/process.h"

#include <array>
#include <string>

namespace pellix {

struct TAcadInstParams {
    std::string ExeFile; // found path; empty until found
    bool Installed = false;
    int RunState = 0;     // 0 nothing known, 1 being launched by this process, 2 launch ended recently
    double GraceTime = 0; // date-time in days: while RunState is 2 and now is not past it, running
};
std::array<TAcadInstParams, kAcadIndexCount>& AcadInstParams();
// Puts every record back to its start (no path, not installed, run state 0, grace time now).
void ResetAcadInstParams();

// The desktop's local date and time in days since 1899-12-30.
double NowDateTime();
// The grace period after a launch ends: 0.0001 day, 8.64 seconds.
inline constexpr double kLaunchGraceDays = 0.0001;

// Executable lookups per source; the release names the subkey ("R8", "R15.0").
std::string GetAclt95ExePath();
std::string GetAcad13ExePath();
std::string GetAcltLocationExe(const std::string& release);
std::string GetAcltExePath(const std::string& release);
std::string GetAcadExePath(const std::string& release);

std::string GetInstExeFile(TAcadIndex index);
// The executable's version string with build; clears the cached path when there is none.
std::string GetInstExeVersion(TAcadIndex index);
bool IsInstInstalled(TAcadIndex index);
// Running: launched by this process within the grace period, or its lock file held open.
bool IsInstRunning(TAcadIndex index);
// Installed, and no other product of the same family running.
bool CanInstRun(TAcadIndex index);
void SetInstRunState(TAcadIndex index, bool launching);

// Starts the executable in `folder` (its own folder when empty) with the host's environment.
bool LaunchInst(TAcadIndex index, const std::string& arguments, const std::string& folder, TShowState showState,
                desk::PROCESS_INFORMATION& process);
// Ends a launch: the product counts as running for the grace period, and the process and
// thread handles of the launch are closed.
void EndInstLaunch(TAcadIndex index, desk::PROCESS_INFORMATION& process);

} // namespace pellix
