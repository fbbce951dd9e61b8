#include "cli/orv_calc.h"

#include "cli/club_csv.h"
#include "clubs/club_file.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/worked_example_results.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace orv::cli {
namespace {

using orv::testing::ReadWholeFile;
using orv::testing::TemporaryFolder;

void WriteFile(const std::filesystem::path& path, std::string_view text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome OrvCalc(std::vector<std::string> arguments)
{
    std::ostringstream out, err;
    const int status = static_cast<int>(RunOrvCalc(arguments, out, err));
    return {status, out.str(), err.str()};
}

// Two clubs with texts that need quoting and converting, and results as a
// computation left them.
ClubList SmallDocument()
{
    ClubList list;
    ClubMeasurements driver = orv::testing::WorkedExample();
    driver.ClubNo = "7";
    driver.ClubName = "Driver, \"Tour\"";
    driver.PictureName = "/heads/driver.jpg";
    ClubMeasurements fairway;
    fairway.ClubNo = "3W";
    fairway.ClubName = "Fairway \u00e9t\u00e9";
    fairway.Mass = 215.5f;
    fairway.Volume = 0.1f;
    fairway.CMz = -1e-7f;
    fairway.Azimuth = 0;
    ClubResults results;
    results.EigenX = 3.57028f;
    results.PhsZ = 180;
    for (const auto& [club, result] :
         {std::pair{driver, results}, std::pair{fairway, ClubResults{}}}) {
        list.AppendEmpty();
        list.Store(list.HighestIndex(), club, result);
    }
    return list;
}

class OrvCalcTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (folder.path() / name).string(); }

    TemporaryFolder folder;
};

