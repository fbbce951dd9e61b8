// orv-calc at the file boundary under faults and hostile input: failing
// reads, FIFOs and devices, full disks and closed outputs, its own input as
// output, and no threads to be had. Each case ends with status 1 and a
// message, or works as a user expects, and never damages a file.
#include "cli/club_csv.h"
#include "cli/orv_calc.h"
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"
#include "tests/support/processes.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace orv::cli {
namespace {

using testing::InChildProcess;
using testing::kNobody;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TemporaryFolder;

const std::string kHeader =
    "ClubNo,ClubName,Mass,Volume,CMx,CMy,CMz,Ixx,Iyy,Izz,Ixy,Iyz,Izx,LieAngle\r\n";

std::string Row(int i)
{
    return std::to_string(i) + ",Head " + std::to_string(i)
           + ",200,460,10,-20,5,2.85,3.25,4.5,3.35,4.275,3.625,60\r\n";
}

class FileFaultsTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string Path(const char* name) const
    {
        return (folder.path() / name).string();
    }

    void Write(const char* name, std::string_view bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    // A document with the worked example in it.
    void WriteDocument(const char* name) const
    {
        ClubList list;
        list.AppendEmpty();
        list.Store(1, orv::testing::WorkedExample(), {});
        SaveDataFile(Path(name), list);
    }

    static testing::ProgramRun OrvCalc(const std::vector<std::string>& arguments,
                                       const std::vector<std::string>& environment = {},
                                       const std::string& stdoutPath = {})
    {
        std::vector<std::string> withSanitizer = environment;
        // The shim is preloaded before a sanitizer's runtime.
        withSanitizer.emplace_back("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0");
        return RunProgram(ORV_CALC_PATH, arguments, withSanitizer, stdoutPath);
    }

    static std::vector<std::string> FailReadsAt(const std::string& path, std::size_t offset)
    {
        return {"LD_PRELOAD=" ORV_READ_FAILURE_SHIM, "ORV_FAIL_READ_PATH=" + path,
                "ORV_FAIL_READ_AT=" + std::to_string(offset)};
    }

    TemporaryFolder folder;
};

TEST_F(FileFaultsTest, ImportFailsOnAReadErrorAndWritesNothing)
{
    std::string csv = kHeader;
    std::size_t endOfRow500 = 0;
    std::size_t insideLastNumberOfRow500 = 0;
    for (int i = 1; i <= 1000; ++i) {
        csv += Row(i);
        if (i == 500) {
            endOfRow500 = csv.size();
            insideLastNumberOfRow500 = csv.size() - 3; // "6|0\r\n"
        }
    }
    Write("in.csv", csv);
    Write("out.orv", "previous");
    for (std::size_t offset : {endOfRow500, insideLastNumberOfRow500}) {
        const auto run = OrvCalc({"import", Path("in.csv"), Path("out.orv")},
                                 FailReadsAt(Path("in.csv"), offset));
        EXPECT_EQ(run.status, 1) << offset << ": " << run.err;
        EXPECT_NE(run.err.find(Path("in.csv")), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Input/output error"), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(Path("out.orv")), "previous");
    }
    // The shim itself: without a failure the same import works.
    EXPECT_EQ(OrvCalc({"import", Path("in.csv"), Path("out.orv")}).status, 0);
}

TEST_F(FileFaultsTest, ReadErrorsInADocumentFailEveryCommand)
{
    WriteDocument("a.orv");
    Write("out.csv", "previous");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"export", Path("a.orv"), Path("out.csv")},
          std::vector<std::string>{"recompute", Path("a.orv"), Path("out.csv")}}) {
        const auto run = OrvCalc(command, FailReadsAt(Path("a.orv"), 60));
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find("Input/output error"), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(Path("out.csv")), "previous");
    }
}

