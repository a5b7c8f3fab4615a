// The reference-figure viewer: the figure and the notes follow the tab.
#include "drawing_fixture.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/drawing/参考図.h"

#include <QWidget>

namespace {

// Whether `front` lies in front of `other`, its sibling.
bool InFront(const forms::Control& front, const forms::Control& other) {
    const auto& siblings = front.Widget()->parentWidget()->children();
    return siblings.indexOf(front.Widget()) > siblings.indexOf(other.Widget());
}

class ReferenceFigures : public drawing_test::DrawingTest {};

TEST_F(ReferenceFigures, TheFigureAndNotesFollowTheTab) {
    forms::Get<作図画面>().参照ボタン.OnClick();
    参考図& r = forms::Get<参考図>();
    EXPECT_TRUE(r.Visible());
    EXPECT_EQ(r.Caption(), "参考図");
    EXPECT_EQ(r.タブ.TabCaption(1), "標準断面図");
    EXPECT_EQ(r.タブ.TabCaption(2), "現況横断図");
    EXPECT_EQ(r.タブ.SelectedItem(), 1);
    for (int k = 0; k <= 1; ++k) {
        EXPECT_EQ(r.図(k).ScaleWidth(), 702);
        EXPECT_GT(r.図(k).Commands().size(), 20u); // the figure is drawn
    }
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(InFront(r.図(0), r.図(1)));
        EXPECT_TRUE(r.文字枠(0).Visible() && !r.文字枠(1).Visible());
        r.タブ.SetSelectedItem(2);
        EXPECT_TRUE(InFront(r.図(1), r.図(0)));
        EXPECT_TRUE(r.文字枠(1).Visible() && !r.文字枠(0).Visible());
        r.タブ.SetSelectedItem(1);
    }
    r.タブ.SetSelectedItem(2);
    r.M戻るボタン.OnClick();
    EXPECT_FALSE(forms::IsLoaded<参考図>());
    forms::Get<作図画面>().Command2.OnClick();
    EXPECT_EQ(forms::Get<参考図>().タブ.SelectedItem(), 1); // a new opening starts on tab 1
}

// The close box returns as 戻る does: the next opening starts on the first tab.
TEST_F(ReferenceFigures, TheCloseBoxReturnsAndTheNextOpeningStartsOnTheFirstTab) {
    forms::Get<作図画面>().参照ボタン.OnClick();
    forms::Get<参考図>().タブ.SetSelectedItem(2);
    forms::Get<参考図>().Window()->close();
    EXPECT_FALSE(forms::IsLoaded<参考図>());
    forms::Get<作図画面>().参照ボタン.OnClick();
    参考図& r = forms::Get<参考図>();
    EXPECT_EQ(r.タブ.SelectedItem(), 1);
    EXPECT_TRUE(r.文字枠(0).Visible() && !r.文字枠(1).Visible());
}

} // namespace
