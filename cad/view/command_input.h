#pragma once
// The command line under the drawing: shows the prompt and what is typed, and passes every
// key to the command line as it is pressed (Enter = CR, Esc = cancel, Backspace), texts in
// code page 932 as the other input channels bring them.
#include "cad/command/command_line.h"

#include <QLineEdit>

namespace cad::view {

class CommandInput : public QLineEdit {
public:
    explicit CommandInput(command::CommandLine& commandLine, QWidget* parent = nullptr);
    void Refresh();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void TypeText(const QString& text);

    command::CommandLine& commandLine_;
};

} // namespace cad::view
