// Typing into the window's command line draws as DDE sends do, and the window follows.
#include "cad/view/cad_window.h"
#include "cad/view/drawing_canvas.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QMouseEvent>
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

// Each test has its own application object.
class CadWindow : public ::testing::Test {
    int argc_ = 1;
    char name_[5] = "test";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
};
} // namespace

TEST_F(CadWindow, KeysTypedInTheCommandLineDraw) {
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

// The program's zoom command shows its window even after the user has panned away.
TEST_F(CadWindow, AZoomCommandReplacesWhereTheUserPanned) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("CIRCLE\r0,0 10\rCIRCLE\r1000,0 10\r");
    view::DrawingCanvas canvas(drawing);
    canvas.resize(200, 200);
    auto inkPixels = [&] {
        const QImage image = canvas.grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).red() > 150;
        return n;
    };
    cl.Type("zoom\r-20,20\r20,-20\r");
    ASSERT_GT(inkPixels(), 0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 100), QPointF(10, 100), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &press);
    QMouseEvent drag(QEvent::MouseMove, QPointF(1010, 100), QPointF(1010, 100), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &drag);
    ASSERT_EQ(inkPixels(), 0);  // panned off the drawing
    cl.Type("zoom\r980,20\r1020,-20\r");
    EXPECT_GT(inkPixels(), 0);
}
