// ID: prints the coordinates of a point with LUPREC decimals; the point becomes LASTPOINT.
#include "cad/command/command_host.h"
#include "cad/command/coordinate_text.h"
#include "cad/command/host_commands.h"

namespace cad::command {

CommandTask IdCommand(Session& s) {
    CommandHost* host = HostOf(s);
    if (host) host->PointWanted();
    const Answer a = co_await s.AskPoint("Specify point: ");
    if (a.kind != Answer::Point) co_return;
    s.Message(PointReport(a.point, host ? host->Variables().luprec : 4));
}

} // namespace cad::command
