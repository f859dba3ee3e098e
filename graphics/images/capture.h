#pragma once
// Window capture: what a window shows on the screen, saved as a picture
// file, either the whole window (frame and caption included) or its client
// area. The frame window saves itself this way.
#include <string>

class Window;

// A BMP file through the system's picture objects (SaveImageOle).
void SaveWin2Bmp(const Window& oWindow, const std::string& cFile, bool lWhole = false);
// A GIF file through the kit's GIF writer (SaveImageGif).
void SaveWin2Gif(const Window& oWindow, const std::string& cFile, bool lWhole = false);
