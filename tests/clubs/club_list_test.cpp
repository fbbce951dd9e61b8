#include "clubs/club_list.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

ClubList ListOfNamedClubs(std::initializer_list<const char*> names)
{
    ClubList list;
    for (const char* name : names) {
        list.AppendEmpty();
        ClubMeasurements club;
        club.ClubName = name;
        list.Store(list.HighestIndex(), club, {});
    }
    return list;
}

std::vector<std::string> Names(const ClubList& list)
{
    std::vector<std::string> names;
    for (const ClubRecord& record : list.Slots())
        names.push_back(record.Measurements.ClubName);
    return names;
}

TEST(ClubList, StartsWithOnlyTheEmptySpareSlot)
{
    const ClubList list;
    EXPECT_EQ(list.HighestIndex(), 0);
    EXPECT_EQ(list.At(0), ClubRecord{});
}

TEST(ClubList, AppendAddsAnEmptyClubAndKeepsTheOthers)
{
    ClubList list = ListOfNamedClubs({"A"});
    list.AppendEmpty();
    EXPECT_EQ(list.HighestIndex(), 2);
    EXPECT_EQ(list.At(2), ClubRecord{});
    EXPECT_EQ(list.At(2).Measurements.Azimuth, 0.0f);
    EXPECT_EQ(list.At(1).Measurements.ClubName, "A");
}

TEST(ClubList, RemoveMovesLaterClubsDown)
{
    ClubList list = ListOfNamedClubs({"A", "B", "C"});
    ClubMeasurements spare;
    spare.ClubName = "spare";
    list.Store(0, spare, {});
    list.Remove(2);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"spare", "A", "C"}));
    list.Remove(2);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"spare", "A"}));
}

TEST(ClubList, ResetDropsEverythingIncludingTheSpareSlot)
{
    ClubList list = ListOfNamedClubs({"A", "B"});
    ClubMeasurements spare;
    spare.ClubName = "spare";
    list.Store(0, spare, {});
    list.Reset();
    EXPECT_EQ(list.HighestIndex(), 0);
    EXPECT_EQ(list.At(0), ClubRecord{});
}

TEST(ClubList, IndexOutsideTheListIsAnErrorTheCallerSees)
{
    ClubList list = ListOfNamedClubs({"A"});
    EXPECT_THROW(list.Store(2, {}, {}), std::out_of_range);
    EXPECT_THROW(list.Store(-1, {}, {}), std::out_of_range);
    EXPECT_THROW((void)list.Fetch(2), std::out_of_range);
    EXPECT_THROW(list.Remove(5), std::out_of_range);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"", "A"}));
    ClubList empty;
    EXPECT_THROW(empty.Remove(0), std::out_of_range);
    EXPECT_EQ(empty.HighestIndex(), 0);
}

TEST(ClubList, StoreCopiesEveryField)
{
    ClubList list = ListOfNamedClubs({"A"});
    ClubMeasurements club;
    club.ClubNo = "7";
    club.Reserved1 = "reserved text kept";
    club.Mass = 200;
    ClubResults results;
    results.EigenX = 3.5f;
    list.Store(1, club, results);
    club.ClubNo = "changed";
    EXPECT_EQ(list.At(1).Measurements.ClubNo, "7");
    EXPECT_EQ(list.At(1).Measurements.Reserved1, "reserved text kept");
    EXPECT_EQ(list.At(1).Results.EigenX, 3.5f);
    EXPECT_EQ(list.Fetch(1).Mass, 200.0f);
}

TEST(ClubList, AppendBeyondTheLimitIsRefusedAndChangesNothing)
{
    ClubList list;
    for (int i = 0; i < kMaxClubs; ++i)
        list.AppendEmpty();
    EXPECT_EQ(list.HighestIndex(), kMaxClubs);
    EXPECT_THROW(list.AppendEmpty(), ClubListFull);
    EXPECT_EQ(list.HighestIndex(), kMaxClubs);
}

TEST(ClubList, ReplaceAllRefusesAnEmptyOrOversizedList)
{
    ClubList list = ListOfNamedClubs({"A"});
    EXPECT_THROW(list.ReplaceAll({}), std::length_error);
    EXPECT_THROW(list.ReplaceAll(std::vector<ClubRecord>(kMaxClubs + 2)), std::length_error);
    EXPECT_EQ(list.HighestIndex(), 1);
    list.ReplaceAll(std::vector<ClubRecord>(3));
    EXPECT_EQ(list.HighestIndex(), 2);
}

} // namespace
} // namespace orv
