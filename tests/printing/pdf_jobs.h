// Printing on the PDF printer of the test command. scripts/test.sh starts a
// CUPS scheduler of its own with the queue PDF (cups-pdf) and makes that the
// default printer of the build's Wine prefix; a job printed there arrives, a
// few seconds after EndDoc, as a PDF named after the job in the printing
// user's ~/PDF. A test prints through the real printer path with its
// recording seam spooling, gives every job a tag of its own and writes beside
// it what the job's PDF must show, as TAG.json in the folder pdf\ of its
// working folder; the native test NAME_read_back (check_pdfs.py, which
// describes the fields) then finds each PDF by its tag and reads it back with
// poppler's tools.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/framework/recording_seam.h"

namespace printtest {

// Puts the seam onto the system's printers; fails, saying what is missing,
// unless the default printer is the PDF printer of the test command.
::testing::AssertionResult SpoolOnPdfPrinter(RecordingSeam& seam);

// A tag for the next job, unique to the process and the call; the seam's
// job names end in it.
std::string NewJobTag(RecordingSeam& seam);

// JSON texts built from parts. Texts are given in the ANSI code page.
std::string JsonText(const std::string& text);
std::string JsonNumber(double number);
std::string JsonList(const std::vector<std::string>& items);
std::string JsonBox(int left, int top, int right, int bottom);
std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& fields);

// Writes what the PDF of the job with the seam's current tag must show
// (further fields of a JSON object; "job" and "test" are added).
void ExpectPdf(const RecordingSeam& seam, std::vector<std::pair<std::string, std::string>> fields);
// The folder pdf\ of the working folder, with a trailing backslash.
std::string PdfFolder();

// Answers the printer set-up dialog (PrintDlg) that opens on this thread
// while it lives: chooses the printer and, if given, the orientation, then
// presses OK or Cancel (IDOK, IDCANCEL), as a user does.
class PrintSetupAnswer {
public:
    PrintSetupAnswer(int button, const std::string& printer, int orientation = 0);
    ~PrintSetupAnswer();
    PrintSetupAnswer(const PrintSetupAnswer&) = delete;
    PrintSetupAnswer& operator=(const PrintSetupAnswer&) = delete;

    // True once the dialog was answered.
    bool Answered() const { return answered_; }

private:
    static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Answer(HWND window, LPARAM);
    int button_;
    std::string printer_;
    int orientation_;
    bool answered_ = false;
    UINT_PTR timer_;
};

}  // namespace printtest
