#include "ui/main/grid_model.h"

#include "numeric/number_text.h"

#include <QColor>

#include <algorithm>

namespace orv::ui {
namespace {

// A row whose readings have findings: a warm tint, the row number in red.
const QColor kWarningTint(0xFF, 0xE8, 0xB0);
const QColor kWarningText(0xA0, 0x10, 0x10);

} // namespace

QString FormatCell(const CellValue& value)
{
    struct Formatter {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString& text) const { return text; }
        QString operator()(float number) const
        {
            return QString::fromStdString(FormatSingle(number));
        }
        QString operator()(double number) const
        {
            return QString::fromStdString(FormatGeneral(number, kDoubleDigits));
        }
    };
    return std::visit(Formatter{}, value);
}

GridModel::GridModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
{
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const CellValue& value = m_cells[CellOffset(index.row(), index.column())];
    const RowNote& note = Note(index.row());
    if (role == Qt::DisplayRole)
        return FormatCell(value);
    // The tip shows a number a narrow column cuts short, and what the row's
    // readings give cause to say.
    if (role == Qt::ToolTipRole)
        return note.text.isEmpty() ? FormatCell(value)
                                   : FormatCell(value) + QStringLiteral("\n\n") + note.text;
    if (role == Qt::BackgroundRole && note.warning)
        return kWarningTint;
    if (role == Qt::TextAlignmentRole) {
        const bool number = std::holds_alternative<float>(value)
                            || std::holds_alternative<double>(value);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (orientation == Qt::Vertical && !Note(section).text.isEmpty()) {
        if (role == Qt::ToolTipRole)
            return Note(section).text;
        if (role == Qt::BackgroundRole && Note(section).warning)
            return kWarningTint;
        if (role == Qt::ForegroundRole && Note(section).warning)
            return kWarningText;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_headers.size() ? m_headers[section] : QString();
    return QString::number(section + 1);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::SetRowNote(int row, const RowNote& note)
{
    if (row < 0 || row >= m_rows)
        return;
    if (m_notes.size() < static_cast<std::size_t>(m_rows))
        m_notes.resize(static_cast<std::size_t>(m_rows));
    if (m_notes[static_cast<std::size_t>(row)] == note)
        return;
    m_notes[static_cast<std::size_t>(row)] = note;
    if (m_holding) {
        m_firstHeldRow = m_firstHeldRow < 0 ? row : std::min(m_firstHeldRow, row);
        m_lastHeldRow = std::max(m_lastHeldRow, row);
        m_headersHeld = true;
        return;
    }
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
}

const RowNote& GridModel::Note(int row) const
{
    static const RowNote none;
    return row >= 0 && static_cast<std::size_t>(row) < m_notes.size()
               ? m_notes[static_cast<std::size_t>(row)]
               : none;
}

void GridModel::SetRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_cells.resize(static_cast<std::size_t>(rows) * m_headers.size());
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_cells.resize(static_cast<std::size_t>(rows) * m_headers.size());
        if (m_notes.size() > static_cast<std::size_t>(rows))
            m_notes.resize(static_cast<std::size_t>(rows));
        m_rows = rows;
        endRemoveRows();
    }
}

void GridModel::SetCell(int row, int column, CellValue value)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_headers.size())
        return;
    m_cells[CellOffset(row, column)] = std::move(value);
    if (!m_holding) {
        const QModelIndex cell = index(row, column);
        Q_EMIT dataChanged(cell, cell);
        return;
    }
    m_firstHeldRow = m_firstHeldRow < 0 ? row : std::min(m_firstHeldRow, row);
    m_lastHeldRow = std::max(m_lastHeldRow, row);
}

void GridModel::HoldAnnouncements() { m_holding = true; }

void GridModel::ReleaseAnnouncements()
{
    m_holding = false;
    const int first = m_firstHeldRow;
    const int last = std::min(m_lastHeldRow, m_rows - 1);
    const bool headers = m_headersHeld;
    m_firstHeldRow = m_lastHeldRow = -1;
    m_headersHeld = false;
    if (first < 0 || first > last)
        return;
    Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
    if (headers)
        Q_EMIT headerDataChanged(Qt::Vertical, first, last);
}

QString GridModel::CellText(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_headers.size())
        return {};
    return FormatCell(m_cells[CellOffset(row, column)]);
}

std::size_t GridModel::CellOffset(int row, int column) const
{
    return static_cast<std::size_t>(row) * m_headers.size() + column;
}

} // namespace orv::ui
