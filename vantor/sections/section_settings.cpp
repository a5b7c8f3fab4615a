#include "vantor/sections/section_settings.h"

#include "platform/runtime/conversion.h"
#include "vantor/drawing/作図画面.h"

namespace 縦断bus {

SectionSettings ReadSectionSettings() {
    const 作図画面& screen = forms::Get<作図画面>();
    const auto value = [](const forms::TextBox& box) { return rt::Val(box.Text()); };
    return {.tiers = value(screen.段数),
            .sheetHeight = value(screen.用紙高),
            .cellHalfWidth = value(screen.測点X),
            .cellHalfHeight = value(screen.測点Y),
            .plannedHalfWidth = value(screen.計画幅),
            .plannedHalfHeight = value(screen.計画高)};
}

} // namespace 縦断bus
