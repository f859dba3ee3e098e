#include "platform/framework/framechrome.h"

#include <commctrl.h>

#include <utility>

#include "platform/framework/menu.h"
#include "platform/framework/statusbar.h"
#include "platform/framework/toolbar.h"

Accelerator::Accelerator(const std::vector<ACCEL>& entries)
{
    std::vector<ACCEL> table(entries);
    if (HACCEL handle = CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())))
        handle_ = std::shared_ptr<HACCEL__>(handle, DestroyAcceleratorTable);
}

Accelerator::Accelerator(HACCEL handle, bool owned)
{
    if (handle)
        handle_ = owned ? std::shared_ptr<HACCEL__>(handle, DestroyAcceleratorTable)
                        : std::shared_ptr<HACCEL__>(handle, [](HACCEL) {});
}

FrameChrome::FrameChrome(Window& window, std::function<void(int)> menuCommand)
    : window_(window),
      menuCommand_(std::move(menuCommand))
{
}

const ::Accelerator& FrameChrome::GetAccelerator() const
{
    return accelerator_.Handle() || !menu_ ? accelerator_ : menu_->GetAccelerator();
}

void FrameChrome::SetMenu(::Menu* menu)
{
    menu_ = menu;
    ::SetMenu(window_.Handle(), menu ? menu->Handle() : nullptr);
}

void FrameChrome::SetStatusBar(::StatusBar* statusBar)
{
    statusBar_ = statusBar;
    if (statusBar_) {
        statusBar_->Layout();
        statusBar_->Show();
    }
}

void FrameChrome::SetToolBar(::ToolBar* toolBar)
{
    const bool changed = toolBar != toolBar_;
    toolBar_ = toolBar;
    if (toolBar_) {
        toolBar_->Layout();
        toolBar_->Show();
    }
    // The canvas that a window draws below its bar has changed.
    if (changed && window_.Handle() != nullptr) window_.Repaint();
}

const ::HyperLabel* FrameChrome::MenuItemLabel(int id) const
{
    return menu_ ? menu_->GetHyperLabel(id) : nullptr;
}

HWND FrameChrome::ShowToolTip(Window& control, bool show)
{
    if (!toolTip_ && show) {
        RegisterCommonControls();
        toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.Handle(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    }
    if (!toolTip_) return nullptr;
    // The control relays its pointer messages itself (Window::Receive): a
    // subclassing tool tip would cost every message of the control a
    // property look-up, which under Wine is a server call.
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = window_.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    // The tool tip control would hold a second entry for a control added
    // twice, which one removal leaves behind.
    SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!show) return nullptr;
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return toolTip_;
}

bool FrameChrome::Dispatch(const Event& event, LRESULT& result)
{
    switch (event.message) {
    case WM_DESTROY:
        // The menu object owns its menu: Windows must not destroy it.
        if (menu_) ::SetMenu(event.hWnd, nullptr);
        return false;
    case WM_MENUSELECT: ShowMenuDescription(event); return false;
    case WM_SIZE:
        if (statusBar_) {
            SendMessageA(statusBar_->Handle(), WM_SIZE, event.wParam, event.lParam);
            statusBar_->Layout();
        }
        if (toolBar_) toolBar_->Layout();
        return false;
    case WM_COMMAND:
        if (!toolBar_ || reinterpret_cast<HWND>(event.lParam) != toolBar_->Handle()) return false;
        menuCommand_(LOWORD(event.wParam));
        result = 0;
        return true;
    case WM_NOTIFY: result = 0; return AnswerToolTip(event);
    default: return false;
    }
}

void FrameChrome::ShowMenuDescription(const Event& event)
{
    if (!statusBar_) return;
    bool closed = HIWORD(event.wParam) == 0xFFFF && !event.lParam;
    const ::HyperLabel* label =
        !closed && !(HIWORD(event.wParam) & MF_POPUP) ? MenuItemLabel(LOWORD(event.wParam)) : nullptr;
    statusBar_->SetMessage(label ? label->description : "", MessageMenu);
}

bool FrameChrome::AnswerToolTip(const Event& event)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(event.lParam);
    if (!toolTip_ || !info || info->hdr.hwndFrom != toolTip_ || info->hdr.code != TTN_GETDISPINFOA) return false;
    Window* control = ObjectOfWindowHandle(reinterpret_cast<HWND>(info->hdr.idFrom));
    toolTipText_ = control ? control->GetHyperLabel().description : "";
    info->lpszText = toolTipText_.data();
    return true;
}

// The frame methods of a window go to its chrome, made on the first call
// that changes the frame.

FrameChrome& Window::Chrome()
{
    if (!chrome_) chrome_ = std::make_unique<FrameChrome>(*this, [this](int id) { MenuCommand(id); });
    return *chrome_;
}

const ::Accelerator& Window::GetAccelerator() const
{
    static const ::Accelerator none;
    return chrome_ ? chrome_->GetAccelerator() : none;
}

void Window::SetAccelerator(const ::Accelerator& accelerator)
{
    Chrome().SetAccelerator(accelerator);
}

::Menu* Window::GetMenu() const
{
    return chrome_ ? chrome_->GetMenu() : nullptr;
}

void Window::SetMenu(::Menu* menu)
{
    Chrome().SetMenu(menu);
}

::StatusBar* Window::GetStatusBar() const
{
    return chrome_ ? chrome_->GetStatusBar() : nullptr;
}

void Window::SetStatusBar(::StatusBar* statusBar)
{
    Chrome().SetStatusBar(statusBar);
}

::ToolBar* Window::GetToolBar() const
{
    return chrome_ ? chrome_->GetToolBar() : nullptr;
}

void Window::SetToolBar(::ToolBar* toolBar)
{
    Chrome().SetToolBar(toolBar);
}

void Window::ShowToolTip(Window& control, bool show)
{
    if (show || chrome_) control.toolTip_ = Chrome().ShowToolTip(control, show);
}

void Window::MenuCommand(int id)
{
    if (const ::HyperLabel* label = chrome_ ? chrome_->MenuItemLabel(id) : nullptr) CallByName(label->name);
}
