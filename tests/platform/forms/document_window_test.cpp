// Screens of a program with a frame window live in the frame's workspace, and a screen the
// user closes is only hidden.
#include "platform/forms/forms.h"
#include "platform/forms/script.h"
#include "platform/runtime/error.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace forms;

class 枠 : public Form {
public:
    Menu f{*this, "ファイル"};
    ControlArray<Menu> f1{f, {{0, "新規作成"}, {2, "終了"}}};
    Toolbar Toolbar1{*this};
    int unloadAsked = 0;
    bool unloadFails = false;
    int commands = 0;

    枠() : Form(FormKind::Mdi) {
        Toolbar1.AddButton("新規", "新規");
        Toolbar1.OnButtonClick = [this](ToolbarButton&) { ++commands; };
    }

private:
    void Form_Load() override { Move(600, 600, 15000, 10500); }
    void Form_Unload(int& cancel) override {
        ++unloadAsked;
        if (unloadFails) rt::Raise(rt::errApplication, "still saving");
        cancel = 1;
    }
};

class 入力 : public Form {
public:
    TextBox Text1{*this};
    std::vector<std::string> lost;

    入力() {
        Text1.OnLostFocus = [this] { lost.push_back(Text1.Text()); };
    }

private:
    void Form_Load() override { Move(600, 300, 6000, 4500); }
};

class 小 : public Form {
    void Form_Load() override { Move(0, 0, 3000, 1500); }
};

class 別の小 : public Form {
    void Form_Load() override { Move(0, 0, 3000, 1500); }
};

// A screen the user works with beside the CAD while the frame window is minimised.
class 作図 : public Form {
public:
    作図() : Form(FormKind::Apart) {}

private:
    void Form_Load() override { Move(600, 300, 6000, 4500); }
};

class DocumentWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        script::Reset();
        frame.Show();
    }
    void TearDown() override { UnloadAll(); }

    static QMdiSubWindow* FrameOf(const Form& f) { return qobject_cast<QMdiSubWindow*>(f.Window()->parentWidget()); }
    枠& frame = Get<枠>();
};

TEST_F(DocumentWindowTest, ScreensOpenInTheWorkspaceBelowTheToolbarAtTheirPlaceAndSize) {
    auto& input = Get<入力>();
    auto& small = Get<小>();
    input.Show();
    small.Show();
    ASSERT_TRUE(input.MDIChild());
    ASSERT_TRUE(small.MDIChild());
    EXPECT_FALSE(frame.MDIChild());
    // Left and Top count from the workspace's corner; the screen gets the size it asked for.
    QWidget* workspace = FrameOf(input)->parentWidget();
    EXPECT_EQ(FrameOf(input)->pos(), QPoint(40, 20));
    EXPECT_EQ(FrameOf(small)->pos(), QPoint(0, 0));
    EXPECT_EQ(input.Window()->size(), QSize(400, 300));
    EXPECT_EQ(small.Window()->size(), QSize(200, 100));
    // Both lie below the frame's menu bar and toolbar, inside the frame window.
    const int toolbarBottom =
        frame.Toolbar1.Widget()->mapTo(frame.Window(), QPoint(0, frame.Toolbar1.Widget()->height())).y();
    for (Form* f : std::initializer_list<Form*>{&input, &small}) {
        const QRect placed(FrameOf(*f)->mapTo(frame.Window(), QPoint(0, 0)), FrameOf(*f)->size());
        EXPECT_GE(placed.top(), toolbarBottom);
        EXPECT_EQ(f->Window()->window(), frame.Window());
    }
    EXPECT_EQ(workspace->window(), frame.Window());
    // Its caption on its title bar.
    small.SetCaption("小さい画面");
    EXPECT_EQ(FrameOf(small)->windowTitle().toStdString(), "小さい画面");
    // One more at the same place stands clear of the other's title bar.
    auto& other = Get<別の小>();
    other.Show();
    const int step = FrameOf(other)->pos().x();
    EXPECT_EQ(FrameOf(other)->pos(), QPoint(step, step));
    EXPECT_GE(step, FrameOf(small)->widget()->y());
    EXPECT_EQ(other.Left(), step * 15);
}

TEST_F(DocumentWindowTest, ClosingAScreenHidesItAndShowBringsItBackAsItWas) {
    auto& input = Get<入力>();
    input.Show();
    input.Text1.SetText("12.5");
    FrameOf(input)->close();
    EXPECT_FALSE(input.Visible());
    ASSERT_TRUE(IsLoaded<入力>());
    Get<入力>().Show();
    EXPECT_TRUE(input.Visible());
    EXPECT_EQ(input.Text1.Text(), "12.5");
    EXPECT_EQ(FrameOf(input)->pos(), QPoint(40, 20));

    // A screen of its own (no frame window) is hidden as well.
    frame.Unload();
    input.Show();
    EXPECT_FALSE(input.MDIChild());
    input.Window()->close();
    EXPECT_FALSE(input.Visible());
    EXPECT_TRUE(IsLoaded<入力>());
}

TEST_F(DocumentWindowTest, ClosingTheFrameWindowAsksItsUnloadHandler) {
    frame.Window()->close();
    EXPECT_EQ(frame.unloadAsked, 1);
    EXPECT_TRUE(frame.Visible()); // the handler kept it
    // A handler that fails tells the user and keeps the window.
    frame.unloadFails = true;
    EXPECT_NO_THROW(frame.Window()->close());
    EXPECT_TRUE(frame.Visible());
    ASSERT_EQ(script::Messages().size(), 1u);
    EXPECT_NE(script::Messages()[0].prompt.find("still saving"), std::string::npos);
}

TEST_F(DocumentWindowTest, AToolbarCommandTakesTheFocusFromTheScreenBeingEdited) {
    auto& input = Get<入力>();
    input.Show();
    input.Text1.SetFocus();
    input.Text1.SetText("7");
    frame.Toolbar1.Buttons("新規").Action()->trigger();
    EXPECT_EQ(input.lost, (std::vector<std::string>{"7"}));
    EXPECT_EQ(frame.commands, 1);
    // Back in the box, the next command stores again.
    input.Text1.SetFocus();
    frame.f1(0).Action()->trigger();
    EXPECT_EQ(input.lost.size(), 2u);
    EXPECT_TRUE(input.Visible());
}

TEST_F(DocumentWindowTest, ScreensOutliveTheFrameWindowInEitherOrder) {
    Get<入力>().Show();
    Get<小>().Show();
    frame.Unload();
    DoEvents(); // the frame window is deleted
    auto& input = Get<入力>();
    EXPECT_FALSE(input.Visible());
    input.Show();
    EXPECT_FALSE(input.MDIChild());
    // A new frame window takes the screens shown after it.
    Get<枠>().Show();
    Get<小>().Show();
    EXPECT_TRUE(Get<小>().MDIChild());
}

TEST_F(DocumentWindowTest, AScreenApartStaysAWindowOfItsOwnWhenTheFrameIsMinimised) {
    auto& drawing = Get<作図>();
    drawing.Show();
    EXPECT_FALSE(drawing.MDIChild());
    EXPECT_EQ(drawing.Window()->window(), drawing.Window());
    frame.SetWindowState(vbMinimized);
    EXPECT_TRUE(drawing.Visible());
    EXPECT_FALSE(drawing.Window()->isHidden());
}

} // namespace
