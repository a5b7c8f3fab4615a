#include "vantor/shoulder3d/shoulder/offset_line_drawing.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/plan_geometry.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"

namespace 縦断bus {

namespace channel = cad_channel;

void DrawOffsetLine(int k) {
    const OffsetLine& line = OffsetLineOf(k);
    const auto point = [&line](int station) { return channel::Point(line.x(station), line.y(station)); };
    const int n = heimensokutensuu;
    for (int from = 1; from <= n - 1; ++from) {
        const int to = from + 1;
        const float width = OffsetWidth(line, from);
        if (width == 0 || OffsetWidth(line, to) == 0) continue;
        const int curve = width == OffsetWidth(line, to) ? CurveHolding(from) : 0;
        if (curve == 0) {
            channel::Send("LINE " + point(from) + " " + point(to) + " ");
            continue;
        }
        // Counter-clockwise about the centre: from the earlier station on a left curve.
        const bool left = TurnsLeftAt(curve);
        channel::Send("arc");
        channel::Send(point(left ? from : to));
        channel::Send("c");
        channel::Send(channel::Point(chuushinx(curve), chuushiny(curve)) + " " + point(left ? to : from));
    }
}

} // namespace 縦断bus
