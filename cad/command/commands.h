#pragma once
// The commands the command line knows, by their word (upper case, without "_" or "-").
#include "cad/command/session.h"

#include <string_view>

namespace cad::command {

// Null when no command has that word.
CommandFactory FindCommand(std::string_view word);

CommandTask PlineCommand(Session& s);
CommandTask LineCommand(Session& s);
CommandTask CircleCommand(Session& s);
CommandTask ArcCommand(Session& s);
CommandTask DtextCommand(Session& s);
CommandTask EraseCommand(Session& s);
CommandTask MoveCommand(Session& s);
CommandTask RotateCommand(Session& s);
CommandTask StretchCommand(Session& s);
CommandTask ExplodeCommand(Session& s);
CommandTask ZoomCommand(Session& s);
CommandTask InsertCommand(Session& s);
CommandTask BlockCommand(Session& s);
CommandTask CecolorCommand(Session& s);

} // namespace cad::command
