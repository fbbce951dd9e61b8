// Fuzzes the club file reader: any input either fails as "not club data" or
// decodes to records that encode back to exactly the same bytes.
#include "clubs/club_file.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    std::vector<orv::ClubRecord> records;
    try {
        records = orv::DecodeClubData(bytes);
    } catch (const orv::ClubFileError& error) {
        if (error.kind() != orv::ClubFileError::Kind::NotClubData)
            std::abort();
        return 0;
    }
    orv::ClubList list;
    list.ReplaceAll(std::move(records));
    const std::string again = orv::EncodeClubData(list.Slots());
    if (again.size() != size
        || !std::equal(again.begin(), again.end(), reinterpret_cast<const char*>(data)))
        std::abort();
    return 0;
}
