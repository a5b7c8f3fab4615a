#include "cad/view/command_input.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <QInputMethodEvent>
#include <QApplication>
#include <QKeyEvent>

namespace cad::view {

CommandInput::CommandInput(UserInput& input, QWidget* parent) : QLineEdit(parent), input_(input) {
    setAttribute(Qt::WA_InputMethodEnabled);
    Refresh();
}

void CommandInput::Refresh() {
    setText(QString::fromStdString(input_.Line()));
    end(false);
}

void CommandInput::TypeText(const QString& text) {
    if (text.isEmpty()) return;
    try {
        input_.Type(rt::Utf8ToCp932(text.toStdString()));
    } catch (const rt::Error&) {
        // A character code page 932 cannot hold: it cannot reach the drawing either.
        QApplication::beep();
    }
}

void CommandInput::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: input_.Type("\r"); break;
    case Qt::Key_Escape: input_.Type("\x03"); break;
    case Qt::Key_Backspace: input_.Type("\b"); break;
    default:
        if (e->modifiers() & Qt::ControlModifier && e->key() == Qt::Key_C) input_.Type("\x03");
        else TypeText(e->text());
    }
    Refresh();
}

void CommandInput::inputMethodEvent(QInputMethodEvent* e) {
    TypeText(e->commitString());
    Refresh();
    e->accept();
}

} // namespace cad::view
