#include "platform/framework/seam.h"

#include <htmlhelp.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/framework/window.h"

namespace {

int CALLBACK StartInFolder(HWND dialog, UINT message, LPARAM, LPARAM start)
{
    if (message == BFFM_INITIALIZED) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

// Calls of the system itself.
class Win32Seam : public Seam {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override
    {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    }

    bool ChooseFile(OPENFILENAMEA& request, bool open) override
    {
        if (open) return GetOpenFileNameA(&request);
        // A save dialog can return a name and still report a pending error.
        return GetSaveFileNameA(&request) && CommDlgExtendedError() == 0;
    }

    bool ChooseScreenFont(CHOOSEFONTA& request) override { return ChooseFontA(&request); }
    bool ChoosePaletteColor(CHOOSECOLORA& request) override { return ChooseColorA(&request); }

    bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) override
    {
        BROWSEINFOA info{};
        info.hwndOwner = owner;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        info.lpfn = StartInFolder;
        info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
        LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
        if (!chosen) return false;
        char path[MAX_PATH] = {};
        bool ok = SHGetPathFromIDListA(chosen, path);
        CoTaskMemFree(chosen);
        if (ok) folder = path;
        return ok;
    }

    bool PlaySystemSound(const std::string& alias) override
    {
        return PlaySoundA(alias.c_str(), nullptr, SND_ALIAS | SND_ASYNC);
    }

    void SystemBeep(UINT type) override { MessageBeep(type); }
    void Tone(int frequency, int milliseconds) override { Beep(frequency, milliseconds); }

    UINT StartProgram(const std::string& commandLine, int showCommand) override
    {
        return WinExec(commandLine.c_str(), showCommand);
    }

    INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int showCommand) override
    {
        auto text = [](const std::string& s) { return s.empty() ? nullptr : s.c_str(); };
        return reinterpret_cast<INT_PTR>(
            ShellExecuteA(owner, text(verb), file.c_str(), text(parameters), text(directory), showCommand));
    }

    HWND ShowHelp(HWND caller, const std::string& file, UINT command, const std::string& topic) override
    {
        using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
        static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        static auto htmlHelp =
            viewer ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")))
                   : nullptr;
        if (!htmlHelp) return nullptr;
        if (command == HH_DISPLAY_TOPIC) return htmlHelp(caller, (file + "::/" + topic).c_str(), command, 0);
        const std::string page = HelpKeywordPage(topic);
        HH_AKLINK link{};
        link.cbStruct = sizeof link;
        link.pszKeywords = topic.c_str();
        // An associative lookup shows the keyword's own page when it finds nothing.
        link.pszUrl = command == HH_ALINK_LOOKUP ? page.c_str() : nullptr;
        link.fIndexOnFail = command != HH_ALINK_LOOKUP;
        bool lookup = command == HH_ALINK_LOOKUP || command == HH_KEYWORD_LOOKUP;
        return htmlHelp(caller, file.c_str(), command, lookup ? reinterpret_cast<DWORD_PTR>(&link) : 0);
    }

    bool PrintSetup(PRINTDLGA& request) override { return PrintDlgA(&request); }

    std::string DefaultPrinter() override
    {
        char entry[512] = {};
        GetProfileStringA("windows", "device", "", entry, sizeof entry);
        return entry;
    }

    HDC CreatePrinterDC(const std::string& driver, const std::string& device, const DEVMODEA* mode) override
    {
        return CreateDCA(driver.c_str(), device.c_str(), nullptr, mode);
    }

    int StartDocument(HDC printer, const std::string& jobName) override
    {
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = jobName.c_str();
        return StartDocA(printer, &info);
    }

    int StartPage(HDC printer) override { return ::StartPage(printer); }
    int EndPage(HDC printer) override { return ::EndPage(printer); }
    int EndDocument(HDC printer) override { return EndDoc(printer); }
    int AbortDocument(HDC printer) override { return AbortDoc(printer); }
};

Win32Seam win32Seam;
Seam* currentSeam = &win32Seam;

}  // namespace

Seam& TheSeam()
{
    return *currentSeam;
}

Seam* SetSeam(Seam* seam)
{
    Seam* before = currentSeam;
    currentSeam = seam ? seam : &win32Seam;
    return before;
}

TextBox::TextBox(Window* owner, const std::string& caption, const std::string& text, UINT type)
    : owner_(owner),
      caption_(caption),
      text_(text),
      type_(type)
{
}

int TextBox::Show()
{
    return TheSeam().ShowMessageBox(owner_ ? owner_->Handle() : nullptr, text_, caption_, type_);
}

InfoBox::InfoBox(Window* owner, const std::string& caption, const std::string& text)
    : TextBox(owner, caption, text, MB_OK | MB_ICONINFORMATION)
{
}
