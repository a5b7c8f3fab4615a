#include "platform/forms/flex_grid.h"

#include "platform/forms/events.h"
#include "platform/forms/internal.h"
#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace forms {

using internal::ToPixels;

namespace {
constexpr int kDefaultColWidth = 975;
constexpr int kDefaultRowHeight = 255;
} // namespace

// The Qt side: paints the cells, scrolls by whole rows and columns, turns clicks into cells.
class GridView : public QAbstractScrollArea {
public:
    explicit GridView(FlexGrid* grid) : grid_(grid) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::StrongFocus);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, [this](int v) { UserScroll(v, grid_->leftCol_); });
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, [this](int v) { UserScroll(grid_->topRow_, v); });
    }

    // Rows and columns in view and the scroll ranges follow the grid's content and size.
    void Sync() {
        syncing_ = true;
        verticalScrollBar()->setRange(grid_->fixedRows_,
                                      LastTop(grid_->rowHeights_, grid_->fixedRows_, viewport()->height()));
        verticalScrollBar()->setValue(grid_->topRow_);
        horizontalScrollBar()->setRange(grid_->fixedCols_,
                                        LastTop(grid_->colWidths_, grid_->fixedCols_, viewport()->width()));
        horizontalScrollBar()->setValue(grid_->leftCol_);
        syncing_ = false;
        viewport()->update();
    }

    // Brings row `top` and column `left` to the top-left of the scrolling part; whether the
    // view changed (the caller then reports the scroll).
    bool ScrollTo(int top, int left) {
        if (syncing_) return false;
        top = std::clamp(top, grid_->fixedRows_, std::max(grid_->fixedRows_, grid_->rows_ - 1));
        left = std::clamp(left, grid_->fixedCols_, std::max(grid_->fixedCols_, grid_->cols_ - 1));
        if (top == grid_->topRow_ && left == grid_->leftCol_) return false;
        grid_->topRow_ = top;
        grid_->leftCol_ = left;
        Sync();
        return true;
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QAbstractScrollArea::resizeEvent(e);
        Sync();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
        const auto rows = InView(grid_->rowHeights_, grid_->fixedRows_, grid_->topRow_, viewport()->height());
        const auto cols = InView(grid_->colWidths_, grid_->fixedCols_, grid_->leftCol_, viewport()->width());
        for (const Span& r : rows)
            for (const Span& c : cols)
                if (c.size > 0 && r.size > 0) PaintCell(p, QRect(c.start, r.start, c.size, r.size), r.index, c.index);
    }

    void mousePressEvent(QMouseEvent* e) override {
        // The control that had the focus loses it before the cell changes.
        internal::Dispatch([this] { grid_->SetFocus(); });
        pressed_ = true;
        int r = -1, c = -1;
        if (CellAt(e->position().toPoint(), r, c) && r >= grid_->fixedRows_ && c >= grid_->fixedCols_) {
            grid_->row_ = r;
            grid_->col_ = c;
            viewport()->update();
        }
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!pressed_) return;
        pressed_ = false;
        if (viewport()->rect().contains(e->position().toPoint()))
            internal::Dispatch([this] {
                if (grid_->OnClick) grid_->OnClick();
            });
    }

    void keyPressEvent(QKeyEvent* e) override {
        int r = grid_->row_, c = grid_->col_;
        switch (e->key()) {
        case Qt::Key_Up: --r; break;
        case Qt::Key_Down: ++r; break;
        case Qt::Key_Left: --c; break;
        case Qt::Key_Right: ++c; break;
        default: QAbstractScrollArea::keyPressEvent(e); return;
        }
        if (r < grid_->fixedRows_ || r >= grid_->rows_ || c < grid_->fixedCols_ || c >= grid_->cols_) return;
        grid_->row_ = r;
        grid_->col_ = c;
        int top = grid_->topRow_, left = grid_->leftCol_;
        if (r < top) top = r;
        while (r > top && !Fits(grid_->rowHeights_, grid_->fixedRows_, top, r, viewport()->height())) ++top;
        if (c < left) left = c;
        while (c > left && !Fits(grid_->colWidths_, grid_->fixedCols_, left, c, viewport()->width())) ++left;
        UserScroll(top, left);
        viewport()->update();
    }

