// A product started on the desktop, on the screen in its CAD window: the library's _iD
// answered by a mouse click that snaps, the user's typing kept apart from the channel's,
// a command drawn by hand and undone, the drawing saved as DXF and opened again, closed.
#include "cad/view/cad_window.h"
#include "cad/view/drawing_canvas.h"
#include "cad/view/product_window.h"
#include "platform/desktop/host_loop.h"
#include "platform/forms/desktop_pump.h"
#include "tests/cad/app/desktop_fixture.h"
#include "tests/support/run_python.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <utility>

using namespace cad;

namespace {

using namespace view_test;

view::CadWindow* ShownCadWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<view::CadWindow*>(w); window && window->isVisible()) return window;
    return nullptr;
}

// The history as the library reads it ends with the coordinates of the point picked.
std::string LastHistoryText(desk::HWND mountTam) {
    const std::string text = rt::Cp932ToUtf8(app::testing::ReadText(mountTam));
    const std::size_t at = text.rfind("X = ");
    return at == std::string::npos ? text : text.substr(at);
}

struct ProductWindow : app::testing::DesktopFixture {
    int argc = 1;
    char name[5] = "test";
    char* argv[2] = {name, nullptr};
    QApplication qt{argc, argv};

    void SetUp() override {
        view::ShowProductsOnScreen();
        DesktopFixture::SetUp();
    }
    void TearDown() override {
        DesktopFixture::TearDown();
        app::SetViewFactory(nullptr);
    }
};

} // namespace

