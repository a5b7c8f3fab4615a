#include "platform/com/registry_access.h"

#include <vector>

namespace com::detail {

using namespace desk;

std::optional<std::string> ReadClassesString(const std::string& key, const char* name) {
    HKEY h;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::string> value;
    if (RegQueryValueEx(h, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<char> data(size + 1);
        if (RegQueryValueEx(h, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS)
            value = std::string(data.data());
    }
    RegCloseKey(h);
    return value;
}

bool CreateClassesKey(const std::string& key) {
    HKEY h;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                       nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

bool WriteClassesString(const std::string& key, const char* name, const std::string& value) {
    HKEY h;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                       nullptr) != ERROR_SUCCESS)
        return false;
    const LONG e = RegSetValueEx(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
    RegCloseKey(h);
    return e == ERROR_SUCCESS;
}

bool DeleteClassesTree(const std::string& key) {
    HKEY h;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return true;
    std::vector<std::string> children;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyEx(h, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(name, size);
    }
    RegCloseKey(h);
    bool ok = true;
    for (const auto& child : children) ok = DeleteClassesTree(key + "\\" + child) && ok;
    return RegDeleteKey(HKEY_CLASSES_ROOT, key.c_str()) == ERROR_SUCCESS && ok;
}

bool FlushClasses() { return RegFlushKey(HKEY_CLASSES_ROOT) == ERROR_SUCCESS; }

} // namespace com::detail
