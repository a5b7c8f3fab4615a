#include "vantor/sections/earthwork/point_counts.h"

#include "vantor/model/縦断bus.h"
#include "vantor/sections/earthwork/earthwork_state.h"

namespace 縦断bus {

namespace {

int LeadingPoints(const Table<std::string, 50, 20, 2>& points, int station) {
    int count = 0;
    while (count < kSectionPoints && !points(station, count, 1).empty()) ++count;
    return count;
}

} // namespace

void keisantensuu(int station) {
    genkyouhidarisuu(station) = LeadingPoints(genkyouhidari, station);
    genkyoumigisuu(station) = LeadingPoints(genkyoumigi, station);
}

void keisantensuukirimori(int station) {
    kirimorihidarisuu(station) = LeadingPoints(kirimorihidari, station);
    kirimorimigisuu(station) = LeadingPoints(kirimorimigi, station);
}

} // namespace 縦断bus
