// The base of every framework window and control: a Win32 window handle bound
// to an object whose virtual methods receive the window's messages (Dispatch)
// and the events made from them (Expose, Resize, QueryClose, Close,
// ButtonClick, ListBoxSelect, EditFocusChange, Activate, Deactivate).
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/framework/gdi.h"
#include "platform/framework/geometry.h"

class Control;
class DrawObject;
class FrameChrome;
class Menu;
class PrintingDevice;
class StatusBar;
class ToolBar;
class Window;
class HelpDisplay;

// A window message as the framework hands it to a window.
struct Event {
    HWND hWnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT Message() const { return message; }
    WPARAM WParam() const { return wParam; }
    LPARAM LParam() const { return lParam; }
};

// A request to repaint part of a window's canvas (in canvas coordinates).
struct ExposeEvent : Event {
    BoundingBox exposedArea;
    BoundingBox ExposedArea() const { return exposedArea; }
};

// The window's canvas has a new size.
struct ResizeEvent : Event {
    Dimension Size() const { return {LOWORD(lParam), HIWORD(lParam)}; }
};

// Something happened to a control: a click, a new selection, a focus change.
struct ControlEvent : Event {
    ::Control* control = nullptr;
    ::Control* Control() const { return control; }
    std::string NameSym() const;
};

// A slider moved; ScrollType is 0 when the slide has ended.
struct SliderEvent : ControlEvent {
    int scrollType = 0;
    int ScrollType() const { return scrollType; }
};

// A scroll bar moved: one of the window's own (IsWindowScroll) or a scroll
// bar control. Position is the new thumb position; ScrollType is 0 when the
// scrolling has ended.
struct ScrollEvent : ControlEvent {
    int position = 0;
    bool windowScroll = false;
    int scrollType = 0;
    int Position() const { return position; }
    bool IsWindowScroll() const { return windowScroll; }
    int ScrollType() const { return scrollType; }
};

// One of a window's own scroll bars; its range is 0 to 100 unless set.
class WindowScrollBar {
public:
    WindowScrollBar(HWND window, int bar);
    int ThumbPosition() const;
    void SetThumbPosition(int position);
    std::pair<int, int> Range() const;
    void SetRange(int minimum, int maximum);
    void Show();
    void Hide();
    // The position a scroll request (SB_LINEUP, SB_THUMBTRACK, ...) moves the thumb to.
    int PositionAfter(WORD request, WORD trackPosition) const;
    // Moves the thumb as a scroll message (WM_HSCROLL, WM_VSCROLL) asks; the
    // scroll event made from the message.
    ScrollEvent Move(const Event& event);

private:
    HWND window_;
    int bar_;
};

// A mouse button was released over the window's canvas at Position (canvas
// pixels, y upward from the bottom row).
struct MouseEvent : Event {
    Point position;
    bool IsLeftButton() const { return message == WM_LBUTTONUP; }
    Point Position() const { return position; }
};

// An edit control gained or lost the keyboard focus.
struct EditFocusChangeEvent : ControlEvent {
    bool gotFocus = false;
    bool GotFocus() const { return gotFocus; }
};

// The name, caption, description and help context of a window or control.
struct HyperLabel {
    std::string name;
    std::string caption;
    std::string description;
    std::string helpContext;
    const std::string& Name() const { return name; }
    const std::string& Caption() const { return caption; }
    const std::string& Description() const { return description; }
    const std::string& HelpContext() const { return helpContext; }
};

// True when two names are equal regardless of case.
bool SameName(std::string_view a, std::string_view b);

