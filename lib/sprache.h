// The language files and their readers. Every window fetches its texts by its
// class name from the language file of the current language, with the English
// file as fallback: its numbered texts (section <class>_STRING, keys
// STRING_001 .. STRING_100), its menu texts (<class>_MENUE, keys <command>_C
// and <command>_D) and its control texts (<class>_CONTROL, keys <control>_C
// and <control>_D). Values are single INI lines; "<LF>" stands for a line
// break and, in numbered texts, "<#>" for a "#" (a plain "#" is a
// placeholder the window fills in).
#pragma once

#include <optional>
#include <string>
#include <vector>

class Control;
class Window;

// One language file of the language table.
struct SprachZeile {
    std::string cCode;       // language code, lower case ("eng", "ger")
    int nHilfe = 2;          // help language: 1 German, 2 English
    std::string cPfad;       // full path of the file
    std::string cText;       // the language's name as the language dialog shows it
    unsigned nCodePage = 0;  // code page of the file's texts; 0: no conversion needed
    bool lNachfrage = true;  // ask the user before switching to the language
};

// The language table: one row per language file found, or the placeholder row
// "???" when there is none.
extern std::vector<SprachZeile> gaSprachen;
// The current language code ("eng" at program start).
extern std::string gcSprache;
// The directory of the language files, with its trailing "\".
extern std::string gcPfadSprache;

// Builds gaSprachen from the files mdx_???.lng in gcPfadSprache (section
// LANGUAGE: LANG_ISO, LANG_TEXT, LANG_CODEPAGE_FILE, LANG_CODEPAGE_COMP). A
// file without LANG_TEXT is left out. Called once at start-up.
void SprachenLaden();

// The numbered texts 1 to 100 of a window class (element n - 1 is text n); "-"
// for a text missing from both files. cSuffix replaces "_STRING".
std::vector<std::string> GetSprachFileText(const std::string& cClassName, const std::string& cSuffix = "_STRING");

// The menu texts of a window class: per menu item (by its command name; a
// separator has none) {caption, description}, {caption} when there is no
// description, {"-"} when there is no caption.
std::vector<std::vector<std::string>> GetSprachFileMenue(const std::string& cClassName,
                                                         const std::vector<std::string>& aCommands);

// The caption and description of one control.
struct ControlTexts {
    std::string caption;
    std::string description;
};

// The control texts of a window class, one row per child control of oWindow
// (aControls receives the children, in the order of the rows): the caption
// and description found for the control's name, empty when none is found;
// no row at all for a child without a name. Waiting window messages are
// dispatched first, so that a window being built is up to date.
std::vector<std::optional<ControlTexts>> GetSprachFileControl(Window& oWindow, const std::string& cClassName,
                                                              std::vector<Control*>& aControls);

// Gives every named child control of oWindow the caption and description the
// language file has for it (through its hyperlabel); an empty text keeps what
// the control has.
void SetSprachFileControl(Window& oWindow, const std::string& cClassName);

// The texts of a settings dialog: its numbered texts, text 1 as its caption,
// and the captions and descriptions of its controls. Returns the numbered
// texts (element n - 1 is text n).
std::vector<std::string> SprachDialog(Window& oDialog, const std::string& cClassName);

// The path of a language's file; empty when the code has no row.
std::string GetSprachPfad(const std::string& cCode);
// The code page of a language's file; 0 when the code has no row.
unsigned GetSprachCodePage(const std::string& cCode);
// TRUE when the code (compared exactly) has a row.
bool IsSprache(const std::string& cCode);

// The primary language of a Windows language identifier (its low 10 bits).
unsigned GetPrimLangId(unsigned nLangId);
