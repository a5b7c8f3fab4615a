#pragma once
// A grid of text cells with fixed (header) rows and columns that stay in view while the rest
// scrolls. Sizes and cell positions are in twips; index -1 in ColWidth/RowHeight means every
// column or row. The grid is not edited in place: see CellEditor.
#include "platform/forms/control.h"

#include <vector>

namespace forms {

class FlexGrid : public Control {
public:
    explicit FlexGrid(Container& parent);

    int Rows() const { return rows_; }
    void SetRows(int rows);
    int Cols() const { return cols_; }
    void SetCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols);

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    std::string TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const std::string& text);
    std::string Text() const { return TextMatrix(row_, col_); } // the current cell
    void SetText(const std::string& text) { SetTextMatrix(row_, col_, text); }

    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);
    int TopRow() const { return topRow_; } // first scrolling row in view
    void SetTopRow(int row);
    int LeftCol() const { return leftCol_; } // first scrolling column in view
    void SetLeftCol(int col);

    // The current cell inside the grid, twips.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const { return ColWidth(col_); }
    int CellHeight() const { return RowHeight(row_); }

    std::function<void()> OnClick;  // a click; the clicked cell is already the current one
    std::function<void()> OnScroll; // the rows or columns in view changed

private:
    friend class GridView;
    void CheckRow(int row) const;
    void CheckCol(int col) const;
    void Refresh();

    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1, topRow_ = 1, leftCol_ = 1;
    std::vector<int> colWidths_, rowHeights_;
    std::vector<std::vector<std::string>> cells_;
};

} // namespace forms
