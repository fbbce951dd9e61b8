// The real dialogs, driven as a user would drive them: a timer acts on the
// modal window once it is up, so no test waits on a person.
#include "tests/support/test_files.h"
#include "ui/platform/app_info.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <fstream>
#include <functional>

#include <sys/stat.h>

namespace orv::testing {
namespace {

// Runs `act` on the modal window as soon as one is up. The window must be
// closed by `act`; the test's time limit catches one that stays open.
void WhenModal(std::function<void(QWidget&)> act)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        act(*modal);
    });
    poll->start();
}

struct MessageCase {
    ui::MessageButtons buttons;
    QMessageBox::StandardButtons offered;
    QMessageBox::StandardButton clicked;
    ui::MessageAnswer answer;
};

class QtMessageBoxTest : public ::testing::TestWithParam<MessageCase> { };

TEST_P(QtMessageBoxTest, ShowsTitleTextAndButtonsWithoutIconAndAnswersTheClick)
{
    const MessageCase& c = GetParam();
    bool seen = false;
    WhenModal([&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), ui::kApplicationTitle);
        EXPECT_EQ(box->text(), "Save the changes?");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), c.offered);
        // Wide enough for a window manager to show the whole title.
        EXPECT_GE(box->width(), 2 * box->fontMetrics().horizontalAdvance(box->windowTitle()));
        box->button(c.clicked)->click();
    });
    ui::QtDialogs dialogs;
    EXPECT_EQ(dialogs.ShowMessage(nullptr, QStringLiteral("Save the changes?"), c.buttons),
              c.answer);
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, QtMessageBoxTest,
    ::testing::Values(MessageCase{ui::MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Ok,
                                  ui::MessageAnswer::Ok},
                      MessageCase{ui::MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Yes, ui::MessageAnswer::Yes},
                      MessageCase{ui::MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No, ui::MessageAnswer::No},
                      MessageCase{ui::MessageButtons::YesNoCancel,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Cancel, ui::MessageAnswer::Cancel},
                      MessageCase{ui::MessageButtons::YesNoCancel,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::No, ui::MessageAnswer::No}));

TEST(QtMessageBox, ClosedFromItsTitleBarAnOkBoxAnswersOk)
{
    WhenModal([](QWidget& modal) { modal.close(); });
    ui::QtDialogs dialogs;
    EXPECT_EQ(dialogs.ShowMessage(nullptr, QStringLiteral("Done."), ui::MessageButtons::Ok),
              ui::MessageAnswer::Ok);
}

// A preview client that logs its notifications, and where its frame was
// at each.
class RecordingPreview : public ui::PreviewClient {
public:
    QWidget* PreviewFrame() override { return frame; }
    void FileHighlighted(const QString& path) override
    {
        log << QStringLiteral("highlighted ") + QFileInfo(path).fileName();
    }
    void RestorePicture() override { log << QStringLiteral("restore") + FramePlace(); }
    void PreviewRelease() override { log << QStringLiteral("release") + FramePlace(); }

    [[nodiscard]] QString FramePlace() const
    {
        return frame->parentWidget() == &holder ? QStringLiteral(" (frame home)")
                                                : QStringLiteral(" (frame away)");
    }

    QWidget holder;
    QGroupBox* frame = new QGroupBox(QStringLiteral("Preview"), &holder);
    QStringList log;
};

class QtPreviewDialogTest : public ::testing::TestWithParam<bool> {
protected:
    QtPreviewDialogTest()
    {
        picture = QString::fromStdString((folder.path() / "head.bmp").string());
        QImage(4, 4, QImage::Format_RGB32).save(picture, "BMP");
        request.filter = QStringLiteral("*.bmp|*.bmp");
        request.initialFolder = QString::fromStdString(folder.path().string());
    }

    TemporaryFolder folder;
    QString picture;
    ui::FileDialogRequest request;
    RecordingPreview preview;
};

// The widget of the open file dialog with this object name.
template <typename T> T* Part(QWidget& dialog, const char* name)
{
    auto* part = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
}

