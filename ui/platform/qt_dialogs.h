// The real dialogs: Qt's message box and the program's own file dialog,
// which lists files by their patterns in any letter case on every desktop
// and every file whatever its name is made of.
#pragma once

#include "ui/platform/dialogs.h"
#include "ui/platform/file_chooser.h"

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
void HostPreview(FileChooser& dialog, PreviewClient& preview);

// The path and title of the dialog's choice once it was accepted.
[[nodiscard]] FileChoice ChoiceOf(const FileChooser& dialog);

} // namespace orv::ui
