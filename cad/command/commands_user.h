#pragma once
// Commands of the user's own work in the CAD window: opening and saving drawing files and
// taking back commands.
#include "cad/command/session.h"

namespace cad::command {

// OPEN (also DXFIN): a DXF drawing file replaces the drawing; what of it cannot be read is
// told in the history. The commands before it can no longer be undone. In a program with its
// own files, changes not saved are asked about first, as NEW and QUIT do (commands_file.cpp).
CommandTask OpenCommand(Session& s);
// EXPORT: the drawing saved as a DXF file of the name given.
CommandTask ExportCommand(Session& s);
// U: takes back the last command that changed the drawing.
CommandTask UCommand(Session& s);
// UNDO: takes back the number of commands given (1 by default).
CommandTask UndoCommand(Session& s);

} // namespace cad::command