// The row of the dialog's list that shows `name`, or -1.
int RowShowing(QWidget& dialog, const QString& name)
{
    QAbstractItemModel* model = Part<QTreeView>(dialog, "fileList")->model();
    const QModelIndexList match = model->match(model->index(0, 0), Qt::DisplayRole, name, 1,
                                               Qt::MatchExactly);
    return match.isEmpty() ? -1 : match.front().row();
}

// Highlights the entry `name` in the dialog's list, as a click would.
void Highlight(QWidget& dialog, const QString& name)
{
    auto* list = Part<QTreeView>(dialog, "fileList");
    const int row = RowShowing(dialog, name);
    ASSERT_GE(row, 0) << name.toStdString();
    list->setCurrentIndex(list->model()->index(row, 0));
}

TEST_P(QtPreviewDialogTest, HostsTheFrameAndNotifiesInOrder)
{
    const bool accept = GetParam();
    bool frameShown = false;
    WhenModal([&](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), ui::kApplicationTitle);
        frameShown = preview.frame->window() == &modal && preview.frame->isVisible();
        Highlight(modal, QStringLiteral("head.bmp"));
        QTest::mouseClick(Part<QPushButton>(modal, accept ? "acceptButton" : "rejectButton"),
                          Qt::LeftButton);
    });
    ui::QtDialogs dialogs;
    const ui::FileChoice choice = dialogs.ShowPreviewDialog(nullptr, request, preview);
    EXPECT_TRUE(frameShown);
    QStringList expected = {QStringLiteral("highlighted head.bmp")};
    if (!accept)
        expected << QStringLiteral("restore (frame home)");
    expected << QStringLiteral("release (frame home)");
    EXPECT_EQ(preview.log, expected) << preview.log.join(QStringLiteral(", ")).toStdString();
    EXPECT_FALSE(preview.frame->isVisible());
    EXPECT_EQ(choice.path, accept ? picture : QString());
    EXPECT_EQ(choice.title, accept ? QStringLiteral("head.bmp") : QString());
}

INSTANTIATE_TEST_SUITE_P(AcceptedOrCancelled, QtPreviewDialogTest, ::testing::Bool());

class QtFileDialogTest : public ::testing::Test {
protected:
    QtFileDialogTest()
    {
        ::mkdir((folder.path() / "old").c_str(), 0755);
        for (const char* name : {"a.orv", "B.ORV", "notes.txt",
                                 "h\xE9"
                                 "ads.orv",
                                 "old/x.orv"})
            std::ofstream(folder.path() / name).put('\0');
        request.filter = QStringLiteral("ORV Calculation(*.orv)|*.orv");
        request.initialFolder = ui::PathFromNative(folder.path().string());
    }

    // Shows the dialog, lets `act` drive it and returns what it gave back.
    ui::FileChoice Run(std::function<void(QWidget&)> act)
    {
        WhenModal(std::move(act));
        ui::QtDialogs dialogs;
        return dialogs.ShowFileDialog(nullptr, request);
    }

    static void Type(QWidget& dialog, const QString& text)
    {
        auto* name = Part<QLineEdit>(dialog, "fileNameEdit");
        name->setFocus();
        name->clear();
        QTest::keyClicks(name, text);
        QTest::keyClick(name, Qt::Key_Return);
    }

    TemporaryFolder folder;
    ui::FileDialogRequest request;
};

const QString kLatin1Shown = QStringLiteral("h") + QChar(0xFFFD) + QStringLiteral("ads.orv");

