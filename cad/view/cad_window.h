#pragma once
// The CAD's window: a menu bar, the drawing, the history of the command line under it, the
// command line itself, where the user can type as the other channels do, and a status line
// with the coordinates under the cursor. Follows every change the command line reports.
// What the user types and picks goes through the given user input, else to the command line.
//
// Menu ファイル: 新規 (NEW, Ctrl+N), 開く... (OPEN, Ctrl+O), 上書き保存 (QSAVE, Ctrl+S),
// 名前を付けて保存... and 終了 (closes the window as its close box does); 開く asks for a DXF
// file and types the command with its name. 名前を付けて保存 is SAVEAS, which asks for the file
// in the dialog of the program the command line runs in; a command line without one has the
// drawing exported to the DXF file chosen here (EXPORT). A running command is cancelled first.
// 編集: 元に戻す (U). 表示: 全体表示 (the extents).
#include "cad/command/command_line.h"
#include "cad/view/user_input.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;

namespace cad::view {

class DrawingCanvas;
class CommandInput;

class CadWindow : public QWidget {
public:
    CadWindow(Drawing& drawing, command::CommandLine& commandLine, UserInput* input = nullptr,
              QWidget* parent = nullptr);

    // Repaints the drawing and shows the history and prompt as they stand.
    void Refresh();

    enum class FileUse { Open, Save };
    // Asks for a file name (a native path), to save under `suggested` unless the user chooses
    // another; an empty name gives up. A name chosen to save under without an extension gets
    // ".dxf". File dialogs unless set otherwise (tests).
    QString ChooseFile(FileUse use, const QString& suggested = {});
    void SetFileChooser(std::function<QString(FileUse)> chooser) { chooseFile_ = std::move(chooser); }

    // The menu commands, as the menu runs them.
    void OpenFromMenu();
    void SaveFromMenu();

    DrawingCanvas* Canvas() const { return canvas_; }

    // Gives the keyboard back to the command line, wherever it was left (the menu bar after a
    // menu closed with Esc keeps it otherwise, and the keys typed go nowhere).
    void FocusCommandLine();

private:
    void BuildMenu();
    void TypeCommand(const std::string& words);

    command::CommandLine& commandLine_;
    std::unique_ptr<UserInput> ownInput_;
    UserInput& userInput_;
    DrawingCanvas* canvas_;
    QPlainTextEdit* history_;
    CommandInput* input_;
    QLabel* status_;
    bool refreshPending_ = false;
    std::function<QString(FileUse)> chooseFile_;
};

} // namespace cad::view
