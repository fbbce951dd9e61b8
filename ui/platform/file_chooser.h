// The program's open and save dialog. It lists folders with FolderModel, so
// every file of a folder can be chosen, whatever bytes its name is made of;
// the path it gives back converts to the system's bytes with NativePath.
#pragma once

#include "ui/platform/dialogs.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeView;
class QFileSystemWatcher;

namespace orv::ui {

class FolderModel;

class FileChooser : public QDialog {
    Q_OBJECT
public:
    FileChooser(QWidget* parent, const FileDialogRequest& request);

    [[nodiscard]] QString Folder() const;
    void SetFolder(const QString& folder);
    // The chosen file once the dialog was accepted.
    [[nodiscard]] const QString& ChosenPath() const { return m_chosen; }
    // The layout the list stands in, so a preview frame can be put beside it.
    [[nodiscard]] QGridLayout* Grid() const { return m_grid; }

Q_SIGNALS:
    // The entry highlighted in the list changed.
    void currentChanged(const QString& path);

private:
    void BuildWidgets();
    void ConnectWidgets();
    void FillLookIn();
    void MakeFolder();
    void Refresh();
    void ApplyFilter(int index);
    void Highlighted(const QModelIndex& current);
    void Activated(const QModelIndex& index);
    void AcceptTyped();
    void Choose(QString path);
    // A line above the list: why a folder cannot be read, or why a name is
    // refused; empty hides it.
    void ShowMessage(const QString& text);
    [[nodiscard]] QString Resolve(const QString& typed) const;

    FileDialogRequest m_request;
    QGridLayout* m_grid = nullptr;
    QComboBox* m_lookIn = nullptr;
    QToolButton* m_toParent = nullptr;
    QToolButton* m_newFolder = nullptr;
    QLabel* m_message = nullptr;
    QTreeView* m_list = nullptr;
    QLineEdit* m_fileName = nullptr;
    QComboBox* m_fileType = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_reject = nullptr;
    FolderModel* m_model = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QString m_highlighted; // the file highlighted in the list, if any
    QString m_chosen;
};

// The shell patterns of one name filter: "ORV Calculation(*.orv)" gives
// "*.orv", "*.jpg *.gif" gives both.
[[nodiscard]] QStringList PatternsOf(const QString& nameFilter);

} // namespace orv::ui
