#include "platform/forms/forms.h"
#include "platform/forms/script.h"

#include "platform/runtime/error.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

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

    試験画面() { 実行.OnClick = [this] { 実行_Click(); }; }

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

// A command that fails tells the user and leaves the program running.
TEST_F(FormTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    auto& f = Get<試験画面>();
    f.実行.OnClick = [] { rt::Raise(rt::errSubscript, "row 501"); };
    f.Show();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(f.実行.Widget(), &press);
    QCoreApplication::sendEvent(f.実行.Widget(), &release);
    ASSERT_EQ(script::Messages().size(), 1u);
    EXPECT_NE(script::Messages()[0].prompt.find("実行時エラー '9'"), std::string::npos);
    EXPECT_NE(script::Messages()[0].prompt.find("row 501"), std::string::npos);
    EXPECT_TRUE(f.Visible());
}

} // namespace
