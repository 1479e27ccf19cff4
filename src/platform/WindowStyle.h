#pragma once

class QWindow;

// How the main windows are framed on each system.
namespace WindowStyle {

// On the Mac: no visible title bar, the traffic lights floating over content that reaches the top
// edge. Elsewhere the window manager's frame stays, since a frameless window there loses moving
// and resizing.
void hideTitleBar(QWindow *window);

} // namespace WindowStyle
