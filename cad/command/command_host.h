#pragma once
// What the commands that reach beyond the drawing need of the program the command line runs
// in: its system variables, its files and its end. A command line without a host refuses
// those commands. Paths are the CAD's own (drive letter and backslashes).
#include "cad/command/session.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad::command {

struct SystemVariables {
    int filedia = 1; // 0: file names are asked on the command line
    int luprec = 4;  // decimal places of the coordinates the CAD prints
    int sdimode = 0; // 1: one drawing per window
};

// What the user chose to do with unsaved changes before the drawing goes.
enum class SaveChoice { Save, Discard, Cancel };

class CommandHost {
public:
    virtual ~CommandHost() = default;

    virtual SystemVariables& Variables() = 0;
    // A command has set the variable (upper case name); the host may keep it elsewhere too.
    virtual void VariableSet(std::string_view name) = 0;

    // Whether SAVEAS asks for the file format before the file name.
    virtual bool AsksFileFormat() const = 0;
    // The drawing's file; empty until it was saved.
    virtual std::string DrawingPath() const = 0;
    virtual std::string DrawingName() const = 0;
    // Whether the drawing has changed since it was started, opened or saved as its file.
    virtual bool HasUnsavedChanges() const = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Writes the drawing (or part of one) to the file; a drawing saved this way takes its
    // name when `becomesDrawingFile`. Raises rt::Error naming the file when it cannot.
    virtual void WriteDrawing(const Drawing& drawing, const std::string& path, bool becomesDrawingFile) = 0;
    virtual void WriteTextFile(const std::string& path, const std::string& text) = 0;
    // Raises rt::Error naming the file when it cannot be read.
    virtual std::string ReadTextFile(const std::string& path) = 0;
    // Opens the drawing file (DXF) in the drawing, which takes its name; returns what of the
    // file could not be read. Raises rt::Error naming the file when it cannot be read.
    virtual std::vector<std::string> OpenDrawing(const std::string& path, Drawing& drawing) = 0;

    // The command has emptied the drawing for a new one: it has no file and no changes.
    virtual void StartNewDrawing() = 0;
    // Asks the user in a dialog what to do with the unsaved changes; none when the host has no
    // dialogs, and the command line asks.
    virtual std::optional<SaveChoice> AskSaveChanges() { return std::nullopt; }
    // Asks the user in a file dialog for the name to save the drawing under (empty: the user
    // gave up); none when the host has no dialogs, and the command line asks.
    virtual std::optional<std::string> ChooseDrawingFile() { return std::nullopt; }

    // Types the text (UTF-8) at the command line once the current input has been taken.
    virtual void TypeLater(std::string text) = 0;
    // Ends the program once the current input has been taken.
    virtual void Quit() = 0;
    // A command waits for the user to pick a point: the program's window comes forward so
    // that the user sees the prompt and can pick.
    virtual void PointWanted() {}
};

// Gives the session its host while the attachment lives.
class HostAttachment {
public:
    HostAttachment(Session& session, CommandHost& host);
    ~HostAttachment();
    HostAttachment(const HostAttachment&) = delete;
    HostAttachment& operator=(const HostAttachment&) = delete;

private:
    Session& session_;
};

// Null when the session has no host.
CommandHost* HostOf(const Session& session);

} // namespace cad::command
