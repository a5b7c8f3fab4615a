#pragma once
// Private profile (INI) files: "[section]" lines and "key=value" lines, sections and keys
// compared ignoring case. A file name without a folder is taken from the Windows folder.
#include "platform/desktop/types.h"

namespace desk {

// Copies the value (blanks around it and one pair of enclosing quotes removed), or the default
// when the file, section or key is missing; the result is the number of bytes copied.
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, DWORD size,
                              const char* fileName);
// The value's leading decimal digits (with a sign), or the default when the key is missing.
UINT GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName);
// Writes the value, creating the file and the section as needed; a null key removes the
// section, a null value the key.
bool WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName);

} // namespace desk
