// The grids tell their views about every change as it happens: one
// dataChanged per single write, one per grid for a whole FlushData, and row
// insertions and removals for a changed row count.
#include "tests/inertia/worked_example.h"
#include "tests/ui/main_window_fixture.h"

#include <QSignalSpy>

namespace orv::testing {
namespace {

struct Range {
    int firstRow, firstColumn, lastRow, lastColumn;
    friend bool operator==(const Range&, const Range&) = default;
};

Range ChangedRange(const QList<QVariant>& arguments)
{
    const auto topLeft = arguments.at(0).value<QModelIndex>();
    const auto bottomRight = arguments.at(1).value<QModelIndex>();
    return {topLeft.row(), topLeft.column(), bottomRight.row(), bottomRight.column()};
}

class GridModelTest : public MainWindowTest {
protected:
    ui::SpreadGrid& Grid(const char* name) { return *Control<ui::SpreadGrid>(*window, name); }
};

TEST_F(GridModelTest, FlushDataAnnouncesEveryRowOnceAndAtOnce)
{
    AddClubs({"A", "B", "C"});
    for (const char* name : {"fpSpread1", "fpSpread2"}) {
        QSignalSpy changed(Grid(name).model(), &QAbstractItemModel::dataChanged);
        window->FlushData();
        ASSERT_EQ(changed.count(), 1) << name;
        EXPECT_EQ(ChangedRange(changed.first()), (Range{0, 0, 2, 13})) << name;
    }
}

TEST_F(GridModelTest, FlushDataOfNoClubsAnnouncesNothing)
{
    QSignalSpy changed(Grid("fpSpread1").model(), &QAbstractItemModel::dataChanged);
    window->FlushData();
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(GridModelTest, ASingleWriteIsAnnouncedForItsCell)
{
    AddClubs({"A", "B"});
    ui::SpreadGrid& grid = Grid("fpSpread1");
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    grid.SetRow(2);
    grid.SetCol(5);
    grid.SetNumber(1.5f);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(ChangedRange(changed.first()), (Range{1, 4, 1, 4}));
    EXPECT_EQ(grid.model()->data(grid.model()->index(1, 4)).toString(), "1.5");
}

TEST_F(GridModelTest, HeldWritesAreAnnouncedTogetherForTheRowsWritten)
{
    AddClubs({"A", "B", "C", "D"});
    ui::SpreadGrid& grid = Grid("fpSpread2");
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    grid.SetReDraw(false);
    for (int row : {3, 2}) {
        grid.SetRow(row);
        grid.SetCol(7);
        grid.SetNumber(2.0f);
    }
    EXPECT_EQ(changed.count(), 0);
    grid.SetReDraw(true);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(ChangedRange(changed.first()), (Range{1, 0, 2, 13}));
    grid.SetReDraw(true);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridModelTest, RowCountChangesAreAnnouncedAsRows)
{
    AddClubs({"A", "B", "C"});
    QAbstractItemModel* model = Grid("fpSpread1").model();
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    Click("Command4");
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.first().at(1).toInt(), 3);
    EXPECT_EQ(inserted.first().at(2).toInt(), 3);
    Click("Command3");
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.first().at(1).toInt(), 3);
}

} // namespace
} // namespace orv::testing

namespace orv::testing {
namespace {

// Rows whose readings have findings are marked in the results grid, and the
// mark follows every FlushData.
TEST_F(GridModelTest, RowsWithFindingsAreTintedAndSayWhy)
{
    AddClubs({"good", "weightless"});
    ClubMeasurements good = WorkedExample();
    ClubMeasurements weightless = WorkedExample();
    weightless.Mass = 0;
    data.ClubList.Store(1, good, {});
    data.ClubList.Store(2, weightless, {});
    window->FlushData();
    const QAbstractItemModel* results = Grid("fpSpread2").model();
    EXPECT_FALSE(results->data(results->index(0, 3), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(results->data(results->index(1, 3), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(results->headerData(1, Qt::Vertical, Qt::BackgroundRole).isValid());
    EXPECT_TRUE(results->headerData(1, Qt::Vertical, Qt::ToolTipRole)
                    .toString()
                    .contains("The mass is 0 g"));
    EXPECT_TRUE(results->data(results->index(1, 3), Qt::ToolTipRole)
                    .toString()
                    .contains("The mass is 0 g"));
    // The measurements grid stays as it is.
    const QAbstractItemModel* measurements = Grid("fpSpread1").model();
    EXPECT_FALSE(measurements->data(measurements->index(1, 3), Qt::BackgroundRole).isValid());

    data.ClubList.Store(2, good, {});
    window->FlushData();
    EXPECT_FALSE(results->data(results->index(1, 3), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(results->headerData(1, Qt::Vertical, Qt::ToolTipRole).toString().isEmpty());
}

} // namespace
} // namespace orv::testing
