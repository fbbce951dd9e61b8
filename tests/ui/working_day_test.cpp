// A working day at the main window: undo and redo of every edit bit for
// bit, the clipboard, the keys, the heads with findings one after another,
// the editor telling what it read, and a window that grows.
#include "tests/inertia/worked_example.h"
#include "tests/ui/editor_fixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace orv::testing {
namespace {

class WorkingDayTest : public EditorTest {
protected:
    // Heads whose every field differs, reserved texts and azimuth included;
    // those named "bad" have their centre of gravity far out (findings).
    void FillHeads(std::initializer_list<const char*> names)
    {
        AddClubs(names);
        int row = 1;
        for (const char* name : names) {
            ClubMeasurements club = WorkedExample(200 + row, 50 + row);
            club.ClubName = name;
            club.ClubNo = std::to_string(row);
            club.Reserved1 = "reserved " + std::to_string(row);
            club.Azimuth = 90.5f + static_cast<float>(row);
            if (std::string(name).starts_with("bad"))
                club.CMx = 100;
            ClubResults results;
            results.EigenX = 1.5f + static_cast<float>(row);
            data.ClubList.Store(row++, club, results);
        }
        window->FlushData();
        window->Edits().setClean();
    }

    void Activate(int row)
    {
        Control<ui::SpreadGrid>(*window, "fpSpread1")->SelectBlock(0, row, ui::kGridColumns, row);
    }

    [[nodiscard]] int Active() const { return window->ActiveRow(); }
};

TEST_F(WorkingDayTest, UndoAndRedoTakeBackEveryEditBitForBit)
{
    FillHeads({"A", "B", "C"});
    const std::vector<ClubRecord> start = data.ClubList.Slots();

    // Delete the middle head: undo brings it back in its row, active.
    Activate(2);
    Click("Command3");
    const std::vector<ClubRecord> deleted = data.ClubList.Slots();
    ASSERT_EQ(deleted.size(), 3u);
    window->mnuUndo_Click();
    EXPECT_EQ(data.ClubList.Slots(), start);
    EXPECT_EQ(Active(), 2);
    window->mnuRedo_Click();
    EXPECT_EQ(data.ClubList.Slots(), deleted);
    window->mnuUndo_Click();

    // Update from the editor.
    Activate(3);
    ui::frmEdit& e = Open();
    Type(Control<QLineEdit>(e, "txtMass"), "250");
    Control<QPushButton>(e, "Command4")->click();
    EXPECT_EQ(data.ClubList.At(3).Measurements.Mass, 250.0f);
    Activate(1);
    window->mnuUndo_Click();
    EXPECT_EQ(data.ClubList.Slots(), start);
    EXPECT_EQ(Active(), 3);

    // Add.
    Click("Command4");
    EXPECT_EQ(data.ClubList.HighestIndex(), 4);
    window->mnuUndo_Click();
    EXPECT_EQ(data.ClubList.Slots(), start);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(WorkingDayTest, UndoingTheDeleteOfTheLastHeadBringsBackTheSpareSlotToo)
{
    FillHeads({"only"});
    ClubMeasurements spare;
    spare.Reserved2 = "kept in slot 0";
    data.ClubList.Store(0, spare, {});
    const std::vector<ClubRecord> start = data.ClubList.Slots();
    Click("Command3");
    EXPECT_EQ(data.ClubList.HighestIndex(), 0);
    window->mnuUndo_Click();
    EXPECT_EQ(data.ClubList.Slots(), start);
}

// Copy puts the active head on the clipboard as a spreadsheet takes it;
// every number reads back to the same single.
TEST_F(WorkingDayTest, CopyGivesTabSeparatedLinesThatReadBack)
{
    FillHeads({"A", "B"});
    ClubMeasurements odd = data.ClubList.At(2).Measurements;
    odd.Ixx = 2.8512345f;
    odd.ClubName = "tab\there";
    data.ClubList.Store(2, odd, data.ClubList.At(2).Results);
    Activate(2);
    window->mnuCopy_Click();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QStringList header = lines[0].split(u'\t');
    const QStringList cells = lines[1].split(u'\t');
    ASSERT_EQ(header.size(), 28);
    ASSERT_EQ(cells.size(), 28);
    EXPECT_EQ(header[0], "No.");
    EXPECT_EQ(header[7], "I_xx");
    EXPECT_EQ(header[14], "Eigen-X");
    EXPECT_EQ(cells[1], "tab here");
    for (std::size_t i = 0; i < kEnteredReals.size(); ++i)
        EXPECT_EQ(cells[2 + static_cast<int>(i)].toFloat(), odd.*kEnteredReals[i].member)
            << kEnteredReals[i].name;
    for (std::size_t i = 0; i < kResultReals.size(); ++i)
        EXPECT_EQ(cells[14 + static_cast<int>(i)].toFloat(),
                  data.ClubList.At(2).Results.*kResultReals[i].member);
    window->mnuCopyAll_Click();
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), 3);
}

