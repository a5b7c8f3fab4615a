#include "platform/com/registration.h"
#include "platform/com/registry_access.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <dlfcn.h>

#include <cstdio>

namespace com {

using detail::DeleteClassesTree;
using detail::ReadClassesString;
using detail::WriteClassesString;

namespace {

// Type library versions are written in hexadecimal: "1.8", "1.a".
std::string VersionKey(WORD major, WORD minor) {
    char text[16];
    std::snprintf(text, sizeof text, "%x.%x", major, minor);
    return text;
}

std::string LibraryKey(REFGUID libid, WORD major, WORD minor) {
    return "TypeLib\\" + GuidToString(libid) + "\\" + VersionKey(major, minor);
}

} // namespace

HRESULT RegisterTypeLib(const TypeLibraryDescription& library, const std::filesystem::path& server) {
    std::string path;
    try {
        path = rt::Utf8ToCp932(server.string());
    } catch (const rt::Error&) {
        return E_INVALIDARG;
    }
    const std::string key = LibraryKey(library.libid, library.majorVersion, library.minorVersion);
    const std::string version = VersionKey(library.majorVersion, library.minorVersion);
    bool ok = WriteClassesString(key, "", library.help.empty() ? library.name : library.help) &&
              WriteClassesString(key + "\\0\\win32", "", path) &&
              WriteClassesString(key + "\\FLAGS", "", library.control ? "2" : "0");
    for (const auto& i : library.interfaces) {
        const std::string ikey = "Interface\\" + GuidToString(i.iid);
        ok = ok && WriteClassesString(ikey, "", i.name) &&
             WriteClassesString(ikey + "\\TypeLib", "", GuidToString(library.libid)) &&
             WriteClassesString(ikey + "\\TypeLib", "Version", version);
    }
    if (ok) return S_OK;
    UnRegisterTypeLib(library);
    return E_FAIL;
}

HRESULT UnRegisterTypeLib(const TypeLibraryDescription& library) {
    bool ok = DeleteClassesTree(LibraryKey(library.libid, library.majorVersion, library.minorVersion));
    // The library's key goes with its last version.
    const std::string libraryKey = "TypeLib\\" + GuidToString(library.libid);
    desk::HKEY h;
    if (desk::RegOpenKeyEx(desk::HKEY_CLASSES_ROOT, libraryKey.c_str(), 0, desk::KEY_READ, &h) == desk::ERROR_SUCCESS) {
        char name[64];
        desk::DWORD size = sizeof name;
        const bool empty =
            desk::RegEnumKeyEx(h, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != desk::ERROR_SUCCESS;
        desk::RegCloseKey(h);
        if (empty) ok = DeleteClassesTree(libraryKey) && ok;
    }
    for (const auto& i : library.interfaces) ok = DeleteClassesTree("Interface\\" + GuidToString(i.iid)) && ok;
    return ok ? S_OK : E_FAIL;
}

HRESULT LoadRegTypeLib(REFGUID libid, WORD major, WORD minor, std::shared_ptr<const TypeLibraryDescription>* library) {
    if (!library) return E_POINTER;
    library->reset();
    const auto stored = ReadClassesString(LibraryKey(libid, major, minor) + "\\0\\win32");
    if (!stored || stored->empty()) return TYPE_E_LIBNOTREGISTERED;
    std::filesystem::path path;
    try {
        path = rt::Cp932ToUtf8(*stored);
    } catch (const rt::Error&) {
        return TYPE_E_LIBNOTREGISTERED;
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return CO_E_DLLNOTFOUND;
    const auto get = reinterpret_cast<DllGetTypeLibraryFunction>(dlsym(handle, "DllGetTypeLibrary"));
    const TypeLibraryDescription* description = nullptr;
    if (!get || FAILED(get(&description)) || !description) {
        dlclose(handle);
        return CO_E_ERRORINDLL;
    }
    // The description is the server's data: the server stays loaded while it is held.
    std::shared_ptr<void> module(handle, [](void* h) { dlclose(h); });
    *library = std::shared_ptr<const TypeLibraryDescription>(module, description);
    return S_OK;
}

} // namespace com
