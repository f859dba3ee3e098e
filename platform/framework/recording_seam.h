// A seam for tests: it takes the place of the Win32 seam for its lifetime,
// records every call and answers from scripts the test fills. A message box
// may come from another thread (the serial port's watcher): the calls are
// recorded and the message-box answers taken under a lock, and CallsOf reads
// under it.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/seam.h"

class RecordingSeam : public Seam {
public:
    // One call through the seam: its kind, and text, detail and number as
    // the call was given them:
    //   MessageBox    text, caption, type
    //   OpenFile      initial file name, title, flags (also SaveFile)
    //   Folder        start folder, title
    //   Font          starting face name, -, flags
    //   Color         -, -, starting colour (COLORREF)
    //   Sound         alias
    //   Beep          -, -, type
    //   Tone          -, milliseconds, frequency
    //   StartProgram  command line, -, show command
    //   ShellExecute  file, verb|parameters|directory, show command
    //   Help          file, topic, command
    //   PrintSetup    -, -, flags
    //   PrinterDC     device, driver, orientation
    //   StartDoc      job name (also StartPage, EndPage, EndDoc, AbortDoc)
    struct Call {
        std::string kind;
        std::string text;
        std::string detail;
        long long number = 0;
        HWND owner = nullptr;
    };

    RecordingSeam();
    ~RecordingSeam() override;

    // The calls of one kind, in order.
    std::vector<Call> CallsOf(const std::string& kind) const;

    std::vector<Call> calls;
    // Answers, used from the front; when a script is empty: IDOK, cancel,
    // cancel.
    std::deque<int> messageBoxAnswers;
    // A file answer may hold several names separated by NUL characters;
    // an empty one cancels.
    std::deque<std::string> fileAnswers;
    // Runs inside every file dialog call with the record as it was handed
    // over, before the answer is written into it.
    std::function<void(OPENFILENAMEA&)> inspectFileRequest;
    // The extended error a save dialog reports after its answer; not 0:
    // the answer is written but the dialog fails.
    DWORD saveExtendedError = 0;
    std::deque<std::string> folderAnswers;
    // The fonts the font dialog answers with, from the front; none, or an
    // empty script: cancelled. The hook runs inside every font dialog call
    // with the request as it was handed over.
    std::deque<std::optional<LOGFONTA>> fontAnswers;
    std::function<void(CHOOSEFONTA&)> inspectFontRequest;
    // The colours the colour dialog answers with, from the front; none, or
    // an empty script: cancelled.
    std::deque<std::optional<COLORREF>> colorAnswers;
    bool soundsPlay = true;
    INT_PTR shellExecuteAnswer = 33;
    UINT startProgramAnswer = 33;
    // The help viewer's window for every help call; null: the viewer shows none.
    HWND helpAnswer = nullptr;
    bool printSetupAnswer = false;
    // "device,driver,port" of the default printer; empty: no printer.
    std::string defaultPrinter;
    // The printer call of this kind ("StartDoc", "StartPage", ...) fails.
    std::string refusedPrintCall;
    // Printing on the system's printers: while set, the default printer, the
    // printer set-up dialog, the printers' device contexts and the print jobs
    // are those of the seam this one replaced (still recorded), and every job
    // name gets jobTag appended, so that a test finds its own output among
    // the printer's.
    bool spool = false;
    std::string jobTag;
    // A copy of each page printed on memory pages, taken at EndPage; the
    // page is then white again for the next one.
    struct PrintedPage {
        int width = 0, height = 0;
        std::vector<COLORREF> pixels;
        // The pixel in column x of row y, row 0 at the top; white outside.
        COLORREF Pixel(int x, int y) const;
    };
    std::vector<PrintedPage> printedPages;

    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
    bool ChooseFile(OPENFILENAMEA& request, bool open) override;
    bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) override;
    bool ChooseScreenFont(CHOOSEFONTA& request) override;
    bool ChoosePaletteColor(CHOOSECOLORA& request) override;
    bool PlaySystemSound(const std::string& alias) override;
    void SystemBeep(UINT type) override;
    void Tone(int frequency, int milliseconds) override;
    UINT StartProgram(const std::string& commandLine, int showCommand) override;
    INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int showCommand) override;
    HWND ShowHelp(HWND caller, const std::string& file, UINT command, const std::string& topic) override;
    bool PrintSetup(PRINTDLGA& request) override;
    std::string DefaultPrinter() override;
    // A memory device context on a white bitmap of the screen's size.
    HDC CreatePrinterDC(const std::string& driver, const std::string& device, const DEVMODEA* mode) override;
    int StartDocument(HDC printer, const std::string& jobName) override;
    int StartPage(HDC printer) override;
    int EndPage(HDC printer) override;
    int EndDocument(HDC printer) override;
    int AbortDocument(HDC printer) override;

private:
    void Record(Call call);
    // Records a call of a print job; 0 when the test refuses it, else
    // the spooler's answer while spooling, 1 otherwise.
    int PrintCall(const char* kind, const std::string& text, const std::function<int()>& spooled);
    static void WhitePage(HDC printer);
    void KeepPage(HDC printer);
    mutable std::mutex mutex_;
    Seam* previous_;
    std::vector<HBITMAP> pages_;
};
