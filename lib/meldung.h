// The three non-modal message windows: success, error and hint. Each is a
// small white window without owner, with the message text on the left and a
// picture on the right; a message shows it in the top left corner of the
// screen's work area without activating it, stacked in the order success,
// error, hint, plays a system sound and hides it again 15 seconds after the
// latest message. A window grows with its text up to a third of the work
// area's height, so that the stack always lies inside the work area; a longer
// text scrolls in its field.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/gdi.h"

// The application icon.
class icoApp_vo : public Icon {
public:
    explicit icoApp_vo(int nSize = 0) : Icon("ICOAPP_VO", nSize) {}
};

// The pictures of the message windows, 64 x 64 pixels.
class BmpErfolg : public Bitmap {
public:
    BmpErfolg() : Bitmap("bmpErfolg") {}
};
class BmpFehler : public Bitmap {
public:
    BmpFehler() : Bitmap("bmpFehler") {}
};
class BmpHinweis : public Bitmap {
public:
    BmpHinweis() : Bitmap("bmpHinweis") {}
};

// The layout of the message windows (dialog template "dlgMeldung_vo"): the
// text field TEXT1 in bold Arial on a white window with the application icon.
// The field is a read-only multi-line edit without margins.
class dlgMeldung_vo : public DialogWindow {
public:
    explicit dlgMeldung_vo(Window* oOwner);

protected:
    MultiLineEdit* oDCText1 = nullptr;
};

// What the three message windows share. The user cannot close them: closing by
// the keyboard (Esc, Alt+F4) hides the window like HideMeldung, so the
// process-wide references stay valid for the whole run. At shutdown the holder
// of a reference ends the window with EndDialog and then empties the reference.
class MessageWindow : public dlgMeldung_vo {
public:
    // Reloads the window's texts in the current language and sets the caption.
    void Sprache();
    // Stops the hide timer and hides the window.
    void HideMeldung();
    // The window's numbered texts; text 1 is its caption.
    const std::vector<std::string>& SprachTexte() const { return texts_; }

    // The height the text field needs for cText at its width and font, in
    // pixels, with its lines broken as the field breaks them (the field grows
    // to it when a message needs more than its template height, up to the
    // window's largest height).
    int TextHeight(const std::string& cText) const;

    LRESULT Dispatch(Event& oEvent) override;
    void Expose(ExposeEvent& oExposeEvent) override;
    bool QueryClose(Event& oEvent) override;
    void Close(Event& oEvent) override;

protected:
    // cClassName names the window's language sections; nStackPlace is its place
    // in the stack (0 success, 1 error, 2 hint).
    MessageWindow(const std::string& cClassName, const Bitmap& oBitmap, int nStackPlace);
    // Shows cText (a lone LF breaks the line as CR LF does, and a word wider
    // than the field is broken at its width, as the field would lose part of
    // it): restarts the hide timer, reloads the texts after a language
    // switch, stacks the visible message windows and plays cSound.
    void Report(const std::string& cText, const std::string& cSound);
    void MenuCommand(int nId) override;
    // The text of the last message as the field shows it (a lone LF made CR
    // LF), without the breaks put into words wider than the field.
    const std::string& MessageText() const { return fieldText_; }

private:
    void StackVisible();
    // A field text (lone LFs made CR LF) as it goes into the field: words
    // wider than the field's lines with its scroll bar broken into pieces by
    // CR LF.
    std::string ShownText(const std::string& fieldText) const;
    // The height the field needs for a text as it goes into the field.
    int ShownHeight(const std::string& shown) const;
    // Grows the window and its text field (never below their template size)
    // so that the shown text shows whole, up to the window's largest height;
    // a taller text scrolls in the field.
    void FitText(const std::string& shown);

    std::string className_;
    int stackPlace_;
    std::vector<std::string> texts_;
    unsigned hideInterval_ = 15000;
    Bitmap bitmap_;
    Point bitmapOrigin_;
    std::string textsLanguage_;  // the language the texts were last loaded for by a message
    SIZE fieldSize_{};           // the text field's template size in pixels
    SIZE windowSize_{};          // the window's template size in pixels
    HWND measure_ = nullptr;     // a hidden twin of the field that measures texts (TextHeight)
    int lineHeight_ = 0;         // the height of a line of the field
    int breakWidth_ = 0;         // the width of the field's lines with its scroll bar
    std::string fieldText_;      // see MessageText
};

// The success window.
class DlgErfolg : public MessageWindow {
public:
    DlgErfolg();
    DlgErfolg& ErfolgsMeldung(const std::string& cText, const std::string& cSound = "SystemAsterisk");
};

// The error window; it also keeps a flag that every error message sets.
class DlgFehler : public MessageWindow {
public:
    DlgFehler();
    DlgFehler& FehlerMeldung(const std::string& cText, const std::string& cSound = "SystemHand");
    // The text now in the window, without leading and trailing blanks.
    std::string GetFehler() const;
    // Sets the error flag when lFlag is given; returns the flag.
    bool FehlerKontrolle(std::optional<bool> lFlag = std::nullopt);

private:
    bool errorFlag_ = false;
};

// The hint window.
class DlgHinweis : public MessageWindow {
public:
    DlgHinweis();
    DlgHinweis& HinweisMeldung(const std::string& cText, const std::string& cSound = "SystemExclamation");
};

// The message windows of the program, made by the frame window at start-up.
extern std::unique_ptr<DlgFehler> goFehler;
extern std::unique_ptr<DlgErfolg> goErfolg;
extern std::unique_ptr<DlgHinweis> goHinweis;
