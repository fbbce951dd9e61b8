#include "ui/editor/frm_edit.h"

#include "clubs/code_page.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"
#include "inertia/uncertainty.h"
#include "numeric/arithmetic_error.h"
#include "numeric/number_text.h"
#include "ui/artwork/artwork.h"
#include "ui/editor/internal/picture_types.h"
#include "ui/platform/app_info.h"
#include "ui/platform/fonts.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/picture_loader.h"
#include "ui/platform/remembered_folders.h"
#include "ui/platform/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orv::ui {
namespace {

// The number boxes of the measurement frame, row by row as they stand.
struct NumberBoxLayout {
    const char* name;
    const char* caption;
    float ClubMeasurements::*field;
    int labelLeft, boxLeft, labelTop, boxTop, width;
    bool unitBelow; // the moments carry their unit under the box
};

constexpr NumberBoxLayout kNumberBoxLayout[] = {
    {"txtMass", "Mass (gm)", &ClubMeasurements::Mass, 180, 675, 405, 405, 735, false},
    {"txtVolume", "Volume (cc)", &ClubMeasurements::Volume, 1530, 2115, 405, 405, 735, false},
    {"txtCMx", "CM_x (mm)", &ClubMeasurements::CMx, 3015, 3510, 405, 405, 735, false},
    {"txtCMy", "CM_y (mm)", &ClubMeasurements::CMy, 4455, 4950, 405, 405, 735, false},
    {"txtCMz", "CM_z (mm)", &ClubMeasurements::CMz, 5940, 6390, 405, 405, 735, false},
    {"txtTheta", "Lie Angle (Degree)", &ClubMeasurements::LieAngle, 7245, 8010, 405, 405, 510,
     false},
    {"txtIxx", "I_xx", &ClubMeasurements::Ixx, 180, 675, 945, 900, 735, true},
    {"txtIyy", "I_yy", &ClubMeasurements::Iyy, 1620, 2115, 945, 900, 735, true},
    {"txtIzz", "I_zz", &ClubMeasurements::Izz, 3015, 3510, 990, 900, 735, true},
    {"txtIxy", "I_xy", &ClubMeasurements::Ixy, 4455, 4950, 990, 900, 735, true},
    {"txtIyz", "I_yz", &ClubMeasurements::Iyz, 5940, 6390, 990, 900, 735, true},
    {"txtIzx", "I_zx", &ClubMeasurements::Izx, 7335, 7785, 990, 900, 735, true},
};

const QString kPictureFilter = QStringLiteral("*.jpg|*.jpg|*.gif|*.gif|*.bmp|*.bmp");

QString ReportText(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmEdit::frmEdit(ProgramData& programData, EditorHost& host, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_data(programData)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_pictureFolder(RememberedFolder(FolderPurpose::Pictures))
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Vove-Rozo ORV"));
    setFont(DialogFont());
    setFixedSize(TwipsSize(9225, 7140, *this));
    BuildControls();
    Form_Load();
}

frmEdit::~frmEdit() = default;

void frmEdit::BuildControls()
{
    const auto label = [this](QWidget* parent, const QString& caption, int left, int top,
                              int width = 0, int height = 0) {
        auto* l = new QLabel(caption, parent);
        if (width > 0) {
            l->setGeometry(TwipsRect(left, top, width, height, *this));
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        } else {
            l->move(TwipsToPixelsX(left, *this), TwipsToPixelsY(top, *this));
            l->adjustSize();
        }
        return l;
    };
    const auto lineEdit = [this](QWidget* parent, const char* name, QRect twips) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), *this));
        return box;
    };
    const auto report = [this](const char* name, QRect twips) {
        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setReadOnly(true);
        box->setFont(ReportFont());
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), *this));
        return box;
    };
    const auto button = [this](const char* name, const QString& caption, QRect twips) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), *this));
        return b;
    };

    label(this, QStringLiteral("Head No."), 270, 225)->setObjectName(QStringLiteral("Label19"));
    txtClubNo = lineEdit(this, "txtClubNo", {1080, 135, 2310, 330});
    label(this, QStringLiteral("Head Name"), 3555, 225)->setObjectName(QStringLiteral("Label20"));
    txtClubName = lineEdit(this, "txtClubName", {4500, 135, 4470, 330});

    Frame1 = new QGroupBox(QStringLiteral("Club Basic Measurement"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(180, 675, 8835, 1545, *this));
    for (const NumberBoxLayout& spec : kNumberBoxLayout) {
        QLabel* caption = label(Frame1, QLatin1String(spec.caption), spec.labelLeft, spec.labelTop);
        // A caption longer than the room before its box wraps onto a second line.
        const int room = TwipsToPixelsX(spec.boxLeft - spec.labelLeft - 45, *this);
        if (caption->width() > room) {
            caption->setWordWrap(true);
            caption->setFixedWidth(room);
            caption->setFixedHeight(caption->heightForWidth(room));
            caption->move(caption->x(), TwipsToPixelsY(spec.boxTop, *this)
                                            + (TwipsToPixelsY(330, *this) - caption->height()) / 2);
        }
        QLineEdit* box = lineEdit(Frame1, spec.name, {spec.boxLeft, spec.boxTop, spec.width, 330});
        if (spec.unitBelow)
            label(Frame1, QStringLiteral("kg-cm^2"), spec.boxLeft, 1260, 705, 195);
        m_numberBoxes.push_back({box, QLatin1String(spec.caption), spec.field});
    }
    // The boxes are laid out row by row; RawData reads them in the order of
    // the measurements grid.
    std::vector<NumberBox> inLayoutOrder = m_numberBoxes;
    std::ranges::sort(m_numberBoxes, {}, [](const NumberBox& n) {
        return std::ranges::find(kEnteredReals, n.field, &MeasuredReal::member)
               - kEnteredReals.begin();
    });

    Label12 = label(this, QString(), 225, 2430, 1275, 240);
    Label12->setObjectName(QStringLiteral("Label12"));
    Text4 = report("Text4", {225, 2655, 4200, 1860});
    label(this, QStringLiteral("Eigen-Value"), 270, 4815)->setObjectName(QStringLiteral("Label6"));
    label(this, QStringLiteral("Direction(Ths)"), 1710, 4815)
        ->setObjectName(QStringLiteral("Label14"));
    label(this, QStringLiteral("Direction(Phs)"), 3105, 4815)
        ->setObjectName(QStringLiteral("Label15"));
    Label16 = label(this, QString(), 90, 5175);
    Label16->setObjectName(QStringLiteral("Label16"));
    Text1 = report("Text1", {225, 5085, 1365, 915});
    Text2 = report("Text2", {1665, 5085, 1365, 915});
    Text3 = report("Text3", {3105, 5085, 1365, 915});

    Label18 = label(this, QStringLiteral("Club Head"), 4680, 2400, 1275, 240);
    Label18->setObjectName(QStringLiteral("Label18"));
    Image1 = new StretchedImage(QStringLiteral("Image1"), this);
    Image1->setGeometry(TwipsRect(4590, 2655, 4410, 3330, *this));
    Image1->SetPicture(EditorPlaceholder());
    txtPictureName = lineEdit(this, "txtPictureName", {4590, 6075, 3585, 315});
    Command5 = button("Command5", QStringLiteral("Browse"), {8235, 6075, 735, 315});
    Command1 = button("Command1", QStringLiteral("Calculate"), {315, 6525, 1275, 465});
    Command4 = button("Command4", QStringLiteral("Update"), {1710, 6525, 1275, 465});
    Command2 = button("Command2", QStringLiteral("Discard"), {3105, 6525, 1275, 465});
    Command6 = button("Command6", QStringLiteral("Club Head"), {4560, 6525, 1230, 465});
    // Beside the buttons, only while the calculated readings have findings.
    lblFindings = label(this, QString(), 5880, 6480, 3150, 560);
    lblFindings->setObjectName(QStringLiteral("lblFindings"));
    lblFindings->setWordWrap(true);
    QPalette warning = lblFindings->palette();
    warning.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
    lblFindings->setPalette(warning);
    lblFindings->hide();

    std::vector<QWidget*> order = {txtClubNo, txtClubName};
    for (const NumberBox& number : inLayoutOrder)
        order.push_back(number.box);
    order.insert(order.end(), {Text4, Text1, Text2, Text3, txtPictureName, Command5, Command1,
                               Command4, Command2, Command6});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Enter anywhere calculates; Alt+C, Alt+U and Alt+D press the three
    // buttons, whose captions stay as they are.
    Command1->setDefault(true);
    const std::pair<Qt::Key, QPushButton*> keys[] = {
        {Qt::Key_C, Command1}, {Qt::Key_U, Command4}, {Qt::Key_D, Command2}};
    for (const auto& [key, target] : keys)
        connect(new QShortcut(QKeySequence(Qt::ALT | key), this), &QShortcut::activated, target,
                &QPushButton::click);
    connect(Command1, &QPushButton::clicked, this, &frmEdit::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &frmEdit::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &frmEdit::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &frmEdit::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmEdit::Command6_Click);
}

