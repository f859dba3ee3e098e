#include "graphics/windows/gkit.h"

#include "graphics/windows/gformwindow.h"
#include "lib/system.h"
#include "platform/framework/controls.h"

namespace {

bool IsCheckControl(const Control& oControl)
{
    return dynamic_cast<const CheckBox*>(&oControl) != nullptr ||
           dynamic_cast<const RadioButton*>(&oControl) != nullptr;
}

// A check box or radio button tells its visible window that its check state
// is about to change, so that a transparent form redraws it.
void AnnounceCheckChange(Control& oControl, Event& oEvent)
{
    if (oEvent.message != BM_SETCHECK || !IsCheckControl(oControl)) return;
    Window* oOwner = oControl.Owner();
    if (oOwner == nullptr || !oOwner->IsVisible() || !oControl.IsVisible()) return;
    SendMessageA(oOwner->Handle(), WM_USER, kGMsgCheckChanged, reinterpret_cast<LPARAM>(oControl.Handle()));
}

// A static text, check box or radio button on a transparent form that was
// just enabled or disabled gets the painted surface back under it before it
// draws itself in its new state.
void RestoreUnderTextControl(Control& oControl)
{
    auto* oForm = dynamic_cast<gTransparentForm*>(oControl.Owner());
    if (oForm == nullptr || !oForm->_lTransparent || oForm->FormGraphics() == nullptr) return;
    if (dynamic_cast<FixedText*>(&oControl) == nullptr && !IsCheckControl(oControl)) return;
    oForm->RestoreSurfaceUnder(oControl);
    oControl.Repaint();
}

}  // namespace

void InitFunction()
{
    GetVoVersion();
    ControlExtensions& oExtensions = TheControlExtensions();
    oExtensions.beforeDispatch = AnnounceCheckChange;
    oExtensions.enabledChanged = RestoreUnderTextControl;
}
