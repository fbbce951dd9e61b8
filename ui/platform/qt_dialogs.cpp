#include "ui/platform/qt_dialogs.h"

#include "ui/platform/app_info.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QTreeView>

namespace orv::ui {
namespace {

constexpr QSize kFileDialogSize(780, 460);

} // namespace

MessageAnswer QtDialogs::ShowMessage(QWidget* parent, const QString& text, MessageButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Wide enough that a window manager can show the whole title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleRoom = box.fontMetrics().horizontalAdvance(kApplicationTitle) * 2 + 160;
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, request.kind == FileDialogKind::Save);
    dialog->setWindowTitle(kApplicationTitle);
    dialog->setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                               : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile
                                                             : QFileDialog::ExistingFile);
    dialog->setNameFilters(NameFilters(request.filter));
    if (!request.defaultExtension.isEmpty())
        dialog->setDefaultSuffix(request.defaultExtension);
    if (!request.initialFolder.isEmpty())
        dialog->setDirectory(request.initialFolder);
    // Room for the list's columns, and columns as wide as their contents,
    // so sizes and dates read whole.
    dialog->resize(dialog->sizeHint().expandedTo(kFileDialogSize));
    if (auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    return dialog;
}

FileChoice ChoiceOf(const QFileDialog& dialog)
{
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return {};
    return {files.front(), QFileInfo(files.front()).fileName()};
}

FileChoice QtDialogs::ShowFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return ChoiceOf(*dialog);
}

} // namespace orv::ui

namespace orv::ui {

void HostPreview(QFileDialog& dialog, PreviewClient& preview)
{
    QWidget* frame = preview.PreviewFrame();
    const QSize before = dialog.size();
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(frame, 0, grid->columnCount(), grid->rowCount(), 1);
    frame->show();
    // The frame widens the dialog instead of narrowing the file list.
    dialog.resize(before.width() + frame->width(), std::max(before.height(), frame->height()));
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog,
                     [&preview](const QString& path) { preview.FileHighlighted(path); });
}

FileChoice QtDialogs::ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                        PreviewClient& preview)
{
    const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(parent, request);
    QPointer<QWidget> frame = preview.PreviewFrame();
    QWidget* holder = frame->parentWidget();
    HostPreview(*dialog, preview);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // Hand the frame back before the dialog goes, so its holder owns it again.
    if (frame) {
        frame->hide();
        frame->setParent(holder);
    }
    if (!accepted)
        preview.RestorePicture();
    preview.PreviewRelease();
    return accepted ? ChoiceOf(*dialog) : FileChoice{};
}

} // namespace orv::ui
