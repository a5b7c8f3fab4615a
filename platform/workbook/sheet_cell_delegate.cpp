#include "platform/workbook/sheet_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QTableView>

namespace xl::detail {

namespace {
constexpr int kTextMargin = 3; // pixels between a cell's left edge and its text
} // namespace

SheetCellDelegate::SheetCellDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

bool SheetCellDelegate::IsEmpty(const QModelIndex& index) { return index.data(Qt::DisplayRole).toString().isEmpty(); }

// Numbers are aligned right; texts carry no alignment.
bool SheetCellDelegate::IsText(const QModelIndex& index) {
    return !IsEmpty(index) && !index.data(Qt::TextAlignmentRole).isValid();
}

bool SheetCellDelegate::RunOver(const QModelIndex& index, Run& run) const {
    const QAbstractItemModel* model = index.model();
    int owner = index.column();
    while (owner > 0 && IsEmpty(model->index(index.row(), owner))) --owner;
    QModelIndex ownerIndex = model->index(index.row(), owner);
    if (!IsText(ownerIndex)) return false;
    int end = owner + 1;
    while (end < model->columnCount() && IsEmpty(model->index(index.row(), end))) ++end;
    if (end <= index.column()) return false; // the text stops at a cell before this one
    run.text = ownerIndex.data(Qt::DisplayRole).toString();
    run.font = qvariant_cast<QFont>(ownerIndex.data(Qt::FontRole));
    run.left = view_->columnViewportPosition(owner) + kTextMargin;
    run.right = view_->columnViewportPosition(end - 1) + view_->columnWidth(end - 1);
    int textEnd = run.left + QFontMetrics(run.font).horizontalAdvance(run.text);
    int cellLeft = view_->columnViewportPosition(index.column());
    return owner == index.column() || textEnd > cellLeft;
}

void SheetCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect cell = option.rect;
    QStyleOptionViewItem background(option);
    initStyleOption(&background, index);
    const bool number = !IsEmpty(index) && !IsText(index);
    if (number) {
        QStyledItemDelegate::paint(painter, option, index);
    } else {
        background.text.clear();
        QStyle* style = background.widget ? background.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, background.widget);
    }

    Run run;
    const bool covered = !number && RunOver(index, run);
    if (covered) {
        painter->save();
        painter->setClipRect(cell.intersected(
            QRect(run.left - kTextMargin, cell.top(), run.right - run.left + kTextMargin, cell.height())));
        painter->setFont(run.font);
        painter->setPen(background.palette.color(background.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                           : QPalette::Text));
        QRect textRect(run.left, cell.top(), run.right - run.left, cell.height());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, run.text);
        painter->restore();
    }

    // The grid: this cell's right and bottom edges, the right one not across a running text.
    const QStyle* style = background.widget ? background.widget->style() : QApplication::style();
    QColor grid = QColor::fromRgba(
        static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &background, background.widget)));
    painter->save();
    painter->setPen(grid);
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    const int textEnd = covered ? run.left + QFontMetrics(run.font).horizontalAdvance(run.text) : 0;
    const bool runsOn = covered && textEnd > cell.right() + 1 && run.right > cell.right() + 1;
    if (!runsOn) painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->restore();
}

} // namespace xl::detail
