#include "platform/framework/window.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cctype>
#include <exception>
#include <unordered_map>

#include "platform/framework/dialog_template.h"
#include "platform/framework/errors.h"
#include "platform/framework/framechrome.h"
#include "platform/framework/standard_dialogs.h"

namespace {

std::unordered_map<HWND, Window*>& HandleMap()
{
    static std::unordered_map<HWND, Window*> map;
    return map;
}

// The object whose window is being made: it receives the first messages of
// the new window before CreateWindowEx returns.
Window* pendingWindow = nullptr;
WNDPROC pendingDefault = nullptr;

HINSTANCE ProgramModule()
{
    return GetModuleHandleA(nullptr);
}

// The child window a notification comes from: the control of WM_COMMAND,
// WM_HSCROLL, WM_VSCROLL and WM_CTLCOLOR* (lParam) or the sender of WM_NOTIFY;
// null for other messages.
HWND SenderOf(const Event& event)
{
    switch (event.message) {
    case WM_NOTIFY: return event.lParam ? reinterpret_cast<const NMHDR*>(event.lParam)->hwndFrom : nullptr;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: return reinterpret_cast<HWND>(event.lParam);
    default: return nullptr;
    }
}

// The dialog procedure of the framework's dialogs: all their messages go
// through the window procedure of the dialog class, which calls this one only
// from its default processing.
INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

Window* ObjectOfWindowHandle(HWND hwnd)
{
    auto it = HandleMap().find(hwnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

UpdateHold::UpdateHold(HWND hwnd) : hwnd_(hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr)
{
    if (hwnd_) SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
}

UpdateHold::~UpdateHold()
{
    if (hwnd_ && IsWindow(hwnd_)) SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
}

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = ObjectOfWindowHandle(hwnd);
    if (!window && pendingWindow) {
        window = pendingWindow;
        pendingWindow = nullptr;
        window->Attach(hwnd, pendingDefault);
    }
    if (!window)
        return IsFrameworkDialog(hwnd) ? DefDlgProcA(hwnd, message, wParam, lParam)
                                       : DefWindowProcA(hwnd, message, wParam, lParam);
    return window->SafeReceive(message, wParam, lParam);
}

LRESULT CALLBACK FrameworkControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = ObjectOfWindowHandle(hwnd);
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    return window->SafeReceive(message, wParam, lParam);
}

namespace {

const char* RegisterFrameworkClass(const char* name, int windowExtra, int backgroundColor)
{
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.cbWndExtra = windowExtra;
    wc.hInstance = ProgramModule();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColor + 1));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}

}  // namespace

const char* FrameworkWindowClass()
{
    static const char* name = RegisterFrameworkClass("MdxWindow", 0, COLOR_WINDOW);
    return name;
}

const char* FrameworkDialogClass()
{
    static const char* name = RegisterFrameworkClass("MdxDialog", DLGWINDOWEXTRA, COLOR_BTNFACE);
    return name;
}

void RegisterCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes);
    }();
    (void)registered;
}

const char* CommonControlClass(const char* className)
{
    RegisterCommonControls();
    return className;
}

bool IsFrameworkDialog(HWND hwnd)
{
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return SameName(className, FrameworkDialogClass());
}

Window::Window(Window* owner) : owner_(owner)
{
}

Window::~Window()
{
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::SetHelpDisplay(std::unique_ptr<::HelpDisplay> display)
{
    helpDisplay_ = std::move(display);
}

void Window::ExpectWindow(Window* window, WNDPROC defaultProc)
{
    pendingWindow = window;
    pendingDefault = defaultProc;
}

HWND Window::CreateHandle(DWORD exStyle, const char* className, const std::string& title, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU menu)
{
    ExpectWindow(this, DefWindowProcA);
    HWND hwnd = CreateWindowExA(exStyle, className, title.c_str(), style, x, y, width, height, parent, menu,
                                ProgramModule(), nullptr);
    ExpectWindow(nullptr, nullptr);
    return hwnd;
}

HWND Window::CreateDialogHandle(const std::string& templateName, HWND parent, DWORD addStyle, DWORD removeStyle)
{
    std::vector<BYTE> dialogTemplate =
        AdaptedDialogTemplate(templateName, FrameworkDialogClass(), addStyle, removeStyle);
    if (dialogTemplate.empty()) return nullptr;
    // Templates may hold common controls (track bars, progress bars, ...).
    RegisterCommonControls();
    ExpectWindow(this, DefDlgProcA);
    HWND hwnd = CreateDialogIndirectParamA(ProgramModule(), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                           parent, FrameworkDialogProc, 0);
    ExpectWindow(nullptr, nullptr);
    return hwnd;
}

void Window::Attach(HWND hwnd, WNDPROC defaultProc)
{
    hwnd_ = hwnd;
    defaultProc_ = defaultProc;
    HandleMap()[hwnd] = this;
    if (!defaultProc_) {
        subclassed_ = true;
        defaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkControlProc)));
    }
}