TEST_F(QtFileDialogTest, OpensAFileWhoseNameIsNoUtf8)
{
    const ui::FileChoice choice = Run([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), ui::kApplicationTitle);
        EXPECT_GE(dialog.width(), 780);
        EXPECT_EQ(Part<QPushButton>(dialog, "acceptButton")->text(), "&Open");
        auto* list = Part<QTreeView>(dialog, "fileList");
        EXPECT_EQ(list->header()->sectionResizeMode(1), QHeaderView::ResizeToContents);
        EXPECT_EQ(list->model()->rowCount(), 4); // old, a.orv, B.ORV and the Latin-1 name
        Highlight(dialog, kLatin1Shown);
        EXPECT_EQ(Part<QLineEdit>(dialog, "fileNameEdit")->text(), kLatin1Shown);
        QTest::mouseClick(Part<QPushButton>(dialog, "acceptButton"), Qt::LeftButton);
    });
    EXPECT_EQ(ui::NativePath(choice.path), (folder.path()
                                            / "h\xE9"
                                              "ads.orv")
                                               .string());
    EXPECT_EQ(choice.title, kLatin1Shown);
}

TEST_F(QtFileDialogTest, EntersAFolderByEnterOrADoubleClickInTheListOrByItsTypedName)
{
    enum class Way { Enter, DoubleClick, Typed };
    for (const Way way : {Way::Enter, Way::DoubleClick, Way::Typed}) {
        const ui::FileChoice choice = Run([way](QWidget& dialog) {
            auto* list = Part<QTreeView>(dialog, "fileList");
            if (way == Way::Typed) {
                Type(dialog, QStringLiteral("old"));
            } else {
                Highlight(dialog, QStringLiteral("old"));
                list->setFocus();
                if (way == Way::Enter) {
                    QTest::keyClick(list, Qt::Key_Return);
                } else {
                    // A double click as a mouse gives it: a click, then the second press.
                    const QPoint cell = list->visualRect(list->currentIndex()).center();
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
                }
            }
            EXPECT_EQ(RowShowing(dialog, QStringLiteral("x.orv")), 0);
            EXPECT_TRUE(Part<QLineEdit>(dialog, "fileNameEdit")->text().isEmpty());
            Type(dialog, QStringLiteral("x.orv"));
        });
        EXPECT_EQ(ui::NativePath(choice.path), (folder.path() / "old" / "x.orv").string())
            << static_cast<int>(way);
    }
}

TEST_F(QtFileDialogTest, GoesUpToTheParentFolderAndBackByTheLookInList)
{
    request.initialFolder = ui::PathFromNative((folder.path() / "old").string());
    const ui::FileChoice choice = Run([this](QWidget& dialog) {
        auto* lookIn = Part<QComboBox>(dialog, "lookInCombo");
        EXPECT_EQ(lookIn->currentText(), request.initialFolder);
        QTest::mouseClick(Part<QToolButton>(dialog, "toParentButton"), Qt::LeftButton);
        EXPECT_GE(RowShowing(dialog, QStringLiteral("a.orv")), 0);
        EXPECT_EQ(lookIn->currentText(), ui::PathFromNative(folder.path().string()));
        Part<QPushButton>(dialog, "rejectButton")->click();
    });
    EXPECT_TRUE(choice.path.isEmpty());
}

TEST_F(QtFileDialogTest, SaveDialogAddsTheDefaultExtensionToANameWithoutOne)
{
    request.kind = ui::FileDialogKind::Save;
    request.defaultExtension = QStringLiteral("orv");
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {{"heads", "heads.orv"}, {"heads.txt", "heads.txt"}, {"a.orv", "a.orv"}};
    for (const auto& c : cases) {
        const ui::FileChoice choice = Run([&](QWidget& dialog) {
            EXPECT_EQ(Part<QPushButton>(dialog, "acceptButton")->text(), "&Save");
            Type(dialog, QString::fromLatin1(c.typed));
        });
        EXPECT_EQ(choice.path, ui::PathFromNative((folder.path() / c.saved).string())) << c.typed;
        EXPECT_EQ(choice.title, QString::fromLatin1(c.saved));
    }
}

// The main window's Open reports a missing file itself; the picture dialog
// returns only files that exist.
TEST_F(QtFileDialogTest, AnOpenDialogForExistingFilesStaysOpenOnAMissingName)
{
    for (const bool mustExist : {false, true}) {
        request.fileMustExist = mustExist;
        const ui::FileChoice choice = Run([mustExist](QWidget& dialog) {
            Type(dialog, QStringLiteral("gone.orv"));
            if (!mustExist)
                return; // accepted
            auto* message = Part<QLabel>(dialog, "dialogMessage");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(message->text(),
                      "gone.orv: there is no such file. Check the name and try again.");
            Type(dialog, QStringLiteral("a.orv"));
        });
        EXPECT_EQ(ui::FileNameOf(choice.path), mustExist ? "a.orv" : "gone.orv");
    }
}

