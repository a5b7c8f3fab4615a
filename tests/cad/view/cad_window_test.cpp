// Typing into the window's command line draws as DDE sends do, and the window follows.
#include "cad/view/cad_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace cad;

namespace {
void Key(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}
void Keys(QWidget* w, const QString& text) {
    for (QChar c : text) Key(w, 0, QString(c));
}
} // namespace

TEST(CadWindow, KeysTypedInTheCommandLineDraw) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Drawing drawing;
    command::CommandLine cl(drawing);
    view::CadWindow window(drawing, cl);
    window.show();
    auto* input = window.findChild<QLineEdit*>();
    ASSERT_NE(input, nullptr);
    Keys(input, "circle 5,5 2");
    Key(input, Qt::Key_Return);
    ASSERT_EQ(drawing.Entities().size(), 1u);
    EXPECT_EQ(input->text().toStdString(), "Command: ");
    Keys(input, "line 0,0 ");
    EXPECT_EQ(input->text().toStdString(), "Next point or Enter to end: ");
    Key(input, Qt::Key_Escape);
    QCoreApplication::processEvents();
    const QString history = window.findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(history.endsWith("*Cancel*")) << history.toStdString();
}
