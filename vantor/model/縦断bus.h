#pragma once
// The computation unit: the program's shared tables and variables, through which every screen and
// every computation exchanges its data. Each group of tables has a header of its own under bus/,
// which a file includes for the tables it uses; this header puts them all back.

namespace 縦断bus {

// Puts every table and variable back to its value at program start (before Main ran) and lets
// go of the document workbook.
void ResetState();

} // namespace 縦断bus
