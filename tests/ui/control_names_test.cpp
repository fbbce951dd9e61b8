// Every control of every window is found by its control name and kind, the
// names that the handlers, the tests and anyone scripting the windows use.
#include "app/frm_splash.h"
#include "tests/ui/editor_fixture.h"
#include "ui/head/frm_head.h"
#include "ui/head/head_view.h"
#include "ui/head/instrument_uncertainties.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>

namespace orv::testing {
namespace {

struct ControlName {
    const char* name;
    const QMetaObject* kind;
};

// Counts the objects named `name` of kind `kind` in `window` itself.
int CountControls(const QWidget& window, const ControlName& control)
{
    int count = 0;
    for (const QObject* object : window.findChildren<QObject*>(QString::fromLatin1(control.name)))
        count += InWindowItself(object, window) && object->metaObject()->inherits(control.kind);
    return count;
}

void ExpectControls(const QWidget& window, std::initializer_list<ControlName> controls)
{
    for (const ControlName& control : controls)
        EXPECT_EQ(CountControls(window, control), 1)
            << window.objectName().toStdString() << "." << control.name << " as "
            << control.kind->className();
}

const QMetaObject* const kButton = &QPushButton::staticMetaObject;
const QMetaObject* const kBox = &QLineEdit::staticMetaObject;
const QMetaObject* const kReport = &QPlainTextEdit::staticMetaObject;
const QMetaObject* const kLabel = &QLabel::staticMetaObject;
const QMetaObject* const kMenu = &QMenu::staticMetaObject;
const QMetaObject* const kItem = &QAction::staticMetaObject;

using ControlNamesTest = EditorTest;

TEST_F(ControlNamesTest, MainWindow)
{
    EXPECT_EQ(window->objectName(), "frmMain");
    // An open editor does not lend the main window its controls.
    Open();
    ExpectControls(*window, {{"fpSpread1", &ui::SpreadGrid::staticMetaObject},
                             {"fpSpread2", &ui::SpreadGrid::staticMetaObject},
                             {"Command4", kButton},
                             {"Command3", kButton},
                             {"Command1", kButton},
                             {"Command2", kButton},
                             {"mnuFile", kMenu},
                             {"mnuOpen", kItem},
                             {"mnuSave", kItem},
                             {"mnuSaveAs", kItem},
                             {"mnuExit", kItem},
                             {"mnuHead", kMenu},
                             {"mnuHeadWindow", kItem},
                             {"mnuUncertainties", kItem},
                             {"mnuReport", kItem},
                             {"mnuReportHead", kItem},
                             {"mnuHelp", kMenu},
                             {"mnuContent", kItem},
                             {"mnuAbout", kItem}});
}

TEST_F(ControlNamesTest, Editor)
{
    ui::frmEdit& e = Open();
    EXPECT_EQ(e.objectName(), "frmEdit");
    ExpectControls(e, {{"Label19", kLabel},
                       {"txtClubNo", kBox},
                       {"Label20", kLabel},
                       {"txtClubName", kBox},
                       {"Frame1", &QGroupBox::staticMetaObject},
                       {"txtMass", kBox},
                       {"txtVolume", kBox},
                       {"txtCMx", kBox},
                       {"txtCMy", kBox},
                       {"txtCMz", kBox},
                       {"txtTheta", kBox},
                       {"txtIxx", kBox},
                       {"txtIyy", kBox},
                       {"txtIzz", kBox},
                       {"txtIxy", kBox},
                       {"txtIyz", kBox},
                       {"txtIzx", kBox},
                       {"Label12", kLabel},
                       {"Text4", kReport},
                       {"Label6", kLabel},
                       {"Label14", kLabel},
                       {"Label15", kLabel},
                       {"Label16", kLabel},
                       {"Text1", kReport},
                       {"Text2", kReport},
                       {"Text3", kReport},
                       {"Label18", kLabel},
                       {"Image1", &ui::StretchedImage::staticMetaObject},
                       {"txtPictureName", kBox},
                       {"Command5", kButton},
                       {"Command1", kButton},
                       {"Command4", kButton},
                       {"Command2", kButton},
                       {"Command6", kButton},
                       {"lblFindings", kLabel}});
}

TEST_F(ControlNamesTest, HeadWindowAndUncertainties)
{
    window->mnuHeadWindow_Click();
    ui::frmHead& head = *window->HeadWindow();
    EXPECT_EQ(head.objectName(), "frmHead");
    ExpectControls(head, {{"HeadView", &ui::HeadView::staticMetaObject},
                          {"cmdViewX", kButton},
                          {"cmdViewY", kButton},
                          {"cmdViewZ", kButton},
                          {"cmdOblique", kButton},
                          {"cboCompare", &QComboBox::staticMetaObject},
                          {"cmdSavePicture", kButton},
                          {"txtNumbers", &QTextBrowser::staticMetaObject},
                          {"cmdCopy", kButton}});
    ui::frmUncertainties uncertainties(nullptr);
    EXPECT_EQ(uncertainties.objectName(), "frmUncertainties");
    ExpectControls(uncertainties, {{"txtUMass", &QDoubleSpinBox::staticMetaObject},
                                   {"txtUCentre", &QDoubleSpinBox::staticMetaObject},
                                   {"txtUReading", &QDoubleSpinBox::staticMetaObject},
                                   {"chkPercent", &QCheckBox::staticMetaObject},
                                   {"txtUVolume", &QDoubleSpinBox::staticMetaObject},
                                   {"txtULie", &QDoubleSpinBox::staticMetaObject}});
}

TEST_F(ControlNamesTest, PreviewHolder)
{
    ui::frmPreview preview(nullptr);
    EXPECT_EQ(preview.objectName(), "frmPreview");
    ExpectControls(preview, {{"Frame1", &QGroupBox::staticMetaObject},
                             {"Image1", &ui::StretchedImage::staticMetaObject}});
}

TEST_F(ControlNamesTest, Splash)
{
    ui::frmSplash splash(*window, desktop, nullptr);
    EXPECT_EQ(splash.objectName(), "frmSplash");
    ExpectControls(splash, {{"Frame1", &QFrame::staticMetaObject},
                            {"lblProductName", kLabel},
                            {"Label2", kLabel},
                            {"Label3", kLabel},
                            {"Picture2", kLabel},
                            {"Picture1", kLabel},
                            {"Label1", kLabel},
                            {"lblWarning", kLabel},
                            {"Timer1", &QTimer::staticMetaObject}});
}

} // namespace
} // namespace orv::testing
