// Start benchmark, with the start screen off:
// - start: the program's start method up to its message loop, that is the
//   directories and INI files, the geodesy library, the frame shown and the
//   calculation window shown and enabled, then the messages waiting
//   dispatched; less the frame's fixed wait of 0.5 s;
// - switch: English, German, English again with both windows visible, as the
//   language dialog does after it was accepted (frame, then calculation
//   window), each followed by dispatching the messages waiting.
// The floor: the plain framework frame and the form "dtaCalcPar_vo" made from
// its template, its controls with the same tool tips, given the caption, the
// menu, the control texts and the combo lists directly (texts taken once from
// the real windows, so from the language files), and the same texts switched
// directly. Kit and floor take turns; prints the best and the median run and
// their ratios to the floor.
// Needs a display: DISPLAY=... scripts/wine-run.sh ARCH build/ARCH/bench/start_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/start.h"
#include "app/shell/winshell.h"
#include "bench/calcwindow_setup.h"
#include "bench/timing.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/dialogs.h"

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since a point in time.
double MillisSince(Clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

constexpr int kRuns = 12;
constexpr double kFixedWaitMs = 500.0;

// One menu item: its text, or a separator, and the items of its popup.
struct MenuText {
    std::string text;
    bool separator = false;
    std::vector<MenuText> popup;
};

// What the language gives the two windows: caption, menu, the captions of
// buttons and labels and the rows of the combo boxes (by control number).
struct Texts {
    std::string caption;
    std::vector<MenuText> menu;
    std::map<int, std::string> captions;
    std::map<int, std::vector<std::string>> combos;
};

std::vector<MenuText> TakeMenu(HMENU menu)
{
    std::vector<MenuText> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        MenuText& item = items.emplace_back();
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.text = text;
        if (info.hSubMenu) item.popup = TakeMenu(info.hSubMenu);
    }
    return items;
}

std::string ClassOf(HWND control)
{
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

// Calls fn(control number, class name, handle) for each control of a window.
template <typename Fn>
void ForEachControl(HWND window, Fn&& fn)
{
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        fn(GetDlgCtrlID(control), ClassOf(control), control);
}

Texts TakeTexts(HWND frame, HWND calcWindow)
{
    Texts texts;
    char text[512] = {};
    GetWindowTextA(frame, text, sizeof text);
    texts.caption = text;
    texts.menu = TakeMenu(GetMenu(frame));
    ForEachControl(calcWindow, [&](int id, const std::string& kind, HWND control) {
        if (!lstrcmpiA(kind.c_str(), "ComboBox")) {
            auto& rows = texts.combos[id];
            const auto count = SendMessageA(control, CB_GETCOUNT, 0, 0);
            for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
                SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                rows.emplace_back(text);
            }
        } else if (!lstrcmpiA(kind.c_str(), "Button") || !lstrcmpiA(kind.c_str(), "Static")) {
            GetWindowTextA(control, text, sizeof text);
            texts.captions[id] = text;
        }
    });
    return texts;
}

void MakeMenu(HMENU menu, const std::vector<MenuText>& items)
{
    UINT id = 1000;
    for (const MenuText& item : items) {
        if (item.separator) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.popup.empty()) {
            HMENU popup = CreatePopupMenu();
            MakeMenu(popup, item.popup);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), item.text.c_str());
        } else {
            AppendMenuA(menu, MF_STRING, id++, item.text.c_str());
        }
    }
}

void SetMenuTexts(HMENU menu, const std::vector<MenuText>& items)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].separator) continue;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(items[i].text.c_str());
        SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (!items[i].popup.empty()) SetMenuTexts(GetSubMenu(menu, static_cast<int>(i)), items[i].popup);
    }
}

// The texts of a language straight onto the floor's windows.
void SetTexts(HWND frame, HWND form, const Texts& texts)
{
    SetWindowTextA(frame, texts.caption.c_str());
    SetMenuTexts(GetMenu(frame), texts.menu);
    DrawMenuBar(frame);
    ForEachControl(form, [&](int id, const std::string&, HWND control) {
        if (auto caption = texts.captions.find(id); caption != texts.captions.end())
            SetWindowTextA(control, caption->second.c_str());
        if (auto rows = texts.combos.find(id); rows != texts.combos.end()) {
            const auto selected = SendMessageA(control, CB_GETCURSEL, 0, 0);
            SendMessageA(control, CB_RESETCONTENT, 0, 0);
            for (const std::string& row : rows->second)
                SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        }
    });
}

// The program's start in the build's program directory, with a user
// directory of its own in the temporary folder.
class BenchFacts : public shell::SystemFacts {
public:
    BenchFacts()
    {
        std::string dir = MDX_PROGRAM_DIR "\\";
        std::replace(dir.begin(), dir.end(), '/', '\\');
        programDir_ = dir;
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        appData_ = std::string(temp) + "mdx_start_bench";
    }
    std::string ProgramDirectory() const override { return programDir_; }
    unsigned DriveType(const std::string&) const override { return DRIVE_FIXED; }
    unsigned LetterDriveType(char) const override { return DRIVE_FIXED; }
    std::string LetterRoot(char) const override { return appData_ + "\\"; }
    std::string FixedDirectory() const override { return appData_ + "\\"; }
    std::string Environment(const std::string& name) const override { return name == "APPDATA" ? appData_ : ""; }
    std::string UserName() const override { return "bench"; }
    void AllowNetworkHelp() const override {}
    // The settings file the start reads.
    std::string Ini() const { return appData_ + "\\meridoxa\\meridoxa.ini"; }

private:
    std::string programDir_, appData_;
};

