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
#include "ui/main/spread_grid.h"

#include <QMainWindow>

#include <functional>

namespace orv::ui {

class Dialogs;
class DesktopServices;
class frmHead;

// Both grids have this many data columns.
inline constexpr int kGridColumns = 14;

class frmMain : public QMainWindow, public EditorHost {
    Q_OBJECT

public:
    frmMain(ProgramData& data, Dialogs& dialogs, DesktopServices& desktop);

    // Runs the load handler the first time; the window's first showing does.
    void Load();
    [[nodiscard]] bool blFormLoaded() const { return m_formLoaded; }

    void FlushData() override;
    [[nodiscard]] int ActiveRow() const override { return fpSpread1->ActiveRow(); }
    void Calculated(const ClubMeasurements& club) override;

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
    void mnuHeadWindow_Click();
    void mnuUncertainties_Click();
    void mnuContent_Click();
    void mnuAbout_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(QCloseEvent* event);
    void BuildMenus();
    void BuildControls(QWidget* client);
    void MirrorRowSelection(SpreadGrid& target, int row);
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
    frmHead* m_head = nullptr; // made by the first Head Window
};

} // namespace orv::ui
