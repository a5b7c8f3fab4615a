#pragma once
// The commands that need the program around the command line (command_host.h): system
// variables, point inquiry, saving, export, scripts and the end of the program.
#include "cad/command/session.h"

#include <string_view>

namespace cad::command {

// Null when no command of this family has that word (upper case, without "_" or "-").
CommandFactory FindHostCommand(std::string_view word);

CommandTask FilediaCommand(Session& s);
CommandTask LuprecCommand(Session& s);
CommandTask SdimodeCommand(Session& s);
CommandTask LastpointCommand(Session& s);
CommandTask DwgnameCommand(Session& s);
CommandTask IdCommand(Session& s);
CommandTask SaveasCommand(Session& s);
CommandTask QsaveCommand(Session& s);
CommandTask QuitCommand(Session& s);
CommandTask NewCommand(Session& s);
CommandTask ScriptCommand(Session& s);
CommandTask DxfoutCommand(Session& s);
CommandTask AttextCommand(Session& s);

} // namespace cad::command
