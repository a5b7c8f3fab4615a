#pragma once
// In-process servers: shared libraries named in the registry under
// HKCR\CLSID\{clsid}\InprocServer32 (a Linux path), found for a ProgID through
// HKCR\<ProgID>\CLSID, loaded with dlopen and asked for their class factories. A server exports
// with C linkage:
//   HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out);
//   HRESULT DllCanUnloadNow();          // S_OK when no object and no lock remain, else S_FALSE
//   HRESULT DllRegisterServer();        // writes its registry entries
//   HRESULT DllUnregisterServer();      // removes them
#include "platform/com/class_factory.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace com {

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

// REGDB_E_CLASSNOTREG / CO_E_CLASSSTRING when the registry knows no such class or ProgID.
HRESULT CLSIDFromProgID(std::string_view progId, CLSID* clsid);
HRESULT ProgIDFromCLSID(REFCLSID clsid, std::string* progId);

// Loads the class's server as needed (CO_E_DLLNOTFOUND when it cannot be loaded,
// CO_E_ERRORINDLL when it lacks DllGetClassObject) and asks it for the class object.
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, REFIID iid, void** out);
// A new object of the class through its factory.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out);
// The same for a ProgID or a class id in text form.
HRESULT CreateObject(std::string_view progIdOrClsid, REFIID iid, void** out);
// Unloads every loaded server whose DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();

// Self-registration: loads the server at `path` and calls its DllRegisterServer or
// DllUnregisterServer (CO_E_DLLNOTFOUND, CO_E_ERRORINDLL when that cannot be done).
HRESULT RegisterServer(const std::filesystem::path& path);
HRESULT UnregisterServer(const std::filesystem::path& path);

// The file of the loaded module that holds `address` (a server finds its own path so).
std::filesystem::path ModulePathOf(const void* address);

using DllGetClassObjectFunction = HRESULT (*)(REFCLSID, REFIID, void**);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();

} // namespace com
