#include "platform/desktop/window.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/message.h"

#include <algorithm>
#include <cstring>

namespace desk {

using namespace detail;

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

const WNDCLASS* FindClass(const State& s, DWORD processId, const std::string& name) {
    auto it = s.classes.find({processId, Upper(name)});
    if (it != s.classes.end()) return &it->second;
    it = s.classes.find({0, Upper(name)});
    return it == s.classes.end() ? nullptr : &it->second;
}

void RegisterSystemClasses(State& s) {
    if (!s.classes.empty()) return;
    for (const char* name : {"#32770", "Static", "Button", "Edit", "MDIClient"})
        s.classes[{0, Upper(name)}] = WNDCLASS{0, {}, name};
}

std::vector<DWORD>& Siblings(State& s, const Window& w) {
    return w.parent ? s.windows.at(w.parent)->children : s.topLevel;
}

// Screen position of a window's origin.
POINT Origin(const State& s, const Window& w) {
    POINT p{w.rect.left, w.rect.top};
    for (DWORD parent = w.parent; parent; parent = s.windows.at(parent)->parent) {
        p.x += s.windows.at(parent)->rect.left;
        p.y += s.windows.at(parent)->rect.top;
    }
    return p;
}

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

// Gives the window a new rectangle and tells it (WM_MOVE, WM_SIZE).
void Reshape(Lock& lk, DWORD id, const RECT& r, WPARAM sizeKind) {
    auto w = S().windows.at(id);
    const RECT old = w->rect;
    w->rect = r;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = r;
    if (old.left != r.left || old.top != r.top)
        Notify(lk, id, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(r.left), static_cast<WORD>(r.top)));
    const LONG width = r.right - r.left;
    const LONG height = r.bottom - r.top;
    if (old.right - old.left != width || old.bottom - old.top != height || sizeKind != SIZE_RESTORED)
        Notify(lk, id, WM_SIZE, sizeKind, MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
}

bool IsInside(const State& s, DWORD id, DWORD ancestor) {
    for (DWORD w = id; w; w = s.windows.count(w) ? s.windows.at(w)->parent : 0)
        if (w == ancestor) return true;
    return false;
}

template <class F>
void CollectTree(const State& s, const std::vector<DWORD>& level, std::vector<DWORD>& out, F keep) {
    for (DWORD id : level) {
        if (keep(id)) out.push_back(id);
        CollectTree(s, s.windows.at(id)->children, out, keep);
    }
}

bool Enumerate(std::vector<DWORD> ids, const WNDENUMPROC& proc, LPARAM lParam) {
    for (DWORD id : ids) {
        if (!IsWindow(ToHwnd(id))) continue;
        if (!proc(ToHwnd(id), lParam)) return false;
    }
    return true;
}

} // namespace

