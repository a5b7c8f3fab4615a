#pragma once
// Files on virtual drives. Drive C: is a folder under the desktop root; drive Z: is the Linux
// file system's root ("Z:\home\me\a.dxf" is /home/me/a.dxf). Paths follow the platform's rules:
// a drive letter, "\" (or "/") between names, names compared ignoring case, every name also
// reachable by its 8.3 short name ("PROGRA~1"), relative paths against the process's current
// folder. Files are opened with sharing modes, so a file held open without sharing (the lock
// file of a running program) cannot be opened again or deleted.
#include "platform/desktop/types.h"

#include <filesystem>
#include <string>

namespace desk {

constexpr DWORD MAX_PATH = 260;

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD FILE_SHARE_WRITE = 0x00000002;
constexpr DWORD FILE_SHARE_DELETE = 0x00000004;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x00000002;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x00000004;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x00000020;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;

constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

struct WIN32_FIND_DATA {
    DWORD dwFileAttributes = 0;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    char cFileName[MAX_PATH] = {};
    char cAlternateFileName[14] = {};
};

// Failures set the last error (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
// ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED, ERROR_FILE_EXISTS ...).
HANDLE CreateFile(const char* path, DWORD access, DWORD shareMode, const void* securityAttributes,
                  DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
bool ReadFile(HANDLE file, void* buffer, DWORD toRead, DWORD* read, void* overlapped);
bool WriteFile(HANDLE file, const void* buffer, DWORD toWrite, DWORD* written, void* overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD moveMethod);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
bool DeleteFile(const char* path);
bool MoveFile(const char* existing, const char* newName);
bool CopyFile(const char* existing, const char* newName, bool failIfExists);
bool CreateDirectory(const char* path, const void* securityAttributes);
bool RemoveDirectory(const char* path);
// Files are ARCHIVE (plus READONLY when not writable), folders DIRECTORY.
DWORD GetFileAttributes(const char* path);
// READONLY makes the file unwritable; the other attributes are accepted and not kept.
bool SetFileAttributes(const char* path, DWORD attributes);

// The last name may hold the wildcards * and ?, matched against long and short names.
HANDLE FindFirstFile(const char* pattern, WIN32_FIND_DATA* data);
bool FindNextFile(HANDLE find, WIN32_FIND_DATA* data);
bool FindClose(HANDLE find);

// Path conversions: the result is the length copied (without the zero), or the size needed
// (with it) when the buffer is too small, or 0 on failure. The short and long forms need an
// existing path.
DWORD GetShortPathName(const char* longPath, char* buffer, DWORD size);
DWORD GetLongPathName(const char* shortPath, char* buffer, DWORD size);
DWORD GetFullPathName(const char* path, DWORD size, char* buffer, char** filePart);
DWORD GetCurrentDirectory(DWORD size, char* buffer);
bool SetCurrentDirectory(const char* path);

// "C:\WINDOWS", "C:\WINDOWS\SYSTEM32" (no trailing backslash) and the TEMP folder with one.
UINT GetWindowsDirectory(char* buffer, UINT size);
UINT GetSystemDirectory(char* buffer, UINT size);
DWORD GetTempPath(DWORD size, char* buffer);

// Between virtual paths and the Linux files behind them, for code that reads and writes the
// files with ordinary streams. Names that do not exist yet are taken as written.
std::filesystem::path ToNativePath(const std::string& path);
// A native path as seen from the desktop: under a mapped drive's folder on that drive, else on Z:.
std::string FromNativePath(const std::filesystem::path& native);
// Maps a drive letter to a folder (a new drive or another folder for an existing one).
void MapDrive(char letter, const std::filesystem::path& folder);

// The folder that holds the desktop: the registry file and drive C:. $VANTOR_DESKTOP_ROOT when
// set, else $XDG_DATA_HOME/vantor, else ~/.local/share/vantor.
std::filesystem::path DesktopRoot();

} // namespace desk
