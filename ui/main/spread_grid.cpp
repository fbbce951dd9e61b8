#include "ui/main/spread_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace orv::ui {
namespace {

QStringList Headers(const std::vector<GridColumn>& columns)
{
    QStringList headers;
    for (const GridColumn& column : columns)
        headers << column.header;
    return headers;
}

} // namespace

SpreadGrid::SpreadGrid(const QString& name, GridColumn rowHeader, std::vector<GridColumn> columns,
                       QWidget* parent)
    : QTableView(parent)
    , m_model(new GridModel(Headers(columns), this))
    , m_rowHeader(std::move(rowHeader))
    , m_columns(std::move(columns))
    , m_selectionColumns(WholeRow())
{
    setObjectName(name);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One row at a time, the row Delete and Edit act on.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the grid along the window's tab order; arrows move the row.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ApplyColumnWidths();

    connect(this, &QTableView::clicked, this, &SpreadGrid::UserMovedTo);
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        m_selectionColumns = WholeRow();
        Q_EMIT CellEvent(0, section + 1);
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
}

std::pair<int, int> SpreadGrid::WholeRow() const { return {1, static_cast<int>(m_columns.size())}; }

int SpreadGrid::CellMargins() const
{
    // What the style leaves between a cell's text and its grid lines.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
}

double SpreadGrid::CharacterUnit() const
{
    const QFontMetrics metrics(font());
    const int margins = CellMargins();
    double totalUnits = m_rowHeader.width;
    double unit = metrics.averageCharWidth() + 1;
    for (const GridColumn& column : m_columns) {
        totalUnits += column.width;
        const int widest = std::max(metrics.horizontalAdvance(column.widest),
                                    metrics.horizontalAdvance(column.header));
        unit = std::max(unit, (widest + margins) / column.width);
    }
    // Where the grid has more room, the units stretch so that the designed
    // columns fill it, as they did on the display they were chosen for.
    const int room = width() - 2 * frameWidth() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return std::max(unit, room / totalUnits);
}

void SpreadGrid::ApplyColumnWidths()
{
    const double unit = CharacterUnit();
    const auto pixels = [](double units, double perUnit) {
        return static_cast<int>(std::ceil(units * perUnit));
    };
    // The row numbers are narrow by design; they get what they need without
    // widening every other column.
    const int rowNumbers = fontMetrics().horizontalAdvance(m_rowHeader.widest) + CellMargins();
    const int header = std::max(pixels(m_rowHeader.width, unit), rowNumbers);
    verticalHeader()->setFixedWidth(header);

    // Where the grid's room holds every column at what its widest value
    // needs, each column gets that or its designed share of the room,
    // whichever is more, and nothing scrolls sideways; in less room the
    // designed proportions hold and the grid scrolls.
    const QFontMetrics metrics(font());
    const int room = width() - 2 * frameWidth() - header
                     - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    double designedUnits = 0;
    for (const GridColumn& column : m_columns)
        designedUnits += column.width;
    const double share = room / designedUnits;
    std::vector<int> fitted;
    int total = 0;
    for (const GridColumn& column : m_columns) {
        const int needed = std::max(metrics.horizontalAdvance(column.widest),
                                    metrics.horizontalAdvance(column.header))
                           + CellMargins();
        fitted.push_back(std::max(needed, static_cast<int>(column.width * share)));
        total += fitted.back();
    }
    const bool fits = total <= room;
    for (std::size_t column = 0; column < m_columns.size(); ++column)
        setColumnWidth(static_cast<int>(column),
                       fits ? fitted[column] : pixels(m_columns[column].width, unit));
}

void SpreadGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
}

void SpreadGrid::UserMovedTo(const QModelIndex& index)
{
    m_selectionColumns = WholeRow();
    Q_EMIT CellEvent(index.column() + 1, index.row() + 1);
}

void SpreadGrid::keyPressEvent(QKeyEvent* event)
{
    // Enter and Delete act on the active row; the window decides how.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT RowCommand(RowCommandKind::Edit);
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT RowCommand(RowCommandKind::Delete);
        return;
    }
    const int before = m_activeRow;
    QTableView::keyPressEvent(event);
    if (m_activeRow != before)
        UserMovedTo(currentIndex());
}

void SpreadGrid::mousePressEvent(QMouseEvent* event)
{
    m_pressed = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
}

void SpreadGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    // A release on the pressed cell is a click; a drag that ended elsewhere
    // moved the row as well.
    if (indexAt(event->position().toPoint()) != m_pressed && currentIndex().isValid())
        UserMovedTo(currentIndex());
}

int SpreadGrid::RowCount() const { return m_model->rowCount(); }

void SpreadGrid::SetRowCount(int rows)
{
    const int before = m_model->rowCount();
    m_model->SetRowCount(rows);
    const int count = m_model->rowCount();
    m_activeRow = count == 0 ? 0 : std::clamp(m_activeRow, 1, count);
    if (count > 0 && count != before)
        SelectActiveRow();
}

void SpreadGrid::SelectActiveRow()
{
    const QModelIndex current = currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    selectionModel()->setCurrentIndex(m_model->index(m_activeRow - 1, column),
                                      QItemSelectionModel::NoUpdate);
    const QModelIndex first = m_model->index(m_activeRow - 1, m_selectionColumns.first - 1);
    const QModelIndex last = m_model->index(m_activeRow - 1, m_selectionColumns.second - 1);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void SpreadGrid::SetReDraw(bool redraw)
{
    if (redraw)
        m_model->ReleaseAnnouncements();
    else
        m_model->HoldAnnouncements();
}

void SpreadGrid::SetText(const QString& text) { m_model->SetCell(m_row - 1, m_col - 1, text); }

void SpreadGrid::SetNumber(float value) { m_model->SetCell(m_row - 1, m_col - 1, value); }

void SpreadGrid::SetNumber(double value) { m_model->SetCell(m_row - 1, m_col - 1, value); }

void SpreadGrid::SelectBlock(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    // One row is all the grid selects; a block over several rows selects
    // its first.
    const int columns = static_cast<int>(m_columns.size());
    if (firstRow < 1 || firstRow > RowCount() || lastRow < firstRow || lastColumn < firstColumn)
        return;
    m_activeRow = firstRow;
    // Column 0, the row header, is not a cell of its own.
    m_selectionColumns = {std::clamp(firstColumn, 1, columns), std::clamp(lastColumn, 1, columns)};
    SelectActiveRow();
}

void SpreadGrid::ShowRow(int row)
{
    if (row < 1 || row > RowCount())
        return;
    // The scroll range follows the rows only once the view has laid them out.
    updateGeometries();
    const QModelIndex current = currentIndex();
    scrollTo(m_model->index(row - 1, current.isValid() ? current.column() : 0));
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
