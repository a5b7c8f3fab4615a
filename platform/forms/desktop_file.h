#pragma once
// Files chosen in the program's file dialogs as the programs of the desktop (the CAD) name
// them: a drive letter and backslashes.
#include <string>

namespace forms {

std::string DesktopFileName(const std::string& chosenPath);

} // namespace forms
