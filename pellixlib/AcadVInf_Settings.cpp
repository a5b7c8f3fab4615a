#include "pellixlib/AcadVInf_Settings.h"

#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadFunc_Registry.h"
#include "pellixlib/AcadFunc_Text.h"
#include "pellixlib/AcadVInf_Install.h"
#include "platform/desktop/profile.h"
#include "platform/runtime/number_text.h"

#include <vector>

namespace pellix {

namespace {

const desk::HKEY kUser = desk::HKEY_CURRENT_USER;
constexpr TAcadIndex kLt95 = 1, kR13 = 7;

std::string Release(TAcadIndex index) {
    static const char* const releases[kAcadIndexCount] = {"",   "", "R4.0",  "R5.0",  "R2000", "R7",
                                                          "R8", "", "R14.0", "R15.0", "R15.0", "R15.0"};
    return index < kAcadIndexCount ? releases[index] : "";
}

std::string Join(const std::string& key, const std::string& path) { return path.empty() ? key : key + "\\" + path; }

std::string ProfilesKey(TAcadIndex index) {
    const std::string curVer = GetInstCurVerKey(index);
    return curVer.empty() ? std::string() : curVer + "\\Profiles";
}

std::string IniRead(const std::string& file, const std::string& section, const std::string& name) {
    if (file.empty() || !FileExistsEx(file)) return {};
    std::vector<char> buffer(4096);
    for (;;) {
        const desk::DWORD n = desk::GetPrivateProfileString(section.c_str(), name.c_str(), "", buffer.data(),
                                                            static_cast<desk::DWORD>(buffer.size()), file.c_str());
        if (n + 2 < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

bool IniWrite(const std::string& file, const std::string& section, const std::string& name, const std::string& value) {
    return !file.empty() && desk::WritePrivateProfileString(section.c_str(), name.c_str(), value.c_str(), file.c_str());
}

// The profile key + "\Drawing Window" where MDI products keep SDIMode.
std::string DrawingWindowKey(TAcadIndex index) {
    const std::string profile = GetInstProfileKey(index);
    return profile.empty() ? std::string() : profile + "\\Drawing Window";
}

} // namespace

std::string GetInstCurVerKey(TAcadIndex index) {
    if (!IsInstInstalled(index)) return {};
    if (index == kLt95 || index == kR13) {
        const std::string drive = UpperAscii(GetInstExeFile(index).substr(0, 2));
        return "SOFTWARE\\Autodesk\\" + drive + "\\Autodesk\\" +
               (index == kLt95 ? "AutoCAD LT95\\ACLT.INI" : "AutoCAD R13\\win\\acad.ini");
    }
    const std::string key =
        std::string(index <= 6 ? "SOFTWARE\\Autodesk\\AutoCAD LT\\" : "SOFTWARE\\Autodesk\\AutoCAD\\") + Release(index);
    std::string curVer;
    if (!RegReadString(desk::HKEY_LOCAL_MACHINE, key, "CurVer", curVer) || TrimQuotes(curVer).empty()) return {};
    return key + "\\" + TrimQuotes(curVer);
}

std::string GetInstProfileKey(TAcadIndex index) {
    if (GetInstCurVerKey(index).empty()) return {};
    if (!IsRegistryInst(index)) return ChangeFileExt(GetInstExeFile(index), ".ini");
    std::string current;
    if (!RegReadString(kUser, ProfilesKey(index), "", current) || current.empty()) return {};
    return ProfilesKey(index) + "\\" + current;
}

std::string GetInstProfiles(TAcadIndex index) {
    if (!IsRegistryInst(index)) return {};
    const std::string profiles = ProfilesKey(index);
    if (profiles.empty()) return {};
    std::string joined, name;
    for (desk::DWORD i = 0; RegEnumKeyName(kUser, profiles, i, name); ++i) joined += (i ? ";" : "") + name;
    return joined;
}

bool SetInstProfile(TAcadIndex index, const std::string& profile) {
    if (!IsRegistryInst(index) || profile.empty()) return false;
    const std::string profiles = ProfilesKey(index);
    return !profiles.empty() && RegKeyExists(kUser, profiles + "\\" + profile) &&
           RegWriteString(kUser, profiles, "", profile, true);
}

bool CopyInstProfile(TAcadIndex index, const std::string& source, const std::string& dest) {
    // The same profile under another case is the same key: replacing it would delete it.
    if (!IsRegistryInst(index) || source.empty() || dest.empty() || SameTextIgnoringCase(source, dest)) return false;
    const std::string profiles = ProfilesKey(index);
    if (profiles.empty() || !RegKeyExists(kUser, profiles + "\\" + source)) return false;
    return RegReplaceKey(kUser, profiles + "\\" + source, kUser, profiles + "\\" + dest, true);
}

bool GetInstSDIMode(TAcadIndex index) {
    if (!IsMDIInst(index)) return true;
    const std::string key = DrawingWindowKey(index);
    desk::DWORD value = 0;
    if (key.empty() || !RegReadInteger(kUser, key, "SDIMode", value)) return false;
    if (!IsInstRunning(index)) RegWriteInteger(kUser, GetLibraryKey(index), "SDIMode", value, true);
    return value == 1;
}

bool SetInstSDIMode(TAcadIndex index, bool on) {
    if (!IsMDIInst(index)) return true;
    const std::string key = DrawingWindowKey(index);
    if (key.empty()) return false;
    return on ? RegWriteInteger(kUser, key, "SDIMode", 1, true) : RegDeleteValueName(kUser, key, "SDIMode", true);
}

bool RestoreInstSDIMode(TAcadIndex index) {
    if (!IsMDIInst(index)) return true;
    desk::DWORD saved = 0;
    if (!RegReadInteger(kUser, GetLibraryKey(index), "SDIMode", saved)) return false;
    SetInstSDIMode(index, saved != 0);
    return saved != 0;
}

std::string GetInstCurVerRegStr(TAcadIndex index, const std::string& path, const std::string& name) {
    const std::string key = GetInstCurVerKey(index);
    std::string value;
    if (!key.empty()) RegReadString(kUser, Join(key, path), name, value);
    return value;
}

desk::DWORD GetInstCurVerRegInt(TAcadIndex index, const std::string& path, const std::string& name) {
    const std::string key = GetInstCurVerKey(index);
    desk::DWORD value = 0;
    if (!key.empty()) RegReadInteger(kUser, Join(key, path), name, value);
    return value;
}

bool SetInstCurVerRegStr(TAcadIndex index, const std::string& path, const std::string& name, const std::string& value,
                         bool refresh) {
    const std::string key = GetInstCurVerKey(index);
    return !key.empty() && RegWriteString(kUser, Join(key, path), name, value, refresh);
}

bool SetInstCurVerRegInt(TAcadIndex index, const std::string& path, const std::string& name, desk::DWORD value,
                         bool refresh) {
    const std::string key = GetInstCurVerKey(index);
    return !key.empty() && RegWriteInteger(kUser, Join(key, path), name, value, refresh);
}

std::string GetInstProfileStr(TAcadIndex index, const std::string& path, const std::string& name) {
    const std::string key = GetInstProfileKey(index);
    if (key.empty()) return {};
    if (!IsRegistryInst(index)) return IniRead(key, path, name);
    std::string value;
    RegReadString(kUser, Join(key, path), name, value);
    return value;
}

desk::DWORD GetInstProfileInt(TAcadIndex index, const std::string& path, const std::string& name) {
    const std::string key = GetInstProfileKey(index);
    if (key.empty()) return 0;
    if (!IsRegistryInst(index)) {
        return FileExistsEx(key) ? desk::GetPrivateProfileInt(path.c_str(), name.c_str(), 0, key.c_str()) : 0;
    }
    desk::DWORD value = 0;
    RegReadInteger(kUser, Join(key, path), name, value);
    return value;
}

bool SetInstProfileStr(TAcadIndex index, const std::string& path, const std::string& name, const std::string& value,
                       bool refresh) {
    const std::string key = GetInstProfileKey(index);
    if (key.empty()) return false;
    if (!IsRegistryInst(index)) return IniWrite(key, path, name, value);
    return RegWriteString(kUser, Join(key, path), name, value, refresh);
}

bool SetInstProfileInt(TAcadIndex index, const std::string& path, const std::string& name, desk::DWORD value,
                       bool refresh) {
    const std::string key = GetInstProfileKey(index);
    if (key.empty()) return false;
    if (!IsRegistryInst(index)) return IniWrite(key, path, name, rt::CStr(static_cast<long long>(value)));
    return RegWriteInteger(kUser, Join(key, path), name, value, refresh);
}

std::string GetLibraryKey(TAcadIndex index) {
    const std::string name = GetInstName(index);
    return name.empty() ? std::string() : "Software\\Korvel\\PLOTWISE\\" + name;
}

} // namespace pellix
