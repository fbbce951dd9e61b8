// orv-calc report end to end: the PDF's pages and its text, read back with
// poppler's pdftotext and pdfinfo, and the failures that write nothing.
#include "clubs/club_file.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/worked_example.h"
#include "tests/support/processes.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <regex>

namespace orv::cli {
namespace {

using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TemporaryFolder;

class ReportTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string Path(const char* name) const
    {
        return (folder.path() / name).string();
    }

    // A sound driver and one with a missing decimal point in its Izz.
    void WriteTwoHeads(const char* name) const
    {
        ClubList list;
        ClubMeasurements sound = orv::testing::WorkedExample(458, 60);
        sound.ClubNo = "7";
        sound.ClubName = "Driver with a rather long name that a summary column cannot hold whole";
        ClubMeasurements slipped = orv::testing::WorkedExample(458, 60);
        slipped.ClubNo = "8";
        slipped.ClubName = "Slipped driver";
        slipped.Izz = 45;
        for (const ClubMeasurements& club : {sound, slipped}) {
            list.AppendEmpty();
            list.Store(list.HighestIndex(), club, ComputeEllipsoidOfInertia(club).Results);
        }
        SaveDataFile(Path(name), list);
    }

    static testing::ProgramRun Report(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> words = {"report"};
        words.insert(words.end(), arguments.begin(), arguments.end());
        return RunProgram(ORV_CALC_PATH, words);
    }

    [[nodiscard]] static int Pages(const std::string& pdf)
    {
        const testing::ProgramRun info = RunProgram("/usr/bin/pdfinfo", {pdf});
        std::smatch match;
        if (!std::regex_search(info.out, match, std::regex("Pages:\\s+(\\d+)")))
            return -1;
        return std::stoi(match[1]);
    }

    [[nodiscard]] static std::string Text(const std::string& pdf)
    {
        return RunProgram("/usr/bin/pdftotext", {"-layout", pdf, "-"}).out;
    }

    TemporaryFolder folder;
};

TEST_F(ReportTest, GivesASummaryAndAPageForEveryHeadWithItsNumbers)
{
    WriteTwoHeads("heads.orv");
    const auto run = Report({Path("heads.orv"), Path("report.pdf"), "--u-moment", "0.5%"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Pages(Path("report.pdf")), 3);
    const std::string text = Text(Path("report.pdf"));
    for (const char* expected :
         {"Measurement report", "heads.orv", "readings 0.5%", "Slipped driver", "page 1 of 3",
          "page 3 of 3",
          // The worked example's tensor and Izc' at 60 degrees, as the windows show them.
          "2.0000", "-0.1000", "0.0500", "3.5000", "2.3317", "conforming", "nonconforming",
          // A finding and its hint, in words.
          "exceeds the sum of the other two",
          "I_zz is perhaps ten times too large: with 4.5 instead of 45"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    // A long name is cut short in the summary, whole on its own page.
    EXPECT_NE(text.find("Driver with a rather long name that a summary column cannot hold whole"),
              std::string::npos);
}

TEST_F(ReportTest, OnlyOneHeadOnRequest)
{
    WriteTwoHeads("heads.orv");
    const auto run = Report({Path("heads.orv"), Path("one.pdf"), "--only", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Pages(Path("one.pdf")), 2);
    EXPECT_EQ(Text(Path("one.pdf")).find("rather long name"), std::string::npos);
}

TEST_F(ReportTest, ThreeHundredHeadsGiveThreeHundredPagesAndTheSummary)
{
    ClubList list;
    for (int i = 0; i < 300; ++i) {
        list.AppendEmpty();
        ClubMeasurements club = orv::testing::WorkedExample(450, 55 + static_cast<float>(i % 10));
        club.ClubName = "Head " + std::to_string(i + 1);
        list.Store(i + 1, club, {});
    }
    SaveDataFile(Path("many.orv"), list);
    const auto run = Report({Path("many.orv"), Path("many.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const int pages = Pages(Path("many.pdf"));
    EXPECT_GT(pages, 300);
    EXPECT_LE(pages, 320);
    EXPECT_NE(Text(Path("many.pdf"))
                  .find("page " + std::to_string(pages) + " of " + std::to_string(pages)),
              std::string::npos);
}

TEST_F(ReportTest, FailuresSayWhyAndWriteNothing)
{
    WriteTwoHeads("heads.orv");
    const struct {
        std::vector<std::string> words;
        int status;
        const char* said;
    } cases[] = {
        {{Path("heads.orv"), Path("out.pdf"), "--only", "3"}, 1, "holds 2 heads"},
        {{Path("missing.orv"), Path("out.pdf")}, 1, "missing.orv"},
        {{Path("heads.orv"), Path("no-folder/out.pdf")}, 1, "Cannot save"},
        {{Path("heads.orv")}, 2, "Usage: orv-calc report"},
        {{Path("heads.orv"), Path("out.pdf"), "--only", "x"},
         2,
         "--only: \"x\" is not a row number"},
    };
    for (const auto& c : cases) {
        const auto run = Report(c.words);
        EXPECT_EQ(run.status, c.status) << c.said;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("out.pdf")));
}

} // namespace
} // namespace orv::cli
