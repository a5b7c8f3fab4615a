#include "platform/com/inproc_server.h"

#include "platform/com/registry_access.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

namespace com {

namespace {

struct LoadedServer {
    void* handle = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
};

// The servers loaded by class lookups, by path. Servers may create objects of other servers
// while asked for theirs, so the lock is recursive.
std::recursive_mutex serversMutex;
std::map<std::string, LoadedServer> loadedServers;

std::optional<std::filesystem::path> ServerPathOf(REFCLSID clsid) {
    const auto value = detail::ReadClassesString("CLSID\\" + GuidToString(clsid) + "\\InprocServer32");
    if (!value || value->empty()) return std::nullopt;
    try {
        return std::filesystem::path(rt::Cp932ToUtf8(*value));
    } catch (const rt::Error&) {
        return std::nullopt;
    }
}

template <class F>
F Export(void* handle, const char* name) {
    return reinterpret_cast<F>(dlsym(handle, name));
}

// Calls one self-registration export of the server at `path`.
HRESULT CallRegistration(const std::filesystem::path& path, const char* name) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return CO_E_DLLNOTFOUND;
    const auto function = Export<DllRegisterServerFunction>(handle, name);
    const HRESULT hr = function ? function() : CO_E_ERRORINDLL;
    dlclose(handle);
    // Self-registration lasts beyond the process, as the registry of the platform keeps it.
    if (SUCCEEDED(hr) && !detail::FlushClasses()) return SELFREG_E_CLASS;
    return hr;
}

} // namespace

HRESULT CLSIDFromProgID(std::string_view progId, CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = GUID_NULL;
    if (progId.empty() || progId.find('\\') != std::string_view::npos) return CO_E_CLASSSTRING;
    const auto text = detail::ReadClassesString(std::string(progId) + "\\CLSID");
    const auto guid = text ? GuidFromString(*text) : std::nullopt;
    if (!guid) return CO_E_CLASSSTRING;
    *clsid = *guid;
    return S_OK;
}

HRESULT ProgIDFromCLSID(REFCLSID clsid, std::string* progId) {
    if (!progId) return E_POINTER;
    const auto text = detail::ReadClassesString("CLSID\\" + GuidToString(clsid) + "\\ProgID");
    if (!text) return REGDB_E_CLASSNOTREG;
    *progId = *text;
    return S_OK;
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
    const auto path = ServerPathOf(clsid);
    if (!path) return REGDB_E_CLASSNOTREG;
    std::lock_guard lock(serversMutex);
    auto it = loadedServers.find(path->string());
    if (it == loadedServers.end()) {
        void* handle = dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) return CO_E_DLLNOTFOUND;
        LoadedServer server{handle, Export<DllGetClassObjectFunction>(handle, "DllGetClassObject"),
                            Export<DllCanUnloadNowFunction>(handle, "DllCanUnloadNow")};
        if (!server.getClassObject) {
            dlclose(handle);
            return CO_E_ERRORINDLL;
        }
        it = loadedServers.emplace(path->string(), server).first;
    }
    return it->second.getClassObject(clsid, iid, out);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<IClassFactory> factory;
    if (const HRESULT hr = CoGetClassObject(clsid, context, IClassFactory::Id, factory.PutVoid()); FAILED(hr))
        return hr;
    return factory->CreateInstance(outer, iid, out);
}

HRESULT CreateObject(std::string_view progIdOrClsid, REFIID iid, void** out) {
    CLSID clsid;
    if (const auto guid = GuidFromString(progIdOrClsid)) clsid = *guid;
    else if (const HRESULT hr = CLSIDFromProgID(progIdOrClsid, &clsid); FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, out);
}

void CoFreeUnusedLibraries() {
    std::lock_guard lock(serversMutex);
    for (auto it = loadedServers.begin(); it != loadedServers.end();) {
        // A server without DllCanUnloadNow cannot say it is unused: it stays.
        if (it->second.canUnloadNow && it->second.canUnloadNow() == S_OK) {
            dlclose(it->second.handle);
            it = loadedServers.erase(it);
        } else {
            ++it;
        }
    }
}

HRESULT RegisterServer(const std::filesystem::path& path) { return CallRegistration(path, "DllRegisterServer"); }

HRESULT UnregisterServer(const std::filesystem::path& path) { return CallRegistration(path, "DllUnregisterServer"); }

std::filesystem::path ModulePathOf(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return {};
    return std::filesystem::absolute(info.dli_fname);
}

} // namespace com
