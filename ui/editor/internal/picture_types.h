// Picture files are recognised by the last three characters of their path,
// in lower case: Photo.JPG is a jpg, Photo.jpeg ("peg") is not.
#pragma once

#include <QString>

namespace orv::ui {

// jpg, gif or bmp: what Browse accepts.
[[nodiscard]] bool IsAcceptedPicture(const QString& path);
// jpg, gif, tif or bmp: what the dialog's preview tries to show.
[[nodiscard]] bool IsPreviewedPicture(const QString& path);

} // namespace orv::ui