// A table from method names (any case) to methods of class T, the way a
// window offers its methods to be called by name:
//   static const MethodTable<MyWindow> table{{"BUTOK", &MyWindow::ButOk}};
//   return table.Call(*this, name) || Base::CallByName(name);
template <class T>
class MethodTable {
public:
    using Method = void (T::*)();
    struct Entry {
        const char* name;
        Method method;
    };
    MethodTable(std::initializer_list<Entry> entries) : entries_(entries) {}
    bool Has(std::string_view name) const { return Find(name) != nullptr; }
    bool Call(T& object, std::string_view name) const
    {
        const Entry* entry = Find(name);
        if (!entry) return false;
        (object.*(entry->method))();
        return true;
    }

private:
    const Entry* Find(std::string_view name) const
    {
        for (const Entry& entry : entries_)
            if (SameName(entry.name, name)) return &entry;
        return nullptr;
    }
    std::vector<Entry> entries_;
};

// A table of keyboard accelerators, shared by its copies.
class Accelerator {
public:
    Accelerator() = default;
    explicit Accelerator(const std::vector<ACCEL>& entries);
    // A table made elsewhere; owned: destroyed with the last copy.
    Accelerator(HACCEL handle, bool owned);
    HACCEL Handle() const { return handle_ ? handle_.get() : nullptr; }

private:
    std::shared_ptr<HACCEL__> handle_;
};

