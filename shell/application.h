// How the program presents itself to the desktop.
#pragma once

namespace shell {

// Names the application. It sets no display name: window systems append that to every
// caption, and the main window's caption must reach the window manager exactly as set.
void nameApplication();

} // namespace shell
