#pragma once
// The 3D line as the model sends it: "LINE " and two points, each X,Y,Z and a blank, every
// number in single precision; the channel adds the carriage return that ends the command.
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/model3d_tables.h"

namespace 縦断bus {

struct ModelPoint {
    float x = 0, y = 0, z = 0;
    // An edge point left out of the model (no width or no slopes on its side).
    bool IsEmpty() const { return x == kEmpty; }
};

inline ModelPoint CentrePoint(int i, int s) {
    return {d3chuushin(i, s, chuushin_col::kX), d3chuushin(i, s, chuushin_col::kY), d3chuushin(i, s, chuushin_col::kZ)};
}

inline void SendModelLine(const ModelPoint& a, const ModelPoint& b) {
    cad_channel::Send("LINE " + cad_channel::Point(a.x, a.y, a.z) + " " + cad_channel::Point(b.x, b.y, b.z) + " ");
}

// Sends the line unless one of its ends is left out.
inline void SendModelLineIfWhole(const ModelPoint& a, const ModelPoint& b) {
    if (!a.IsEmpty() && !b.IsEmpty()) SendModelLine(a, b);
}

} // namespace 縦断bus
