// Windows whose controls come from a dialog template resource.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/window.h"

// A dialog, modal or modeless, made hidden from its template. Show runs a
// modal dialog until EndDialog; Result is the value EndDialog was given.
class DialogWindow : public Window {
public:
    DialogWindow(Window* owner, const std::string& templateName, bool modal = false);

    LRESULT Dispatch(Event& event) override;
    void Show(int showState = SW_SHOWNORMAL) override;
    // Closes the dialog (its Close event runs) and ends it with a result.
    void EndDialog(int result = 0);
    int Result() const { return result_; }
    bool IsModal() const { return modal_; }
    // Calls Timer every so many seconds while the dialog lives.
    void RegisterTimer(int seconds);
    virtual void Timer() {}

protected:
    // Escape (IDCANCEL without a control of that id) closes a dialog that
    // has a close box, as the close box does.
    void MenuCommand(int id) override;

private:
    void ReleaseOwner();
    bool modal_;
    int result_ = 0;
    HWND disabledOwner_ = nullptr;
};

// A form: the controls of a dialog template on a window that lies in its
// owner's canvas (or is a top-level window when it has no owner). The
// window's own canvas is the surface that holds the controls. A form in its
// owner's canvas ignores close requests (WM_CLOSE): it ends when its owner or
// its own code destroys it.
class DataWindow : public Window {
public:
    DataWindow(Window* owner, const std::string& templateName);

    LRESULT Dispatch(Event& event) override;
    // 0: no border; any other value: a thin border.
    void EnableBorder(int borderStyle);

    // Controls that are enabled and disabled together.
    void RegisterConditionalControls(Control* control);
    void DisableConditionalControls();
    void EnableConditionalControls();

    // A form in its owner's canvas never receives the activation: its owner
    // notes the control that has the focus when it is deactivated (or
    // before something takes the focus away, such as disabling that
    // control), and gives the focus back once it is active again. The
    // control gets it with its caret and selection as they were; the first
    // control, its text selected, when none was noted or the noted one can
    // no longer take the focus.
    void NoteFocus();
    void ReturnFocus();

private:
    std::vector<Control*> conditionalControls_;
    // The control (or a window inside one) that last had the focus.
    HWND focus_ = nullptr;
};
