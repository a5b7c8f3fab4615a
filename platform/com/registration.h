#pragma once
// Registry entries of in-process servers, written and removed by their self-registration.
// Class:      HKCR\CLSID\{clsid}                 = class name
//               \InprocServer32                  = the server's path [ThreadingModel]
//               \ProgID                          = ProgID
//               \Control                           (controls only)
//               \MiscStatus                      = misc status
//               \ToolboxBitmap32                 = "path,resource"
//               \TypeLib                         = {libid}
//               \Version                         = "major.minor"
//             HKCR\<ProgID>                      = class name
//               \CLSID                           = {clsid}
// Library:    HKCR\TypeLib\{libid}\<major.minor> = help text
//               \0\win32                         = the server's path
//               \FLAGS                           = "2" for a control library, else "0"
//             HKCR\Interface\{iid}               = interface name
//               \TypeLib                         = {libid} [Version]
// Paths are stored in code page 932.
#include "platform/com/typelib.h"

#include <filesystem>
#include <memory>
#include <string>

namespace com {

struct ClassRegistration {
    CLSID clsid;
    std::string className;
    std::string progId;
    std::filesystem::path server;
    std::string threadingModel; // "Apartment", "Both", ...; empty: none written (single-threaded)
    bool control = false;
    DWORD miscStatus = 0;
    int toolboxBitmap = 0; // resource id; 0: none written
    GUID typeLib;          // GUID_NULL: none written
    WORD majorVersion = 1;
    WORD minorVersion = 0;
};

// SELFREG_E_CLASS when an entry cannot be written (nothing of it is left behind).
HRESULT RegisterClassEntries(const ClassRegistration& registration);
// Removes the class's keys and its ProgID's; S_OK also when they were not there.
HRESULT UnregisterClassEntries(REFCLSID clsid, std::string_view progId);

HRESULT RegisterTypeLib(const TypeLibraryDescription& library, const std::filesystem::path& server);
HRESULT UnRegisterTypeLib(const TypeLibraryDescription& library);
// The library registered under that id and version, loaded from its server (which stays loaded
// while the result is held). TYPE_E_LIBNOTREGISTERED when the registry does not know it,
// CO_E_DLLNOTFOUND / CO_E_ERRORINDLL when its server cannot give it.
HRESULT LoadRegTypeLib(REFGUID libid, WORD major, WORD minor, std::shared_ptr<const TypeLibraryDescription>* library);

} // namespace com
