#include "platform/framework/toolbar.h"

#include <commctrl.h>

#include <algorithm>

ToolBar::ToolBar(Window& owner) : Window(&owner)
{
    RegisterCommonControls();
    HWND hwnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | CCS_TOP | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                owner.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd) {
        Attach(hwnd, nullptr);
        SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    }
}

ToolBar::~ToolBar()
{
    if (Owner() && Owner()->GetToolBar() == this) Owner()->SetToolBar(nullptr);
}

LRESULT ToolBar::Dispatch(Event& event)
{
    const LRESULT result = DefaultProcedure(event);
    // The owner draws its canvas below the bar: a bar that was shown, hidden or
    // given another height changes that canvas. Showing the bar covers the
    // owner without asking it to repaint, so the bar asks.
    if (event.message == WM_WINDOWPOSCHANGED) {
        RECT bar{};
        GetWindowRect(Handle(), &bar);
        const int height = GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE ? bar.bottom - bar.top : 0;
        if (height != shownHeight_ && Owner() != nullptr) Owner()->Repaint();
        shownHeight_ = height;
    }
    return result;
}

void ToolBar::Add(const TBBUTTON& button)
{
    SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    Layout();
}

void ToolBar::AppendSeparator()
{
    TBBUTTON button{};
    button.iBitmap = separatorSize_;
    button.fsStyle = TBSTYLE_SEP;
    Add(button);
}

void ToolBar::AppendItem(int imageNo, int menuId)
{
    if (!standardImages_) {
        SendMessageA(Handle(), TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
        standardImages_ = true;
    }
    TBBUTTON button{};
    button.iBitmap = imageNo;
    button.idCommand = menuId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    Add(button);
}

void ToolBar::AppendItem(int buttonNo, int menuId, const ::Bitmap& bitmap, int imageNo)
{
    Dimension size = bitmap.Size();
    if (size.height <= 0) return;
    bitmaps_.push_back(bitmap);
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(bitmap.Handle())};
    auto first = SendMessageA(Handle(), TB_ADDBITMAP, size.width / size.height, reinterpret_cast<LPARAM>(&images));
    TBBUTTON button{};
    button.iBitmap = static_cast<int>(first) + imageNo;
    button.idCommand = menuId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    button.dwData = static_cast<DWORD_PTR>(buttonNo);
    Add(button);
}

void ToolBar::ClickItem(int menuId)
{
    SendMessageA(Handle(), TB_CHECKBUTTON, menuId, TRUE);
}

void ToolBar::UnclickItem(int menuId)
{
    SendMessageA(Handle(), TB_CHECKBUTTON, menuId, FALSE);
}

void ToolBar::EnableItem(int menuId)
{
    SendMessageA(Handle(), TB_ENABLEBUTTON, menuId, TRUE);
}

void ToolBar::DisableItem(int menuId)
{
    SendMessageA(Handle(), TB_ENABLEBUTTON, menuId, FALSE);
}

bool ToolBar::IsClicked(int menuId) const
{
    return SendMessageA(Handle(), TB_ISBUTTONCHECKED, menuId, 0) != 0;
}

bool ToolBar::IsItemEnabled(int menuId) const
{
    return SendMessageA(Handle(), TB_ISBUTTONENABLED, menuId, 0) != 0;
}

void ToolBar::SetButtonStyle(int style)
{
    LONG bar = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE, style == 1 ? bar | TBSTYLE_FLAT : bar & ~TBSTYLE_FLAT);
    Repaint();
}

bool ToolBar::Flat() const
{
    return (GetWindowLongA(Handle(), GWL_STYLE) & TBSTYLE_FLAT) != 0;
}

BoundingBox ToolBar::ClientArea() const
{
    const Dimension canvas = Owner()->CanvasArea().Extent();
    RECT bar{};
    GetWindowRect(Handle(), &bar);
    const int height = IsVisible() ? bar.bottom - bar.top : 0;
    return {{0, 0}, {canvas.width, std::max(0, canvas.height - height)}};
}

void ToolBar::SetBorderStyle(int style)
{
    if (style < 0 || style > 2) return;
    LONG bar = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE, style == 0 ? bar | CCS_NODIVIDER : bar & ~CCS_NODIVIDER);
    LONG extended = GetWindowLongA(Handle(), GWL_EXSTYLE);
    SetWindowLongA(Handle(), GWL_EXSTYLE, style == 2 ? extended | WS_EX_STATICEDGE : extended & ~WS_EX_STATICEDGE);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void ToolBar::SetGapSize(int pixels)
{
    SendMessageA(Handle(), TB_SETINDENT, static_cast<WPARAM>(std::max(pixels, 0)), 0);
    Layout();
}

void ToolBar::Layout()
{
    SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
}
