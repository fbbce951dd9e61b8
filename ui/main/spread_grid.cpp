#include "ui/main/spread_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>

namespace orv::ui {
namespace {

constexpr int kHeaderMargins = 8;

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
        Q_EMIT CellEvent(index.column() + 1, index.row() + 1);
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { Q_EMIT CellEvent(0, section + 1); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
}

void SpreadGrid::ApplyColumnWidths()
{
    if (m_widths.empty())
        return;
    // A character-width unit is at least the font's average character width;
    // where the grid has more room, the units stretch so that the design's
    // columns fill it, as they did on the display they were chosen for.
    const QFontMetrics metrics(font());
    double totalUnits = 0;
    for (double units : m_widths)
        totalUnits += units;
    const int room = width() - 2 * frameWidth() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double unit = std::max<double>(metrics.averageCharWidth() + 1, room / totalUnits);
    const auto pixels = [unit](double units) { return static_cast<int>(units * unit); };

    verticalHeader()->setFixedWidth(pixels(m_widths.front()));
    for (std::size_t column = 1; column < m_widths.size(); ++column) {
        const int section = static_cast<int>(column) - 1;
        const QString header = m_model->headerData(section, Qt::Horizontal, Qt::DisplayRole)
                                   .toString();
        // A header never gets cut, whatever font the platform substitutes.
        setColumnWidth(section, std::max(pixels(m_widths[column]),
                                         metrics.horizontalAdvance(header) + kHeaderMargins));
    }
}

void SpreadGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
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
    const int lastDataColumn = m_model->columnCount() - 1;
    const QModelIndex topLeft = m_model->index(firstRow - 1,
                                               std::clamp(firstColumn - 1, 0, lastDataColumn));
    const QModelIndex bottomRight = m_model->index(lastRow - 1,
                                                   std::clamp(lastColumn - 1, 0, lastDataColumn));
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
