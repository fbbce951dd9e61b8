#include "ui/head/frm_head.h"

#include "ui/head/club_names_model.h"
#include "ui/head/head_view.h"
#include "ui/platform/app_info.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/user_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orv::ui {
namespace {

const QString kGeometryKey = QStringLiteral("head/geometry");
const QString kPictureFilter = QStringLiteral(
    "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg");

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmHead::frmHead(const ClubList& clubs, Dialogs& dialogs, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_clubs(clubs)
    , m_dialogs(dialogs)
    , m_desktop(desktop)
    , HeadView1(new HeadView(this))
    , m_names(new ClubNamesModel(clubs, this))
    , cboCompare(new QComboBox(this))
    , txtNumbers(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHead"));
    setWindowTitle(QStringLiteral("Head - ") + kApplicationTitle);
    cboCompare->setObjectName(QStringLiteral("cboCompare"));
    cboCompare->setModel(m_names);
    // Sized by a typical name, not by measuring 32767 of them.
    cboCompare->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboCompare->setMinimumContentsLength(28);
    txtNumbers->setObjectName(QStringLiteral("txtNumbers"));
    txtNumbers->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtNumbers->setOpenLinks(false);

    auto* views = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        ViewTurn (*turn)();
    } kViews[] = {{"cmdViewX", "Along &x", &ViewTurn::AlongX},
                  {"cmdViewY", "Along &y", &ViewTurn::AlongY},
                  {"cmdViewZ", "Along &z", &ViewTurn::AlongZ},
                  {"cmdOblique", "&Oblique", &ViewTurn::Oblique}};
    for (const auto& view : kViews) {
        QPushButton* button = Button(this, view.name, QString::fromLatin1(view.caption));
        connect(button, &QPushButton::clicked, this,
                [this, turn = view.turn] { HeadView1->SetView(turn()); });
        views->addWidget(button);
    }
    auto* compareRow = new QHBoxLayout;
    auto* compareLabel = new QLabel(QStringLiteral("Co&mpare with:"), this);
    compareLabel->setBuddy(cboCompare);
    compareRow->addWidget(compareLabel);
    compareRow->addWidget(cboCompare, 1);
    QPushButton* save = Button(this, "cmdSavePicture", QStringLiteral("Save &Picture..."));
    compareRow->addWidget(save);
    connect(save, &QPushButton::clicked, this, &frmHead::cmdSavePicture_Click);
    connect(cboCompare, &QComboBox::currentIndexChanged, this, &frmHead::Compare);

    auto* drawingSide = new QWidget(this);
    auto* drawingLayout = new QVBoxLayout(drawingSide);
    drawingLayout->setContentsMargins(0, 0, 0, 0);
    drawingLayout->addWidget(HeadView1, 1);
    drawingLayout->addLayout(views);
    drawingLayout->addLayout(compareRow);

    auto* numbersSide = new QWidget(this);
    auto* numbersLayout = new QVBoxLayout(numbersSide);
    numbersLayout->setContentsMargins(0, 0, 0, 0);
    numbersLayout->addWidget(txtNumbers, 1);
    QPushButton* copy = Button(this, "cmdCopy", QStringLiteral("&Copy"));
    connect(copy, &QPushButton::clicked, this, &frmHead::cmdCopy_Click);
    numbersLayout->addWidget(copy, 0, Qt::AlignRight);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(drawingSide);
    splitter->addWidget(numbersSide);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({440, 620});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(1060, 620);
}

void frmHead::ShowRow(int row)
{
    m_row = row;
    if (row < 1 || row > m_clubs.HighestIndex()) {
        m_numbers.reset();
        HeadView1->SetHead(std::nullopt);
        txtNumbers->setPlainText(QStringLiteral("No head at this row."));
        return;
    }
    Show(m_clubs.At(row).Measurements, false);
}

void frmHead::ShowPending(const ClubMeasurements& club) { Show(club, true); }

void frmHead::Show(const ClubMeasurements& club, bool pending)
{
    m_numbers = ComputeHeadNumbers(club, m_uncertainties);
    HeadView1->SetHead(DrawingOf(*m_numbers, pending));
    QString text = NumbersAligned(*m_numbers);
    if (pending)
        text.prepend(QStringLiteral("CALCULATED IN THE EDITOR, NOT YET STORED.\n\n"));
    txtNumbers->setPlainText(text);
}

void frmHead::ListChanged(int activeRow)
{
    FillCompareChooser();
    ShowRow(activeRow);
}

void frmHead::SetUncertainties(const InputUncertainties& uncertainties)
{
    m_uncertainties = uncertainties;
    if (m_numbers)
        Show(m_numbers->club, false);
}

void frmHead::FillCompareChooser()
{
    const int chosen = cboCompare->currentIndex();
    const QSignalBlocker quiet(cboCompare);
    m_names->Refresh();
    cboCompare->setCurrentIndex(chosen > 0 && chosen < cboCompare->count() ? chosen : 0);
    Compare(cboCompare->currentIndex());
}

void frmHead::Compare(int index)
{
    if (index < 1 || index > m_clubs.HighestIndex()) {
        HeadView1->SetCompared(std::nullopt);
        return;
    }
    const HeadNumbers other = ComputeHeadNumbers(m_clubs.At(index).Measurements, {});
    HeadView1->SetCompared(DrawingOf(other, false));
}

void frmHead::cmdCopy_Click()
{
    if (m_numbers)
        QApplication::clipboard()->setText(NumbersText(*m_numbers));
}

void frmHead::cmdSavePicture_Click()
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.filter = kPictureFilter;
    request.defaultExtension = QStringLiteral("png");
    const FileChoice choice = m_dialogs.ShowFileDialog(this, request);
    if (choice.path.isEmpty())
        return;
    // Written whole or not at all.
    QSaveFile file(choice.path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && choice.path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(HeadView1->size());
        svg.setViewBox(QRect(QPoint(), HeadView1->size()));
        svg.setTitle(windowTitle());
        QPainter painter(&svg);
        HeadView1->Paint(painter, HeadView1->size());
    } else if (written) {
        const qreal ratio = 2;
        QImage image(HeadView1->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        HeadView1->Paint(painter, HeadView1->size());
        painter.end();
        written = image.save(&file, "PNG");
    }
    if (!written || !file.commit())
        m_dialogs.ShowMessage(this,
                              QStringLiteral("The picture could not be saved as %1: %2")
                                  .arg(DisplayPath(choice.path), file.errorString()),
                              MessageButtons::Ok);
}

void frmHead::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_desktop.OpenHelp(this, HelpFilePath(ProgramFolder()), QStringLiteral("head-window"));
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmHead::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        if (!restoreGeometry(UserSettings().value(kGeometryKey).toByteArray()))
            PlaceBesideOwner();
    }
    QWidget::showEvent(event);
}

void frmHead::PlaceBesideOwner()
{
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
    if (owner == nullptr || screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect main = owner->frameGeometry();
    // To the right of the main window where it fits, else against the
    // screen's right edge, never off the screen.
    const int width = std::min(this->width(), room.width());
    const int height = std::min(this->height(), room.height());
    int left = main.right() + 8;
    if (left + width > room.right())
        left = room.right() - width;
    const int top = std::clamp(main.top(), room.top(), room.bottom() - height);
    setGeometry(std::max(left, room.left()), top, width, height);
}

void frmHead::closeEvent(QCloseEvent* event)
{
    UserSettings().setValue(kGeometryKey, saveGeometry());
    QWidget::closeEvent(event);
}

} // namespace orv::ui
