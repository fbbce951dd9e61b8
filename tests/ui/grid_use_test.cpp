// The grids as a user works them all day: the highlighted row is the row
// Delete and Edit act on, whatever grid was clicked; every realistic value
// shows whole; the keyboard gets in and out; both grids scroll together.
#include "clubs/club_file.h"
#include "tests/support/test_files.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/platform/twips.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <set>

namespace orv::testing {
namespace {

class GridUseTest : public MainWindowTest {
protected:
    GridUseTest()
    {
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    ui::SpreadGrid& Grid(const char* name) { return *Control<ui::SpreadGrid>(*window, name); }

    static std::set<int> SelectedRows(const ui::SpreadGrid& grid)
    {
        std::set<int> rows;
        for (const QModelIndex& index : grid.selectionModel()->selectedIndexes())
            rows.insert(index.row() + 1);
        return rows;
    }

    // Both grids highlight exactly `row`, and it is the row commands use.
    void ExpectOneSelectedRow(int row)
    {
        EXPECT_EQ(SelectedRows(Grid("fpSpread1")), std::set<int>{row});
        EXPECT_EQ(SelectedRows(Grid("fpSpread2")), std::set<int>{row});
        EXPECT_EQ(Grid("fpSpread1").ActiveRow(), row);
        EXPECT_EQ(Grid("fpSpread2").ActiveRow(), row);
        EXPECT_EQ(window->ActiveRow(), row);
    }

    void ClickCell(const char* gridName, int row, int column)
    {
        ui::SpreadGrid& grid = Grid(gridName);
        const QModelIndex index = grid.model()->index(row - 1, column - 1);
        grid.scrollTo(index);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    }
};

TEST_F(GridUseTest, DeleteRemovesTheRowHighlightedByAClickInEitherGrid)
{
    AddClubs({"A", "B", "C"});
    ClickCell("fpSpread1", 1, 3);
    ExpectOneSelectedRow(1);
    ClickCell("fpSpread2", 2, 6);
    ExpectOneSelectedRow(2);
    Click("Command3");
    EXPECT_EQ(NameColumn(), (QStringList{"A", "C"}));
    ExpectOneSelectedRow(2);
    Click("Command3");
    EXPECT_EQ(NameColumn(), (QStringList{"A"}));
    ExpectOneSelectedRow(1);
}

TEST_F(GridUseTest, EditOpensTheClubHighlightedInTheResultsGrid)
{
    AddClubs({"A", "B", "C"});
    ClickCell("fpSpread2", 3, 1);
    QString opened;
    QTimer::singleShot(0, window.get(), [&] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        opened = Control<QLineEdit>(*editor, "txtClubName")->text();
        editor->close();
    });
    Click("Command1");
    EXPECT_EQ(opened, "C");
}

TEST_F(GridUseTest, AColumnHeaderSelectsNothingAndMovesNoRow)
{
    AddClubs({"A", "B", "C"});
    ClickCell("fpSpread1", 3, 2);
    QHeaderView* header = Grid("fpSpread1").horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
    ExpectOneSelectedRow(3);
}

TEST_F(GridUseTest, ADragSelectsOneRowOnly)
{
    AddClubs({"A", "B", "C", "D"});
    ui::SpreadGrid& grid = Grid("fpSpread1");
    const QPoint from = grid.visualRect(grid.model()->index(0, 3)).center();
    const QPoint to = grid.visualRect(grid.model()->index(2, 6)).center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, grid.viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(SelectedRows(grid).size(), 1u);
    const int row = *SelectedRows(grid).begin();
    EXPECT_EQ(SelectedRows(Grid("fpSpread2")), std::set<int>{row});
    EXPECT_EQ(window->ActiveRow(), row);
}

TEST_F(GridUseTest, ArrowKeysMoveTheActiveRowOfBothGrids)
{
    AddClubs({"A", "B", "C"});
    ClickCell("fpSpread2", 1, 1);
    QTest::keyClick(&Grid("fpSpread2"), Qt::Key_Down);
    QTest::keyClick(&Grid("fpSpread2"), Qt::Key_Down);
    ExpectOneSelectedRow(3);
    QTest::keyClick(&Grid("fpSpread1"), Qt::Key_Up);
    ExpectOneSelectedRow(2);
}

TEST_F(GridUseTest, TabAndShiftTabLeaveTheGridsAlongTheTabOrder)
{
    AddClubs({"A", "B"});
    window->activateWindow();
    Grid("fpSpread1").setFocus();
    struct Step {
        Qt::KeyboardModifiers modifiers;
        const char* next;
    };
    for (const Step& step :
         {Step{Qt::NoModifier, "fpSpread2"}, Step{Qt::NoModifier, "Command4"},
          Step{Qt::ShiftModifier, "fpSpread2"}, Step{Qt::ShiftModifier, "fpSpread1"}}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, step.modifiers);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.next);
    }
}