TEST_F(OrvCalcTest, ExportMatchesTheFixture)
{
    SaveDataFile(Path("small.orv"), SmallDocument());
    const Outcome run = OrvCalc({"export", Path("small.orv")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              ReadWholeFile(std::filesystem::path(ORV_CLI_FIXTURES) / "small_document.csv"));

    EXPECT_EQ(OrvCalc({"export", Path("small.orv"), Path("small.csv")}).status, 0);
    EXPECT_EQ(ReadWholeFile(Path("small.csv")), run.out);
}

TEST_F(OrvCalcTest, ExportImportExportIsLossless)
{
    ClubList list = SmallDocument();
    for (int k = 1; k <= list.HighestIndex(); ++k) {
        ClubMeasurements club = list.At(k).Measurements;
        club.Azimuth = 180;
        list.Store(k, club, ResultsAsCalculated(club));
    }
    SaveDataFile(Path("a.orv"), list);
    ASSERT_EQ(OrvCalc({"export", Path("a.orv"), Path("a.csv")}).status, 0);
    const Outcome imported = OrvCalc({"import", Path("a.csv"), Path("b.orv")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(OrvCalc({"export", Path("b.orv")}).out, ReadWholeFile(Path("a.csv")));
    EXPECT_EQ(ReadWholeFile(Path("b.orv")), ReadWholeFile(Path("a.orv")));
}

TEST_F(OrvCalcTest, RecomputeGivesTheWorkedExampleFigures)
{
    ClubList list;
    ClubRecord spare;
    spare.Measurements.ClubName = "spare slot";
    ClubMeasurements club = orv::testing::WorkedExample(200, 60);
    club.Azimuth = 90; // kept in the file, but the computation uses 180
    club.Reserved1 = "reserved";
    ClubResults stale;
    stale.EigenX = 99;
    list.ReplaceAll({spare, ClubRecord{club, stale}});
    SaveDataFile(Path("in.orv"), list);

    const Outcome run = OrvCalc({"recompute", Path("in.orv"), Path("in.orv")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<ClubRecord> read = ReadDataFile(Path("in.orv"));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], spare);
    EXPECT_EQ(read[1].Measurements, club);
    orv::testing::ExpectWorkedExampleResults(read[1].Results, 2.3317f);
}

struct BadCsv {
    const char* name;
    std::string csv;
    const char* message;
};

class BadImportTest : public OrvCalcTest, public ::testing::WithParamInterface<BadCsv> { };

const std::string kHeader =
    "ClubNo,ClubName,Mass,Volume,CMx,CMy,CMz,Ixx,Iyy,Izz,Ixy,Iyz,Izx,LieAngle\r\n";

std::string ManyRows(int rows)
{
    std::string csv = kHeader;
    for (int i = 0; i < rows; ++i)
        csv += "1,a,1,1,1,1,1,1,1,1,1,1,1,1\r\n";
    return csv;
}

TEST_P(BadImportTest, SaysWhereAndWritesNothing)
{
    WriteFile(Path("in.csv"), GetParam().csv);
    WriteFile(Path("out.orv"), "previous");
    const Outcome run = OrvCalc({"import", Path("in.csv"), Path("out.orv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(Path("out.orv")), "previous");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadImportTest,
    ::testing::Values(
        BadCsv{"MissingColumn", "ClubNo,ClubName,Mass\r\n1,a,2\r\n",
               "line 1, column Volume: the column is missing"},
        BadCsv{"NotANumber",
               kHeader + "1,a,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,b,heavy,1,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 3, column Mass: \"heavy\" is not a number"},
        BadCsv{"EmptyNumber", kHeader + "1,a,1,,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 2, column Volume: \"\" is not a number"},
        BadCsv{"BeyondSingle", kHeader + "1,a,1,1,1,1,1,1,1,1,1,1e39,1,1\r\n",
               "line 2, column Iyz: \"1e39\" is beyond the single-precision range"},
        BadCsv{"BeyondDouble", kHeader + "1,a,1,1,1,1,1,1,1,1,1,1,1,1e400\r\n",
               "line 2, column LieAngle: \"1e400\" is beyond the single-precision range"},
        BadCsv{"TextNotStorable", kHeader + "1,\"\u65e5\u672c\",1,1,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 2, column ClubName: the text holds characters"},
        BadCsv{"ShortRow", kHeader + "1,a,1\r\n", "line 2, column Volume: the row ends"},
        BadCsv{"TooManyRows", ManyRows(32768), "line 32769: more than 32767 clubs"},
        BadCsv{"OpenQuote", kHeader + "1,\"a,1\r\n", "line 2: a quoted field is never closed"},
        BadCsv{"TwoSigns", kHeader + "1,a,+-200,1,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 2, column Mass: \"+-200\" is not a number"},
        BadCsv{"TooSmall", kHeader + "1,a,1e-46,1,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 2, column Mass: \"1e-46\" is too close to 0"},
        BadCsv{"FarTooSmall", kHeader + "1,a,1e-400,1,1,1,1,1,1,1,1,1,1,1\r\n",
               "line 2, column Mass: \"1e-400\" is too close to 0"},
        BadCsv{"CarriageReturnLines",
               "ClubNo,ClubName,Mass,Volume,CMx,CMy,CMz,Ixx,Iyy,Izz,Ixy,Iyz,Izx,LieAngle\r"
               "1,\"two\rlines\",1,1,1,1,1,1,1,1,1,1,1,1\r1,a,heavy,1,1,1,1,1,1,1,1,1,1,1\r",
               "line 4, column Mass: \"heavy\" is not a number"},
        BadCsv{"NoHeader",
               "\x7f"
               "ELF\x02\x01\x01 binary junk\n"
                   + std::string(100, ','),
               "line 1, column ClubNo: the column is missing"},
        BadCsv{"EndlessRow", kHeader + std::string(2 * 1024 * 1024, ','),
               "line 2: the row is longer than any row of a club document"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(OrvCalcTest, ImportFindsColumnsByNameInAnyOrder)
{
    WriteFile(Path("in.csv"),
              "LieAngle,Izx,Iyz,Ixy,Izz,Iyy,Ixx,CMz,CMy,CMx,Volume,Mass,ClubName,Notes,ClubNo\n"
              "0,3.625,4.275,3.35,4.5,3.25,2.85,5,-20,10,200,200,Driver,ignored,7\n"
              ",,,,,,,,,,,,,,\n");
    const Outcome run = OrvCalc({"import", Path("in.csv"), Path("out.orv")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<ClubRecord> read = ReadDataFile(Path("out.orv"));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].Measurements.ClubName, "Driver");
    EXPECT_EQ(read[1].Measurements.Azimuth, 180.0f);
    EXPECT_EQ(read[1].Results.IzzC, 3.5f);
    EXPECT_EQ(OrvCalc({"import", Path("in.csv"), Path("out.orv")}).status, 0);
    EXPECT_EQ(ImportClubsCsv(ReadWholeFile(Path("in.csv"))).size(), 1u);
    EXPECT_EQ(ImportClubsCsv(ManyRows(kMaxClubs)).size(), static_cast<std::size_t>(kMaxClubs));
}

TEST_F(OrvCalcTest, UnreadableInputsAndOutputsFailWithTheReason)
{
    WriteFile(Path("cut.orv"), std::string(100, '\0'));
    const Outcome cut = OrvCalc({"export", Path("cut.orv")});
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.err.find("ends inside a club record"), std::string::npos) << cut.err;

    const Outcome missing = OrvCalc({"recompute", Path("none.orv"), Path("out.orv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.orv"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("out.orv")));

    SaveDataFile(Path("ok.orv"), SmallDocument());
    const Outcome unwritable = OrvCalc({"export", Path("ok.orv"), Path("no/such/folder.csv")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("folder.csv"), std::string::npos);
}

TEST(OrvCalcUsage, WrongUsageShowsTheUsageWithStatusTwo)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"export"},
                                                      {"recompute", "a.orv"},
                                                      {"import", "a", "b", "c"},
                                                      {"frobnicate", "x"},
                                                      {"--help", "extra"}}) {
        const Outcome run = OrvCalc(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage: orv-calc"), std::string::npos);
    }
    EXPECT_EQ(OrvCalc({"--help"}).status, 0);
    EXPECT_EQ(OrvCalc({"--version"}).out, "orv-calc 2.0\n");
}

} // namespace
} // namespace orv::cli
