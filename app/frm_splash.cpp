#include "app/frm_splash.h"

#include "ui/artwork/artwork.h"
#include "ui/platform/app_info.h"
#include "ui/platform/fonts.h"
#include "ui/platform/twips.h"
#include "ui/platform/window_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orv::ui {
namespace {

constexpr int kLastTick = 50;

} // namespace

frmSplash::frmSplash(frmMain& mainWindow, DesktopServices& desktop, QWidget* parent)
    : QDialog(parent)
    , m_main(mainWindow)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmSplash"));
    // An empty caption and no title bar, only the frame: a desktop would
    // otherwise fill an empty title bar with the program's name.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setWindowTitle(QString());
    setWindowIcon(ApplicationIcon());
    setFixedSize(TwipsSize(7380, 4755, *this));
    setBackgroundRole(QPalette::Window);
    BuildControls();
    Form_Load();
}

void frmSplash::BuildControls()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setGeometry(TwipsRect(120, 135, 7080, 4410, *this));
    Frame1->installEventFilter(this);

    const auto label = [this](const char* name, const QString& text, int left, int top,
                              const QFont& font) {
        auto* l = new QLabel(text, Frame1);
        l->setObjectName(QLatin1String(name));
        l->setFont(font);
        l->setAttribute(Qt::WA_NoMousePropagation);
        l->move(TwipsToPixelsX(left, *this), TwipsToPixelsY(top, *this));
        l->adjustSize();
        l->installEventFilter(this);
        return l;
    };
    const auto picture = [this](const char* name, const QImage& image, int left, int top) {
        auto* p = new QLabel(Frame1);
        p->setObjectName(QLatin1String(name));
        p->setPixmap(QPixmap::fromImage(image));
        p->setAttribute(Qt::WA_NoMousePropagation);
        p->move(TwipsToPixelsX(left, *this), TwipsToPixelsY(top, *this));
        p->adjustSize();
        p->installEventFilter(this);
        return p;
    };

    lblProductName = label("lblProductName", QString(), 360, 840, ArialFont(21.75, true));
    Label2 = label("Label2", QStringLiteral("Product ID:418266"), 1200, 1440,
                   ArialFont(8.25, false));
    Label3 = label("Label3", QString(), 1560, 1680, ArialFont(8.25, false));
    Picture2 = picture("Picture2", SplashEmblem(), 4005, 360);
    Picture1 = picture("Picture1", SplashBanner(), 1260, 2340);
    Label1 = label("Label1", kMakerAddress, 2055, 3750, ArialFont(9.75, true));
    QPalette link = Label1->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(link);
    lblWarning = label("lblWarning",
                       QStringLiteral("Measure twice, calculate once: check every reading."), 2055,
                       3990, ArialFont(8.25, false));

    const QCursor cursor = SplashCursor();
    for (QWidget* widget : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Picture1),
                            static_cast<QWidget*>(Picture2), static_cast<QWidget*>(Label1)})
        widget->setCursor(cursor);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load()
{
    lblProductName->setText(kApplicationTitle);
    lblProductName->adjustSize();
    Label3->setText(QStringLiteral("Ver:%1.%2").arg(kVersionMajor).arg(kVersionMinor));
    Label3->adjustSize();
    m_ticks = 0;
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    if (m_ticks < kLastTick)
        ++m_ticks;
    else
        close();
}

void frmSplash::Form_KeyPress(int) { close(); }

void frmSplash::Frame1_Click() { close(); }

void frmSplash::Picture1_Click() { close(); }

void frmSplash::Label1_Click() { m_desktop.OpenWebAddress(kMakerAddress); }

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    Form_KeyPress(text.front().unicode());
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmSplash::Form_Unload()
{
    Timer1->stop();
    if (!m_main.blFormLoaded())
        m_main.show();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton
            && widget->rect().contains(mouse->position().toPoint())) {
            if (watched == Frame1)
                Frame1_Click();
            else if (watched == Picture1)
                Picture1_Click();
            else if (watched == Label1)
                Label1_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orv::ui
