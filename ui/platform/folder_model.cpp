#include "ui/platform/folder_model.h"

#include "ui/platform/native_paths.h"

#include <QCollator>
#include <QFileIconProvider>
#include <QLocale>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace orv::ui {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

[[nodiscard]] QDateTime ModifiedTime(const struct stat& status)
{
    return QDateTime::fromSecsSinceEpoch(status.st_mtim.tv_sec);
}

[[nodiscard]] FolderEntry EntryOf(int folder, const char* name)
{
    FolderEntry entry;
    entry.name = PathFromNative(name);
    entry.shown = DisplayPath(entry.name);
    struct stat status { };
    // A link stands for what it points to; a dangling one is shown as a file.
    if (::fstatat(folder, name, &status, 0) != 0
        && ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return entry;
    entry.isFolder = S_ISDIR(status.st_mode);
    entry.size = S_ISREG(status.st_mode) ? static_cast<qint64>(status.st_size) : 0;
    entry.modified = ModifiedTime(status);
    return entry;
}

[[nodiscard]] QString TypeOf(const FolderEntry& entry)
{
    if (entry.isFolder)
        return QStringLiteral("Folder");
    const qsizetype dot = entry.shown.lastIndexOf(u'.');
    if (dot <= 0)
        return QStringLiteral("File");
    return entry.shown.mid(dot + 1).toUpper() + QStringLiteral(" File");
}

[[nodiscard]] int Compare(const FolderEntry& a, const FolderEntry& b, int column)
{
    switch (column) {
    case FolderModel::Size:
        if (a.size != b.size)
            return a.size < b.size ? -1 : 1;
        break;
    case FolderModel::Type:
        if (const int type = QString::compare(TypeOf(a), TypeOf(b), Qt::CaseInsensitive); type != 0)
            return type;
        break;
    case FolderModel::Modified:
        if (a.modified != b.modified)
            return a.modified < b.modified ? -1 : 1;
        break;
    default:
        break;
    }
    // As people sort names: letter case aside, "head2" before "head10".
    static const QCollator collator = [] {
        QCollator names;
        names.setCaseSensitivity(Qt::CaseInsensitive);
        names.setNumericMode(true);
        return names;
    }();
    const int name = collator.compare(a.shown, b.shown);
    return name != 0 ? name : QString::compare(a.name, b.name);
}

} // namespace

FolderListing ListFolder(const QString& folder)
{
    FolderListing listing;
    // O_DIRECTORY refuses a FIFO or a device before anything can wait on it.
    const int descriptor = ::open(NativePath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
        return listing;
    }
    const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(descriptor));
    if (!dir) {
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(descriptor);
        return listing;
    }
    errno = 0;
    while (const dirent* item = ::readdir(dir.get())) {
        if (std::strcmp(item->d_name, ".") != 0 && std::strcmp(item->d_name, "..") != 0)
            listing.entries.push_back(EntryOf(descriptor, item->d_name));
        errno = 0;
    }
    if (errno != 0)
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
    return listing;
}

FolderModel::FolderModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void FolderModel::Refresh()
{
    FolderListing listing = ListFolder(m_folder);
    const auto byName = [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; };
    const auto same = [](const FolderEntry& a, const FolderEntry& b) {
        return a.name == b.name && a.isFolder == b.isFolder && a.size == b.size
               && a.modified == b.modified;
    };
    std::vector<FolderEntry> before = m_all;
    std::sort(before.begin(), before.end(), byName);
    std::sort(listing.entries.begin(), listing.entries.end(), byName);
    if (listing.error == m_error
        && std::equal(before.begin(), before.end(), listing.entries.begin(), listing.entries.end(),
                      same))
        return;
    m_error = std::move(listing.error);
    m_all = std::move(listing.entries);
    Rebuild();
}

void FolderModel::SetFolder(const QString& folder)
{
    FolderListing listing = ListFolder(folder);
    m_folder = folder;
    m_error = std::move(listing.error);
    m_all = std::move(listing.entries);
    Rebuild();
}

