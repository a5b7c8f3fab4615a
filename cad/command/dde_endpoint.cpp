#include "cad/command/dde_endpoint.h"

#include "platform/runtime/error.h"

namespace cad::command {

DdeEndpoint::DdeEndpoint(CommandLine& commandLine, std::string application, std::string topic)
    : registration_(std::move(application), std::move(topic),
                    [&commandLine](const std::string& command) {
                        // A question for the user is not answered by a string sent.
                        if (commandLine.AsksUser())
                            throw rt::Error(rt::errApplication, "the CAD asks the user whether to save the drawing");
                        commandLine.Type(command);
                    }) {}

} // namespace cad::command
