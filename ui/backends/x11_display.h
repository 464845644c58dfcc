#pragma once
// The X11 connection under the SDL windows. A failed request (a window that was destroyed while a
// request naming it was on its way) is noted and the program goes on; a lost connection (the X
// server ended) is reported instead of ending the process, so that the program can close itself.

#include <SDL2/SDL.h>

#include <atomic>

namespace ui::x11 {

// Replaces Xlib's handlers, which end the process, for every display of this process.
void InstallErrorHandlers();

// The X connection of the window's display, or nullptr when the window is not an X11 window.
void* DisplayOf(SDL_Window* window);

// From now on the loss of this display sets *lost instead of ending the process.
void WatchForLoss(void* display, std::atomic<bool>* lost);

// Tells the window manager to keep `window` above `owner` (nullptr: above no window in particular).
void SetTransientFor(SDL_Window* window, SDL_Window* owner);

// The connection's socket, to wait on beside other input.
int ConnectionFd(void* display);

// Where the pointer is on the screen and whether its left button is down, asked of the server
// itself (SDL's own answer outside its windows is only refreshed by input it does not get here).
bool QueryPointer(void* display, int& x, int& y, bool& leftDown);

}  // namespace ui::x11
