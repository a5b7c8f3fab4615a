#pragma once
// Point counts of the section tables: the leading points 0..19 of a side whose offset text is
// not empty (counting stops at the first empty one).

namespace 縦断bus {

// genkyouhidarisuu and genkyoumigisuu of the station.
void keisantensuu(int station);
// kirimorihidarisuu and kirimorimigisuu of the station.
void keisantensuukirimori(int station);

} // namespace 縦断bus
