// The controls of a window. A control object binds to the item of a dialog
// template by the item's id; the window it belongs to owns it (see
// Window::AddControl) and receives its events.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework/window.h"

// What a library adds to every control of the program: a look at each
// message before the control's own window procedure handles it, and a word
// after a control has been enabled or disabled.
struct ControlExtensions {
    std::function<void(Control&, Event&)> beforeDispatch;
    std::function<void(Control&)> enabledChanged;
};
ControlExtensions& TheControlExtensions();

// Any control: a child window of its owner, made from an item of the
// owner's dialog template.
class Control : public Window {
public:
    Control(Window& owner, int id);
    int ControlId() const { return id_; }

    // Owner alignment under which the control fills its owner's canvas
    // whenever that changes its size.
    static constexpr int kFollowOwnerSize = 10;
    int OwnerAlignment() const { return ownerAlignment_; }
    void SetOwnerAlignment(int alignment) { ownerAlignment_ = alignment; }

    // Controls pass their messages (after the extensions have seen them)
    // straight to their own window procedure; their events go to the owner.
    LRESULT Dispatch(Event& event) override;
    void Enable() override;
    void Disable() override;

    // The hyper label's description as the control's tool tip, or none.
    void SetUseHLforToolTip(bool use);

    const Color* TextColor() const { return hasTextColor_ ? &textColor_ : nullptr; }
    void SetTextColor(Color color);

    // A notification (WM_COMMAND code) of the control.
    virtual void Notified(WORD code);
    // The colours of the control when it asks its window for them; the
    // window's default answer is given.
    virtual LRESULT AnswerColorRequest(HDC dc, LRESULT defaultAnswer);

protected:
    // Answers WM_COMMAND (Notified) and WM_CTLCOLOR* (AnswerColorRequest),
    // and follows the owner's size under kFollowOwnerSize.
    bool Reflect(Event& event, LRESULT& result) override;
    // Makes a new control of a window class at a place of the owner's
    // canvas (lower-left corner, y upward).
    Control(Window& owner, int id, const char* windowClass, DWORD style, Point origin, Dimension size);
    ControlEvent MakeEvent() const;

private:
    int id_;
    int ownerAlignment_ = 0;
    Color textColor_;
    bool hasTextColor_ = false;
};

// A control with a text of its own.
class TextControl : public Control {
public:
    using Control::Control;
    virtual std::string TextValue() const { return Caption(); }
    virtual void SetTextValue(const std::string& text) { SetCaption(text); }
};

// A button; a click reaches the owner's ButtonClick.
class Button : public TextControl {
public:
    using TextControl::TextControl;
    void Notified(WORD code) override;

protected:
    virtual void Clicked();
};

// A push button: a click calls the owner's method of the button's name,
// or its ButtonClick when it has none.
class PushButton : public Button {
public:
    using Button::Button;
    // A new push button at a place of the owner's canvas.
    PushButton(Window& owner, int id, Point origin, Dimension size, DWORD style = BS_PUSHBUTTON | WS_TABSTOP)
        : Button(owner, id, "Button", style, origin, size)
    {
    }

protected:
    void Clicked() override;
};

// A check box.
class CheckBox : public Button {
public:
    using Button::Button;
    bool Checked() const;
    void SetChecked(bool checked);
};

// A radio button of a group.
class RadioButton : public Button {
public:
    using Button::Button;
    bool Pressed() const;
    void SetPressed(bool pressed);
};

// A group frame with a caption.
class GroupBox : public TextControl {
public:
    using TextControl::TextControl;
};

// A static text.
class FixedText : public TextControl {
public:
    using TextControl::TextControl;
    // A new static text at a place of the owner's canvas.
    FixedText(Window& owner, int id, Point origin, Dimension size, DWORD style = SS_LEFT)
        : TextControl(owner, id, "Static", style, origin, size)
    {
    }
    // Switches DrawText styles of the text on or off. A single line
    // (DT_SINGLELINE) is never wrapped; DT_NOCLIP is kept for the caller.
    void SetDrawStyle(UINT style, bool on);
    UINT DrawStyle() const { return drawStyle_; }

private:
    UINT drawStyle_ = 0;
};

// A track bar; its horizontal moves reach the owner's HorizontalSlide.
class Slider : public Control {
public:
    using Control::Control;
    void SetRange(int minimum, int maximum);
    int ThumbPosition() const;
    void SetThumbPosition(int position);
    // The step of a page key or a click beside the thumb.
    void SetBlockSize(int size);
    // Removes every tick mark but those at both ends of the range.
    void ClearTicks();
    // Adds a tick mark at a position of the range.
    void SetTickPos(int position);

protected:
    bool Reflect(Event& event, LRESULT& result) override;
};

// A horizontal track bar; its moves reach the owner's HorizontalSlide.
class HorizontalSlider : public Slider {
public:
    using Slider::Slider;
};

