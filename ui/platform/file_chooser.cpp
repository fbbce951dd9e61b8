#include "ui/platform/file_chooser.h"

#include "ui/platform/app_info.h"
#include "ui/platform/folder_model.h"
#include "ui/platform/native_paths.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

#include <sys/stat.h>

namespace orv::ui {
namespace {

constexpr QSize kChooserSize(780, 460);

// The folder a dialog without a folder of its own starts in: where the last
// one ended, else the working directory.
QString& LastFolder()
{
    static QString folder;
    return folder;
}

[[nodiscard]] bool IsFolder(const QString& path)
{
    struct stat status { };
    return ::stat(NativePath(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

[[nodiscard]] bool Exists(const QString& path)
{
    struct stat status { };
    return ::stat(NativePath(path).c_str(), &status) == 0;
}

} // namespace

QStringList PatternsOf(const QString& nameFilter)
{
    QString patterns = nameFilter;
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    if (open >= 0 && nameFilter.endsWith(u')'))
        patterns = nameFilter.mid(open + 1, nameFilter.size() - open - 2);
    return patterns.split(u' ', Qt::SkipEmptyParts);
}

FileChooser::FileChooser(QWidget* parent, const FileDialogRequest& request)
    : QDialog(parent)
    , m_request(request)
{
    setWindowTitle(kApplicationTitle);
    BuildWidgets();
    ConnectWidgets();
    QString start = request.initialFolder;
    if (start.isEmpty())
        start = LastFolder().isEmpty() ? CurrentFolder() : LastFolder();
    SetFolder(AbsolutePath(start));
    ApplyFilter(0);
    m_fileName->setFocus();
    resize(sizeHint().expandedTo(kChooserSize));
}

void FileChooser::BuildWidgets()
{
    const bool save = m_request.kind == FileDialogKind::Save;
    m_grid = new QGridLayout(this);
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    m_lookIn = new QComboBox(this);
    m_toParent = new QToolButton(this);
    m_toParent->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    m_toParent->setToolTip(QStringLiteral("Parent folder (Alt+Up)"));
    m_toParent->setAutoRaise(true);
    m_newFolder = new QToolButton(this);
    m_newFolder->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    m_newFolder->setToolTip(QStringLiteral("New folder"));
    m_newFolder->setAutoRaise(true);
    m_message = new QLabel(this);
    m_list = new QTreeView(this);
    m_fileName = new QLineEdit(this);
    m_fileType = new QComboBox(this);
    m_accept = new QPushButton(save ? QStringLiteral("&Save") : QStringLiteral("&Open"), this);
    m_reject = new QPushButton(QStringLiteral("Cancel"), this);
    named(m_lookIn, "lookInCombo");
    named(m_toParent, "toParentButton");
    named(m_newFolder, "newFolderButton");
    named(m_message, "dialogMessage");
    named(m_list, "fileList");
    named(m_fileName, "fileNameEdit");
    named(m_fileType, "fileTypeCombo");
    named(m_accept, "acceptButton");
    named(m_reject, "rejectButton");

    auto* lookInLabel = new QLabel(QStringLiteral("Look &in:"), this);
    lookInLabel->setBuddy(m_lookIn);
    auto* nameLabel = new QLabel(QStringLiteral("File &name:"), this);
    nameLabel->setBuddy(m_fileName);
    auto* typeLabel = new QLabel(QStringLiteral("Files of &type:"), this);
    typeLabel->setBuddy(m_fileType);

    m_model = new FolderModel(this);
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 renames; a click only highlights.
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(FolderModel::Name, Qt::AscendingOrder);
    // Sizes and dates read whole; the name takes what is left.
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(FolderModel::Name, QHeaderView::Stretch);
    for (int column = FolderModel::Size; column < FolderModel::ColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_message->setWordWrap(true);
    m_message->hide();

    m_fileType->addItems(NameFilters(m_request.filter));
    m_accept->setDefault(true);
    m_lookIn->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_grid->addWidget(lookInLabel, 0, 0);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_lookIn);
    folderRow->addWidget(m_toParent);
    folderRow->addWidget(m_newFolder);
    m_grid->addLayout(folderRow, 0, 1, 1, 2);
    m_grid->addWidget(m_message, 1, 0, 1, 3);
    m_grid->addWidget(m_list, 2, 0, 1, 3);
    m_grid->addWidget(nameLabel, 3, 0);
    m_grid->addWidget(m_fileName, 3, 1);
    m_grid->addWidget(m_accept, 3, 2);
    m_grid->addWidget(typeLabel, 4, 0);
    m_grid->addWidget(m_fileType, 4, 1);
    m_grid->addWidget(m_reject, 4, 2);
    m_grid->setRowStretch(2, 1);
    setTabOrder(m_fileName, m_fileType);
    setTabOrder(m_fileType, m_accept);
    setTabOrder(m_accept, m_reject);
    setTabOrder(m_reject, m_lookIn);
    setTabOrder(m_lookIn, m_toParent);
    setTabOrder(m_toParent, m_newFolder);
    setTabOrder(m_newFolder, m_list);
}

void FileChooser::ConnectWidgets()
{
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileChooser::Refresh);
    connect(m_lookIn, &QComboBox::activated, this,
            [this](int index) { SetFolder(m_lookIn->itemData(index).toString()); });
    connect(m_toParent, &QToolButton::clicked, this, [this] { SetFolder(FolderOf(Folder())); });
    connect(m_newFolder, &QToolButton::clicked, this, &FileChooser::MakeFolder);
    connect(m_model, &FolderModel::renameFailed, this, &FileChooser::ShowMessage);
    connect(m_model, &FolderModel::renamed, this, [this](int row) {
        ShowMessage(QString());
        m_list->setCurrentIndex(m_model->index(row, FolderModel::Name));
    });
    connect(m_fileType, &QComboBox::currentIndexChanged, this, &FileChooser::ApplyFilter);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FileChooser::Highlighted);
    connect(m_list, &QTreeView::doubleClicked, this, &FileChooser::Activated);
    connect(m_accept, &QPushButton::clicked, this, &FileChooser::AcceptTyped);
    connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
    auto* refresh = new QShortcut(QKeySequence::Refresh, this);
    connect(refresh, &QShortcut::activated, this, &FileChooser::Refresh);
    auto* up = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this);
    connect(up, &QShortcut::activated, this, [this] { SetFolder(FolderOf(Folder())); });
}

QString FileChooser::Folder() const { return m_model->Folder(); }

void FileChooser::SetFolder(const QString& folder)
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_highlighted.clear();
    m_model->SetFolder(QDir::cleanPath(folder));
    // The watcher takes Qt's idea of the name, which only a UTF-8 name has.
    if (DisplayPath(Folder()) == Folder())
        m_watcher->addPath(Folder());
    const QString& error = m_model->Error();
    ShowMessage(error.isEmpty() ? QString()
                                : QStringLiteral("This folder cannot be read: %1.").arg(error));
    m_toParent->setEnabled(Folder() != QStringLiteral("/"));
    FillLookIn();
}

