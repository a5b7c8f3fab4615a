#include "cad/view/cad_window.h"

#include "cad/view/command_input.h"
#include "cad/view/drawing_canvas.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace cad::view {

CadWindow::CadWindow(Drawing& drawing, command::CommandLine& commandLine, QWidget* parent)
    : QWidget(parent),
      commandLine_(commandLine),
      canvas_(new DrawingCanvas(drawing, this)),
      history_(new QPlainTextEdit(this)),
      input_(new CommandInput(commandLine, this)) {
    setWindowTitle("Drawing");
    history_->setReadOnly(true);
    history_->setFocusPolicy(Qt::NoFocus);
    history_->setMaximumBlockCount(static_cast<int>(command::CommandLine::kHistoryLimit));
    history_->setFixedHeight(history_->fontMetrics().lineSpacing() * 6 + 8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_, 1);
    layout->addWidget(history_);
    layout->addWidget(input_);
    input_->setFocus();
    resize(960, 720);
    QPointer<CadWindow> self(this);
    // Many sends arrive in one go over DDE: show their result once the event loop runs again.
    commandLine.AddListener([self] {
        if (!self || self->refreshPending_) return;
        self->refreshPending_ = true;
        QTimer::singleShot(0, self, [self] {
            if (self) self->Refresh();
        });
    });
    Refresh();
}

void CadWindow::Refresh() {
    refreshPending_ = false;
    QStringList lines;
    for (const std::string& line : commandLine_.History()) lines << QString::fromStdString(line);
    history_->setPlainText(lines.join('\n'));
    history_->moveCursor(QTextCursor::End);
    input_->Refresh();
    canvas_->update();
}

} // namespace cad::view
