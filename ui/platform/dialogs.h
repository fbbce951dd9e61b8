// The modal dialogs the windows ask the user through: message boxes and the
// open and save file dialogs. Windows only see this interface, so tests
// replace it with a scripted stand-in and never block on a modal window.
#pragma once

#include <QString>

class QWidget;

namespace orv::ui {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    // Pairs of description and pattern separated by bars:
    // "ORV Calculation(*.orv)|*.orv".
    QString filter;
    QString defaultExtension;   // added to a name typed without one
    QString initialFolder;      // a folder that does not exist: the working folder
    QString proposedName;       // the file name the dialog starts with, if any
    bool fileMustExist = false; // an open dialog that returns only existing files
};

struct FileChoice {
    QString path;  // empty when the user cancelled
    QString title; // the bare file name of the chosen file
};

// The side of an open dialog that shows a live preview of the highlighted
// file: the frame the dialog hosts and the notifications it raises.
class PreviewClient {
public:
    virtual ~PreviewClient() = default;

    // The frame to show inside the dialog while it is open.
    [[nodiscard]] virtual QWidget* PreviewFrame() = 0;
    // The file highlighted in the dialog's list changed.
    virtual void FileHighlighted(const QString& path) = 0;
    // A harmless moment to put the window's own picture back.
    virtual void RestorePicture() = 0;
    // The dialog has closed; the frame is no longer displayed.
    virtual void PreviewRelease() = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with the application title, no icon and fixed texts.
    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text,
                                      MessageButtons buttons) = 0;
    virtual FileChoice ShowFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
    // An open dialog with the client's preview frame beside the file list.
    virtual FileChoice ShowPreviewDialog(QWidget* parent, const FileDialogRequest& request,
                                         PreviewClient& preview) = 0;
};

} // namespace orv::ui
