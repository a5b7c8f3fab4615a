#pragma once
// Puts a command line on a DDE server: every string executed on the (application, topic)
// pair is typed at the command line as it arrives (code page 932 bytes), except while the
// command line asks a question only the user may answer: the execute is refused then.
#include "cad/command/command_line.h"
#include "platform/dde/dde_server.h"

#include <string>

namespace cad::command {

class DdeEndpoint {
public:
    DdeEndpoint(CommandLine& commandLine, std::string application, std::string topic);

private:
    dde::ServerRegistration registration_;
};

} // namespace cad::command
