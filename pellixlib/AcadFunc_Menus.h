#pragma once
// Menu commands of a frame window, chosen by a path of item names from the menu bar down
// ("&File|&Save", "ﾌｧｲﾙ(&F)|Ctrl+S"), and carried out with the messages a real menu selection
// produces. A segment after "&" is matched by the items' accelerator or shortcut text.
#include "platform/desktop/types.h"

#include <string>

namespace pellix {

struct TMenuItemRef {
    desk::HWND Wnd = nullptr;
    desk::HMENU MenuBar = nullptr;
    desk::HMENU SubMenu = nullptr;
    int Pos = -1; // -1: not resolved
};

// The text of the item at `pos` (254 characters).
std::string GetMenuText(desk::HMENU menu, int pos);
// Position of the first enabled item matching `name`; -1 when none.
int FindMenuItemPos(desk::HMENU menu, const std::string& name, bool accelerator);
TMenuItemRef ResolveMenuPath(desk::HWND frame, const std::string& path);
bool ExecuteMenuCommand(const TMenuItemRef& item);
bool ClickMenuPath(desk::HWND frame, const std::string& path);

} // namespace pellix
