#include "vantor/drawing/profile_sheet/sheet_coordinates.h"

namespace 縦断bus::profile_sheet {

float BandBottom(int k) {
    float b = -50;
    for (int band = 1; band <= k; ++band) b -= obitakasazu(band);
    return b;
}

} // namespace 縦断bus::profile_sheet
