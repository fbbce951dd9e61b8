// Loading pictures the user picks, and the file-existence test the editor
// applies before it loads one.
#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

namespace orv::ui {

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes Windows bitmaps, GIF and JPEG (and whatever else Qt reads);
// throws PictureError with a description when the file cannot be opened or
// decoded.
[[nodiscard]] QImage LoadPicture(const QString& path);

// True exactly when the path names an existing file (not a folder); an empty
// path is false, a relative one is taken from the working directory.
[[nodiscard]] bool FileExists(const QString& path);

} // namespace orv::ui
