#pragma once
// Fixed-size tables with lower bound 0 and inclusive upper bounds, as the program declares
// them: Table<float, 500, 8> is (0 To 500, 0 To 8). An index outside the bounds raises
// error 9 instead of touching memory that is not the table's.
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace rt {

template <typename T, int... Upper>
class Table {
    static_assert(sizeof...(Upper) >= 1 && sizeof...(Upper) <= 3);
    static constexpr std::array<int, sizeof...(Upper)> kUpper{Upper...};
    static constexpr std::size_t kSize = ((static_cast<std::size_t>(Upper) + 1) * ...);

public:
    static constexpr int UBound(int dimension = 1) { return kUpper[dimension - 1]; }

    template <typename... I>
    T& operator()(I... index) {
        return cells_[Offset(static_cast<int>(index)...)];
    }
    template <typename... I>
    const T& operator()(I... index) const {
        return cells_[Offset(static_cast<int>(index)...)];
    }

    void Fill(const T& v) { std::fill(cells_.begin(), cells_.end(), v); }

    bool operator==(const Table&) const = default;

private:
    template <typename... I>
    static std::size_t Offset(I... index) {
        static_assert(sizeof...(I) == sizeof...(Upper), "wrong number of indexes");
        const int idx[] = {index...};
        std::size_t off = 0;
        for (std::size_t d = 0; d < sizeof...(Upper); ++d) {
            if (idx[d] < 0 || idx[d] > kUpper[d])
                Raise(errSubscript, "index " + CStr(idx[d]) + " outside 0 To " + CStr(kUpper[d]));
            off = off * (static_cast<std::size_t>(kUpper[d]) + 1) + static_cast<std::size_t>(idx[d]);
        }
        return off;
    }

    std::array<T, kSize> cells_{};
};

} // namespace rt
