#include "lib/meldung.h"

#include <windows.h>

#include <algorithm>

#include "lib/placement.h"
#include "lib/sprache.h"
#include "lib/system.h"
#include "lib/textlayout.h"
#include "platform/framework/drawobject.h"
#include "platform/runtime/strings.h"

std::unique_ptr<DlgFehler> goFehler;
std::unique_ptr<DlgErfolg> goErfolg;
std::unique_ptr<DlgHinweis> goHinweis;

namespace {

constexpr UINT_PTR kHideTimer = 1;
constexpr int kPictureSize = 64;
// The stack's distance from the left and the top of the work area; as much
// room stays free below it.
constexpr int kStackLeft = 10;
constexpr int kStackTop = 10;

// The tallest a message window grows: a third of the stack's room, so that
// the three windows stacked always lie inside the work area.
int LargestWindowHeight()
{
    const RECT area = GetWorkArea();
    return (area.bottom - area.top - 2 * kStackTop) / 3;
}

// The text as the field shows it: a multi-line edit breaks lines at CR LF
// only, so a lone LF becomes one.
std::string FieldText(const std::string& text)
{
    return ReplaceAll(ReplaceAll(text, "\r\n", "\n"), "\n", "\r\n");
}

// The text of an edit begins at its left edge and runs to its right edge, as
// in a static text.
void RemoveMargins(HWND edit)
{
    SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

// A hidden edit beside the field, as wide and in the same font and margins
// (without a scroll bar): it breaks a text into the lines the field shows.
HWND MakeTwin(HWND field, SIZE size)
{
    const HWND twin = CreateWindowExA(0, "Edit", "", WS_CHILD | ES_MULTILINE | ES_READONLY, 0, 0, size.cx, size.cy,
                                      GetParent(field), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(twin, WM_SETFONT, SendMessageA(field, WM_GETFONT, 0, 0), FALSE);
    RemoveMargins(twin);
    return twin;
}

// The height of an edit's lines: that of its font.
int LineHeight(HWND edit)
{
    HDC dc = GetDC(edit);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return metrics.tmHeight;
}

}  // namespace

dlgMeldung_vo::dlgMeldung_vo(Window* oOwner) : DialogWindow(oOwner, "dlgMeldung_vo", false)
{
    Font font(8, "Arial");
    font.Bold(true);
    const Brush white(Color(255, 255, 255));
    oDCText1 = AddControl<MultiLineEdit>(100);
    oDCText1->SetHyperLabel({"TEXT1", "Meldung", "", ""});
    oDCText1->SetBackground(white);
    oDCText1->SetFont(font);
    RemoveMargins(oDCText1->Handle());
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
    ShowScrollBar(oDCText1->Handle(), SB_VERT, FALSE);
    measure_ = MakeTwin(oDCText1->Handle(), fieldSize_);
    lineHeight_ = LineHeight(measure_);
    breakWidth_ = fieldSize_.cx - GetSystemMetrics(SM_CXVSCROLL);
    fieldText_ = oDCText1->TextValue();
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
    const std::string text = FieldText(cText);
    if (fieldText_ != text) {
        fieldText_ = text;
        const std::string shown = ShownText(text);
        oDCText1->SetTextValue(shown);
        FitText(shown);
    }
    StackVisible();
    Ton(cSound);
}

std::string MessageWindow::ShownText(const std::string& fieldText) const
{
    return BreakWideWords(fieldText, breakWidth_,
                          [this](const std::string& text) { return oDCText1->SizeText(text).width; });
}

int MessageWindow::TextHeight(const std::string& cText) const
{
    return ShownHeight(ShownText(FieldText(cText)));
}

int MessageWindow::ShownHeight(const std::string& shown) const
{
    SetWindowTextA(measure_, shown.c_str());
    return static_cast<int>(SendMessageA(measure_, EM_GETLINECOUNT, 0, 0)) * lineHeight_;
}

void MessageWindow::FitText(const std::string& shown)
{
    const int needed = ShownHeight(shown);
    const int around = windowSize_.cy - fieldSize_.cy;
    const int largest = std::max(static_cast<int>(fieldSize_.cy), LargestWindowHeight() - around);
    const int height = std::clamp(needed, static_cast<int>(fieldSize_.cy), largest);
    SetWindowPos(oDCText1->Handle(), nullptr, 0, 0, fieldSize_.cx, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Handle(), nullptr, 0, 0, windowSize_.cx, height + around, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowScrollBar(oDCText1->Handle(), SB_VERT, needed > height);
}

// Places the visible message windows edge to edge from the top left corner
// of the work area in the order success, error, hint; this window is shown.
void MessageWindow::StackVisible()
{
    MessageWindow* stack[] = {goErfolg.get(), goFehler.get(), goHinweis.get()};
    stack[stackPlace_] = this;
    const RECT area = GetWorkArea();
    int y = area.top + kStackTop;
    for (MessageWindow* window : stack) {
        if (!window || (window != this && !window->IsVisible())) continue;
        SetWindowPos(window->Handle(), HWND_TOP, area.left + kStackLeft, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
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
    return AllTrim(MessageText());
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