namespace detail {

void PlaceInZOrder(State& s, Window& w, HWND insertAfter) {
    auto& level = Siblings(s, w);
    level.erase(std::find(level.begin(), level.end(), w.id));
    auto bandStart = [&] {
        if (w.parent || (w.exStyle & WS_EX_TOPMOST)) return level.begin();
        return std::find_if(level.begin(), level.end(),
                            [&](DWORD id) { return !(s.windows.at(id)->exStyle & WS_EX_TOPMOST); });
    };
    bool lifted = true;
    if (insertAfter == HWND_TOPMOST) {
        w.exStyle |= WS_EX_TOPMOST;
        level.insert(level.begin(), w.id);
    } else if (insertAfter == HWND_NOTOPMOST) {
        w.exStyle &= ~WS_EX_TOPMOST;
        level.insert(bandStart(), w.id);
    } else if (insertAfter == HWND_BOTTOM) {
        if (!w.parent) w.exStyle &= ~WS_EX_TOPMOST;
        level.push_back(w.id);
        lifted = false;
    } else if (insertAfter == HWND_TOP) {
        level.insert(bandStart(), w.id);
    } else {
        auto after = std::find(level.begin(), level.end(), IdOf(insertAfter));
        level.insert(after == level.end() ? bandStart() : after + 1, w.id);
        lifted = false;
    }
    if (w.parent || !lifted) return;
    // Windows owned by this one stay above it, in their own order.
    std::vector<DWORD> owned;
    for (DWORD id : level) {
        for (DWORD o = s.windows.at(id)->owner; o; o = s.windows.count(o) ? s.windows.at(o)->owner : 0)
            if (o == w.id) {
                owned.push_back(id);
                break;
            }
    }
    if (owned.empty()) return;
    for (DWORD id : owned) level.erase(std::find(level.begin(), level.end(), id));
    level.insert(std::find(level.begin(), level.end(), w.id), owned.begin(), owned.end());
}

void ActivateWindow(Lock& lk, DWORD id) {
    State& s = S();
    DWORD root = id;
    while (s.windows.count(root) && s.windows.at(root)->parent) root = s.windows.at(root)->parent;
    if (!s.windows.count(root)) return;
    PlaceInZOrder(s, *s.windows.at(root), HWND_TOP);
    const DWORD old = s.foreground;
    const DWORD oldFocus = s.focus;
    s.foreground = root;
    if (!IsInside(s, s.focus, root)) s.focus = root;
    if (old == root) return;
    if (old && s.windows.count(old)) Notify(lk, old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(root));
    Notify(lk, root, WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(old));
    if (oldFocus != s.focus) {
        if (oldFocus && s.windows.count(oldFocus)) Notify(lk, oldFocus, WM_KILLFOCUS, s.focus, 0);
        if (s.focus && s.windows.count(s.focus)) Notify(lk, s.focus, WM_SETFOCUS, oldFocus, 0);
    }
}

void ActivateNextAfter(Lock& lk, DWORD leaving) {
    State& s = S();
    auto usable = [&](DWORD id) {
        if (id == leaving || !s.windows.count(id)) return false;
        const auto& w = *s.windows.at(id);
        return !w.destroying && (w.style & WS_VISIBLE) && !(w.style & WS_MINIMIZE);
    };
    DWORD next = 0;
    if (s.windows.count(leaving) && usable(s.windows.at(leaving)->owner)) next = s.windows.at(leaving)->owner;
    for (DWORD id : s.topLevel)
        if (!next && usable(id)) next = id;
    if (next) {
        ActivateWindow(lk, next);
        return;
    }
    s.foreground = 0;
    s.focus = 0;
}

void DestroyWindowTree(Lock& lk, DWORD id, bool notify) {
    State& s = S();
    auto w = s.windows.count(id) ? s.windows.at(id) : nullptr;
    if (!w || w->destroying) return;
    w->destroying = true;
    std::vector<DWORD> owned;
    for (DWORD other : s.topLevel)
        if (s.windows.at(other)->owner == id) owned.push_back(other);
    for (DWORD o : owned) DestroyWindowTree(lk, o, notify);
    if (notify) {
        lk.unlock();
        Deliver(ToHwnd(id), WM_DESTROY, 0, 0, testing::LoggedMessage::How::Sent);
        lk.lock();
    }
    for (DWORD child : std::vector<DWORD>(w->children)) DestroyWindowTree(lk, child, notify);
    if (notify) {
        lk.unlock();
        Deliver(ToHwnd(id), WM_NCDESTROY, 0, 0, testing::LoggedMessage::How::Sent);
        lk.lock();
    }
    // Its parent may have gone first when a handler destroyed it meanwhile.
    auto parent = s.windows.find(w->parent);
    auto& level = !w->parent ? s.topLevel : parent != s.windows.end() ? parent->second->children : w->children;
    level.erase(std::remove(level.begin(), level.end(), id), level.end());
    if (s.threads.count(w->threadId)) {
        auto& timers = s.threads.at(w->threadId)->timers;
        timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == id; }),
                     timers.end());
    }
    s.windows.erase(id);
    if (s.focus && !s.windows.count(s.focus)) s.focus = 0;
    if (s.foreground == id) {
        s.foreground = 0;
        if (notify) ActivateNextAfter(lk, id);
    }
}

} // namespace detail

bool RegisterClass(const WNDCLASS& wc) {
    State& s = S();
    Lock lk(s.m);
    RegisterSystemClasses(s);
    const DWORD process = CurrentProcess(lk)->id;
    if (wc.lpszClassName.empty()) return Fail(ERROR_INVALID_PARAMETER);
    if (s.classes.count({process, Upper(wc.lpszClassName)})) return Fail(ERROR_CLASS_ALREADY_EXISTS);
    s.classes[{process, Upper(wc.lpszClassName)}] = wc;
    return true;
}

