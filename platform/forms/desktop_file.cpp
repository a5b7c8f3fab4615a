#include "platform/forms/desktop_file.h"

#include "platform/desktop/files.h"

namespace forms {

std::string DesktopFileName(const std::string& chosenPath) { return desk::FromNativePath(chosenPath); }

} // namespace forms
