#pragma once
// Paints the cells of a sheet as a spreadsheet does: a text longer than its cell runs on into
// the empty cells to its right (cut at the first cell that holds a value, never shortened
// with "…"), and the grid line under such a run is left out. Numbers stay in their cells.
#include <QStyledItemDelegate>

class QTableView;

namespace xl::detail {

class SheetCellDelegate : public QStyledItemDelegate {
public:
    explicit SheetCellDelegate(QTableView* view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A text and the stretch of the viewport it is drawn in.
    struct Run {
        QString text;
        QFont font;
        int left = 0;  // where the text starts
        int right = 0; // where the cells it may cover end
    };
    // The text drawn over the cell at `index`: its own, or one running on from the left.
    bool RunOver(const QModelIndex& index, Run& run) const;
    static bool IsText(const QModelIndex& index);
    static bool IsEmpty(const QModelIndex& index);

    QTableView* view_;
};

} // namespace xl::detail
