// The start-up smoke test behind --self-test.
#pragma once

#include "app/frm_splash.h"

namespace orv::ui {

// Returns the process exit code: 0 when the splash hands over to the main
// window and a computed club reaches the grids.
[[nodiscard]] int RunSelfTest(frmSplash& splash, frmMain& mainWindow, ProgramData& data);

} // namespace orv::ui
