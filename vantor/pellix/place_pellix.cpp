#include "vantor/pellix/place_pellix.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/error.h"
#include "vantor/pellix/detached_pellix.h"
#include "vantor/pellix/hosted_pellix.h"

namespace 縦断bus {

namespace {
PellixPlacement& Placement() {
    static PellixPlacement placement;
    return placement;
}
} // namespace

void SetPellixPlacement(PellixPlacement placement) { Placement() = std::move(placement); }

std::unique_ptr<Pellix> PlacePellix(forms::Form& screen, const std::string& name, int left, int top) {
    if (Placement()) return Placement()(screen, name, left, top);
    try {
        return std::make_unique<HostedPellix>(screen, left, top);
    } catch (const rt::Error& e) {
        forms::MsgBox("CADコントロール " + name + " を作成できません。AutoCADとの連携は使えません。\n" +
                          e.Description(),
                      forms::vbExclamation);
        return std::make_unique<DetachedPellix>();
    }
}

} // namespace 縦断bus
