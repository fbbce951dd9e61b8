// Fuzzes the CSV import: any input either fails with an import error, or its
// clubs go through a club data file unchanged, and export followed by
// import gives the same clubs again.
#include "cli/club_csv.h"
#include "clubs/club_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<orv::ClubMeasurements> clubs;
    try {
        clubs = orv::cli::ImportClubsCsv(
            std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const orv::cli::ImportError&) {
        return 0;
    }
    std::vector<orv::ClubRecord> slots(clubs.size() + 1);
    for (std::size_t i = 0; i < clubs.size(); ++i)
        slots[i + 1].Measurements = clubs[i];
    const std::string file = orv::EncodeClubData(slots);
    if (orv::DecodeClubData(std::as_bytes(std::span(file.data(), file.size()))) != slots)
        std::abort();
    orv::ClubList list;
    list.ReplaceAll(slots);
    if (orv::cli::ImportClubsCsv(orv::cli::ExportClubsCsv(list)) != clubs)
        std::abort();
    return 0;
}
