// The real dialogs, driven as a user would drive them: a timer acts on the
// modal window once it is up, so no test waits on a person.
#include "tests/support/test_files.h"
#include "ui/platform/app_info.h"
#include "ui/platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>

#include <sys/stat.h>

namespace orv::testing {
namespace {

// Runs `act` on the modal window as soon as one of type T is up. The window
// must be closed by `act`; the test's time limit catches one that stays open.
template <typename T = QWidget> void WhenModal(std::function<void(T&)> act)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
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
    WhenModal<QMessageBox>([&](QMessageBox& modal) {
        QMessageBox* box = &modal;
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
    WhenModal<QMessageBox>([](QMessageBox& modal) { modal.close(); });
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
        request.fileMustExist = true;
    }

    TemporaryFolder folder;
    QString picture;
    ui::FileDialogRequest request;
    RecordingPreview preview;
};

// The names the dialog lists in its current folder, once it has read it.
QStringList Listed(QFileDialog& dialog, int atLeast = 1)
{
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    EXPECT_NE(list, nullptr);
    if (list == nullptr)
        return {};
    QStringList names;
    const auto read = [&] {
        names.clear();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row)
            names << list->model()->index(row, 0, root).data().toString();
        return names.size() >= atLeast;
    };
    EXPECT_TRUE(QTest::qWaitFor(read, 5000)) << names.join(u',').toStdString();
    return names;
}

// Highlights the entry `name` in the dialog's list, as a click would.
void Highlight(QFileDialog& dialog, const QString& name)
{
    const int row = static_cast<int>(Listed(dialog).indexOf(name));
    ASSERT_GE(row, 0) << name.toStdString();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    list->setCurrentIndex(list->model()->index(row, 0, list->rootIndex()));
}

QPushButton* AcceptButton(QFileDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return qobject_cast<QPushButton*>(buttons->buttons().value(0));
}

// Types a name into the file name box and presses Enter.
void Type(QFileDialog& dialog, const QString& text)
{
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    // As a user types: into the box that has the focus, which also lets go
    // of a file highlighted in the list.
    QApplication::setActiveWindow(&dialog);
    name->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([name] { return name->hasFocus(); }, 2000));
    name->clear();
    QTest::keyClicks(name, text);
    QTest::keyClick(name, Qt::Key_Return);
}

TEST_P(QtPreviewDialogTest, HostsTheFrameAndNotifiesInOrder)
{
    const bool accept = GetParam();
    bool frameShown = false;
    WhenModal<QFileDialog>([&](QFileDialog& modal) {
        EXPECT_TRUE(modal.testOption(QFileDialog::DontUseNativeDialog));
        frameShown = preview.frame->window() == &modal && preview.frame->isVisible();
        EXPECT_EQ(modal.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText(),
                  "*.bmp");
        Highlight(modal, QStringLiteral("head.bmp"));
        if (accept)
            QTest::mouseClick(AcceptButton(modal), Qt::LeftButton);
        else
            modal.reject();
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

// The picture dialog returns only files that exist: a missing name is said,
// and the dialog stays open for another.
TEST_F(QtPreviewDialogTest, AcceptsOnlyAnExistingFile)
{
    QString warning;
    WhenModal<QFileDialog>([&](QFileDialog& modal) {
        auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("gone.bmp"));
        EXPECT_FALSE(AcceptButton(modal)->isEnabled());
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            warning = box.text();
            box.close();
        });
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(modal.isVisible());
        name->setText(QStringLiteral("head.bmp"));
        QTest::mouseClick(AcceptButton(modal), Qt::LeftButton);
    });
    ui::QtDialogs dialogs;
    EXPECT_EQ(dialogs.ShowPreviewDialog(nullptr, request, preview).path, picture);
    EXPECT_TRUE(warning.contains(QStringLiteral("gone.bmp"))) << warning.toStdString();
}

class QtFileDialogTest : public ::testing::Test {
protected:
    QtFileDialogTest()
    {
        ::mkdir((folder.path() / "old").c_str(), 0755);
        for (const char* name : {"a.orv", "B.ORV", "c.Orv", "notes.txt", "old/x.orv"})
            std::ofstream(folder.path() / name).put('\0');
        request.filter = QStringLiteral("ORV Calculation(*.orv)|*.orv");
        request.initialFolder = QString::fromStdString(folder.path().string());
    }

    // Shows the dialog, lets `act` drive it and returns what it gave back.
    ui::FileChoice Run(std::function<void(QFileDialog&)> act)
    {
        WhenModal<QFileDialog>(std::move(act));
        ui::QtDialogs dialogs;
        return dialogs.ShowFileDialog(nullptr, request);
    }

    [[nodiscard]] QString Path(const char* name) const
    {
        return QString::fromStdString((folder.path() / name).string());
    }

    TemporaryFolder folder;
    ui::FileDialogRequest request;
};

TEST_F(QtFileDialogTest, ListsClubDataFilesInAnyLetterCaseUnderTheirDescription)
{
    const ui::FileChoice choice = Run([](QFileDialog& dialog) {
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText(),
                  "ORV Calculation(*.orv)");
        QStringList listed = Listed(dialog, 4);
        listed.sort();
        EXPECT_EQ(listed, (QStringList{"B.ORV", "a.orv", "c.Orv", "old"}));
        Highlight(dialog, QStringLiteral("c.Orv"));
        QTest::mouseClick(AcceptButton(dialog), Qt::LeftButton);
    });
    EXPECT_EQ(choice.path, Path("c.Orv"));
    EXPECT_EQ(choice.title, "c.Orv");
}

TEST_F(QtFileDialogTest, SaveProposesANameAddsTheExtensionAndReplacesWithoutAsking)
{
    request.kind = ui::FileDialogKind::Save;
    request.defaultExtension = QStringLiteral("orv");
    request.proposedName = QStringLiteral("B.ORV");
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {{"heads", "heads.orv"}, {"heads.txt", "heads.txt"}, {"a.orv", "a.orv"}};
    for (const auto& c : cases) {
        const ui::FileChoice choice = Run([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            (void)Listed(dialog, 4);
            EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                      "B.ORV");
            Type(dialog, QString::fromLatin1(c.typed));
            // An existing a.orv is replaced without a question.
            EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000)) << c.typed;
        });
        EXPECT_EQ(choice.path, Path(c.saved)) << c.typed;
        EXPECT_EQ(choice.title, QString::fromLatin1(c.saved));
    }
}

TEST_F(QtFileDialogTest, AMissingStartFolderFallsBackToTheWorkingFolder)
{
    request.initialFolder = Path("gone");
    QString shown;
    const ui::FileChoice choice = Run([&](QFileDialog& dialog) {
        shown = dialog.directory().absolutePath();
        dialog.reject();
    });
    EXPECT_EQ(shown, QDir::currentPath());
    EXPECT_TRUE(choice.path.isEmpty());
}

TEST(FileDialogFilters, ShowTheDescriptionAndMatchAnyLetterCase)
{
    EXPECT_EQ(ui::AnyCaseNameFilters(QStringLiteral("ORV Calculation(*.orv)|*.orv")),
              QStringList{"ORV Calculation(*.orv) (*.[oO][rR][vV])"});
    EXPECT_EQ(ui::AnyCaseNameFilters(QStringLiteral("*.jpg|*.jpg|*.gif|*.gif")),
              (QStringList{"*.jpg (*.[jJ][pP][gG])", "*.gif (*.[gG][iI][fF])"}));
}

} // namespace
} // namespace orv::testing
