#include "ui/platform/qt_dialogs.h"

#include "ui/platform/app_info.h"
#include "ui/platform/native_paths.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QTreeView>

#include <algorithm>

namespace orv::ui {
namespace {

QString AnyCase(const QString& pattern)
{
    QString glob;
    for (const QChar c : pattern) {
        if (c.toLower() != c.toUpper())
            glob += u'[' + c.toLower() + c.toUpper() + u']';
        else
            glob += c;
    }
    return glob;
}

// Qt's own dialog opens wide enough for whole names, and its detail columns
// show whole sizes and dates; a desktop's dialog keeps its own looks.
void FitQtDialog(QFileDialog& dialog)
{
    const QFontMetrics metrics = dialog.fontMetrics();
    dialog.resize(dialog.sizeHint().expandedTo(
        QSize(metrics.averageCharWidth() * 110, metrics.height() * 26)));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (int column = 1; column < details->header()->count(); ++column)
            details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request)
{
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && request.fileMustExist ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
    // The filter's own description is what the user reads.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Save As replaces a file without asking, as it always has.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(AnyCaseNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setDirectory(StartFolder(request.initialFolder));
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    FitQtDialog(dialog);
}

FileChoice ChoiceOf(const QFileDialog& dialog)
{
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return {};
    return {path, DisplayPath(FileNameOf(path))};
}

// Puts the client's preview frame in the dialog's layout, beside the file
// list, and forwards the highlighted file to it.
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

} // namespace

QStringList AnyCaseNameFilters(const QString& barSeparatedFilter)
{
    const QStringList parts = barSeparatedFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << AnyCase(pattern.trimmed());
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QString StartFolder(const QString& requested)
{
    const QFileInfo folder(requested);
    if (!requested.isEmpty() && folder.isDir())
        return folder.absoluteFilePath();
    return QDir::currentPath();
}

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

FileChoice QtDialogs::ShowFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    Configure(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ChoiceOf(dialog);
}

FileChoice QtDialogs::ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                        PreviewClient& preview)
{
    QFileDialog dialog(parent);
    // Only Qt's own dialog can show the frame.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    Configure(dialog, request);
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
