#include "cad/command/commands.h"

#include "cad/command/commands_user.h"
#include "cad/command/host_commands.h"

#include <utility>

namespace cad::command {

CommandFactory FindCommand(std::string_view word) {
    static constexpr std::pair<std::string_view, CommandFactory> kCommands[] = {
        // clang-format off
        {"PLINE", PlineCommand},
        {"LINE", LineCommand},
        {"CIRCLE", CircleCommand},
        {"ARC", ArcCommand},
        {"DTEXT", DtextCommand},
        {"ERASE", EraseCommand},
        {"MOVE", MoveCommand},
        {"ROTATE", RotateCommand},
        {"STRETCH", StretchCommand},
        {"EXPLODE", ExplodeCommand},
        {"ZOOM", ZoomCommand},
        {"INSERT", InsertCommand},
        {"BLOCK", BlockCommand},
        {"CECOLOR", CecolorCommand},
        {"OPEN", OpenCommand},
        {"DXFIN", OpenCommand},
        {"EXPORT", ExportCommand},
        {"U", UCommand},
        {"UNDO", UndoCommand},
        // clang-format on
    };
    for (const auto& [name, factory] : kCommands)
        if (name == word) return factory;
    return FindHostCommand(word);
}

} // namespace cad::command
