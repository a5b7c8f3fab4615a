#pragma once
// Where a product keeps its settings (its CurVer key under HKEY_CURRENT_USER, or the INI file of
// the two oldest products), its profiles and SDIMode setting, and the library's own key
// Software\Korvel\PLOTWISE\<product name>.
#include "pellixlib/AcadVInf_Products.h"
#include "platform/desktop/types.h"

#include <string>

namespace pellix {

// Empty unless the product is installed.
std::string GetInstCurVerKey(TAcadIndex index);
// The current profile's key (registry products) or the INI file (LT95, R13).
std::string GetInstProfileKey(TAcadIndex index);
// The profile names joined by ";".
std::string GetInstProfiles(TAcadIndex index);
bool SetInstProfile(TAcadIndex index, const std::string& profile);
// Replaces the destination profile by a copy of the source; refused, touching nothing, when the
// two names are the same profile.
bool CopyInstProfile(TAcadIndex index, const std::string& source, const std::string& dest);

// SDIMode of the current profile (true for products without one); while the product is not
// running the value is also kept in the library's key, for RestoreInstSDIMode.
bool GetInstSDIMode(TAcadIndex index);
bool SetInstSDIMode(TAcadIndex index, bool on);
bool RestoreInstSDIMode(TAcadIndex index);

std::string GetInstCurVerRegStr(TAcadIndex index, const std::string& path, const std::string& name);
desk::DWORD GetInstCurVerRegInt(TAcadIndex index, const std::string& path, const std::string& name);
bool SetInstCurVerRegStr(TAcadIndex index, const std::string& path, const std::string& name, const std::string& value,
                         bool refresh);
bool SetInstCurVerRegInt(TAcadIndex index, const std::string& path, const std::string& name, desk::DWORD value,
                         bool refresh);
std::string GetInstProfileStr(TAcadIndex index, const std::string& path, const std::string& name);
desk::DWORD GetInstProfileInt(TAcadIndex index, const std::string& path, const std::string& name);
bool SetInstProfileStr(TAcadIndex index, const std::string& path, const std::string& name, const std::string& value,
                       bool refresh);
bool SetInstProfileInt(TAcadIndex index, const std::string& path, const std::string& name, desk::DWORD value,
                       bool refresh);

// "Software\Korvel\PLOTWISE\<product name>"; empty for a product without a name.
std::string GetLibraryKey(TAcadIndex index);

} // namespace pellix
