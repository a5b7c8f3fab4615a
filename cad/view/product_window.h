#pragma once
// The running products on the user's screen: each product started from now on shows its
// drawing and command line in a CadWindow captioned as its main frame. What the user types
// and picks there goes to the product as its user's input (kept apart from what the control
// channels type), a click in the product's graphics view is a click at the same place of the
// window's drawing, and closing the window closes the product as its close box does.
namespace cad::view {

void ShowProductsOnScreen();

} // namespace cad::view
