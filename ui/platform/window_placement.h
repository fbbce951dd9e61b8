// Where the program's top-level windows open: in the middle of the screen,
// counting the frame and title bar the window manager adds around them.
#pragma once

class QWidget;

namespace orv::ui {

// Centres the window, frame included, on the available area of its screen.
// Call it when the window is shown; it centres the window again once the
// window manager has told the size of its frame, which it does only after
// the window appears (it waits for that up to about a second), so the
// window ends up centred whatever the frame.
void CentreOnScreen(QWidget& window);

} // namespace orv::ui
