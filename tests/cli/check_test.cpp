// orv-calc check end to end: the findings of every club as CSV, the
// uncertainties when asked for, and the exit statuses 0, 3, 1 and 2.
#include "cli/orv_calc.h"
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orv::cli {
namespace {

using orv::testing::ReadWholeFile;
using orv::testing::TemporaryFolder;
using orv::testing::WorkedExample;

struct CheckRun {
    ExitStatus status;
    std::string out;
    std::string err;
};

CheckRun OrvCalc(const std::vector<std::string>& arguments)
{
    std::ostringstream out, err;
    const ExitStatus status = RunOrvCalc(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::vector<std::string>> Rows(const std::string& csv)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            fields.push_back(cell);
        if (line.ends_with(','))
            fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

class CheckTest : public ::testing::Test {
protected:
    CheckTest()
    {
        ClubMeasurements good = WorkedExample();
        good.ClubNo = "7";
        good.ClubName = "Driver";
        ClubMeasurements weightless = WorkedExample();
        weightless.ClubNo = "8";
        weightless.ClubName = "Empty";
        weightless.Mass = 0;
        ClubMeasurements round = good;
        round.ClubNo = "9";
        round.ClubName = "Ball";
        round.Ixx = round.Iyy = round.Izz = round.Ixy = round.Iyz = round.Izx = 3;
        round.CMx = round.CMy = round.CMz = 0;
        for (const ClubMeasurements& club : {good, weightless, round}) {
            mixed.AppendEmpty();
            mixed.Store(mixed.HighestIndex(), club, {});
        }
        sound.AppendEmpty();
        sound.Store(1, good, {});
        SaveDataFile(Path("mixed.orv"), mixed);
        SaveDataFile(Path("sound.orv"), sound);
    }

    [[nodiscard]] std::string Path(const char* name) const
    {
        return (folder.path() / name).string();
    }

    TemporaryFolder folder;
    ClubList mixed;
    ClubList sound;
};

TEST_F(CheckTest, ListsTheFindingsOfEveryClubAndExitsWithThree)
{
    const CheckRun run = OrvCalc({"check", Path("mixed.orv")});
    EXPECT_EQ(run.status, ExitStatus::Findings) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Row", "ClubNo", "ClubName", "Findings"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "7", "Driver", ""}));
    EXPECT_EQ(rows[2][0], "2");
    EXPECT_TRUE(rows[2][3].starts_with("mass-not-positive")) << rows[2][3];
    EXPECT_EQ(rows[3][3], "axes-ill-defined");
}

TEST_F(CheckTest, SoundReadingsExitWithZero)
{
    const CheckRun run = OrvCalc({"check", Path("sound.orv"), Path("report.csv")});
    EXPECT_EQ(run.status, ExitStatus::Success) << run.err;
    EXPECT_EQ(Rows(ReadWholeFile(Path("report.csv"))).size(), 2u);
}

TEST_F(CheckTest, UncertaintyOptionsAddAColumnForEveryResult)
{
    const CheckRun run = OrvCalc({"check", Path("mixed.orv"), "--u-mass", "0.1", "--u-cm", "0.05",
                                  "--u-moment", "0.5%", "--u-volume", "1", "--u-lie", "0.2"});
    ASSERT_EQ(run.status, ExitStatus::Findings) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows[0].size(), 18u);
    EXPECT_EQ(rows[0][4], "u(EigenX)");
    EXPECT_EQ(rows[0][17], "u(EllipsoidVolume)");
    for (std::size_t column = 4; column < 18; ++column) {
        const double u = std::stod(rows[1][column]);
        EXPECT_GT(u, 0) << rows[0][column];
        EXPECT_LT(u, 10) << rows[0][column];
    }
    EXPECT_EQ(rows[3][7], "inf"); // u(ThsX) of equal moments
    // Options not given count as 0: only the volume moves the volume.
    const auto volumeOnly = Rows(OrvCalc({"check", Path("sound.orv"), "--u-volume", "2"}).out);
    EXPECT_EQ(volumeOnly[1][4], "0");
    EXPECT_NEAR(std::stod(volumeOnly[1][17]), 2, 1e-3);
    // An absolute uncertainty of the readings.
    const auto absolute = Rows(OrvCalc({"check", Path("sound.orv"), "--u-moment", "0.01"}).out);
    EXPECT_GT(std::stod(absolute[1][4]), 0);
}

// Hints and the rules' verdicts come in their own columns, between the
// findings and the uncertainties, with u(IzcAt60) last.
TEST_F(CheckTest, HintsAndRulesAddTheirColumns)
{
    ClubMeasurements slipped = WorkedExample();
    slipped.ClubName = "Slipped";
    slipped.Izz = 45;
    ClubMeasurements heavy = WorkedExample(465);
    heavy.ClubName = "Heavy";
    heavy.Ixx *= 3; // Izc' at 60 degrees well above 6 kg-cm^2
    heavy.Ixy = (heavy.Ixx + heavy.Iyy) / 2 - 0.1f;
    heavy.Izx = (heavy.Ixx + heavy.Izz) / 2 + 0.05f;
    ClubList list;
    for (const ClubMeasurements& club : {sound.At(1).Measurements, slipped, heavy}) {
        list.AppendEmpty();
        list.Store(list.HighestIndex(), club, {});
    }
    SaveDataFile(Path("rules.orv"), list);

    const auto plain = Rows(OrvCalc({"check", Path("rules.orv"), "--hints", "--rules"}).out);
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(plain[0],
              (std::vector<std::string>{"Row", "ClubNo", "ClubName", "Findings", "Hints", "IzcAt60",
                                        "MarginAt60", "MOIRule", "VolumeRule"}));
    EXPECT_EQ(plain[1][4], "");
    EXPECT_EQ(plain[1][5], "2.3317");
    EXPECT_EQ(plain[1][6], "3668.3");
    EXPECT_EQ(plain[1][7], "conforming");
    EXPECT_EQ(plain[2][2], "Slipped");
    EXPECT_TRUE(plain[2][4].starts_with("Izz/10")) << plain[2][4];
    EXPECT_EQ(plain[3][7], "nonconforming");
    EXPECT_LT(std::stod(plain[3][6]), 0);
    EXPECT_EQ(plain[3][8], "conforming"); // 465 cc

    const auto uncertain = Rows(
        OrvCalc({"check", Path("rules.orv"), "--rules", "--u-volume", "3", "--u-moment", "1%"})
            .out);
    ASSERT_EQ(uncertain[0].size(), 4u + 4u + 14u + 1u);
    EXPECT_EQ(uncertain[0][8], "u(EigenX)");
    EXPECT_EQ(uncertain[0].back(), "u(IzcAt60)");
    EXPECT_EQ(uncertain[1].back(), "0.0554"); // three significant digits
    EXPECT_EQ(uncertain[3][7], "undecided");  // VolumeRule: 465 + 2 x 3 > 470
}

TEST_F(CheckTest, BadFilesExitWithOneAndBadUsageWithTwo)
{
    EXPECT_EQ(OrvCalc({"check", Path("missing.orv")}).status, ExitStatus::BadData);
    EXPECT_EQ(OrvCalc({"check", Path("mixed.orv"), Path("mixed.orv")}).status, ExitStatus::BadData);
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"check"},
          std::vector<std::string>{"check", Path("mixed.orv"), "--u-mass"},
          std::vector<std::string>{"check", Path("mixed.orv"), "--u-mass", "-1"},
          std::vector<std::string>{"check", Path("mixed.orv"), "--u-mass", "heavy"},
          std::vector<std::string>{"check", Path("mixed.orv"), "--u-cm", "1%"},
          std::vector<std::string>{"check", Path("mixed.orv"), "--u-bogus", "1"},
          std::vector<std::string>{"check", "a.orv", "b.csv", "c.csv"}})
        EXPECT_EQ(OrvCalc(words).status, ExitStatus::WrongUsage) << words.back();
}

