// Help, Content and F1 open the program's help window on the manual: its
// title, its contents, links that move within it, and a search.
#include "tests/support/test_files.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/platform/help_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <fstream>

#include <sys/stat.h>

namespace orv::testing {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest()
        : window(data, dialogs, desktop)
    {
        window.SetProgramEnd([] {});
        window.Load();
        window.show();
    }

    ui::HelpWindow& Help()
    {
        EXPECT_NE(desktop.Help(), nullptr);
        return *desktop.Help();
    }

    ProgramData data;
    ScriptedDialogs dialogs;
    ui::QtDesktopServices desktop{QStringLiteral(ORV_MANUAL_INDEX)};
    ui::frmMain window;
};

TEST(ManualIndex, StandsInShareBesideTheProgramsFolder)
{
    EXPECT_EQ(ui::ManualIndexFor(QStringLiteral("/usr/bin/Q418266.chm")),
              "/usr/share/orv/manual/index.html");
    EXPECT_EQ(ui::ManualIndexFor(QStringLiteral("/home/me/orv/build/app/Q418266.chm")),
              "/home/me/orv/build/share/orv/manual/index.html");
}

TEST_F(HelpWindowTest, ContentOpensTheManualWithItsContents)
{
    window.findChild<QAction*>(QStringLiteral("mnuContent"))->trigger();
    ui::HelpWindow& help = Help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), "VOVE-ROZO ORV manual");
    const auto* contents = Control<QListWidget>(help, "Contents");
    QStringList chapters;
    for (int row = 0; row < contents->count(); ++row)
        chapters << contents->item(row)->text().trimmed();
    for (const char* chapter :
         {"Getting started", "The main window", "The measurement editor", "What ORV computes",
          "Bad readings", "The club data file", "orv-calc", "Where ORV is more careful"})
        EXPECT_TRUE(chapters.contains(QLatin1String(chapter)))
            << chapter << " in " << chapters.join(QStringLiteral(", ")).toStdString();
    // A second request shows the same window again.
    window.mnuContent_Click();
    EXPECT_EQ(desktop.Help(), &help);
}

TEST_F(HelpWindowTest, F1OpensTheManual)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(desktop.Help(), nullptr);
    EXPECT_EQ(desktop.Help()->windowTitle(), "VOVE-ROZO ORV manual");
}

TEST_F(HelpWindowTest, ALinkAndAChapterMoveToTheirPlace)
{
    window.mnuContent_Click();
    auto* page = Control<QTextBrowser>(Help(), "Page");
    (void)QTest::qWaitForWindowExposed(&Help());
    EXPECT_EQ(page->verticalScrollBar()->value(), 0);

    // The link "orv-calc" in the contents line at the top of the manual.
    QTextCursor link = page->document()->find(QStringLiteral("orv-calc"));
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    link.setPosition(link.selectionStart() + 2);
    const QPoint onLink = page->cursorRect(link).center();
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, onLink);
    EXPECT_EQ(page->source().fragment(), "orv-calc");
    EXPECT_GT(page->verticalScrollBar()->value(), 0);

    auto* contents = Control<QListWidget>(Help(), "Contents");
    const QList<QListWidgetItem*> start = contents->findItems(QStringLiteral("Getting started"),
                                                              Qt::MatchExactly);
    ASSERT_EQ(start.size(), 1);
    Q_EMIT contents->itemClicked(start.front());
    const int atStart = page->verticalScrollBar()->value();
    EXPECT_LT(atStart, page->verticalScrollBar()->maximum());
}

TEST_F(HelpWindowTest, SearchFindsTheTextAndStartsAgainAtTheEnd)
{
    window.mnuContent_Click();
    auto* search = Control<QLineEdit>(Help(), "Search");
    auto* page = Control<QTextBrowser>(Help(), "Page");
    search->setText(QStringLiteral("150 mm"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(page->textCursor().selectedText(), "150 mm");
    const int first = page->textCursor().position();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(page->textCursor().selectedText(), "150 mm");
    EXPECT_GT(first, 0);
}

TEST(HelpWindow, AnEmptyManualIsSaidInTheWindow)
{
    TemporaryFolder folder;
    const auto index = folder.path() / "index.html";
    std::ofstream(index) << "\n  \n";
    ui::HelpWindow help(nullptr);
    help.ShowManual(QString::fromStdString(index.string()));
    EXPECT_EQ(Control<QTextBrowser>(help, "Page")->toPlainText(),
              QString::fromStdString("The manual in " + index.string()
                                     + " is empty. Install ORV again to get it back."));
}

// A picture of the manual that is a FIFO is not read: reading it would wait
// for a writer that never comes.
TEST(HelpWindow, PicturesComeOnlyFromRegularFiles)
{
    TemporaryFolder folder;
    const auto index = folder.path() / "index.html";
    std::ofstream(index)
        << "<html><body><p>Before</p><img src=\"head.png\"><p>After</p></body></html>";
    ASSERT_EQ(::mkfifo((folder.path() / "head.png").c_str(), 0644), 0);
    ui::HelpWindow help(nullptr);
    help.ShowManual(QString::fromStdString(index.string()));
    EXPECT_TRUE(Control<QTextBrowser>(help, "Page")->toPlainText().contains("After"));
}

TEST(HelpWindow, AMissingManualIsSaidInTheWindow)
{
    ui::HelpWindow help(nullptr);
    help.ShowManual(QStringLiteral("/nowhere/index.html"));
    EXPECT_TRUE(Control<QTextBrowser>(help, "Page")->toPlainText().contains("/nowhere/index.html"));
}

} // namespace
} // namespace orv::testing
