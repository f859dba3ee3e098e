// The seam: everything modal or outside the program goes through one object
// (message boxes, file and folder dialogs, sounds, starting programs and
// opening files or web pages, help, printers), so that tests can put their
// own in its place, see what would have been shown and give the answers.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

class Window;

class Seam {
public:
    virtual ~Seam() = default;

    // A Win32 message box; returns the button pressed (IDOK, IDYES, ...).
    virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) = 0;
    // The Windows open (open true) or save dialog; true when the user chose.
    virtual bool ChooseFile(OPENFILENAMEA& request, bool open) = 0;
    // The folder chooser starting in folder; true when the user chose, and
    // folder is then the chosen one.
    virtual bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) = 0;
    // The font dialog (ChooseFontA) on the request, which starts from and
    // receives the font of its lpLogFont; true when the user confirmed one.
    virtual bool ChooseScreenFont(CHOOSEFONTA& request) = 0;
    // The colour dialog (ChooseColorA) on the request, which starts from and
    // receives the colour of its rgbResult; true when the user confirmed one.
    virtual bool ChoosePaletteColor(CHOOSECOLORA& request) = 0;
    // Plays a system sound by its alias ("SystemHand", ...) without waiting;
    // false when it cannot be played.
    virtual bool PlaySystemSound(const std::string& alias) = 0;
    // MessageBeep: the system's sound of a message-box type (0xFFFFFFFF: the simple beep).
    virtual void SystemBeep(UINT type) = 0;
    // Sounds a tone on the speaker.
    virtual void Tone(int frequency, int milliseconds) = 0;
    // Starts a program from a command line (WinExec); returns WinExec's
    // code (above 31 for success).
    virtual UINT StartProgram(const std::string& commandLine, int showCommand) = 0;
    // ShellExecute: starts a program or opens a file, folder or web address;
    // returns ShellExecute's code (above 32 for success).
    virtual INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                     const std::string& parameters, const std::string& directory, int showCommand) = 0;
    // A command to the HTML help viewer (HtmlHelp: HH_DISPLAY_TOC,
    // HH_DISPLAY_INDEX, HH_DISPLAY_TOPIC with a topic, HH_ALINK_LOOKUP or
    // HH_KEYWORD_LOOKUP with a keyword); the viewer's window or null.
    virtual HWND ShowHelp(HWND caller, const std::string& file, UINT command, const std::string& topic) = 0;
    // The printer set-up dialog (PrintDlg); true when the user confirmed.
    virtual bool PrintSetup(PRINTDLGA& request) = 0;
    // The default printer as "device,driver,port"; empty when there is none.
    virtual std::string DefaultPrinter() = 0;
    // A device context of a printer (CreateDC); null when it cannot be made.
    virtual HDC CreatePrinterDC(const std::string& driver, const std::string& device, const DEVMODEA* mode) = 0;
    // The spooler's calls for a print job on such a device context; each
    // returns its Win32 result (above 0 for success).
    virtual int StartDocument(HDC printer, const std::string& jobName) = 0;
    virtual int StartPage(HDC printer) = 0;
    virtual int EndPage(HDC printer) = 0;
    virtual int EndDocument(HDC printer) = 0;
    virtual int AbortDocument(HDC printer) = 0;
};

// The page that an associative-link keyword of our help files has: the
// keyword + ".htm". A lookup falls back to it where the viewer finds nothing.
inline std::string HelpKeywordPage(const std::string& keyword)
{
    return keyword + ".htm";
}

// The seam in use: the Win32 one unless a test has put its own in place.
Seam& TheSeam();
// Puts a seam in place (null: the Win32 one again); returns the one before.
Seam* SetSeam(Seam* seam);

// A message box with a caption, a text and a Win32 box type (MB_YESNO |
// MB_ICONQUESTION is 36); Show returns the button pressed.
class TextBox {
public:
    TextBox(Window* owner, const std::string& caption, const std::string& text, UINT type = MB_OK);
    int Show();

private:
    Window* owner_;
    std::string caption_;
    std::string text_;
    UINT type_;
};

// A message box with an information icon and an OK button.
class InfoBox : public TextBox {
public:
    InfoBox(Window* owner, const std::string& caption, const std::string& text);
};