// A window or control of the framework, bound to its window handle.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    // The framework window this one belongs to (for a control: the window
    // whose controls it is part of); null for none.
    Window* Owner() const { return owner_; }
    // The window's compiled HTML help, which it owns; null when it has none.
    ::HelpDisplay* GetHelpDisplay() const { return helpDisplay_.get(); }
    // Gives the window a help display (null: none), destroying the one it had.
    void SetHelpDisplay(std::unique_ptr<::HelpDisplay> display);

    // The raw message hook: every message of the window passes here; the
    // framework's processing (events, then the window's default procedure)
    // gives the result.
    virtual LRESULT Dispatch(Event& event);

    virtual void Expose(ExposeEvent& event);
    virtual void Resize(ResizeEvent& event);
    // Asked before the window closes; false keeps it open.
    virtual bool QueryClose(Event& event);
    virtual void Close(Event& event);
    virtual void ButtonClick(ControlEvent& event);
    virtual void ListBoxSelect(ControlEvent& event);
    virtual void EditFocusChange(EditFocusChangeEvent& event);
    virtual void Activate(Event& event);
    virtual void Deactivate(Event& event);
    // F1 (WM_HELP) in the window.
    virtual void HelpRequest(Event& event);
    // A horizontal slider of the window was moved.
    virtual void HorizontalSlide(SliderEvent& event);
    // The user chose a tab of the window's tab control.
    virtual void TabSelect(ControlEvent& event);
    // A horizontal or vertical scroll bar of the window was moved; the thumb
    // of the window's own bar has already moved.
    virtual void HorizontalScroll(ScrollEvent& event);
    virtual void VerticalScroll(ScrollEvent& event);
    // A mouse button was released over the window.
    virtual void MouseButtonUp(MouseEvent& event);

    // Hooks of a layout class, called at the start and at the end of the
    // making of its controls.
    virtual void PreInit() {}
    virtual void PostInit() {}

    // Calls the window's method of that name (case does not matter); false
    // when the window has none. Classes offer methods through a MethodTable.
    virtual bool CallByName(std::string_view name);

    // Ends the window; the object stays and its handle becomes null.
    virtual void Destroy();

    virtual void Show(int showState = SW_SHOWNORMAL);
    void Hide();
    virtual void Enable();
    virtual void Disable();
    // Enables or greys every item of the window's system menu (the close box too).
    void EnableSystemMenu(bool enable);
    // Sets (on true) or clears bits of the extended window style.
    void SetExStyle(DWORD bits, bool on);
    bool IsVisible() const;
    bool IsEnabled() const;
    bool IsIconic() const;
    bool IsZoomed() const;
    void ToTop();
    // Invalidates the whole window; the expose follows from the message loop.
    void Repaint();
    // Paints what waits to be painted now.
    void Update();
    // Fills the canvas with the window's background.
    void CanvasErase();
    // Shows (true) or removes the window's own scroll bar; the bar, or null.
    WindowScrollBar* EnableHorizontalScroll(bool enable);
    WindowScrollBar* EnableVerticalScroll(bool enable);
    // Draws the object on the window's canvas.
    void Draw(const DrawObject& object);
    // Prints the window's canvas as it shows on the screen, on one page of a
    // job named jobName (by the caption when jobName is empty); false when
    // the printer refused the job.
    bool Print(const PrintingDevice& device, const std::string& jobName = "");

    // Lower-left corner in the owner canvas (screen for top-level windows),
    // y growing upward.
    Point Origin() const;
    void SetOrigin(Point origin);
    // Outer size of the window.
    Dimension Size() const;
    void SetSize(Dimension size);
    // The client area: origin (0, 0) and the client size.
    BoundingBox CanvasArea() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The size a one-line text takes in the window's font.
    Dimension SizeText(const std::string& text) const;

    const Brush& Background() const { return background_; }
    // The brush the window's canvas (or the control's background) is filled with.
    virtual void SetBackground(const Brush& brush);
    const ::Font& GetFont() const { return font_; }
    virtual void SetFont(const ::Font& font);
    // The pointer shown over the canvas; none (a null handle) leaves the
    // class cursor.
    const ::Pointer& GetPointer() const { return pointer_; }
    void SetPointer(const ::Pointer& pointer);
    // The window's icons in the title bar and task switcher.
    void SetIcon(const ::Icon& icon);
    void SetIconSm(const ::Icon& icon);
    // The frame: accelerators, menu bar, status bar and tool bar live in the
    // window's FrameChrome, made by the first Set call.
    // Keyboard accelerators of a top-level window, translated by the message
    // loop: the window's own, else those of its menu.
    const ::Accelerator& GetAccelerator() const;
    void SetAccelerator(const ::Accelerator& accelerator);
    // The menu bar; the caller keeps the menu object and may give null.
    ::Menu* GetMenu() const;
    void SetMenu(::Menu* menu);
    // The status bar, which shows the descriptions of menu items while they
    // are highlighted; the caller keeps the object and may give null.
    ::StatusBar* GetStatusBar() const;
    void SetStatusBar(::StatusBar* statusBar);
    // The tool bar, whose buttons send menu commands; the caller keeps the
    // object and may give null.
    ::ToolBar* GetToolBar() const;
    void SetToolBar(::ToolBar* toolBar);

    const ::HyperLabel& GetHyperLabel() const { return hyperLabel_; }
    virtual void SetHyperLabel(const ::HyperLabel& label);
    const std::string& NameSym() const { return hyperLabel_.name; }

    // The controls made on this window, in the order they were made.
    std::vector<::Control*> GetAllChildren() const;
    // The control of that name (any case), or null.
    ::Control* GetControl(std::string_view name) const;
    // Makes a control of class T for the item of that id of the window's
    // dialog template; the window keeps it for its life.
    template <class T, class... Args>
    T* AddControl(int id, Args&&... args)
    {
        auto control = std::make_unique<T>(*this, id, std::forward<Args>(args)...);
        T* result = control.get();
        controls_.push_back({std::move(control), result});
        return result;
    }

