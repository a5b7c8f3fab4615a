#include "cad/app/registry_access.h"

#include "platform/runtime/error.h"

namespace cad::app {

namespace {

struct OpenKey {
    desk::HKEY key = nullptr;
    ~OpenKey() {
        if (key) desk::RegCloseKey(key);
    }
};

void Write(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD type, const desk::BYTE* data,
           desk::DWORD size) {
    OpenKey k;
    if (desk::RegCreateKeyEx(root, key.c_str(), 0, nullptr, desk::REG_OPTION_NON_VOLATILE, desk::KEY_ALL_ACCESS,
                             nullptr, &k.key, nullptr) != desk::ERROR_SUCCESS ||
        desk::RegSetValueEx(k.key, name.c_str(), 0, type, data, size) != desk::ERROR_SUCCESS)
        throw rt::Error(rt::errApplication, "Cannot write the registry key " + key);
    desk::RegFlushKey(root);
}

} // namespace

std::optional<std::string> ReadRegString(desk::HKEY root, const std::string& key, const std::string& name) {
    OpenKey k;
    if (desk::RegOpenKeyEx(root, key.c_str(), 0, desk::KEY_READ, &k.key) != desk::ERROR_SUCCESS) return std::nullopt;
    desk::DWORD type = 0, size = 0;
    if (desk::RegQueryValueEx(k.key, name.c_str(), nullptr, &type, nullptr, &size) != desk::ERROR_SUCCESS ||
        type != desk::REG_SZ)
        return std::nullopt;
    std::string value(size, '\0');
    if (desk::RegQueryValueEx(k.key, name.c_str(), nullptr, &type, reinterpret_cast<desk::BYTE*>(value.data()),
                              &size) != desk::ERROR_SUCCESS)
        return std::nullopt;
    value.resize(std::min<std::size_t>(size, value.size()));
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

std::optional<desk::DWORD> ReadRegDword(desk::HKEY root, const std::string& key, const std::string& name) {
    OpenKey k;
    if (desk::RegOpenKeyEx(root, key.c_str(), 0, desk::KEY_READ, &k.key) != desk::ERROR_SUCCESS) return std::nullopt;
    desk::DWORD type = 0, value = 0, size = sizeof(value);
    if (desk::RegQueryValueEx(k.key, name.c_str(), nullptr, &type, reinterpret_cast<desk::BYTE*>(&value), &size) !=
            desk::ERROR_SUCCESS ||
        type != desk::REG_DWORD)
        return std::nullopt;
    return value;
}

void WriteRegString(desk::HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    Write(root, key, name, desk::REG_SZ, reinterpret_cast<const desk::BYTE*>(value.c_str()),
          static_cast<desk::DWORD>(value.size() + 1));
}

void WriteRegDword(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD value) {
    Write(root, key, name, desk::REG_DWORD, reinterpret_cast<const desk::BYTE*>(&value), sizeof(value));
}

} // namespace cad::app
