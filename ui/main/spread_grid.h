// The grid of the main window: a header row 0 with the column texts, a
// row-header column 0 with the row numbers, data cells from row 1 and
// column 1 that only the program writes. It keeps an active row (the row of
// the active cell), which is always the one row it shows selected, and
// reports the cells the user acts on.
#pragma once

#include "ui/main/grid_model.h"

#include <QTableView>

#include <utility>
#include <vector>

namespace orv::ui {

// One column of a grid: its header, its designed width in the grid's
// character units, and the widest text it must show whole.
struct GridColumn {
    QString header;
    double width = 0;
    QString widest;
};

enum class RowCommandKind { Edit, Delete };

class SpreadGrid : public QTableView {
    Q_OBJECT

public:
    // `rowHeader` is column 0 (its header is not shown); `columns` are
    // columns 1..n.
    SpreadGrid(const QString& name, GridColumn rowHeader, std::vector<GridColumn> columns,
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

    // Selects the block of one row from column `first` to `last` (column 0
    // is the row header) and makes that row the active row.
    void SelectBlock(int firstColumn, int firstRow, int lastColumn, int lastRow);

    // Scrolls the row into view; the active cell stays where it is.
    void ShowRow(int row);

    [[nodiscard]] QString CellText(int row, int column) const;
    // What a row, grid numbering, gives cause to say; a warning tints it.
    void SetRowNote(int row, const RowNote& note) { m_model->SetRowNote(row - 1, note); }
    [[nodiscard]] const RowNote& Note(int row) const { return m_model->Note(row - 1); }

    // The width the grid gives one of its character units: enough for every
    // data column's widest text and header, and at least enough for the
    // columns to fill the grid. Where that is wider than the grid, the grid
    // scrolls sideways.
    [[nodiscard]] double CharacterUnit() const;

Q_SIGNALS:
    // The user clicked, or moved the keyboard to, the cell at (column, row),
    // grid numbering.
    void CellEvent(int column, int row);
    // Enter or Delete was pressed in the grid.
    void RowCommand(RowCommandKind kind);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyColumnWidths();
    void OnCurrentChanged(const QModelIndex& current);
    void SelectActiveRow();
    [[nodiscard]] int CellMargins() const;
    [[nodiscard]] std::pair<int, int> WholeRow() const;

    void UserMovedTo(const QModelIndex& index);

    GridModel* m_model;
    QPersistentModelIndex m_pressed;
    GridColumn m_rowHeader;
    std::vector<GridColumn> m_columns;
    int m_activeRow = 0;
    int m_row = 0;
    int m_col = 0;
    // The columns the selection of the active row spans, grid numbering.
    std::pair<int, int> m_selectionColumns;
};

} // namespace orv::ui
