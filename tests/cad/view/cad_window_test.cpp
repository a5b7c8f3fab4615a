// Typing into the window's command line draws as DDE sends do, and the window follows; the
// user picks points and objects with the mouse, undoes, and opens and saves DXF drawings.
#include "cad/view/cad_window.h"
#include "cad/view/drawing_canvas.h"
#include "platform/runtime/cp932.h"
#include "user_actions.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <filesystem>

using namespace cad;

namespace {
using namespace view_test;

void Type(command::CommandLine& cl, const char* utf8) { cl.Type(rt::Utf8ToCp932(utf8)); }

std::filesystem::path ViewTestFolder() { return std::filesystem::temp_directory_path(); }

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
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 100), QPointF(10, 100), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&canvas, &press);
    QMouseEvent drag(QEvent::MouseMove, QPointF(1010, 100), QPointF(1010, 100), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas, &drag);
    ASSERT_EQ(inkPixels(), 0); // panned off the drawing
    cl.Type("zoom\r980,20\r1020,-20\r");
    EXPECT_GT(inkPixels(), 0);
}

// 表示 → 全体表示 shows the whole drawing over the program's zoom window, as ZOOM E does; the
// program's next zoom window is shown again.
TEST_F(CadWindow, WholeViewFromTheMenuShowsTheExtentsAfterAProgramZoom) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("CIRCLE\r-35000000,12000000 10\rCIRCLE\r-34999000,12000000 10\r");
    view::CadWindow window(drawing, cl);
    window.show();
    QCoreApplication::processEvents();
    const QRectF shown = window.Canvas()->rect();
    auto seen = [&](double x, double y) { return shown.contains(window.Canvas()->DeviceAt({x, y, 0})); };
    cl.Type("ZOOM\r-35000020,12000020\r-34999980,11999980\r");
    ASSERT_FALSE(seen(-34999000, 12000000));
    QAction* whole = nullptr;
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == QString::fromUtf8("全体表示(&E)")) whole = a;
    ASSERT_NE(whole, nullptr);
    whole->trigger();
    EXPECT_TRUE(seen(-35000010, 12000000) && seen(-34998990, 12000000));
    cl.Type("ZOOM\r-35000020,12000020\r-34999980,11999980\r");
    EXPECT_FALSE(seen(-34999000, 12000000));
}

// A click a few pixels off the end of a 3D line at "First point" gives its end point exactly.
TEST_F(CadWindow, AClickAtAPointPromptSnapsToAnEndPoint) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("LINE -500.125,-300.5,12.75 1234.5,678.25,98.125 \r");
    view::CadWindow window(drawing, cl);
    window.show();
    QCoreApplication::processEvents();
    auto* canvas = window.Canvas();
    cl.Type("LINE\r");
    Click(canvas, canvas->DeviceAt({1234.5, 678.25}) + QPointF(4, -3));
    cl.Type("0,0\r\r");
    ASSERT_EQ(drawing.Entities().size(), 2u);
    const auto& drawn = std::get<Line>(drawing.Entities()[1].shape);
    EXPECT_EQ(drawn.a.x, 1234.5);
    EXPECT_EQ(drawn.a.y, 678.25);
    EXPECT_EQ(drawn.a.z, 98.125);
    EXPECT_TRUE(cl.IsIdle());
}

// At "Select objects: " a click on a line picks it; a click in empty space begins a window
// whose other corner to the right selects what lies wholly inside; a right click ends.
TEST_F(CadWindow, ObjectsArePickedAndWindowedWithTheMouse) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("LINE 0,0 100,0 \rLINE 0,50 100,50 \rCIRCLE 200,25 10\rCIRCLE 400,25 10\r");
    view::CadWindow window(drawing, cl);
    window.show();
    QCoreApplication::processEvents();
    auto* canvas = window.Canvas();
    cl.Type("ERASE\r");
    Click(canvas, canvas->DeviceAt({50, 50}));
    EXPECT_EQ(cl.Gathered().size(), 1u);
    Click(canvas, canvas->DeviceAt({180, 45}));
    EXPECT_TRUE(cl.WindowCorner().has_value());
    Click(canvas, canvas->DeviceAt({220, 5}));
    EXPECT_EQ(cl.History().back(), "1 found");
    Click(canvas, canvas->DeviceAt({300, 300}), Qt::RightButton);
    EXPECT_TRUE(cl.IsIdle());
    ASSERT_EQ(drawing.Entities().size(), 2u);
    EXPECT_EQ(std::get<Line>(drawing.Entities()[0].shape).b.y, 0);
    EXPECT_EQ(std::get<Circle>(drawing.Entities()[1].shape).centre.x, 400);
}

