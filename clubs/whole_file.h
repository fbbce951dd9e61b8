// Writing a file whole or not at all: the bytes go to a new file beside the
// target, which replaces the target only once every byte is written and
// flushed to disk. A failure at any point leaves an existing file exactly as
// it was and removes the new one.
//
// The target is the file at the end of any links (a dangling link gets its
// file created). An existing file keeps its permissions, and its owner and
// group where the system allows it; a read-only one is refused, as a plain
// write would refuse it.
//
// What is no file to replace is written to directly, from where it stands:
// a descriptor the path names (/dev/stdout, /dev/stderr, /dev/fd/N,
// /proc/self/fd/N), so that an append stays an append and a pipe or socket
// gets the bytes; and a character device or FIFO (/dev/null, a named pipe).
// Folders, disk devices and socket files are refused.
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
    // Writing straight into an open descriptor, or into a device or FIFO.
    void OpenDescriptor(int descriptor);
    void OpenStream(mode_t kind);

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
