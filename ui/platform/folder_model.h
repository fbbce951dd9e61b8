// The list of one folder for the file dialogs: its folders, then the files
// that match the chosen patterns. It reads the folder with the system's own
// calls, so a name that is no UTF-8 is listed and can be opened like any
// other (see native_paths.h); Qt's file system model leaves such names out.
#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

namespace orv::ui {

struct FolderEntry {
    QString name;  // as PathFromNative gives it
    QString shown; // as DisplayPath shows it
    bool isFolder = false;
    qint64 size = 0;
    QDateTime modified;
};

struct FolderListing {
    std::vector<FolderEntry> entries; // without "." and "..", hidden names included
    QString error;                    // why the folder could not be read; empty when it could
};

// Reads a folder. Entries are not sorted.
[[nodiscard]] FolderListing ListFolder(const QString& folder);

class FolderModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Size, Type, Modified, ColumnCount };

    explicit FolderModel(QObject* parent = nullptr);

    // Lists `folder` from the disk.
    void SetFolder(const QString& folder);
    // Lists the folder again; the list is only reset when something on the
    // disk changed, so an edit in progress is not disturbed by nothing.
    void Refresh();
    // Shell patterns ("*.orv"), matched in any letter case; empty lists
    // every file.
    void SetNameFilters(const QStringList& patterns);

    [[nodiscard]] const QString& Folder() const { return m_folder; }
    // Why the folder could not be read; empty when it could.
    [[nodiscard]] const QString& Error() const { return m_error; }
    [[nodiscard]] QString PathAt(int row) const;
    [[nodiscard]] bool IsFolderAt(int row) const;
    // The row of the entry with this name, or -1.
    [[nodiscard]] int RowOf(const QString& name) const;

    // Makes a folder named "New Folder" (or "New Folder 2" and so on) and
    // gives its row; -1 with the reason in `error` when it cannot.
    [[nodiscard]] int CreateFolder(QString& error);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Renames the entry on the disk; an existing name is never replaced.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

Q_SIGNALS:
    // An entry could not be renamed, and why.
    void renameFailed(const QString& why);
    // An entry was renamed; its row after the list was read again.
    void renamed(int row);

private:
    [[nodiscard]] bool Shown(const FolderEntry& entry) const;
    void Rebuild();
    void SortRows();

    QString m_folder;
    QString m_error;
    std::vector<FolderEntry> m_all;
    std::vector<FolderEntry> m_rows;
    std::vector<QRegularExpression> m_patterns;
    int m_sortColumn = Name;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace orv::ui