// A line drawn by hand and undone from the menu goes; the window drawn before stays.
TEST_F(CadWindow, UndoFromTheMenuRemovesTheLastCommandsEntities) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    cl.Type("PLINE 0,0 100,0 100,100 \r");
    view::CadWindow window(drawing, cl);
    window.show();
    QCoreApplication::processEvents();
    auto* canvas = window.Canvas();
    cl.Type("LINE\r");
    Click(canvas, canvas->DeviceAt({100, 100}));
    Click(canvas, canvas->DeviceAt({50, 0}));
    Click(canvas, canvas->DeviceAt({0, 0}));
    Click(canvas, canvas->DeviceAt({0, 0}), Qt::RightButton);
    ASSERT_EQ(drawing.Entities().size(), 3u);
    EXPECT_EQ(std::get<Line>(drawing.Entities()[1].shape).b.x, 50); // the mid point snap
    QAction* undo = MenuAction(window, "元に戻す(&U)");
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    ASSERT_EQ(drawing.Entities().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Polyline>(drawing.Entities()[0].shape));
}

// Saved from the menu as DXF and opened again from the menu: the same drawing.
TEST_F(CadWindow, SaveAsDxfAndOpenAgainFromTheMenuGivesTheSameDrawing) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    Type(cl, "PLINE 0,0,3.5 100,0 100,100 \rCIRCLE 50,50 12.5\rDTEXT 10,10 5 0 基準点\r\r");
    const Drawing saved = drawing;
    view::CadWindow window(drawing, cl);
    const std::string path = (ViewTestFolder() / "saved from the menu.dxf").string();
    window.SetFileChooser([&](view::CadWindow::FileUse) { return QString::fromStdString(path); });
    cl.Type("LINE 0,0\r"); // a command under way is cancelled by the menu
    MenuAction(window, "名前を付けて保存(&A)...")->trigger();
    EXPECT_TRUE(cl.IsIdle());
    ASSERT_TRUE(std::filesystem::exists(path)) << cl.History().back();
    cl.Type("ERASE ALL\r\r");
    ASSERT_TRUE(drawing.Entities().empty());
    MenuAction(window, "開く(&O)...")->trigger();
    EXPECT_TRUE(drawing.Entities() == saved.Entities());
    EXPECT_EQ(cl.RejectionCount(), 0u);
    cl.Type("U\r"); // a drawing just opened has nothing to undo
    EXPECT_EQ(cl.History().back(), "Nothing to undo.");
}

// The window as a user sees it while drawing over a survey base map: crosshair, the end
// point marker, the coordinate readout, the history and the prompt, for people to look at.
TEST_F(CadWindow, ScreenshotOfTheUsersWorkIsWritten) {
    Drawing drawing;
    command::CommandLine cl(drawing);
    // clang-format off
    const char* sends[] = {
        "_cecolor\rCyan\r",  "PLINE -20,0 80,10 160,5 240,30 \r", "PLINE -20,-15 80,-5 160,-10 240,15 \r",
        "_cecolor\rYellow\r", "LINE 20,-40,12.5 60,40,13.25 \r",    "LINE 60,40,13.25 140,45,14 \r",
        "_cecolor\rBylayer\r", "CIRCLE 140,45 2\r",                 "DTEXT 143,47 4 0 BM1 H=14.000\r\r",
        "DTEXT 30,20 6 0 用地境界\r\r", "DTEXT 150,-30 5 20 県道 12 号\r\r",
        "_cecolor\rRed\r",   "ARC 200,-40 c 180,-40 200,-20\r",    "_cecolor\rBylayer\r",
    };
    // clang-format on
    for (const char* s : sends) Type(cl, s);
    ASSERT_EQ(cl.RejectionCount(), 0u);
    view::CadWindow window(drawing, cl);
    window.resize(900, 620);
    window.show();
    QCoreApplication::processEvents();
    auto* canvas = window.Canvas();
    cl.Type("LINE\r");
    Click(canvas, canvas->DeviceAt({20, -40}));
    Mouse(canvas, QEvent::MouseMove, canvas->DeviceAt({140, 45}) + QPointF(5, 4));
    QCoreApplication::processEvents();
    const QImage shot = window.grab().toImage();
    const auto path = std::filesystem::temp_directory_path() / "cad_view_user.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
    SCOPED_TRACE("the picture: " + path.string());
    EXPECT_EQ(cl.Prompt(), "Next point or Enter to end: ");
    EXPECT_EQ(window.findChild<QLabel*>()->text().toStdString(), "140, 45, 14");
}
