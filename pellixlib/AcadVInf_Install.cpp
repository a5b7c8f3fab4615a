#include "pellixlib/AcadVInf_Install.h"

#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Registry.h"
#include "pellixlib/AcadFunc_Text.h"
#include "platform/desktop/clock.h"
#include "platform/desktop/files.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr desk::DWORD kLaunchFlags =
    desk::CREATE_DEFAULT_ERROR_MODE | desk::CREATE_NEW_PROCESS_GROUP | desk::NORMAL_PRIORITY_CLASS;
constexpr std::string_view kLtRoot = "SOFTWARE\\Autodesk\\AutoCAD LT\\";
constexpr std::string_view kAcadRoot = "SOFTWARE\\Autodesk\\AutoCAD\\";

// Days from 1899-12-30 to the given civil date.
double DaysOf(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int sinceEpoch = era * 146097 + doe - 719468; // days since 1970-01-01
    return sinceEpoch + 25569.0;
}

std::string Cleaned(const std::string& path) { return path.empty() ? path : ExpandLongPathName(TrimQuotes(path)); }

std::string ClassesRootCommand(const std::string& key) {
    std::string value;
    return RegReadString(desk::HKEY_CLASSES_ROOT, key, "", value) ? Cleaned(value) : std::string();
}

// <root><release>: CurVer names a subkey whose `locationValue` holds the folder.
std::string LocationExe(std::string_view root, const std::string& release, const char* locationValue,
                        const char* exeName) {
    const std::string key = std::string(root) + release;
    std::string curVer, folder;
    if (!RegReadString(desk::HKEY_LOCAL_MACHINE, key, "CurVer", curVer) ||
        !RegReadString(desk::HKEY_LOCAL_MACHINE, key + "\\" + TrimQuotes(curVer), locationValue, folder))
        return {};
    folder = TrimQuotes(folder);
    if (folder.empty()) return {};
    return Cleaned(AddBackslash(folder) + exeName);
}

std::string LookUpExe(TAcadIndex index) {
    switch (index) {
    case 1: return GetAclt95ExePath();
    case 2: return GetAcltLocationExe("R4.0");
    case 3: return GetAcltLocationExe("R5.0");
    case 4: return GetAcltExePath("R2000");
    case 5: return GetAcltExePath("R7");
    case 6: return GetAcltExePath("R8");
    case 7: return GetAcad13ExePath();
    case 8: return GetAcadExePath("R14.0");
    case 9:
    case 10:
    case 11: {
        // One R15.0 installation: it belongs to the index whose version it carries.
        const std::string exe = GetAcadExePath("R15.0");
        std::string version;
        if (!exe.empty() && GetExeVersionString(exe, false, version) && version != GetInstProductVersion(index))
            return {};
        return exe;
    }
    default: return {};
    }
}

// Whether the lock file is held open by another program.
bool LockFileHeld(const std::string& lock) {
    desk::SetFileAttributes(lock.c_str(), desk::FILE_ATTRIBUTE_ARCHIVE);
    const desk::HANDLE h = desk::CreateFile(lock.c_str(), desk::GENERIC_READ | desk::GENERIC_WRITE, 0, nullptr,
                                            desk::OPEN_EXISTING, 0, nullptr);
    if (h == desk::INVALID_HANDLE_VALUE) return true;
    desk::CloseHandle(h);
    return false;
}

} // namespace

std::array<TAcadInstParams, kAcadIndexCount>& AcadInstParams() {
    static std::array<TAcadInstParams, kAcadIndexCount> params;
    return params;
}

void ResetAcadInstParams() {
    const double now = NowDateTime();
    for (TAcadInstParams& p : AcadInstParams()) p = TAcadInstParams{{}, false, 0, now};
}

double NowDateTime() {
    desk::SYSTEMTIME t;
    desk::GetLocalTime(&t);
    return DaysOf(t.wYear, t.wMonth, t.wDay) +
           (t.wHour * 3600000.0 + t.wMinute * 60000.0 + t.wSecond * 1000.0 + t.wMilliseconds) / 86400000.0;
}

std::string GetAclt95ExePath() { return ClassesRootCommand("AutoCAD-LT\\shell\\open\\command"); }

