// Outputs as a shell hands them over: /dev/stdout and /dev/stderr redirected
// to a file with > or >>, into a pipe or a socket. orv-calc writes into the
// descriptor from where it stands, so an append stays an append, one command
// after another fills one file, and a pipe gets every byte.
#include "cli/orv_calc.h"
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"
#include "tests/support/processes.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <sstream>

#include <sys/socket.h>
#include <sys/stat.h>

namespace orv::cli {
namespace {

using testing::ReadWholeFile;
using testing::RunProgram;
using testing::TemporaryFolder;

class ShellOutputsTest : public ::testing::Test {
protected:
    ShellOutputsTest()
    {
        WriteDocument("a.orv", "Head A");
        WriteDocument("b.orv", "Head B");
    }

    [[nodiscard]] std::string Path(const char* name) const
    {
        return (folder.path() / name).string();
    }

    void WriteDocument(const char* name, const char* clubName) const
    {
        ClubList list;
        list.AppendEmpty();
        ClubMeasurements club = orv::testing::WorkedExample();
        club.ClubName = clubName;
        list.Store(1, club, {});
        SaveDataFile(Path(name), list);
    }

    // Runs a shell script in the folder, with $ORV_CALC naming orv-calc.
    [[nodiscard]] testing::ProgramRun Shell(const std::string& script) const
    {
        return RunProgram("/bin/sh", {"-c", "cd \"$ORV_FOLDER\" && " + script},
                          {"ORV_CALC=" ORV_CALC_PATH, "ORV_FOLDER=" + folder.path().string()});
    }

    [[nodiscard]] ino_t Inode(const char* name) const
    {
        struct stat info { };
        EXPECT_EQ(::stat(Path(name).c_str(), &info), 0) << name;
        return info.st_ino;
    }

    TemporaryFolder folder;
};

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(ShellOutputsTest, AnAppendToAFileStaysAnAppend)
{
    const auto run = Shell("printf 'earlier line\\n' > log.csv && ls -i log.csv > inode"
                           " && \"$ORV_CALC\" export a.orv /dev/stdout >> log.csv"
                           " && printf 'earlier error\\n' > err.log"
                           " && \"$ORV_CALC\" check a.orv /dev/stderr 2>> err.log");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string log = ReadWholeFile(folder.path() / "log.csv");
    EXPECT_TRUE(log.starts_with("earlier line\nClubNo,")) << log;
    EXPECT_EQ(Count(log, "Head A"), 1u);
    EXPECT_EQ(std::to_string(Inode("log.csv")) + " log.csv\n",
              ReadWholeFile(folder.path() / "inode"));
    const std::string errors = ReadWholeFile(folder.path() / "err.log");
    EXPECT_TRUE(errors.starts_with("earlier error\nRow,ClubNo,ClubName,Findings")) << errors;
}

TEST_F(ShellOutputsTest, CommandsInARowFillOneRedirectedFile)
{
    const auto run = Shell("{ \"$ORV_CALC\" export a.orv /dev/stdout"
                           " && \"$ORV_CALC\" export b.orv /dev/fd/1; } > all.csv");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string all = ReadWholeFile(folder.path() / "all.csv");
    EXPECT_EQ(Count(all, "ClubNo,"), 2u) << all;
    EXPECT_LT(all.find("Head A"), all.find("Head B"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

TEST_F(ShellOutputsTest, APipeGetsEveryByte)
{
    const auto run = Shell("{ \"$ORV_CALC\" export a.orv /proc/self/fd/1; echo $? > status; }"
                           " | wc -c > count");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(folder.path() / "status"), "0\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunOrvCalc(std::vector<std::string>{"export", Path("a.orv")}, out, err),
              ExitStatus::Success);
    EXPECT_EQ(std::stoul(ReadWholeFile(folder.path() / "count")), out.str().size());
}

TEST_F(ShellOutputsTest, RecomputeWritesTheBinaryDocumentIntoARedirection)
{
    const auto run = Shell(
        "{ ls -i piped.orv > inode && \"$ORV_CALC\" recompute a.orv /dev/stdout; }"
        " > piped.orv && \"$ORV_CALC\" recompute a.orv named.orv");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(folder.path() / "piped.orv"),
              ReadWholeFile(folder.path() / "named.orv"));
    // Written into the file the shell opened, not replaced by another.
    EXPECT_EQ(std::to_string(Inode("piped.orv")) + " piped.orv\n",
              ReadWholeFile(folder.path() / "inode"));
}

TEST_F(ShellOutputsTest, ASocketAsStandardOutputGetsTheCsv)
{
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    const int status = testing::InChildProcess([&] {
        ::close(ends[0]);
        if (::dup2(ends[1], STDOUT_FILENO) < 0)
            return 2;
        std::ostringstream out, err;
        return static_cast<int>(
            RunOrvCalc(std::vector<std::string>{"export", Path("a.orv"), "/dev/stdout"}, out, err));
    });
    ::close(ends[1]);
    std::string received;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(received.starts_with("ClubNo,")) << received;
}

TEST_F(ShellOutputsTest, ADescriptorThatIsNotOpenIsSaidAndNothingIsMade)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunOrvCalc(std::vector<std::string>{"export", Path("a.orv"), "/dev/fd/97"}, out, err),
              ExitStatus::BadData);
    EXPECT_EQ(err.str(), "orv-calc: Cannot save /dev/fd/97: no such descriptor is open\n");
}

} // namespace
} // namespace orv::cli
