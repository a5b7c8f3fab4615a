// Installation queries: each answers for the product kind AcadType, whether or not a CAD runs.
#include "pellixlib/AcadCtrl_Control.h"

#include "pellixlib/AcadFunc_Files.h"
#include "pellixlib/AcadVInf_Install.h"
#include "pellixlib/AcadVInf_Settings.h"

namespace pellix {

namespace {

TAcadIndex Inst(int acadType) { return AcadTypeToIndex(acadType); }

} // namespace

std::string TAcadControl::GetExeFile() { return GetInstExeFile(Inst(FAcadType)); }

std::string TAcadControl::GetExePath() {
    const std::string exe = GetInstExeFile(Inst(FAcadType));
    return exe.empty() ? std::string() : AddBackslash(ExtractFileDir(exe));
}

bool TAcadControl::IsInstall() { return IsInstInstalled(Inst(FAcadType)); }
bool TAcadControl::IsCanExec() { return CanInstRun(Inst(FAcadType)); }
bool TAcadControl::IsExecuting() { return IsInstRunning(Inst(FAcadType)); }
std::string TAcadControl::GetExeVersion() { return GetInstExeVersion(Inst(FAcadType)); }
std::string TAcadControl::GetAutoCADName() { return GetInstName(Inst(FAcadType)); }
TAcadType TAcadControl::GetACADNameType(const std::string& AcadName) {
    return IndexToAcadType(GetInstNameType(AcadName));
}
TAcadType TAcadControl::GetFirstAcadType() { return atACLT95; }
TAcadType TAcadControl::GetLastAcadType() { return atACAD2002; }
bool TAcadControl::IsRegular() { return IsFullAcad(Inst(FAcadType)); }
bool TAcadControl::IsRegistry() { return IsRegistryInst(Inst(FAcadType)); }
bool TAcadControl::IsMDIWindowModel() { return IsMDIInst(Inst(FAcadType)); }
TDxfVersion TAcadControl::GetDxfVersion() { return ToDxfVersion(GetInstDxfVersion(Inst(FAcadType))); }
std::string TAcadControl::GetProductVersion() { return GetInstProductVersion(Inst(FAcadType)); }
std::string TAcadControl::GetRegLocalMachine() { return GetInstRegLocalMachine(Inst(FAcadType)); }
std::string TAcadControl::GetRegClassesRoot() { return GetInstRegClassesRoot(Inst(FAcadType)); }
std::string TAcadControl::GetCurVer() { return GetInstCurVerKey(Inst(FAcadType)); }
std::string TAcadControl::GetCurrentProfile() { return GetInstProfileKey(Inst(FAcadType)); }
std::string TAcadControl::GetEnumProfiles() { return GetInstProfiles(Inst(FAcadType)); }
bool TAcadControl::SetCurrentProfiles(const std::string& Profile) { return SetInstProfile(Inst(FAcadType), Profile); }

bool TAcadControl::CopyProfile(const std::string& SrcProfile, const std::string& DesProfile) {
    return CopyInstProfile(Inst(FAcadType), SrcProfile, DesProfile);
}

std::string TAcadControl::GetCurVerRegStr(const std::string& Path, const std::string& Name) {
    return GetInstCurVerRegStr(Inst(FAcadType), Path, Name);
}

std::uint32_t TAcadControl::GetCurVerRegInt(const std::string& Path, const std::string& Name) {
    return GetInstCurVerRegInt(Inst(FAcadType), Path, Name);
}

bool TAcadControl::SetCurVerRegStr(const std::string& Path, const std::string& Name, const std::string& param3,
                                   bool Refresh) {
    return SetInstCurVerRegStr(Inst(FAcadType), Path, Name, param3, Refresh);
}

bool TAcadControl::SetCurVerRegInt(const std::string& Path, const std::string& Name, std::uint32_t param3,
                                   bool Refresh) {
    return SetInstCurVerRegInt(Inst(FAcadType), Path, Name, param3, Refresh);
}

std::string TAcadControl::GetCurProfileStr(const std::string& Path, const std::string& Name) {
    return GetInstProfileStr(Inst(FAcadType), Path, Name);
}

std::uint32_t TAcadControl::GetCurProfileInt(const std::string& Path, const std::string& Name) {
    return GetInstProfileInt(Inst(FAcadType), Path, Name);
}

bool TAcadControl::SetCurProfileStr(const std::string& Path, const std::string& Name, const std::string& param3,
                                    bool Refresh) {
    return SetInstProfileStr(Inst(FAcadType), Path, Name, param3, Refresh);
}

bool TAcadControl::SetCurProfileInt(const std::string& Path, const std::string& Name, std::uint32_t param3,
                                    bool Refresh) {
    return SetInstProfileInt(Inst(FAcadType), Path, Name, param3, Refresh);
}

bool TAcadControl::IsSDIMode() { return GetInstSDIMode(Inst(FAcadType)); }
bool TAcadControl::SetSDIMode(bool SDIMode) { return SetInstSDIMode(Inst(FAcadType), SDIMode); }
bool TAcadControl::DefaultSDIMode() { return RestoreInstSDIMode(Inst(FAcadType)); }

} // namespace pellix