std::string GetAcad13ExePath() { return ClassesRootCommand("AutoCAD-r13\\shell\\open\\command"); }

std::string GetAcltLocationExe(const std::string& release) {
    return LocationExe(kLtRoot, release, "AcltLocation", "ACLT.EXE");
}

std::string GetAcltExePath(const std::string& release) { return LocationExe(kLtRoot, release, "Location", "ACLT.EXE"); }

std::string GetAcadExePath(const std::string& release) {
    return LocationExe(kAcadRoot, release, "AcadLocation", "ACAD.EXE");
}

std::string GetInstExeFile(TAcadIndex index) {
    if (index == 0 || index >= kAcadIndexCount) return {};
    TAcadInstParams& p = AcadInstParams()[index];
    if (p.ExeFile.empty()) p.ExeFile = LookUpExe(index);
    return p.ExeFile;
}

std::string GetInstExeVersion(TAcadIndex index) {
    const std::string exe = GetInstExeFile(index);
    std::string version;
    if (exe.empty() || !GetExeVersionString(exe, true, version)) {
        if (index < kAcadIndexCount) AcadInstParams()[index].ExeFile.clear();
        return {};
    }
    return version;
}

bool IsInstInstalled(TAcadIndex index) {
    if (index == 0 || index >= kAcadIndexCount) return false;
    TAcadInstParams& p = AcadInstParams()[index];
    if (!p.Installed) p.Installed = !GetInstExeVersion(index).empty();
    return p.Installed;
}

bool IsInstRunning(TAcadIndex index) {
    if (index == 0 || index >= kAcadIndexCount) return false;
    const std::string exe = GetInstExeFile(index);
    if (exe.empty() || !FileExistsEx(exe)) return false;
    const std::string lock = ChangeFileExt(exe, ".xmx");
    if (!FileExistsEx(lock)) return false;
    TAcadInstParams& p = AcadInstParams()[index];
    if (p.RunState == 2 && NowDateTime() > p.GraceTime) p.RunState = 0;
    if (p.RunState > 0) return true;
    return LockFileHeld(lock);
}

bool CanInstRun(TAcadIndex index) {
    if (!IsInstInstalled(index)) return false;
    const auto othersRunning = [index](TAcadIndex first, TAcadIndex last) {
        for (TAcadIndex i = first; i <= last; ++i)
            if (i != index && IsInstRunning(i)) return true;
        return false;
    };
    if (index == 2 || index == 3) return !othersRunning(2, 3);
    if (index >= 4 && index <= 6) return !othersRunning(4, 6);
    if (index >= 9 && index <= 11) return !othersRunning(9, 11);
    return true;
}

void SetInstRunState(TAcadIndex index, bool launching) {
    if (index >= kAcadIndexCount) return;
    TAcadInstParams& p = AcadInstParams()[index];
    if (launching) {
        p.RunState = 1;
    } else {
        p.RunState = 2;
        p.GraceTime = NowDateTime() + kLaunchGraceDays;
    }
}

bool LaunchInst(TAcadIndex index, const std::string& arguments, const std::string& folder, TShowState showState,
                desk::PROCESS_INFORMATION& process) {
    process = {};
    const std::string exe = GetInstExeFile(index);
    if (exe.empty()) return false;
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    const std::string directory = folder.empty() ? ExtractFileDir(exe) : folder;
    desk::STARTUPINFO startup;
    desk::GetStartupInfo(&startup);
    startup.wShowWindow = showState == ssMINIMIZE   ? desk::SW_SHOWMINNOACTIVE
                          : showState == ssMAXIMIZE ? desk::SW_SHOWMAXIMIZED
                                                    : desk::SW_SHOWDEFAULT;
    return desk::CreateProcess(nullptr, commandLine.c_str(), nullptr, nullptr, false, kLaunchFlags, nullptr,
                               directory.empty() ? nullptr : directory.c_str(), &startup, &process);
}

void EndInstLaunch(TAcadIndex index, desk::PROCESS_INFORMATION& process) {
    SetInstRunState(index, false);
    if (process.hThread) desk::CloseHandle(process.hThread);
    if (process.hProcess) desk::CloseHandle(process.hProcess);
    process.hThread = process.hProcess = nullptr;
}

} // namespace pellix
