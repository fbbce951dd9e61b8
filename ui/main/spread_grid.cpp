#include "ui/main/spread_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <cmath>

namespace orv::ui {
namespace {

// A character-width unit is the font's average character width plus the
// cell's own margins.
int CharacterUnitsToPixels(double units, const QFontMetrics& metrics)
{
    constexpr int kCellMargins = 5;
    return static_cast<int>(std::lround(units * metrics.averageCharWidth())) + kCellMargins;
}

} // namespace

SpreadGrid::SpreadGrid(const QString& name, QStringList headers, std::vector<double> widths,
                       QWidget* parent)
    : QTableView(parent)
    , m_model(new GridModel(std::move(headers), this))
    , m_widths(std::move(widths))
{
    setObjectName(name);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ApplyColumnWidths();

    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        emit CellEvent(index.column() + 1, index.row() + 1);
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit CellEvent(0, section + 1); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
}

void SpreadGrid::ApplyColumnWidths()
{
    const QFontMetrics metrics(font());
    if (!m_widths.empty())
        verticalHeader()->setFixedWidth(CharacterUnitsToPixels(m_widths.front(), metrics));
    for (std::size_t column = 1; column < m_widths.size(); ++column)
        setColumnWidth(static_cast<int>(column) - 1, CharacterUnitsToPixels(m_widths[column], metrics));
}

int SpreadGrid::RowCount() const { return m_model->rowCount(); }

void SpreadGrid::SetRowCount(int rows)
{
    m_model->SetRowCount(rows);
    const int count = m_model->rowCount();
    m_activeRow = count == 0 ? 0 : std::clamp(m_activeRow, 1, count);
    if (count > 0) {
        const QModelIndex current = currentIndex();
        const int column = current.isValid() ? current.column() : 0;
        selectionModel()->setCurrentIndex(m_model->index(m_activeRow - 1, column),
                                          QItemSelectionModel::NoUpdate);
    }
}

void SpreadGrid::SetText(const QString& text) { m_model->SetCell(m_row - 1, m_col - 1, text); }

void SpreadGrid::SetNumber(float value) { m_model->SetCell(m_row - 1, m_col - 1, value); }

void SpreadGrid::SetNumber(double value) { m_model->SetCell(m_row - 1, m_col - 1, value); }

void SpreadGrid::SelectBlock(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    const int lastDataColumn = m_model->columnCount() - 1;
    const QModelIndex topLeft =
        m_model->index(firstRow - 1, std::clamp(firstColumn - 1, 0, lastDataColumn));
    const QModelIndex bottomRight =
        m_model->index(lastRow - 1, std::clamp(lastColumn - 1, 0, lastDataColumn));
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
}

QString SpreadGrid::CellText(int row, int column) const
{
    return m_model->CellText(row - 1, column - 1);
}

void SpreadGrid::OnCurrentChanged(const QModelIndex& current)
{
    if (current.isValid())
        m_activeRow = current.row() + 1;
}

} // namespace orv::ui
