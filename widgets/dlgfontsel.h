// The font dialog: the user picks a screen font, starting from a face name
// and style or from a font description string; the choice comes back as
// single values, as a framework font, or as a description string that a
// later dialog accepts again as its start.
//
// A description string: weight (4 digits), height (4 characters, a negative
// one as "-" and 3 digits), width (4 digits), "T" italic or "F" upright, then
// the face name; weight 700, height 16, width 0, upright Arial is
// "070000160000FArial".
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

#include "platform/framework/gdi.h"

class Window;

namespace widgets {

class DlgFontSel {
public:
    // startFont: a description string (it begins with a digit; the style is
    // then ignored) or a face name; none or empty: "Times New Roman".
    // style, with a face name: 10 or more is italic (10 taken off once),
    // then 1 light, 2 bold, else normal. The default height is that of 10
    // points on the owner's screen.
    DlgFontSel(Window& owner, const std::optional<std::string>& startFont = {}, std::optional<int> style = {});
    DlgFontSel(const DlgFontSel&) = delete;
    DlgFontSel& operator=(const DlgFontSel&) = delete;

    // Filters, between construction and Show; each adds its bits only.
    DlgFontSel& TrueTypeFonts();
    DlgFontSel& FixedPitchFonts();
    DlgFontSel& VariablePitchFonts();

    // Runs the dialog from the last choice; true when the user confirmed a font.
    bool Show();

    // The confirmed choice; 0, false, empty or none without one (before Show,
    // after a cancel).
    int Height() const { return selected_ ? font_.lfHeight : 0; }
    int Width() const { return selected_ ? font_.lfWidth : 0; }
    int Weight() const { return selected_ ? font_.lfWeight : 0; }
    bool Italic() const { return selected_ && font_.lfItalic != 0; }
    std::string FontName() const { return selected_ ? font_.lfFaceName : ""; }
    std::string FontToString() const;
    std::optional<::Font> Font() const;

    // The request and the font it starts from, as the dialog gets them.
    const CHOOSEFONTA& Request() const { return request_; }
    const LOGFONTA& StartFont() const { return font_; }

private:
    CHOOSEFONTA request_{};
    LOGFONTA font_{};
    bool selected_ = false;
};

}  // namespace widgets
