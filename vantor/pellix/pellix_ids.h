#pragma once
// How the program names the CAD control across COM: its class, its event interface, and the
// dispatch ids of the members and events it uses.
#include "platform/com/dispatch.h"
#include "platform/com/guid.h"

namespace 縦断bus::pellix_ids {

inline constexpr const char* kProgId = "Pellixlib.Pellix";
inline const com::CLSID CLSID_Pellix = com::MakeGuid("{8C4F7A25-5E31-4B9D-A6F0-2D71C38E9B45}");
inline const com::IID DIID_IPellixEvents = com::MakeGuid("{8C4F7A23-5E31-4B9D-A6F0-2D71C38E9B45}");

// IPellix
inline constexpr com::DISPID IsInstall = 0x03, GetAutoCADName = 0x07, GetACADNameType = 0x08, GetExecutMax = 0x12,
                             IsSDIMode = 0x25, SetSDIMode = 0x26, Shell = 0x28, Close = 0x29, IsExecut = 0x2E,
                             IsCmdWait = 0x42, Command = 0x44, AcReSize = 0x4D, GetPoint = 0x5B, InterCancel = 0x60,
                             Interval = 0x75, AcadLocked = 0x77, AcadType = 0x78, CmdIdle = 0x7B,
                             Enabled = com::DISPID_ENABLED, Visible = 0x84;
// IPellixEvents
inline constexpr com::DISPID OnActiveChange = 0x01, OnAcadClose = 0x02, OnAcadCmdWait = 0x05, OnAcadDialog = 0x09,
                             OnAcadLoaded = 0x0A;

} // namespace 縦断bus::pellix_ids
