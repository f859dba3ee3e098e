#pragma once
// gDataWindow and gDialogWindow: kit windows made from a dialog template,
// whose static texts, check boxes, radio buttons and group boxes lie
// transparently over the painted surface. Their window procedure answers the
// controls' colour requests: such a control gets a transparent background
// mode and a hollow brush, and the surface under a static text (and under a
// check box or radio button without the focus) is copied back from the
// refresh bitmap just before the control draws its text. Icons and track bars
// may take the painter's background colour instead; edit fields keep the
// framework's colours.
#include <string>

#include "graphics/windows/gkitwindow.h"

// The kit message by which a check box or radio button tells its window that
// its check state is about to change (WM_USER with this wParam, lParam the
// control's window handle).
constexpr WPARAM kGMsgCheckChanged = 0xE1;

// The switches and the hollow brush that the form window procedure reads.
class gTransparentForm {
public:
    virtual ~gTransparentForm() = default;
    // Sets the two switches below and repaints a visible window.
    virtual void SetTransparent(bool lTransparent = true, bool lBackgroundColor = true) = 0;
    // The window's painter, with its refresh bitmap.
    virtual Graphics* FormGraphics() = 0;
    // Copies the surface under the control back from the refresh bitmap. A
    // static text may reach a pixel into the framed field beside it (the
    // template's units round so): the copy leaves the places of framed
    // children out, whose frames are drawn only when the form was shown.
    virtual void RestoreSurfaceUnder(const Window& oControl) = 0;

    // Static texts, check boxes, radio buttons and group boxes are transparent.
    bool _lTransparent = true;
    // Icons and track bars get the painter's background colour.
    bool _lBackgroundColor = true;
    // The hollow brush handed to transparent controls.
    HBRUSH _pTransBrush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    // The window is the active one.
    bool _lHasFocus = true;
};

// The window procedure of every kit form: the framework's class procedure,
// then the kit's answer to a control's colour request.
LRESULT CALLBACK DataWinProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

template <class Base>
class gFormWindow : public gKitWindow<Base>, public gTransparentForm {
public:
    void SetTransparent(bool lTransparent = true, bool lBackgroundColor = true) override;
    Graphics* FormGraphics() override { return this->_oGraphics.get(); }
    void RestoreSurfaceUnder(const Window& oControl) override;
    // Called by the layout class once its controls exist: with visual styles,
    // check boxes and radio buttons draw transparently too.
    void PostInit() override;
    LRESULT Dispatch(Event& oEvent) override;
    void Activate(Event& oEvent) override;
    void Deactivate(Event& oEvent) override;
    void Destroy() override;

protected:
    // The framework base is made with these arguments; nBackgroundColor is
    // the painter's background colour number.
    template <typename... Args>
    explicit gFormWindow(int nBackgroundColor, Args&&... aArgs) : gKitWindow<Base>(std::forward<Args>(aArgs)...)
    {
        Install(nBackgroundColor);
    }

private:
    void Install(int nBackgroundColor);
    void CheckChanged(HWND hControl);
};

extern template class gFormWindow<DataWindow>;
extern template class gFormWindow<DialogWindow>;

// A form from a dialog template on a silver surface (colour 7). The third
// argument has no meaning for a form.
class gDataWindow : public gFormWindow<DataWindow> {
public:
    gDataWindow(Window* oOwner, const std::string& cResourceId, bool lExtra = false);
    // Keeps the form free of scroll bars.
    void DisableScrollBars();
    void PaintNew() override;
};

// A dialog from a template on a white surface (colour 15); lModal makes it
// a modal dialog.
class gDialogWindow : public gFormWindow<DialogWindow> {
public:
    gDialogWindow(Window* oOwner, const std::string& cResourceId, bool lModal = false);
};
