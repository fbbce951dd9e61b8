// The File menu and the closing sequence of the main window: opening and
// saving club data files, and offering to save before the program ends.
// Nothing reports success unless the file was really written, and a failed
// save keeps the program open with the document as it was.
#include "ui/main/frm_main.h"

#include "clubs/club_file.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/remembered_folders.h"

#include <QCloseEvent>

#include <new>

namespace orv::ui {
namespace {

const QString kDataFileFilter = QStringLiteral("ORV Calculation(*.orv)|*.orv");
const QString kCaptionPrefix = QStringLiteral("ORV Calculation - ");

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(NativePath(path));
}

// The fixed text of each kind of failure, and below it what the system or
// the reader said.
QString OpenFailureText(const ClubFileError& error)
{
    QString text;
    switch (error.kind()) {
    case ClubFileError::Kind::CannotOpen:
        text = QStringLiteral("File not found!");
        break;
    case ClubFileError::Kind::CannotRead:
        text = QStringLiteral("The file cannot be read.");
        break;
    default:
        text = QStringLiteral("File Type not Supported");
        break;
    }
    return text + QStringLiteral("\n\n") + QString::fromStdString(error.what());
}

bool PassesFileNameRule(const QString& path) { return IsClubDataFileName(NativePath(path)); }

} // namespace

void frmMain::mnuOpen_Click()
{
    // Changes since the last Open or Save are not dropped unasked.
    if (isWindowModified()) {
        const MessageAnswer answer = m_dialogs.ShowMessage(
            this,
            QStringLiteral("Save the changes to the current datas before opening another file?"),
            MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !SaveDocument()))
            return;
    }
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = kDataFileFilter;
    request.initialFolder = RememberedFolder(FolderPurpose::Documents);
    const FileChoice choice = m_dialogs.ShowFileDialog(this, request);
    if (choice.path.isEmpty())
        return;
    RememberFolderOf(FolderPurpose::Documents, choice.path);
    OpenDocument(choice.path, choice.title);
}

void frmMain::OpenDocument(const QString& path, const QString& title)
{
    if (PassesFileNameRule(path))
        LoadDataFile(path, title);
    else
        ShowMessage(QStringLiteral("The file type is not correct!"));
}

void frmMain::LoadDataFile(const QString& path, const QString& title)
{
    // Whatever goes wrong, the open document stays as it was.
    std::vector<ClubRecord> records;
    try {
        records = ReadDataFile(FileSystemPath(path));
    } catch (const ClubFileError& error) {
        ShowMessage(OpenFailureText(error));
        return;
    } catch (const std::bad_alloc&) {
        ShowMessage(
            QStringLiteral("There is not enough memory to open %1.").arg(DisplayPath(path)));
        return;
    } catch (const std::exception& error) {
        ShowMessage(QString::fromStdString(error.what()));
        return;
    }
    m_data.ClubList.ReplaceAll(std::move(records));
    FlushData();
    // A document opens at its first club.
    for (SpreadGrid* grid : {fpSpread1, fpSpread2}) {
        grid->SelectBlock(0, 1, kGridColumns, 1);
        grid->scrollToTop();
    }
    SetCaption(kCaptionPrefix + title);
    m_currentFilePath = path;
    m_documentPath = path;
    // Another document: nothing to undo, nothing unsaved.
    m_undo->clear();
}

void frmMain::mnuSave_Click() { (void)SaveDocument(); }

void frmMain::mnuSaveAs_Click() { (void)SaveDocumentAs(); }

bool frmMain::SaveDocument()
{
    if (PassesFileNameRule(m_currentFilePath)) {
        const MessageAnswer answer = m_dialogs.ShowMessage(
            this, QStringLiteral("Replace file with current datas?"), MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes)
            return WriteFile(m_currentFilePath);
    }
    return SaveDocumentAs();
}

bool frmMain::SaveDocumentAs()
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.filter = kDataFileFilter;
    request.defaultExtension = QStringLiteral("orv");
    if (m_documentPath.isEmpty()) {
        request.initialFolder = RememberedFolder(FolderPurpose::Documents);
    } else {
        request.initialFolder = FolderOf(AbsolutePath(m_documentPath));
        request.proposedName = DisplayPath(FileNameOf(m_documentPath));
    }
    const FileChoice choice = m_dialogs.ShowFileDialog(this, request);
    if (choice.path.isEmpty())
        return false;
    RememberFolderOf(FolderPurpose::Documents, choice.path);
    if (!PassesFileNameRule(choice.path)) {
        ShowMessage(QStringLiteral("The file type is not supported!"));
        return false;
    }
    if (!WriteFile(choice.path))
        return false;
    SetCaption(kCaptionPrefix + choice.title);
    m_currentFilePath = choice.path;
    m_documentPath = choice.path;
    return true;
}

bool frmMain::WriteFile(const QString& path)
{
    try {
        SaveDataFile(FileSystemPath(path), m_data.ClubList);
        m_undo->setClean();
        return true;
    } catch (const ClubFileError& error) {
        ShowMessage(QString::fromStdString(error.what()));
        return false;
    } catch (const std::bad_alloc&) {
        ShowMessage(
            QStringLiteral("There is not enough memory to save %1.").arg(DisplayPath(path)));
        return false;
    }
}

void frmMain::closeEvent(QCloseEvent* event) { Form_QueryUnload(event); }

void frmMain::Form_QueryUnload(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    const MessageAnswer answer = m_dialogs.ShowMessage(
        this, QStringLiteral("Save datas and exit program?"), MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::No) {
        event->accept();
        EndProgram();
        return;
    }
    if (answer == MessageAnswer::Yes && SaveDocument()) {
        ShowMessage(QStringLiteral("Datas saved!"));
        event->accept();
        EndProgram();
        return;
    }
    event->ignore();
}

} // namespace orv::ui
