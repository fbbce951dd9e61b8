// The real dialogs: Qt's message box and Qt's file dialog. Open and Save As
// use the desktop's own file dialog where the desktop provides one; the
// picture dialog is Qt's widget dialog, which can host the preview frame.
#pragma once

#include "ui/platform/dialogs.h"

class QFileDialog;

namespace orv::ui {

class QtDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text,
                              MessageButtons buttons) override;
    FileChoice ShowFileDialog(QWidget* parent, const FileDialogRequest& request) override;
    FileChoice ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                 PreviewClient& preview) override;
};

// The name filters a file dialog gets for a bar-separated filter: each shows
// its description and matches its patterns in any letter case, since the
// desktop's dialogs compare letter case and a club data file may be
// HEADS.ORV ("*.orv" gives the pattern "*.[oO][rR][vV]").
[[nodiscard]] QStringList AnyCaseNameFilters(const QString& barSeparatedFilter);

// The folder a dialog starts in: the requested one when it exists,
// otherwise the working folder.
[[nodiscard]] QString StartFolder(const QString& requested);

} // namespace orv::ui
