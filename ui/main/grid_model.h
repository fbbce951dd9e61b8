// The cells of one grid: what was last written into each, a text or a
// number. Numbers are kept as numbers and put into the general number
// format only when a cell is displayed, so rewriting every cell of a large
// document stays cheap.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace orv::ui {

using CellValue = std::variant<std::monostate, QString, float, double>;

// What a row's readings give cause to say: what is wrong with them (a
// warning, which tints the row) or only worth knowing (a driver rule's
// verdict, say).
struct RowNote {
    QString text;
    bool warning = false;

    friend bool operator==(const RowNote&, const RowNote&) = default;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridModel(QStringList headers, QObject* parent);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Adds blank rows at the end or drops rows from the end.
    void SetRowCount(int rows);
    // Rows and columns count from 0 here. A write is announced at once with
    // dataChanged for its cell, or, while announcements are held, together
    // with every other held write as one dataChanged over the rows written.
    void SetCell(int row, int column, CellValue value);
    void HoldAnnouncements();
    void ReleaseAnnouncements();
    [[nodiscard]] QString CellText(int row, int column) const;
    // What a row's tips tell about its readings, in words; empty for
    // nothing. A row whose note is a warning is tinted as well.
    void SetRowNote(int row, const RowNote& note);
    [[nodiscard]] const RowNote& Note(int row) const;

private:
    [[nodiscard]] std::size_t CellOffset(int row, int column) const;

    QStringList m_headers;
    int m_rows = 0;
    std::vector<CellValue> m_cells; // row-major
    std::vector<RowNote> m_notes;   // by row; may be shorter than the rows
    bool m_holding = false;
    int m_firstHeldRow = -1; // -1: no write is held
    int m_lastHeldRow = -1;
    bool m_headersHeld = false; // a held write changed a row's note
};

[[nodiscard]] QString FormatCell(const CellValue& value);

} // namespace orv::ui
