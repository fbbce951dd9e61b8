// The head window: the head at the active row drawn as its ellipsoid of
// inertia, with every number of it beside the drawing. It stays open beside
// the main window and follows the active row and every change of the list;
// while the editor is open, its Calculate shows the editor's values here,
// marked as not yet stored.
#pragma once

#include "clubs/club_list.h"
#include "inertia/uncertainty.h"
#include "ui/head/head_numbers.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QPushButton;
class QTextBrowser;

namespace orv::ui {

class ClubNamesModel;
class Dialogs;
class DesktopServices;
class HeadView;

class frmHead : public QWidget {
    Q_OBJECT

public:
    frmHead(const ClubList& clubs, Dialogs& dialogs, DesktopServices& desktop, QWidget* parent);

    // The head at this row of the list (1 .. HighestIndex), as stored.
    void ShowRow(int row);
    // The editor's values, computed but not stored yet.
    void ShowPending(const ClubMeasurements& club);
    // The list changed: the row shown and the heads to compare with.
    void ListChanged(int activeRow);
    void SetUncertainties(const InputUncertainties& uncertainties);

    [[nodiscard]] int Row() const { return m_row; }
    [[nodiscard]] const std::optional<HeadNumbers>& Shown() const { return m_numbers; }

    void cmdCopy_Click();
    void cmdSavePicture_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Show(const ClubMeasurements& club, bool pending);
    void PlaceBesideOwner();
    void FillCompareChooser();
    void Compare(int index);

    const ClubList& m_clubs;
    Dialogs& m_dialogs;
    DesktopServices& m_desktop;
    InputUncertainties m_uncertainties;
    int m_row = 0;
    bool m_placed = false;
    std::optional<HeadNumbers> m_numbers;
    HeadView* HeadView1;
    ClubNamesModel* m_names;
    QComboBox* cboCompare;
    QTextBrowser* txtNumbers;
};

} // namespace orv::ui
