#pragma once
// The spreadsheet's window: the active workbook's sheets as tabs of cell grids that the user
// can edit, with the sheets' column widths and row heights, and texts running on into empty
// cells. It exists while the application and the workbook window are visible and a
// QApplication runs (see sheet_view.h); cells typed as numbers are kept as numbers.
#include <QAbstractTableModel>
#include <QTabWidget>
#include <QWidget>
#include <memory>

namespace xl::detail {

struct SheetData;
struct BookData;

class SheetGridModel : public QAbstractTableModel {
public:
    explicit SheetGridModel(std::shared_ptr<SheetData> sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Refresh();

private:
    std::shared_ptr<SheetData> sheet_;
    int rows_ = 0, columns_ = 0;
};

class SheetWindow : public QWidget {
public:
    explicit SheetWindow(std::shared_ptr<BookData> book);

    // Shows the book's sheets again after the program changed cells or sheets.
    void Refresh();
    const std::shared_ptr<BookData>& Book() const { return book_; }
    QTabWidget* Tabs() const { return tabs_; }

private:
    void Rebuild();
    // Sets the rows of every tab as high as their sheet makes them.
    void ShowRowHeights();

    std::shared_ptr<BookData> book_;
    QTabWidget* tabs_;
    std::vector<std::shared_ptr<SheetData>> shown_;
    bool rebuilding_ = false;
};

// The open sheet window, or null.
SheetWindow* CurrentSheetWindow();

} // namespace xl::detail
