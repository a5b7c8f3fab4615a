// The sheet window: shown while the application and the workbook window are visible, its tabs
// follow the sheets, and what the user types reaches the cells the program reads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
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

// Dark pixels (text, not the light grid) inside `rect` of the image.
int InkIn(const QImage& image, const QRect& rect) {
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 96) ++ink;
    return ink;
}

// Titles and equation lines run on into the empty cells to their right, as in a spreadsheet;
// a cell with a value stops them; a 22-point title row is as high as its font.
TEST_F(SheetWindowTest, LongTextsRunOnIntoEmptyCells) {
    auto book = CreateObject("Excel.sheet");
    book->Parent()->Windows(1)->SetVisible(true);
    book->Parent()->SetVisible(true);
    auto ws = book->Worksheets(1);
    ws->Range("B2")->Font()->SetSize(22);
    ws->Range("B2")->SetValue("縦 断 曲 線 計 算 調 書");
    ws->Range("A5")->SetValue("(1) y = -0.000125 * (x - 120.5)^2 + 0.0215 * x + 12.345");
    ws->Range("A7")->SetValue("(2) y = -0.000125 * (x - 120.5)^2 + 0.0215 * x + 12.345");
    ws->Range("C7")->SetValue(3);
    QApplication::processEvents();

    auto* view = qobject_cast<QTableView*>(detail::CurrentSheetWindow()->Tabs()->widget(0));
    ASSERT_NE(view, nullptr);
    detail::CurrentSheetWindow()->resize(900, 400);
    QApplication::processEvents();
    QImage image = view->viewport()->grab().toImage();
    image.save(QString::fromStdString(Path("sheet_window.png")));

    auto cell = [&](int row, int column) {
        return view->visualRect(view->model()->index(row - 1, column - 1)).adjusted(0, 0, -1, -1);
    };
    EXPECT_EQ(view->rowHeight(1), 35); // 22 points at 96 dpi, 1.2 lines
    EXPECT_GT(InkIn(image, cell(2, 4)), 20) << "the title does not reach D2";
    EXPECT_GT(InkIn(image, cell(5, 4)), 20) << "the equation does not reach D5";
    EXPECT_GT(InkIn(image, cell(7, 2)), 20) << "the equation does not reach B7";
    // C7 holds 3: the text stops at it, leaving only the digit (at the right of the cell).
    QRect c7 = cell(7, 3);
    EXPECT_EQ(InkIn(image, c7.adjusted(0, 0, -c7.width() / 2, 0)), 0);
    EXPECT_EQ(InkIn(image, cell(7, 4)), 0);
}

} // namespace
} // namespace xl::test
