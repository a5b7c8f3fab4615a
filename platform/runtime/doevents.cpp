#include "platform/runtime/doevents.h"

namespace rt {

namespace {
std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

void DoEvents() {
    if (Hook()) Hook()();
}

void SetDoEventsHook(std::function<void()> hook) { Hook() = std::move(hook); }

} // namespace rt
