#pragma once
// The CAD's window: the drawing, the history of the command line under it and the command
// line itself, where the user can type as the other channels do. Follows every change the
// command line reports.
#include "cad/command/command_line.h"

#include <QWidget>

class QPlainTextEdit;

namespace cad::view {

class DrawingCanvas;
class CommandInput;

class CadWindow : public QWidget {
public:
    CadWindow(Drawing& drawing, command::CommandLine& commandLine, QWidget* parent = nullptr);

    // Repaints the drawing and shows the history and prompt as they stand.
    void Refresh();

private:
    command::CommandLine& commandLine_;
    DrawingCanvas* canvas_;
    QPlainTextEdit* history_;
    CommandInput* input_;
    bool refreshPending_ = false;
};

} // namespace cad::view
