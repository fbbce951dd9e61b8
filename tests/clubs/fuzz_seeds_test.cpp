// Writes the seed corpus of the club file fuzzer: small files of the shapes
// the reader meets, each checked to read as expected.
#include "clubs/club_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orv {
namespace {

void WriteSeed(const std::string& name, const std::string& bytes)
{
    const std::filesystem::path folder(ORV_FUZZ_SEED_DIR);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(FuzzSeeds, WritesValidAndDamagedFiles)
{
    ClubRecord club;
    club.Measurements.ClubNo = "7";
    club.Measurements.ClubName = "Driver \u20ac";
    club.Measurements.Mass = 200;
    club.Measurements.Azimuth = 180;
    club.Measurements.PictureName = "/heads/driver.jpg";
    club.Results.EigenX = 3.57f;
    ClubList list;
    list.ReplaceAll({ClubRecord{}, club, club});
    const std::string full = EncodeClubData(list.Slots());

    WriteSeed("empty-list.orv", EncodeClubData(ClubList().Slots()));
    WriteSeed("two-clubs.orv", full);
    WriteSeed("cut.orv", full.substr(0, full.size() - 3));

    EXPECT_EQ(DecodeClubData(std::as_bytes(std::span(full.data(), full.size()))).size(), 3u);
    const std::string cut = full.substr(0, full.size() - 3);
    EXPECT_THROW((void)DecodeClubData(std::as_bytes(std::span(cut.data(), cut.size()))),
                 ClubFileError);
}

} // namespace
} // namespace orv
