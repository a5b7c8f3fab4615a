#include "vantor/shoulder3d/model3d/keisanhoukou.h"

#include "vantor/drawing/plan/station_direction.h"
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

void keisanhoukou() {
    const int i = d3kukan, s = d3bangou;
    SetDirection(static_cast<float>(double(d3hojox(s, 2)) - d3hojox(s, 1)),
                 static_cast<float>(double(d3hojoy(s, 2)) - d3hojoy(s, 1)));
    const float x = d3chuushin(i, s, 1), y = d3chuushin(i, s, 2);
    PointToward(x, y, d3hidarifukuin(s), wkhidarikaku, d3hidarix(i, s), d3hidariy(i, s));
    PointToward(x, y, d3migifukuin(s), wkmigikaku, d3migix(i, s), d3migiy(i, s));
}

} // namespace 縦断bus
