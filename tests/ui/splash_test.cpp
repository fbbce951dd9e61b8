#include "app/frm_splash.h"
#include "clubs/club_file.h"
#include "tests/support/test_files.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/platform/native_paths.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace orv::testing {
namespace {

// The splash of a program that has just started: the main window is not
// loaded yet.
class SplashTest : public ::testing::Test {
protected:
    SplashTest()
        : mainWindow(data, dialogs, desktop)
        , splash(mainWindow, desktop, nullptr)
    {
        mainWindow.SetProgramEnd([] {});
        splash.show();
    }

    [[nodiscard]] bool HandedOver() const
    {
        return !splash.isVisible() && mainWindow.isVisible() && mainWindow.blFormLoaded();
    }

    ProgramData data;
    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
    ui::frmMain mainWindow;
    ui::frmSplash splash;
};

TEST_F(SplashTest, ShowsTitleProductAndVersion)
{
    EXPECT_EQ(Control<QLabel>(splash, "lblProductName")->text(), "VOVE-ROZO ORV");
    EXPECT_EQ(Control<QLabel>(splash, "Label2")->text(), "Product ID:418266");
    EXPECT_EQ(Control<QLabel>(splash, "Label3")->text(), "Ver:2.0");
    EXPECT_TRUE(splash.windowTitle().isEmpty());
    EXPECT_EQ(Control<QLabel>(splash, "Picture2")->pixmap().size(), QSize(174, 140));
    EXPECT_EQ(Control<QLabel>(splash, "Picture1")->pixmap().size(), QSize(300, 88));
    EXPECT_EQ(Control<QTimer>(splash, "Timer1")->interval(), 100);
    EXPECT_TRUE(Control<QTimer>(splash, "Timer1")->isActive());
}

// A window manager fills an empty title bar with the program's name; the
// splash has no title bar for it to fill, only its frame.
TEST_F(SplashTest, HasAnEmptyCaptionAndNoTitleBar)
{
    EXPECT_TRUE(splash.windowTitle().isEmpty());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(splash.windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(splash.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(SplashTest, OpensInTheMiddleOfTheScreen)
{
    const QRect screen = splash.screen()->availableGeometry();
    EXPECT_LE((splash.frameGeometry().center() - screen.center()).manhattanLength(), 1);
    // Again once the window manager has told its frame.
    QTest::qWait(200);
    EXPECT_LE((splash.frameGeometry().center() - screen.center()).manhattanLength(), 1);
}

// A document given to the program opens once the splash has handed over,
// as File > Open would open it.
TEST_F(SplashTest, ADocumentGivenToTheProgramOpensAfterTheSplash)
{
    TemporaryFolder folder;
    ClubList list;
    list.AppendEmpty();
    ClubMeasurements club;
    club.ClubName = "Driver";
    list.Store(1, club, {});
    // Named in Latin-1, as a file from an old disk may be.
    const std::string bytes = (folder.path()
                               / "h\xE9"
                                 "ads.orv")
                                  .string();
    SaveDataFile(bytes, list);
    mainWindow.SetStartupDocument(ui::PathFromNative(bytes));
    QCoreApplication::processEvents();
    EXPECT_EQ(data.ClubList.HighestIndex(), 0); // not before the splash closes
    splash.Frame1_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return data.ClubList.HighestIndex() == 1; }, 2000));
    EXPECT_EQ(Caption(mainWindow), QStringLiteral("ORV Calculation - h\uFFFDads.orv"));
    EXPECT_EQ(Control<ui::SpreadGrid>(mainWindow, "fpSpread1")->CellText(1, 2), "Driver");
    EXPECT_EQ(ui::NativePath(mainWindow.CurrentFilePath()), bytes);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SplashTest, ABadDocumentGivenToTheProgramSaysWhyAndLeavesItEmpty)
{
    TemporaryFolder folder;
    const struct {
        std::string path;
        const char* message;
    } cases[] = {{(folder.path() / "missing.orv").string(), "File not found!"},
                 {(folder.path() / "notes.txt").string(), "The file type is not correct!"}};
    for (const auto& c : cases) {
        ProgramData programData;
        ScriptedDialogs scripted;
        RecordingDesktop recording;
        ui::frmMain window(programData, scripted, recording);
        ui::frmSplash first(window, recording, nullptr);
        window.SetProgramEnd([] {});
        window.SetStartupDocument(QString::fromStdString(c.path));
        first.show();
        first.Frame1_Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !scripted.messages.empty(); }, 2000)) << c.path;
        EXPECT_TRUE(scripted.Texts().front().startsWith(QLatin1String(c.message)))
            << scripted.Texts().front().toStdString();
        EXPECT_EQ(programData.ClubList.HighestIndex(), 0);
        EXPECT_EQ(Caption(window), "VOVE-ROZO ORV");
    }
}