private:
    void UserScroll(int top, int left) {
        if (ScrollTo(top, left))
            internal::Dispatch([this] {
                if (grid_->OnScroll) grid_->OnScroll();
            });
    }

    struct Span {
        int index, start, size; // item, first pixel, pixels
    };

    // The items in view along one axis: the fixed ones, then the scrolling ones from `first`,
    // until `extent` pixels are covered. Pixel edges are rounded from the offsets in twips, so
    // that a control laid over a cell by CellLeft/CellTop meets the painted cell.
    static std::vector<Span> InView(const std::vector<int>& sizes, int fixed, int first, int extent) {
        std::vector<Span> spans;
        const int count = static_cast<int>(sizes.size());
        int twips = 0;
        for (int i = fixed > 0 ? 0 : first; i < count; i = i + 1 == fixed ? std::max(i + 1, first) : i + 1) {
            const int start = ToPixels(twips);
            if (start >= extent) break;
            twips += sizes[i];
            spans.push_back({i, start, ToPixels(twips) - start});
        }
        return spans;
    }

    // Whether the scrolling items first..last fit after the fixed ones in `extent` pixels.
    static bool Fits(const std::vector<int>& sizes, int fixed, int first, int last, int extent) {
        int used = 0;
        for (int i = 0; i < fixed; ++i) used += sizes[i];
        for (int i = first; i <= last; ++i) used += sizes[i];
        return ToPixels(used) <= extent;
    }

    // The highest first scrolling item that still fills the view down to the last item.
    static int LastTop(const std::vector<int>& sizes, int fixed, int extent) {
        const int count = static_cast<int>(sizes.size());
        int top = std::max(fixed, count - 1);
        while (top > fixed && Fits(sizes, fixed, top - 1, count - 1, extent)) --top;
        return top;
    }

    // The item in view under pixel `at`, or -1.
    static int ItemAt(const std::vector<Span>& spans, int at) {
        for (const Span& s : spans)
            if (at >= s.start && at < s.start + s.size) return s.index;
        return -1;
    }

    bool CellAt(QPoint pt, int& row, int& col) const {
        row = ItemAt(InView(grid_->rowHeights_, grid_->fixedRows_, grid_->topRow_, viewport()->height()), pt.y());
        col = ItemAt(InView(grid_->colWidths_, grid_->fixedCols_, grid_->leftCol_, viewport()->width()), pt.x());
        return row >= 0 && col >= 0;
    }

    void PaintCell(QPainter& p, const QRect& cell, int r, int c) const {
        const bool fixed = r < grid_->fixedRows_ || c < grid_->fixedCols_;
        p.fillRect(cell, palette().color(fixed ? QPalette::Button : QPalette::Base));
        p.setPen(palette().color(fixed ? QPalette::Shadow : QPalette::Mid));
        p.drawLine(cell.topRight(), cell.bottomRight());
        p.drawLine(cell.bottomLeft(), cell.bottomRight());
        const QString text = internal::Q(grid_->cells_[r][c]);
        // Numbers stand to the right, other texts to the left.
        const Qt::Alignment align =
            (!fixed && rt::IsNumeric(grid_->cells_[r][c]) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        p.setPen(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
        p.drawText(cell.adjusted(3, 0, -4, -1), align, text);
        if (r == grid_->row_ && c == grid_->col_ && !fixed) {
            p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }

    FlexGrid* grid_;
    bool syncing_ = false;
    bool pressed_ = false;
};

namespace {
GridView* Of(const FlexGrid* g) { return static_cast<GridView*>(g->Widget()); }
} // namespace

FlexGrid::FlexGrid(Container& parent) : Control(parent, new GridView(this), 2415, 1455) {
    colWidths_.assign(cols_, kDefaultColWidth);
    rowHeights_.assign(rows_, kDefaultRowHeight);
    cells_.assign(rows_, std::vector<std::string>(cols_));
    Refresh();
}

void FlexGrid::CheckRow(int row) const {
    if (row < 0 || row >= rows_) rt::Raise(rt::errSubscript, "row " + rt::CStr(row) + " outside the grid");
}

void FlexGrid::CheckCol(int col) const {
    if (col < 0 || col >= cols_) rt::Raise(rt::errSubscript, "column " + rt::CStr(col) + " outside the grid");
}

void FlexGrid::Refresh() {
    // Keep the current cell and the view inside the grid.
    row_ = std::clamp(row_, 0, rows_ - 1);
    col_ = std::clamp(col_, 0, cols_ - 1);
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, cols_ - 1));
    Of(this)->Sync();
}

