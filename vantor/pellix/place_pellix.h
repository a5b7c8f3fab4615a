#pragma once
// How PlacePellix makes the screens' CAD controls: the control library's control, or, in tests
// that run no control library, what the test puts in its place.
#include "vantor/pellix/pellix.h"

#include <functional>

namespace 縦断bus {

using PellixPlacement =
    std::function<std::unique_ptr<Pellix>(forms::Form& screen, const std::string& name, int left, int top)>;

// Replaces the placement; none: the control library's control again.
void SetPellixPlacement(PellixPlacement placement);

} // namespace 縦断bus
