// The sheet window: shown while the application and the workbook window are visible, its tabs
// follow the sheets, and what the user types reaches the cells the program reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTableView>

#include "platform/workbook/sheet_window.h"
#include "platform/workbook/workbook.h"
#include "workbook_fixture.h"

namespace xl::test {
namespace {

class SheetWindowTest : public WorkbookTest {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        // Left alive to the end: destroying it among the statics at exit crashes Qt.
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    static QStringList TabNames() {
        QStringList names;
        auto* tabs = detail::CurrentSheetWindow()->Tabs();
        for (int i = 0; i < tabs->count(); ++i) names << tabs->tabText(i);
        return names;
    }
};

TEST_F(SheetWindowTest, ShownOnlyWhileApplicationAndWindowAreVisible) {
    auto book = CreateObject("Excel.sheet");
    auto app = book->Application();
    app->SetVisible(true);
    EXPECT_EQ(detail::CurrentSheetWindow(), nullptr); // the workbook window is still hidden
    app->Windows(1)->SetVisible(true);
    ASSERT_NE(detail::CurrentSheetWindow(), nullptr);
    EXPECT_TRUE(detail::CurrentSheetWindow()->isVisible());
    app->SetVisible(false);
    EXPECT_EQ(detail::CurrentSheetWindow(), nullptr);
    app->SetVisible(true);
    ASSERT_NE(detail::CurrentSheetWindow(), nullptr);
    app->Quit();
    EXPECT_EQ(detail::CurrentSheetWindow(), nullptr);
}

TEST_F(SheetWindowTest, TabsFollowTheSheetsAndTypedCellsReachTheProgram) {
    auto book = CreateObject("Excel.sheet");
    book->Parent()->Windows(1)->SetVisible(true);
    book->Parent()->SetVisible(true);
    book->Worksheets(1)->SetName("座標値ｼｰﾄ");
    book->Sheets()->Add()->SetName("縦断ｼｰﾄ");
    book->Worksheets("縦断ｼｰﾄ")->Cells(5, 1)->SetValue(12.3f);
    QApplication::processEvents();
    EXPECT_EQ(TabNames(), (QStringList{"縦断ｼｰﾄ", "座標値ｼｰﾄ"}));

    auto* view = qobject_cast<QTableView*>(detail::CurrentSheetWindow()->Tabs()->widget(0));
    ASSERT_NE(view, nullptr);
    auto* model = view->model();
    EXPECT_EQ(model->data(model->index(4, 0)).toString(), "12.3");
    model->setData(model->index(5, 0), "101.5", Qt::EditRole);
    model->setData(model->index(5, 1), "No.3+5", Qt::EditRole);
    model->setData(model->index(4, 0), "", Qt::EditRole);
    auto ws = book->Worksheets("縦断ｼｰﾄ");
    EXPECT_EQ(ws->Cells(6, 1)->Value().Kind(), ValueKind::Double);
    EXPECT_EQ(ws->Cells(6, 1)->Value().Double(), 101.5);
    EXPECT_EQ(ws->Cells(6, 2)->Value().Text(), "No.3+5");
    EXPECT_TRUE(ws->Cells(5, 1)->Value().IsEmpty());

    // Choosing a tab selects the sheet.
    detail::CurrentSheetWindow()->Tabs()->setCurrentIndex(1);
    EXPECT_EQ(book->ActiveSheet()->Name(), "座標値ｼｰﾄ");
}

} // namespace
} // namespace xl::test
