#include "vantor/shell/sheets/save_writer.h"

#include "vantor/shell/sheets/cross_slope_sheet.h"
#include "vantor/shell/sheets/ip_sheet.h"
#include "vantor/shell/sheets/profile_sheet.h"
#include "vantor/shell/sheets/shoulder_sheet.h"

namespace 縦断bus {

void tensouzenbu() {
    if (!WriteIpSheet()) return;
    WriteProfileSheet();
    tensouyoko();
    tensourokata();
}

} // namespace 縦断bus