// A scroll bar control; its moves reach the owner's HorizontalScroll or
// VerticalScroll.
class ScrollBar : public Control {
public:
    using Control::Control;

protected:
    bool Reflect(Event& event, LRESULT& result) override;
};

// Tabs, each showing a page window in the control's display area; a choice
// of the user reaches the owner's TabSelect.
class TabControl : public Control {
public:
    TabControl(Window& owner, int id, Point origin, Dimension size, DWORD style);
    void AppendTab(const std::string& name, const std::string& caption, Window* page);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    // Shows the tab of that name; false when there is none.
    bool SelectTab(const std::string& name);
    // The name of the tab shown, or empty.
    std::string SelectedTab() const;
    // The page of the tab shown, or null.
    Window* SelectedTabPage() const;
    // The part of the control's canvas that shows the pages.
    RECT DisplayArea() const;
    // Shows the page of the tab chosen and hides the others.
    void ShowSelectedPage();

protected:
    bool Reflect(Event& event, LRESULT& result) override;

private:
    struct Tab {
        std::string name;
        Window* page;
    };
    std::vector<Tab> tabs_;
};

// A progress bar; OldPosition is the position before the last one set.
class ProgressBar : public Control {
public:
    using Control::Control;
    void SetRange(int minimum, int maximum);
    std::pair<int, int> Range() const;
    int Position() const;
    void SetPosition(int position);
    int OldPosition() const { return oldPosition_; }

private:
    int oldPosition_ = 0;
};

// A static picture.
class FixedImage : public Control {
public:
    using Control::Control;
};

// A static icon.
class FixedIcon : public FixedImage {
public:
    using FixedImage::FixedImage;
    // A new static icon at a place of the owner's canvas; its size follows
    // the icon it is given.
    FixedIcon(Window& owner, int id, Point origin) : FixedImage(owner, id, "Static", SS_ICON, origin, {0, 0}) {}
    void SetIcon(const ::Icon& icon);

private:
    ::Icon icon_;
};

// An edit field; gaining and losing the focus reach the owner's EditFocusChange.
class Edit : public TextControl {
public:
    using TextControl::TextControl;
    void Notified(WORD code) override;
    // The most characters the field takes.
    void SetTextLimit(int characters);
};

// A one-line edit field.
class SingleLineEdit : public Edit {
public:
    using Edit::Edit;
};

// A multi-line edit field. Its lines are served from one copy of the text,
// taken when first asked for and kept until the control's text may change.
class MultiLineEdit : public Edit {
public:
    using Edit::Edit;
    LRESULT Dispatch(Event& event) override;
    std::string TextValue() const override;
    // Number of lines (an empty field has one).
    int LineCount() const;
    // Line n, counted from 1, without its line end; empty beyond the last.
    std::string GetLine(int n) const;

private:
    void Load() const;
    mutable bool loaded_ = false;
    mutable std::string text_;
    mutable std::vector<size_t> lineStarts_;
};

// One entry of a combo box: the text shown and the value it stands for.
struct ComboItem {
    std::string text;
    int value = 0;
};

// A drop-down list; a new selection reaches the owner's ListBoxSelect.
class ComboBox : public TextControl {
public:
    using TextControl::TextControl;
    void Notified(WORD code) override;
    // Replaces the entries.
    void FillUsing(const std::vector<ComboItem>& items);
    int ItemCount() const;
    // Number of the selected entry from 1; 0 when none is selected.
    int CurrentItemNo() const;
    void SetCurrentItemNo(int itemNo);
    // Value of the selected entry; 0 when none is selected.
    int Value() const;
    // Selects the first entry of that value; false when there is none.
    bool SetValue(int value);
    // The text of the selected entry (or of the edit part).
    std::string CurrentText() const;

private:
    const ComboItem* ItemAt(int itemNo) const;
    std::vector<ComboItem> items_;
};

// One row of a list box: the text shown and the value it stands for.
struct ListBoxItem {
    std::string text;
    std::string value;
};

// A list of rows, in the order they are given (templates give it no
// LBS_SORT); a new selection reaches the owner's ListBoxSelect. With
// LBS_NOTIFY the list reports a double-click on a row to its owner as
// WM_COMMAND with LBN_DBLCLK. The rows and the selected row stay readable
// once the control's window is gone, so that the owner of a modal dialog
// reads them after the dialog has ended.
class ListBox : public Control {
public:
    using Control::Control;
    LRESULT Dispatch(Event& event) override;
    void Notified(WORD code) override;
    // Replaces the rows; none is selected.
    void FillUsing(const std::vector<ListBoxItem>& items);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    // Number of the selected row from 1; 0 when none is selected.
    int CurrentItemNo() const;
    // Selects row itemNo; 0 or a number beyond the last row selects none.
    void SetCurrentItemNo(int itemNo);
    // Value of the selected row; empty when none is selected.
    std::string Value() const;

private:
    std::vector<ListBoxItem> items_;
    int lastItemNo_ = 0;  // the selection when the window went
};
