#include "pellixlib/AcadCtrl_WaitCallbacks.h"

#include "pellixlib/AcadCtrl_FormImage.h"
#include "pellixlib/AcadFunc_Windows.h"
#include "pellixlib/AcadUnit.h"
#include "platform/desktop/window.h"

#include <algorithm>
#include <vector>

namespace pellix {

namespace {

struct Entry {
    desk::HWND window;
    TWaitCallback handler;
    const void* owner;
};

std::vector<Entry>& Entries() {
    static std::vector<Entry> entries;
    return entries;
}

bool MayWait(desk::HWND window) { return CheckWaitCallbacks(window) && FormImageCount() > 0 && desk::IsWindow(window); }

} // namespace

void AddWaitCallback(desk::HWND window, TWaitCallback handler, const void* owner) {
    Entries().push_back({window, std::move(handler), owner});
}

void RemoveWaitCallbacks(desk::HWND window) {
    std::erase_if(Entries(), [&](const Entry& e) { return e.window == window; });
}

void RemoveOwnerWaitCallbacks(const void* owner) {
    std::erase_if(Entries(), [&](const Entry& e) { return e.owner == owner; });
}

bool CheckWaitCallbacks(desk::HWND window) {
    bool result = true;
    bool old;
    do {
        old = result;
        // By index and on a copy of each handler: a callback may change the list.
        for (std::size_t i = 0; i < Entries().size(); ++i) {
            if (Entries()[i].window != window) continue;
            const TWaitCallback handler = Entries()[i].handler;
            handler(window, result);
        }
    } while (!result && old);
    return result;
}

void FreeWaitCallbacks() { Entries().clear(); }

int WaitCallbackCount() { return static_cast<int>(Entries().size()); }

void WaitProcMessages(desk::HWND window, bool& keepWaiting) {
    IdlePump();
    keepWaiting = MayWait(window);
    WaitWindowIdle(window);
}

void WaitProcIdle(desk::HWND window, bool& keepWaiting) {
    WaitWindowIdle(window);
    keepWaiting = MayWait(window);
}

void ChooseWaitProc(bool interMode) { SetWaitProc(interMode ? TWaitProc(WaitProcMessages) : TWaitProc(WaitProcIdle)); }

} // namespace pellix
