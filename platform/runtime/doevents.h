#pragma once
// DoEvents: lets the user interface handle what is waiting. The forms layer installs the
// real pump; without it (pure computation tests) the call does nothing.
#include <functional>

namespace rt {

void DoEvents();
void SetDoEventsHook(std::function<void()> hook);

} // namespace rt
