// The measurement editor: one club's values in text boxes, the computation
// of its ellipsoid of inertia with a report, and storing the club back into
// the list. Data flows one way: the club list into LoadedClub into the boxes
// when the window opens, and the boxes into CurrentClub whenever RawData
// reads them.
#pragma once

#include "clubs/club_list.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "ui/editor/editor_host.h"
#include "ui/editor/frm_preview.h"
#include "ui/editor/stretched_image.h"
#include "ui/platform/dialogs.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <vector>

namespace orv::ui {

class frmEdit : public QDialog, private PreviewClient {
    Q_OBJECT

public:
    frmEdit(ProgramData& data, EditorHost& host, Dialogs& dialogs, QWidget* parent);
    ~frmEdit() override;

    void Command1_Click(); // Calculate
    void Command4_Click(); // Update
    void Command2_Click(); // Discard
    void Command5_Click(); // Browse
    void Command6_Click(); // Club Head

    void ReEdit(int I);
    void DataInput();
    // Reads the boxes into CurrentClub; false, with a message and nothing
    // changed, when a number box holds a value beyond the single range.
    bool RawData();
    void Reset();
    void UpdateORV();

    [[nodiscard]] const ClubMeasurements& LoadedClub() const { return m_loadedClub; }
    // Null until Browse or RawData needs the preview window.
    [[nodiscard]] frmPreview* Preview() const { return m_preview.get(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct NumberBox {
        QLineEdit* box;
        QString label;
        float ClubMeasurements::*field;
    };

    void BuildControls();
    void Form_Load();
    void ShowPicture(const QString& path);
    // Browse starts beside the current picture, else where the last one was
    // chosen, else in the pictures folder below the working folder.
    [[nodiscard]] QString PictureStartFolder() const;
    // Loads the picture into the image; a file that cannot be decoded shows
    // the loader's description and the image keeps what it had.
    void ShowPicture(StretchedImage& image, const QString& path);
    void ShowMessage(const QString& text);
    void ShowFindings(const std::vector<Finding>& findings);
    // The report boxes' tips: each result's uncertainty, when the
    // instrument's are known.
    void ShowUncertainties();
    [[nodiscard]] QStringList BoxTexts() const;
    frmPreview& LoadPreview();
    void RefreshPreview();

    QWidget* PreviewFrame() override;
    void FileHighlighted(const QString& path) override;
    void RestorePicture() override;
    void PreviewRelease() override;

    QLineEdit *txtClubNo, *txtClubName, *txtPictureName;
    QPlainTextEdit *Text1, *Text2, *Text3, *Text4;
    QLabel *Label12, *Label16, *Label18, *lblFindings;
    QGroupBox* Frame1;
    StretchedImage* Image1;
    QPushButton *Command1, *Command4, *Command2, *Command5, *Command6;
    ProgramData& m_data;
    EditorHost& m_host;
    Dialogs& m_dialogs;
    ClubMeasurements m_loadedClub;
    std::vector<NumberBox> m_numberBoxes;
    std::unique_ptr<frmPreview> m_preview;
    // Where the last picture was chosen, in this run or an earlier one.
    QString m_pictureFolder;
    // The boxes as the editor opened, and what the last reading of them read
    // only in part.
    QStringList m_opened;
    QStringList m_readAs;
};

} // namespace orv::ui
