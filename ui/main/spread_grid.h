// The grid of the main window: a header row 0 with the column texts, a
// row-header column 0 with the row numbers, data cells from row 1 and
// column 1 that only the program writes. It keeps an active row (the row of
// the active cell) and reports clicks on cells.
#pragma once

#include "ui/main/grid_model.h"

#include <QTableView>

#include <vector>

namespace orv::ui {

class SpreadGrid : public QTableView {
    Q_OBJECT

public:
    // `headers` are the texts of columns 1..n; `widths` the widths of
    // columns 0..n in character units of the grid's font.
    SpreadGrid(const QString& name, QStringList headers, std::vector<double> widths,
               QWidget* parent);

    [[nodiscard]] int RowCount() const;
    void SetRowCount(int rows);

    // 1 while rows exist and the user has not chosen another row; 0 only
    // when there are no rows.
    [[nodiscard]] int ActiveRow() const { return m_activeRow; }

    // Choose the cell the next write goes to, in grid numbering.
    void SetRow(int row) { m_row = row; }
    void SetCol(int column) { m_col = column; }
    // While redrawing is off, writes are shown together when it is turned on
    // again, as one change over the rows written.
    void SetReDraw(bool redraw);
    void SetText(const QString& text);
    void SetNumber(float value);
    void SetNumber(double value);

    // Selects the block of one row from column `first` to `last`; the
    // active row stays where it is.
    void SelectBlock(int firstColumn, int firstRow, int lastColumn, int lastRow);

    [[nodiscard]] QString CellText(int row, int column) const;

Q_SIGNALS:
    // The user clicked the cell at (column, row), grid numbering.
    void CellEvent(int column, int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyColumnWidths();
    void OnCurrentChanged(const QModelIndex& current);

    GridModel* m_model;
    std::vector<double> m_widths;
    int m_activeRow = 0;
    int m_row = 0;
    int m_col = 0;
};

} // namespace orv::ui
