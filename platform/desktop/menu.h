#pragma once
// Menus: a window's menu bar, items with texts, states, command ids and submenus.
#include "platform/desktop/types.h"

#include <string>

namespace desk {

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// With MF_POPUP, `idOrSubmenu` is the submenu's handle value (HandleToLong of the HMENU).
bool AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const std::string& text);

bool SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);

int GetMenuItemCount(HMENU menu); // -1 for a handle that names no menu
// The item's text into the buffer (maxCount bytes with the terminating zero); bytes copied.
int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags);
// MF_* flags of the item; for a submenu also MF_POPUP and the submenu's item count in the high
// byte of the low word. 0xFFFFFFFF when the item does not exist. By command, submenus are
// searched too.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The command id; 0xFFFFFFFF for a submenu or no item; 0 for a separator.
UINT GetMenuItemID(HMENU menu, int pos);
HMENU GetSubMenu(HMENU menu, int pos);
// Sets MF_GRAYED/MF_DISABLED; returns the previous state, 0xFFFFFFFF when there is no item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);

} // namespace desk
