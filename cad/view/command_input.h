#pragma once
// The command line under the drawing: shows the prompt and what is typed, and passes every
// key on as it is pressed (Enter = CR, Esc = cancel, Backspace), texts in code page 932 as the
// other input channels bring them.
#include "cad/view/user_input.h"

#include <QLineEdit>

namespace cad::view {

class CommandInput : public QLineEdit {
public:
    explicit CommandInput(UserInput& input, QWidget* parent = nullptr);
    void Refresh();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void TypeText(const QString& text);

    UserInput& input_;
};

} // namespace cad::view
