// The folder in which a file of each kind was last chosen, kept across runs,
// so that the next dialog for that kind starts there.
#pragma once

#include <QString>

namespace orv::ui {

enum class FolderPurpose { Documents, Pictures };

// Empty when nothing was chosen yet.
[[nodiscard]] QString RememberedFolder(FolderPurpose purpose);
// Remembers the folder that holds `chosenPath`.
void RememberFolderOf(FolderPurpose purpose, const QString& chosenPath);

} // namespace orv::ui