TEST_F(ProductWindow, UsersWorkOnTheRealWindowOfARunningProduct) {
    const app::testing::Started s = Start();
    app::Instance* cad = app::FindInstance(s.process.dwProcessId);
    ASSERT_NE(cad, nullptr);
    view::CadWindow* window = ShownCadWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), "AutoCAD LT 2002 - [Drawing1.dwg]");
    window->resize(900, 640);
    QCoreApplication::processEvents();
    view::DrawingCanvas* canvas = window->Canvas();
    auto* commandInput = window->findChild<QLineEdit*>();
    const Drawing& drawing = std::as_const(cad->drawing());

    // The library draws and asks for a point with _iD; the user clicks a little off the
    // line's end and the point reported is the end, exactly, in 3D.
    app::testing::SendCopyData(s.mainFrame, "LINE -20.125,10.5,3.25 140.75,60.375,8.5 \r\x03\x03_iD\r");
    QCoreApplication::processEvents();
    Click(canvas, canvas->DeviceAt({140.75, 60.375}) + QPointF(4, -3));
    EXPECT_EQ(LastHistoryText(s.textMountTam), "X = 140.7500     Y = 60.3750     Z = 8.5000");
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->findChild<QPlainTextEdit*>()->toPlainText().contains(QString::fromUtf8("ｺﾏﾝﾄﾞ: *ｷｬﾝｾﾙ*")));
    // A click in the product's graphics view is a click at the same place of the drawing.
    app::testing::SendCopyData(s.mainFrame, "_iD\r");
    const QPointF start = canvas->DeviceAt({-20.125, 10.5});
    desk::RECT client;
    desk::GetClientRect(s.graphicsView, &client);
    const auto clientX = static_cast<desk::WORD>(start.x() * client.right / canvas->width() + 2);
    const auto clientY = static_cast<desk::WORD>(start.y() * client.bottom / canvas->height() + 1);
    desk::SendMessage(s.graphicsView, desk::WM_LBUTTONDOWN, 1, desk::MAKELPARAM(clientX, clientY));
    desk::SendMessage(s.graphicsView, desk::WM_LBUTTONUP, 0, desk::MAKELPARAM(clientX, clientY));
    EXPECT_EQ(LastHistoryText(s.textMountTam), "X = -20.1250     Y = 10.5000     Z = 3.2500");

    // The user's half-typed command waits while the library sends a whole line.
    Keys(commandInput, "CIR");
    app::testing::SendCopyData(s.mainFrame, "LINE 0,0 0,-40 \r");
    EXPECT_EQ(commandInput->text().toStdString(), "ｺﾏﾝﾄﾞ: CIR");
    Keys(commandInput, "CLE 0,0 5");
    Key(commandInput, Qt::Key_Return);
    ASSERT_EQ(drawing.Entities().size(), 3u);
    EXPECT_TRUE(std::holds_alternative<Circle>(drawing.Entities()[2].shape));

    // A line drawn by hand between two end points, then undone from the menu.
    Keys(commandInput, "LINE");
    Key(commandInput, Qt::Key_Return);
    Click(canvas, canvas->DeviceAt({0, -40}) + QPointF(-3, 2));
    Click(canvas, canvas->DeviceAt({140.75, 60.375}) + QPointF(2, 2));
    Click(canvas, {10, 10}, Qt::RightButton);
    ASSERT_EQ(drawing.Entities().size(), 4u);
    const auto& byHand = std::get<Line>(drawing.Entities()[3].shape);
    EXPECT_EQ(byHand.a.y, -40);
    EXPECT_EQ(byHand.b.z, 8.5);
    MenuAction(*window, "元に戻す(&U)")->trigger();
    ASSERT_EQ(drawing.Entities().size(), 3u);

    // Saved as DXF from the menu (a file of the user's machine, reached through drive Z:): the
    // drawing is now named after the file. Erased, and opened again from the menu, once the
    // question about the erasure, captioned with the drawing's whole name, is answered
    // 保存しない: the same drawing.
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "product drawing.dxf";
    window->SetFileChooser([&](view::CadWindow::FileUse) { return QString::fromStdString(file.string()); });
    const std::vector<Entity> saved = drawing.Entities();
    window->SaveFromMenu();
    ASSERT_TRUE(std::filesystem::exists(file)) << LastHistoryText(s.textMountTam);
    EXPECT_EQ(test_support::RunPython("-c \"import ezdxf,sys; m=ezdxf.readfile(sys.argv[1]).modelspace(); "
                                      "print(len(m.query('LINE')), len(m.query('CIRCLE')))\" '" +
                                      file.string() + "'"),
              "2 1\n");
    EXPECT_EQ(window->windowTitle().toStdString(), "AutoCAD LT 2002 - [product drawing.dxf]");
    EXPECT_FALSE(cad->HasUnsavedChanges());
    app::testing::SendCopyData(s.mainFrame, "ERASE ALL\r\r");
    ASSERT_TRUE(drawing.Entities().empty());
    QString caption, question;
    int boxWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        question = box->text();
        boxWidth = box->width();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QString::fromUtf8("保存しない(&N)")) b->click();
    });
    window->OpenFromMenu();
    EXPECT_EQ(caption.toStdString(), "AutoCAD LT 2002 - [product drawing.dxf]");
    EXPECT_EQ(question.toStdString(), "product drawing.dxf への変更を保存しますか?");
    QFont bold = window->font();
    bold.setBold(true);
    // A window system puts the window's icon and three buttons beside a caption, some 100 pixels.
    EXPECT_GE(boxWidth, QFontMetrics(bold).horizontalAdvance(caption) + 100) << "the caption would be cut";
    EXPECT_TRUE(drawing.Entities() == saved);
    EXPECT_EQ(window->windowTitle().toStdString(), "AutoCAD LT 2002 - [product drawing.dxf]");
    EXPECT_EQ(app::testing::CaptionOf(s.mainFrame), "AutoCAD LT 2002 - [product drawing.dxf]");

    // For people: drawing a line by hand, the cursor on an end point.
    Keys(commandInput, "LINE");
    Key(commandInput, Qt::Key_Return);
    Click(canvas, canvas->DeviceAt({0, 0}) + QPointF(-2, 3));
    Mouse(canvas, QEvent::MouseMove, canvas->DeviceAt({140.75, 60.375}) + QPointF(5, 4));
    QCoreApplication::processEvents();
    const auto shot = std::filesystem::temp_directory_path() / "cad_product_view.png";
    ASSERT_TRUE(window->grab().save(QString::fromStdString(shot.string()), "PNG"));
    SCOPED_TRACE("the picture: " + shot.string());
    Key(commandInput, Qt::Key_Return);

    // Nothing changed since it was opened: closing the window ends the product.
    EXPECT_FALSE(cad->HasUnsavedChanges());
    window->close();
    EXPECT_EQ(desk::WaitForSingleObject(s.process.hProcess, 1000), desk::WAIT_OBJECT_0);
    EXPECT_EQ(ShownCadWindow(), nullptr);
}

