#include "cad/command/host_commands.h"

#include <array>
#include <utility>

namespace cad::command {

CommandFactory FindHostCommand(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, CommandFactory>, 13> kCommands{{
        {"FILEDIA", FilediaCommand},
        {"LUPREC", LuprecCommand},
        {"SDIMODE", SdimodeCommand},
        {"LASTPOINT", LastpointCommand},
        {"DWGNAME", DwgnameCommand},
        {"ID", IdCommand},
        {"SAVEAS", SaveasCommand},
        {"QSAVE", QsaveCommand},
        {"QUIT", QuitCommand},
        {"NEW", NewCommand},
        {"SCRIPT", ScriptCommand},
        {"DXFOUT", DxfoutCommand},
        {"ATTEXT", AttextCommand},
    }};
    for (const auto& [name, factory] : kCommands)
        if (name == word) return factory;
    return nullptr;
}

} // namespace cad::command
