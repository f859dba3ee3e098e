#include "app/shell/dlgfarben.h"

#include <cstdio>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "graphics/core/colors.h"
#include "lib/meldung.h"
#include "lib/placement.h"
#include "lib/sprache.h"
#include "platform/framework/layout_item.h"
#include "platform/framework/standard_dialogs.h"

namespace {

// The items of the template with their German default captions.
constexpr LayoutItem kItems[] = {
    {100, "FARBFELD1", "", 1},
    {101, "FARBFELD2", "", 1},
    {102, "FARBFELD3", "", 1},
    {103, "FARBFELD4", "", 1},
    {104, "FARBFELD5", "", 1},
    {105, "FARBRICHTUNG", "Richtung", 2},
    {106, "FARBSTANDARD", "Standard", 2},
    {107, "FARBHILFE", "Hilfe", 2},
    {108, "FARBABBRECHEN", "Abbrechen", 2},
    {109, "FARBWEITER", "\334bernehmen", 2},
    {110, "FESTERTEXT1", "Bitte in den gew\xfcnschten Bereich klicken", 1},
    {111, "FESTERTEXT2", "Hintergrundfarbe und Farbverlauf", 1},
    {112, "GRUPPENFELD1", "", 1},
    {113, "GRUPPENFELD2", "", 1},
    {114, "GRUPPENFELD3", "", 1},
    {115, "GRUPPENFELD4", "", 0},
    {116, "GRADIENTSLIDER", "", 0},
};

// The framework's predefined text colour number 1 of the fixed texts.
constexpr COLORREF kTextColour1 = 1;

// The standard gradient: strength and direction.
constexpr int kStandardGradient = 15;
constexpr int kStandardGradDir = 7;

// The direction that follows each direction 0 to 7 under "Richtung".
constexpr std::array<int, 8> kNextGradDir = {4, 6, 5, 7, 2, 1, 3, 0};

ColorArg ColorArgOf(Color oFarbe)
{
    return ColorArg::Rgb(oFarbe.Red(), oFarbe.Green(), oFarbe.Blue());
}

// The colours as gcFarben keeps them: red, green and blue of each, three
// digits apiece.
std::string FarbenText(const std::array<Color, 5>& aFarben)
{
    std::string cText;
    for (const Color& oFarbe : aFarben) {
        char cGroup[16];
        std::snprintf(cGroup, sizeof cGroup, "%03d%03d%03d", oFarbe.Red(), oFarbe.Green(), oFarbe.Blue());
        cText += cGroup;
    }
    return cText;
}

}  // namespace

template <class T>
T* dlgFarben_vo::Make(int nId)
{
    return MakeLayoutControl<T>(*this, kItems, nId, fonts_);
}

dlgFarben_vo::dlgFarben_vo(Window* oOwner) : gDialogWindow(oOwner, "dlgFarben_vo", true)
{
    fonts_[0] = Font(10, "Arial");
    fonts_[1] = Font(8, "Arial");
    for (Font& oFont : fonts_) oFont.Bold(true);
    oDCFarbFeld1 = Make<SingleLineEdit>(100);
    oDCFarbFeld2 = Make<SingleLineEdit>(101);
    oDCFarbFeld3 = Make<SingleLineEdit>(102);
    oDCFarbFeld4 = Make<SingleLineEdit>(103);
    oDCFarbFeld5 = Make<SingleLineEdit>(104);
    oCCFarbRichtung = Make<PushButton>(105);
    oCCFarbStandard = Make<PushButton>(106);
    oCCFarbHilfe = Make<PushButton>(107);
    oCCFarbAbbrechen = Make<PushButton>(108);
    oCCFarbWeiter = Make<PushButton>(109);
    oDCFesterText1 = Make<FixedText>(110);
    oDCFesterText2 = Make<FixedText>(111);
    oDCGruppenFeld1 = Make<GroupBox>(112);
    oDCGruppenFeld2 = Make<GroupBox>(113);
    oDCGruppenFeld3 = Make<GroupBox>(114);
    oDCGruppenFeld4 = Make<GroupBox>(115);
    oDCGradientSlider = Make<HorizontalSlider>(116);
    for (FixedText* oText : {oDCFesterText1, oDCFesterText2}) oText->SetTextColor(Color::FromColorRef(kTextColour1));
    oDCGradientSlider->SetRange(0, 20);
    SetCaption("Farben");
    SetHyperLabel({"DLGFARBEN_VO", "Farben", "", ""});
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    PostInit();
}

dlgFarben::dlgFarben(Window* oOwner) : dlgFarben_vo(oOwner)
{
    FenAufFenZentrieren(*this);
    aFarben_ = gaFarben;
    aPinsel_ = gaPinsel;
    nGradient_ = gnGradient;
    nGradDir_ = gnGradDir;
    Sprache();
    for (int n = 1; n <= 5; ++n) {
        FarbFeld(n)->SetBackground(aPinsel_[static_cast<size_t>(n - 1)]);
        FarbFeld(n)->SetTextValue(aSprachTexte_.at(static_cast<size_t>(n)));
    }
    oDCGradientSlider->SetBlockSize(1);
    oDCGradientSlider->ClearTicks();
    oDCGradientSlider->SetTickPos(kStandardGradient);
    oDCGradientSlider->SetThumbPosition(nGradient_);
    ::SetFocus(oCCFarbWeiter->Handle());
    lChanged_ = false;
}

