#pragma once
// The host process's PATH: the CAD's shared folder ("Autodesk Shared" under the common files
// folder) and the host's own folder go first, so that the CAD's libraries are found.
#include <string>

namespace pellix {

// Sets PATH to shared folder; host folder; the old PATH without either of them (or, with no
// PATH, the System and Windows folders). Whether the variable was set.
bool SetupSharedPath(const std::string& hostFolder);
// The ";" list without the entries naming `folder` (by long or short name, ignoring case and
// a trailing backslash); quoted entries stay quoted.
std::string RemovePathEntry(const std::string& list, const std::string& folder);
// "...\Common Files\Autodesk Shared\".
std::string GetSharedFolder();

} // namespace pellix
