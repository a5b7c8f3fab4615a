#pragma once
// Alignment polygons for the tests, given in metres as a user types them.
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/model/bus/alignment_tables.h"

#include <initializer_list>

namespace alignment_test {

struct Point {
    double x, y, radius = 0; // metres
};

// Start, IPs and end; the IP count follows from the points.
inline void SetPolygon(std::initializer_list<Point> points) {
    using namespace 縦断bus;
    ipsuu = static_cast<int>(points.size()) - 2;
    int p = 0;
    for (const Point& pt : points) {
        ipx(p) = static_cast<float>(pt.x * 1000);
        ipy(p) = static_cast<float>(pt.y * 1000);
        iphankei(p) = static_cast<float>(pt.radius * 1000);
        ++p;
    }
}

// Places one station (chainage in metres) in row k, with auxiliary points 1 mm either side.
inline void PlaceStation(int k, double metres) {
    using namespace 縦断bus;
    hojokyori = 1.0f;
    sokutenbangou = k;
    sokutenkyori(k) = static_cast<float>(metres * 1000);
    keisansokutenzahyou();
}

} // namespace alignment_test
