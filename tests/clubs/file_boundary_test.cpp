// The club data file's reading and writing at the file system's edges:
// streams in odd pieces, files that cannot be read, FIFOs, read-only files,
// other owners, long names and links that lead nowhere or in circles.
#include "clubs/club_file.h"
#include "clubs/input_file.h"
#include "clubs/whole_file.h"
#include "tests/support/processes.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <random>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

using testing::InChildProcess;
using testing::kNobody;
using testing::ReadWholeFile;
using testing::TemporaryFolder;

ClubList ThreeClubs()
{
    ClubList list;
    for (const std::string& name :
         {std::string("Driver"), std::string("Fairway \xC3\xA9t\xC3\xA9"), std::string(300, 'x')}) {
        list.AppendEmpty();
        ClubMeasurements club;
        club.ClubName = name;
        club.Mass = 200;
        club.PictureName = "/heads/" + name;
        list.Store(list.HighestIndex(), club, {});
    }
    return list;
}

// Hands out the bytes a few at a time, as a slow pipe or disk might.
class TricklingSource : public ByteSource {
public:
    TricklingSource(std::string_view bytes, unsigned seed)
        : m_bytes(bytes)
        , m_random(seed)
    {
    }

    std::size_t Read(std::span<std::byte> into) override
    {
        const std::size_t count = std::min(
            {into.size(), m_bytes.size(),
             std::uniform_int_distribution<std::size_t>(1, 7)(m_random)});
        std::memcpy(into.data(), m_bytes.data(), count);
        m_bytes.remove_prefix(count);
        return count;
    }

private:
    std::string_view m_bytes;
    std::mt19937 m_random;
};

TEST(FileBoundary, RecordsDecodeTheSameInAnyPieces)
{
    const ClubList list = ThreeClubs();
    const std::string bytes = EncodeClubData(list.Slots());
    for (unsigned seed = 1; seed <= 20; ++seed) {
        TricklingSource source(bytes, seed);
        EXPECT_EQ(DecodeClubData(source), list.Slots()) << seed;
    }
    TricklingSource cut(std::string_view(bytes).substr(0, bytes.size() - 1), 3);
    EXPECT_THROW((void)DecodeClubData(cut), ClubFileError);
}

TEST(FileBoundary, AFifoOrAFolderIsRefusedWithoutWaiting)
{
    TemporaryFolder folder;
    const auto fifo = folder.path() / "x.orv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(folder.path() / "folder.orv");
    for (const auto& [path, kind] :
         {std::pair{fifo, "a FIFO"}, std::pair{folder.path() / "folder.orv", "a folder"}}) {
        try {
            (void)ReadDataFile(path);
            ADD_FAILURE() << path;
        } catch (const ClubFileError& error) {
            EXPECT_EQ(error.kind(), ClubFileError::Kind::CannotOpen);
            EXPECT_NE(std::string(error.what()).find(kind), std::string::npos) << error.what();
        }
    }
}

// /proc/self/mem is a regular file whose first page cannot be read: a real
// input/output error.
TEST(FileBoundary, AReadErrorIsReportedAsOneWithTheSystemsWords)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "broken.orv";
    std::filesystem::create_symlink("/proc/self/mem", path);
    try {
        (void)ReadDataFile(path);
        FAIL();
    } catch (const ClubFileError& error) {
        EXPECT_EQ(error.kind(), ClubFileError::Kind::CannotRead);
        EXPECT_NE(std::string(error.what()).find("Input/output error"), std::string::npos)
            << error.what();
    }
}

TEST(FileBoundary, SavingKeepsTheOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    TemporaryFolder folder;
    const auto path = folder.path() / "theirs.orv";
    SaveDataFile(path, ClubList());
    ASSERT_EQ(::chown(path.c_str(), 1000, 1000), 0);
    SaveDataFile(path, ThreeClubs());
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1000u);
    EXPECT_EQ(info.st_gid, 1000u);
    EXPECT_EQ(ReadDataFile(path).size(), 4u);
}

