#include "app/shell/winshell.h"

#include <windows.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/dlgeditor.h"
#include "app/shell/dlgfarben.h"
#include "app/shell/dlgsprache.h"
#include "app/shell/dlgurheber.h"
#include "app/shell/drucken.h"
#include "app/shell/getpfade.h"
#include "app/shell/globals.h"
#include "app/shell/settings.h"
#include "app/shell/weblinks.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/app.h"
#include "platform/framework/printer.h"
#include "platform/framework/seam.h"
#include "platform/framework/standard_dialogs.h"
#include "platform/runtime/system.h"

namespace {

using widgets::MenueEintrag;
using widgets::MenuKey;

// One row of the menu table: a popup header (header set), an item, or a
// separator (no key). Items with a key code have an accelerator and show
// their shortcut after the caption.
struct MenuRow {
    const char* key = nullptr;
    const char* command = nullptr;
    int header = -1;
    int keyCode = 0;
    int flags = 0;
    const char* shortcut = nullptr;
};

constexpr MenuRow kSeparator{};

const MenuRow kMenuRows[] = {
    {"MENUE1_1", "PROGRAMM", 0},
    {"MENUE1_1_1", "PROSPRACHE"},
    kSeparator,
    {"MENUE1_1_3", "PROFARBENEINSTELLEN"},
    {"MENUE1_1_4", "PROEDITOREINSTELLEN"},
    {"MENUE1_1_2", "PRODRUCKEREINSTELLEN"},
    {"MENUE1_1_5", "PROTOOLTIPEINSTELLEN"},
    kSeparator,
    {"MENUE1_1_6", "PROBEGRUESSUNG"},
    {"MENUE1_1_7", "PROENDENACHFRAGE"},
    kSeparator,
    {"MENUE1_1_9", "PROBEENDEN", -1, 'B', FCONTROL, "Ctrl+B"},
    {"MENUE1_2", "AKTIONEN", 1},
    {"MENUE1_2_1", "PRODRUCKENH"},
    {"MENUE1_2_2", "PRODRUCKENF"},
    {"MENUE1_2_3", "PROSPEICHERNGIF"},
    {"MENUE1_2_4", "PROSPEICHERNBMP"},
    {"MENUE1_2_5", "PRODATEIBEARBPROTO"},
    {"MENUE1_3", "HILFE", 2},
    {"MENUE1_3_1", "HILHELMERTPAR"},
    kSeparator,
    {"MENUE1_3_2", "HILHANDBUCHINDEX", -1, VK_F1, 0, "F1"},
    {"MENUE1_3_3", "HILSCHLAGWORT", -1, VK_F1, FCONTROL, "Ctrl+F1"},
    kSeparator,
    {"MENUE1_3_6", "HILONLINEINFO"},
    {"MENUE1_3_4", "HILFAQ"},
    {"MENUE1_3_5", "HILREFERENZ1"},
    kSeparator,
    {"MENUE1_3_10", "HILURHEBERHINWEIS"},
};

// A switch of the Program popup: its setting and its item.
struct Switch {
    bool* flag;
    const char* key;
};

const Switch kTooltipSwitch{&glTooltip, "MENUE1_1_5"};
const Switch kBegruessungSwitch{&glBegruessung, "MENUE1_1_6"};
const Switch kEndeNachfrageSwitch{&glEndeNachfrage, "MENUE1_1_7"};

void Toggle(widgets::MenuExtra& menu, const Switch& item)
{
    *item.flag = !*item.flag;
    if (*item.flag)
        menu.CheckItem(MenuKey::Symbol(item.key));
    else
        menu.UncheckItem(MenuKey::Symbol(item.key));
}

// Today's date as day.month.four-digit year.
std::string Today()
{
    const std::string date = TodaySortable();
    return date.substr(6, 2) + "." + date.substr(4, 2) + "." + date.substr(0, 4);
}

// The start screen's wait: dispatching messages every 100 ms.
constexpr int kStartScreenMs = 4000;
constexpr int kShortStartMs = 500;
constexpr int kStepMs = 100;

// Colour numbers of the painter's table.
constexpr int kWhite = 15;
constexpr int kBlack = 16;
// Anchors of a text: its centre, the end of its base line.
constexpr uint32_t kCentred = 10;
constexpr uint32_t kRightEnd = 6;

}  // namespace

