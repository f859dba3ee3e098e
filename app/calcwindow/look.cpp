// The look of the calculation window: control backgrounds from the colour
// settings, the painted background, tooltips, the status-bar descriptions of
// the controls, and the small buttons that hand over to the frame window.
#include <windows.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "platform/framework/statusbar.h"

namespace {

// Gives every control of a group the brush, unless its first member (which
// stands for the group) has it already; true when the group changed.
bool GiveBackground(const std::vector<Control*>& group, const Brush& brush)
{
    if (group.empty() || group.front()->Background().Handle() == brush.Handle()) return false;
    for (Control* control : group) control->SetBackground(brush);
    return true;
}

ColorArg ColorOf(const Color& color)
{
    return ColorArg::Rgb(color.Red(), color.Green(), color.Blue());
}

// Calls a method of the window's owner, the frame window, by its name.
void CallOwner(const Window& window, std::string_view method)
{
    if (window.Owner()) window.Owner()->CallByName(method);
}

}  // namespace

void dtaCalcPar::FarbenNeu()
{
    if (GiveBackground(aFelderText, gaPinsel[3])) {
        SetBackground(gaPinsel[3]);
        if (IsVisible()) CanvasErase();
    }
    GiveBackground(aFelderEdit, gaPinsel[0]);
    GiveBackground(aFelderCombo, gaPinsel[2]);
    PaintNew();
}

void dtaCalcPar::Paint()
{
    if (IsIconic() || !IsVisible()) return;
    _oGraphics->SetBackgroundColor(ColorOf(gaFarben[3]))
        .SetGradientColor(ColorOf(gaFarben[4]))
        .PaintSpotCanvas(gnGradient, static_cast<uint32_t>(gnGradDir));
}

void dtaCalcPar::TooltipNeu()
{
    for (Control* control : GetAllChildren()) control->SetUseHLforToolTip(glTooltip);
}

void dtaCalcPar::DescribeControlUnderCursor()
{
    StatusBar* bar = Owner() ? Owner()->GetStatusBar() : nullptr;
    POINT cursor{};
    if (!bar || !GetCursorPos(&cursor)) return;
    const Window* control = ObjectOfWindowHandle(WindowFromPoint(cursor));
    if (control && !control->GetHyperLabel().description.empty())
        bar->ControlText(control->GetHyperLabel().description);
}

void dtaCalcPar::ButBeenden()
{
    CallOwner(*this, "PROBEENDEN");
}

void dtaCalcPar::ButOnlineInfo()
{
    CallOwner(*this, "HILONLINEINFO");
}

void dtaCalcPar::ButInfo()
{
    CallOwner(*this, "HILURHEBERHINWEIS");
}

void dtaCalcPar::ButHelmertHilfe()
{
    ShowHelpALink("a_helmertparameter");
}