bool UnregisterClass(const std::string& className) {
    State& s = S();
    Lock lk(s.m);
    return s.classes.erase({CurrentProcess(lk)->id, Upper(className)}) > 0 || Fail(ERROR_CANNOT_FIND_WND_CLASS);
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style, int x,
                    int y, int width, int height, HWND hWndParent, HMENU menu, WNDPROC proc) {
    State& s = S();
    Lock lk(s.m);
    RegisterSystemClasses(s);
    auto thread = CurrentThread(lk);
    const WNDCLASS* wc = FindClass(s, thread->processId, className);
    if (!wc) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    auto parent = hWndParent ? FindWindowRecord(s, hWndParent) : nullptr;
    if (hWndParent && !parent) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto w = std::make_shared<Window>();
    w->id = NewHandleValue();
    w->className = wc->lpszClassName;
    w->caption = windowName;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    w->normalRect = w->rect;
    w->threadId = thread->id;
    w->proc = proc ? std::move(proc) : wc->lpfnWndProc;
    if (style & WS_CHILD) {
        w->parent = parent->id;
        parent->children.push_back(w->id);
    } else {
        DWORD owner = parent ? parent->id : 0;
        while (owner && s.windows.at(owner)->parent) owner = s.windows.at(owner)->parent;
        w->owner = owner;
        w->menu = IdOf(menu);
        s.topLevel.push_back(w->id);
    }
    s.windows[w->id] = w;
    if (!(style & WS_CHILD)) PlaceInZOrder(s, *w, HWND_TOP);
    const HWND hwnd = ToHwnd(w->id);
    lk.unlock();
    if (Deliver(hwnd, WM_CREATE, 0, 0, testing::LoggedMessage::How::Sent) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOWNA);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

bool DestroyWindow(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    if (!FindWindowRecord(s, hwnd)) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    DestroyWindowTree(lk, IdOf(hwnd), true);
    return true;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = S();
    switch (msg) {
    case WM_GETTEXT: {
        if (wParam == 0 || lParam == 0) return 0;
        Lock lk(s.m);
        auto w = FindWindowRecord(s, hwnd);
        if (!w) return 0;
        const std::size_t n = std::min<std::size_t>(w->caption.size(), wParam - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), w->caption.data(), n);
        reinterpret_cast<char*>(lParam)[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: {
        Lock lk(s.m);
        auto w = FindWindowRecord(s, hwnd);
        return w ? static_cast<LRESULT>(w->caption.size()) : 0;
    }
    case WM_SETTEXT: {
        Lock lk(s.m);
        auto w = FindWindowRecord(s, hwnd);
        if (!w) return 0;
        w->caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return 1;
    }
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    default: return 0;
    }
}

WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return {};
    std::swap(w->proc, proc);
    return proc;
}

bool IsWindow(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    return FindWindowRecord(s, hwnd) != nullptr;
}

HWND GetDesktopWindow() {
    // The desktop window is not a window of the tree; its handle is the constant 0x10010 - 2.
    return ToHwnd(0x1000E);
}

HWND GetParent(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return ToHwnd(w->parent);
    return (w->style & WS_POPUP) ? ToHwnd(w->owner) : nullptr;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (cmd == GW_OWNER) return ToHwnd(w->owner);
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : ToHwnd(w->children.front());
    const auto& level = Siblings(s, *w);
    auto at = std::find(level.begin(), level.end(), w->id);
    switch (cmd) {
    case GW_HWNDFIRST: return ToHwnd(level.front());
    case GW_HWNDLAST: return ToHwnd(level.back());
    case GW_HWNDNEXT: return at + 1 == level.end() ? nullptr : ToHwnd(*(at + 1));
    case GW_HWNDPREV: return at == level.begin() ? nullptr : ToHwnd(*(at - 1));
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    if (!hwnd || hwnd == GetDesktopWindow()) return s.topLevel.empty() ? nullptr : ToHwnd(s.topLevel.front());
    auto w = FindWindowRecord(s, hwnd);
    return w && !w->children.empty() ? ToHwnd(w->children.front()) : nullptr;
}

HWND FindWindowEx(HWND parent, HWND childAfter, const char* className, const char* windowName) {
    State& s = S();
    Lock lk(s.m);
    std::vector<DWORD> level = s.topLevel;
    if (parent && parent != GetDesktopWindow()) {
        auto p = FindWindowRecord(s, parent);
        if (!p) return nullptr;
        level = p->children;
    }
    auto from = level.begin();
    if (childAfter) {
        from = std::find(level.begin(), level.end(), IdOf(childAfter));
        if (from != level.end()) ++from;
    }
    for (auto it = from; it != level.end(); ++it) {
        const auto& w = *s.windows.at(*it);
        if (className && Upper(w.className) != Upper(className)) continue;
        if (windowName && w.caption != windowName) continue;
        return ToHwnd(w.id);
    }
    return nullptr;
}

HWND FindWindow(const char* className, const char* windowName) {
    return FindWindowEx(nullptr, nullptr, className, windowName);
}

bool EnumWindows(const WNDENUMPROC& proc, LPARAM lParam) {
    std::vector<DWORD> ids;
    {
        Lock lk(S().m);
        ids = S().topLevel;
    }
    return Enumerate(std::move(ids), proc, lParam);
}

bool EnumThreadWindows(DWORD threadId, const WNDENUMPROC& proc, LPARAM lParam) {
    std::vector<DWORD> ids;
    {
        State& s = S();
        Lock lk(s.m);
        for (DWORD id : s.topLevel)
            if (s.windows.at(id)->threadId == threadId) ids.push_back(id);
    }
    return Enumerate(std::move(ids), proc, lParam);
}

bool EnumChildWindows(HWND parent, const WNDENUMPROC& proc, LPARAM lParam) {
    std::vector<DWORD> ids;
    {
        State& s = S();
        Lock lk(s.m);
        auto p = FindWindowRecord(s, parent);
        if (!p) return false;
        CollectTree(s, p->children, ids, [](DWORD) { return true; });
    }
    return Enumerate(std::move(ids), proc, lParam);
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return 0;
    if (processId) *processId = s.threads.at(w->threadId)->processId;
    return w->threadId;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w || maxCount <= 0) return 0;
    if (s.threads.at(w->threadId)->processId == CurrentProcess(lk)->id) {
        lk.unlock();
        return static_cast<int>(
            SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
    }
    const std::size_t n = std::min<std::size_t>(w->caption.size(), static_cast<std::size_t>(maxCount - 1));
    std::memcpy(buffer, w->caption.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

int GetWindowTextLength(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return 0;
    if (s.threads.at(w->threadId)->processId == CurrentProcess(lk)->id) {
        lk.unlock();
        return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
    }
    return static_cast<int>(w->caption.size());
}

bool SetWindowText(HWND hwnd, const std::string& text) {
    if (!IsWindow(hwnd)) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

int GetClassName(HWND hwnd, char* buffer, int maxCount) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w || maxCount <= 0) return 0;
    const std::size_t n = std::min<std::size_t>(w->className.size(), static_cast<std::size_t>(maxCount - 1));
    std::memcpy(buffer, w->className.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

std::string GetStoredCaption(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    return w ? w->caption : std::string();
}

LONG GetWindowLong(HWND hwnd, int index) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return 0;
    if (index == GWL_STYLE) return static_cast<LONG>(w->style);
    if (index == GWL_EXSTYLE) return static_cast<LONG>(w->exStyle);
    return 0;
}

bool IsWindowVisible(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    for (; w; w = w->parent ? s.windows.at(w->parent) : nullptr)
        if (!(w->style & WS_VISIBLE)) return false;
    return FindWindowRecord(s, hwnd) != nullptr;
}

bool IsWindowEnabled(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool EnableWindow(HWND hwnd, bool enable) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) w->style &= ~WS_DISABLED;
    else w->style |= WS_DISABLED;
    if (!enable && IsInside(s, s.focus, w->id)) s.focus = 0;
    Notify(lk, w->id, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsIconic(HWND hwnd) { return (static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)) & WS_MINIMIZE) != 0; }

bool IsZoomed(HWND hwnd) { return (static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)) & WS_MAXIMIZE) != 0; }

bool ShowWindow(HWND hwnd, int cmdShow) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    const DWORD id = w->id;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool topLevel = w->parent == 0;
    auto show = [&] {
        w->style |= WS_VISIBLE;
        if (!wasVisible) Notify(lk, id, WM_SHOWWINDOW, 1, 0);
    };
    switch (cmdShow) {
    case SW_HIDE:
        w->style &= ~WS_VISIBLE;
        if (wasVisible) Notify(lk, id, WM_SHOWWINDOW, 0, 0);
        if (s.foreground == id) ActivateNextAfter(lk, id);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: {
        if (!(w->style & WS_MINIMIZE)) {
            w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
            RECT iconic{kIconicPosition, kIconicPosition, kIconicPosition + 160, kIconicPosition + 24};
            if (!topLevel) {
                RECT parent = s.windows.at(w->parent)->rect;
                const LONG height = parent.bottom - parent.top;
                iconic = RECT{0, height - 24, 160, height};
            }
            Reshape(lk, id, iconic, SIZE_MINIMIZED);
        }
        show();
        if (s.foreground == id) ActivateNextAfter(lk, id);
        break;
    }
    case SW_MAXIMIZE: {
        if (!(w->style & WS_MAXIMIZE)) {
            w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
            RECT full{0, 0, s.screenWidth, s.screenHeight};
            if (!topLevel) {
                RECT parent = s.windows.at(w->parent)->rect;
                full = RECT{0, 0, parent.right - parent.left, parent.bottom - parent.top};
            }
            Reshape(lk, id, full, SIZE_MAXIMIZED);
        }
        show();
        if (topLevel) ActivateWindow(lk, id);
        break;
    }
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
    case SW_SHOWNOACTIVATE:
        if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            Reshape(lk, id, w->normalRect, SIZE_RESTORED);
        }
        show();
        if (topLevel && cmdShow != SW_SHOWNOACTIVATE) ActivateWindow(lk, id);
        break;
    default: // SW_SHOW, SW_SHOWNA and anything else shows the window as it is
        show();
        if (topLevel && cmdShow == SW_SHOW) ActivateWindow(lk, id);
        break;
    }
    return wasVisible;
}

