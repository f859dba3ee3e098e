#include "platform/framework/controls.h"

#include <commctrl.h>

std::string ControlEvent::NameSym() const
{
    return control ? control->NameSym() : std::string();
}

ControlExtensions& TheControlExtensions()
{
    static ControlExtensions extensions;
    return extensions;
}

Control::Control(Window& owner, int id) : Window(&owner), id_(id)
{
    if (HWND hwnd = GetDlgItem(owner.Handle(), id)) Attach(hwnd, nullptr);
}

Control::Control(Window& owner, int id, const char* windowClass, DWORD style, Point origin, Dimension size)
    : Window(&owner),
      id_(id)
{
    RECT canvas{};
    GetClientRect(owner.Handle(), &canvas);
    HWND hwnd = CreateWindowExA(0, windowClass, "", style | WS_CHILD, origin.x, canvas.bottom - origin.y - size.height,
                                size.width, size.height, owner.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (hwnd) {
        Attach(hwnd, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
}

LRESULT Control::Dispatch(Event& event)
{
    if (const auto& look = TheControlExtensions().beforeDispatch) look(*this, event);
    return DefaultProcedure(event);
}

void Control::Enable()
{
    Window::Enable();
    if (const auto& changed = TheControlExtensions().enabledChanged) changed(*this);
}

void Control::Disable()
{
    Window::Disable();
    if (const auto& changed = TheControlExtensions().enabledChanged) changed(*this);
}

void Control::SetUseHLforToolTip(bool use)
{
    Owner()->ShowToolTip(*this, use);
}

void Control::SetTextColor(Color color)
{
    textColor_ = color;
    hasTextColor_ = true;
    Repaint();
}

void Control::Notified(WORD)
{
}

bool Control::Reflect(Event& event, LRESULT& result)
{
    switch (event.message) {
    case WM_COMMAND: Notified(HIWORD(event.wParam)); return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        result = AnswerColorRequest(reinterpret_cast<HDC>(event.wParam), Owner()->DefaultProcedure(event));
        return true;
    case WM_SIZE:
        // The owner's client size, not the message's: a window may send
        // itself WM_SIZE without a size to be laid out again.
        if (ownerAlignment_ == kFollowOwnerSize) {
            const Dimension canvas = Owner()->CanvasArea().Extent();
            MoveWindow(Handle(), 0, 0, canvas.width, canvas.height, TRUE);
        }
        return false;
    default: return false;
    }
}

LRESULT Control::AnswerColorRequest(HDC dc, LRESULT defaultAnswer)
{
    if (hasTextColor_) ::SetTextColor(dc, textColor_.ColorRef());
    if (Background().IsNull()) return defaultAnswer;
    LOGBRUSH brush{};
    if (GetObjectA(Background().Handle(), sizeof brush, &brush) && brush.lbStyle == BS_SOLID)
        SetBkColor(dc, brush.lbColor);
    return reinterpret_cast<LRESULT>(Background().Handle());
}

ControlEvent Control::MakeEvent() const
{
    ControlEvent event;
    event.hWnd = Handle();
    event.message = WM_COMMAND;
    event.control = const_cast<Control*>(this);
    return event;
}

void Button::Notified(WORD code)
{
    if (code == BN_CLICKED) Clicked();
}

void Button::Clicked()
{
    ControlEvent event = MakeEvent();
    Owner()->ButtonClick(event);
}

void PushButton::Clicked()
{
    if (!Owner()->CallByName(NameSym())) Button::Clicked();
}

bool CheckBox::Checked() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked)
{
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool RadioButton::Pressed() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetPressed(bool pressed)
{
    SendMessageA(Handle(), BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Slider::SetRange(int minimum, int maximum)
{
    SendMessageA(Handle(), TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
}

int Slider::ThumbPosition() const
{
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void Slider::SetThumbPosition(int position)
{
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}

void Slider::SetBlockSize(int size)
{
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, size);
}

void Slider::ClearTicks()
{
    SendMessageA(Handle(), TBM_CLEARTICS, TRUE, 0);
}

void Slider::SetTickPos(int position)
{
    SendMessageA(Handle(), TBM_SETTIC, 0, position);
}

bool Slider::Reflect(Event& event, LRESULT& result)
{
    if (event.message != WM_HSCROLL) return Control::Reflect(event, result);
    SliderEvent slide;
    static_cast<Event&>(slide) = event;
    slide.control = this;
    slide.scrollType = LOWORD(event.wParam) == TB_ENDTRACK ? 0 : 1;
    Owner()->HorizontalSlide(slide);
    result = 0;
    return true;
}

bool ScrollBar::Reflect(Event& event, LRESULT& result)
{
    if (event.message != WM_HSCROLL && event.message != WM_VSCROLL) return Control::Reflect(event, result);
    ScrollEvent scroll = WindowScrollBar(Handle(), SB_CTL).Move(event);
    scroll.control = this;
    if (event.message == WM_HSCROLL)
        Owner()->HorizontalScroll(scroll);
    else
        Owner()->VerticalScroll(scroll);
    result = 0;
    return true;
}

TabControl::TabControl(Window& owner, int id, Point origin, Dimension size, DWORD style)
    : Control(owner, id, CommonControlClass(WC_TABCONTROLA), style | WS_CLIPSIBLINGS, origin, size)
{
}

void TabControl::AppendTab(const std::string& name, const std::string& caption, Window* page)
{
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(Handle(), TCM_INSERTITEMA, tabs_.size(), reinterpret_cast<LPARAM>(&item));
    tabs_.push_back({name, page});
    ShowSelectedPage();
}

bool TabControl::SelectTab(const std::string& name)
{
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (SameName(tabs_[i].name, name)) {
            SendMessageA(Handle(), TCM_SETCURSEL, i, 0);
            ShowSelectedPage();
            return true;
        }
    return false;
}

std::string TabControl::SelectedTab() const
{
    auto index = static_cast<size_t>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    return index < tabs_.size() ? tabs_[index].name : std::string();
}

Window* TabControl::SelectedTabPage() const
{
    auto index = static_cast<size_t>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    return index < tabs_.size() ? tabs_[index].page : nullptr;
}

RECT TabControl::DisplayArea() const
{
    RECT area{};
    GetClientRect(Handle(), &area);
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void TabControl::ShowSelectedPage()
{
    Window* selected = SelectedTabPage();
    for (const Tab& tab : tabs_)
        if (tab.page && tab.page != selected && tab.page->Handle()) tab.page->Hide();
    if (!selected || !selected->Handle()) return;
    RECT area = DisplayArea();
    MapWindowPoints(Handle(), GetParent(selected->Handle()), reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(selected->Handle(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_SHOWWINDOW);
}

bool TabControl::Reflect(Event& event, LRESULT& result)
{
    if (event.message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(event.lParam)->code != TCN_SELCHANGE)
        return Control::Reflect(event, result);
    ShowSelectedPage();
    ControlEvent choice;
    static_cast<Event&>(choice) = event;
    choice.control = this;
    Owner()->TabSelect(choice);
    result = 0;
    return true;
}

void ProgressBar::SetRange(int minimum, int maximum)
{
    SendMessageA(Handle(), PBM_SETRANGE32, minimum, maximum);
}

std::pair<int, int> ProgressBar::Range() const
{
    PBRANGE range{};
    SendMessageA(Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh};
}

int ProgressBar::Position() const
{
    return static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

void ProgressBar::SetPosition(int position)
{
    oldPosition_ = Position();
    SendMessageA(Handle(), PBM_SETPOS, position, 0);
}

void FixedIcon::SetIcon(const ::Icon& icon)
{
    icon_ = icon;
    SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.Handle()), 0);
}

void Edit::Notified(WORD code)
{
    if (code != EN_SETFOCUS && code != EN_KILLFOCUS) return;
    EditFocusChangeEvent event;
    static_cast<ControlEvent&>(event) = MakeEvent();
    event.gotFocus = code == EN_SETFOCUS;
    Owner()->EditFocusChange(event);
}

void FixedText::SetDrawStyle(UINT style, bool on)
{
    drawStyle_ = on ? drawStyle_ | style : drawStyle_ & ~style;
    LONG bits = GetWindowLongA(Handle(), GWL_STYLE) & ~SS_TYPEMASK;
    bits |= (drawStyle_ & DT_SINGLELINE) ? SS_LEFTNOWORDWRAP : SS_LEFT;
    SetWindowLongA(Handle(), GWL_STYLE, bits);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Edit::SetTextLimit(int characters)
{
    SendMessageA(Handle(), EM_SETLIMITTEXT, characters, 0);
}

LRESULT MultiLineEdit::Dispatch(Event& event)
{
    // Only these leave the text as it is; anything else may change it.
    switch (event.message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case EM_GETLINE:
    case EM_GETLINECOUNT:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
    case EM_GETSEL:
    case EM_GETLIMITTEXT:
    case EM_GETMODIFY:
    case EM_GETFIRSTVISIBLELINE:
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_TIMER:
    case WM_GETFONT:
    case WM_GETDLGCODE: break;
    default: loaded_ = false;
    }
    return Edit::Dispatch(event);
}

void MultiLineEdit::Load() const
{
    if (loaded_) return;
    text_ = Caption();
    lineStarts_.assign(1, 0);
    for (size_t end = text_.find("\r\n"); end != std::string::npos; end = text_.find("\r\n", end + 2))
        lineStarts_.push_back(end + 2);
    loaded_ = true;
}

std::string MultiLineEdit::TextValue() const
{
    Load();
    return text_;
}

int MultiLineEdit::LineCount() const
{
    Load();
    return static_cast<int>(lineStarts_.size());
}

std::string MultiLineEdit::GetLine(int n) const
{
    Load();
    if (n < 1 || n > static_cast<int>(lineStarts_.size())) return {};
    size_t start = lineStarts_[n - 1];
    size_t end = n < static_cast<int>(lineStarts_.size()) ? lineStarts_[n] - 2 : text_.size();
    return text_.substr(start, end - start);
}

void ComboBox::Notified(WORD code)
{
    if (code != CBN_SELCHANGE) return;
    ControlEvent event = MakeEvent();
    Owner()->ListBoxSelect(event);
}

void ComboBox::FillUsing(const std::vector<ComboItem>& items)
{
    items_ = items;
    {
        const UpdateHold hold(Handle());
        SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
        for (size_t i = 0; i < items_.size(); ++i) {
            LRESULT index = SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_[i].text.c_str()));
            SendMessageA(Handle(), CB_SETITEMDATA, index, static_cast<LPARAM>(i));
        }
    }
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int ComboBox::ItemCount() const
{
    return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0));
}

int ComboBox::CurrentItemNo() const
{
    LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index) + 1;
}

void ComboBox::SetCurrentItemNo(int itemNo)
{
    SendMessageA(Handle(), CB_SETCURSEL, itemNo - 1, 0);
}

const ComboItem* ComboBox::ItemAt(int itemNo) const
{
    if (itemNo < 1) return nullptr;
    // Beyond the last item the box answers CB_ERR, which is no index.
    auto i = static_cast<size_t>(SendMessageA(Handle(), CB_GETITEMDATA, itemNo - 1, 0));
    return i < items_.size() ? &items_[i] : nullptr;
}

int ComboBox::Value() const
{
    const ComboItem* item = ItemAt(CurrentItemNo());
    return item ? item->value : 0;
}

bool ComboBox::SetValue(int value)
{
    const int count = ItemCount();
    for (int itemNo = 1; itemNo <= count; ++itemNo)
        if (const ComboItem* item = ItemAt(itemNo); item && item->value == value) {
            SetCurrentItemNo(itemNo);
            return true;
        }
    return false;
}

std::string ComboBox::CurrentText() const
{
    int itemNo = CurrentItemNo();
    if (itemNo == 0) return Caption();
    std::string text(SendMessageA(Handle(), CB_GETLBTEXTLEN, itemNo - 1, 0) + 1, '\0');
    text.resize(SendMessageA(Handle(), CB_GETLBTEXT, itemNo - 1, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

LRESULT ListBox::Dispatch(Event& event)
{
    if (event.message == WM_DESTROY) lastItemNo_ = CurrentItemNo();
    return Control::Dispatch(event);
}

void ListBox::Notified(WORD code)
{
    if (code != LBN_SELCHANGE) return;
    ControlEvent event = MakeEvent();
    Owner()->ListBoxSelect(event);
}

void ListBox::FillUsing(const std::vector<ListBoxItem>& items)
{
    items_ = items;
    lastItemNo_ = 0;
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (const ListBoxItem& item : items_)
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
}

int ListBox::CurrentItemNo() const
{
    if (!Handle()) return lastItemNo_;
    LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? 0 : static_cast<int>(index) + 1;
}

void ListBox::SetCurrentItemNo(int itemNo)
{
    SendMessageA(Handle(), LB_SETCURSEL, itemNo >= 1 && itemNo <= ItemCount() ? itemNo - 1 : -1, 0);
}

std::string ListBox::Value() const
{
    const int itemNo = CurrentItemNo();
    return itemNo >= 1 && itemNo <= ItemCount() ? items_[static_cast<size_t>(itemNo - 1)].value : std::string();
}
