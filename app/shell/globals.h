// Process-wide values of the application that every window reads.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/framework/gdi.h"

class PrintingDevice;
class Window;

// The program title: caption of dialogs and question boxes.
extern const std::string gcProgramm;
// The program version, shown after the title in the window caption.
extern const std::string gcVersion;
// The directory of the protocol file protocol.log, with its trailing "\".
extern std::string gcPfadProto;
// The per-user directory (of meridoxa.ini, the help files and the samples),
// with its trailing "\".
extern std::string gcPfadUser;
// The directory of the INI file that carries the program version: the
// program's ProgData\ on a network installation, else gcPfadUser.
extern std::string gcPfadKonfig;
// TRUE when the program directory lies on a network drive.
extern bool glNetwork;
// The last directories of the point-list and result files, lower case.
extern std::string gcLesePfadQ, gcLesePfadZ, gcSchreibPfadQ, gcSchreibPfadZ, gcSchreibPfadH;
// The last directory of the configuration and export files.
extern std::string gcDateiPfadK;
// The program's frame window; null before it is made and after it closed.
extern Window* goShell;
// Shows the help topic that an associative link lookup of the keyword finds,
// through the frame window's help display; nothing without one.
void ShowHelpALink(const std::string& cKeyword);
// The program's printing device; empty until a printer is first used.
extern std::unique_ptr<PrintingDevice> goDrucker;
// The printer set-up on goDrucker (made first when there is none): true when
// a usable printer was confirmed. A cancel gives back the previous printer
// with its settings and, when asked for, says so in the hint window.
bool ProDruckerEinstellen(bool lHinweis = false);

// The five window colours: the standard ones, the current ones with a brush
// each, and the current ones as text (five groups RRRGGGBBB).
extern const std::array<Color, 5> gaFarbenStandard;
extern std::array<Color, 5> gaFarben;
extern std::array<Brush, 5> gaPinsel;
extern std::string gcFarben;
// Strength (0 to 20) and direction (0 to 7) of the window background gradient.
extern int gnGradient, gnGradDir;
// Tooltips, the start screen, the question before the program ends.
extern bool glTooltip, glBegruessung, glEndeNachfrage;
