#include "vantor/model/縦断bus.h"

#include "vantor/model/bus/every_group.h"
#include "vantor/model/document.h"
#include "vantor/model/drawing_settings.h"

namespace 縦断bus {

namespace {

template <typename T>
void Reset(T& v) {
    v = T{};
}

// In place: the largest tables would not fit on a stack.
template <typename T, int... Upper>
void Reset(Table<T, Upper...>& t) {
    t.Fill(T{});
}

} // namespace

#define VANTOR_RESET(name, ...) Reset(name);

void ResetState() {
    VANTOR_EVERY_BUS_VARIABLE(VANTOR_RESET)
    planSettings = kPlanStart;
    sectionSettings = kSectionStart;
    stationListSettings = {};
    ReleaseDocument();
}

} // namespace 縦断bus