// Five plausible heads, measured and computed; every text must fit its cell.
TEST_F(GridUseTest, EveryRealisticValueShowsWhole)
{
    const float measured[][12] = {
        {203.45f, 460.2f, -35.125f, 12.5f, -20.75f, 5.8521f, 4.9217f, 3.0125f, 5.4398f, 4.1179f,
         4.6542f, 60.5f},
        {198.2f, 455.0f, 38.4f, -15.25f, 28.375f, 2.8512f, 3.2501f, 4.5f, 3.35f, 4.275f, 3.625f,
         58.0f},
        {251.6f, 62.5f, 12.3f, 9.87f, -18.45f, 2.4562f, 0.6521f, 2.7314f, 1.5214f, 1.7214f, 2.6021f,
         62.0f},
        {355.0f, 120.25f, -103.75f, 45.5f, 22.125f, 6.9999f, 5.1234f, 2.0012f, 6.0022f, 3.5031f,
         4.5024f, 70.0f},
        {219.9f, 185.0f, 25.2f, -8.125f, -14.5f, 3.1415f, 2.7182f, 1.4142f, 2.9931f, 2.1117f,
         2.3333f, 57.5f},
    };
    const float computed[][14] = {
        {5.947f, 5.012f, 2.991f, 124.512f, 103.338f, 39.754f, -110.252f, -179.999f, 2.5f, 5.852f,
         4.922f, 3.013f, 4.111f, 460.25f},
        {3.57f, 2.943f, 1.987f, 160.753f, 70.958f, 87.306f, -91.578f, -82.903f, -173.834f, 2.0f,
         3.0f, 3.5f, 2.332f, 200.0f},
        {2.901f, 2.45f, 0.651f, 180.0f, 0.0f, 90.0f, 180.0f, -180.0f, -100.0f, 2.456f, 0.652f,
         2.731f, 1.521f, 62.5f},
        {999.999f, 750.5f, 120.125f, 100.0f, 179.999f, 0.001f, -179.5f, -123.456f, 135.0f, 999.999f,
         888.888f, 777.777f, 999.999f, 999.999f},
        {3.142f, 2.718f, 1.414f, 45.0f, 135.0f, 90.0f, -45.0f, 45.0f, -135.0f, 3.142f, 2.718f,
         1.414f, 2.0f, 185.0f},
    };
    for (std::size_t i = 0; i < std::size(measured); ++i) {
        window->Command4_Click();
        ClubRecord club;
        for (std::size_t k = 0; k < kEnteredReals.size(); ++k)
            club.Measurements.*kEnteredReals[k].member = measured[i][k];
        for (std::size_t k = 0; k < kResultReals.size(); ++k)
            club.Results.*kResultReals[k].member = computed[i][k];
        data.ClubList.Store(static_cast<int>(i) + 1, club.Measurements, club.Results);
    }
    window->FlushData();
    for (const char* name : {"fpSpread1", "fpSpread2"}) {
        ui::SpreadGrid& grid = Grid(name);
        const QFontMetrics metrics(grid.font());
        const int firstNumberColumn = std::string_view(name) == "fpSpread1" ? 3 : 1;
        for (int row = 1; row <= grid.RowCount(); ++row) {
            for (int column = firstNumberColumn; column <= ui::kGridColumns; ++column) {
                const QString text = grid.CellText(row, column);
                EXPECT_LE(metrics.horizontalAdvance(text) + 6, grid.columnWidth(column - 1))
                    << name << " row " << row << " column " << column << ": " << text.toStdString();
            }
        }
        // The grids keep the window's size; wide columns scroll sideways.
        EXPECT_EQ(grid.size(), name == std::string_view("fpSpread1")
                                   ? ui::TwipsRect(135, 270, 10680, 2535, *window).size()
                                   : ui::TwipsRect(135, 3060, 10725, 2535, *window).size());
    }
}

TEST_F(GridUseTest, RowNumbersFitUpToTheLargestDocument)
{
    for (const char* name : {"fpSpread1", "fpSpread2"}) {
        const QHeaderView* rows = Grid(name).verticalHeader();
        EXPECT_GE(rows->width(), rows->fontMetrics().horizontalAdvance(QStringLiteral("32767")) + 6)
            << name;
    }
}

TEST_F(GridUseTest, BothGridsScrollTogether)
{
    for (int i = 0; i < 120; ++i)
        window->Command4_Click();
    QScrollBar* measurements = Grid("fpSpread1").verticalScrollBar();
    QScrollBar* results = Grid("fpSpread2").verticalScrollBar();
    ASSERT_GT(measurements->maximum(), 40);
    measurements->setValue(40);
    EXPECT_EQ(results->value(), 40);
    results->setValue(7);
    EXPECT_EQ(measurements->value(), 7);
    EXPECT_EQ(Grid("fpSpread1").rowAt(0), Grid("fpSpread2").rowAt(0));
}

TEST_F(GridUseTest, AddScrollsTheNewClubIntoViewWithoutMovingTheActiveRow)
{
    for (int i = 0; i < 60; ++i)
        window->Command4_Click();
    ClickCell("fpSpread1", 2, 3);
    window->Command4_Click();
    for (const char* name : {"fpSpread1", "fpSpread2"}) {
        ui::SpreadGrid& grid = Grid(name);
        const QRect last = grid.visualRect(grid.model()->index(60, 2));
        EXPECT_TRUE(grid.viewport()->rect().contains(last)) << name;
    }
    ExpectOneSelectedRow(2);
}

TEST_F(GridUseTest, AnOpenedDocumentStartsAtTheTop)
{
    TemporaryFolder folder;
    ClubList list;
    for (int i = 0; i < 80; ++i)
        list.AppendEmpty();
    const std::filesystem::path path = folder.path() / "many.orv";
    SaveDataFile(path, list);
    for (int i = 0; i < 90; ++i)
        window->Command4_Click();
    ClickCell("fpSpread1", 85, 3);
    window->LoadDataFile(QString::fromStdString(path.string()), QStringLiteral("many.orv"));
    EXPECT_EQ(Grid("fpSpread1").verticalScrollBar()->value(), 0);
    EXPECT_EQ(Grid("fpSpread2").verticalScrollBar()->value(), 0);
    ExpectOneSelectedRow(1);
}

} // namespace
} // namespace orv::testing
