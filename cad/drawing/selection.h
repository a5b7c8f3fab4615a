#pragma once
// Picking entities of model space by window, by crossing window or all of them. The result
// lists entity indices in ascending order; selection never depends on what is on screen.
#include "cad/drawing/drawing.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace cad {

using Selection = std::vector<std::size_t>;

// Entities lying wholly inside the rectangle.
Selection SelectWindow(const Drawing& drawing, const Rect& window);
// Entities inside the rectangle or crossing its boundary.
Selection SelectCrossing(const Drawing& drawing, const Rect& window);
Selection SelectAll(const Drawing& drawing);

// The entity a click with the pick box picks: of the candidates (ascending indices), the last
// drawn one that the box touches.
std::optional<std::size_t> EntityAt(const Drawing& drawing, const std::vector<std::size_t>& candidates,
                                    const Rect& pickBox);

// Whether the shape lies inside the rectangle or crosses its boundary.
bool ShapeTouchesRect(const Drawing& drawing, const Shape& shape, const Rect& window);

} // namespace cad
