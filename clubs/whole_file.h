// Writing a file whole or not at all: the bytes go to a new file beside the
// target, which replaces the target only once every byte is written and
// flushed to disk. A failure at any point leaves an existing file exactly as
// it was and removes the new one.
#pragma once

#include <filesystem>
#include <string_view>

namespace orv {

// Throws std::system_error whose text names the path and the reason. A
// link is followed: the file it points to is replaced and the link stays.
// An existing file keeps its permissions.
void WriteFileWhole(const std::filesystem::path& path, std::string_view bytes);

} // namespace orv
