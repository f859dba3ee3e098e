// The open and save dialog: the record it hands to the system, how it reads
// the answer (single and multiple selections, cancel, a failed save), what
// it keeps for the next showing, and its hook.
#include "widgets/opensavedialog.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <cderr.h>

#include <string>
#include <vector>

#include "platform/framework/recording_seam.h"

namespace {

using namespace std::string_literals;
using widgets::OpenSaveDialog;

constexpr DWORD kExplorer = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;

// The filter list of a record: text, mask, text, mask ... up to the empty string.
std::vector<std::string> FilterOf(const OPENFILENAMEA& record)
{
    std::vector<std::string> parts;
    for (const char* part = record.lpstrFilter; part && *part; part += strlen(part) + 1) parts.push_back(part);
    return parts;
}

TEST(OpenSaveDialogTest, TheRecordCarriesTheSettingsTheBufferAndTheHook)
{
    RecordingSeam seam;
    OPENFILENAMEA seen{};
    std::vector<std::string> filter;
    std::string file, directory, caption;
    seam.inspectFileRequest = [&](OPENFILENAMEA& record) {
        seen = record;
        filter = FilterOf(record);
        file = record.lpstrFile;
        directory = record.lpstrInitialDir ? record.lpstrInitialDir : "";
        caption = record.lpstrTitle ? record.lpstrTitle : "";
    };

    OpenSaveDialog save(nullptr, "c:\\data\\helmert.txt", false);
    save.SetStyle(OFN_OVERWRITEPROMPT, true);
    save.SetCaption("MERIDOXA -- Save");
    save.SetFilter({"*.*", "*.txt"}, {"All files", "Text files"}, 2);
    save.SetInitialDirectory("c:\\data\\");
    EXPECT_FALSE(save.Show());

    EXPECT_EQ(seen.nMaxFile, 4096u);
    EXPECT_EQ(seen.Flags, kExplorer | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ENABLEHOOK);
    EXPECT_EQ(seen.lpfnHook, &widgets::FuncOpenSaveHook);
    EXPECT_EQ(seen.nFilterIndex, 2u);
    EXPECT_EQ(filter, (std::vector<std::string>{"All files", "*.*", "Text files", "*.txt"}));
    EXPECT_EQ(file, "c:\\data\\helmert.txt");
    EXPECT_EQ(directory, "c:\\data\\");
    EXPECT_EQ(caption, "MERIDOXA -- Save");
    EXPECT_EQ(seam.CallsOf("SaveFile").size(), 1u);

    // Without an open flag the dialog opens, and the file must exist.
    OpenSaveDialog open(nullptr, std::string(5000, 'x'));
    EXPECT_FALSE(open.Show());
    EXPECT_EQ(seen.Flags, kExplorer | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK);
    EXPECT_EQ(file, std::string(4095, 'x')) << "the initial name is cut to the buffer";
    EXPECT_EQ(seam.CallsOf("OpenFile").size(), 1u);
}

struct Answer {
    const char* name;
    bool open;
    DWORD styleOn, styleOff;
    std::string answer;
    DWORD extendedError;
    bool chosen;
    std::string fileName;
    std::vector<std::string> fileNames;
};

TEST(OpenSaveDialogTest, AnswersBecomeAPathOrAListOfPaths)
{
    const Answer answers[] = {
        {"single path", true, 0, 0, "c:\\data\\a.txt", 0, true, "c:\\data\\a.txt", {}},
        {"explorer selection in a root",
         true,
         OFN_ALLOWMULTISELECT,
         0,
         "c:\\\0a.txt\0b.txt"s,
         0,
         true,
         "",
         {"c:\\a.txt", "c:\\b.txt"}},
        {"explorer selection in a folder",
         true,
         OFN_ALLOWMULTISELECT,
         0,
         "c:\\data\0b.txt\0a.txt"s,
         0,
         true,
         "",
         {"c:\\data\\b.txt", "c:\\data\\a.txt"}},
        {"multiple selection of one file",
         true,
         OFN_ALLOWMULTISELECT,
         0,
         "c:\\data\\a.txt",
         0,
         true,
         "c:\\data\\a.txt",
         {}},
        {"old-style selection",
         true,
         OFN_ALLOWMULTISELECT,
         OFN_EXPLORER,
         "c:\\data\\ a.txt b.txt c.txt",
         0,
         true,
         "",
         {"c:\\data\\a.txt", "c:\\data\\b.txt", "c:\\data\\c.txt"}},
        {"old-style single file",
         true,
         OFN_ALLOWMULTISELECT,
         OFN_EXPLORER,
         "c:\\data\\a.txt",
         0,
         true,
         "c:\\data\\a.txt",
         {}},
        {"cancel", true, 0, 0, "", 0, false, "", {}},
        {"save", false, 0, 0, "c:\\data\\out.txt", 0, true, "c:\\data\\out.txt", {}},
        {"save with an extended error", false, 0, 0, "c:\\data\\out.txt", FNERR_INVALIDFILENAME, false, "", {}},
        {"answer longer than the buffer", true, 0, 0, "c:\\" + std::string(5000, 'a'), 0, false, "", {}},
    };
    for (const Answer& a : answers) {
        SCOPED_TRACE(a.name);
        RecordingSeam seam;
        seam.fileAnswers.push_back(a.answer);
        seam.saveExtendedError = a.extendedError;
        OpenSaveDialog dialog(nullptr, "c:\\data\\*.*", a.open);
        dialog.SetStyle(a.styleOn, true);
        dialog.SetStyle(a.styleOff, false);
        EXPECT_EQ(dialog.Show(), a.chosen);
        EXPECT_EQ(dialog.FileName(), a.fileName);
        EXPECT_EQ(dialog.FileNames(), a.fileNames);
    }
}

TEST(OpenSaveDialogTest, TheNextShowingStartsFromWhatTheLastOneLeft)
{
    RecordingSeam seam;
    std::vector<std::string> files;
    std::vector<DWORD> filterIndexes;
    seam.inspectFileRequest = [&](OPENFILENAMEA& record) {
        files.push_back(record.lpstrFile);
        filterIndexes.push_back(record.nFilterIndex);
        record.nFilterIndex = 2;
        record.Flags |= OFN_READONLY;
    };
    OpenSaveDialog dialog(nullptr, "c:\\data\\*.*");
    dialog.SetFilter({"*.*", "*.txt"}, {"All files", "Text files"}, 1);
    seam.fileAnswers.push_back("c:\\data\\a.txt");
    ASSERT_TRUE(dialog.Show());
    EXPECT_EQ(dialog.FilterIndex(), 2);
    EXPECT_EQ(dialog.Flags() & (OFN_READONLY | OFN_ENABLEHOOK), DWORD(OFN_READONLY | OFN_ENABLEHOOK));

    dialog.SetStyle(OFN_ALLOWMULTISELECT, true);
    seam.fileAnswers.push_back("c:\\data\0a.txt\0b.txt"s);
    ASSERT_TRUE(dialog.Show());
    EXPECT_FALSE(dialog.Show()) << "no answer left: cancelled";
    EXPECT_EQ(files, (std::vector<std::string>{"c:\\data\\*.*", "c:\\data\\a.txt", ""}));
    EXPECT_EQ(filterIndexes, (std::vector<DWORD>{1, 2, 2}));
}

TEST(OpenSaveDialogTest, ASelectionIsNeverReadPastItsBuffer)
{
    const char full[] = {'c', ':', '\\', 'd', '\0', 'a', 'b', 'c'};
    EXPECT_EQ(widgets::SelectedPaths(full, sizeof full, true), (std::vector<std::string>{"c:\\d\\abc"}));
    const char line[] = {'c', ':', '\\', 'd', ' ', 'a', 'b', 'c'};
    EXPECT_EQ(widgets::SelectedPaths(line, sizeof line, false), (std::vector<std::string>{"c:\\d\\abc"}));
}

// A dialog that counts its help calls and records what reaches Dispatch.
class CountingDialog : public OpenSaveDialog {
public:
    using OpenSaveDialog::OpenSaveDialog;
    void Help() override { ++helps; }
    LRESULT Dispatch(Event& event, HWND dialog) override
    {
        events.push_back(event);
        windows.push_back(dialog);
        return event.message == WM_COMMAND;
    }
    int helps = 0;
    std::vector<Event> events;
    std::vector<HWND> windows;
};

TEST(OpenSaveDialogTest, TheHookHandsHelpAndMessagesToTheDialogBeingShown)
{
    HWND parent = CreateWindowA("STATIC", "dialog", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND hook = CreateWindowA("STATIC", "hook", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(parent && hook);
    NMHDR help{hook, 0, static_cast<UINT>(CDN_HELP)};
    NMHDR other{hook, 0, static_cast<UINT>(CDN_SELCHANGE)};
    EXPECT_EQ(widgets::FuncOpenSaveHook(hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&help)), 0u)
        << "no dialog is shown";

    for (bool explorer : {true, false}) {
        SCOPED_TRACE(explorer ? "explorer" : "old style");
        RecordingSeam seam;
        CountingDialog dialog(nullptr, "");
        dialog.SetStyle(OFN_EXPLORER, explorer);
        std::vector<UINT_PTR> results;
        seam.inspectFileRequest = [&](OPENFILENAMEA& record) {
            EXPECT_EQ(OpenSaveDialog::Shown(), &dialog);
            results.push_back(record.lpfnHook(hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&help)));
            results.push_back(record.lpfnHook(hook, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other)));
            results.push_back(record.lpfnHook(hook, WM_COMMAND, IDOK, 0));
        };
        dialog.Show();
        EXPECT_EQ(OpenSaveDialog::Shown(), nullptr);
        EXPECT_EQ(results, (std::vector<UINT_PTR>{1, 0, 1}));
        EXPECT_EQ(dialog.helps, 1);
        ASSERT_EQ(dialog.events.size(), 2u);
        EXPECT_EQ(dialog.events[1].hWnd, hook);
        EXPECT_EQ(dialog.events[1].message, UINT(WM_COMMAND));
        EXPECT_EQ(dialog.events[1].wParam, WPARAM(IDOK));
        EXPECT_EQ(dialog.windows, (std::vector<HWND>(2, explorer ? parent : hook)));
    }
    DestroyWindow(parent);
}

}  // namespace
