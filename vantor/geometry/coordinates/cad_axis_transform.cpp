#include "vantor/geometry/coordinates/cad_axis_transform.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/drawing_tables.h"

namespace 縦断bus::coordinates {

std::vector<std::string> CadAxisLines(double p3, double p4, double degrees) {
    using rt::CStr;
    return {"move",
            "ALL\r",
            CStr(-1000 * p3) + "," + CStr(-1000 * p4),
            "@" + CStr(1000 * p3) + "," + CStr(1000 * p4),
            "rotate",
            "ALL\r",
            "0,0",
            CStr(degrees)};
}

bool SendCadAxisTransform(double p3, double p4, double degrees) {
    const std::vector<std::string> lines = CadAxisLines(p3, p4, degrees);
    return cad_channel::RunDrawing([&lines] {
        for (const std::string& line : lines) {
            komando = line;
            cad_channel::Send(komando);
        }
    });
}

} // namespace 縦断bus::coordinates