void FileChooser::Refresh()
{
    // The highlighted entry stays highlighted if it is still there, and a
    // name being typed stays as it is.
    const QModelIndex current = m_list->currentIndex();
    const QString name = current.isValid() ? FileNameOf(m_model->PathAt(current.row())) : QString();
    const QString typed = m_fileName->text();
    m_model->Refresh();
    const int row = name.isEmpty() ? -1 : m_model->RowOf(name);
    if (row >= 0 && m_list->currentIndex().row() != row)
        m_list->setCurrentIndex(m_model->index(row, FolderModel::Name));
    if (m_fileName->text() != typed)
        m_fileName->setText(typed);
}

void FileChooser::MakeFolder()
{
    QString error;
    const int row = m_model->CreateFolder(error);
    if (row < 0) {
        ShowMessage(QStringLiteral("A new folder cannot be made here: %1.").arg(error));
        return;
    }
    ShowMessage(QString());
    // Its name is ready to be typed over.
    const QModelIndex name = m_model->index(row, FolderModel::Name);
    m_list->setCurrentIndex(name);
    m_list->edit(name);
}

void FileChooser::FillLookIn()
{
    m_lookIn->clear();
    QString folder = Folder();
    for (;;) {
        m_lookIn->addItem(DisplayPath(folder), folder);
        if (folder == QStringLiteral("/"))
            break;
        folder = FolderOf(folder);
    }
    const QString home = HomeFolder();
    if (m_lookIn->findData(home) < 0)
        m_lookIn->addItem(DisplayPath(home), home);
    m_lookIn->setCurrentIndex(0);
}

void FileChooser::ApplyFilter(int index)
{
    m_model->SetNameFilters(PatternsOf(m_fileType->itemText(index)));
}

void FileChooser::Highlighted(const QModelIndex& current)
{
    if (!current.isValid()) {
        m_highlighted.clear();
        return;
    }
    const QString path = m_model->PathAt(current.row());
    if (m_model->IsFolderAt(current.row())) {
        m_highlighted.clear();
    } else {
        m_highlighted = path;
        m_fileName->setText(DisplayPath(FileNameOf(path)));
    }
    Q_EMIT currentChanged(path);
}

void FileChooser::Activated(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QString path = m_model->PathAt(index.row());
    if (m_model->IsFolderAt(index.row())) {
        m_fileName->clear();
        SetFolder(path);
    } else {
        Choose(path);
    }
}

void FileChooser::AcceptTyped()
{
    // Enter on a folder in the list opens it, as does Open with no name typed.
    const QModelIndex current = m_list->currentIndex();
    const bool folderHighlighted = current.isValid() && m_model->IsFolderAt(current.row());
    if (folderHighlighted && (m_list->hasFocus() || m_fileName->text().isEmpty())) {
        Activated(current);
        return;
    }
    const QString typed = m_fileName->text();
    if (typed.isEmpty())
        return;
    // The highlighted file stands for its shown name, which may not be its
    // real one.
    const bool isHighlighted = !m_highlighted.isEmpty()
                               && typed == DisplayPath(FileNameOf(m_highlighted));
    const QString path = isHighlighted ? m_highlighted : Resolve(typed);
    if (IsFolder(path)) {
        m_fileName->clear();
        SetFolder(path);
        return;
    }
    Choose(path);
}

void FileChooser::ShowMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void FileChooser::Choose(QString path)
{
    const bool save = m_request.kind == FileDialogKind::Save;
    if (!save && m_request.fileMustExist && !Exists(path)) {
        ShowMessage(QStringLiteral("%1: there is no such file. Check the name and try again.")
                        .arg(DisplayPath(FileNameOf(path))));
        return;
    }
    if (save && !m_request.defaultExtension.isEmpty() && !FileNameOf(path).contains(u'.'))
        path += u'.' + m_request.defaultExtension;
    m_chosen = path;
    LastFolder() = FolderOf(path);
    accept();
}

QString FileChooser::Resolve(const QString& typed) const
{
    if (typed == u'~' || typed.startsWith(QStringLiteral("~/")))
        return QDir::cleanPath(HomeFolder() + typed.mid(1));
    if (typed.startsWith(u'/'))
        return QDir::cleanPath(typed);
    return QDir::cleanPath(Folder() + u'/' + typed);
}

} // namespace orv::ui
