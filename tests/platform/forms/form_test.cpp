#include "platform/forms/forms.h"
#include "platform/forms/script.h"

#include "platform/runtime/error.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

using namespace forms;

int loads = 0;

class 試験画面 : public Form {
public:
    Label 見出し{*this};
    TextBox 入力{*this};
    CommandButton 実行{*this};
    ControlArray<Label> 行{*this, 0, 3};
    int clicks = 0;

    試験画面() {
        実行.OnClick = [this] { 実行_Click(); };
    }

private:
    void Form_Load() override {
        ++loads;
        SetCaption("試験");
        Move(0, 0, 3000, 2000);
    }
    void 実行_Click() { ++clicks; }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        loads = 0;
        script::Reset();
    }
    void TearDown() override { UnloadAll(); }
};

TEST_F(FormTest, FirstTouchLoadsOnceAndUnloadLoadsAfresh) {
    EXPECT_FALSE(IsLoaded<試験画面>());
    Get<試験画面>().見出し.SetCaption("a");
    Get<試験画面>().行(2).SetFontSize(7);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(Get<試験画面>().Visible());
    EXPECT_EQ(Get<試験画面>().Caption(), "試験");

    Get<試験画面>().Unload();
    EXPECT_FALSE(IsLoaded<試験画面>());
    EXPECT_EQ(Get<試験画面>().見出し.Caption(), "");
    EXPECT_EQ(loads, 2);
}

// A screen busy in a handler (a pick in the CAD, say): asked to go, it ends that work first.
class 作業画面 : public Form {
public:
    static inline int asked = 0, deleted = 0;
    bool busy = true;
    ~作業画面() override { ++deleted; }

private:
    bool ReadyToUnload() override {
        if (!busy) return true;
        ++asked;
        return false;
    }
};

// UnloadAll asks as Unload does: a screen still busy stays until it unloads itself, and only
// then is it deleted; a screen touched meanwhile is a new one.
TEST_F(FormTest, UnloadAllLeavesABusyScreenUntilItUnloadsItself) {
    作業画面::asked = 作業画面::deleted = 0;
    作業画面& busy = Get<作業画面>();
    Get<試験画面>();
    UnloadAll();
    EXPECT_FALSE(IsLoaded<作業画面>());
    EXPECT_FALSE(IsLoaded<試験画面>());
    EXPECT_EQ(作業画面::asked, 1);
    EXPECT_EQ(作業画面::deleted, 0);

    作業画面& fresh = Get<作業画面>();
    EXPECT_NE(&fresh, &busy);
    fresh.busy = false;
    fresh.Unload();
    DoEvents();
    EXPECT_EQ(作業画面::deleted, 1);

    busy.Unload(); // still busy: it stays
    DoEvents();
    EXPECT_EQ(作業画面::asked, 2);
    EXPECT_EQ(作業画面::deleted, 1);
    busy.busy = false;
    busy.Unload();
    DoEvents();
    EXPECT_EQ(作業画面::deleted, 2);
}

TEST_F(FormTest, PositionsAreTwipsAndWindowStateIsKept) {
    auto& f = Get<試験画面>();
    f.Move(500, 600, 4500, 3000);
    EXPECT_EQ(f.Left(), 500);
    EXPECT_EQ(f.Top(), 600);
    EXPECT_EQ(f.Window()->width(), 300);
    f.実行.Move(150, 300, 1500, 450);
    EXPECT_EQ(f.実行.Widget()->geometry(), QRect(10, 20, 100, 30));
    f.Show();
    f.SetWindowState(vbMinimized);
    EXPECT_EQ(f.WindowState(), vbMinimized);
    f.SetWindowState(vbNormal);
    EXPECT_EQ(f.WindowState(), vbNormal);
}

TEST_F(FormTest, ControlArrayRaisesSubscriptErrorForMissingIndex) {
    auto& f = Get<試験画面>();
    EXPECT_FLOAT_EQ(f.行(3).FontSize(), 9.0f);
    try {
        f.行(4);
        FAIL();
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.Number(), rt::errSubscript);
    }
}

// The toolkit's own dialogs and buttons speak Japanese, like the program.
TEST_F(FormTest, TheToolkitsOwnButtonsAreJapanese) {
    DoEvents(); // the application exists
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:").toStdString(), "ファイル名(&N):");
}

TEST_F(FormTest, MsgBoxIsRecordedAndAnsweredByScript) {
    script::QueueMsgBoxAnswer(vbNo);
    EXPECT_EQ(MsgBox("続けますか", vbYesNo), vbNo);
    EXPECT_EQ(MsgBox("完了"), vbOK);
    ASSERT_EQ(script::Messages().size(), 2u);
    EXPECT_EQ(script::Messages()[0].prompt, "続けますか");
    EXPECT_EQ(script::Messages()[1].title, AppTitle());
}

} // namespace