winShell::winShell()
{
    goShell = this;
    SetIcon(icoApp_vo());
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    goDrucker = std::make_unique<PrintingDevice>();

    statusBar_ = std::make_unique<widgets::statusbar2>(*this);
    statusBar_->DisplayMessage();
    statusBar_->AddItem({"SB_DATE", 65, 0});
    statusBar_->SetText(Today(), "SB_DATE");
    statusBar_->DisplayTime();
    statusBar_->SetErrorMessageBeep(false);
    statusBar_->SetTimeout(7);
    SetStatusBar(statusBar_.get());

    // No maximise box: the frame keeps the size the user gives it.
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) & ~WS_MAXIMIZEBOX);

    SprachenLaden();
    shell::ProfilLaden(*this);
    goFehler = std::make_unique<DlgFehler>();
    goErfolg = std::make_unique<DlgErfolg>();
    goHinweis = std::make_unique<DlgHinweis>();
    SetMenueItems();
    menu_ = std::make_unique<widgets::MenuExtra>(*this, menuTable_, 0, std::vector<widgets::LanguageTexts>{},
                                                 std::nullopt, std::nullopt, 2);
    MenueShell();
    Sprache();
}

winShell::~winShell()
{
    if (goShell == this) goShell = nullptr;
}

void winShell::SetMenueItems()
{
    menuTable_.clear();
    for (const MenuRow& row : kMenuRows) {
        if (!row.key) {
            menuTable_.emplace_back(MenuKey::Separator());
            continue;
        }
        MenueEintrag& entry = menuTable_.emplace_back(MenuKey::Symbol(row.key));
        entry.command = row.command;
        if (row.header >= 0) entry.popupPosition = row.header;
        if (row.keyCode) {
            entry.acceleratorKey = row.keyCode;
            entry.acceleratorFlags = row.flags;
            entry.shortcutText = row.shortcut;
        }
    }
}

void winShell::MenueShell()
{
    for (const Switch& item : {kTooltipSwitch, kBegruessungSwitch, kEndeNachfrageSwitch})
        if (*item.flag) menu_->CheckItem(MenuKey::Symbol(item.key));
}

void winShell::Sprache()
{
    texts_ = GetSprachFileText("WINSHELL");
    SetCaption(gcProgramm + " " + gcVersion);
    std::vector<std::string> keys;
    for (const MenuRow& row : kMenuRows) keys.emplace_back(row.key ? row.key : "");
    menu_->SpracheArray(GetSprachFileMenue("WINSHELL", keys));
    SetHelpDisplay(std::make_unique<HelpDisplay>(gcPfadUser + shell::kHelpFiles[gcSprache == "ger" ? 0 : 1], this));
}

void winShell::Show(int showState)
{
    gTopAppWindow::Show(showState);
    Disable();
    const int wait = glBegruessung ? kStartScreenMs : kShortStartMs;
    for (int i = 1; i <= wait; i += kStepMs) {
        ApplicationExec();
        Sleep(kStepMs);
    }
    Enable();
}

