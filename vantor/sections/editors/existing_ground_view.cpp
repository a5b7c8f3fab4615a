#include "vantor/sections/editors/existing_ground_view.h"

#include "vantor/drawing/channel/cad_channel.h"
#include "vantor/model/bus/station_tables.h"

namespace 縦断bus {

void sounyuugenkyoublock(int s) {
    using cad_channel::Send;
    const char* topLeft = "-30000,15000";
    const char* bottomRight = "30000,-15000";
    Send("erase");
    Send("W");
    Send(topLeft);
    Send(bottomRight);
    Send("");
    Send("-insert");
    Send(cad_channel::InsertAnswer(yokosakuzudata(s, sakuzu_col::kGroundBlock), cad_channel::Point(0, 0)));
    Send("zoom");
    Send(topLeft);
    Send(bottomRight);
    Send("explode");
    Send("W");
    Send(topLeft);
    Send(bottomRight);
    Send("");
}

} // namespace 縦断bus
