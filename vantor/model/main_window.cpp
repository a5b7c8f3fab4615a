#include "vantor/model/main_window.h"

#include <optional>
#include <typeindex>

namespace 縦断bus::main_window {

namespace {
// The type, not the instance: a window unloaded and loaded again is found afresh.
std::optional<std::type_index> window;
} // namespace

void Set(const forms::Form& main) { window = typeid(main); }

void SetWindowState(int state) {
    if (!window) return;
    if (forms::Form* main = forms::FindForm(*window)) main->SetWindowState(state);
}

} // namespace 縦断bus::main_window
