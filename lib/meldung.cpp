#include "lib/meldung.h"

#include <windows.h>

#include <algorithm>

#include "lib/sprache.h"
#include "lib/system.h"
#include "platform/framework/drawobject.h"
#include "platform/runtime/strings.h"

std::unique_ptr<DlgFehler> goFehler;
std::unique_ptr<DlgErfolg> goErfolg;
std::unique_ptr<DlgHinweis> goHinweis;

namespace {

constexpr UINT_PTR kHideTimer = 1;
constexpr int kPictureSize = 64;
constexpr int kStackLeft = 10;
constexpr int kStackTop = 10;

}  // namespace

dlgMeldung_vo::dlgMeldung_vo(Window* oOwner) : DialogWindow(oOwner, "dlgMeldung_vo", false)
{
    Font font(8, "Arial");
    font.Bold(true);
    const Brush white(Color(255, 255, 255));
    oDCText1 = AddControl<FixedText>(100);
    oDCText1->SetHyperLabel({"TEXT1", "Meldung", "", ""});
    oDCText1->SetBackground(white);
    oDCText1->SetFont(font);
    SetCaption("");
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    SetHyperLabel({"DLGMELDUNG_VO", "", "", ""});
    SetBackground(white);
}

MessageWindow::MessageWindow(const std::string& cClassName, const Bitmap& oBitmap, int nStackPlace)
    : dlgMeldung_vo(nullptr),
      className_(cClassName),
      stackPlace_(nStackPlace),
      bitmap_(oBitmap),
      bitmapOrigin_(CanvasArea().Width() - kPictureSize, 1)
{
    RECT field{}, window{};
    GetWindowRect(oDCText1->Handle(), &field);
    GetWindowRect(Handle(), &window);
    fieldSize_ = {field.right - field.left, field.bottom - field.top};
    windowSize_ = {window.right - window.left, window.bottom - window.top};
    Sprache();
}

void MessageWindow::Sprache()
{
    texts_ = GetSprachFileText(className_);
    SetCaption(texts_[0]);
}

void MessageWindow::HideMeldung()
{
    KillTimer(Handle(), kHideTimer);
    Hide();
}

void MessageWindow::Report(const std::string& cText, const std::string& cSound)
{
    if (!Handle()) return;
    SetTimer(Handle(), kHideTimer, hideInterval_, nullptr);
    if (gcSprache != textsLanguage_) {
        Sprache();
        textsLanguage_ = gcSprache;
    }
    if (oDCText1->TextValue() != cText) {
        oDCText1->SetTextValue(cText);
        FitText(cText);
    }
    StackVisible();
    Ton(cSound);
}

int MessageWindow::TextHeight(const std::string& cText) const
{
    HDC dc = GetDC(oDCText1->Handle());
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(oDCText1->Handle(), WM_GETFONT, 0, 0)));
    RECT rect{0, 0, fieldSize_.cx, 0};
    DrawTextA(dc, cText.c_str(), static_cast<int>(cText.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(oDCText1->Handle(), dc);
    return rect.bottom;
}

void MessageWindow::FitText(const std::string& cText)
{
    const int grow = std::max(0, TextHeight(cText) - static_cast<int>(fieldSize_.cy));
    SetWindowPos(oDCText1->Handle(), nullptr, 0, 0, fieldSize_.cx, fieldSize_.cy + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Handle(), nullptr, 0, 0, windowSize_.cx, windowSize_.cy + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Places the visible message windows edge to edge from the top left corner
// of the screen in the order success, error, hint; this window is shown.
void MessageWindow::StackVisible()
{
    MessageWindow* stack[] = {goErfolg.get(), goFehler.get(), goHinweis.get()};
    stack[stackPlace_] = this;
    int y = kStackTop;
    for (MessageWindow* window : stack) {
        if (!window || (window != this && !window->IsVisible())) continue;
        SetWindowPos(window->Handle(), HWND_TOP, kStackLeft, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        if (window == this && !IsVisible()) Show(SW_SHOWNOACTIVATE);
        y += window->Size().height;
    }
}

LRESULT MessageWindow::Dispatch(Event& oEvent)
{
    const LRESULT result = dlgMeldung_vo::Dispatch(oEvent);
    if (oEvent.message == WM_TIMER && oEvent.wParam == kHideTimer) HideMeldung();
    return result;
}

void MessageWindow::Expose(ExposeEvent& oExposeEvent)
{
    dlgMeldung_vo::Expose(oExposeEvent);
    Draw(BitmapObject(bitmapOrigin_, Dimension(kPictureSize, kPictureSize), bitmap_));
}

bool MessageWindow::QueryClose(Event&)
{
    HideMeldung();
    return false;
}

void MessageWindow::MenuCommand(int nId)
{
    if (nId == IDCANCEL)
        HideMeldung();
    else
        dlgMeldung_vo::MenuCommand(nId);
}

void MessageWindow::Close(Event& oEvent)
{
    dlgMeldung_vo::Close(oEvent);
    texts_.clear();
    bitmap_ = Bitmap();
    KillTimer(Handle(), kHideTimer);
}

DlgErfolg::DlgErfolg() : MessageWindow("DLGERFOLG", BmpErfolg(), 0)
{
}

DlgErfolg& DlgErfolg::ErfolgsMeldung(const std::string& cText, const std::string& cSound)
{
    Report(cText, cSound);
    return *this;
}

DlgFehler::DlgFehler() : MessageWindow("DLGFEHLER", BmpFehler(), 1)
{
}

DlgFehler& DlgFehler::FehlerMeldung(const std::string& cText, const std::string& cSound)
{
    Report(cText, cSound);
    errorFlag_ = true;
    return *this;
}

std::string DlgFehler::GetFehler() const
{
    return AllTrim(oDCText1->TextValue());
}

bool DlgFehler::FehlerKontrolle(std::optional<bool> lFlag)
{
    if (lFlag) errorFlag_ = *lFlag;
    return errorFlag_;
}

DlgHinweis::DlgHinweis() : MessageWindow("DLGHINWEIS", BmpHinweis(), 2)
{
}

DlgHinweis& DlgHinweis::HinweisMeldung(const std::string& cText, const std::string& cSound)
{
    Report(cText, cSound);
    return *this;
}
