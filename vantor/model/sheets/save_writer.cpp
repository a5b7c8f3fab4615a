#include "vantor/model/sheets/save_writer.h"

#include "vantor/model/sheets/cross_slope_sheet.h"
#include "vantor/model/sheets/ip_sheet.h"
#include "vantor/model/sheets/profile_sheet.h"
#include "vantor/model/sheets/shoulder_sheet.h"

namespace 縦断bus {

void tensouzenbu() {
    if (!WriteIpSheet()) return;
    tensoutate();
    tensouyoko();
    tensourokata();
}

} // namespace 縦断bus
