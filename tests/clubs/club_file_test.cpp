#include "clubs/club_file.h"

#include "clubs/code_page.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <bit>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/resource.h>

namespace orv {
namespace {

using testing::ReadWholeFile;
using testing::TemporaryFolder;

void WriteBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::span<const std::byte> AsBytes(std::string_view text)
{
    return std::as_bytes(std::span(text.data(), text.size()));
}

ClubList ListWith(std::vector<ClubRecord> clubs)
{
    ClubList list;
    clubs.insert(clubs.begin(), ClubRecord{});
    list.ReplaceAll(std::move(clubs));
    return list;
}

ClubRecord DriverSeven()
{
    ClubRecord record;
    record.Measurements.ClubNo = "7";
    record.Measurements.ClubName = "Driver";
    record.Measurements.Mass = 200;
    record.Measurements.Azimuth = 180;
    return record;
}

TEST(ClubFile, ExampleRecordByteForByte)
{
    const ClubRecord record = DriverSeven();
    const std::string bytes = EncodeClubData(std::span(&record, 1));
    ASSERT_EQ(bytes.size(), 125u);
    const std::string start("\x01\x00\x37\x06\x00"
                            "Driver"
                            "\x00\x00\x48\x43",
                            15);
    EXPECT_EQ(bytes.substr(0, 15), start);
    // Azimuth follows Mass, CMx..CMz, Volume and the seven other measurements.
    EXPECT_EQ(bytes.substr(11 + 12 * 4, 4), std::string("\x00\x00\x34\x43", 4));
    EXPECT_EQ(bytes.find_first_not_of('\0', 15), 11u + 12 * 4 + 2);
}

TEST(ClubFile, EmptyListsAreZeroBytesPerSlot)
{
    EXPECT_EQ(EncodeClubData(ClubList().Slots()), std::string(118, '\0'));
    EXPECT_EQ(EncodeClubData(ListWith({{}, {}}).Slots()), std::string(354, '\0'));
}

TEST(ClubFile, TextCountIsLittleEndian)
{
    ClubRecord record;
    record.Measurements.ClubName = std::string(300, 'x');
    const std::string bytes = EncodeClubData(std::span(&record, 1));
    EXPECT_EQ(bytes.substr(2, 2), "\x2C\x01");
}

TEST(ClubFile, SaveReplacesALongerFileWhole)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "clubs.orv";
    SaveDataFile(path, ListWith({DriverSeven(), DriverSeven(), DriverSeven(), {}, {}}));
    SaveDataFile(path, ListWith({{}, {}}));
    EXPECT_EQ(ReadWholeFile(path), std::string(354, '\0'));
    EXPECT_EQ(ReadDataFile(path).size(), 3u);
}

TEST(ClubFile, FileEndingInsideARecordIsNotClubData)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "cut.orv";
    std::string bytes = EncodeClubData(ListWith({DriverSeven(), DriverSeven()}).Slots());
    for (std::size_t cut : {bytes.size() - 1, bytes.size() - 60, std::size_t{1}}) {
        WriteBytes(path, std::string_view(bytes).substr(0, cut));
        try {
            (void)ReadDataFile(path);
            ADD_FAILURE() << "a file cut at " << cut << " was read";
        } catch (const ClubFileError& error) {
            EXPECT_EQ(error.kind(), ClubFileError::Kind::NotClubData);
        }
    }
    WriteBytes(path, "");
    EXPECT_THROW((void)ReadDataFile(path), ClubFileError);
}

TEST(ClubFile, TextCountBeyondTheFileIsDetectedWithoutAllocating)
{
    const std::string bytes("\xFF\xFF"
                            "abc",
                            5);
    try {
        (void)DecodeClubData(AsBytes(bytes));
        FAIL();
    } catch (const ClubFileError& error) {
        EXPECT_EQ(error.kind(), ClubFileError::Kind::NotClubData);
    }
}

TEST(ClubFile, MoreThanTheMostClubsIsNotClubData)
{
    const std::string full(118 * (kMaxClubs + 1), '\0');
    EXPECT_EQ(DecodeClubData(AsBytes(full)).size(), static_cast<std::size_t>(kMaxClubs + 1));
    const std::string tooMany(118 * (kMaxClubs + 2), '\0');
    EXPECT_THROW((void)DecodeClubData(AsBytes(tooMany)), ClubFileError);
}

TEST(ClubFile, MissingFileCannotBeOpened)
{
    TemporaryFolder folder;
    for (const auto& path : {folder.path() / "absent.orv", folder.path()}) {
        try {
            (void)ReadDataFile(path);
            FAIL() << path;
        } catch (const ClubFileError& error) {
            EXPECT_EQ(error.kind(), ClubFileError::Kind::CannotOpen) << path;
        }
    }
}

struct NameCase {
    const char* path;
    bool accepted;
};

class FileNameRuleTest : public ::testing::TestWithParam<NameCase> { };

