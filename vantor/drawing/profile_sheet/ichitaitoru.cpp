#include "vantor/drawing/profile_sheet/ichitaitoru.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/profile_sheet/sheet_send.h"
#include "vantor/drawing/profile_sheet/sheet_state.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

namespace 縦断bus::profile_sheet {

double TitleCentre() { return (zahyoutate(1, 1) + zahyoutate(sakuzusokutensuu, 1)) * 0.5; }

double TitleHalfWidth() { return taitorusaizu * 0.5 * CharCount(taitoru); }

// A station without a ground height has none to raise the title.
void ichitaitoru() {
    taitoru = "縦　　断　　図";
    taitorutakasa = 0;
    for (int i = 1; i <= sakuzusokutensuu; ++i) {
        if (tatedata(i, tate_col::kPlannedHeight) != kEmpty && zahyoutate(i, 5) > taitorutakasa)
            taitorutakasa = zahyoutate(i, 5);
        if (tatedata(i, tate_col::kGround) != kEmpty && zahyoutate(i, 2) > taitorutakasa)
            taitorutakasa = zahyoutate(i, 2);
    }
    taitoruichi = cad_channel::Point(TitleCentre() - TitleHalfWidth() - 45, taitorutakasa + 80);
}

} // namespace 縦断bus::profile_sheet