TEST_F(QtFileDialogTest, ListsAFileThatAppearsWhileItIsOpen)
{
    bool listed = false;
    const ui::FileChoice choice = Run([&](QWidget& dialog) {
        // A file highlighted, then a name typed: both stay as they are.
        Highlight(dialog, QStringLiteral("a.orv"));
        auto* name = Part<QLineEdit>(dialog, "fileNameEdit");
        name->setText(QStringLiteral("half typed"));
        std::ofstream(folder.path() / "new.orv").put('\0');
        listed = QTest::qWaitFor([&] { return RowShowing(dialog, QStringLiteral("new.orv")) >= 0; },
                                 5000);
        EXPECT_EQ(Part<QTreeView>(dialog, "fileList")->currentIndex().data().toString(), "a.orv");
        EXPECT_EQ(name->text(), "half typed");
        Part<QPushButton>(dialog, "rejectButton")->click();
    });
    EXPECT_TRUE(listed);
    EXPECT_TRUE(choice.path.isEmpty());
}

TEST_F(QtFileDialogTest, MakesANewFolderWhoseNameIsTypedOver)
{
    request.kind = ui::FileDialogKind::Save;
    request.defaultExtension = QStringLiteral("orv");
    ::mkdir((folder.path() / "New Folder").c_str(), 0755);
    const ui::FileChoice choice = Run([](QWidget& dialog) {
        auto* list = Part<QTreeView>(dialog, "fileList");
        Part<QToolButton>(dialog, "newFolderButton")->click();
        // "New Folder" is taken, so the new one is "New Folder 2".
        EXPECT_EQ(list->currentIndex().data().toString(), "New Folder 2");
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("2026 heads"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the list commits an edit a moment later
        EXPECT_EQ(list->currentIndex().data().toString(), "2026 heads");
        EXPECT_FALSE(Part<QLabel>(dialog, "dialogMessage")->isVisible());
        // Renaming onto an existing name is refused and said.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the first editor
        ASSERT_EQ(list->viewport()->findChild<QLineEdit*>(), nullptr);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F2);
        editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("old"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(Part<QLabel>(dialog, "dialogMessage")->text(), "\"old\" already exists.");
        Type(dialog, QStringLiteral("2026 heads"));
        Type(dialog, QStringLiteral("heads"));
    });
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "2026 heads"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "New Folder 2"));
    EXPECT_EQ(ui::NativePath(choice.path), (folder.path() / "2026 heads" / "heads.orv").string());
}

TEST_F(QtFileDialogTest, SaysSoWhenAFolderCannotBeRead)
{
    request.initialFolder = ui::PathFromNative((folder.path() / "a.orv").string());
    const ui::FileChoice choice = Run([](QWidget& dialog) {
        auto* message = Part<QLabel>(dialog, "dialogMessage");
        EXPECT_TRUE(message->isVisible());
        EXPECT_TRUE(message->text().startsWith(QLatin1String("This folder cannot be read: ")))
            << message->text().toStdString();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(choice.path.isEmpty());
}

TEST(FileDialogPatterns, AreTakenFromTheParenthesesOfAFilter)
{
    EXPECT_EQ(ui::PatternsOf(QStringLiteral("ORV Calculation(*.orv)")), QStringList{"*.orv"});
    EXPECT_EQ(ui::PatternsOf(QStringLiteral("*.jpg (*.jpg)")), QStringList{"*.jpg"});
    EXPECT_EQ(ui::PatternsOf(QStringLiteral("Pictures (*.jpg *.gif)")),
              (QStringList{"*.jpg", "*.gif"}));
}

} // namespace
} // namespace orv::testing
