#include "platform/workbook/sheet_window.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "platform/runtime/conversion.h"
#include "platform/runtime/cp932.h"
#include "platform/runtime/number_text.h"
#include "platform/workbook/book_model.h"
#include "platform/workbook/sheet_cell_delegate.h"
#include "platform/workbook/sheet_units.h"
#include "platform/workbook/sheet_view.h"

namespace xl::detail {

namespace {

// The spreadsheet's default palette, colour indexes 1 .. 56.
constexpr std::array<unsigned, 56> kPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

constexpr int kShownRows = 100;
constexpr int kShownColumns = 26;

QPointer<SheetWindow>& Current() {
    static QPointer<SheetWindow> window;
    return window;
}

QString ColumnName(int column) {
    QString name;
    for (int c = column; c > 0; c = (c - 1) / 26) name.prepend(QChar('A' + (c - 1) % 26));
    return name;
}

bool QtRuns() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

} // namespace

SheetGridModel::SheetGridModel(std::shared_ptr<SheetData> sheet, QObject* parent)
        : QAbstractTableModel(parent), sheet_(std::move(sheet)) {
    Refresh();
}

void SheetGridModel::Refresh() {
    beginResetModel();
    rows_ = kShownRows;
    columns_ = kShownColumns;
    const CellStore& cells = sheet_->content.cells;
    rows_ = std::max(rows_, std::min(kMaxRows, cells.LastRow() + 10));
    columns_ = std::max(columns_, std::min(kMaxColumns, cells.LastColumn() + 2));
    endResetModel();
}

int SheetGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int SheetGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant SheetGridModel::data(const QModelIndex& index, int role) const {
    const CellStore& cells = sheet_->content.cells;
    const StoredCell* cell = cells.Find(index.row() + 1, index.column() + 1);
    if (!cell) return {};
    const CellFormat& format = cells.FormatOf(cell->format);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(cells.ValueOf(*cell).Text());
    case Qt::FontRole: {
        QFont font;
        font.setPointSizeF(format.fontTwips / 20.0);
        return font;
    }
    case Qt::BackgroundRole:
        if (format.pattern != xlPatternNone && format.interiorColor >= 1 && format.interiorColor <= 56)
            return QBrush(QColor::fromRgb(kPalette[format.interiorColor - 1]));
        return {};
    case Qt::TextAlignmentRole:
        return cells.ValueOf(*cell).IsNumber() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default: return {};
    }
}

// What the user types is a number when it reads as one, as in any spreadsheet; otherwise text.
bool SheetGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    auto book = sheet_->book.lock();
    if (!book || book->closed) return false;
    std::string text = value.toString().toStdString();
    if (rt::Len(text) > 32767) return false;
    CellValue typed = rt::IsNumeric(text) ? CellValue(rt::CDbl(text)) : CellValue(text);
    int row = index.row() + 1, column = index.column() + 1;
    sheet_->content.cells.SetValue(Area{row, column, row, column}, typed);
    book->saved = false;
    // A text may run on into the cells to its right, or be cut by the new value.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columns_ - 1));
    return true;
}

Qt::ItemFlags SheetGridModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant SheetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return ColumnName(section + 1);
    return QString::fromStdString(rt::CStr(section + 1));
}

SheetWindow::SheetWindow(std::shared_ptr<BookData> book) : book_(std::move(book)), tabs_(new QTabWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    resize(900, 600);
    tabs_->setTabPosition(QTabWidget::South);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!rebuilding_ && index >= 0 && !book_->closed) book_->activeSheet = index;
    });
    Rebuild();
}

void SheetWindow::Rebuild() {
    rebuilding_ = true;
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    shown_ = book_->sheets;
    for (auto& sheet : shown_) {
        auto* view = new QTableView;
        view->setModel(new SheetGridModel(sheet, view));
        view->setItemDelegate(new SheetCellDelegate(view));
        view->setShowGrid(false); // drawn by the cells, so that running texts cross no line
        view->horizontalHeader()->setDefaultSectionSize(ColumnPixels(kDefaultColumnWidth));
        view->verticalHeader()->setDefaultSectionSize(RowHeightForFont(kDefaultFontTwips) / kTwipsPerPixel);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        for (auto& [column, width] : sheet->content.columnWidths)
            if (column <= kMaxColumns) view->setColumnWidth(column - 1, ColumnPixels(width));
        tabs_->addTab(view, QString::fromStdString(sheet->content.name));
    }
    ShowRowHeights();
    tabs_->setCurrentIndex(book_->activeSheet);
    setWindowTitle(QString::fromStdString(book_->name));
    rebuilding_ = false;
}

void SheetWindow::Refresh() {
    if (book_->closed) return;
    bool sameSheets = shown_ == book_->sheets;
    for (int i = 0; sameSheets && i < tabs_->count(); ++i)
        sameSheets = tabs_->tabText(i).toStdString() == shown_[i]->content.name;
    if (!sameSheets) {
        Rebuild();
        return;
    }
    for (int i = 0; i < tabs_->count(); ++i)
        if (auto* view = qobject_cast<QTableView*>(tabs_->widget(i)))
            static_cast<SheetGridModel*>(view->model())->Refresh();
    ShowRowHeights();
    rebuilding_ = true;
    tabs_->setCurrentIndex(book_->activeSheet);
    rebuilding_ = false;
}

void SheetWindow::ShowRowHeights() {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* view = qobject_cast<QTableView*>(tabs_->widget(i));
        if (!view) continue;
        for (auto& [row, twips] : RowHeights(shown_[i]->content))
            if (row <= view->model()->rowCount()) view->setRowHeight(row - 1, twips / kTwipsPerPixel);
    }
}

SheetWindow* CurrentSheetWindow() { return Current().data(); }

void UpdateSheetWindow(const std::shared_ptr<AppState>& app) {
    QPointer<SheetWindow>& window = Current();
    bool show = app && app->running && app->visible && app->activeBook && app->activeBook->windowVisible && QtRuns();
    if (!show) {
        if (app) app->changed = nullptr;
        delete window.data();
        return;
    }
    if (window && window->Book() != app->activeBook) delete window.data();
    if (!window) {
        window = new SheetWindow(app->activeBook);
        // Program changes arrive cell by cell; the window catches up once control returns.
        auto pending = std::make_shared<bool>(false);
        app->changed = [pending] {
            if (*pending) return;
            *pending = true;
            QTimer::singleShot(0, [pending] {
                *pending = false;
                if (auto* w = CurrentSheetWindow()) w->Refresh();
            });
        };
    }
    window->Refresh();
    window->show();
    window->raise();
}

} // namespace xl::detail
