#include "vantor/drawing/plan/station_label.h"

#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/station_direction.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/station_tables.h"

#include <cmath>

namespace 縦断bus {

namespace channel = cad_channel;

Normals PlaceStationEdges(int k) {
    const Normals normals = SetStationDirection(k);
    PointToward(sokutenx(k), sokuteny(k), double(yokodata(k, yoko_col::kLeftWidth)) * 1000, normals.left,
                fukuinhidarix(k), fukuinhidariy(k));
    PointToward(sokutenx(k), sokuteny(k), double(yokodata(k, yoko_col::kRightWidth)) * 1000, normals.right,
                fukuinmigix(k), fukuinmigiy(k));
    return normals;
}

void SendStationLabel(float x, float y, float chainage, const Normals& normals) {
    PointToward(x, y, mojiichi, normals.left, mojix, mojiy);
    channel::Send(channel::Point(mojix, mojiy));
    channel::Send(rt::CStr(mojidaka));
    channel::Send(rt::CStr(wkhidarikaku));
    channel::Send(channel::TextAnswer(StationLabelText(chainage)));
    channel::CloseTextEntry();
}

std::string StationLabelText(float chainage) {
    const double metres = chainage / 1000.0;
    const double whole = std::floor(metres);
    const float pastWhole = static_cast<float>(std::fabs(metres - whole));
    if (pastWhole < 0.009f) return "+ " + rt::CStr(whole) + ".00";
    return "+ " + rt::CStr(std::floor(double(chainage) + 0.5) / 1000);
}

void sakuzusokuten() {
    const int k = sokutenbangou;
    const Normals normals = PlaceStationEdges(k);
    SendStationLabel(sokutenx(k), sokuteny(k), sokutenkyori(k), normals);
}

} // namespace 縦断bus