namespace {

// Every kind of event a user causes, on one screen.
class 事象画面 : public Form {
public:
    Menu f{*this, "ファイル"};
    Toolbar Toolbar1{*this};
    CommandButton 実行{*this};
    Label 見出し{*this};
    TextBox 入力{*this};
    TextBox 他{*this};
    FlexGrid グリッド{*this};
    PictureBox 図{*this};

    事象画面() {
        Toolbar1.AddButton("新規", "新規");
        実行.Move(0, 0, 1500, 450);
        見出し.Move(0, 600, 1500, 300);
        入力.Move(0, 1200, 1500, 375);
        他.Move(1800, 1200, 1500, 375);
        グリッド.Move(0, 1800, 3000, 1500);
        図.Move(3300, 0, 1500, 1500);
    }
};

void Press(QWidget* target, QPointF at = {5, 5}) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

struct UserEvent {
    const char* what;
    // Sets the handler the event reaches; returns the user's action.
    std::function<std::function<void()>(事象画面&, std::function<void()>)> wire;
};

const UserEvent kUserEvents[] = {
    {"button click",
     [](事象画面& s, std::function<void()> h) {
         s.実行.OnClick = h;
         return std::function<void()>([&s] { Press(s.実行.Widget()); });
     }},
    {"label click",
     [](事象画面& s, std::function<void()> h) {
         s.見出し.OnClick = h;
         return std::function<void()>([&s] { Press(s.見出し.Widget()); });
     }},
    {"menu command",
     [](事象画面& s, std::function<void()> h) {
         s.f.OnClick = h;
         return std::function<void()>([&s] { s.f.Action()->trigger(); });
     }},
    {"toolbar button",
     [](事象画面& s, std::function<void()> h) {
         s.Toolbar1.OnButtonClick = [h](ToolbarButton&) { h(); };
         return std::function<void()>([&s] { s.Toolbar1.Buttons(1).Action()->trigger(); });
     }},
    {"typed text",
     [](事象画面& s, std::function<void()> h) {
         s.入力.OnChange = h;
         return std::function<void()>([&s] { static_cast<QLineEdit*>(s.入力.Widget())->insert("1"); });
     }},
    {"focus lost",
     [](事象画面& s, std::function<void()> h) {
         s.入力.OnLostFocus = h;
         return std::function<void()>([&s] {
             s.入力.SetFocus();
             QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
             QCoreApplication::sendEvent(s.入力.Widget(), &out);
         });
     }},
    {"grid click",
     [](事象画面& s, std::function<void()> h) {
         s.グリッド.OnClick = h;
         return std::function<void()>([&s] {
             Press(static_cast<QAbstractScrollArea*>(s.グリッド.Widget())->viewport(), {70, 20});
         });
     }},
    {"mouse on a picture",
     [](事象画面& s, std::function<void()> h) {
         s.図.OnMouseDown = [h](int, int, float, float) { h(); };
         return std::function<void()>([&s] { Press(s.図.Widget()); });
     }},
};

// A command that fails tells the user and leaves the program running: the error goes no
// further than the forms layer.
TEST_F(FormTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    auto& f = Get<事象画面>();
    f.Show();
    for (const UserEvent& e : kUserEvents) {
        SCOPED_TRACE(e.what);
        script::Reset();
        int runs = 0;
        const auto act = e.wire(f, [&runs] {
            if (++runs == 1) rt::Raise(rt::errSubscript, "row 501");
            throw std::runtime_error("out of memory");
        });
        EXPECT_NO_THROW(act());
        EXPECT_NO_THROW(act());
        ASSERT_EQ(script::Messages().size(), 2u);
        EXPECT_NE(script::Messages()[0].prompt.find("実行時エラー '9'"), std::string::npos);
        EXPECT_NE(script::Messages()[0].prompt.find("row 501"), std::string::npos);
        EXPECT_EQ(script::Messages()[0].buttons, vbCritical);
        EXPECT_NE(script::Messages()[1].prompt.find("out of memory"), std::string::npos);
        EXPECT_TRUE(f.Visible());
    }
}

// A handler set off by the program's own change hands its error to the program.
TEST_F(FormTest, AnErrorFromAHandlerTheProgramSetsOffReachesTheProgram) {
    auto& f = Get<事象画面>();
    f.Show();
    f.入力.OnChange = [] { rt::Raise(rt::errOverflow); };
    EXPECT_THROW(f.入力.SetText("1e40"), rt::Error);
    f.入力.OnChange = nullptr;
    f.入力.SetFocus();
    f.入力.OnLostFocus = [] { rt::Raise(rt::errOverflow); };
    EXPECT_THROW(f.他.SetFocus(), rt::Error);
    EXPECT_TRUE(f.他.HasFocus());
    EXPECT_TRUE(script::Messages().empty());
}

} // namespace