TEST_P(FileNameRuleTest, LooksOnlyAtTheLastThreeCharacters)
{
    EXPECT_EQ(IsClubDataFileName(GetParam().path), GetParam().accepted) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameRuleTest,
    ::testing::Values(NameCase{"/home/pro/heads.orv", true}, NameCase{"HEADS.ORV", true},
                      NameCase{"Heads.oRv", true}, NameCase{"headsorv", true},
                      NameCase{"orv", true}, NameCase{"rv", false}, NameCase{"", false},
                      NameCase{"heads.orv ", false}, NameCase{"heads.orv.bak", false},
                      NameCase{"heads.orv~", false}, NameCase{"heads.txt", false}));

TEST(ClubFile, SpareSlotReservedTextsAndAzimuthSurviveARoundTrip)
{
    ClubRecord spare;
    spare.Measurements.ClubName = "kept in slot 0";
    ClubRecord club = DriverSeven();
    club.Measurements.Reserved1 = "first reserved";
    club.Measurements.Reserved2 = "second reserved";
    club.Measurements.Azimuth = 90;
    club.Measurements.PictureName = "/photos/driver.jpg";
    club.Results.EigenX = 3.57f;
    ClubList list;
    list.ReplaceAll({spare, club});

    TemporaryFolder folder;
    SaveDataFile(folder.path() / "a.orv", list);
    const std::vector<ClubRecord> read = ReadDataFile(folder.path() / "a.orv");
    EXPECT_EQ(read, list.Slots());
}

TEST(ClubFile, TextsConvertThroughWindows1252)
{
    ClubRecord record;
    record.Measurements.ClubName = "Caf\u00e9 \u20ac5";
    const std::string bytes = EncodeClubData(std::span(&record, 1));
    EXPECT_EQ(bytes.substr(2, 2 + 7), std::string("\x07\x00"
                                                  "Caf\xE9 \x80"
                                                  "5",
                                                  9));
    EXPECT_EQ(DecodeClubData(AsBytes(bytes)).front(), record);
}

TEST(ClubFile, TextsTheFileCannotHoldAreRefusedNamingRowAndField)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "kept.orv";
    SaveDataFile(path, ListWith({DriverSeven()}));
    const std::string before = ReadWholeFile(path);

    ClubRecord tooLong;
    tooLong.Measurements.ClubName = std::string(65536, 'a');
    ClubRecord foreign;
    foreign.Measurements.PictureName = "\u65e5\u672c.jpg";
    const struct {
        ClubList list;
        const char* row;
        const char* field;
    } cases[] = {{ListWith({{}, tooLong}), "row 2", "Head Name"},
                 {ListWith({foreign}), "row 1", "picture path"}};
    for (const auto& c : cases) {
        try {
            SaveDataFile(path, c.list);
            ADD_FAILURE() << c.field;
        } catch (const ClubFileError& error) {
            EXPECT_EQ(error.kind(), ClubFileError::Kind::TextNotStorable);
            EXPECT_NE(std::string(error.what()).find(c.row), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.field), std::string::npos) << error.what();
        }
        EXPECT_EQ(ReadWholeFile(path), before);
    }
    ClubRecord longest;
    longest.Measurements.ClubName = std::string(65535, 'a');
    EXPECT_NO_THROW(SaveDataFile(path, ListWith({longest})));
}

std::uint32_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

std::vector<std::uint32_t> AllBits(const ClubRecord& record)
{
    const ClubMeasurements& m = record.Measurements;
    const ClubResults& r = record.Results;
    return {Bits(m.Mass),    Bits(m.CMx),      Bits(m.CMy),
            Bits(m.CMz),     Bits(m.Volume),   Bits(m.Ixx),
            Bits(m.Iyy),     Bits(m.Izz),      Bits(m.Ixy),
            Bits(m.Iyz),     Bits(m.Izx),      Bits(m.LieAngle),
            Bits(m.Azimuth), Bits(r.EigenX),   Bits(r.EigenY),
            Bits(r.EigenZ),  Bits(r.ThsX),     Bits(r.ThsY),
            Bits(r.ThsZ),    Bits(r.PhsX),     Bits(r.PhsY),
            Bits(r.PhsZ),    Bits(r.IxxC),     Bits(r.IyyC),
            Bits(r.IzzC),    Bits(r.IzcPrime), Bits(r.EllipsoidVolume)};
}

// Random bytes of every value read as Windows-1252 texts, and reals drawn to
// include negative zero, subnormals, infinities and NaNs with payloads.
class RandomClubs {
public:
    explicit RandomClubs(unsigned seed)
        : m_random(seed)
    {
    }

