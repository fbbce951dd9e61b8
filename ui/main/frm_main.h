// The main window: every club of the document as one row in the
// measurements grid above and the results grid below, the commands that
// add, delete and edit clubs, and the File and Help menus.
//
// The grids only display the club list: every change of the list is
// followed by FlushData, which rewrites both grids whole.
#pragma once

#include "clubs/club_list.h"
#include "ui/editor/editor_host.h"
#include "ui/main/findings_memo.h"
#include "ui/main/list_edits.h"
#include "ui/main/spread_grid.h"

#include <QMainWindow>
#include <QUndoStack>

class QPushButton;

#include <functional>

namespace orv::ui {

class Dialogs;
class DesktopServices;
class frmHead;

// Both grids have this many data columns.
inline constexpr int kGridColumns = 14;

class frmMain : public QMainWindow, public EditorHost, private ListEditTarget {
    Q_OBJECT

public:
    frmMain(ProgramData& data, Dialogs& dialogs, DesktopServices& desktop);

    // Runs the load handler the first time; the window's first showing does.
    void Load();
    [[nodiscard]] bool blFormLoaded() const { return m_formLoaded; }

    void FlushData() override;
    [[nodiscard]] int ActiveRow() const override { return fpSpread1->ActiveRow(); }
    void Calculated(const ClubMeasurements& club) override;
    // Update: the row's club becomes these values, as one edit Undo takes
    // back.
    void StoreClub(int row, const ClubMeasurements& measurements,
                   const ClubResults& results) override;
    void Help(const QString& section) override;
    [[nodiscard]] InputUncertainties Uncertainties() const override;

    // How About shows the splash window, modally over `owner`.
    void SetAboutWindow(std::function<void(QWidget* owner)> showAbout);
    // How the program ends at once; by default the event loop exits.
    void SetProgramEnd(std::function<void()> endProgram);

    void LoadDataFile(const QString& path, const QString& title);
    // Opens a data file as File > Open does once the user has chosen it:
    // the file name rule first, then LoadDataFile.
    void OpenDocument(const QString& path, const QString& title);
    // The document to open when the window is first shown, as a file given
    // to the program; empty for none.
    void SetStartupDocument(const QString& path) { m_startupDocument = path; }
    [[nodiscard]] const QString& CurrentFilePath() const { return m_currentFilePath; }
    // The head window, once Head Window has opened it.
    [[nodiscard]] frmHead* HeadWindow() const { return m_head; }

    void Command4_Click(); // Add
    void Command3_Click(); // Delete
    void Command1_Click(); // Edit
    void Command2_Click(); // Exit
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuCopy_Click();
    void mnuCopyAll_Click();
    void mnuNextFinding_Click();
    void mnuPreviousFinding_Click();
    void mnuHeadWindow_Click();
    void mnuUncertainties_Click();
    void mnuReport_Click();
    void mnuReportHead_Click();
    void mnuContent_Click();
    void mnuAbout_Click();

    // The edits Undo and Redo walk through; clean when the document is as
    // last opened or saved.
    [[nodiscard]] QUndoStack& Edits() const { return *m_undo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(QCloseEvent* event);
    void BuildMenus();
    void BuildControls(QWidget* client);
    void MirrorRowSelection(SpreadGrid& target, int row);
    ClubList& List() override { return m_data.ClubList; }
    void ShowListAt(int row, bool activate) override;
    // Makes the row active in both grids and shows it.
    void ActivateRow(int row);
    // The next (step 1) or previous (step -1) row with findings, from the
    // active one round the end; 0 for none.
    [[nodiscard]] int RowWithFindings(int step) const;
    // The caption, with the mark of unsaved changes.
    void SetCaption(const QString& caption);
    // Where the grids and the buttons stand for the client's size: the
    // design's places, the grids sharing what the window has beyond it.
    void LayOutClient();
    // The report of these rows in the print preview, to print or save as PDF.
    void PreviewReport(std::vector<int> rows);
    // The head window, once opened, shows the active row.
    void HeadFollows();
    [[nodiscard]] bool SaveDocument();
    [[nodiscard]] bool SaveDocumentAs();
    [[nodiscard]] bool WriteFile(const QString& path);
    void ShowMessage(const QString& text);
    void EndProgram();

    SpreadGrid* fpSpread1;
    SpreadGrid* fpSpread2;
    ProgramData& m_data;
    Dialogs& m_dialogs;
    DesktopServices& m_desktop;
    std::function<void(QWidget*)> m_showAbout;
    std::function<void()> m_endProgram;
    bool m_formLoaded = false;
    bool m_ending = false;
    QString m_currentFilePath;
    // The file last opened or saved as: what Save As proposes.
    QString m_documentPath;
    QString m_startupDocument;
    FindingsMemo m_findings;
    QUndoStack* m_undo;
    QWidget* m_client = nullptr;
    QPushButton* m_buttons[4] = {};
    frmHead* m_head = nullptr; // made by the first Head Window
};

} // namespace orv::ui
