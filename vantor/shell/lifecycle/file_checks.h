#pragma once
// What Open and Save check of the chosen path before they touch the document, so that a name
// that cannot work is refused with a message saying why and what to do.
#include <optional>
#include <string>

namespace 縦断bus {

// The save name with ".xls" added when its file name has no extension; a name without a file
// name (ending in "/") or made of the extension alone is left for SaveRefusal to refuse.
std::string WithWorkbookExtension(const std::string& path);
// Why `path` cannot be opened (no such file, a folder), or nothing when it may be tried.
std::optional<std::string> OpenRefusal(const std::string& path);
// Why the document cannot be saved as `path` (no file name, a folder, a write-protected file,
// a name too long), or nothing when it may be tried.
std::optional<std::string> SaveRefusal(const std::string& path);

} // namespace 縦断bus
