// System variables typed as commands: FILEDIA, LUPREC, SDIMODE and LASTPOINT ask for a new
// value with the current one as default; DWGNAME is read only and prints its value.
#include "cad/command/command_host.h"
#include "cad/command/command_line.h"
#include "cad/command/coordinate_text.h"
#include "cad/command/host_commands.h"
#include "platform/runtime/number_text.h"

#include <cmath>

namespace cad::command {

namespace {

std::string NewValuePrompt(std::string_view name, const std::string& current) {
    return "Enter new value for " + std::string(name) + " <" + current + ">: ";
}

// The variable's name as it was typed ("_luprec"): the CAD prints it back that way.
std::string TypedName(Session& s, std::string_view fallback) {
    const auto* line = dynamic_cast<const CommandLine*>(&s);
    if (!line || line->History().empty()) return std::string(fallback);
    const std::string& echo = line->History().back();
    const std::size_t colon = echo.rfind(": ");
    return colon == std::string::npos ? echo : echo.substr(colon + 2);
}

CommandTask IntegerVariable(Session& s, std::string_view name, int SystemVariables::*field, int low, int high) {
    CommandHost* host = HostOf(s);
    if (!host) {
        s.Refuse(name, "No system variables here.");
        co_return;
    }
    int& value = host->Variables().*field;
    const std::string range = "Requires an integer between " + rt::CStr(low) + " and " + rt::CStr(high) + ".";
    while (true) {
        const Answer a = co_await s.AskNumber(NewValuePrompt(name, rt::CStr(value)), NumberRule::Any);
        if (a.kind == Answer::Enter) co_return;
        if (a.number != std::floor(a.number) || a.number < low || a.number > high) {
            s.Refuse(a.text, range);
            continue;
        }
        value = static_cast<int>(a.number);
        host->VariableSet(name);
        co_return;
    }
}

} // namespace

CommandTask FilediaCommand(Session& s) { return IntegerVariable(s, "FILEDIA", &SystemVariables::filedia, 0, 1); }
CommandTask LuprecCommand(Session& s) { return IntegerVariable(s, "LUPREC", &SystemVariables::luprec, 0, 8); }
CommandTask SdimodeCommand(Session& s) { return IntegerVariable(s, "SDIMODE", &SystemVariables::sdimode, 0, 1); }

CommandTask LastpointCommand(Session& s) {
    CommandHost* host = HostOf(s);
    const int decimals = host ? host->Variables().luprec : 4;
    const Answer a = co_await s.AskPoint(NewValuePrompt("LASTPOINT", PointText(s.memory().lastPoint, decimals)));
    if (a.kind == Answer::Point) s.memory().lastPoint = a.point;
}

CommandTask DwgnameCommand(Session& s) {
    CommandHost* host = HostOf(s);
    if (!host) {
        s.Refuse("DWGNAME", "No system variables here.");
        co_return;
    }
    s.Message(TypedName(s, "DWGNAME") + " = \"" + host->DrawingName() + "\" (read only)");
}

} // namespace cad::command