// The control places, sizes, minimises and hides the product on the desktop (AcReSize,
// SetState): its window on the screen stands and shows as the main frame does there.
TEST_F(ProductWindow, TheWindowOnScreenFollowsTheMainFrame) {
    const app::testing::Started s = Start();
    view::CadWindow* window = ShownCadWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->frameGeometry(), QRect(0, 0, 800, 600));

    struct Step {
        const char* what;
        std::function<void()> act;
        bool visible, minimized, maximized;
        QRect place; // where the window stands when shown normally
    };
    // clang-format off
    const Step steps[] = {
        {"placed as the program places it", [&] { desk::MoveWindow(s.mainFrame, 0, 0, 640, 480, true); }, true, false, false, {0, 0, 640, 480}},
        {"moved and sized", [&] { desk::MoveWindow(s.mainFrame, 120, 40, 500, 360, true); }, true, false, false, {120, 40, 500, 360}},
        {"minimised", [&] { desk::ShowWindow(s.mainFrame, desk::SW_MINIMIZE); }, true, true, false, {}},
        {"restored", [&] { desk::ShowWindow(s.mainFrame, desk::SW_RESTORE); }, true, false, false, {120, 40, 500, 360}},
        {"maximised", [&] { desk::ShowWindow(s.mainFrame, desk::SW_MAXIMIZE); }, true, false, true, {}},
        {"restored and moved, as AcReSize does",
         [&] {
             desk::ShowWindow(s.mainFrame, desk::SW_RESTORE);
             desk::MoveWindow(s.mainFrame, 10, 20, 700, 500, true);
         },
         true, false, false, {10, 20, 700, 500}},
        {"hidden", [&] { desk::ShowWindow(s.mainFrame, desk::SW_HIDE); }, false, false, false, {}},
        {"shown again", [&] { desk::ShowWindow(s.mainFrame, desk::SW_SHOWNORMAL); }, true, false, false, {10, 20, 700, 500}},
    };
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        desk::DispatchPending();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->isVisible(), step.visible);
        EXPECT_EQ(window->isMinimized(), step.minimized);
        EXPECT_EQ(window->isMaximized(), step.maximized);
        if (!step.place.isNull()) {
            EXPECT_EQ(window->frameGeometry(), step.place);
        }
    }
}

// A program asking the product for a point (the ID command a pick types) brings its window
// in front of the program's screens, where the user picks, with the keys at the command line
// even when a menu closed with Esc had left them at the menu bar: Esc there ends the picks.
TEST_F(ProductWindow, APointPromptBringsTheWindowToTheFront) {
    const app::testing::Started s = Start();
    app::Instance* cad = app::FindInstance(s.process.dwProcessId);
    ASSERT_NE(cad, nullptr);
    view::CadWindow* window = ShownCadWindow();
    ASSERT_NE(window, nullptr);
    auto* menuBar = window->findChild<QMenuBar*>();
    auto* commandInput = window->findChild<QLineEdit*>();
    ASSERT_NE(menuBar, nullptr);
    ASSERT_NE(commandInput, nullptr);
    menuBar->setFocus();
    ASSERT_EQ(window->focusWidget(), menuBar);
    QWidget screen;
    screen.show();
    screen.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &screen);

    cad->TypeFromUser("_ID\r");
    desk::DispatchPending();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window);
    EXPECT_EQ(window->focusWidget(), commandInput);
    cad->TypeFromUser("\x03");
}

// As in the program: nothing waits on the desktop, the event loop alone starts the product,
// shows its window and types the keys posted to it.
TEST_F(ProductWindow, TheProgramsEventLoopRunsTheProducts) {
    forms::ServeDesktop();
    const std::string commandLine = "\"" + app::InstalledExecutable(*app::FindProduct(app::kAutoCadLt2002)) + "\"";
    desk::STARTUPINFO startup;
    desk::PROCESS_INFORMATION process;
    ASSERT_TRUE(desk::CreateProcess(nullptr, commandLine.c_str(), nullptr, nullptr, false, 0, nullptr, nullptr,
                                    &startup, &process));
    for (int i = 0; i < 10 && !ShownCadWindow(); ++i) QCoreApplication::processEvents();
    ASSERT_NE(ShownCadWindow(), nullptr);
    app::Instance* cad = app::FindInstance(process.dwProcessId);
    for (char c : std::string("LINE 0,0 30,40 \r"))
        desk::PostMessage(cad->Windows().mainFrame, desk::WM_CHAR, static_cast<unsigned char>(c), 0);
    for (int i = 0; i < 10 && std::as_const(cad->drawing()).Entities().empty(); ++i) QCoreApplication::processEvents();
    EXPECT_EQ(std::as_const(cad->drawing()).Entities().size(), 1u);
    desk::SetMainThreadWakeHandler(nullptr);
    desk::SetMainThreadFrameworkPump(nullptr);
}
