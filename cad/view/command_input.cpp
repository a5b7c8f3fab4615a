#include "cad/view/command_input.h"

#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"

#include <QInputMethodEvent>
#include <QApplication>
#include <QKeyEvent>

namespace cad::view {

CommandInput::CommandInput(command::CommandLine& commandLine, QWidget* parent)
    : QLineEdit(parent), commandLine_(commandLine) {
    setAttribute(Qt::WA_InputMethodEnabled);
    Refresh();
}

void CommandInput::Refresh() {
    setText(QString::fromStdString(commandLine_.Prompt() + commandLine_.Input()));
    end(false);
}

void CommandInput::TypeText(const QString& text) {
    if (text.isEmpty()) return;
    try {
        commandLine_.Type(rt::Utf8ToCp932(text.toStdString()));
    } catch (const rt::Error&) {
        // A character code page 932 cannot hold: it cannot reach the drawing either.
        QApplication::beep();
    }
}

void CommandInput::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: commandLine_.Type('\r'); break;
    case Qt::Key_Escape: commandLine_.Type('\x03'); break;
    case Qt::Key_Backspace: commandLine_.Type('\b'); break;
    default:
        if (e->modifiers() & Qt::ControlModifier && e->key() == Qt::Key_C) commandLine_.Type('\x03');
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
