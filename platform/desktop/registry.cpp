#include "platform/desktop/registry.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/registry_tree.h"
#include "platform/runtime/cp932.h"

#include <cstring>

namespace desk {

using namespace detail;

namespace {

using RegLock = std::lock_guard<std::mutex>;

HKEY ToHkey(std::uint32_t value) { return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(value)); }

// The names of a key path (code page 932), split at single-byte backslashes.
std::vector<std::string> SplitKeyPath(const char* path) {
    std::vector<std::string> parts;
    if (!path) return parts;
    std::string current;
    for (const char* p = path; *p; ++p) {
        if (rt::IsLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
            current += p[0];
            current += p[1];
            ++p;
        } else if (*p == '\\') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

// The key a handle names, with the access it was opened with.
OpenKey Lookup(Registry& r, HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) return {r.machine, KEY_ALL_ACCESS};
    if (key == HKEY_CURRENT_USER) return {r.user, KEY_ALL_ACCESS};
    if (key == HKEY_USERS) return {r.users, KEY_ALL_ACCESS};
    if (key == HKEY_CLASSES_ROOT) {
        auto& software = r.machine->subkeys[RegUpper("SOFTWARE")];
        if (!software) software = std::make_shared<RegKey>(RegKey{"SOFTWARE", {}, {}, false, 1});
        auto& classes = software->subkeys[RegUpper("Classes")];
        if (!classes) classes = std::make_shared<RegKey>(RegKey{"Classes", {}, {}, false, 2});
        return {classes, KEY_ALL_ACCESS};
    }
    auto it = r.open.find(IdOf(key));
    return it == r.open.end() ? OpenKey{} : it->second;
}

LONG Check(const OpenKey& k, DWORD need) {
    if (!k.key) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    if (k.key->deleted) return static_cast<LONG>(ERROR_KEY_DELETED);
    if ((k.access & need) != need) return static_cast<LONG>(ERROR_ACCESS_DENIED);
    return ERROR_SUCCESS;
}

HKEY NewHandle(Registry& r, std::shared_ptr<RegKey> key, DWORD access) {
    const std::uint32_t value = NewHandleValue();
    r.open[value] = OpenKey{std::move(key), access};
    return ToHkey(value);
}

RegValue* FindValue(RegKey& key, const char* name) {
    const std::string wanted = RegUpper(name ? name : "");
    for (auto& v : key.values)
        if (RegUpper(v.name) == wanted) return &v;
    return nullptr;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// Copies a value's data out as RegQueryValueEx does.
LONG CopyData(const RegValue& v, DWORD* type, BYTE* data, DWORD* dataSize) {
    std::string bytes = v.data;
    if (IsStringType(v.type) && (bytes.empty() || bytes.back() != '\0')) bytes += '\0';
    if (type) *type = v.type;
    if (!data) {
        if (dataSize) *dataSize = static_cast<DWORD>(bytes.size());
        return ERROR_SUCCESS;
    }
    if (!dataSize) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    if (*dataSize < bytes.size()) {
        *dataSize = static_cast<DWORD>(bytes.size());
        return static_cast<LONG>(ERROR_MORE_DATA);
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *dataSize = static_cast<DWORD>(bytes.size());
    return ERROR_SUCCESS;
}

LONG CopyName(const std::string& name, char* buffer, DWORD* size) {
    if (!buffer || !size) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    if (*size <= name.size()) return static_cast<LONG>(ERROR_MORE_DATA);
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

} // namespace

LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD, DWORD access, HKEY* result) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, 0)) return e;
    auto here = k.key;
    for (const auto& name : SplitKeyPath(subKey)) {
        auto it = here->subkeys.find(RegUpper(name));
        if (it == here->subkeys.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
        here = it->second;
    }
    *result = NewHandle(r, here, access);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyEx(HKEY key, const char* subKey, DWORD, const char*, DWORD, DWORD access, const void*, HKEY* result,
                    DWORD* disposition) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, 0)) return e;
    auto here = k.key;
    bool created = false;
    const std::vector<std::string> names = SplitKeyPath(subKey);
    // A key deeper or a name longer than the platform allows is refused before any of the path
    // is made.
    if (here->depth + names.size() > kMaxKeyDepth) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    for (const auto& name : names)
        if (!IsNameLengthAllowed(name)) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    for (const auto& name : names) {
        auto& slot = here->subkeys[RegUpper(name)];
        if (!slot) {
            slot = std::make_shared<RegKey>(RegKey{name, {}, {}, false, here->depth + 1});
            created = true;
        }
        here = slot;
    }
    if (created) r.dirty = true;
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = NewHandle(r, here, access);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    if (key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_USERS || key == HKEY_CLASSES_ROOT)
        return ERROR_SUCCESS;
    return r.open.erase(IdOf(key)) ? ERROR_SUCCESS : static_cast<LONG>(ERROR_INVALID_HANDLE);
}