void frmEdit::Form_Load()
{
    setWindowTitle(kApplicationTitle);
    Label12->setText(
        QStringLiteral("Inertia Matrix\n\n| XX  XY  ZX |\n| XY  YY  YZ |\n| ZX  YZ  ZZ |"));
    Label16->setText(QStringLiteral("X\nY\nZ"));
    Label16->adjustSize();
    const int row = m_host.ActiveRow();
    if (row > 0)
        ReEdit(row);
    RawData();
    m_opened = BoxTexts();
}

QStringList frmEdit::BoxTexts() const
{
    QStringList texts = {txtClubNo->text(), txtClubName->text(), txtPictureName->text()};
    for (const NumberBox& number : m_numberBoxes)
        texts << number.box->text();
    return texts;
}

void frmEdit::ReEdit(int I)
{
    Reset();
    // A row the list does not hold leaves the boxes empty instead of failing.
    if (m_data.ClubList.HighestIndex() > 0 && I >= 0 && I <= m_data.ClubList.HighestIndex()) {
        m_loadedClub = m_data.ClubList.Fetch(I);
        DataInput();
    }
}

void frmEdit::DataInput()
{
    Reset();
    // A box shows the start of a text too long for it, not its tail.
    const auto show = [](QLineEdit* box, const std::string& text) {
        box->setText(QString::fromStdString(text));
        box->setCursorPosition(0);
    };
    show(txtClubNo, m_loadedClub.ClubNo);
    show(txtClubName, m_loadedClub.ClubName);
    for (const NumberBox& number : m_numberBoxes)
        show(number.box, FormatSingleToReadBack(m_loadedClub.*number.field));
    show(txtPictureName, m_loadedClub.PictureName);
    const QString picture = QString::fromStdString(m_loadedClub.PictureName);
    if (FileExists(picture))
        ShowPicture(picture);
}

