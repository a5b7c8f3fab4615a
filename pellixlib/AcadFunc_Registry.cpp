#include "pellixlib/AcadFunc_Registry.h"

#include "pellixlib/AcadFunc_Text.h"
#include "platform/desktop/clock.h"

#include <vector>

namespace pellix {

namespace {

// An open key closed when it goes.
class Key {
public:
    Key() = default;
    ~Key() {
        if (h_) desk::RegCloseKey(h_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool Open(desk::HKEY root, const std::string& path, desk::DWORD access) {
        return desk::RegOpenKeyEx(root, path.c_str(), 0, access, &h_) == desk::ERROR_SUCCESS;
    }
    bool Create(desk::HKEY root, const std::string& path) {
        return desk::RegCreateKeyEx(root, path.c_str(), 0, nullptr, desk::REG_OPTION_NON_VOLATILE, desk::KEY_ALL_ACCESS,
                                    nullptr, &h_, nullptr) == desk::ERROR_SUCCESS;
    }
    desk::HKEY get() const { return h_; }

private:
    desk::HKEY h_ = nullptr;
};

void Flush(desk::HKEY root) {
    desk::RegFlushKey(root);
    desk::Sleep(10);
}

// A value's type and bytes, read whole however long it is.
bool ReadValue(desk::HKEY key, const char* name, desk::DWORD& type, std::vector<desk::BYTE>& data) {
    desk::DWORD size = 0;
    if (desk::RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != desk::ERROR_SUCCESS) return false;
    for (;;) {
        data.assign(size, 0);
        const desk::LONG r = desk::RegQueryValueEx(key, name, nullptr, &type, data.data(), &size);
        if (r == desk::ERROR_SUCCESS) {
            data.resize(size);
            return true;
        }
        if (r != desk::ERROR_MORE_DATA) return false;
    }
}

// The name that `enumerate` gives into a 512-byte buffer of the open key; false when the key
// does not open or the names have ended.
template <class Enumerate>
bool EnumeratedName(desk::HKEY root, const std::string& key, std::string& name, Enumerate enumerate) {
    name.clear();
    Key k;
    if (!k.Open(root, key, desk::KEY_READ)) return false;
    char buffer[512] = {};
    desk::DWORD size = sizeof buffer;
    if (enumerate(k.get(), buffer, &size) != desk::ERROR_SUCCESS) return false;
    name.assign(buffer, size);
    return true;
}

std::string SubkeyPath(const std::string& key, const std::string& name) {
    return key.empty() ? name : key + "\\" + name;
}

std::vector<std::string> SubkeyNames(desk::HKEY root, const std::string& key) {
    std::vector<std::string> names;
    std::string name;
    for (desk::DWORD i = 0; RegEnumKeyName(root, key, i, name); ++i) names.push_back(name);
    return names;
}

bool WriteValue(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD type,
                const desk::BYTE* data, desk::DWORD size, bool flush) {
    Key k;
    if (!k.Create(root, key)) return false;
    const bool ok = desk::RegSetValueEx(k.get(), name.c_str(), 0, type, data, size) == desk::ERROR_SUCCESS;
    if (flush) Flush(root);
    return ok;
}

// Whether `inner` names `outer` itself or a key below it.
bool IsSameOrInside(desk::HKEY innerRoot, const std::string& inner, desk::HKEY outerRoot, const std::string& outer) {
    if (innerRoot != outerRoot) return false;
    const std::string a = UpperAscii(inner), b = UpperAscii(outer);
    return a == b || (a.size() > b.size() && a.compare(0, b.size(), b) == 0 && IsPathDelimiterAt(a, b.size() + 1));
}

} // namespace

bool RegReadString(desk::HKEY root, const std::string& key, const std::string& name, std::string& value) {
    value.clear();
    Key k;
    if (!k.Open(root, key, desk::KEY_READ)) return false;
    desk::DWORD type = 0;
    std::vector<desk::BYTE> data;
    if (!ReadValue(k.get(), name.c_str(), type, data) || (type != desk::REG_SZ && type != desk::REG_EXPAND_SZ))
        return false;
    value.assign(data.begin(), data.end());
    value = value.substr(0, value.find('\0'));
    return true;
}

bool RegReadInteger(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD& value) {
    value = 0;
    Key k;
    if (!k.Open(root, key, desk::KEY_READ)) return false;
    desk::DWORD type = 0, size = sizeof value, read = 0;
    if (desk::RegQueryValueEx(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<desk::BYTE*>(&read), &size) !=
            desk::ERROR_SUCCESS ||
        type != desk::REG_DWORD || size != sizeof read)
        return false;
    value = read;
    return true;
}

bool RegWriteString(desk::HKEY root, const std::string& key, const std::string& name, const std::string& value,
                    bool flush) {
    return WriteValue(root, key, name, desk::REG_SZ, reinterpret_cast<const desk::BYTE*>(value.c_str()),
                      static_cast<desk::DWORD>(value.size() + 1), flush);
}

bool RegWriteInteger(desk::HKEY root, const std::string& key, const std::string& name, desk::DWORD value, bool flush) {
    return WriteValue(root, key, name, desk::REG_DWORD, reinterpret_cast<const desk::BYTE*>(&value), sizeof value,
                      flush);
}

bool RegKeyExists(desk::HKEY root, const std::string& key) {
    Key k;
    return k.Open(root, key, desk::KEY_READ);
}

bool RegEnumKeyName(desk::HKEY root, const std::string& key, desk::DWORD index, std::string& name) {
    return EnumeratedName(root, key, name, [index](desk::HKEY k, char* buffer, desk::DWORD* size) {
        return desk::RegEnumKeyEx(k, index, buffer, size, nullptr, nullptr, nullptr, nullptr);
    });
}

bool RegEnumValueName(desk::HKEY root, const std::string& key, desk::DWORD index, std::string& name) {
    return EnumeratedName(root, key, name, [index](desk::HKEY k, char* buffer, desk::DWORD* size) {
        return desk::RegEnumValue(k, index, buffer, size, nullptr, nullptr, nullptr, nullptr);
    });
}

bool RegDeleteKeyTree(desk::HKEY root, const std::string& key, bool flush) {
    if (key.empty() || !RegKeyExists(root, key)) return false;
    // Names are taken first: deleting while enumerating would skip every other subkey.
    for (const std::string& name : SubkeyNames(root, key)) RegDeleteKeyTree(root, SubkeyPath(key, name), false);
    const bool deleted = desk::RegDeleteKey(root, key.c_str()) == desk::ERROR_SUCCESS;
    if (flush) Flush(root);
    return deleted;
}

bool RegDeleteValueName(desk::HKEY root, const std::string& key, const std::string& name, bool flush) {
    Key k;
    if (!k.Open(root, key, desk::KEY_WRITE)) return false;
    const bool ok = desk::RegDeleteValue(k.get(), name.c_str()) == desk::ERROR_SUCCESS;
    if (flush) Flush(root);
    return ok;
}

bool RegCopyKey(desk::HKEY sourceRoot, const std::string& source, desk::HKEY destRoot, const std::string& dest) {
    Key from, to;
    if (!from.Open(sourceRoot, source, desk::KEY_READ) || !to.Create(destRoot, dest)) return false;
    bool ok = true;
    std::string name;
    for (desk::DWORD i = 0; RegEnumValueName(sourceRoot, source, i, name); ++i) {
        desk::DWORD type = 0;
        std::vector<desk::BYTE> data;
        if (!ReadValue(from.get(), name.c_str(), type, data)) continue;
        if (desk::RegSetValueEx(to.get(), name.c_str(), 0, type, data.data(), static_cast<desk::DWORD>(data.size())) !=
            desk::ERROR_SUCCESS)
            ok = false;
    }
    for (const std::string& sub : SubkeyNames(sourceRoot, source))
        RegCopyKey(sourceRoot, SubkeyPath(source, sub), destRoot, SubkeyPath(dest, sub));
    return ok;
}

bool RegReplaceKey(desk::HKEY sourceRoot, const std::string& source, desk::HKEY destRoot, const std::string& dest,
                   bool flush) {
    // Replacing a key by itself, by a key above or below it, would delete what is to be copied.
    if (!RegKeyExists(sourceRoot, source) || IsSameOrInside(destRoot, dest, sourceRoot, source) ||
        IsSameOrInside(sourceRoot, source, destRoot, dest))
        return false;
    RegDeleteKeyTree(destRoot, dest, true);
    const bool ok = RegCopyKey(sourceRoot, source, destRoot, dest);
    if (flush) Flush(destRoot);
    return ok;
}

} // namespace pellix