void FlexGrid::SetRows(int rows) {
    if (rows < 1 || rows < fixedRows_) rt::Raise(rt::errSubscript, "invalid row count");
    rows_ = rows;
    rowHeights_.resize(rows, rowHeights_.empty() ? kDefaultRowHeight : rowHeights_.back());
    cells_.resize(rows, std::vector<std::string>(cols_));
    Refresh();
}

void FlexGrid::SetCols(int cols) {
    if (cols < 1 || cols < fixedCols_) rt::Raise(rt::errSubscript, "invalid column count");
    cols_ = cols;
    colWidths_.resize(cols, colWidths_.empty() ? kDefaultColWidth : colWidths_.back());
    for (auto& row : cells_) row.resize(cols);
    Refresh();
}

void FlexGrid::SetFixedRows(int rows) {
    if (rows < 0 || rows >= rows_) rt::Raise(rt::errSubscript, "invalid fixed row count");
    fixedRows_ = rows;
    topRow_ = rows; // the view starts again at the first scrolling row
    if (row_ < rows) row_ = rows;
    Refresh();
}

void FlexGrid::SetFixedCols(int cols) {
    if (cols < 0 || cols >= cols_) rt::Raise(rt::errSubscript, "invalid fixed column count");
    fixedCols_ = cols;
    leftCol_ = cols;
    if (col_ < cols) col_ = cols;
    Refresh();
}

int FlexGrid::ColWidth(int col) const {
    CheckCol(col);
    return colWidths_[col];
}

namespace {
// Sets one size, or every size for index -1.
void SetSize(std::vector<int>& sizes, int index, int twips) {
    if (index == -1) std::fill(sizes.begin(), sizes.end(), twips);
    else sizes[index] = twips;
}
} // namespace

void FlexGrid::SetColWidth(int col, int twips) {
    if (col != -1) CheckCol(col);
    SetSize(colWidths_, col, twips);
    Refresh();
}

int FlexGrid::RowHeight(int row) const {
    CheckRow(row);
    return rowHeights_[row];
}

void FlexGrid::SetRowHeight(int row, int twips) {
    if (row != -1) CheckRow(row);
    SetSize(rowHeights_, row, twips);
    Refresh();
}

std::string FlexGrid::TextMatrix(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return cells_[row][col];
}

void FlexGrid::SetTextMatrix(int row, int col, const std::string& text) {
    CheckRow(row);
    CheckCol(col);
    cells_[row][col] = text;
    Of(this)->viewport()->update();
}

void FlexGrid::SetRow(int row) {
    CheckRow(row);
    row_ = row;
    Of(this)->viewport()->update();
}

void FlexGrid::SetCol(int col) {
    CheckCol(col);
    col_ = col;
    Of(this)->viewport()->update();
}

void FlexGrid::SetTopRow(int row) {
    CheckRow(row);
    if (Of(this)->ScrollTo(row, leftCol_) && OnScroll) OnScroll();
}

void FlexGrid::SetLeftCol(int col) {
    CheckCol(col);
    if (Of(this)->ScrollTo(topRow_, col) && OnScroll) OnScroll();
}

namespace {
// Offset of item `index` from the grid's edge: fixed items first, then the scrolled ones.
int Offset(const std::vector<int>& sizes, int fixed, int first, int index) {
    int at = 0;
    for (int i = 0; i < std::min(index, fixed); ++i) at += sizes[i];
    if (index < fixed) return at;
    for (int i = first; i < index; ++i) at += sizes[i];
    for (int i = index; i < first; ++i) at -= sizes[i];
    return at;
}
} // namespace

int FlexGrid::CellLeft() const { return Offset(colWidths_, fixedCols_, leftCol_, col_); }
int FlexGrid::CellTop() const { return Offset(rowHeights_, fixedRows_, topRow_, row_); }

} // namespace forms
