#include "vantor/model/drawing_home.h"

#include <optional>
#include <typeindex>

namespace 縦断bus::drawing_home {

namespace {
// The type, not the instance: a screen unloaded and loaded again is found afresh.
std::optional<std::type_index> home;
} // namespace

void Set(const forms::Form& screen) { home = typeid(screen); }

void Show() {
    if (!home) return;
    if (forms::Form* screen = forms::FindForm(*home)) screen->Show();
}

} // namespace 縦断bus::drawing_home
