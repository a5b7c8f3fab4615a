#include "vantor/drawing/profile_sheet/band_defaults.h"

#include "vantor/model/bus/drawing_tables.h"

namespace 縦断bus::profile_sheet {

void SetBandDefaults() {
    taitorusaizu = 30;
    mojisaizu = 5;
    suujisaizu = 4;
    const char* bands[11][3] = {{"勾", "　", "配"}, {"盛", "  ", "土"}, {"切", "　", "土"}, {"計", "画", "高"},
                                {"縦", "曲", "線"}, {"地", "盤", "高"}, {"単", "　", "距"}, {"測", "　", "点"},
                                {"曲", "　", "線"}, {"片", "勾", "配"}, {"拡", "幅", "量"}};
    for (int k = 1; k <= 11; ++k)
        for (int row = 1; row <= 3; ++row) obimoji(k, row) = bands[k - 1][row - 1];
    const float heights[12] = {1.5f, 2, 1.5f, 1.5f, 2, 1.5f, 2, 2, 2, 2, 2.5f, 2.5f};
    for (int k = 1; k <= 12; ++k) obitakasa(k) = heights[k - 1];
}

} // namespace 縦断bus::profile_sheet
