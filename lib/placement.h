// Window placement on the screen: the area a window may use, placing a window
// at a stored position and size inside its owner or the screen, and centring.
#pragma once

#include <optional>

class Window;

// The width and height of the area windows may use: the virtual desktop when
// there is more than one monitor, else the screen.
int GetMonitorWidth();
int GetMonitorHeight();
// The size of the primary monitor.
int GetFirstMonitorWidth();
int GetFirstMonitorHeight();

// Gives the window its size (at least 100 x 100, at most the area; a missing
// value keeps the present one) and puts it at (x, y) in framework
// coordinates, moved as far as needed to lie wholly inside the area: the
// owner's canvas, or the screen for a window without owner. With lFromTop y
// counts from the area's top edge to the window's top edge.
void FenAufFenPositionieren(Window& oWindow, int x, int y, std::optional<int> nWidth = std::nullopt,
                            std::optional<int> nHeight = std::nullopt, bool lFromTop = false);

// Centres the window on its owner (its outer size, less a caption), or on the
// primary monitor when it has none. Nothing is clamped.
void FenAufFenZentrieren(Window& oWindow);

// Centres the window on the primary monitor.
void FenZentrieren(Window& oWindow);
