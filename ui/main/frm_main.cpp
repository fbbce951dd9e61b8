#include "ui/main/frm_main.h"

#include "numeric/number_text.h"
#include "ui/editor/frm_edit.h"
#include "ui/head/frm_head.h"
#include "ui/head/instrument_uncertainties.h"
#include "ui/main/clipboard_text.h"
#include "ui/platform/app_info.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/fonts.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/twips.h"
#include "ui/platform/window_placement.h"
#include "ui/report/measurement_report.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
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

// The headers of both grids' columns, as the clipboard carries them.
QStringList ColumnHeaders()
{
    QStringList headers;
    for (const auto* columns : {&kMeasurementColumns, &kResultColumns})
        for (const GridColumn& column : *columns)
            headers << column.header;
    return headers;
}

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
    m_undo = new QUndoStack(this);
    connect(m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    BuildMenus();
    // The client opens at its designed size and grows with the window.
    m_client = new QWidget(this);
    m_client->setMinimumSize(TwipsSize(10995, 6435, *this));
    setCentralWidget(m_client);
    BuildControls(m_client);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &frmMain::mnuContent_Click);
    // F1 in the program's dialogs opens the manual at their section.
    qApp->installEventFilter(this);
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
    const auto keys = [](QMenu* menu, QList<QKeySequence> sequences) {
        menu->actions().constLast()->setShortcuts(sequences);
    };
    QMenu* file = addMenu("mnuFile", QStringLiteral("&File"));
    addItem(file, "mnuOpen", QStringLiteral("&Open"), &frmMain::mnuOpen_Click);
    keys(file, {QKeySequence(Qt::CTRL | Qt::Key_O)});
    addItem(file, "mnuSave", QStringLiteral("&Save"), &frmMain::mnuSave_Click);
    keys(file, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    addItem(file, "mnuSaveAs", QStringLiteral("&Save As"), &frmMain::mnuSaveAs_Click);
    keys(file, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    addItem(file, "mnuExit", QStringLiteral("E&xit"), &frmMain::mnuExit_Click);
    keys(file, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    QMenu* edit = addMenu("mnuEdit", QStringLiteral("&Edit"));
    addItem(edit, "mnuUndo", QStringLiteral("&Undo"), &frmMain::mnuUndo_Click);
    keys(edit, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    connect(m_undo, &QUndoStack::canUndoChanged, edit->actions().constLast(), &QAction::setEnabled);
    addItem(edit, "mnuRedo", QStringLiteral("&Redo"), &frmMain::mnuRedo_Click);
    keys(edit,
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undo, &QUndoStack::canRedoChanged, edit->actions().constLast(), &QAction::setEnabled);
    for (QAction* action : edit->actions())
        action->setEnabled(false);
    edit->addSeparator();
    addItem(edit, "mnuCopy", QStringLiteral("&Copy"), &frmMain::mnuCopy_Click);
    keys(edit, {QKeySequence(Qt::CTRL | Qt::Key_C)});
    addItem(edit, "mnuCopyAll", QStringLiteral("Copy &All"), &frmMain::mnuCopyAll_Click);
    edit->addSeparator();
    addItem(edit, "mnuNextFinding", QStringLiteral("&Next Head with Findings"),
            &frmMain::mnuNextFinding_Click);
    keys(edit, {QKeySequence(Qt::Key_F3)});
    addItem(edit, "mnuPreviousFinding", QStringLiteral("&Previous Head with Findings"),
            &frmMain::mnuPreviousFinding_Click);
    keys(edit, {QKeySequence(Qt::SHIFT | Qt::Key_F3)});
    QMenu* head = addMenu("mnuHead", QStringLiteral("He&ad"));
    addItem(head, "mnuHeadWindow", QStringLiteral("Head &Window"), &frmMain::mnuHeadWindow_Click);
    head->actions().constLast()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    addItem(head, "mnuUncertainties", QStringLiteral("Instrument &Uncertainties..."),
            &frmMain::mnuUncertainties_Click);
    head->addSeparator();
    addItem(head, "mnuReport", QStringLiteral("&Report..."), &frmMain::mnuReport_Click);
    addItem(head, "mnuReportHead", QStringLiteral("Report of This &Head..."),
            &frmMain::mnuReportHead_Click);
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
    // Insert adds; in a grid, Delete deletes and Enter or a double click
    // edits the row.
    connect(new QShortcut(QKeySequence(Qt::Key_Insert), this), &QShortcut::activated, this,
            &frmMain::Command4_Click);
    for (SpreadGrid* grid : {fpSpread1, fpSpread2}) {
        connect(grid, &SpreadGrid::RowCommand, this, [this](RowCommandKind kind) {
            kind == RowCommandKind::Edit ? Command1_Click() : Command3_Click();
        });
        connect(grid, &QAbstractItemView::doubleClicked, this, [this] { Command1_Click(); });
    }
    m_buttons[0] = add;
    m_buttons[1] = remove;
    m_buttons[2] = edit;
    m_buttons[3] = exit;
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
    SetCaption(kApplicationTitle);
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
    if (m_data.ClubList.HighestIndex() >= kMaxClubs) {
        ShowMessage(QString::fromStdString(ClubListFull().what()));
        return;
    }
    m_undo->push(new AddClub(*this));
}

void frmMain::Command3_Click()
{
    if (fpSpread1->RowCount() >= 1 && ActiveRow() >= 1
        && ActiveRow() <= m_data.ClubList.HighestIndex())
        m_undo->push(new DeleteClub(*this, ActiveRow()));
}

void frmMain::StoreClub(int row, const ClubMeasurements& measurements, const ClubResults& results)
{
    m_undo->push(new UpdateClub(*this, row, ClubRecord{measurements, results}));
}

void frmMain::ShowListAt(int row, bool activate)
{
    FlushData();
    if (row < 1)
        return;
    if (activate || ActiveRow() > m_data.ClubList.HighestIndex()) {
        ActivateRow(row);
        return;
    }
    // Add shows the new row without moving the active one.
    fpSpread1->ShowRow(row);
    fpSpread2->ShowRow(row);
}

void frmMain::ActivateRow(int row)
{
    for (SpreadGrid* grid : {fpSpread1, fpSpread2}) {
        grid->SelectBlock(0, row, grid == fpSpread1 ? kGridColumns : kMirrorLastColumn, row);
        grid->ShowRow(row);
    }
    HeadFollows();
}

void frmMain::mnuUndo_Click() { m_undo->undo(); }

void frmMain::mnuRedo_Click() { m_undo->redo(); }

int frmMain::RowWithFindings(int step) const
{
    const int rows = m_data.ClubList.HighestIndex();
    for (int k = 1; k <= rows; ++k) {
        const int row = ((ActiveRow() - 1 + step * k) % rows + rows) % rows + 1;
        if (fpSpread2->Note(row).warning)
            return row;
    }
    return 0;
}

void frmMain::mnuNextFinding_Click()
{
    if (const int row = RowWithFindings(1); row > 0)
        ActivateRow(row);
}

void frmMain::mnuPreviousFinding_Click()
{
    if (const int row = RowWithFindings(-1); row > 0)
        ActivateRow(row);
}

void frmMain::mnuCopy_Click()
{
    const int row = ActiveRow();
    if (row >= 1 && row <= m_data.ClubList.HighestIndex())
        QApplication::clipboard()->setText(
            ClubsAsTabText(m_data.ClubList, row, row, ColumnHeaders()));
}

void frmMain::mnuCopyAll_Click()
{
    QApplication::clipboard()->setText(
        ClubsAsTabText(m_data.ClubList, 1, m_data.ClubList.HighestIndex(), ColumnHeaders()));
}

void frmMain::SetCaption(const QString& caption)
{
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayOutClient();
}

void frmMain::LayOutClient()
{
    const QSize designed = TwipsSize(10995, 6435, *this);
    const int wider = std::max(0, m_client->width() - designed.width());
    const int taller = std::max(0, m_client->height() - designed.height());
    const QRect first = TwipsRect(135, 270, 10680, 2535, *this);
    const QRect second = TwipsRect(135, 3060, 10725, 2535, *this);
    fpSpread1->setGeometry(first.adjusted(0, 0, wider, taller / 2));
    fpSpread2->setGeometry(second.adjusted(0, taller / 2, wider, taller));
    const int buttonLefts[4] = {3060, 5055, 7050, 9045};
    for (int i = 0; i < 4; ++i)
        m_buttons[i]->setGeometry(
            TwipsRect(buttonLefts[i], 5805, 1815, 465, *this).translated(0, taller));
}

void frmMain::Command1_Click()
{
    frmEdit editor(m_data, *this, m_dialogs, this);
    editor.exec();
}

void frmMain::Command2_Click() { close(); }

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuContent_Click() { m_desktop.OpenHelp(this, HelpFilePath(ProgramFolder())); }

InputUncertainties frmMain::Uncertainties() const { return LoadInstrumentUncertainties(); }

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* dialog = widget != nullptr ? widget->window() : nullptr;
    // The main window, the editor and the head window answer F1 themselves.
    if (qobject_cast<QDialog*>(dialog) == nullptr || qobject_cast<frmEdit*>(dialog) != nullptr)
        return QMainWindow::eventFilter(watched, event);
    QString section;
    if (qobject_cast<QFileDialog*>(dialog) != nullptr)
        section = QStringLiteral("file-menu");
    else if (qobject_cast<frmUncertainties*>(dialog) != nullptr
             || qobject_cast<QPrintPreviewDialog*>(dialog) != nullptr)
        section = QStringLiteral("head-window");
    m_desktop.OpenHelp(dialog, HelpFilePath(ProgramFolder()), section);
    return true;
}

void frmMain::Help(const QString& section)
{
    m_desktop.OpenHelp(this, HelpFilePath(ProgramFolder()), section);
}

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

void frmMain::mnuReport_Click()
{
    std::vector<int> rows;
    for (int row = 1; row <= m_data.ClubList.HighestIndex(); ++row)
        rows.push_back(row);
    PreviewReport(std::move(rows));
}

void frmMain::mnuReportHead_Click()
{
    if (ActiveRow() >= 1 && ActiveRow() <= m_data.ClubList.HighestIndex())
        PreviewReport({ActiveRow()});
}

void frmMain::PreviewReport(std::vector<int> rows)
{
    ReportRequest request;
    request.documentName = FileNameOf(m_documentPath);
    request.uncertainties = LoadInstrumentUncertainties();
    request.rows = std::move(rows);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(DefaultReportLayout());
    printer.setDocName(QStringLiteral("ORV report ") + request.documentName);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("frmReportPreview"));
    preview.setWindowTitle(QStringLiteral("Report - ") + kApplicationTitle);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &request](QPrinter* target) { PaintReport(*target, m_data.ClubList, request); });
    preview.resize(900, 800);
    preview.exec();
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