    std::string Text()
    {
        std::string bytes(std::uniform_int_distribution<int>(0, 40)(m_random), '\0');
        for (char& c : bytes)
            c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(m_random));
        return Windows1252ToUtf8(bytes);
    }

    float Real()
    {
        static constexpr std::uint32_t kSpecial[] = {0x80000000u, 0x00000001u, 0x807FFFFFu,
                                                     0x7F800000u, 0xFF800000u, 0x7FC00001u,
                                                     0xFFBFFFFFu, 0x7F800001u};
        const int kind = std::uniform_int_distribution<int>(0, 3)(m_random);
        if (kind == 0)
            return std::bit_cast<float>(
                kSpecial[std::uniform_int_distribution<int>(0, 7)(m_random)]);
        if (kind == 1)
            return std::bit_cast<float>(static_cast<std::uint32_t>(m_random()));
        return std::uniform_real_distribution<float>(-500, 500)(m_random);
    }

    ClubRecord Record()
    {
        ClubRecord record;
        ClubMeasurements& m = record.Measurements;
        for (std::string* text :
             {&m.ClubNo, &m.ClubName, &m.PictureName, &m.Reserved1, &m.Reserved2})
            *text = Text();
        ClubResults& r = record.Results;
        for (float* real : {&m.Mass,    &m.CMx,      &m.CMy,
                            &m.CMz,     &m.Volume,   &m.Ixx,
                            &m.Iyy,     &m.Izz,      &m.Ixy,
                            &m.Iyz,     &m.Izx,      &m.LieAngle,
                            &m.Azimuth, &r.EigenX,   &r.EigenY,
                            &r.EigenZ,  &r.ThsX,     &r.ThsY,
                            &r.ThsZ,    &r.PhsX,     &r.PhsY,
                            &r.PhsZ,    &r.IxxC,     &r.IyyC,
                            &r.IzzC,    &r.IzcPrime, &r.EllipsoidVolume})
            *real = Real();
        return record;
    }

private:
    std::mt19937 m_random;
};

TEST(ClubFile, RandomListsRoundTripBitForBit)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "random.orv";
    RandomClubs random(20261209);
    for (int trial = 0; trial < 40; ++trial) {
        std::vector<ClubRecord> slots(1 + trial % 7);
        for (ClubRecord& slot : slots)
            slot = random.Record();
        ClubList list;
        list.ReplaceAll(slots);
        SaveDataFile(path, list);
        const std::string bytes = ReadWholeFile(path);
        const std::vector<ClubRecord> read = ReadDataFile(path);
        ASSERT_EQ(read.size(), slots.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(AllBits(read[i]), AllBits(slots[i]));
            const ClubMeasurements& a = read[i].Measurements;
            const ClubMeasurements& b = slots[i].Measurements;
            EXPECT_EQ(std::tie(a.ClubNo, a.ClubName, a.PictureName, a.Reserved1, a.Reserved2),
                      std::tie(b.ClubNo, b.ClubName, b.PictureName, b.Reserved1, b.Reserved2));
        }
        // Bytes that came in go out unchanged.
        ClubList again;
        again.ReplaceAll(read);
        EXPECT_EQ(EncodeClubData(again.Slots()), bytes);
    }
}

TEST(ClubFile, EveryByteValueSurvivesOpenAndSave)
{
    std::string text;
    for (int b = 0; b < 256; ++b)
        text += static_cast<char>(b);
    std::string file("\x00\x01", 2);
    file += text;
    file += std::string(116, '\0');
    const std::vector<ClubRecord> read = DecodeClubData(AsBytes(file));
    ClubList list;
    list.ReplaceAll(read);
    EXPECT_EQ(EncodeClubData(list.Slots()), file);
}

TEST(ClubFile, SaveIntoAFolderThatCannotBeWrittenReportsAndChangesNothing)
{
    TemporaryFolder folder;
    const auto blocker = folder.path() / "not-a-folder";
    WriteBytes(blocker, "x");
    for (const auto& path : {folder.path() / "missing" / "a.orv", blocker / "a.orv",
                             std::filesystem::path("/proc/orv-cannot-write.orv")}) {
        try {
            SaveDataFile(path, ListWith({DriverSeven()}));
            ADD_FAILURE() << path;
        } catch (const ClubFileError& error) {
            EXPECT_EQ(error.kind(), ClubFileError::Kind::CannotWrite);
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
        }
    }
    EXPECT_EQ(ReadWholeFile(blocker), "x");
}

TEST(ClubFile, SaveThatFailsPartWayLeavesTheOldFileAsItWas)
{
    TemporaryFolder folder;
    const auto path = folder.path() / "precious.orv";
    SaveDataFile(path, ListWith({DriverSeven()}));
    const std::string before = ReadWholeFile(path);

    ClubRecord big;
    big.Measurements.ClubName = std::string(60000, 'b');
    const ClubList larger = ListWith({big, big, big});

    // A file-size limit makes the write fail after the first 64 KiB, as a
    // full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 64 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    std::string message;
    try {
        SaveDataFile(path, larger);
    } catch (const ClubFileError& error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(ReadWholeFile(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ClubFile, SaveKeepsTheFilePermissionsAndFollowsALink)
{
    TemporaryFolder folder;
    const auto real = folder.path() / "real.orv";
    const auto link = folder.path() / "link.orv";
    SaveDataFile(real, ClubList());
    std::filesystem::permissions(real, std::filesystem::perms::owner_read
                                           | std::filesystem::perms::owner_write
                                           | std::filesystem::perms::group_read);
    std::filesystem::create_symlink(real, link);
    SaveDataFile(link, ListWith({DriverSeven()}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadDataFile(real).size(), 2u);
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                  | std::filesystem::perms::group_read);
}

} // namespace
} // namespace orv
