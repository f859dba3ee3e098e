#include "platform/framework/dialogs.h"

#include "platform/framework/app.h"
#include "platform/framework/controls.h"

DialogWindow::DialogWindow(Window* owner, const std::string& templateName, bool modal) : Window(owner), modal_(modal)
{
    CreateDialogHandle(templateName, owner ? owner->Handle() : nullptr, 0, WS_VISIBLE | WS_CHILD);
}

namespace {

constexpr UINT_PTR kDialogTimer = 0x4454;

}  // namespace

void DialogWindow::RegisterTimer(int seconds)
{
    if (Handle() && seconds > 0) SetTimer(Handle(), kDialogTimer, static_cast<UINT>(seconds) * 1000, nullptr);
}

LRESULT DialogWindow::Dispatch(Event& event)
{
    if (event.message == WM_TIMER && event.wParam == kDialogTimer) {
        Timer();
        return 0;
    }
    if (event.message != WM_CLOSE) return Window::Dispatch(event);
    if (QueryClose(event)) EndDialog(0);
    return 0;
}

void DialogWindow::MenuCommand(int id)
{
    if (id == IDCANCEL && (GetWindowLongA(Handle(), GWL_STYLE) & WS_SYSMENU))
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    else
        Window::MenuCommand(id);
}

void DialogWindow::Show(int showState)
{
    if (!modal_ || !Handle()) {
        Window::Show(showState);
        return;
    }
    HWND owner = Owner() ? GetAncestor(Owner()->Handle(), GA_ROOT) : nullptr;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    Window::Show(showState);
    MSG message{};
    while (Handle()) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        RouteMessage(message);
    }
    ReleaseOwner();
}

void DialogWindow::EndDialog(int result)
{
    // A dialog ends once.
    if (!Handle()) return;
    result_ = result;
    Event event{Handle(), WM_CLOSE, 0, 0};
    Close(event);
    // The owner takes the activation back before the dialog goes.
    ReleaseOwner();
    Destroy();
}

void DialogWindow::ReleaseOwner()
{
    if (disabledOwner_) EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
}

DataWindow::DataWindow(Window* owner, const std::string& templateName) : Window(owner)
{
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | DS_MODALFRAME;
    if (owner)
        CreateDialogHandle(templateName, owner->Handle(), WS_CHILD | WS_CLIPSIBLINGS | DS_CONTROL, frame);
    else
        CreateDialogHandle(templateName, nullptr, WS_OVERLAPPEDWINDOW, WS_CHILD | WS_VISIBLE);
}

LRESULT DataWindow::Dispatch(Event& event)
{
    // A form in its owner's canvas ends only through its owner or its own
    // command. A close request may come from one of its controls: a
    // multi-line edit asks its parent to close when Esc is pressed in it.
    if (event.message == WM_CLOSE && (GetWindowLongA(Handle(), GWL_STYLE) & WS_CHILD)) return 0;
    return Window::Dispatch(event);
}

void DataWindow::EnableBorder(int borderStyle)
{
    LONG style = GetWindowLongA(Handle(), GWL_STYLE) & ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    if (borderStyle != 0) style |= WS_BORDER;
    SetWindowLongA(Handle(), GWL_STYLE, style);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void DataWindow::RegisterConditionalControls(Control* control)
{
    conditionalControls_.push_back(control);
}

void DataWindow::DisableConditionalControls()
{
    for (Control* control : conditionalControls_) control->Disable();
}

void DataWindow::EnableConditionalControls()
{
    for (Control* control : conditionalControls_) control->Enable();
}

void DataWindow::NoteFocus()
{
    // The focus outside the form (nowhere, on the owner, in another window)
    // leaves the noted control as it is.
    if (HWND focus = GetFocus(); focus && IsChild(Handle(), focus)) focus_ = focus;
}

void DataWindow::ReturnFocus()
{
    const bool takes = focus_ && IsChild(Handle(), focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_);
    // The form passes a focus of its own on to its first control.
    ::SetFocus(takes ? focus_ : Handle());
}
