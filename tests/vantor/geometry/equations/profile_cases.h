#pragma once
// The crest and sag profiles worked by hand, loaded into the profile table and computed.
#include "vantor/geometry/keisantate.h"
#include "vantor/shell/縦断bus.h"

#include <initializer_list>

namespace profile_cases {

inline constexpr float E = 縦断bus::kEmpty;

struct Row {
    float station, ground, reference = E, lv = E;
};

inline void Load(std::initializer_list<Row> rows) {
    using namespace 縦断bus;
    ResetState();
    ketasuu = 2;
    for (int r = 1; r <= 500; ++r)
        for (int c = 1; c <= 8; ++c) tatedata(r, c) = kEmpty;
    sokutensuu = 0;
    for (const Row& row : rows) {
        ++sokutensuu;
        tatedata(sokutensuu, 1) = row.station;
        tatedata(sokutensuu, 2) = row.ground;
        tatedata(sokutensuu, 3) = row.reference;
        tatedata(sokutensuu, 4) = row.lv;
    }
    keisantate();
}

// Grades 0.02 and -0.01 meeting at station 100, height 50, under a 60 m curve (70 .. 130).
inline void LoadCrest() {
    Load({{0, 47, 48}, {70, 48}, {85, 49}, {100, 49.5f, 50, 60}, {130, 49}, {150, 48}, {200, 47.5f, 49}});
}

// Grades -0.04 and 0.03 meeting at station 50, height 9, under a 40 m curve (30 .. 70).
inline void LoadSag() {
    Load({{0, 10.5f, 10}, {30, 9.0f}, {40, 9.1f}, {50, 9.2f, 9.0f, 40}, {70, 9.3f}, {150, 12.5f, 12.0f}});
}

} // namespace profile_cases
