// What the program says about itself: its title, version and folder.
#pragma once

#include "orv_version.h"

#include <QString>

namespace orv::ui {

inline const QString kApplicationTitle = QStringLiteral("VOVE-ROZO ORV");
using orv::kVersionMajor;
using orv::kVersionMinor;
inline const QString kHelpFileName = QStringLiteral("Q418266.chm");

// The folder the program file lies in, without a trailing separator.
[[nodiscard]] QString ProgramFolder();

// The help file beside the program: the folder, a separator, the file name.
// At a root folder the separator stands twice in a row, as it always has.
[[nodiscard]] QString HelpFilePath(const QString& programFolder);

} // namespace orv::ui