TEST_F(FileFaultsTest, AFolderOrAFifoAsInputIsRefusedAtOnce)
{
    std::filesystem::create_directory(Path("folder.csv"));
    ASSERT_EQ(::mkfifo(Path("fifo.csv").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(Path("fifo.orv").c_str(), 0644), 0);
    WriteDocument("a.orv");
    const struct {
        std::vector<std::string> command;
        const char* says;
    } cases[] = {
        {{"import", Path("folder.csv"), Path("out.orv")}, "is a folder, not a file"},
        {{"import", Path("fifo.csv"), Path("out.orv")}, "is a FIFO, not a file"},
        {{"export", Path("fifo.orv")}, "is a FIFO, not a file"},
        {{"recompute", Path("fifo.orv"), Path("out.orv")}, "is a FIFO, not a file"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunOrvCalc(c.command, out, err), ExitStatus::BadData);
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(Path("out.orv")));
}

// Standard output that cannot take the CSV: every write and the last flush
// are checked.
TEST_F(FileFaultsTest, ExportToAFullOrClosedStandardOutputFails)
{
    WriteDocument("a.orv");
    const auto full = OrvCalc({"export", Path("a.orv")}, {}, "/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    const auto closed = OrvCalc({"export", Path("a.orv")}, {}, "-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.err.find("standard output"), std::string::npos) << closed.err;
    const auto fine = OrvCalc({"export", Path("a.orv")});
    EXPECT_EQ(fine.status, 0);
    EXPECT_TRUE(fine.out.starts_with("ClubNo,"));
}

TEST_F(FileFaultsTest, ExportToACharacterDeviceWritesIntoIt)
{
    WriteDocument("a.orv");
    // A null device of its own, never the real /dev.
    if (::mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    const auto run = OrvCalc({"export", Path("a.orv"), Path("null")});
    EXPECT_EQ(run.status, 0) << run.err;
    struct stat info { };
    ASSERT_EQ(::stat(Path("null").c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(FileFaultsTest, ExportToAFifoFeedsItsReaderAndFailsWithoutOne)
{
    WriteDocument("a.orv");
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0644), 0);
    std::ostringstream out, err;
    EXPECT_EQ(RunOrvCalc(std::vector<std::string>{"export", Path("a.orv"), Path("pipe")}, out, err),
              ExitStatus::BadData);
    EXPECT_EQ(err.str(),
              "orv-calc: Cannot save " + Path("pipe") + ": no program reads from that FIFO\n");

    std::string received;
    std::jthread reader([&] { received = ReadWholeFile(Path("pipe")); });
    const auto run = OrvCalc({"export", Path("a.orv"), Path("pipe")});
    reader.join();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(received.starts_with("ClubNo,")) << received;
    struct stat info { };
    ASSERT_EQ(::stat(Path("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(FileFaultsTest, OutputThatIsTheInputIsRefused)
{
    Write("x.csv", kHeader + Row(1));
    WriteDocument("a.orv");
    std::filesystem::create_symlink(Path("a.orv"), Path("link.orv"));
    const std::string csv = ReadWholeFile(Path("x.csv"));
    const std::string document = ReadWholeFile(Path("a.orv"));
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"import", Path("x.csv"), Path("x.csv")},
          std::vector<std::string>{"export", Path("a.orv"), Path("a.orv")},
          std::vector<std::string>{"export", Path("a.orv"), Path("link.orv")}}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunOrvCalc(command, out, err), ExitStatus::BadData) << command[2];
        EXPECT_NE(err.str().find("is the input file"), std::string::npos) << err.str();
    }
    EXPECT_EQ(ReadWholeFile(Path("x.csv")), csv);
    EXPECT_EQ(ReadWholeFile(Path("a.orv")), document);
    // Whole or nothing, recompute may replace its own input.
    std::ostringstream out, err;
    EXPECT_EQ(
        RunOrvCalc(std::vector<std::string>{"recompute", Path("a.orv"), Path("a.orv")}, out, err),
        ExitStatus::Success);
}

// The largest legal document does not fit in the memory given: every
// command says so and exits, instead of aborting.
TEST_F(FileFaultsTest, RunningOutOfMemoryEndsACommandWithAMessage)
{
    if (testing::kAddressSanitizer)
        GTEST_SKIP() << "a sanitizer's shadow memory cannot live under a memory limit";
    testing::WriteLargestSparseDocument(Path("huge.orv"));
    Write("out.orv", "previous");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"export", Path("huge.orv")},
          std::vector<std::string>{"recompute", Path("huge.orv"), Path("out.orv")}}) {
        const int status = InChildProcess([&] {
            const rlimit limit{1024u << 20, 1024u << 20};
            if (::setrlimit(RLIMIT_AS, &limit) != 0)
                return 2;
            std::ostringstream out, err;
            const ExitStatus result = RunOrvCalc(command, out, err);
            return result == ExitStatus::BadData
                           && err.str().find("not enough memory") != std::string::npos
                       ? 0
                       : 1;
        });
        EXPECT_EQ(status, 0) << command[0];
    }
    EXPECT_EQ(ReadWholeFile(Path("out.orv")), "previous");
}

// With no thread to be had, the clubs are computed on the calling thread.
TEST_F(FileFaultsTest, ComputesWithoutWorkerThreads)
{
    if (testing::kAddressSanitizer)
        GTEST_SKIP() << "the sanitizer's own threads need the process limit";
    std::vector<ClubRecord> clubs(64);
    for (ClubRecord& club : clubs)
        club.Measurements = orv::testing::WorkedExample();
    const int status = InChildProcess([&] {
        // Root is not held to the limit on processes: run as nobody.
        if (::geteuid() == 0 && ::setuid(kNobody) != 0)
            return 2;
        const rlimit none{0, 0};
        if (::setrlimit(RLIMIT_NPROC, &none) != 0)
            return 3;
        try {
            std::jthread probe([] {});
            return 4; // threads still start: the limit is not in force here
        } catch (const std::system_error&) {
        }
        const std::vector<ClubResults> results = ResultsAsCalculated(clubs);
        const ClubResults expected = ResultsAsCalculated(clubs[0].Measurements);
        for (const ClubResults& result : results)
            if (!(result == expected))
                return 1;
        return results.size() == clubs.size() ? 0 : 1;
    });
    if (status == 4)
        GTEST_SKIP() << "threads start despite the process limit";
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace orv::cli
