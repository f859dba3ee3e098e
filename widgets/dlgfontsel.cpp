#include "widgets/dlgfontsel.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/framework/seam.h"
#include "platform/framework/window.h"
#include "platform/runtime/numtext.h"

namespace widgets {

namespace {

// Four characters with leading zeros; a negative number as "-" and three.
std::string FourCharacters(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, number < 0 ? "-%03d" : "%04d", number < 0 ? -number : number);
    return text;
}

// The number in the characters from `from` (0-based) of `count`; missing
// characters read as nothing, an unreadable field as 0.
int Field(const std::string& text, size_t from, size_t count)
{
    return from < text.size() ? static_cast<int>(Val(text.substr(from, count))) : 0;
}

}  // namespace

DlgFontSel::DlgFontSel(Window& owner, const std::optional<std::string>& startFont, std::optional<int> style)
{
    std::string face = startFont && !startFont->empty() ? *startFont : "Times New Roman";
    HDC screen = GetDC(owner.Handle());
    font_.lfHeight = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(owner.Handle(), screen);
    font_.lfWeight = FW_NORMAL;
    if (std::isdigit(static_cast<unsigned char>(face.front()))) {
        const std::string description = face;
        font_.lfWeight = Field(description, 0, 4);
        font_.lfHeight = Field(description, 4, 4);
        font_.lfWidth = Field(description, 8, 4);
        font_.lfItalic = description.size() > 12 && description[12] == 'T';
        face = description.size() > 13 ? description.substr(13) : "";
    } else if (style) {
        int rest = *style;
        if (rest >= 10) {
            font_.lfItalic = TRUE;
            rest -= 10;
        }
        if (rest == 1) font_.lfWeight = FW_LIGHT;
        if (rest == 2) font_.lfWeight = FW_BOLD;
    }
    font_.lfCharSet = DEFAULT_CHARSET;
    face.copy(font_.lfFaceName, LF_FACESIZE - 1);

    request_.lStructSize = sizeof request_;
    request_.hwndOwner = owner.Handle();
    request_.lpLogFont = &font_;
    request_.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_SCRIPTSONLY | CF_LIMITSIZE;
    request_.nSizeMin = 4;
    request_.nSizeMax = 22;
}

DlgFontSel& DlgFontSel::TrueTypeFonts()
{
    request_.Flags |= CF_TTONLY;
    return *this;
}

DlgFontSel& DlgFontSel::FixedPitchFonts()
{
    request_.Flags |= CF_FIXEDPITCHONLY;
    font_.lfPitchAndFamily |= FIXED_PITCH;
    return *this;
}

DlgFontSel& DlgFontSel::VariablePitchFonts()
{
    font_.lfPitchAndFamily |= VARIABLE_PITCH;
    return *this;
}

bool DlgFontSel::Show()
{
    request_.lpLogFont = &font_;
    selected_ = TheSeam().ChooseScreenFont(request_);
    font_.lfFaceName[LF_FACESIZE - 1] = '\0';
    return selected_;
}

std::string DlgFontSel::FontToString() const
{
    if (!selected_) return "";
    std::string face = font_.lfFaceName;
    face.erase(face.find_last_not_of(' ') + 1);
    return FourCharacters(font_.lfWeight) + FourCharacters(font_.lfHeight) + FourCharacters(font_.lfWidth) +
           (font_.lfItalic ? "T" : "F") + face;
}

std::optional<::Font> DlgFontSel::Font() const
{
    if (!selected_) return std::nullopt;
    ::Font chosen({Width(), Height()}, FontName());
    if (Italic()) chosen.Italic(true);
    if (Weight() <= FW_LIGHT) chosen.Light(true);
    if (Weight() >= FW_BOLD) chosen.Bold(true);
    return chosen;
}

}  // namespace widgets