TEST_F(SplashTest, ClosesAtTheFiftyFirstTickAndShowsTheMainWindow)
{
    for (int tick = 0; tick < 50; ++tick)
        splash.Timer1_Timer();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(mainWindow.blFormLoaded());
    splash.Timer1_Timer();
    EXPECT_TRUE(HandedOver());
}

struct KeyCase {
    Qt::Key key;
    const char* text;
    bool closes;
};

class SplashKeyTest : public SplashTest, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(SplashKeyTest, CharacterKeysCloseIt)
{
    QKeyEvent press(QEvent::KeyPress, GetParam().key, Qt::NoModifier,
                    QLatin1String(GetParam().text));
    QApplication::sendEvent(&splash, &press);
    EXPECT_EQ(HandedOver(), GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SplashKeyTest,
    ::testing::Values(KeyCase{Qt::Key_Return, "\r", true}, KeyCase{Qt::Key_Escape, "\x1b", true},
                      KeyCase{Qt::Key_A, "a", true}, KeyCase{Qt::Key_Backspace, "\b", true},
                      KeyCase{Qt::Key_Shift, "", false}, KeyCase{Qt::Key_Left, "", false}));

TEST_F(SplashTest, ClicksOnTheFrameOrTheWidePictureCloseIt)
{
    QTest::mouseClick(Control<QLabel>(splash, "Picture2"), Qt::LeftButton);
    QTest::mouseClick(Control<QLabel>(splash, "lblProductName"), Qt::LeftButton);
    QTest::mouseClick(Control<QLabel>(splash, "lblWarning"), Qt::LeftButton);
    EXPECT_TRUE(splash.isVisible());
    QTest::mouseClick(Control<QLabel>(splash, "Picture1"), Qt::LeftButton);
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, ClickOnTheFrameClosesIt)
{
    QTest::mouseClick(Control<QFrame>(splash, "Frame1"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, WebAddressOpensTheBrowserAndKeepsTheSplash)
{
    splash.Timer1_Timer();
    QTest::mouseClick(Control<QLabel>(splash, "Label1"), Qt::LeftButton);
    EXPECT_EQ(desktop.addresses, QStringList{ui::kMakerAddress});
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.Ticks(), 1);
    for (int tick = 0; tick < 50; ++tick)
        splash.Timer1_Timer();
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, AboutShowsTheSplashModallyWithoutASecondMainWindow)
{
    for (int tick = 0; tick <= 50; ++tick)
        splash.Timer1_Timer();
    ASSERT_TRUE(HandedOver());
    mainWindow.SetAboutWindow([this](QWidget* owner) {
        ui::frmSplash about(mainWindow, desktop, owner);
        about.exec();
    });

    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<ui::frmSplash*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        wasModal = true;
        EXPECT_EQ(about->Ticks(), 0);
        for (int tick = 0; tick <= 50; ++tick)
            about->Timer1_Timer();
    });
    mainWindow.mnuAbout_Click();
    EXPECT_TRUE(wasModal);

    int mainWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        mainWindows += widget->isVisible() && qobject_cast<ui::frmMain*>(widget) != nullptr;
    EXPECT_EQ(mainWindows, 1);
}

} // namespace
} // namespace orv::testing