void winShell::Paint()
{
    if (startScreenPainted_) return;
    startScreenPainted_ = true;
    Graphics& painter = *_oGraphics;
    const double w = painter.GetDeviceWidth();
    const double h = painter.GetDeviceHeight();
    const Color& background = gaFarbenStandard[3];
    painter.SetBackgroundColor(ColorArg::Rgb(background.Red(), background.Green(), background.Blue()))
        .SetGradientColor(kBlack)
        .PaintSpotCanvas(10, 7);
    painter.SetWorldOrigin(painter.GetDeviceWidth() / 2, painter.GetDeviceHeight() / 2);
    painter.SetStringFont(std::string("Arial"), 30.0, 60.0, 2, 0, 0.0)
        .SetStringColor(kWhite)
        .SetStringShadow(6, kBlack, 7)
        .PaintStringShadow(0, 0.3 * h, gcProgramm, kCentred);
    painter.SetStringFont(std::string("Arial"), 15.0, 30.0, 0, 0, 0.0).SetStringShadow(4, kBlack, 7);
    const double lines[] = {0.15, 0.05, -0.05, -0.15};
    for (int i = 0; i < 4; ++i)
        painter.PaintStringShadow(0, lines[i] * h, texts_.at(static_cast<size_t>(5 + i)), kCentred);
    painter.SetWorldOrigin(0.95 * w, 0.1 * h)
        .SetStringColor(kWhite)
        .SetStringShadow(3, kBlack, 7)
        .SetStringFont(std::string("Arial"), 10.0, 20.0, 0, 0, 0.0)
        .PaintStringShadow(0, 0, shell::kCopyright, kRightEnd);
}

void winShell::Resize(ResizeEvent& event)
{
    gTopAppWindow::Resize(event);
    if (goCalcPar) goCalcPar->GroessenNeu();
}

LRESULT winShell::Dispatch(Event& event)
{
    const LRESULT result = gTopAppWindow::Dispatch(event);
    if ((event.message == WM_SIZING || event.message == WM_EXITSIZEMOVE) && goCalcPar && goCalcPar->Handle())
        SendMessageA(goCalcPar->Handle(), event.message, event.wParam, event.lParam);
    // The calculation window's control that had the focus when the frame was
    // deactivated gets it back once the default processing of the activation
    // has given it to the frame.
    if (event.message == WM_ACTIVATE && goCalcPar && goCalcPar->Handle()) {
        if (LOWORD(event.wParam) == WA_INACTIVE)
            goCalcPar->NoteFocus();
        else
            goCalcPar->ReturnFocus();
    }
    // The session ends without a close request: what a regular exit saves is
    // saved now. Nobody is left to read a failure.
    if (event.message == WM_ENDSESSION && event.wParam) {
        shell::ProfilSichern(*this);
        if (goCalcPar) goCalcPar->ProfilPrg2Ini();
    }
    return result;
}

void winShell::HelpRequest(Event&)
{
    HilHandbuchIndex();
}

bool winShell::QueryClose(Event&)
{
    if ((goCalcPar && goCalcPar->IsBusy()) || !IsEnabled()) return false;
    if (!glEndeNachfrage) return true;
    return TextBox(this, gcProgramm, texts_.at(10), MB_YESNO | MB_ICONQUESTION).Show() == IDYES;
}

void winShell::Close(Event& event)
{
    // The message windows end with the frame: a failure is shown in a box.
    if (const std::string error = shell::ProfilSichern(*this); !error.empty())
        TextBox(this, gcProgramm, error, MB_OK | MB_ICONEXCLAMATION).Show();
    if (goCalcPar) {
        goCalcPar->Destroy();
        goCalcPar = nullptr;
    }
    SetHelpDisplay(nullptr);
    for (MessageWindow* window :
         {static_cast<MessageWindow*>(goFehler.get()), static_cast<MessageWindow*>(goErfolg.get()),
          static_cast<MessageWindow*>(goHinweis.get())})
        if (window) window->EndDialog();
    goFehler.reset();
    goErfolg.reset();
    goHinweis.reset();
    for (Brush& brush : gaPinsel) brush = Brush();
    goDrucker.reset();
    menuTable_.clear();
    texts_.clear();
    gTopAppWindow::Close(event);
    if (App* app = App::Current()) app->Quit();
}

