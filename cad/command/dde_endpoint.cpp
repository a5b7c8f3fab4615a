#include "cad/command/dde_endpoint.h"

namespace cad::command {

DdeEndpoint::DdeEndpoint(CommandLine& commandLine, std::string application, std::string topic)
    : registration_(std::move(application), std::move(topic),
                    [&commandLine](const std::string& command) { commandLine.Type(command); }) {}

} // namespace cad::command
