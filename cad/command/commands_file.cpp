// The drawing's file and the program's end: OPEN, SAVEAS, QSAVE, NEW, QUIT, and SCRIPT, which
// types the lines of a script file as if they were typed at the command line.
#include "cad/command/command_host.h"
#include "cad/command/commands_user.h"
#include "cad/command/file_name_answer.h"
#include "cad/command/host_commands.h"
#include "cad/dxf/dxf_reader.h"
#include "platform/runtime/error.h"

namespace cad::command {

namespace {

enum YesNo { kYes, kNo, kCancel };

CommandHost* RequireHost(Session& s, std::string_view command) {
    CommandHost* host = HostOf(s);
    if (!host) s.Refuse(command, std::string(command) + " is not available here.");
    return host;
}

std::string DefaultDrawingFile(CommandHost& host) {
    const std::string path = host.DrawingPath();
    return path.empty() ? host.DrawingName() : path;
}

// The name asked for a drawing without a file, and the file the answer names.
std::string NamePrompt(CommandHost& host) { return "Save drawing as <" + host.DrawingName() + ">: "; }
std::string NamedFile(CommandHost& host, const Answer& name) {
    return name.text.empty() ? host.DrawingName() : FileNameAnswer(name.text, ".dwg");
}

// Saves under the name and reports a failure in the history; true when saved.
bool Save(Session& s, CommandHost& host, const std::string& path) {
    try {
        host.WriteDrawing(s.drawing(), path, true);
        return true;
    } catch (const rt::Error& e) {
        s.Message(e.Description());
        return false;
    }
}

} // namespace

CommandTask SaveasCommand(Session& s) {
    CommandHost* host = RequireHost(s, "SAVEAS");
    if (!host) co_return;
    // With the file dialogs on, the host's dialog asks for the file (and for leave to replace
    // one); with them off, or without dialogs, the command line asks.
    if (host->Variables().filedia == 1) {
        if (const std::optional<std::string> chosen = host->ChooseDrawingFile()) {
            if (!chosen->empty()) Save(s, *host, *chosen);
            co_return;
        }
    }
    if (host->AsksFileFormat()) {
        std::vector<Keyword> formats{{0, "R14"}, {1, "2000"}};
        // The drawing is always written in the one format of this CAD.
        co_await s.AskKeyword("Enter file format [R14/2000] <2000>: ", std::move(formats));
    }
    const std::string current = DefaultDrawingFile(*host);
    const Answer name = co_await s.AskText("Save drawing as <" + current + ">: ");
    const std::string path = name.text.empty() ? current : FileNameAnswer(name.text, ".dwg");
    if (host->FileExists(path)) {
        std::vector<Keyword> yesNo{{kYes, "Y|YES"}, {kNo, "N|NO"}};
        const Answer replace = co_await s.AskKeyword(
            "A drawing with this name already exists. Replace it? [Yes/No] <N>: ", std::move(yesNo));
        if (replace.kind != Answer::Keyword || replace.keyword != kYes) co_return;
    }
    Save(s, *host, path);
}

CommandTask QsaveCommand(Session& s) {
    CommandHost* host = RequireHost(s, "QSAVE");
    if (!host) co_return;
    std::string path = host->DrawingPath();
    if (path.empty()) {
        std::optional<std::string> chosen = host->ChooseDrawingFile();
        if (!chosen) chosen = NamedFile(*host, co_await s.AskText(NamePrompt(*host)));
        if (chosen->empty()) co_return;
        path = *chosen;
    }
    Save(s, *host, path);
}

namespace {

enum class Leaving { Quit, NewDrawing, OpenFile };

// The drawing goes (the program ends, a new drawing or a drawing file replaces it). With
// changes not saved the user chooses, in the host's dialog or at the command line: save them
// (the name is asked when the drawing has no file yet), drop them, or go on working. A failed
// save goes on working. Only the user answers these questions: the channel is refused
// meanwhile. A command line without a host opens files and refuses the rest.
CommandTask LeaveDrawing(Session& s, std::string_view command, Leaving leaving) {
    std::string opened;
    Answer file;
    if (leaving == Leaving::OpenFile) {
        file = co_await s.AskText("Drawing file to open: ");
        if (file.kind == Answer::Enter) co_return;
        opened = FileNameAnswer(file.text, ".dxf");
    }
    CommandHost* host = leaving == Leaving::OpenFile ? HostOf(s) : RequireHost(s, command);
    if (!host && leaving != Leaving::OpenFile) co_return;
    if (host && host->HasUnsavedChanges()) {
        // A file that is not there replaces nothing: nothing is asked.
        if (leaving == Leaving::OpenFile && !host->FileExists(opened)) {
            s.Refuse(file.text, "Cannot read " + opened);
            co_return;
        }
        std::optional<SaveChoice> choice = host->AskSaveChanges();
        if (!choice) {
            Question q;
            q.prompt = "Save changes to " + host->DrawingName() + "? [Yes/No/Cancel] <Yes>: ";
            q.keywords = {{kYes, "Y|YES"}, {kNo, "N|NO"}, {kCancel, "C|CANCEL"}};
            q.hint = "Option keyword expected.";
            q.forUser = true;
            const Answer a = co_await s.Ask(std::move(q));
            const int keyword = a.kind == Answer::Keyword ? a.keyword : kYes;
            choice = keyword == kYes ? SaveChoice::Save : keyword == kNo ? SaveChoice::Discard : SaveChoice::Cancel;
        }
        if (*choice == SaveChoice::Cancel) co_return;
        if (*choice == SaveChoice::Save) {
            std::string path = host->DrawingPath();
            if (path.empty()) {
                std::optional<std::string> chosen = host->ChooseDrawingFile();
                if (!chosen) {
                    Question q;
                    q.prompt = NamePrompt(*host);
                    q.text = true;
                    q.forUser = true;
                    chosen = NamedFile(*host, co_await s.Ask(std::move(q)));
                }
                if (chosen->empty()) co_return;
                path = *chosen;
            }
            if (!Save(s, *host, path)) co_return;
        }
    }
    switch (leaving) {
    case Leaving::Quit: host->Quit(); break;
    case Leaving::NewDrawing:
        s.drawing().TakeContents(Drawing());
        s.undo().Clear();
        host->StartNewDrawing();
        break;
    case Leaving::OpenFile:
        try {
            // A program the command line runs in has its own files and names the drawing after them.
            const std::vector<std::string> warnings =
                host ? host->OpenDrawing(opened, s.drawing()) : dxf::OpenDxf(opened, s.drawing());
            s.undo().Clear();
            for (const std::string& w : warnings) s.Message(w);
        } catch (const rt::Error& e) {
            s.Refuse(file.text, e.Description());
        }
        break;
    }
}

} // namespace

CommandTask OpenCommand(Session& s) { return LeaveDrawing(s, "OPEN", Leaving::OpenFile); }

CommandTask QuitCommand(Session& s) { return LeaveDrawing(s, "QUIT", Leaving::Quit); }

CommandTask NewCommand(Session& s) { return LeaveDrawing(s, "NEW", Leaving::NewDrawing); }

CommandTask ScriptCommand(Session& s) {
    CommandHost* host = RequireHost(s, "SCRIPT");
    if (!host) co_return;
    const std::string suggested = WithExtension(host->DrawingName(), ".scr");
    const Answer name = co_await s.AskText("Enter script file name <" + suggested + ">: ");
    const std::string path = name.text.empty() ? suggested : FileNameAnswer(name.text, ".scr");
    std::string script;
    try {
        script = host->ReadTextFile(path);
    } catch (const rt::Error& e) {
        s.Message(e.Description());
        co_return;
    }
    // Line ends are Enter; a line feed after a carriage return is the same line end.
    std::string keys;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == '\r' && i + 1 < script.size() && script[i + 1] == '\n') continue;
        keys += script[i] == '\n' ? '\r' : script[i];
    }
    host->TypeLater(std::move(keys));
}

} // namespace cad::command