bool winShell::CallByName(std::string_view name)
{
    static const MethodTable<winShell> table{
        {"PROSPRACHE", &winShell::ProSprache},
        {"PROFARBENEINSTELLEN", &winShell::ProFarbenEinstellen},
        {"PROEDITOREINSTELLEN", &winShell::ProEditorEinstellen},
        {"PRODRUCKEREINSTELLEN", &winShell::ProDruckerEinstellen},
        {"PRODRUCKENH", &winShell::ProDruckenH},
        {"PRODRUCKENF", &winShell::ProDruckenF},
        {"PROSPEICHERNGIF", &winShell::ProSpeichernGif},
        {"PROSPEICHERNBMP", &winShell::ProSpeichernBmp},
        {"PRODATEIBEARBPROTO", &winShell::ProDateiBearbProto},
        {"PROTOOLTIPEINSTELLEN", &winShell::ProTooltipEinstellen},
        {"PROBEGRUESSUNG", &winShell::ProBegruessung},
        {"PROENDENACHFRAGE", &winShell::ProEndeNachfrage},
        {"PROBEENDEN", &winShell::ProBeenden},
        {"HILHELMERTPAR", &winShell::HilHelmertPar},
        {"HILHANDBUCHINDEX", &winShell::HilHandbuchIndex},
        {"HILSCHLAGWORT", &winShell::HilSchlagwort},
        {"HILONLINEINFO", &winShell::HilOnlineInfo},
        {"HILFAQ", &winShell::HilFaq},
        {"HILREFERENZ1", &winShell::HilReferenz1},
        {"HILURHEBERHINWEIS", &winShell::HilUrheberHinweis},
    };
    return table.Call(*this, name) || gTopAppWindow::CallByName(name);
}

void winShell::ProSprache()
{
    dlgSprache dialog(this);
    dialog.Show();
    if (dialog.Result() == 0 || dialog.CSprache() == gcSprache) return;
    gcSprache = dialog.CSprache();
    Sprache();
    if (goCalcPar) goCalcPar->Sprache();
}

void winShell::ProFarbenEinstellen()
{
    dlgFarben dialog(this);
    dialog.Show();
}

void winShell::ProEditorEinstellen()
{
    dlgEditor dialog(this);
    dialog.Show();
}

void winShell::ProDruckerEinstellen()
{
    ::ProDruckerEinstellen();
}

void winShell::ProDruckenH()
{
    if (goCalcPar) goCalcPar->ButDruckenH();
}

void winShell::ProDruckenF()
{
    shell::DruckenF(*this, texts_);
}

void winShell::ProSpeichernGif()
{
    shell::SpeichernBild(*this, texts_, true);
}

void winShell::ProSpeichernBmp()
{
    shell::SpeichernBild(*this, texts_, false);
}

void winShell::ProDateiBearbProto()
{
    if (goCalcPar) goCalcPar->ButEditProtoDatei();
}

void winShell::ProTooltipEinstellen()
{
    Toggle(*menu_, kTooltipSwitch);
    if (goCalcPar) goCalcPar->TooltipNeu();
}

void winShell::ProBegruessung()
{
    Toggle(*menu_, kBegruessungSwitch);
}

void winShell::ProEndeNachfrage()
{
    Toggle(*menu_, kEndeNachfrageSwitch);
}

// Posted, so that the frame and the calculation window are not ended inside
// the menu command or the button click that asked for it.
void winShell::ProBeenden()
{
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void winShell::HilHelmertPar()
{
    ShowHelpALink("a_helmertparameter");
}

void winShell::HilHandbuchIndex()
{
    if (GetHelpDisplay()) GetHelpDisplay()->Show("HelpContents");
}

void winShell::HilSchlagwort()
{
    if (GetHelpDisplay()) GetHelpDisplay()->Show("HelpIndex");
}

void winShell::HilOnlineInfo()
{
    shell::OpenUrl(shell::ProductPage(gcSprache));
}

void winShell::HilFaq()
{
    shell::OpenUrl(shell::FaqPage(gcSprache));
}

void winShell::HilReferenz1()
{
    shell::OpenUrl(shell::EncyclopediaPage(gcSprache));
}

void winShell::HilUrheberHinweis()
{
    dlgUrheber dialog(this);
    dialog.Show();
}
