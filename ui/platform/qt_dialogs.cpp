#include "ui/platform/qt_dialogs.h"

#include "ui/platform/app_info.h"
#include "ui/platform/native_paths.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>

namespace orv::ui {
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

FileChoice ChoiceOf(const FileChooser& dialog)
{
    const QString& path = dialog.ChosenPath();
    if (path.isEmpty())
        return {};
    return {path, DisplayPath(FileNameOf(path))};
}

FileChoice QtDialogs::ShowFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    FileChooser dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ChoiceOf(dialog);
}

} // namespace orv::ui

namespace orv::ui {

void HostPreview(FileChooser& dialog, PreviewClient& preview)
{
    QWidget* frame = preview.PreviewFrame();
    const QSize before = dialog.size();
    QGridLayout* grid = dialog.Grid();
    grid->addWidget(frame, 0, grid->columnCount(), grid->rowCount(), 1);
    frame->show();
    // The frame widens the dialog instead of narrowing the file list.
    dialog.resize(before.width() + frame->width(), std::max(before.height(), frame->height()));
    QObject::connect(&dialog, &FileChooser::currentChanged, &dialog,
                     [&preview](const QString& path) { preview.FileHighlighted(path); });
}

FileChoice QtDialogs::ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                        PreviewClient& preview)
{
    FileChooser dialog(parent, request);
    QPointer<QWidget> frame = preview.PreviewFrame();
    QWidget* holder = frame->parentWidget();
    HostPreview(dialog, preview);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Hand the frame back before the dialog goes, so its holder owns it again.
    if (frame) {
        frame->hide();
        frame->setParent(holder);
    }
    if (!accepted)
        preview.RestorePicture();
    preview.PreviewRelease();
    return accepted ? ChoiceOf(dialog) : FileChoice{};
}

} // namespace orv::ui
