// File names as the system holds them: bytes, nearly always UTF-8, but not
// always. A name from an old disk or another system (Latin-1 "h\xE9ads.orv")
// has bytes that are no UTF-8; Qt's own conversions replace them, so such a
// file could be listed but never opened again. Here each byte that is not
// part of valid UTF-8 travels in the QString as a lone low surrogate,
// U+DC80 to U+DCFF (the escape Python uses for the same problem), and turns
// back into the same byte on the way to the system. Valid UTF-8 cannot
// produce a lone surrogate, so the escape never meets a real character.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace orv::ui {

// The name's bytes as a QString; every byte sequence converts back exactly.
[[nodiscard]] QString PathFromNative(std::string_view bytes);

// The bytes to hand to the system for a path made by PathFromNative, or
// typed by the user.
[[nodiscard]] std::string NativePath(const QString& path);

// The path as a person reads it: each byte that is no UTF-8 shows as the
// replacement character, as file managers show such names.
[[nodiscard]] QString DisplayPath(const QString& path);

// The working directory and the home folder, and a path made absolute
// against the working directory.
[[nodiscard]] QString CurrentFolder();
[[nodiscard]] QString HomeFolder();
[[nodiscard]] QString AbsolutePath(const QString& path);

// The last component of a path ("/a/b.orv" gives "b.orv"), and the folder
// that holds it ("/a"; "/" for a name at the root).
[[nodiscard]] QString FileNameOf(const QString& path);
[[nodiscard]] QString FolderOf(const QString& path);

} // namespace orv::ui
