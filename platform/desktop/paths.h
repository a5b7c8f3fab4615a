#pragma once
// Path rules of the virtual drives: parsing a path against a current folder, finding the Linux
// file behind each name (ignoring case, by long or 8.3 short name), and short names themselves.
// No code outside this folder includes it.
#include "platform/desktop/types.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace desk::detail {

namespace fs = std::filesystem;

// A parsed absolute path: drive letter (upper case) and names in UTF-8, "." and ".." resolved.
struct VirtualPath {
    char drive = 'C';
    std::vector<std::string> names;
};

std::string ToUtf8(const std::string& cp932);
// Characters without a code page 932 form become "_".
std::string ToCp932(const std::string& utf8);

// Parses `path` (code page 932); relative paths are taken against `currentDirectory`. Nothing
// for an empty path, a network path or an unreadable one.
std::optional<VirtualPath> ParseVirtualPath(const std::string& path, const std::string& currentDirectory);
// "C:\A\B" in code page 932 ("C:\" for the root).
std::string FormatVirtualPath(const VirtualPath& path);
// The Linux path behind the parsed path; `longForm` receives the names as the files have them.
// Nothing when the drive is not mapped.
std::optional<fs::path> NativeOf(const VirtualPath& path, VirtualPath* longForm = nullptr);
// The caller's current folder, and a path parsed and resolved against it.
std::string CallerCurrentDirectory();
std::optional<fs::path> Resolve(const char* path, VirtualPath* longForm = nullptr);

// The 8.3 name of an entry of `folder` (upper case, code page 932); the name itself when it is
// a valid short name already.
std::string ShortNameOf(const fs::path& folder, const std::string& utf8Name);
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// Points the desktop at a new root folder and maps C: into it (with its standard folders) and
// Z: to "/".
void UseDesktopRoot(const fs::path& root);

} // namespace desk::detail
