// Window placement on the screen: the area a window may use, placing a window
// at a stored position and size inside its owner or the screen, and centring.
#pragma once

#include <windows.h>

#include <optional>

class Window;

// The width and height of the area windows may use: the virtual desktop when
// there is more than one monitor, else the screen.
int GetMonitorWidth();
int GetMonitorHeight();
// The size of the primary monitor.
int GetFirstMonitorWidth();
int GetFirstMonitorHeight();
// The work area (the screen less the task bar) of the monitor that holds the
// window, or of the primary monitor for none; screen pixels with y downward.
RECT GetWorkArea(const Window* window = nullptr);

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

// Centres the window over its owner (over the primary monitor's work area
// without one, or while the owner is minimised), then moves it as far as
// needed to lie wholly inside the work area of the owner's monitor; a window
// larger than that keeps its top-left corner, and with it its caption, inside.
void CentreInWorkArea(Window& window);
