#pragma once

// Bringing this program in front of the one the user is working in, for a window the user is
// waiting for (the password prompt, which another program starts).
namespace AppActivation {

// Makes this program the active one on the Mac; does nothing elsewhere, where the window manager
// decides and a new window is raised anyway.
void activate();

} // namespace AppActivation