// An ordinary user's save keeps the file's group, one of the user's own
// groups but not the one new files get, and its set-user-ID and
// set-group-ID bits.
TEST(FileBoundary, AUsersSaveKeepsTheirGroupAndTheSetIdBits)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can become another user";
    constexpr gid_t kUsers = 100; // a supplementary group of the user
    TemporaryFolder folder;
    const auto path = folder.path() / "shared.orv";
    SaveDataFile(path, ClubList());
    ASSERT_EQ(::chown(folder.path().c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(path.c_str(), kNobody, kUsers), 0);
    ASSERT_EQ(::chmod(path.c_str(), 06664), 0);
    const int status = InChildProcess([&] {
        const gid_t groups[] = {kUsers};
        if (::setgroups(1, groups) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return 2;
        SaveDataFile(path, ThreeClubs());
        return 0;
    });
    ASSERT_EQ(status, 0);
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kUsers);
    EXPECT_EQ(info.st_mode & 07777, 06664u);
    EXPECT_EQ(ReadDataFile(path).size(), 4u);
}

// A user may not replace a read-only file of theirs, even where the folder
// would allow the rename; root may, as a plain write shows.
TEST(FileBoundary, AReadOnlyFileIsRefusedAndKept)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "locked.orv";
    SaveDataFile(path, ClubList());
    const std::string before = ReadWholeFile(path);
    const int status = InChildProcess([&] {
        if (::geteuid() == 0) {
            if (::chown(folder.path().c_str(), kNobody, kNobody) != 0
                || ::chown(path.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0
                || ::setuid(kNobody) != 0)
                return 2;
        }
        if (::chmod(path.c_str(), 0444) != 0)
            return 3;
        try {
            SaveDataFile(path, ThreeClubs());
            return 1;
        } catch (const ClubFileError& error) {
            return std::string(error.what()).find("Permission denied") != std::string::npos ? 0 : 4;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(FileBoundary, NamesOfEveryAllowedLengthCanBeSaved)
{
    TemporaryFolder folder;
    for (std::size_t length : {248u, 250u, 255u}) {
        const auto path = folder.path() / (std::string(length - 4, 'n') + ".orv");
        SaveDataFile(path, ThreeClubs());
        EXPECT_EQ(ReadDataFile(path).size(), 4u) << length;
    }
}

TEST(FileBoundary, ALinkThatLeadsNowhereGetsItsFileCreated)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    const auto link = folder.path() / "heads.orv";
    std::filesystem::create_symlink("real/heads.orv", link);
    SaveDataFile(link, ThreeClubs());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadDataFile(folder.path() / "real" / "heads.orv").size(), 4u);
}

TEST(FileBoundary, LinksInACircleAndFoldersAreRefused)
{
    TemporaryFolder folder;
    std::filesystem::create_symlink("b.orv", folder.path() / "a.orv");
    std::filesystem::create_symlink("a.orv", folder.path() / "b.orv");
    std::filesystem::create_directory(folder.path() / "folder.orv");
    for (const auto& [name, says] : {std::pair{"a.orv", "Too many levels of symbolic links"},
                                     std::pair{"folder.orv", "it is a folder"}}) {
        try {
            SaveDataFile(folder.path() / name, ThreeClubs());
            ADD_FAILURE() << name;
        } catch (const ClubFileError& error) {
            // The reason ends the message, with nothing after it.
            EXPECT_TRUE(std::string(error.what()).ends_with(says)) << error.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "folder.orv"));
}

// A file the user may write, in a folder the user may not: the file is
// replaced as a whole, so the message says the folder must be writable.
TEST(FileBoundary, AFolderThatIsNotWritableIsNamed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can become another user";
    TemporaryFolder folder;
    const auto path = folder.path() / "theirs.orv";
    SaveDataFile(path, ClubList());
    const std::string before = ReadWholeFile(path);
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    const int status = InChildProcess([&] {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return 2;
        try {
            SaveDataFile(path, ThreeClubs());
            return 1;
        } catch (const ClubFileError& error) {
            const std::string expected = "Cannot save " + path.string() + ": the folder "
                                         + folder.path().string()
                                         + " must be writable too, since the file is replaced "
                                           "as a whole (Permission denied)";
            return error.what() == expected ? 0 : 3;
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadWholeFile(path), before);
}

} // namespace
} // namespace orv
