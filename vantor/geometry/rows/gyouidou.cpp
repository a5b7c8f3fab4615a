#include "vantor/geometry/rows/gyouidou.h"

#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"

namespace 縦断bus {

namespace {

// The cross-section text table holds fewer rows (200) than the others (500): its rows move
// only within its bound, and a row beyond it reads as empty.
template <typename T>
bool HasRow(const T& table, int r) {
    return r <= table.UBound(1);
}

template <typename T>
void MoveDown(T& table, int lastColumn, int from, int last) {
    for (int m = last + 1; m >= from + 1; --m) {
        if (!HasRow(table, m)) continue;
        for (int c = 1; c <= lastColumn; ++c) table(m, c) = table(m - 1, c);
    }
}

template <typename T, typename V>
void MoveUp(T& table, int lastColumn, int from, int last, const V& empty) {
    for (int m = from; m <= last; ++m) {
        if (!HasRow(table, m)) break;
        for (int c = 1; c <= lastColumn; ++c) table(m, c) = HasRow(table, m + 1) ? table(m + 1, c) : empty;
    }
}

template <typename T, typename V>
void Empty(T& table, int lastColumn, int r, const V& value) {
    if (!HasRow(table, r)) return;
    for (int c = 1; c <= lastColumn; ++c) table(r, c) = value;
}

} // namespace

void gyouwosageru(int from, int last) {
    MoveDown(tatedata, 7, from, last);
    MoveDown(yokodata, 10, from, last);
    MoveDown(yokosakuzudata, 6, from, last);
    MoveDown(rokatadata, 9, from, last);
}

void gyouwoageru(int from, int last) {
    MoveUp(tatedata, 7, from, last, kEmpty);
    MoveUp(yokodata, 10, from, last, kEmpty);
    MoveUp(yokosakuzudata, 6, from, last, std::string());
    MoveUp(rokatadata, 9, from, last, 0.0f);
}

void gyouwokesu(int r, const std::string& moji) {
    Empty(tatedata, 7, r, kEmpty);
    Empty(yokodata, 10, r, kEmpty);
    Empty(yokosakuzudata, 6, r, moji);
    Empty(rokatadata, 9, r, 0.0f);
}

} // namespace 縦断bus
