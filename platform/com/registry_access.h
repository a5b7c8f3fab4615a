#pragma once
// The few registry operations the component layer needs, on HKEY_CLASSES_ROOT of the desktop.
// Texts are code page 932 as the registry holds them. No code outside this folder includes it.
#include "platform/desktop/registry.h"

#include <optional>
#include <string>

namespace com::detail {

// A string value of a key (the default value for an empty name); nothing when key or value is missing.
std::optional<std::string> ReadClassesString(const std::string& key, const char* name = "");
// Creates the key as needed and sets the string value.
bool WriteClassesString(const std::string& key, const char* name, const std::string& value);
// Creates the key as needed (with no value).
bool CreateClassesKey(const std::string& key);
// Removes the key with all its subkeys; true when it is gone (or was never there).
bool DeleteClassesTree(const std::string& key);
// Writes the registry out, so that what was registered outlasts the process.
bool FlushClasses();

} // namespace com::detail
