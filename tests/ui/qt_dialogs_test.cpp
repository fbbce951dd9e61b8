// The real dialogs, driven as a user would drive them: a timer acts on the
// modal window once it is up, so no test waits on a person.
#include "tests/support/test_files.h"
#include "ui/platform/app_info.h"
#include "ui/platform/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

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

// Highlights head.bmp in the dialog's list as a click would; the list fills
// in the background.
void Highlight(QWidget& dialog, const QString& name)
{
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    const bool found = QTest::qWaitFor(
        [&] {
            const QModelIndexList match = list->model()->match(
                list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole, name);
            if (!match.isEmpty())
                list->setCurrentIndex(match.front());
            return !match.isEmpty();
        },
        5000);
    ASSERT_TRUE(found) << name.toStdString();
}

TEST_P(QtPreviewDialogTest, HostsTheFrameAndNotifiesInOrder)
{
    const bool accept = GetParam();
    bool frameShown = false;
    WhenModal([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), ui::kApplicationTitle);
        frameShown = preview.frame->window() == dialog && preview.frame->isVisible();
        Highlight(*dialog, QStringLiteral("head.bmp"));
        if (accept)
            static_cast<QDialog*>(dialog)->accept(); // as the Open button does
        else
            dialog->reject();
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

TEST(QtFileDialog, SaveDialogAddsTheDefaultExtension)
{
    TemporaryFolder folder;
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Save;
    request.filter = QStringLiteral("ORV Calculation(*.orv)|*.orv");
    request.defaultExtension = QStringLiteral("orv");
    request.initialFolder = QString::fromStdString(folder.path().string());
    WhenModal([](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_GE(dialog->width(), 780);
        auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        EXPECT_EQ(details->header()->sectionResizeMode(1), QHeaderView::ResizeToContents);
        dialog->selectFile(QStringLiteral("heads"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    ui::QtDialogs dialogs;
    const ui::FileChoice choice = dialogs.ShowFileDialog(nullptr, request);
    EXPECT_EQ(choice.path, QString::fromStdString((folder.path() / "heads.orv").string()));
    EXPECT_EQ(choice.title, "heads.orv");
}

} // namespace
} // namespace orv::testing
