#pragma once
// The library's type library as data: ids of the library, its interfaces, its control class
// and its enumerations, the dispatch ids callers use, and the description itself.
#include "platform/com/typelib.h"

namespace pellix::tlb {

inline const com::GUID LIBID_Pellixlib = com::MakeGuid("{8C4F7A20-5E31-4B9D-A6F0-2D71C38E9B45}");
inline const com::IID IID_IPellix = com::MakeGuid("{8C4F7A21-5E31-4B9D-A6F0-2D71C38E9B45}");
inline const com::IID DIID_IPellixEvents = com::MakeGuid("{8C4F7A23-5E31-4B9D-A6F0-2D71C38E9B45}");
inline const com::CLSID CLASS_Pellix = com::MakeGuid("{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45}");
inline constexpr const char* kProgId = "Pellixlib.Pellix";
inline constexpr com::WORD kMajorVersion = 1;
inline constexpr com::WORD kMinorVersion = 8;

// Dispatch ids of IPellixEvents.
enum EventId : com::DISPID {
    // clang-format off
    OnActiveChange = 1, OnAcadClose, OnAcadCmdActive, OnAcadCmdChange, OnAcadCmdWait, OnAcadEnterNext,
    OnAsyncSending, OnAsyncSended, OnAcadDialog, OnAcadLoaded, OnChildChange, OnUserWaitFirst,
    OnUserWaitNext, OnWaitMessage, OnProcessLoop, OnTimer,
    // clang-format on
};

const com::TypeLibraryDescription& Library();
const com::InterfaceDescription& IPellix();
const com::InterfaceDescription& IPellixEvents();

} // namespace pellix::tlb
