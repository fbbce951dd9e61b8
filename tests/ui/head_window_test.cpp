// The head window: its drawing's geometry checked against the ellipsoid
// itself (not pixels), the window following the list, and the instrument's
// uncertainties kept in the settings.
#include "tests/inertia/rotated_box.h"
#include "tests/inertia/worked_example.h"
#include "tests/support/test_files.h"
#include "tests/ui/editor_fixture.h"
#include "ui/head/frm_head.h"
#include "ui/head/head_view.h"
#include "ui/head/instrument_uncertainties.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace orv::testing {
namespace {

// An ellipsoid turned by arbitrary angles, semi-axes 30, 20 and 10 mm.
ui::Ellipsoid Turned(double yaw, double pitch, double roll)
{
    const Matrix r = Rotation(yaw, pitch, roll);
    ui::Ellipsoid e;
    e.semiAxes = {30, 20, 10};
    for (int i = 0; i < 3; ++i)
        e.axes[i] = {r[0][i], r[1][i], r[2][i]};
    return e;
}

struct ViewCase {
    const char* name;
    ui::ViewTurn (*view)();
};

class HeadOutlineTest : public ::testing::TestWithParam<ViewCase> { };

// Points all over the ellipsoid's surface, projected as the view projects
// them: the farthest along each screen direction is where the drawn outline
// stands, within a pixel.
TEST_P(HeadOutlineTest, MatchesTheProjectedEllipsoidWithinAPixel)
{
    const ui::ViewTurn view = GetParam().view();
    ui::HeadView drawing;
    drawing.resize(400, 400);
    for (const ui::Ellipsoid& ellipsoid :
         {Turned(0, 0, 0), Turned(30, 20, 10), Turned(-70, 45, 120)}) {
        drawing.SetHead(ui::HeadDrawing{ellipsoid, {3, 2, 1}, {0, 0, 1}, QStringLiteral("test")});
        const QPointF centre = drawing.ToScreen({0, 0, 0});
        const ui::Ellipse2 outline = ui::Outline(ellipsoid, view);
        drawing.SetView(view);
        const double scale = drawing.PixelsPerMillimetre();
        for (int k = 0; k < 36; ++k) {
            const double angle = 2 * std::numbers::pi * k / 36;
            const double wx = std::cos(angle), wy = std::sin(angle);
            // The surface, every 2 degrees: far closer than a pixel.
            double farthest = 0;
            for (int i = 0; i <= 90; ++i) {
                for (int j = 0; j < 180; ++j) {
                    const double theta = std::numbers::pi * i / 90;
                    const double phi = 2 * std::numbers::pi * j / 180;
                    const double u[3] = {std::sin(theta) * std::cos(phi),
                                         std::sin(theta) * std::sin(phi), std::cos(theta)};
                    Vector3 point{};
                    for (int a = 0; a < 3; ++a)
                        for (int c = 0; c < 3; ++c)
                            point[c] += ellipsoid.axes[a][c] * ellipsoid.semiAxes[a] * u[a];
                    const QPointF p = drawing.ToScreen(point) - centre;
                    farthest = std::max(farthest, p.x() * wx - p.y() * wy);
                }
            }
            // The drawn outline's farthest point along the same direction.
            double drawn = 0;
            for (int t = 0; t < 3600; ++t) {
                const auto q = outline.At(2 * std::numbers::pi * t / 3600);
                drawn = std::max(drawn, (q[0] * wx + q[1] * wy) * scale);
            }
            EXPECT_NEAR(drawn, farthest, 1.0) << GetParam().name << " direction " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Views, HeadOutlineTest,
                         ::testing::Values(ViewCase{"AlongX", &ui::ViewTurn::AlongX},
                                           ViewCase{"AlongY", &ui::ViewTurn::AlongY},
                                           ViewCase{"AlongZ", &ui::ViewTurn::AlongZ}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(HeadOutline, TheThreeViewsLookAlongTheirAxes)
{
    // An axis-aligned ellipsoid: along x the view shows y and z, and so on.
    const ui::Ellipsoid e = Turned(0, 0, 0);
    const struct {
        ui::ViewTurn view;
        double major, minor;
    } cases[] = {{ui::ViewTurn::AlongX(), 20, 10},
                 {ui::ViewTurn::AlongY(), 30, 10},
                 {ui::ViewTurn::AlongZ(), 30, 20}};
    for (const auto& c : cases) {
        const ui::Ellipse2 outline = ui::Outline(e, c.view);
        EXPECT_NEAR(outline.semiMajor, c.major, 1e-9);
        EXPECT_NEAR(outline.semiMinor, c.minor, 1e-9);
    }
}

TEST(HeadView, AComparedHeadIsDrawnAtTheSameScale)
{
    ui::HeadView drawing;
    drawing.resize(400, 300);
    drawing.SetView(ui::ViewTurn::AlongZ()); // x lies in the screen
    const ui::Ellipsoid small = Turned(10, 20, 30);
    drawing.SetHead(ui::HeadDrawing{small, {3, 2, 1}, {0, 0, 1}, QStringLiteral("a")});
    const double alone = drawing.PixelsPerMillimetre();
    ui::Ellipsoid large = small;
    large.semiAxes = {60, 40, 20};
    drawing.SetCompared(ui::HeadDrawing{large, {6, 4, 2}, {0, 0, 1}, QStringLiteral("b")});
    // One scale for both: the larger one now sets it, and a millimetre of
    // either is the same number of pixels.
    EXPECT_NEAR(drawing.PixelsPerMillimetre(), alone / 2, 1e-9);
    const QPointF origin = drawing.ToScreen({0, 0, 0});
    const QPointF tenAlongX = drawing.ToScreen({10, 0, 0});
    EXPECT_NEAR(std::hypot(tenAlongX.x() - origin.x(), tenAlongX.y() - origin.y()),
                10 * drawing.PixelsPerMillimetre(), 1e-9);
}

class HeadWindowTest : public EditorTest {
protected:
    HeadWindowTest()
    {
        AddClubs({"Driver", "Iron", "Putter"});
        for (int row = 1; row <= 3; ++row) {
            ClubMeasurements club = WorkedExample(200, 60);
            club.ClubName = std::string(row == 1 ? "Driver" : row == 2 ? "Iron" : "Putter");
            club.Mass = 190.0f + 50.0f * static_cast<float>(row);
            data.ClubList.Store(row, club, {});
        }
        window->FlushData();
        window->show();
        window->mnuHeadWindow_Click();
    }

    ui::frmHead& Head() { return *window->HeadWindow(); }

    [[nodiscard]] std::string ShownName() { return Head().Shown()->club.ClubName; }

    void ClickRow(int row)
    {
        auto& grid = *Control<ui::SpreadGrid>(*window, "fpSpread1");
        const QModelIndex index = grid.model()->index(row - 1, 1);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    }
};

TEST_F(HeadWindowTest, FollowsTheActiveRowUpdateAndDelete)
{
    ASSERT_NE(window->HeadWindow(), nullptr);
    EXPECT_TRUE(Head().isVisible());
    EXPECT_EQ(ShownName(), "Driver");
    ClickRow(2);
    EXPECT_EQ(ShownName(), "Iron");

    // Calculate in the editor shows its values, not yet stored; Update
    // stores them and the window shows the stored head.
    ui::frmEdit& e = Open();
    Type(Control<QLineEdit>(e, "txtClubName"), "Iron, reshafted");
    Type(Control<QLineEdit>(e, "txtMass"), "251");
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_EQ(Head().Shown()->club.Mass, 251.0f);
    EXPECT_TRUE(
        Control<QTextBrowser>(Head(), "txtNumbers")->toPlainText().contains("NOT YET STORED"));
    Control<QPushButton>(e, "Command4")->click();
    EXPECT_EQ(ShownName(), "Iron, reshafted");
    EXPECT_FALSE(
        Control<QTextBrowser>(Head(), "txtNumbers")->toPlainText().contains("NOT YET STORED"));

    // Deleting the shown head shows the one that takes its row.
    Click("Command3");
    EXPECT_EQ(ShownName(), "Putter");
    // The compare chooser lists the heads left.
    EXPECT_EQ(Control<QComboBox>(Head(), "cboCompare")->count(), 3); // (none) and two heads
}

TEST_F(HeadWindowTest, CopiesItsNumbersAndSavesItsPicture)
{
    Control<QPushButton>(Head(), "cmdCopy")->click();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("Pxy")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("Driver rules")) << copied.toStdString();

    TemporaryFolder folder;
    const QString png = QString::fromStdString((folder.path() / "head.png").string());
    const QString svg = QString::fromStdString((folder.path() / "head.svg").string());
    dialogs.choices.push_back({png, QStringLiteral("head.png")});
    dialogs.choices.push_back({svg, QStringLiteral("head.svg")});
    Control<QPushButton>(Head(), "cmdSavePicture")->click();
    Control<QPushButton>(Head(), "cmdSavePicture")->click();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().join(u'|').toStdString();
    const QImage picture(png);
    EXPECT_EQ(picture.size(), Control<ui::HeadView>(Head(), "HeadView")->size() * 2);
    EXPECT_TRUE(ReadWholeFile(folder.path() / "head.svg").find("<svg") != std::string::npos);
}

TEST_F(HeadWindowTest, F1OpensTheManualAtItsSection)
{
    QTest::keyClick(&Head(), Qt::Key_F1);
    ASSERT_EQ(desktop.helpSections.size(), 1);
    EXPECT_EQ(desktop.helpSections.front(), "head-window");
    // And in a dialog: the instrument's uncertainties.
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(Control<QDoubleSpinBox>(*dialog, "txtUMass"), Qt::Key_F1);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    window->mnuUncertainties_Click();
    ASSERT_EQ(desktop.helpSections.size(), 2);
    EXPECT_EQ(desktop.helpSections.back(), "head-window");
}

// The instrument's uncertainties live in the settings, not in a document:
// the dialog writes them, a later run reads them, and the window shows
// "±" beside its numbers.
TEST_F(HeadWindowTest, InstrumentUncertaintiesAreKeptInTheSettings)
{
    EXPECT_FALSE(AnyKnown(ui::LoadInstrumentUncertainties()));
    EXPECT_FALSE(Control<QTextBrowser>(Head(), "txtNumbers")->toPlainText().contains(u'\u00B1'));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ui::frmUncertainties*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Control<QDoubleSpinBox>(*dialog, "txtUMass")->setValue(0.1);
        Control<QDoubleSpinBox>(*dialog, "txtUReading")->setValue(0.5);
        Control<QCheckBox>(*dialog, "chkPercent")->setChecked(true);
        Control<QDoubleSpinBox>(*dialog, "txtULie")->setValue(0.2);
        dialog->accept();
    });
    window->mnuUncertainties_Click();
    const InputUncertainties kept = ui::LoadInstrumentUncertainties();
    EXPECT_EQ(kept.mass, 0.1);
    EXPECT_EQ(kept.reading, 0.5);
    EXPECT_TRUE(kept.readingInPercent);
    EXPECT_EQ(kept.lieAngle, 0.2);
    EXPECT_EQ(kept.volume, 0.0);
    EXPECT_TRUE(Control<QTextBrowser>(Head(), "txtNumbers")->toPlainText().contains(u'\u00B1'));

    // The editor's report boxes tell them in their tips after Calculate.
    ui::frmEdit& e = Open();
    EXPECT_TRUE(Control<QPlainTextEdit>(e, "Text1")->toolTip().isEmpty());
    Control<QPushButton>(e, "Command1")->click();
    const InputUncertainties u = ui::LoadInstrumentUncertainties();
    const ResultUncertainties expected = UncertaintiesOf(data.CurrentClub, u);
    EXPECT_TRUE(Control<QPlainTextEdit>(e, "Text1")
                    ->toolTip()
                    .contains(QStringLiteral("X \u00B1 ") + QString::number(expected[0], 'g', 3)))
        << Control<QPlainTextEdit>(e, "Text1")->toolTip().toStdString();
    EXPECT_TRUE(
        Control<QPlainTextEdit>(e, "Text4")
            ->toolTip()
            .contains(QStringLiteral("Izc' \u00B1 ") + QString::number(expected[12], 'g', 3)));
}

// Head, Report opens the print preview on the report of every head, Report
// of This Head on the active one: the summary page and a page per head.
TEST_F(HeadWindowTest, ReportPreviewsEveryHeadOrTheActiveOne)
{
    const struct {
        void (ui::frmMain::*command)();
        int pages;
    } cases[] = {{&ui::frmMain::mnuReport_Click, 4}, {&ui::frmMain::mnuReportHead_Click, 2}};
    for (const auto& c : cases) {
        int pages = -1;
        auto* poll = new QTimer(window.get());
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [&pages, poll] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (preview == nullptr)
                return;
            poll->stop();
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            if (widget != nullptr) {
                widget->updatePreview();
                pages = widget->pageCount();
            }
            preview->reject();
        });
        poll->start();
        (window.get()->*c.command)();
        poll->deleteLater();
        EXPECT_EQ(pages, c.pages);
    }
}

} // namespace
} // namespace orv::testing