// F3 and Shift+F3 go to the next and the previous head with findings,
// round the end.
TEST_F(WorkingDayTest, NextAndPreviousHeadWithFindingsWrapAround)
{
    FillHeads({"good", "bad one", "good", "bad two", "good"});
    Activate(1);
    std::vector<int> visited;
    for (int i = 0; i < 3; ++i) {
        window->mnuNextFinding_Click();
        visited.push_back(Active());
    }
    EXPECT_EQ(visited, (std::vector<int>{2, 4, 2}));
    window->mnuPreviousFinding_Click();
    EXPECT_EQ(Active(), 4);
    EXPECT_EQ(Control<QAction>(*window, "mnuNextFinding")->shortcut(), QKeySequence(Qt::Key_F3));
}

// Enter in a grid and a double click on a row open the editor on that row.
TEST_F(WorkingDayTest, EnterAndADoubleClickEditTheRow)
{
    FillHeads({"A", "B", "C"});
    auto& grid = *Control<ui::SpreadGrid>(*window, "fpSpread1");
    window->show();
    for (const bool doubleClick : {false, true}) {
        QString edited;
        auto* poll = new QTimer(window.get());
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [&edited, poll] {
            auto* open = qobject_cast<ui::frmEdit*>(QApplication::activeModalWidget());
            if (open == nullptr)
                return;
            poll->stop();
            edited = Control<QLineEdit>(*open, "txtClubName")->text();
            open->reject();
        });
        poll->start();
        const QModelIndex cell = grid.model()->index(doubleClick ? 2 : 1, 1);
        if (doubleClick) {
            // As a mouse gives it: a click, then the second press.
            const QPoint at = grid.visualRect(cell).center();
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
        } else {
            Activate(2);
            QTest::keyClick(&grid, Qt::Key_Return);
        }
        poll->deleteLater();
        EXPECT_EQ(edited, doubleClick ? "C" : "B");
    }
    // Delete in a grid deletes the active row.
    Activate(1);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(data.ClubList.HighestIndex(), 2);
    EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "B");
}

TEST_F(WorkingDayTest, KeysOfTheMenus)
{
    const struct {
        const char* item;
        QKeySequence key;
    } cases[] = {{"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
                 {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
                 {"mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                 {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                 {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                 {"mnuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                 {"mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C)},
                 {"mnuHeadWindow", QKeySequence(Qt::CTRL | Qt::Key_I)}};
    for (const auto& c : cases)
        EXPECT_EQ(Control<QAction>(*window, c.item)->shortcut(), c.key) << c.item;
    EXPECT_TRUE(Control<QAction>(*window, "mnuRedo")
                    ->shortcuts()
                    .contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
}

// A box with more after its number is read by the usual rule, marked, and
// the findings line says what was read; the results are those of the number.
TEST_F(WorkingDayTest, TheEditorSaysWhatItReadFromABox)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    TypeWorkedExample(e);
    Control<QPushButton>(e, "Command1")->click();
    const QString plain = Control<QPlainTextEdit>(e, "Text4")->toPlainText();
    Type(Control<QLineEdit>(e, "txtIzz"), "4,5");
    Control<QPushButton>(e, "Command1")->click();
    auto* line = Control<QLabel>(e, "lblFindings");
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->toolTip().contains("I_zz: \"4,5\" was read as 4"))
        << line->toolTip().toStdString();
    EXPECT_FALSE(Control<QLineEdit>(e, "txtIzz")->styleSheet().isEmpty());
    Type(Control<QLineEdit>(e, "txtIzz"), "4.5");
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_EQ(Control<QPlainTextEdit>(e, "Text4")->toPlainText(), plain);
    EXPECT_TRUE(Control<QLineEdit>(e, "txtIzz")->styleSheet().isEmpty());
    EXPECT_FALSE(line->isVisible());
}

// A text a club data file cannot hold is refused at Update, naming the box
// and the character; nothing is stored.
TEST_F(WorkingDayTest, UpdateRefusesATextTheFileCannotHold)
{
    FillHeads({"A"});
    ui::frmEdit& e = Open();
    Type(Control<QLineEdit>(e, "txtClubName"), QStringLiteral("Driver \u03A9"));
    Control<QPushButton>(e, "Command4")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Head Name holds \"\u03A9\"")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "A");
    EXPECT_TRUE(e.isVisible());
}

// The window grows: both grids take the extra width and share the extra
// height; at 1280 x 1024 every column is in view; the buttons keep their
// place above the bottom.
TEST_F(WorkingDayTest, TheWindowGrowsAndTheGridsWithIt)
{
    FillHeads({"A", "B"});
    window->show();
    auto& measurements = *Control<ui::SpreadGrid>(*window, "fpSpread1");
    auto& results = *Control<ui::SpreadGrid>(*window, "fpSpread2");
    auto& exit = *Control<QPushButton>(*window, "Command2");
    const QSize grid1 = measurements.size();
    const QSize grid2 = results.size();
    const int belowButtons = window->height() - exit.geometry().bottom();
    window->resize(1280, 1000);
    QApplication::processEvents();
    EXPECT_GT(measurements.width(), grid1.width());
    EXPECT_GT(measurements.height(), grid1.height());
    EXPECT_GT(results.height(), grid2.height());
    EXPECT_EQ(window->height() - exit.geometry().bottom(), belowButtons);
    for (ui::SpreadGrid* grid : {&measurements, &results})
        EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0) << grid->objectName().toStdString();
}

} // namespace
} // namespace orv::testing
