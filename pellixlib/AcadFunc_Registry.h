#pragma once
// Registry routines of the library: reads and writes of one value, key enumeration, deletion
// of a whole key tree and copying a key tree. Key paths are relative to a root key.
#include "platform/desktop/registry.h"

#include <string>

namespace pellix {

// A value read whole; false (and empty or 0) when the key or value is missing.
bool RegReadString(desk::HKEY root, const std::string& key, const std::string& name, std::string& value);
bool RegReadInteger(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD& value);
// Creates the key as needed; with flush the root key is flushed.
bool RegWriteString(desk::HKEY root, const std::string& key, const std::string& name, const std::string& value,
                    bool flush);
bool RegWriteInteger(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD value, bool flush);
bool RegKeyExists(desk::HKEY root, const std::string& key);
// The n-th (from 0) subkey or value name; false past the end.
bool RegEnumKeyName(desk::HKEY root, const std::string& key, desk::DWORD index, std::string& name);
bool RegEnumValueName(desk::HKEY root, const std::string& key, desk::DWORD index, std::string& name);
// Deletes the key with all its values and subkeys at every depth; whether the key is gone.
bool RegDeleteKeyTree(desk::HKEY root, const std::string& key, bool flush);
bool RegDeleteValueName(desk::HKEY root, const std::string& key, const std::string& name, bool flush);
// Creates the destination and copies every value (whole, type kept) and every subkey of the
// source into it; true when the source opened and no value write failed.
bool RegCopyKey(desk::HKEY sourceRoot, const std::string& source, desk::HKEY destRoot, const std::string& dest);
// Replaces the destination tree by a copy of the source. False, touching nothing, when the
// source is missing or when one of the two keys is the other or lies inside it.
bool RegReplaceKey(desk::HKEY sourceRoot, const std::string& source, desk::HKEY destRoot, const std::string& dest,
                   bool flush);

} // namespace pellix
