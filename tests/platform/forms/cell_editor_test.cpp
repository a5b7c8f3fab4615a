#include "platform/forms/forms.h"
#include "tests/platform/forms/grid_click.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using namespace forms;

class 入力画面 : public Form {
public:
    FlexGrid グリッド{*this};
    TextBox Text1{*this};
    CommandButton 他{*this};
    CellEditor 編集{グリッド, Text1};
    std::vector<std::string> stored;

    入力画面() {
        グリッド.Move(300, 600, 6000, 3000);
        グリッド.SetRows(20);
        グリッド.SetCols(3);
        グリッド.SetFixedCols(0);
        グリッド.SetColWidth(-1, 1500);
        グリッド.SetRowHeight(-1, 450);
        グリッド.SetTextMatrix(2, 1, "12.5");
        Text1.SetVisible(false);
        編集.OnStore = [this] { stored.push_back(グリッド.Text()); };
        グリッド.OnClick = [this] { 編集.Open(); };
    }
};

class CellEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        form.グリッド.SetRow(2);
        form.グリッド.SetCol(1);
        form.編集.Open();
    }
    void TearDown() override { UnloadAll(); }
    入力画面& form = Get<入力画面>();
};

TEST_F(CellEditorTest, OpensOverTheCurrentCellWithItsTextAndSize) {
    EXPECT_TRUE(form.Text1.Visible());
    EXPECT_EQ(form.Text1.Text(), "12.5");
    EXPECT_EQ(form.Text1.Left(), 300 + 1500);
    EXPECT_EQ(form.Text1.Top(), 600 + 450 + 450);
    EXPECT_EQ(form.Text1.Width(), 1500);
    EXPECT_EQ(form.Text1.Height(), 450);
    EXPECT_TRUE(form.Text1.HasFocus());
}

TEST_F(CellEditorTest, EveryChangeIsCopiedIntoTheCell) {
    auto* edit = static_cast<QLineEdit*>(form.Text1.Widget());
    edit->setText("");
    edit->insert("7");
    EXPECT_EQ(form.グリッド.TextMatrix(2, 1), "7");
    edit->insert("8");
    EXPECT_EQ(form.グリッド.TextMatrix(2, 1), "78");
}

// Typing into a cell just opened replaces its text, a number or a placeholder alike.
TEST_F(CellEditorTest, TypingReplacesTheCellsText) {
    for (const char* shown : {"12.5", "幅未入力"}) {
        SCOPED_TRACE(shown);
        form.グリッド.SetText(shown);
        form.編集.Open();
        for (const QChar c : QString("3.5")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(form.Text1.Widget(), &press);
        }
        EXPECT_EQ(form.グリッド.TextMatrix(2, 1), "3.5");
    }
}

TEST_F(CellEditorTest, FocusLossStoresOnceAndScrollHides) {
    form.Text1.SetText("3");
    form.他.SetFocus();
    EXPECT_EQ(form.stored, (std::vector<std::string>{"3"}));
    form.他.SetFocus();
    EXPECT_EQ(form.stored.size(), 1u);
    form.グリッド.SetTopRow(5);
    EXPECT_FALSE(form.Text1.Visible());
}

class 他画面 : public Form {};

// Going straight from the editor to another screen (the main window's toolbar, say) stores
// the cell; a message box opening over it does not.
TEST_F(CellEditorTest, FocusGoingToAnotherScreenStores) {
    auto activate = [](Form& f) {
        f.Show();
        f.Window()->activateWindow();
        QApplication::processEvents();
    };
    activate(form);
    form.Text1.SetFocus();
    form.Text1.SetText("4");
    ASSERT_TRUE(form.Text1.Widget()->hasFocus());
    activate(Get<他画面>());
    EXPECT_EQ(form.stored, (std::vector<std::string>{"4"}));
}

TEST_F(CellEditorTest, ClickOnAnotherCellStoresTheOldOneThenOpensOnTheNew) {
    form.Text1.SetText("3");
    ClickGridAt(form.グリッド, 10, 5 * 30 + 5); // row 5, column 0 (100 x 30 px cells)
    EXPECT_EQ(form.stored, (std::vector<std::string>{"3"}));
    EXPECT_EQ(form.グリッド.TextMatrix(2, 1), "3");
    EXPECT_EQ(form.グリッド.Row(), 5);
    EXPECT_EQ(form.グリッド.Col(), 0);
    EXPECT_EQ(form.Text1.Left(), 300);
    EXPECT_TRUE(form.Text1.HasFocus());
}

} // namespace
