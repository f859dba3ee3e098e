// The colour dialog: the user chooses the five window colours, the strength
// (0 to 20) and direction (0 to 7) of the background gradient, and sees the
// resulting background as a preview on the dialog's own painted surface.
// "Übernehmen" makes the choice the process-wide colour settings
// (app/shell/globals.h) and has the calculation window re-colour itself;
// the INI file gets them when the frame window closes.
//
// The five colours by position: 1 the calculation window's edit fields,
// 2 kept but painted by no window, 3 its combo boxes, 4 the window background
// where the gradient starts, 5 the colour the gradient runs to.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/windows/gformwindow.h"
#include "platform/framework/controls.h"

// The layout (dialog template "dlgFarben_vo"): the colour fields FARBFELD1 to
// FARBFELD5 (read-only edit fields the user clicks into), the slider
// GRADIENTSLIDER (0 to 20) with the button FARBRICHTUNG, the buttons
// FARBSTANDARD, FARBHILFE, FARBABBRECHEN and FARBWEITER, two fixed texts and
// four group boxes, each control with its name and German default caption.
class dlgFarben_vo : public gDialogWindow {
public:
    // A modal dialog of that owner, hidden until shown.
    explicit dlgFarben_vo(Window* oOwner);

protected:
    SingleLineEdit* oDCFarbFeld1 = nullptr;
    SingleLineEdit* oDCFarbFeld2 = nullptr;
    SingleLineEdit* oDCFarbFeld3 = nullptr;
    SingleLineEdit* oDCFarbFeld4 = nullptr;
    SingleLineEdit* oDCFarbFeld5 = nullptr;
    PushButton* oCCFarbRichtung = nullptr;
    PushButton* oCCFarbStandard = nullptr;
    PushButton* oCCFarbHilfe = nullptr;
    PushButton* oCCFarbAbbrechen = nullptr;
    PushButton* oCCFarbWeiter = nullptr;
    FixedText* oDCFesterText1 = nullptr;
    FixedText* oDCFesterText2 = nullptr;
    GroupBox* oDCGruppenFeld1 = nullptr;
    GroupBox* oDCGruppenFeld2 = nullptr;
    GroupBox* oDCGruppenFeld3 = nullptr;
    GroupBox* oDCGruppenFeld4 = nullptr;
    HorizontalSlider* oDCGradientSlider = nullptr;

private:
    template <class T>
    T* Make(int nId);
    // Font 1 (Arial 10 bold): colour fields, fixed texts, inner group boxes;
    // font 2 (Arial 8 bold): the push buttons.
    std::array<Font, 2> fonts_;
};

class dlgFarben : public dlgFarben_vo {
public:
    // Builds the dialog centred on its owner from the current colour
    // settings, with its texts in the current language; Show runs it.
    explicit dlgFarben(Window* oOwner);

    bool CallByName(std::string_view cName) override;

    // Shows the help topic of the colour settings; the dialog stays open.
    void FarbHilfe();
    // Makes a changed choice the process-wide settings (gcFarben as five
    // groups RRRGGGBBB) and tells the calculation window; ends the dialog.
    void FarbWeiter();
    // Drops the working brushes and texts, then closes.
    void Close(Event& oEvent) override;
    // Ends the dialog; no setting changes.
    void FarbAbbrechen();
    // Loads the dialog's texts in the current language.
    void Sprache();
    // The next gradient direction: 7, 0, 4, 2, 5, 1, 6, 3 and 7 again.
    void FarbRichtung();
    // A click into a colour field opens the colour chooser for its colour.
    void EditFocusChange(EditFocusChangeEvent& oEvent) override;
    // The gradient strength is taken when a slide ends.
    void HorizontalSlide(SliderEvent& oEvent) override;
    // The preview: background colour 4 running to colour 5 as a spot canvas
    // of the working strength and direction.
    void Paint() override;
    // The standard colours, strength 15 and direction 7.
    void FarbStandard();

    // The state being edited (working copies of the settings).
    const std::array<Color, 5>& Farben() const { return aFarben_; }
    int Gradient() const { return nGradient_; }
    int GradDir() const { return nGradDir_; }
    // True once the user changed a colour, the strength or the direction.
    bool Changed() const { return lChanged_; }

private:
    // Colour field n (1 to 5).
    SingleLineEdit* FarbFeld(int n) const;
    // Working colour n becomes oFarbe with a new brush, shown in its field.
    void SetzeFarbe(int n, Color oFarbe);

    bool lChanged_ = false;
    std::array<Color, 5> aFarben_;
    std::array<Brush, 5> aPinsel_;
    std::vector<std::string> aSprachTexte_;
    int nGradient_ = 0;
    int nGradDir_ = 0;
};
