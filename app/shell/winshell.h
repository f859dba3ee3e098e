// The program's frame window: the top-level window with the menu, the status
// bar, the application icon and the help display, inside whose canvas the
// calculation window sits. It makes the process-wide services (printing
// device, message windows), reads the program settings and the language
// table, shows a painted start screen while the program starts, passes size
// changes and the focus on to the calculation window and runs the shutdown.
//
// Shutdown: the exit command (Ctrl+B), the calculation window's exit button
// and the close box all come to QueryClose, which asks when the exit question
// is on. It refuses without asking while the calculation window is busy (a
// computation or a file read dispatches messages, so a close request can
// arrive in the middle of it) and while the frame is disabled (the start
// screen, or a modal dialog or message box of the frame is open). When
// Windows ends the user's session the frame saves the settings and the
// calculation window's last inputs without asking.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/windows/gkitwindow.h"
#include "widgets/menuextra.h"
#include "widgets/statusbar2.h"

class winShell : public gTopAppWindow {
public:
    // Builds the frame hidden, in this order: printing device, status bar,
    // language table, settings of section Config, message windows, menu,
    // check marks, texts of the current language. goShell is the frame from
    // now on.
    winShell();
    ~winShell() override;

    // Shows the frame and keeps it disabled for the start screen: 4 s with
    // the start-screen switch on, else 0.5 s, dispatching messages meanwhile.
    void Show(int showState = SW_SHOWNORMAL) override;
    // The start screen, on the first paint of the frame only; afterwards the
    // refresh bitmap and the calculation window cover it.
    void Paint() override;
    void Resize(ResizeEvent& event) override;
    // Passes the drags of the border and the focus on to the calculation
    // window (to the control that had it when the frame was deactivated),
    // and saves when the session ends.
    LRESULT Dispatch(Event& event) override;
    void HelpRequest(Event& event) override;
    bool QueryClose(Event& event) override;
    void Close(Event& event) override;
    bool CallByName(std::string_view name) override;

    // The menu table of the frame (29 rows).
    void SetMenueItems();
    // Check marks of the tooltip, start-screen and exit-question switches.
    void MenueShell();
    // Caption, numbered texts, menu texts and the help display (German help
    // for "ger", English for every other language) of the current language.
    void Sprache();

    // The language dialog; another language accepted there becomes the
    // program's, and the frame and the calculation window take its texts.
    void ProSprache();
    // The colour dialog; the text viewer and protocol path dialog.
    void ProFarbenEinstellen();
    void ProEditorEinstellen();
    // Printing and pictures: the printer set-up, the result report, the
    // calculation window as a form, the frame as a GIF or BMP picture, and
    // the protocol file in the text viewer.
    void ProDruckerEinstellen();
    void ProDruckenH();
    void ProDruckenF();
    void ProSpeichernGif();
    void ProSpeichernBmp();
    void ProDateiBearbProto();

    // The switches: each flips its setting and its check mark; the tooltips
    // of the calculation window follow at once.
    void ProTooltipEinstellen();
    void ProBegruessung();
    void ProEndeNachfrage();
    // Asks the frame to close (a posted close request).
    void ProBeenden();

    // Help: the topic of the Helmert parameters, the contents, the index.
    void HilHelmertPar();
    void HilHandbuchIndex();
    void HilSchlagwort();
    // Web pages in the language of the program: the product page, the
    // questions page, the encyclopedia article.
    void HilOnlineInfo();
    void HilFaq();
    void HilReferenz1();
    // The about box.
    void HilUrheberHinweis();

    // The frame's numbered texts (text n at index n - 1).
    const std::vector<std::string>& SprachTexte() const { return texts_; }
    widgets::MenuExtra* Menue() const { return menu_.get(); }
    widgets::statusbar2* StatusBar2() const { return statusBar_.get(); }

private:
    std::vector<widgets::MenueEintrag> menuTable_;
    std::vector<std::string> texts_;
    std::unique_ptr<widgets::statusbar2> statusBar_;
    std::unique_ptr<widgets::MenuExtra> menu_;
    bool startScreenPainted_ = false;
};