// A wrong option or value is named before the usage, with status 2.
TEST_F(CheckTest, AWrongOptionValueIsNamed)
{
    const struct {
        std::vector<std::string> options;
        const char* said;
    } cases[] = {
        {{"--u-mass", "abc"}, "--u-mass: \"abc\" is not a number"},
        {{"--u-mass", "-1"}, "--u-mass: \"-1\" is below 0"},
        {{"--u-lie", "inf"}, "--u-lie: \"inf\" is not a number"},
        {{"--u-moment", "+-1%"}, "--u-moment: \"+-1%\" is not a number"},
        {{"--u-cm", "1%"}, "--u-cm: \"1%\" is a percentage, which only --u-moment takes"},
        // So large that its square would overflow and read as "no derivative".
        {{"--u-volume", "1e200"},
         "--u-volume: \"1e200\" is too large: an uncertainty is at most 3.4E+38"},
        {{"--u-volume", "1e400"},
         "--u-volume: \"1e400\" is too large: an uncertainty is at most 3.4E+38"},
        {{"--u-bogus", "1"}, "--u-bogus: there is no such option"},
        {{"--u-mass"}, "--u-mass: its value is missing"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = {"check", Path("mixed.orv")};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const CheckRun run = OrvCalc(words);
        EXPECT_EQ(run.status, ExitStatus::WrongUsage) << c.said;
        EXPECT_TRUE(run.err.starts_with("orv-calc: " + std::string(c.said) + "\n\nUsage:"))
            << run.err;
    }
}

TEST_F(CheckTest, AValueMayCarryAPlusSign)
{
    const auto plus = OrvCalc(
        {"check", Path("sound.orv"), "--u-mass", "+0.1", "--u-moment", "+.5%"});
    const auto plain = OrvCalc(
        {"check", Path("sound.orv"), "--u-mass", ".1", "--u-moment", "0.5%"});
    EXPECT_EQ(plus.status, ExitStatus::Success) << plus.err;
    EXPECT_EQ(plus.out, plain.out);
    // A value below the smallest double is as good as 0.
    EXPECT_EQ(OrvCalc({"check", Path("sound.orv"), "--u-cm", "1e-400"}).status,
              ExitStatus::Success);
}

} // namespace
} // namespace orv::cli