void Window::Rebind(HWND hwnd)
{
    Detach();
    hwnd_ = hwnd;
    HandleMap()[hwnd] = this;
    subclassed_ = true;
    unicode_ = IsWindowUnicode(hwnd);
    auto procedure = reinterpret_cast<LONG_PTR>(FrameworkControlProc);
    defaultProc_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, procedure)
                                                      : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, procedure));
}

void Window::Detach()
{
    if (subclassed_ && unicode_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    if (subclassed_ && !unicode_) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    subclassed_ = false;
    unicode_ = false;
    HandleMap().erase(hwnd_);
    hwnd_ = nullptr;
}

LRESULT Window::SafeReceive(UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may pass through the system's code.
    try {
        return Receive(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    } catch (...) {
        ReportUnexpectedError("unknown exception");
    }
    if (message == WM_NCDESTROY && hwnd_) Detach();
    return 0;
}

LRESULT Window::Receive(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = hwnd_;
    if (toolTip_ && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        const DWORD position = GetMessagePos();
        MSG pointer{hwnd,
                    message,
                    wParam,
                    lParam,
                    static_cast<DWORD>(GetMessageTime()),
                    {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
        SendMessageA(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&pointer));
    }
    Event event{hwnd, message, wParam, lParam};
    LRESULT result = Dispatch(event);
    if (message == WM_NCDESTROY && hwnd_ == hwnd && hwnd) Detach();
    return result;
}

LRESULT Window::DefaultProcedure(const Event& event)
{
    // A Unicode window's messages reach its procedure in UTF-16 and go on so.
    if (unicode_) return CallWindowProcW(defaultProc_, event.hWnd, event.message, event.wParam, event.lParam);
    return CallWindowProcA(defaultProc_, event.hWnd, event.message, event.wParam, event.lParam);
}

LRESULT Window::Dispatch(Event& event)
{
    LRESULT result = 0;
    if (chrome_ && chrome_->Dispatch(event, result)) return result;
    if (HWND sender = SenderOf(event))
        if (Window* child = ObjectOfWindowHandle(sender); child && child->Reflect(event, result)) return result;
    switch (event.message) {
    case WM_PAINT: Paint(event); return 0;
    case WM_ERASEBKGND:
        if (background_.IsNull()) break;
        {
            RECT client{};
            GetClientRect(event.hWnd, &client);
            FillRect(reinterpret_cast<HDC>(event.wParam), &client, background_.Handle());
        }
        return 1;
    case WM_SIZE: {
        for (const OwnedControl& owned : controls_) owned.window->Reflect(event, result);
        ResizeEvent resize;
        static_cast<Event&>(resize) = event;
        Resize(resize);
        break;
    }
    case WM_CLOSE:
        if (QueryClose(event)) {
            Close(event);
            Destroy();
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(event.wParam) == WA_INACTIVE)
            Deactivate(event);
        else
            Activate(event);
        break;
    case WM_HELP: HelpRequest(event); return TRUE;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        RECT client{};
        GetClientRect(event.hWnd, &client);
        MouseEvent mouse;
        static_cast<Event&>(mouse) = event;
        mouse.position = {static_cast<short>(LOWORD(event.lParam)),
                          static_cast<int>(client.bottom) - 1 - static_cast<short>(HIWORD(event.lParam))};
        MouseButtonUp(mouse);
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Scrolled(event)) return 0;
        break;
    case WM_SETCURSOR:
        if (pointer_.Handle() && LOWORD(event.lParam) == HTCLIENT &&
            reinterpret_cast<HWND>(event.wParam) == event.hWnd) {
            SetCursor(pointer_.Handle());
            return TRUE;
        }
        break;
    case WM_COMMAND:
        if (event.lParam) break;
        MenuCommand(LOWORD(event.wParam));
        return 0;
    default: break;
    }
    return DefaultProcedure(event);
}

void Window::Expose(ExposeEvent&)
{
}
void Window::Resize(ResizeEvent&)
{
}
bool Window::QueryClose(Event&)
{
    return true;
}
void Window::Close(Event&)
{
}
void Window::ButtonClick(ControlEvent&)
{
}
void Window::ListBoxSelect(ControlEvent&)
{
}
void Window::EditFocusChange(EditFocusChangeEvent&)
{
}
void Window::Activate(Event&)
{
}
void Window::Deactivate(Event&)
{
}
void Window::HelpRequest(Event&)
{
}
void Window::HorizontalSlide(SliderEvent&)
{
}
void Window::TabSelect(ControlEvent&)
{
}
void Window::HorizontalScroll(ScrollEvent&)
{
}
void Window::VerticalScroll(ScrollEvent&)
{
}
void Window::MouseButtonUp(MouseEvent&)
{
}
bool Window::CallByName(std::string_view)
{
    return false;
}
void Window::Paint(const Event& event)
{
    PAINTSTRUCT ps;
    BeginPaint(event.hWnd, &ps);
    ExposeEvent expose;
    static_cast<Event&>(expose) = event;
    expose.exposedArea = CanvasBox(ps.rcPaint);
    Expose(expose);
    EndPaint(event.hWnd, &ps);
}

bool Window::Reflect(Event&, LRESULT&)
{
    return false;
}
void Window::Destroy()
{
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::Show(int showState)
{
    ShowWindow(hwnd_, showState);
}

void Window::Update()
{
    UpdateWindow(hwnd_);
}

void Window::CanvasErase()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    HDC dc = GetDC(hwnd_);
    HBRUSH brush = background_.Handle() ? background_.Handle()
                                        : reinterpret_cast<HBRUSH>(GetClassLongPtrA(hwnd_, GCLP_HBRBACKGROUND));
    FillRect(dc, &client, brush);
    ReleaseDC(hwnd_, dc);
}

void Window::EnableSystemMenu(bool enable)
{
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i)
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

void Window::SetExStyle(DWORD bits, bool on)
{
    DWORD style = GetWindowLongA(hwnd_, GWL_EXSTYLE);
    SetWindowLongA(hwnd_, GWL_EXSTYLE, static_cast<LONG>(on ? style | bits : style & ~bits));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

namespace {

std::optional<bool> visualStylesAnswer;

}  // namespace

void OverrideVisualStyles(std::optional<bool> answer)
{
    visualStylesAnswer = answer;
}

bool VisualStylesInUse()
{
    if (visualStylesAnswer) return *visualStylesAnswer;
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    auto getVersion =
        controls
            ? reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(controls, "DllGetVersion")))
            : nullptr;
    DLLVERSIONINFO version{sizeof version, 0, 0, 0, 0};
    return getVersion && SUCCEEDED(getVersion(&version)) && version.dwMajorVersion >= 6;
}

void Window::Hide()
{
    ShowWindow(hwnd_, SW_HIDE);
}

void Window::Enable()
{
    EnableWindow(hwnd_, TRUE);
}

void Window::Disable()
{
    EnableWindow(hwnd_, FALSE);
}

bool Window::IsVisible() const
{
    return hwnd_ && IsWindowVisible(hwnd_);
}

bool Window::IsEnabled() const
{
    return hwnd_ && IsWindowEnabled(hwnd_);
}

bool Window::IsIconic() const
{
    return hwnd_ && ::IsIconic(hwnd_);
}

bool Window::IsZoomed() const
{
    return hwnd_ && ::IsZoomed(hwnd_);
}

void Window::ToTop()
{
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Window::Repaint()
{
    InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string Window::Caption() const
{
    std::string text(GetWindowTextLengthA(hwnd_) + 1, '\0');
    text.resize(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size())));
    return text;
}

void Window::SetCaption(const std::string& caption)
{
    SetWindowTextA(hwnd_, caption.c_str());
}

void Window::SetBackground(const Brush& brush)
{
    background_ = brush;
    Repaint();
}

void Window::SetFont(const ::Font& font)
{
    font_ = font;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

void Window::SetPointer(const ::Pointer& pointer)
{
    pointer_ = pointer;
}

void Window::SetIcon(const ::Icon& icon)
{
    icon_ = icon;
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
}

void Window::SetIconSm(const ::Icon& icon)
{
    iconSm_ = icon;
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconSm_.Handle()));
}

void Window::SetHyperLabel(const ::HyperLabel& label)
{
    hyperLabel_ = label;
    if (!label.caption.empty()) SetCaption(label.caption);
}

std::vector<::Control*> Window::GetAllChildren() const
{
    std::vector<::Control*> children;
    for (const OwnedControl& owned : controls_) children.push_back(owned.control);
    return children;
}

::Control* Window::GetControl(std::string_view name) const
{
    for (const OwnedControl& owned : controls_)
        if (SameName(owned.window->NameSym(), name)) return owned.control;
    return nullptr;
}
