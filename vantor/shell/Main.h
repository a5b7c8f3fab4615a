#pragma once
// Start-up of the program: settings to their start values, the screens prepared, the main
// window shown.
namespace 縦断bus {

void Main();
void shokitsuurubaa(); // the main toolbar's first state
void shokiyoko();      // cross-slope table emptied

} // namespace 縦断bus
