#include "cad/command/dde_endpoint.h"

#include "platform/runtime/error.h"

namespace cad::command {

DdeEndpoint::DdeEndpoint(CommandLine& commandLine, std::string application, std::string topic)
        : registration_(std::move(application), std::move(topic), [&commandLine](const std::string& command) {
              // A question for the user is not answered by a string sent.
              if (commandLine.AsksUser())
                  throw rt::Error(rt::errApplication, "ＣＡＤは図面を保存するかどうか問い合わせ中です");
              commandLine.Type(command);
          }) {}

} // namespace cad::command
