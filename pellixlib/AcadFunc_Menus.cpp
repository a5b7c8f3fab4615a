#include "pellixlib/AcadFunc_Menus.h"

#include "pellixlib/AcadFunc_Text.h"
#include "platform/desktop/menu.h"
#include "platform/desktop/message.h"
#include "platform/desktop/window.h"

namespace pellix {

namespace {

constexpr int kMenuTextBuffer = 254;
constexpr desk::LPARAM kSetCursorClientMove = 0x02000001;

// An item's text split into its name, accelerator character and shortcut text.
struct ItemText {
    std::string name, accelerator, shortcut;
};

// The character starting at byte `at`, or empty at the end.
std::string CharAt(const std::string& s, std::size_t at) {
    return s.substr(at, static_cast<std::size_t>(CharByteLen(s, at)));
}

ItemText SplitItemText(const std::string& text) {
    ItemText item;
    const std::size_t tab = FindMenuMark(text);
    item.name = tab ? text.substr(0, tab - 1) : text;
    if (tab) item.shortcut = text.substr(tab);
    std::string& name = item.name;
    if (const std::size_t paren = FindMenuMark(name, "(&"); paren && name.size() >= paren + 1 + 2) {
        const std::size_t keyAt = paren + 1; // 0-based byte after "(&"
        const std::string key = CharAt(name, keyAt);
        const std::size_t closeAt = keyAt + key.size();
        if (closeAt < name.size() && name[closeAt] == ')' && CharByteLen(name, closeAt) == 1) {
            item.accelerator = key;
            if (paren > 1) name = name.substr(0, paren - 1);
            else name = name.size() <= 4 ? std::string() : name.substr(closeAt + 1);
        }
        return item;
    }
    if (const std::size_t amp = FindMenuMark(name, "&"); amp && amp < name.size()) {
        const std::string key = CharAt(name, amp);
        item.accelerator = key;
        if (amp > 1) name = name.substr(0, amp - 1);
        else name = name.size() <= 2 ? std::string() : name.substr(amp + key.size());
    }
    return item;
}

void NotifyClientCentre(desk::HWND wnd, const desk::RECT& client) {
    const auto x = static_cast<desk::WORD>(client.left + client.right / 2);
    const auto y = static_cast<desk::WORD>(client.top + client.bottom / 2);
    desk::PostMessage(wnd, desk::WM_MOUSEMOVE, 0, desk::MAKELPARAM(x, y));
}

} // namespace

std::string GetMenuText(desk::HMENU menu, int pos) {
    char buffer[kMenuTextBuffer] = {};
    const int n = desk::GetMenuString(menu, static_cast<desk::UINT>(pos), buffer, kMenuTextBuffer, desk::MF_BYPOSITION);
    return std::string(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

int FindMenuItemPos(desk::HMENU menu, const std::string& name, bool accelerator) {
    const int count = desk::GetMenuItemCount(menu);
    if (count <= 0 || name.empty()) return -1;
    for (int pos = 0; pos < count; ++pos) {
        const std::string text = GetMenuText(menu, pos);
        const desk::UINT state = desk::GetMenuState(menu, static_cast<desk::UINT>(pos), desk::MF_BYPOSITION);
        if (text.empty() || state == 0xFFFFFFFF || (state & (desk::MF_GRAYED | desk::MF_DISABLED))) continue;
        const ItemText item = SplitItemText(text);
        const bool match =
            accelerator ? SameTextIgnoringCase(name, item.accelerator) || SameTextIgnoringCase(name, item.shortcut)
                        : name == item.name;
        if (match) return pos;
    }
    return -1;
}

TMenuItemRef ResolveMenuPath(desk::HWND frame, const std::string& path) {
    TMenuItemRef ref;
    ref.Wnd = frame;
    const desk::HMENU bar = desk::GetMenu(frame);
    if (!bar || path.empty()) return ref;
    desk::HMENU current = bar;
    std::size_t segmentStart = 0;
    bool byAccelerator = false;
    for (std::size_t i = 0; i < path.size();) {
        const int n = CharByteLen(path, i);
        if (n == 1 && path[i] == '&') {
            segmentStart = i + 1;
            byAccelerator = true;
        } else if (n == 1 && path[i] == '|') {
            const std::string segment = path.substr(segmentStart, i - segmentStart);
            if (!segment.empty()) {
                const int pos = FindMenuItemPos(current, segment, byAccelerator);
                if (pos < 0) return ref;
                current = desk::GetSubMenu(current, pos);
            }
            segmentStart = i + 1;
            byAccelerator = false;
        }
        i += static_cast<std::size_t>(n);
    }
    const std::string last = path.substr(segmentStart);
    if (!current || last.empty()) return ref;
    const int pos = FindMenuItemPos(current, last, byAccelerator);
    if (pos >= 0) {
        ref.MenuBar = bar;
        ref.SubMenu = current;
        ref.Pos = pos;
    }
    return ref;
}

bool ExecuteMenuCommand(const TMenuItemRef& item) {
    using namespace desk;
    if (!IsWindow(item.Wnd) || !item.MenuBar || !item.SubMenu) return false;
    try {
        const UINT id = GetMenuItemID(item.SubMenu, item.Pos);
        if (id == 0 || id == 0xFFFFFFFF) return false;
        const HWND w = item.Wnd;
        const auto bar = reinterpret_cast<LPARAM>(item.MenuBar);
        SendMessage(w, WM_ENTERMENULOOP, 0, 0);
        SendMessage(w, WM_INITMENU, reinterpret_cast<WPARAM>(item.MenuBar), 0);
        for (int i = 0; i < 3; ++i) SendMessage(w, WM_ENTERIDLE, MSGF_MENU, bar);
        SendMessage(w, WM_CAPTURECHANGED, 0, 0);
        SendMessage(w, WM_MENUSELECT, MAKEWPARAM(static_cast<WORD>(id), 0xFFFF), 0);
        SendMessage(w, WM_EXITMENULOOP, 0, 0);
        PostMessage(w, WM_COMMAND, id, 0);
        SendMessage(w, WM_NCACTIVATE, 0, 0);
        RECT client;
        if (!GetClientRect(w, &client)) return false;
        NotifyClientCentre(w, client);
        return SendNotifyMessage(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), kSetCursorClientMove);
    } catch (const std::exception&) {
        return false;
    }
}

bool ClickMenuPath(desk::HWND frame, const std::string& path) {
    return desk::IsWindow(frame) && ExecuteMenuCommand(ResolveMenuPath(frame, path));
}

} // namespace pellix