bool frmEdit::RawData()
{
    std::vector<float> values;
    m_readAs.clear();
    for (const NumberBox& number : m_numberBoxes) {
        try {
            const LeadingNumber read = ReadLeadingNumber(number.box->text().toStdString());
            values.push_back(ToSingle(read.value));
            // A box read only in part says what was read, and is marked.
            number.box->setStyleSheet(read.whole ? QString()
                                                 : QStringLiteral("background: #FFE8B0;"));
            if (!read.whole)
                m_readAs << QStringLiteral("%1: \"%2\" was read as %3")
                                .arg(number.label.section(QLatin1Char(' '), 0, 0),
                                     number.box->text(),
                                     QString::fromStdString(FormatSingle(values.back())));
        } catch (const ArithmeticError&) {
            ShowMessage(QStringLiteral("The value of \"%1\" is out of range.").arg(number.label));
            number.box->setFocus();
            return false;
        }
    }
    ClubMeasurements& club = m_data.CurrentClub;
    club.ClubName = txtClubName->text().toStdString();
    club.ClubNo = txtClubNo->text().toStdString();
    for (std::size_t i = 0; i < m_numberBoxes.size(); ++i)
        club.*(m_numberBoxes[i].field) = values[i];
    club.Azimuth = 180;
    club.PictureName = txtPictureName->text().toStdString();
    RefreshPreview();
    return true;
}

void frmEdit::Reset()
{
    for (const NumberBox& number : m_numberBoxes)
        number.box->clear();
    for (QPlainTextEdit* box : {Text1, Text2, Text3, Text4})
        box->clear();
    txtClubNo->clear();
    txtClubName->clear();
}

void frmEdit::UpdateORV()
{
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(m_data.CurrentClub);
    m_data.CurrentResults = outcome.Results;
    Text1->setPlainText(ReportText(outcome.Report.Text1));
    Text2->setPlainText(ReportText(outcome.Report.Text2));
    Text3->setPlainText(ReportText(outcome.Report.Text3));
    Text4->setPlainText(ReportText(outcome.Report.Text4));
    ShowUncertainties();
    ShowFindings(outcome.Findings);
}

