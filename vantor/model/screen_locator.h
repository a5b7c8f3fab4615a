#pragma once
// A screen that screens of lower floors reach without including it: the screen names itself
// when it loads, and is found by its type, not its instance, so that a screen unloaded and
// loaded again is found afresh.
#include "platform/forms/form.h"

#include <optional>
#include <typeindex>

namespace 縦断bus {

class ScreenLocator {
public:
    void Set(const forms::Form& screen) { type_ = typeid(screen); }
    // The named screen while it is loaded; null before it named itself and while it is unloaded.
    forms::Form* Loaded() const { return type_ ? forms::FindForm(*type_) : nullptr; }

private:
    std::optional<std::type_index> type_;
};

} // namespace 縦断bus
