#include "platform/desktop/menu.h"

#include "platform/desktop/desktop_state.h"

#include <cstring>

namespace desk {

using namespace detail;

namespace {

HMENU ToHmenu(DWORD id) { return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)); }

Menu* FindMenu(State& s, HMENU menu) {
    auto it = s.menus.find(IdOf(menu));
    return it == s.menus.end() ? nullptr : &it->second;
}

// The item by position, or by command id searching submenus as well.
MenuItem* FindItem(State& s, HMENU menu, UINT item, UINT flags) {
    Menu* m = FindMenu(s, menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) return item < m->items.size() ? &m->items[item] : nullptr;
    for (auto& i : m->items) {
        if (!(i.flags & MF_POPUP) && i.id == item) return &i;
        if (i.flags & MF_POPUP)
            if (MenuItem* found = FindItem(s, ToHmenu(i.submenu), item, flags)) return found;
    }
    return nullptr;
}

HMENU NewMenu() {
    State& s = S();
    Lock lk(s.m);
    const DWORD id = NewHandleValue();
    s.menus[id] = Menu{};
    return ToHmenu(id);
}

} // namespace

HMENU CreateMenu() { return NewMenu(); }

HMENU CreatePopupMenu() { return NewMenu(); }

bool AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const std::string& text) {
    State& s = S();
    Lock lk(s.m);
    Menu* m = FindMenu(s, menu);
    if (!m) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return false;
    }
    MenuItem item{flags, idOrSubmenu, 0, (flags & MF_SEPARATOR) ? std::string() : text};
    if (flags & MF_POPUP) {
        item.submenu = static_cast<DWORD>(idOrSubmenu);
        item.id = 0;
        if (!s.menus.count(item.submenu)) {
            SetLastError(ERROR_INVALID_MENU_HANDLE);
            return false;
        }
    }
    m->items.push_back(std::move(item));
    return true;
}

bool SetMenu(HWND hwnd, HMENU menu) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w || (w->style & WS_CHILD) || (menu && !FindMenu(s, menu))) return false;
    w->menu = IdOf(menu);
    return true;
}

HMENU GetMenu(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    return w && s.menus.count(w->menu) ? ToHmenu(w->menu) : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    Lock lk(S().m);
    Menu* m = FindMenu(S(), menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags) {
    Lock lk(S().m);
    MenuItem* i = FindItem(S(), menu, item, flags);
    if (!i) return 0;
    if (!buffer || maxCount <= 0) return static_cast<int>(i->text.size());
    const std::size_t n = std::min<std::size_t>(i->text.size(), static_cast<std::size_t>(maxCount - 1));
    std::memcpy(buffer, i->text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    State& s = S();
    Lock lk(s.m);
    MenuItem* i = FindItem(s, menu, item, flags);
    if (!i) return 0xFFFFFFFF;
    UINT state = i->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR);
    if (i->flags & MF_POPUP) state |= (static_cast<UINT>(s.menus.at(i->submenu).items.size()) & 0xFF) << 8;
    return state;
}

UINT GetMenuItemID(HMENU menu, int pos) {
    Lock lk(S().m);
    if (pos < 0) return 0xFFFFFFFF;
    MenuItem* i = FindItem(S(), menu, static_cast<UINT>(pos), MF_BYPOSITION);
    if (!i || (i->flags & MF_POPUP)) return 0xFFFFFFFF;
    return (i->flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(i->id);
}

HMENU GetSubMenu(HMENU menu, int pos) {
    Lock lk(S().m);
    if (pos < 0) return nullptr;
    MenuItem* i = FindItem(S(), menu, static_cast<UINT>(pos), MF_BYPOSITION);
    return i && (i->flags & MF_POPUP) ? ToHmenu(i->submenu) : nullptr;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    Lock lk(S().m);
    MenuItem* i = FindItem(S(), menu, item, flags);
    if (!i) return 0xFFFFFFFF;
    const UINT old = i->flags & (MF_GRAYED | MF_DISABLED);
    i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

} // namespace desk