protected:
    explicit Window(Window* owner);
    // Makes the Win32 window; messages sent while it is made reach this object.
    HWND CreateHandle(DWORD exStyle, const char* className, const std::string& title, DWORD style, int x, int y,
                      int width, int height, HWND parent, HMENU menu);
    // Makes the window from the dialog template resource of that name, as a
    // window of the framework's dialog class with the style bits addStyle set
    // and removeStyle cleared; null when the template is missing.
    HWND CreateDialogHandle(const std::string& templateName, HWND parent, DWORD addStyle, DWORD removeStyle);
    // Binds a window to this object; what the object does not handle goes on
    // to defaultProc. Without a defaultProc the window (a control made from a
    // dialog template) is subclassed and keeps its own procedure as default.
    void Attach(HWND hwnd, WNDPROC defaultProc);
    // Moves the object onto another window that replaces its own (the caller
    // destroys the old one): the old handle leaves the registry and its
    // subclassing, the new one is subclassed (as a Unicode window when it is
    // one, so that it stays Unicode) and registered.
    void Rebind(HWND hwnd);
    // Runs the default procedure of the window for an event.
    virtual LRESULT DefaultProcedure(const Event& event);
    // The object that receives the first messages of a window being made,
    // and the default procedure it will have.
    static void ExpectWindow(Window* window, WNDPROC defaultProc);

    // Shows the hyper label description of the control as its tool tip, or
    // no tool tip any more.
    void ShowToolTip(Window& control, bool show);

    // A menu command or accelerator (or a notification without a control):
    // calls the method named by the menu item's label.
    virtual void MenuCommand(int id);

    // A message of the owner handed back to the control it concerns, as ATL
    // reflects notifications: one the control sent (WM_COMMAND, WM_NOTIFY,
    // WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*) or the owner's new size (WM_SIZE,
    // to each of its controls). True when the control answered it; result is
    // then the owner's answer. Only controls answer (see Control::Reflect).
    virtual bool Reflect(Event& event, LRESULT& result);

private:
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK FrameworkControlProc(HWND, UINT, WPARAM, LPARAM);
    friend class Control;
    LRESULT SafeReceive(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();
    // WM_PAINT made into an expose event.
    void Paint(const Event& event);
    // The canvas area of a client rectangle, y growing upward.
    BoundingBox CanvasBox(const RECT& rect) const;
    // A scroll message of the window's own bars made into a scroll event;
    // false when the window has no such bar.
    bool Scrolled(Event& event);
    WindowScrollBar* EnableScroll(std::unique_ptr<WindowScrollBar>& scrollBar, int bar, bool enable);
    // The window's frame chrome, made on first use.
    FrameChrome& Chrome();

    HWND hwnd_ = nullptr;
    Window* owner_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    bool subclassed_ = false;
    bool unicode_ = false;
    Brush background_;
    ::Font font_;
    ::Pointer pointer_;
    ::Icon icon_;
    ::Icon iconSm_;
    std::unique_ptr<::HelpDisplay> helpDisplay_;
    std::unique_ptr<WindowScrollBar> horizontalScroll_;
    std::unique_ptr<WindowScrollBar> verticalScroll_;
    ::HyperLabel hyperLabel_;
    // A control the window keeps, with the control's view of it.
    struct OwnedControl {
        std::unique_ptr<Window> window;
        ::Control* control;
    };
    std::vector<OwnedControl> controls_;
    std::unique_ptr<FrameChrome> chrome_;
    // The tool tip window that shows this control's description, or null.
    HWND toolTip_ = nullptr;
};

// The framework object of a window or control handle, or null.
Window* ObjectOfWindowHandle(HWND hwnd);

// Keeps a shown window and its children from drawing while it lives, so that
// changes that would each draw at once can be drawn together afterwards: the
// holder redraws what changed, and what was waiting to be drawn when the hold
// began, which the system may drop. Does nothing for a hidden window, which
// draws nothing anyway and must not be shown by the end of the hold.
class UpdateHold {
public:
    explicit UpdateHold(HWND hwnd);
    ~UpdateHold();
    UpdateHold(const UpdateHold&) = delete;
    UpdateHold& operator=(const UpdateHold&) = delete;

private:
    HWND hwnd_;
};

// The window class of the framework's own windows (registered on first use).
const char* FrameworkWindowClass();
// The dialog window class of the framework's dialogs and form windows.
const char* FrameworkDialogClass();
bool IsFrameworkDialog(HWND hwnd);

// True when the program's controls are drawn with visual styles (themes).
bool VisualStylesInUse();
// Lets a test decide that answer; no answer gives the system's again.
void OverrideVisualStyles(std::optional<bool> answer);
// Registers the window classes of the common controls (once).
void RegisterCommonControls();
// The class name of a common control, its class registered.
const char* CommonControlClass(const char* className);
