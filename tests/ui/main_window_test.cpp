#include "tests/ui/main_window_fixture.h"

#include "ui/platform/app_info.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace orv::testing {
namespace {

TEST_F(MainWindowTest, LoadSetsTheCaptionTheFlagAndAnEmptyList)
{
    ProgramData fresh;
    fresh.ClubList.AppendEmpty();
    ui::frmMain unloaded(fresh, dialogs, desktop);
    EXPECT_FALSE(unloaded.blFormLoaded());
    EXPECT_EQ(Caption(unloaded), QStringLiteral("Vove-Rozo ORV"));
    unloaded.Load();
    EXPECT_TRUE(unloaded.blFormLoaded());
    EXPECT_EQ(Caption(unloaded), QStringLiteral("VOVE-ROZO ORV"));
    EXPECT_EQ(fresh.ClubList.HighestIndex(), 0);
    EXPECT_EQ(Control<ui::SpreadGrid>(unloaded, "fpSpread1")->RowCount(), 0);
    EXPECT_EQ(Control<ui::SpreadGrid>(unloaded, "fpSpread2")->RowCount(), 0);
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndCaptions)
{
    const std::pair<const char*, const char*> buttons[] = {
        {"Command4", "Add"}, {"Command3", "Delete"}, {"Command1", "Edit "}, {"Command2", "Exit"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(window->findChild<QPushButton*>(QLatin1String(name))->text(),
                  QLatin1String(caption));
    const std::pair<const char*, const char*> items[] = {
        {"mnuOpen", "&Open"}, {"mnuSave", "&Save"},       {"mnuSaveAs", "&Save As"},
        {"mnuExit", "E&xit"}, {"mnuContent", "&Content"}, {"mnuAbout", "&About"}};
    for (const auto& [name, caption] : items)
        EXPECT_EQ(window->findChild<QAction*>(QLatin1String(name))->text(), QLatin1String(caption));
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")
                  ->model()
                  ->headerData(3, Qt::Horizontal)
                  .toString(),
              "Volume");
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread2")
                  ->model()
                  ->headerData(12, Qt::Horizontal)
                  .toString(),
              "Izc'");
}

TEST_F(MainWindowTest, FlushDataShowsMeasurementsAndRoundedResults)
{
    window->Command4_Click();
    ClubMeasurements club;
    club.ClubNo = "7";
    club.ClubName = "Driver";
    club.Mass = 200.5f;
    club.Volume = 460;
    club.CMx = 35.15f;
    club.LieAngle = 0.00001f;
    ClubResults results;
    results.EigenX = 12.3456f;
    results.EigenY = 0.0625f;
    results.EigenZ = 2.0004f;
    results.ThsX = 1.5f;
    results.EllipsoidVolume = 200;
    data.ClubList.Store(1, club, results);
    window->FlushData();

    const ui::SpreadGrid& measurements = *Control<ui::SpreadGrid>(*window, "fpSpread1");
    EXPECT_EQ(measurements.CellText(1, 1), "7");
    EXPECT_EQ(measurements.CellText(1, 2), "Driver");
    EXPECT_EQ(measurements.CellText(1, 3), "200.5");
    EXPECT_EQ(measurements.CellText(1, 4), "460"); // Volume stands before the centre of mass
    EXPECT_EQ(measurements.CellText(1, 5), "35.15");
    EXPECT_EQ(measurements.CellText(1, 14), "1E-05");
    const ui::SpreadGrid& results2 = *Control<ui::SpreadGrid>(*window, "fpSpread2");
    EXPECT_EQ(results2.CellText(1, 1), "12.346");
    EXPECT_EQ(results2.CellText(1, 2), "0.062");
    EXPECT_EQ(results2.CellText(1, 3), "2");
    EXPECT_EQ(results2.CellText(1, 4), "1.5");
    EXPECT_EQ(results2.CellText(1, 14), "200");
}

TEST_F(MainWindowTest, AddTwiceGivesTwoRowsOfEmptyTextsAndZeros)
{
    Click("Command4");
    Click("Command4");
    EXPECT_EQ(data.ClubList.HighestIndex(), 2);
    for (const ui::SpreadGrid* grid : {Control<ui::SpreadGrid>(*window, "fpSpread1"),
                                       Control<ui::SpreadGrid>(*window, "fpSpread2")}) {
        EXPECT_EQ(grid->RowCount(), 2);
        for (int row = 1; row <= 2; ++row)
            for (int column = 1; column <= 14; ++column) {
                const bool text = grid == Control<ui::SpreadGrid>(*window, "fpSpread1")
                                  && column <= 2;
                EXPECT_EQ(grid->CellText(row, column), text ? "" : "0") << row << "," << column;
            }
    }
    EXPECT_EQ(window->ActiveRow(), 1); // the active cell does not move to the new club
}

TEST_F(MainWindowTest, DeleteRemovesTheActiveRowsClub)
{
    AddClubs({"A", "B", "C"});
    Control<ui::SpreadGrid>(*window, "fpSpread1")
        ->setCurrentIndex(Control<ui::SpreadGrid>(*window, "fpSpread1")->model()->index(1, 3));
    ASSERT_EQ(window->ActiveRow(), 2);
    Click("Command3");
    EXPECT_EQ(NameColumn(), (QStringList{"A", "C"}));
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread2")->RowCount(), 2);
    EXPECT_EQ(data.ClubList.HighestIndex(), 2);
}

TEST_F(MainWindowTest, DeleteOfTheLastRowMovesTheActiveRowUp)
{
    AddClubs({"A", "B", "C"});
    Control<ui::SpreadGrid>(*window, "fpSpread1")
        ->setCurrentIndex(Control<ui::SpreadGrid>(*window, "fpSpread1")->model()->index(2, 0));
    Click("Command3");
    EXPECT_EQ(NameColumn(), (QStringList{"A", "B"}));
    EXPECT_EQ(window->ActiveRow(), 2);
}

TEST_F(MainWindowTest, DeleteOfTheOnlyClubResetsTheListWhateverItHeld)
{
    AddClubs({"A"});
    ClubMeasurements spare;
    spare.ClubName = "spare";
    data.ClubList.Store(0, spare, {});
    Click("Command3");
    EXPECT_EQ(data.ClubList.HighestIndex(), 0);
    EXPECT_EQ(data.ClubList.At(0), ClubRecord{});
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")->RowCount(), 0);
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread2")->RowCount(), 0);
    EXPECT_EQ(window->ActiveRow(), 0);

    Click("Command3"); // no clubs: nothing happens
    EXPECT_EQ(data.ClubList.HighestIndex(), 0);
}

TEST_F(MainWindowTest, AddBeyondTheMostClubsIsRefusedWithAMessage)
{
    for (int i = 0; i < kMaxClubs; ++i)
        data.ClubList.AppendEmpty();
    window->FlushData();
    window->Command4_Click();
    EXPECT_EQ(data.ClubList.HighestIndex(), kMaxClubs);
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")->RowCount(), kMaxClubs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("32767"));
}

TEST_F(MainWindowTest, CellEventSelectsTheSameRowInTheOtherGrid)
{
    AddClubs({"A", "B", "C"});
    const auto selectedColumns = [](const ui::SpreadGrid& grid, int row) {
        QList<int> columns;
        for (const QModelIndex& index : grid.selectionModel()->selectedIndexes()) {
            EXPECT_EQ(index.row(), row - 1);
            columns << index.column() + 1;
        }
        std::sort(columns.begin(), columns.end());
        return columns;
    };
    const QList<int> firstEleven{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

    Q_EMIT Control<ui::SpreadGrid>(*window, "fpSpread1")->CellEvent(5, 3);
    EXPECT_EQ(selectedColumns(*Control<ui::SpreadGrid>(*window, "fpSpread2"), 3), firstEleven);
    Q_EMIT Control<ui::SpreadGrid>(*window, "fpSpread2")->CellEvent(14, 2);
    EXPECT_EQ(selectedColumns(*Control<ui::SpreadGrid>(*window, "fpSpread1"), 2), firstEleven);

    Control<ui::SpreadGrid>(*window, "fpSpread2")->clearSelection();
    Q_EMIT Control<ui::SpreadGrid>(*window, "fpSpread1")->CellEvent(3, 0);
    EXPECT_TRUE(Control<ui::SpreadGrid>(*window, "fpSpread2")
                    ->selectionModel()
                    ->selectedIndexes()
                    .isEmpty());
}

TEST_F(MainWindowTest, ClickOnACellRaisesTheCellEventAndMakesItsRowActive)
{
    AddClubs({"A", "B", "C"});
    window->show();
    ui::SpreadGrid& grid = *Control<ui::SpreadGrid>(*window, "fpSpread2");
    const QRect cell = grid.visualRect(grid.model()->index(2, 4));
    QList<std::pair<int, int>> events;
    QObject::connect(&grid, &ui::SpreadGrid::CellEvent, [&](int column, int row) {
        events.append({column, row});
    });
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events.front(), (std::pair<int, int>{5, 3}));
    EXPECT_EQ(grid.ActiveRow(), 3);
    EXPECT_EQ(
        Control<ui::SpreadGrid>(*window, "fpSpread1")->selectionModel()->selectedIndexes().size(),
        11);
}

TEST_F(MainWindowTest, HelpContentOpensTheHelpFileBesideTheProgram)
{
    window->mnuContent_Click();
    ASSERT_EQ(desktop.helpFiles.size(), 1);
    EXPECT_EQ(desktop.helpFiles.front(), ui::ProgramFolder() + "/Q418266.chm");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(HelpFilePath, RootFolderGivesTwoSeparators)
{
    EXPECT_EQ(ui::HelpFilePath("/"), "//Q418266.chm");
    EXPECT_EQ(ui::HelpFilePath("/opt/orv"), "/opt/orv/Q418266.chm");
}

TEST_F(MainWindowTest, EditOpensTheEditorModallyAlsoWithoutClubs)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->objectName(), "frmEdit");
        seen = true;
        modal->close();
    });
    Click("Command1");
    EXPECT_TRUE(seen);
}

} // namespace
} // namespace orv::testing
