#include "cad/view/cad_window.h"

#include "cad/command/command_host.h"
#include "cad/view/command_input.h"
#include "cad/view/drawing_canvas.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace cad::view {

namespace {

constexpr int kReadoutDecimals = 4;

QString Readout(Point p, std::optional<SnapKind> snap) {
    std::string text =
        rt::CStr(rt::RoundHalfUp(p.x, kReadoutDecimals)) + ", " + rt::CStr(rt::RoundHalfUp(p.y, kReadoutDecimals));
    if (snap) text += ", " + rt::CStr(rt::RoundHalfUp(p.z, kReadoutDecimals));
    return QString::fromStdString(text);
}

} // namespace

CadWindow::CadWindow(Drawing& drawing, command::CommandLine& commandLine, UserInput* input, QWidget* parent)
        : QWidget(parent), commandLine_(commandLine),
          ownInput_(input ? nullptr : std::make_unique<DirectInput>(commandLine)),
          userInput_(input ? *input : *ownInput_), canvas_(new DrawingCanvas(drawing, &commandLine, &userInput_, this)),
          history_(new QPlainTextEdit(this)), input_(new CommandInput(userInput_, this)), status_(new QLabel(this)) {
    setWindowTitle("Drawing");
    history_->setReadOnly(true);
    history_->setFocusPolicy(Qt::NoFocus);
    history_->setMaximumBlockCount(static_cast<int>(command::CommandLine::kHistoryLimit));
    history_->setFixedHeight(history_->fontMetrics().lineSpacing() * 6 + 8);
    status_->setContentsMargins(6, 2, 6, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_, 1);
    layout->addWidget(history_);
    layout->addWidget(input_);
    layout->addWidget(status_);
    BuildMenu();
    input_->setFocus();
    resize(960, 720);
    canvas_->SetCursorListener([this](Point p, std::optional<SnapKind> snap) { status_->setText(Readout(p, snap)); });
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

void CadWindow::BuildMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QString::fromUtf8("ファイル(&F)"));
    file->addAction(QString::fromUtf8("新規(&N)"), QKeySequence::New, this, [this] { TypeCommand("NEW\r"); });
    file->addAction(QString::fromUtf8("開く(&O)..."), QKeySequence::Open, this, [this] { OpenFromMenu(); });
    file->addAction(QString::fromUtf8("上書き保存(&S)"), QKeySequence::Save, this, [this] { TypeCommand("QSAVE\r"); });
    file->addAction(QString::fromUtf8("名前を付けて保存(&A)..."), this, [this] { SaveFromMenu(); });
    file->addSeparator();
    file->addAction(QString::fromUtf8("終了(&X)"), this, [this] { close(); });
    QMenu* edit = bar->addMenu(QString::fromUtf8("編集(&E)"));
    edit->addAction(QString::fromUtf8("元に戻す(&U)"), this, [this] { TypeCommand("U\r"); });
    QMenu* view = bar->addMenu(QString::fromUtf8("表示(&V)"));
    view->addAction(QString::fromUtf8("全体表示(&E)"), this, [this] { canvas_->ZoomExtents(); });
    layout()->setMenuBar(bar);
}

void CadWindow::FocusCommandLine() { input_->setFocus(Qt::OtherFocusReason); }

QString CadWindow::ChooseFile(FileUse use, const QString& suggested) {
    if (chooseFile_) return chooseFile_(use);
    if (use == FileUse::Open)
        return QFileDialog::getOpenFileName(this, QString::fromUtf8("開く"), {}, QString::fromUtf8("DXF 図面 (*.dxf)"));
    QString name = QFileDialog::getSaveFileName(this, QString::fromUtf8("名前を付けて保存"), suggested,
                                                QString::fromUtf8("DXF 図面 (*.dxf);;図面 (*.dwg)"));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) name += ".dxf";
    return name;
}

void CadWindow::OpenFromMenu() {
    const QString name = ChooseFile(FileUse::Open);
    if (!name.isEmpty()) TypeCommand("OPEN\r" + userInput_.FileName(name.toStdString()) + "\r");
}

void CadWindow::SaveFromMenu() {
    // A program the command line runs in keeps the drawing's file: SAVEAS asks for it in the
    // program's dialog and the drawing takes its name.
    if (command::HostOf(commandLine_)) return TypeCommand("_SAVEAS\r");
    const QString name = ChooseFile(FileUse::Save);
    if (!name.isEmpty()) TypeCommand("EXPORT\r" + userInput_.FileName(name.toStdString()) + "\r");
}

void CadWindow::TypeCommand(const std::string& words) {
    std::string bytes;
    try {
        bytes = rt::Utf8ToCp932(words);
    } catch (const rt::Error&) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8("このファイル名には使えない文字があります。"));
        return;
    }
    if (!commandLine_.IsIdle()) userInput_.Type("\x03");
    userInput_.Type(bytes);
    Refresh();
}

void CadWindow::Refresh() {
    refreshPending_ = false;
    QStringList lines;
    for (const std::string& line : commandLine_.History())
        lines << QString::fromStdString(userInput_.HistoryLine(line));
    history_->setPlainText(lines.join('\n'));
    history_->moveCursor(QTextCursor::End);
    input_->Refresh();
    canvas_->update();
}

} // namespace cad::view
