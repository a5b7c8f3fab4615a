// The wait screen after a save: its caption and its body can be read whole.
#include "tests/support/program_reset.h"
#include "vantor/shell/待表示.h"
#include "vantor/shell/親画面.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <gtest/gtest.h>

namespace {

// Whether the document window's title bar shows `screen`'s caption without eliding it: the
// label the style gives the title bar at the window's width, and the bold title font.
bool CaptionShowsWhole(const forms::Form& screen) {
    auto* frame = qobject_cast<QMdiSubWindow*>(screen.Window()->parentWidget());
    if (!frame) return false;
    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.text = frame->windowTitle();
    option.titleBarFlags = frame->windowFlags();
    option.subControls = QStyle::SC_All;
    option.rect =
        QRect(4, 4, frame->width() - 8, frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int label =
        frame->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, frame).width();
    return QFontMetrics(font).elidedText(option.text, Qt::ElideRight, label - 14) == option.text;
}

bool ShowsWhole(const forms::Control& c, const forms::Form& on) {
    const QRect area = on.ClientWidget()->rect();
    return c.Visible() && area.contains(c.Widget()->geometry());
}

TEST(WaitScreenTest, AfterASaveTheCaptionAndTheButtonsShowWhole) {
    forms::Get<親画面>().Show();
    auto& wait = forms::Get<待表示>();
    wait.ShowState("保存が完了したよ ﾁｭｰﾁｭｰ・・", false);
    wait.起きる.SetVisible(true);
    wait.継続ボタン.SetVisible(true);
    wait.終了ボタン.SetVisible(true);
    ASSERT_TRUE(wait.MDIChild());
    EXPECT_TRUE(CaptionShowsWhole(wait));
    EXPECT_GT(wait.Width(), 2200);
    for (const forms::CommandButton* button : {&wait.継続ボタン, &wait.終了ボタン}) {
        SCOPED_TRACE(button->Caption());
        EXPECT_TRUE(ShowsWhole(*button, wait));
        const QWidget* w = button->Widget();
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(static_cast<const QAbstractButton*>(w)->text()),
                  w->width() - 8);
    }
    EXPECT_TRUE(ShowsWhole(wait.起きる, wait));

    // A short caption takes the screen back to its own width, the working message readable.
    wait.ShowState("しばらくお待ちください・・", true);
    EXPECT_TRUE(CaptionShowsWhole(wait));
    EXPECT_TRUE(ShowsWhole(wait.休み, wait));
    test_support::ResetProgram();
}

} // namespace