void frmEdit::ShowUncertainties()
{
    const InputUncertainties inputs = m_host.Uncertainties();
    if (!AnyKnown(inputs)) {
        for (QPlainTextEdit* box : {Text1, Text2, Text3, Text4})
            box->setToolTip(QString());
        return;
    }
    const ResultUncertainties u = UncertaintiesOf(m_data.CurrentClub, inputs);
    const auto value = [&u](std::size_t k) {
        return std::isfinite(u[k]) ? QString::number(u[k], 'g', 3) : QStringLiteral("\u2014");
    };
    const auto three = [&](std::size_t first, const QString& unit) {
        return QStringLiteral("Standard uncertainties from the instrument's (Head, Instrument "
                              "Uncertainties): X \u00B1 %1, Y \u00B1 %2, Z \u00B1 %3 %4")
            .arg(value(first), value(first + 1), value(first + 2), unit);
    };
    Text1->setToolTip(three(0, QStringLiteral("kg-cm^2")));
    Text2->setToolTip(three(3, QStringLiteral("degrees")));
    Text3->setToolTip(three(6, QStringLiteral("degrees")));
    Text4->setToolTip(QStringLiteral("Standard uncertainties from the instrument's: XX \u00B1 %1, "
                                     "YY \u00B1 %2, ZZ \u00B1 %3 kg-cm^2; Izc' \u00B1 %4 kg-cm^2; "
                                     "equivalent volume \u00B1 %5 cc")
                          .arg(value(9), value(10), value(11), value(12), value(13)));
}

void frmEdit::ShowFindings(const std::vector<Finding>& findings)
{
    QStringList codes;
    QStringList sentences = m_readAs;
    for (const Finding& finding : findings) {
        codes << QString::fromLatin1(FindingName(finding.code));
        sentences << QString::fromStdString(finding.text);
    }
    // What probably went wrong: the codes on the line, in words in the tip.
    QStringList slips;
    for (const RepairHint& hint : RepairHintsOf(m_data.CurrentClub)) {
        slips << QString::fromStdString(hint.code);
        sentences << QString::fromStdString(hint.text);
    }
    QStringList parts;
    for (const QString& note : m_readAs)
        parts << note + u'.';
    // What to do first: what probably went wrong, then what is wrong.
    if (!slips.isEmpty())
        parts << QStringLiteral("Perhaps %1.").arg(slips.join(QStringLiteral(" or ")));
    if (!codes.isEmpty())
        parts << QStringLiteral("Check the readings: %1.").arg(codes.join(QStringLiteral(", ")));
    // The line never cuts a text: what does not fit its lines ends in "...",
    // and the tip has it all.
    const QFontMetrics metrics(lblFindings->font());
    const auto fits = [&](const QString& text) {
        return metrics
                   .boundingRect(QRect(0, 0, lblFindings->width(), 10000), Qt::TextWordWrap, text)
                   .height()
               <= lblFindings->height();
    };
    QString line = parts.join(QLatin1Char(' '));
    while (!fits(line) && line.size() > 1) {
        const qsizetype cut = line.lastIndexOf(u' ', line.size() - 3);
        line = (cut > 0 ? line.left(cut) : line.left(line.size() - 2)) + QStringLiteral("\u2026");
    }
    lblFindings->setText(line);
    lblFindings->setToolTip(sentences.join(QLatin1Char('\n')));
    lblFindings->setVisible(!parts.isEmpty());
}

