#include "ui/main/frm_main.h"

#include "numeric/number_text.h"
#include "ui/editor/frm_edit.h"
#include "ui/head/frm_head.h"
#include "ui/head/instrument_uncertainties.h"
#include "ui/platform/app_info.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/fonts.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/twips.h"
#include "ui/platform/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace orv::ui {
namespace {

// The widest texts a real head gives each column: measurements as typed,
// moments and volumes up to 999.999, angles from -180 to 180 degrees. Texts
// (number and name) may be cut; the cell's tip shows them whole.
const QString kTypedMeasurement = QStringLiteral("-123.456");
const QString kWidestMoment = QStringLiteral("999.999");
const QString kWidestAngle = QStringLiteral("-180.000");
const QString kWidestRowNumber = QStringLiteral("32767");

const GridColumn kMeasurementRowHeader = {QString(), 1.87, kWidestRowNumber};
const std::vector<GridColumn> kMeasurementColumns = {
    {QStringLiteral("No."), 3.75, QString()},
    {QStringLiteral("Name"), 8.33, QString()},
    {QStringLiteral("Mass"), 5.62, kTypedMeasurement},
    {QStringLiteral("Volume"), 6.00, kTypedMeasurement},
    {QStringLiteral("CM_x"), 5.50, kTypedMeasurement},
    {QStringLiteral("CM_y"), 5.62, kTypedMeasurement},
    {QStringLiteral("CM_z"), 5.37, kTypedMeasurement},
    {QStringLiteral("I_xx"), 5.37, kTypedMeasurement},
    {QStringLiteral("I_yy"), 5.00, kTypedMeasurement},
    {QStringLiteral("I_zz"), 4.87, kTypedMeasurement},
    {QStringLiteral("I_xy"), 5.12, kTypedMeasurement},
    {QStringLiteral("I_yz"), 4.87, kTypedMeasurement},
    {QStringLiteral("I_zx"), 4.87, kTypedMeasurement},
    {QStringLiteral("Lie Angle"), 6.62, kTypedMeasurement},
};

const GridColumn kResultRowHeader = {QString(), 2.50, kWidestRowNumber};
const std::vector<GridColumn> kResultColumns = {
    {QStringLiteral("Eigen-X"), 6.50, kWidestMoment},
    {QStringLiteral("Eigen-Y"), 6.00, kWidestMoment},
    {QStringLiteral("Eigen-Z"), 6.12, kWidestMoment},
    {QStringLiteral("Ths(X)"), 6.00, kWidestAngle},
    {QStringLiteral("Ths(Y)"), 5.37, kWidestAngle},
    {QStringLiteral("Ths(Z)"), 5.37, kWidestAngle},
    {QStringLiteral("Phs(X)"), 5.75, kWidestAngle},
    {QStringLiteral("Phs(Y)"), 6.00, kWidestAngle},
    {QStringLiteral("Phs(Z)"), 6.25, kWidestAngle},
    {QStringLiteral("Ixx_c"), 5.37, kWidestMoment},
    {QStringLiteral("Iyy_c"), 5.50, kWidestMoment},
    {QStringLiteral("Izz_c"), 5.50, kWidestMoment},
    {QStringLiteral("Izc'"), 6.00, kWidestMoment},
    {QStringLiteral("Volume"), 5.62, kWidestMoment},
};

// Row and column of the mirrored block: the row header and the first eleven
// data columns.
constexpr int kMirrorLastColumn = 11;
constexpr int kResultDecimals = 3;

void WriteMeasurements(SpreadGrid& grid, const ClubMeasurements& m)
{
    grid.SetCol(1);
    grid.SetText(QString::fromStdString(m.ClubNo));
    grid.SetCol(2);
    grid.SetText(QString::fromStdString(m.ClubName));
    int column = 3;
    for (const MeasuredReal& field : kEnteredReals) {
        grid.SetCol(column++);
        grid.SetNumber(m.*field.member);
    }
}

void WriteResults(SpreadGrid& grid, const ClubResults& r)
{
    int column = 1;
    for (const ResultReal& field : kResultReals) {
        grid.SetCol(column++);
        grid.SetNumber(RoundHalfEven(r.*field.member, kResultDecimals));
    }
}

QPushButton* MakeButton(const QString& name, const QString& caption, QRect geometry,
                        QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

frmMain::frmMain(ProgramData& programData, Dialogs& dialogs, DesktopServices& desktop)
    : m_data(programData)
    , m_dialogs(dialogs)
    , m_desktop(desktop)
    , m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vove-Rozo ORV"));
    setFont(DialogFont());
    BuildMenus();
    auto* client = new QWidget(this);
    client->setFixedSize(TwipsSize(10995, 6435, *this));
    setCentralWidget(client);
    BuildControls(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &frmMain::mnuContent_Click);
}

void frmMain::BuildMenus()
{
    const auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                                void (frmMain::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* file = addMenu("mnuFile", QStringLiteral("&File"));
    addItem(file, "mnuOpen", QStringLiteral("&Open"), &frmMain::mnuOpen_Click);
    addItem(file, "mnuSave", QStringLiteral("&Save"), &frmMain::mnuSave_Click);
    addItem(file, "mnuSaveAs", QStringLiteral("&Save As"), &frmMain::mnuSaveAs_Click);
    addItem(file, "mnuExit", QStringLiteral("E&xit"), &frmMain::mnuExit_Click);
    QMenu* head = addMenu("mnuHead", QStringLiteral("H&ead"));
    addItem(head, "mnuHeadWindow", QStringLiteral("Head &Window"), &frmMain::mnuHeadWindow_Click);
    head->actions().constLast()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    addItem(head, "mnuUncertainties", QStringLiteral("Instrument &Uncertainties..."),
            &frmMain::mnuUncertainties_Click);
    QMenu* help = addMenu("mnuHelp", QStringLiteral("&Help"));
    addItem(help, "mnuContent", QStringLiteral("&Content"), &frmMain::mnuContent_Click);
    addItem(help, "mnuAbout", QStringLiteral("&About"), &frmMain::mnuAbout_Click);
}

void frmMain::BuildControls(QWidget* client)
{
    fpSpread1 = new SpreadGrid(QStringLiteral("fpSpread1"), kMeasurementRowHeader,
                               kMeasurementColumns, client);
    fpSpread1->setGeometry(TwipsRect(135, 270, 10680, 2535, *this));
    fpSpread2 = new SpreadGrid(QStringLiteral("fpSpread2"), kResultRowHeader, kResultColumns,
                               client);
    fpSpread2->setGeometry(TwipsRect(135, 3060, 10725, 2535, *this));

    QPushButton* add = MakeButton(QStringLiteral("Command4"), QStringLiteral("Add"),
                                  TwipsRect(3060, 5805, 1815, 465, *this), client);
    QPushButton* remove = MakeButton(QStringLiteral("Command3"), QStringLiteral("Delete"),
                                     TwipsRect(5055, 5805, 1815, 465, *this), client);
    QPushButton* edit = MakeButton(QStringLiteral("Command1"), QStringLiteral("Edit "),
                                   TwipsRect(7050, 5805, 1815, 465, *this), client);
    QPushButton* exit = MakeButton(QStringLiteral("Command2"), QStringLiteral("Exit"),
                                   TwipsRect(9045, 5805, 1815, 465, *this), client);
    setTabOrder(fpSpread1, fpSpread2);
    setTabOrder(fpSpread2, add);
    setTabOrder(add, remove);
    setTabOrder(remove, edit);
    setTabOrder(edit, exit);

    connect(add, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(remove, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(edit, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(exit, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(fpSpread1, &SpreadGrid::CellEvent, this,
            [this](int, int row) { MirrorRowSelection(*fpSpread2, row); });
    connect(fpSpread2, &SpreadGrid::CellEvent, this,
            [this](int, int row) { MirrorRowSelection(*fpSpread1, row); });
    // The grids scroll together, so the same clubs are in view in both.
    QScrollBar* measurements = fpSpread1->verticalScrollBar();
    QScrollBar* results = fpSpread2->verticalScrollBar();
    connect(measurements, &QScrollBar::valueChanged, results, &QScrollBar::setValue);
    connect(results, &QScrollBar::valueChanged, measurements, &QScrollBar::setValue);
}

void frmMain::Load()
{
    if (!m_formLoaded)
        Form_Load();
}

void frmMain::Form_Load()
{
    setWindowTitle(kApplicationTitle);
    m_formLoaded = true;
    m_data.ClubList.Reset();
    m_findings.SetUncertainties(LoadInstrumentUncertainties());
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!m_formLoaded) {
        Load();
        adjustSize();
        CentreOnScreen(*this);
        if (!m_startupDocument.isEmpty()) {
            // Once the window stands, so that a message has it as its owner.
            const QString document = AbsolutePath(m_startupDocument);
            QTimer::singleShot(0, this, [this, document] {
                OpenDocument(document, DisplayPath(FileNameOf(document)));
            });
        }
    }
    QMainWindow::showEvent(event);
}

void frmMain::SetAboutWindow(std::function<void(QWidget*)> showAbout)
{
    m_showAbout = std::move(showAbout);
}

void frmMain::SetProgramEnd(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void frmMain::FlushData()
{
    const int clubs = m_data.ClubList.HighestIndex();
    fpSpread1->SetRowCount(clubs);
    fpSpread2->SetRowCount(clubs);
    // Every cell is rewritten; the views hear of it once per grid.
    fpSpread1->SetReDraw(false);
    fpSpread2->SetReDraw(false);
    m_findings.BeginPass();
    for (int i = 1; i <= clubs; ++i) {
        const ClubRecord& club = m_data.ClubList.At(i);
        fpSpread1->SetRow(i);
        WriteMeasurements(*fpSpread1, club.Measurements);
        fpSpread2->SetRow(i);
        WriteResults(*fpSpread2, club.Results);
        fpSpread2->SetRowNote(i, m_findings.NoteFor(club.Measurements));
    }
    fpSpread1->SetReDraw(true);
    fpSpread2->SetReDraw(true);
    if (m_head != nullptr && m_head->isVisible())
        m_head->ListChanged(clubs > 0 ? ActiveRow() : 0);
}

void frmMain::Command4_Click()
{
    try {
        m_data.ClubList.AppendEmpty();
    } catch (const ClubListFull& full) {
        ShowMessage(QString::fromStdString(full.what()));
        return;
    }
    fpSpread1->SetRowCount(fpSpread1->RowCount() + 1);
    fpSpread2->SetRowCount(fpSpread2->RowCount() + 1);
    FlushData();
    fpSpread1->ShowRow(fpSpread1->RowCount());
    fpSpread2->ShowRow(fpSpread2->RowCount());
}

void frmMain::Command3_Click()
{
    const int rows = fpSpread1->RowCount();
    if (rows > 1) {
        m_data.ClubList.Remove(fpSpread1->ActiveRow());
        FlushData();
    } else if (rows == 1) {
        m_data.ClubList.Reset();
        fpSpread1->SetRowCount(0);
        fpSpread2->SetRowCount(0);
        HeadFollows();
    }
}

void frmMain::Command1_Click()
{
    frmEdit editor(m_data, *this, m_dialogs, this);
    editor.exec();
}

void frmMain::Command2_Click() { close(); }

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuContent_Click() { m_desktop.OpenHelp(this, HelpFilePath(ProgramFolder())); }

void frmMain::mnuAbout_Click()
{
    if (m_showAbout)
        m_showAbout(this);
}

void frmMain::MirrorRowSelection(SpreadGrid& target, int row)
{
    if (row >= 1)
        target.SelectBlock(0, row, kMirrorLastColumn, row);
    HeadFollows();
}

void frmMain::HeadFollows()
{
    if (m_head != nullptr && m_head->isVisible())
        m_head->ShowRow(m_data.ClubList.HighestIndex() > 0 ? ActiveRow() : 0);
}

void frmMain::Calculated(const ClubMeasurements& club)
{
    if (m_head != nullptr && m_head->isVisible())
        m_head->ShowPending(club);
}

void frmMain::mnuHeadWindow_Click()
{
    if (m_head == nullptr) {
        m_head = new frmHead(m_data.ClubList, m_dialogs, m_desktop, this);
        m_head->SetUncertainties(LoadInstrumentUncertainties());
    }
    m_head->show();
    m_head->raise();
    m_head->activateWindow();
    m_head->ListChanged(m_data.ClubList.HighestIndex() > 0 ? ActiveRow() : 0);
}

void frmMain::mnuUncertainties_Click()
{
    frmUncertainties dialog(this);
    dialog.Show(LoadInstrumentUncertainties());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const InputUncertainties entered = dialog.Entered();
    SaveInstrumentUncertainties(entered);
    m_findings.SetUncertainties(entered);
    if (m_head != nullptr)
        m_head->SetUncertainties(entered);
    FlushData();
}

void frmMain::ShowMessage(const QString& text)
{
    m_dialogs.ShowMessage(this, text, MessageButtons::Ok);
}

void frmMain::EndProgram()
{
    m_ending = true;
    m_endProgram();
}

} // namespace orv::ui
