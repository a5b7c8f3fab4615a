#include "vantor/drawing/plan/station_plot.h"

#include "platform/forms/msgbox.h"
#include "platform/runtime/number_text.h"
#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/drawing/plan/station_direction.h"
#include "vantor/drawing/plan/station_label.h"
#include "vantor/geometry/alignment/keisansokutenzahyou.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/drawing_tables.h"

namespace 縦断bus {

namespace {

namespace channel = cad_channel;

// The last entry of the station tables: beyond every station and its end-of-road entry while
// the stations fit the tables, and put back after use in any case.
constexpr int kScratch = sokutenx.UBound();

struct Placed {
    float x, y;
};

// Plan point of a chainage [mm], computed in the scratch entry.
Placed Place(float chainage) {
    const int counter = sokutenbangou;
    const float saved[] = {sokutenkyori(kScratch),
                           sokutenx(kScratch),
                           sokuteny(kScratch),
                           hojox(kScratch, hojo_col::kBefore),
                           hojox(kScratch, hojo_col::kAfter),
                           hojoy(kScratch, hojo_col::kBefore),
                           hojoy(kScratch, hojo_col::kAfter)};
    const auto savedSides = sayuu;
    const std::string savedSide = sayuumoji;

    sokutenbangou = kScratch;
    sokutenkyori(kScratch) = chainage;
    keisansokutenzahyou();
    const Placed placed{sokutenx(kScratch), sokuteny(kScratch)};

    sokutenbangou = counter;
    sokutenkyori(kScratch) = saved[0];
    sokutenx(kScratch) = saved[1];
    sokuteny(kScratch) = saved[2];
    hojox(kScratch, hojo_col::kBefore) = saved[3];
    hojox(kScratch, hojo_col::kAfter) = saved[4];
    hojoy(kScratch, hojo_col::kBefore) = saved[5];
    hojoy(kScratch, hojo_col::kAfter) = saved[6];
    sayuu = savedSides;
    sayuumoji = savedSide;
    return placed;
}

} // namespace

bool ReadyToPlotStation() {
    if (HasPlanSizes()) return true;
    forms::MsgBox("測点表示円と文字の大きさがまだ決まっていません。先に平面図を作図してください。",
                  forms::vbExclamation);
    return false;
}

void PlotStation(double metres) {
    const float chainage = static_cast<float>(metres * 1000);
    const Placed station = Place(chainage);
    channel::Send("CIRCLE");
    channel::Send(channel::Point(station.x, station.y) + " " + rt::CStr(enkei));
    channel::Send("DTEXT ");
    channel::CloseTextEntry();
    SendStationLabel(station.x, station.y, chainage, SetDirectionAt(chainage));
    channel::CloseTextEntry();
}

} // namespace 縦断bus
