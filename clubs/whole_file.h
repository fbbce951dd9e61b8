// Writing a file whole or not at all: the bytes go to a new file beside the
// target, which replaces the target only once every byte is written and
// flushed to disk. A failure at any point leaves an existing file exactly as
// it was and removes the new one.
//
// The target is the file at the end of any links (a dangling link gets its
// file created). An existing file keeps its permissions, and its owner and
// group where the system allows it; a read-only one is refused, as a plain
// write would refuse it. A character device or a FIFO (/dev/null,
// /dev/stdout, a pipe) is written to directly; other kinds are refused.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace orv {

// Every failure throws std::system_error whose text names the path and the
// reason.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const std::filesystem::path& path);
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;
    // Without Commit, nothing of the new file stays.
    ~WholeFileWriter();

    void Write(std::string_view bytes);
    // Puts the file in place of the target.
    void Commit();

private:
    void Flush();

    std::filesystem::path m_path;   // as the caller named it, for messages
    std::filesystem::path m_target; // the file the links lead to
    std::string m_temporary;        // empty when writing the target directly
    int m_fd = -1;
    mode_t m_mode = 0; // the file's mode once written
    std::string m_buffer;
    bool m_committed = false;
};

// The whole of `bytes` as the file at `path`.
void WriteFileWhole(const std::filesystem::path& path, std::string_view bytes);

} // namespace orv
