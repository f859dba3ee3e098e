// The program settings in section Config of the user's meridoxa.ini: the
// language, colours and gradient, the three switches, the last directories
// and the frame window's position and size.
#pragma once

#include <windows.h>

#include <string>

class Window;

namespace shell {

// Reads section Config into the process-wide settings and places the frame
// window; a missing or invalid value takes its default. Needs the language
// table.
void ProfilLaden(Window& oFrame);

// Writes section Config from the process-wide settings; the frame window's
// position and size only while it is not minimised. Returns the message of
// the first value that could not be written (see WriteConfig), or the empty
// string when every one was.
std::string ProfilSichern(const Window& oFrame);

// Writes one value into section Config of the user's meridoxa.ini. Returns the
// empty string, or the message of the failed write: the file's name and the
// system's reason.
std::string WriteConfig(const std::string& key, const std::string& value);

// The language code of a first start: that of the user's Windows language
// (of the system's when the user's primary language is 0) when the language
// table has it, else "eng", else the table's first code.
std::string SpracheZuweisen(LANGID nUserLangId = GetUserDefaultLangID(),
                            LANGID nSystemLangId = GetSystemDefaultLangID());

}  // namespace shell
