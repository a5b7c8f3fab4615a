#include "vantor/geometry/grid/kazoetate.h"

#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <gtest/gtest.h>

namespace {

using namespace 縦断bus;

// `filled` stations from row 1 in a document of `rows` rows; rows past it hold stations of
// an earlier document.
void NewDocument(int rows, int filled) {
    ResetState();
    for (int r = 1; r <= 500; ++r) tatedata(r, 1) = r <= rows && r > filled ? kEmpty : 10.0f * r;
    sokutensuu = rows;
}

TEST(Kazoetate, CountsTheRowsAboveTheFirstWithoutStation) {
    struct Case {
        int rows, filled, hirakuflg, counted;
    } cases[] = {
        // clang-format off
        {100, 10, 0, 10},
        {100, 0, 0, 0},
        {100, 100, 0, 100},   // an earlier document's rows past the count are not counted
        {500, 500, 0, 500},   // a full table stops at its last row
        {100, 10, 1, 100},    // a document from Open keeps its count
        // clang-format on
    };
    for (const Case& c : cases) {
        NewDocument(c.rows, c.filled);
        hirakuflg = c.hirakuflg;
        kazoetate();
        EXPECT_EQ(sokutensuu, c.counted) << c.rows << " " << c.filled << " " << c.hirakuflg;
    }
}

} // namespace
