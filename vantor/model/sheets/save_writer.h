#pragma once
// What Save writes into the workbook before it is saved.

namespace 縦断bus {

// The IP sheet, the profile sheet, the cross-slope sheet and the shoulder sheet, each
// rewritten from its tables.
void tensouzenbu();

} // namespace 縦断bus
