#pragma once
// File version resources. A file carries its version information inside itself, as the
// platform's executables do: a block that starts with the signature 0xFEEF04BD followed by the
// fixed version fields. WriteVersionResource puts such a block at the end of a file (an
// installer writing an executable), ReadVersionResource reads it back.
#include "platform/desktop/types.h"

#include <optional>

namespace desk {

struct VS_FIXEDFILEINFO {
    DWORD dwSignature = 0xFEEF04BD;
    DWORD dwStrucVersion = 0x00010000;
    DWORD dwFileVersionMS = 0;
    DWORD dwFileVersionLS = 0;
    DWORD dwProductVersionMS = 0;
    DWORD dwProductVersionLS = 0;
    DWORD dwFileFlagsMask = 0x3F;
    DWORD dwFileFlags = 0;
    DWORD dwFileOS = 0x00040004;
    DWORD dwFileType = 1;
    DWORD dwFileSubtype = 0;
    DWORD dwFileDateMS = 0;
    DWORD dwFileDateLS = 0;
};

// Replaces the file's version block (or appends one); false when the file cannot be written.
bool WriteVersionResource(const char* path, const VS_FIXEDFILEINFO& info);

// The file's fixed version fields; none (ERROR_RESOURCE_DATA_NOT_FOUND) for a file that cannot
// be read or has no version information.
std::optional<VS_FIXEDFILEINFO> ReadVersionResource(const char* path);

} // namespace desk
