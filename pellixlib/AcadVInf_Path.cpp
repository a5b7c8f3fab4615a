#include "pellixlib/AcadVInf_Path.h"

#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Registry.h"
#include "pellixlib/AcadFunc_Text.h"
#include "platform/desktop/files.h"
#include "platform/desktop/process.h"

namespace pellix {

namespace {

std::string ShortPathOf(const std::string& folder) {
    char buffer[desk::MAX_PATH] = {};
    const desk::DWORD n = desk::GetShortPathName(folder.c_str(), buffer, desk::MAX_PATH);
    return n > 0 && n < desk::MAX_PATH ? std::string(buffer, n) : std::string();
}

std::string CommonFilesFolder() {
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    std::string folder;
    if (RegReadString(desk::HKEY_LOCAL_MACHINE, key, "CommonFilesDir", folder)) return folder;
    if (RegReadString(desk::HKEY_LOCAL_MACHINE, key, "ProgramFilesDir", folder))
        return AddBackslash(folder) + "Common Files";
    return GetWindowsDir().substr(0, 3) + "Program Files\\Common Files";
}

} // namespace

std::string GetSharedFolder() { return AddBackslash(CommonFilesFolder()) + "Autodesk Shared"; }

std::string RemovePathEntry(const std::string& list, const std::string& folder) {
    const std::string target = RemoveBackslash(folder);
    const std::string shortTarget = RemoveBackslash(ShortPathOf(folder));
    const auto names = [&](const std::string& entry) {
        const std::string e = RemoveBackslash(entry);
        return SameTextIgnoringCase(e, target) || (!shortTarget.empty() && SameTextIgnoringCase(e, shortTarget));
    };
    const auto quoted = [](const std::string& entry, bool q) { return q ? "\"" + entry + "\"" : entry; };
    std::string result, entry;
    bool inQuotes = false, wasQuoted = false;
    for (std::size_t i = 0; i < list.size();) {
        const int n = CharByteLen(list, i);
        if (n == 1 && list[i] == '"') {
            inQuotes = !inQuotes;
            wasQuoted = true;
        } else if (n == 1 && list[i] == ';' && !inQuotes) {
            const std::string trimmed = TrimBlanks(entry);
            if (!names(trimmed)) result += quoted(trimmed, wasQuoted) + ";";
            entry.clear();
            wasQuoted = false;
        } else {
            entry += list.substr(i, static_cast<std::size_t>(n));
        }
        i += static_cast<std::size_t>(n);
    }
    if (!names(TrimBlanks(entry))) result += quoted(entry, wasQuoted);
    return result;
}

bool SetupSharedPath(const std::string& hostFolder) {
    const std::string shared = GetSharedFolder();
    std::string path = shared;
    if (!hostFolder.empty()) path += ";" + hostFolder;
    const std::string old = GetEnvVar("PATH");
    if (!old.empty()) {
        // The host folder is dropped from the old PATH too, so that it stands there once
        // however many controls set the PATH up.
        std::string rest = RemovePathEntry(old, shared);
        if (!hostFolder.empty()) rest = RemovePathEntry(rest, hostFolder);
        if (!rest.empty()) path += ";" + rest;
    } else {
        path += ";" + GetSystemDir() + ";" + GetWindowsDir();
    }
    return desk::SetEnvironmentVariable("PATH", path.c_str());
}

} // namespace pellix
