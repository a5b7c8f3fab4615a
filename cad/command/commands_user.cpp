#include "cad/command/commands_user.h"

#include "cad/command/command_host.h"
#include "cad/command/file_name_answer.h"
#include "cad/dxf/dxf_writer.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <cmath>

namespace cad::command {

namespace {

// Takes back up to `count` commands, telling each in the history.
void TakeBack(Session& s, long long count) {
    for (long long i = 0; i < count; ++i) {
        const auto command = s.undo().UndoLast(s.drawing());
        if (!command) {
            s.Message(i == 0 ? "Nothing to undo." : "Everything has been undone.");
            return;
        }
        s.Message(*command + " undone.");
    }
}

} // namespace

CommandTask ExportCommand(Session& s) {
    const Answer file = co_await s.AskText("DXF file to save the drawing as: ");
    if (file.kind == Answer::Enter) co_return;
    const std::string path = FileNameAnswer(file.text, ".dxf");
    try {
        if (CommandHost* host = HostOf(s)) host->WriteDrawing(s.drawing(), path, false);
        else dxf::WriteDxf(s.drawing(), path);
        s.Message("Drawing saved as " + path);
    } catch (const rt::Error& e) {
        s.Refuse(file.text, e.Description());
    }
}

CommandTask UCommand(Session& s) {
    TakeBack(s, 1);
    co_return;
}

CommandTask UndoCommand(Session& s) {
    const Answer n = co_await s.AskNumber("Number of commands to undo <1>: ", NumberRule::Positive);
    if (n.kind == Answer::Number && n.number != std::floor(n.number)) {
        s.Refuse(n.text, "A whole number of commands expected.");
        co_return;
    }
    TakeBack(s, n.kind == Answer::Number ? static_cast<long long>(std::min(n.number, 1e9)) : 1);
}

} // namespace cad::command
