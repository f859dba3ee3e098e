// The frame window's printer, form printing and window pictures: the printer
// set-up that keeps the previous printer on a cancel, the calculation window
// printed as it looks, and the whole frame saved as a BMP or GIF picture into
// a folder the user chooses. aTexte are the frame window's numbered texts.
#pragma once

#include <string>
#include <vector>

class Window;

namespace shell {

// Text numbers of the frame window used here.
inline constexpr int kTextDruckerUngueltig = 1;
inline constexpr int kTextFrageDruckenF = 10;
inline constexpr int kTextFrageGif = 13;
inline constexpr int kTextFrageBmp = 14;
inline constexpr int kTextTitelOrdner = 15;
inline constexpr int kTextDruckerAbbruch = 16;

// Asks, then prints the calculation window as a form on goDrucker (or, without
// one, on the default printer for this print only), in a job named after the
// program. Nothing without a calculation window; text 1 in the error window,
// and no question, without a usable printer, and after the question when the
// printer refuses the job.
void DruckenF(Window& oFrame, const std::vector<std::string>& aTexte);

// Asks, lets the user choose a folder and saves the whole frame window there
// as MERIDOXA_801.bmp (or .gif), overwriting a picture of that name.
void SpeichernBild(Window& oFrame, const std::vector<std::string>& aTexte, bool lGif);

// A folder chosen by the user, in lower case with a trailing "\", starting at
// the protocol directory; empty when the user cancelled.
std::string GetFolder(Window& oFrame, const std::vector<std::string>& aTexte);

// The same from the folder dialog with a caption, starting at the folder of a
// path.
std::string ChooseFolder(Window& oOwner, const std::string& cCaption, const std::string& cPath);

// The drive and directories of a path, lower case ("c:\tools\").
std::string FolderOf(const std::string& cPath);

}  // namespace shell