LONG RegQueryValueEx(HKEY key, const char* name, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, KEY_QUERY_VALUE)) return e;
    const RegValue* v = FindValue(*k.key, name);
    if (!v) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    return CopyData(*v, type, data, dataSize);
}

LONG RegSetValueEx(HKEY key, const char* name, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, KEY_SET_VALUE)) return e;
    if (type == REG_DWORD && dataSize != 4) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    if (name && !IsNameLengthAllowed(name)) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    std::string bytes(reinterpret_cast<const char*>(data), data ? dataSize : 0);
    if (RegValue* v = FindValue(*k.key, name)) {
        v->type = type;
        v->data = std::move(bytes);
    } else {
        k.key->values.push_back(RegValue{name ? name : "", type, std::move(bytes)});
    }
    r.dirty = true;
    return ERROR_SUCCESS;
}

LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD*, char*, DWORD*, void*) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, KEY_ENUMERATE_SUB_KEYS)) return e;
    if (index >= k.key->subkeys.size()) return static_cast<LONG>(ERROR_NO_MORE_ITEMS);
    auto it = k.key->subkeys.begin();
    std::advance(it, index);
    return CopyName(it->second->name, name, nameSize);
}

LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD*, DWORD* type, BYTE* data,
                  DWORD* dataSize) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, KEY_QUERY_VALUE)) return e;
    if (index >= k.key->values.size()) return static_cast<LONG>(ERROR_NO_MORE_ITEMS);
    const RegValue& v = k.key->values[index];
    if (LONG e = CopyName(v.name, name, nameSize)) return e;
    return CopyData(v, type, data, dataSize);
}

LONG RegDeleteKey(HKEY key, const char* subKey) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, 0)) return e;
    auto names = SplitKeyPath(subKey);
    if (names.empty()) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    auto parent = k.key;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        auto it = parent->subkeys.find(RegUpper(names[i]));
        if (it == parent->subkeys.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
        parent = it->second;
    }
    auto it = parent->subkeys.find(RegUpper(names.back()));
    if (it == parent->subkeys.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    if (!it->second->subkeys.empty()) return static_cast<LONG>(ERROR_ACCESS_DENIED);
    it->second->deleted = true;
    parent->subkeys.erase(it);
    r.dirty = true;
    return ERROR_SUCCESS;
}

LONG RegDeleteValue(HKEY key, const char* name) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    OpenKey k = Lookup(r, key);
    if (LONG e = Check(k, KEY_SET_VALUE)) return e;
    const std::string wanted = RegUpper(name ? name : "");
    auto& values = k.key->values;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (RegUpper(it->name) != wanted) continue;
        values.erase(it);
        r.dirty = true;
        return ERROR_SUCCESS;
    }
    return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
}

LONG RegFlushKey(HKEY key) {
    Registry& r = TheRegistry();
    RegLock lock(r.m);
    if (LONG e = Check(Lookup(r, key), 0)) return e;
    return SaveRegistry(r) ? ERROR_SUCCESS : static_cast<LONG>(ERROR_ACCESS_DENIED);
}

} // namespace desk
