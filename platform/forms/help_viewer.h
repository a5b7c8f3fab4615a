#pragma once
// The program's help viewer: one window that shows an HTML help document with its links,
// opened by the common dialog's ShowHelp.
#include <string>

namespace forms {

// Shows the document at `path` in the help viewer, brought to the front; false when the file
// cannot be read.
bool ShowHelpDocument(const std::string& path);
// The title of the document the viewer shows, empty while it shows none (for tests).
std::string HelpViewerTitle();
// The viewer's text without markup, empty while it shows none (for tests).
std::string HelpViewerText();

} // namespace forms
