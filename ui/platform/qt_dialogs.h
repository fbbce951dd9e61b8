// The real dialogs: Qt's message box and Qt's own (non-native) file dialog,
// which lists files by their patterns in any letter case on every desktop.
#pragma once

#include "ui/platform/dialogs.h"

#include <QFileDialog>

#include <memory>

namespace orv::ui {

class QtDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text,
                              MessageButtons buttons) override;
    FileChoice ShowFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    FileChoice ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                 PreviewClient& preview) override;
};

// Places the client's preview frame in the dialog's layout, beside the file
// list, and forwards the highlighted file to it.
void HostPreview(QFileDialog& dialog, PreviewClient& preview);

// A file dialog set up for the request, not yet shown.
[[nodiscard]] std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* parent,
                                                            const FileDialogRequest& request);

// The path and title of the dialog's choice once it was accepted.
[[nodiscard]] FileChoice ChoiceOf(const QFileDialog& dialog);

} // namespace orv::ui