bool dlgFarben::CallByName(std::string_view cName)
{
    static const MethodTable<dlgFarben> table{{"FARBHILFE", &dlgFarben::FarbHilfe},
                                              {"FARBWEITER", &dlgFarben::FarbWeiter},
                                              {"FARBABBRECHEN", &dlgFarben::FarbAbbrechen},
                                              {"FARBRICHTUNG", &dlgFarben::FarbRichtung},
                                              {"FARBSTANDARD", &dlgFarben::FarbStandard}};
    return table.Call(*this, cName) || dlgFarben_vo::CallByName(cName);
}

SingleLineEdit* dlgFarben::FarbFeld(int n) const
{
    const std::array<SingleLineEdit*, 5> aFelder = {oDCFarbFeld1, oDCFarbFeld2, oDCFarbFeld3, oDCFarbFeld4,
                                                    oDCFarbFeld5};
    return aFelder.at(static_cast<size_t>(n - 1));
}

void dlgFarben::SetzeFarbe(int n, Color oFarbe)
{
    const auto i = static_cast<size_t>(n - 1);
    lChanged_ = true;
    aFarben_[i] = oFarbe;
    aPinsel_[i] = Brush(oFarbe);
    FarbFeld(n)->SetBackground(aPinsel_[i]);
}

void dlgFarben::FarbHilfe()
{
    ShowHelpALink("a_farbeinstellung");
}

void dlgFarben::FarbWeiter()
{
    if (lChanged_) {
        gcFarben = FarbenText(aFarben_);
        gaFarben = aFarben_;
        gaPinsel = aPinsel_;
        gnGradient = nGradient_;
        gnGradDir = nGradDir_;
        // The calculation window answers by name when it can take new colours.
        if (goCalcPar) goCalcPar->CallByName("FARBENNEU");
    }
    EndDialog();
}

void dlgFarben::Close(Event& oEvent)
{
    aPinsel_ = {};
    aSprachTexte_.clear();
    dlgFarben_vo::Close(oEvent);
}

void dlgFarben::FarbAbbrechen()
{
    EndDialog();
}

void dlgFarben::Sprache()
{
    aSprachTexte_ = SprachDialog(*this, "DLGFARBEN");
}

void dlgFarben::FarbRichtung()
{
    if (nGradDir_ >= 0 && nGradDir_ <= 7) nGradDir_ = kNextGradDir[static_cast<size_t>(nGradDir_)];
    lChanged_ = true;
    PaintNew();
}

void dlgFarben::EditFocusChange(EditFocusChangeEvent& oEvent)
{
    dlgFarben_vo::EditFocusChange(oEvent);
    if (!IsVisible() || !oEvent.GotFocus()) return;
    // Away from the field at once, so that the next click into it is again a
    // gain of the focus.
    ::SetFocus(oCCFarbWeiter->Handle());
    int n = 5;
    while (n > 0 && FarbFeld(n) != oEvent.Control()) --n;
    if (n == 0) return;
    PaletteDialog oPalette(this, aFarben_[static_cast<size_t>(n - 1)]);
    oPalette.Show();
    if (oPalette.GetColor() == aFarben_[static_cast<size_t>(n - 1)]) return;
    SetzeFarbe(n, oPalette.GetColor());
    if (n >= 4) PaintNew();
}

void dlgFarben::HorizontalSlide(SliderEvent& oEvent)
{
    dlgFarben_vo::HorizontalSlide(oEvent);
    if (oEvent.Control() != oDCGradientSlider || oEvent.ScrollType() != 0) return;
    const int nPosition = oDCGradientSlider->ThumbPosition();
    if (nPosition == nGradient_) return;
    nGradient_ = nPosition;
    lChanged_ = true;
    PaintNew();
}

void dlgFarben::Paint()
{
    if (!IsVisible()) return;
    _oGraphics->SetBackgroundColor(ColorArgOf(aFarben_[3]))
        .SetGradientColor(ColorArgOf(aFarben_[4]))
        .PaintSpotCanvas(nGradient_, static_cast<uint32_t>(nGradDir_));
}

void dlgFarben::FarbStandard()
{
    // Colours are values here: a colour counts as the standard one when it
    // has the standard's red, green and blue.
    for (int n = 1; n <= 5; ++n)
        if (aFarben_[static_cast<size_t>(n - 1)] != gaFarbenStandard[static_cast<size_t>(n - 1)])
            SetzeFarbe(n, gaFarbenStandard[static_cast<size_t>(n - 1)]);
    if (oDCGradientSlider->ThumbPosition() != kStandardGradient) {
        nGradient_ = kStandardGradient;
        oDCGradientSlider->SetThumbPosition(kStandardGradient);
        lChanged_ = true;
    }
    if (nGradDir_ != kStandardGradDir) {
        nGradDir_ = kStandardGradDir;
        lChanged_ = true;
    }
    if (lChanged_) PaintNew();
}
