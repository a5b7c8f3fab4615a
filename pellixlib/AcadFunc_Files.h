#pragma once
// File, folder, version and environment routines of the library (paths in code page 932).
#include <cstdint>
#include <string>
#include <string_view>

namespace pellix {

std::string AddBackslash(std::string_view path);
// Drops a trailing backslash unless it follows a drive colon; "C:" becomes "C:\".
std::string RemoveBackslash(std::string_view path);

// The path with its extension (after the last "." of the last name) replaced or added.
std::string ChangeFileExt(std::string_view path, std::string_view extension);
// The folder of a path, without a trailing backslash except after a drive ("C:\").
std::string ExtractFileDir(std::string_view path);

// Non-empty, with a folder, a valid name and an existing file (not a folder).
bool FileExistsEx(const std::string& path);
// Every component replaced by its long name from the root down; unknown ones stay as written.
std::string ExpandLongPathName(const std::string& path);
// "15.05" from the product version 15.0.5.x of the file's version information, with
// withBuild "15.05.x"; false when the file has none.
bool GetExeVersionString(const std::string& path, bool withBuild, std::string& version);

// True when the file is gone afterwards (or was never there); false for a folder.
bool ForceDeleteFile(const std::string& path);
// The folders with a trailing backslash; empty on failure.
std::string GetWindowsDir();
std::string GetSystemDir();
std::string GetTempDir();
// Replaces the file's content with the text, every line break written as CR LF.
bool SaveTextFile(const std::string& path, std::string_view text);
// Bytes, or -1 when the file is missing or cannot be opened.
std::int64_t GetFileSizeByName(const std::string& path);
// The variable's value; empty when unset.
std::string GetEnvVar(const std::string& name);

} // namespace pellix