bool GetWindowRect(HWND hwnd, RECT* rect) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    const POINT o = Origin(s, *w);
    *rect = RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
    return true;
}

bool GetClientRect(HWND hwnd, RECT* rect) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    return true;
}

bool ClientToScreen(HWND hwnd, POINT* point) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return false;
    const POINT o = Origin(s, *w);
    point->x += o.x;
    point->y += o.y;
    return true;
}

bool ScreenToClient(HWND hwnd, POINT* point) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return false;
    const POINT o = Origin(s, *w);
    point->x -= o.x;
    point->y -= o.y;
    return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    Reshape(lk, w->id, RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)}, SIZE_RESTORED);
    return true;
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    const DWORD id = w->id;
    if (!(flags & SWP_NOZORDER)) PlaceInZOrder(s, *w, insertAfter);
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
        RECT r = w->rect;
        if (!(flags & SWP_NOMOVE)) r = RECT{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
        if (!(flags & SWP_NOSIZE)) r = RECT{r.left, r.top, r.left + std::max(cx, 0), r.top + std::max(cy, 0)};
        Reshape(lk, id, r, SIZE_RESTORED);
    }
    const bool activate = !(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && !(w->style & WS_CHILD);
    lk.unlock();
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    lk.lock();
    if (activate && s.windows.count(id)) ActivateWindow(lk, id);
    return true;
}

bool BringWindowToTop(HWND hwnd) {
    State& s = S();
    Lock lk(s.m);
    auto w = FindWindowRecord(s, hwnd);
    if (!w) return Fail(ERROR_INVALID_WINDOW_HANDLE);
    if (w->parent) PlaceInZOrder(s, *w, HWND_TOP);
    else ActivateWindow(lk, w->id);
    return true;
}

int GetSystemMetrics(int index) {
    State& s = S();
    Lock lk(s.m);
    if (index == SM_CXSCREEN) return s.screenWidth;
    if (index == SM_CYSCREEN) return s.screenHeight;
    return 0;
}

} // namespace desk
