// Files for tests: a fresh folder for one test, removed with everything in
// it afterwards, and the whole content of a file.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <cstdint>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace orv::testing {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orv-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The bytes of the file at `path`; empty when it cannot be read.
inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The largest club data file there can be, 10 GiB, made in a moment: 32768
// records of five 65535-byte texts, every byte but the texts' counts a hole.
inline void WriteLargestSparseDocument(const std::filesystem::path& path)
{
    constexpr std::uint64_t kText = 65535;
    constexpr std::uint64_t kRecord = 118 + 5 * kText;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const unsigned char count[2] = {0xFF, 0xFF};
    for (std::uint64_t record = 0; record < 32768; ++record) {
        const std::uint64_t start = record * kRecord;
        // ClubNo, ClubName, 13 reals, PictureName, Reserved1, Reserved2.
        const std::uint64_t texts[] = {0, 2 + kText, 2 * (2 + kText) + 52, 3 * (2 + kText) + 52,
                                       4 * (2 + kText) + 52};
        for (std::uint64_t offset : texts)
            (void)::pwrite(fd, count, 2, static_cast<off_t>(start + offset));
    }
    (void)::ftruncate(fd, static_cast<off_t>(32768 * kRecord));
    ::close(fd);
}

} // namespace orv::testing