void frmEdit::closeEvent(QCloseEvent* event)
{
    // The close box drops typed values only when the user says so, as
    // Discard does.
    if (result() == QDialog::Rejected && BoxTexts() != m_opened
        && m_dialogs.ShowMessage(this, QStringLiteral("Discard all the changes?"),
                                 MessageButtons::YesNo)
               != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmEdit::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the editor and drop the typed values unasked; the
    // window has no Cancel button, so the key does nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        m_host.Help(QStringLiteral("editor"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmEdit::Command1_Click()
{
    if (!RawData())
        return;
    UpdateORV();
    m_host.Calculated(m_data.CurrentClub);
}

// The first character of the text that a club data file cannot hold, or
// nothing.
std::optional<QChar> Unstorable(const QString& text)
{
    for (const QChar c : text)
        if (!Utf8ToWindows1252(QString(c).toStdString()))
            return c;
    return std::nullopt;
}

void frmEdit::Command4_Click()
{
    if (!RawData())
        return;
    const std::pair<QLineEdit*, QString> texts[] = {
        {txtClubNo, QStringLiteral("Head No.")},
        {txtClubName, QStringLiteral("Head Name")},
        {txtPictureName, QStringLiteral("the picture")}};
    for (const auto& [box, name] : texts) {
        if (const auto c = Unstorable(box->text())) {
            ShowMessage(QStringLiteral("%1 holds \"%2\", which a club data file cannot store: it "
                                       "holds only Western European letters. Replace it, then "
                                       "Update again.")
                            .arg(name, QString(*c)));
            box->setFocus();
            return;
        }
    }
    const int row = m_host.ActiveRow();
    if (row < 1 || row > m_data.ClubList.HighestIndex()) {
        ShowMessage(QStringLiteral(
            "There is no club to store the values in. Add a club in the main window first."));
        return;
    }
    // The stored results always belong to the stored measurements.
    UpdateORV();
    m_host.StoreClub(row, m_data.CurrentClub, m_data.CurrentResults);
    accept();
}

void frmEdit::Command2_Click()
{
    if (m_dialogs.ShowMessage(this, QStringLiteral("Discard all the changes?"),
                              MessageButtons::YesNo)
        == MessageAnswer::Yes)
        reject();
}

void frmEdit::Command5_Click()
{
    LoadPreview();
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = kPictureFilter;
    request.initialFolder = PictureStartFolder();
    request.fileMustExist = true;
    const FileChoice choice = m_dialogs.ShowPreviewDialog(this, request, *this);
    if (choice.path.isEmpty())
        return;
    if (!IsAcceptedPicture(choice.path)) {
        ShowMessage(QStringLiteral("The picture's format is not support."));
        return;
    }
    // Saving would refuse the document later, far from the cause.
    if (!Utf8ToWindows1252(NativePath(choice.path))) {
        ShowMessage(QStringLiteral("The name of this picture cannot be stored in a club data file, "
                                   "which holds only Western European letters. Rename the file "
                                   "or choose another."));
        return;
    }
    txtPictureName->setText(QDir::toNativeSeparators(choice.path));
    m_pictureFolder = FolderOf(AbsolutePath(choice.path));
    RememberFolderOf(FolderPurpose::Pictures, choice.path);
    ShowPicture(txtPictureName->text());
}

QString frmEdit::PictureStartFolder() const
{
    const QString current = txtPictureName->text();
    if (FileExists(current))
        return FolderOf(AbsolutePath(current));
    if (!m_pictureFolder.isEmpty())
        return m_pictureFolder;
    return CurrentFolder() + QStringLiteral("/RaviDazov");
}

void frmEdit::Command6_Click()
{
    const QString stored = QString::fromStdString(m_loadedClub.PictureName);
    if (FileExists(stored))
        ShowPicture(stored);
}

void frmEdit::ShowPicture(const QString& path) { ShowPicture(*Image1, path); }

void frmEdit::ShowPicture(StretchedImage& image, const QString& path)
{
    try {
        image.SetPicture(LoadPicture(path));
    } catch (const PictureError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
}

void frmEdit::ShowMessage(const QString& text)
{
    m_dialogs.ShowMessage(this, text, MessageButtons::Ok);
}

frmPreview& frmEdit::LoadPreview()
{
    if (!m_preview)
        m_preview = std::make_unique<frmPreview>(nullptr);
    return *m_preview;
}

void frmEdit::RefreshPreview()
{
    const QString path = QString::fromStdString(m_data.CurrentClub.PictureName);
    if (path.isEmpty())
        return;
    frmPreview& preview = LoadPreview();
    try {
        if (FileExists(path)) {
            preview.Image1->SetPicture(LoadPicture(path));
            return;
        }
    } catch (const PictureError&) {
        // The preview is only a courtesy: an undecodable file shows nothing.
    }
    preview.Image1->Clear();
}

QWidget* frmEdit::PreviewFrame() { return LoadPreview().Frame1; }

void frmEdit::FileHighlighted(const QString& path)
{
    frmPreview& preview = LoadPreview();
    if (!IsPreviewedPicture(path) || !FileExists(path)) {
        preview.Image1->Clear();
        return;
    }
    ShowPicture(*preview.Image1, path);
}

void frmEdit::RestorePicture()
{
    const QString path = txtPictureName->text();
    if (path.isEmpty())
        return;
    try {
        Image1->SetPicture(LoadPicture(path));
    } catch (const PictureError&) {
        // Restoring is best effort: the picture stays as it is.
    }
}

void frmEdit::PreviewRelease() { m_preview.reset(); }

} // namespace orv::ui
