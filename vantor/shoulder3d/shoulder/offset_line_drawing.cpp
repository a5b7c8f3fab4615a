#include "vantor/shoulder3d/shoulder/offset_line_drawing.h"

#include "vantor/drawing/cad_channel.h"
#include "vantor/drawing/plan/plan_geometry.h"
#include "vantor/shoulder3d/shoulder/offset_lines.h"

namespace 縦断bus {

namespace {

namespace channel = cad_channel;

// The first curve whose BC lies at or before station `from` and whose EC at or beyond the
// next station; 0 when none does.
int CurveHolding(int from) {
    for (int j = 1; j <= ipsuu; ++j)
        if (static_cast<float>(bcsokuten(j) / 1000.0) <= tatedata(from, 1) &&
            static_cast<float>(ecsokuten(j) / 1000.0) >= tatedata(from + 1, 1))
            return j;
    return 0;
}

} // namespace

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
