#include "vantor/drawing/plan/sakuzusen.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/plan_geometry.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/station_tables.h"

namespace 縦断bus {

namespace {

namespace channel = cad_channel;

struct EdgeSide {
    Table<float, 500>& x;
    Table<float, 500>& y;
    int widthColumn;
};

void DrawEdge(const EdgeSide& side, int from, int curve) {
    const int to = from + 1;
    if (yokodata(from, side.widthColumn) == kEmpty || yokodata(to, side.widthColumn) == kEmpty) return;
    if (curve == 0) {
        channel::Send("LINE " + LinePoint(side.x(from), side.y(from)) + LinePoint(side.x(to), side.y(to)));
        return;
    }
    const bool left = TurnsLeftAt(curve);
    const int start = left ? from : to, end = left ? to : from;
    channel::Send("arc");
    channel::Send(channel::Point(side.x(start), side.y(start)));
    channel::Send("c");
    channel::Send(channel::Point(chuushinx(curve), chuushiny(curve)) + " " + channel::Point(side.x(end), side.y(end)));
}

} // namespace

void sakuzusen() {
    const EdgeSide left{fukuinhidarix, fukuinhidariy, yoko_col::kLeftWidth};
    const EdgeSide right{fukuinmigix, fukuinmigiy, yoko_col::kRightWidth};
    const int n = heimensokutensuu;
    for (int from = 1; from <= n - 1; ++from) {
        const int curve = CurveHolding(from);
        DrawEdge(left, from, curve);
        DrawEdge(right, from, curve);
    }
}

} // namespace 縦断bus
