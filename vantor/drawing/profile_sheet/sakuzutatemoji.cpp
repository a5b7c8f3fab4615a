#include "vantor/drawing/profile_sheet/sakuzutatemoji.h"

#include "vantor/drawing/profile_sheet/band_graphics.h"
#include "vantor/drawing/profile_sheet/sheet_texts.h"

namespace 縦断bus::profile_sheet {

void sakuzutatemoji() {
    SendBandGraphics();
    SendSheetTexts();
}

} // namespace 縦断bus::profile_sheet