// Switches frame and calculation window to a language and dispatches.
void Switch(winShell& shell, const char* language)
{
    gcSprache = language;
    shell.Sprache();
    goCalcPar->Sprache();
    ApplicationExec();
}

// The start, timed from the call of Start to its message loop, which it does
// not enter: the switch is timed there instead, and Start returns.
class TimedStart : public shell::MeridoxaApp {
public:
    TimedStart(const shell::SystemFacts& facts, Texts* eng, Texts* ger) : MeridoxaApp(facts), eng_(eng), ger_(ger) {}
    bool Run()
    {
        start_ = Clock::now();
        Start();
        return reached_;
    }
    double startMs = 0, switchMs = 0;
    Dimension frameSize{};

protected:
    int Loop() override
    {
        ApplicationExec();
        startMs = MillisSince(start_) - kFixedWaitMs;
        auto* shell = dynamic_cast<winShell*>(goShell);
        if (!shell || !goCalcPar || !IsWindowVisible(goCalcPar->Handle()) || !IsWindowEnabled(goCalcPar->Handle()) ||
            !IsWindowEnabled(shell->Handle()))
            return 1;
        frameSize = shell->Size();
        if (eng_) {
            Switch(*shell, "eng");
            *eng_ = TakeTexts(shell->Handle(), goCalcPar->Handle());
            Switch(*shell, "ger");
            *ger_ = TakeTexts(shell->Handle(), goCalcPar->Handle());
            Switch(*shell, "eng");
            reached_ = true;
            return 0;
        }
        if (glBegruessung || gcSprache != "eng") return 1;
        const auto start = Clock::now();
        Switch(*shell, "ger");
        Switch(*shell, "eng");
        switchMs = MillisSince(start);
        reached_ = true;
        return 0;
    }

private:
    Texts *eng_, *ger_;
    Clock::time_point start_;
    bool reached_ = false;
};

// The floor: the same windows from their templates with the texts set
// directly; answers the time of the start and the switch.
void Floor(const Texts& eng, const Texts& ger, Dimension frameSize, double& startMs, double& switchMs)
{
    auto start = Clock::now();
    TopAppWindow frame;
    HMENU menu = CreateMenu();
    MakeMenu(menu, eng.menu);
    SetMenu(frame.Handle(), menu);
    frame.SetSize(frameSize);
    frame.Show();
    DataWindow form(&frame, "dtaCalcPar_vo");
    form.SetOrigin({0, 0});
    form.SetSize(frame.CanvasArea().extent);
    AddToolTips(form);
    SetTexts(frame.Handle(), form.Handle(), eng);
    form.Show();
    ApplicationExec();
    startMs = MillisSince(start);

    start = Clock::now();
    SetTexts(frame.Handle(), form.Handle(), ger);
    ApplicationExec();
    SetTexts(frame.Handle(), form.Handle(), eng);
    ApplicationExec();
    switchMs = MillisSince(start);
    form.Destroy();
    frame.Destroy();
}

}  // namespace

int main()
{
    CalcWindowSetup oSetup;
    const BenchFacts oFacts;

    // A first start makes the user directory and its INI files and takes the
    // texts of both languages; then the start screen is switched off.
    Texts oEng, oGer;
    Dimension oFrameSize{};
    {
        TimedStart oFirst(oFacts, &oEng, &oGer);
        if (!oFirst.Run()) {
            std::printf("start_bench: the start did not show its windows\n");
            return 1;
        }
        oFrameSize = oFirst.frameSize;
    }
    WritePrivateProfileStringA("Config", "Begruessung", "F", oFacts.Ini().c_str());
    WritePrivateProfileStringA("Config", "Sprache", "eng", oFacts.Ini().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, oFacts.Ini().c_str());
    std::printf("start_bench: %d runs each, kit and floor in turn (target: ratio 2); menu bar %zu items, "
                "%zu control captions, %zu combo boxes\n",
                kRuns, oEng.menu.size(), oEng.captions.size(), oEng.combos.size());

    std::vector<double> aStart, aSwitch, aFloorStart, aFloorSwitch;
    for (int nRun = 0; nRun < kRuns; ++nRun) {
        TimedStart oApp(oFacts, nullptr, nullptr);
        if (!oApp.Run()) {
            std::printf("start_bench: run %d did not show its windows in English with the start screen off\n",
                        nRun + 1);
            return 1;
        }
        aStart.push_back(oApp.startMs);
        aSwitch.push_back(oApp.switchMs);
        double fStart = 0, fSwitch = 0;
        Floor(oEng, oGer, oFrameSize, fStart, fSwitch);
        aFloorStart.push_back(fStart);
        aFloorSwitch.push_back(fSwitch);
    }
    const Figure oFloorStart(aFloorStart), oFloorSwitch(aFloorSwitch);
    Report("floor: start", oFloorStart, oFloorStart);
    Report("start (less the 0.5 s wait)", Figure(aStart), oFloorStart);
    Report("floor: switch eng-ger-eng", oFloorSwitch, oFloorSwitch);
    Report("switch eng-ger-eng", Figure(aSwitch), oFloorSwitch);
    return 0;
}
