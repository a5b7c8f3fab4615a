#pragma once
// The registry: keys under HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT (a view
// of HKEY_LOCAL_MACHINE\SOFTWARE\Classes), with REG_SZ, REG_DWORD and other values. Key and
// value names ignore case and keep the case they were created with. Subkeys enumerate in
// alphabetical order ignoring case, values in the order they were created. Key and value names
// are at most 255 characters long, keys at most 512 levels deep. The registry lives
// in a file under the desktop root: RegFlushKey writes it, and so does the desktop's end.
#include "platform/desktop/types.h"

#include <string>

namespace desk {

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(0x80000000));
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(0x80000001));
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(0x80000002));
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(static_cast<std::intptr_t>(0x80000003));

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;

constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// All return ERROR_SUCCESS or an error code (ERROR_FILE_NOT_FOUND for a missing key or value,
// ERROR_MORE_DATA when a buffer is too small, ERROR_NO_MORE_ITEMS past the end of an
// enumeration, ERROR_ACCESS_DENIED for a write through a key opened for reading or a key that
// still has subkeys, ERROR_KEY_DELETED for a handle whose key was deleted, ERROR_INVALID_PARAMETER
// for a name too long or a key too deep to be made).
LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result);
LONG RegCreateKeyEx(HKEY key, const char* subKey, DWORD reserved, const char* keyClass, DWORD options, DWORD access,
                    const void* securityAttributes, HKEY* result, DWORD* disposition);
LONG RegCloseKey(HKEY key);
// `name` none or "" is the default value. With `data` none only the type and size are told.
// REG_SZ data is stored with its terminating zero; a stored string without one gets one on reading.
LONG RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* dataSize);
LONG RegSetValueEx(HKEY key, const char* name, DWORD reserved, DWORD type, const BYTE* data, DWORD dataSize);
// `nameSize` in: buffer size in bytes; out: bytes copied without the zero.
LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, char* keyClass, DWORD* classSize,
                  void* lastWriteTime);
LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, DWORD* type, BYTE* data,
                  DWORD* dataSize);
// Deletes a key that has no subkeys.
LONG RegDeleteKey(HKEY key, const char* subKey);
LONG RegDeleteValue(HKEY key, const char* name);
LONG RegFlushKey(HKEY key);

// Writes what the registry holds unwritten (nothing when it was never read or nothing changed
// since the last write): for a program that ends without the desktop's end running.
void WriteUnwrittenRegistry();

} // namespace desk
