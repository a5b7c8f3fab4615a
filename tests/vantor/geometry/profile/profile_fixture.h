#pragma once
// A profile typed into tatedata as the grid stores it: columns 1-4 given or empty, the
// computed columns 5-8 empty.
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <initializer_list>

namespace profile_test {

inline constexpr float E = 縦断bus::kEmpty;

struct Row {
    float station = E, ground = E, reference = E, curve = E;
};

// Writes `rows` into columns 1-4 from row 1 on; returns how many rows were written.
inline int PutRows(std::initializer_list<Row> rows) {
    using namespace 縦断bus;
    int r = 0;
    for (const Row& row : rows) {
        ++r;
        tatedata(r, 1) = row.station;
        tatedata(r, 2) = row.ground;
        tatedata(r, 3) = row.reference;
        tatedata(r, 4) = row.curve;
    }
    return r;
}

inline void LoadProfile(std::initializer_list<Row> rows, int decimals = 2) {
    using namespace 縦断bus;
    ResetState();
    ketasuu = decimals;
    for (int r = 1; r <= decltype(tatedata)::UBound(); ++r)
        for (int c = 1; c <= 8; ++c) tatedata(r, c) = kEmpty;
    sokutensuu = PutRows(rows);
}

// Crest: grades +2 % and -1 %, a 60 m curve on the change point at 100 (VCB 70, VCE 130).
inline void LoadCrest() {
    LoadProfile({{0, 47, 48}, {70, 48}, {85, 49}, {100, 49.5f, 50, 60}, {130, 49}, {150, 48}, {200, 47.5f, 49}});
}

// Sag: grades -2 % and +3 %, a 40 m curve on the change point at 50 (VCB 30, VCE 70).
inline void LoadSag(int decimals = 2) {
    LoadProfile({{0, 10.5f, 10}, {30, 9.0f}, {40, 9.1f}, {50, 9.2f, 9.0f, 40}, {70, 9.3f}, {150, 12.5f, 12.0f}},
                decimals);
}

} // namespace profile_test