void FolderModel::SetNameFilters(const QStringList& patterns)
{
    m_patterns.clear();
    for (const QString& pattern : patterns) {
        m_patterns.emplace_back(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    }
    Rebuild();
}

bool FolderModel::Shown(const FolderEntry& entry) const
{
    if (entry.name.startsWith(u'.'))
        return false;
    if (entry.isFolder || m_patterns.empty())
        return true;
    // Patterns are matched against the readable name: a regular expression
    // needs valid UTF-16, and an escaped byte matches only "*" or "?" anyway.
    return std::any_of(
        m_patterns.begin(), m_patterns.end(),
        [&](const QRegularExpression& pattern) { return pattern.match(entry.shown).hasMatch(); });
}

void FolderModel::Rebuild()
{
    beginResetModel();
    m_rows.clear();
    std::copy_if(m_all.begin(), m_all.end(), std::back_inserter(m_rows),
                 [this](const FolderEntry& entry) { return Shown(entry); });
    SortRows();
    endResetModel();
}

void FolderModel::SortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const FolderEntry& a, const FolderEntry& b) {
                         // Folders come first whichever way the list is sorted.
                         if (a.isFolder != b.isFolder)
                             return a.isFolder;
                         const int order = Compare(a, b, m_sortColumn);
                         return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
                     });
}

void FolderModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    SortRows();
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString FolderModel::PathAt(int row) const
{
    const QString& name = m_rows.at(static_cast<std::size_t>(row)).name;
    if (m_folder.endsWith(u'/'))
        return m_folder + name;
    return m_folder + u'/' + name;
}

bool FolderModel::IsFolderAt(int row) const
{
    return m_rows.at(static_cast<std::size_t>(row)).isFolder;
}

int FolderModel::RowOf(const QString& name) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [&](const FolderEntry& entry) { return entry.name == name; });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

int FolderModel::CreateFolder(QString& error)
{
    const QString base = QStringLiteral("New Folder");
    for (int number = 1; number < 1000; ++number) {
        const QString name = number == 1 ? base : base + u' ' + QString::number(number);
        const QString path = m_folder + u'/' + name;
        if (::mkdir(NativePath(path).c_str(), 0777) == 0) {
            Refresh();
            return RowOf(name);
        }
        if (errno != EEXIST) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            return -1;
        }
    }
    error = QStringLiteral("too many new folders here");
    return -1;
}

Qt::ItemFlags FolderModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Name)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FolderModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != Name)
        return false;
    const FolderEntry& entry = m_rows.at(static_cast<std::size_t>(index.row()));
    const QString name = value.toString();
    if (name == entry.shown)
        return false;
    const auto fail = [this](const QString& why) {
        Q_EMIT renameFailed(why);
        return false;
    };
    if (name.isEmpty() || name == u'.' || name == QStringLiteral("..") || name.contains(u'/'))
        return fail(QStringLiteral("\"%1\" cannot be the name of a file or folder.").arg(name));
    const std::string from = NativePath(PathAt(index.row()));
    const std::string to = NativePath(m_folder + u'/' + name);
    struct stat status { };
    if (::lstat(to.c_str(), &status) == 0)
        return fail(QStringLiteral("\"%1\" already exists.").arg(name));
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return fail(QStringLiteral("\"%1\" cannot be renamed: %2.")
                        .arg(entry.shown, QString::fromLocal8Bit(std::strerror(errno))));
    }
    // Changed in place rather than read again, as the list is in the middle
    // of an edit.
    const QString oldName = entry.name;
    const QString newName = PathFromNative(to.substr(to.rfind('/') + 1));
    for (std::vector<FolderEntry>* entries : {&m_all, &m_rows}) {
        for (FolderEntry& each : *entries) {
            if (each.name == oldName) {
                each.name = newName;
                each.shown = DisplayPath(newName);
            }
        }
    }
    Q_EMIT dataChanged(index, index);
    sort(m_sortColumn, m_sortOrder);
    Q_EMIT renamed(RowOf(newName));
    return true;
}

int FolderModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FolderModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FolderEntry& entry = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        switch (column) {
        case Name:
            return entry.shown;
        case Size:
            return entry.isFolder ? QString() : QLocale().formattedDataSize(entry.size);
        case Type:
            return TypeOf(entry);
        case Modified:
            return QLocale().toString(entry.modified, QLocale::ShortFormat);
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && column == Name) {
        static const QFileIconProvider icons;
        return icons.icon(entry.isFolder ? QFileIconProvider::Folder : QFileIconProvider::File);
    }
    if (role == Qt::TextAlignmentRole && column == Size)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && column == Name && entry.shown != entry.name)
        return QStringLiteral("This name is not in UTF-8, so some of its letters cannot be shown.");
    return {};
}

QVariant FolderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return QStringLiteral("Name");
    case Size:
        return QStringLiteral("Size");
    case Type:
        return QStringLiteral("Type");
    case Modified:
        return QStringLiteral("Date Modified");
    default:
        return {};
    }
}

} // namespace orv::ui
