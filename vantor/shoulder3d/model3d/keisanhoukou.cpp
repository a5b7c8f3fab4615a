#include "vantor/shoulder3d/model3d/keisanhoukou.h"

#include "vantor/drawing/plan/station_direction.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/shoulder3d/model3d/model_build.h"

namespace 縦断bus {

void keisanhoukou() {
    const int i = d3kukan, s = d3bangou;
    const Normals normals = SetDirectionAt(SubPointChainage(i, s));
    const float x = d3chuushin(i, s, chuushin_col::kX), y = d3chuushin(i, s, chuushin_col::kY);
    PointToward(x, y, d3hidarifukuin(s), normals.left, d3hidarix(i, s), d3hidariy(i, s));
    PointToward(x, y, d3migifukuin(s), normals.right, d3migix(i, s), d3migiy(i, s));
}

} // namespace 縦断bus
