// A data list view that lays out its own columns: one per field of its data
// server, captioned with the field's label in proper case ("DATE OF BIRTH"
// becomes "Date Of Birth") and as wide in pixels as the field's length in
// characters takes in the view's font.
//
// The width rule, for a column of c characters (the field length, kept
// within 4 and 50) and W(s) the pixel width of a text s in the view's font:
// - character and memo fields (C, M) are measured with a sample of typical
//   text, 27 capitals with "_", five times 27 small letters with a blank and
//   the ten digits, 172 characters in all:
//   w = (W(capitals) + 5 W(small letters) + W(digits)) c / 172;
// - numbers, dates and logic values with the digits alone: w = W(digits) c / 10;
// (integer divisions after the multiplication), then the caption: a caption
// wider than w makes the column W(caption) + 15 wide, otherwise w + 20.
// A column of 8 digits where "1234567890" is 70 pixels wide is 56 + 20 = 76
// pixels wide under a caption of 40 pixels, 60 + 15 = 75 under one of 60.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/framework/gdi.h"
#include "platform/framework/listview.h"

namespace widgets {

// The pixel width of a text in a font.
using TextWidth = std::function<int(const std::string&)>;

struct ColumnWidth {
    int characters;
    int pixels;
};

// The width rule above for a column of that width in characters, kind of
// value and caption, measuring with textWidth.
ColumnWidth ColumnWidthRule(int characters, char valType, const std::string& caption, const TextWidth& textWidth);

// Sets the pixel width of column n (from 1) of the view by the rule above,
// measured in the view's font; keeps the width in characters it used in the
// column and returns it. Without a view nothing is measured and the width is 0.
int CalculateNewWidth(ListViewColumn& column, int n, ListView* view);

class DataListView2 : public DataListView {
public:
    using DataListView::DataListView;

    // Makes one column per field of the server (none without a server) and
    // fits each to its field by the rule above.
    void AutoLayout() override;
    // Sets the view's font (none: the system's default GUI font), lays the
    // columns out in it and shows the records again; the same font again
    // changes nothing. rescale is taken for the callers' sake: the view has
    // nothing to rescale. Returns the font now set.
    const std::optional<::Font>& Font(const std::optional<::Font>& font, bool rescale = false);
    const std::optional<::Font>& Font() const { return _oListFont; }
    // Font(font, false).
    void SetFont(const ::Font& font) override { Font(font, false); }

private:
    std::optional<::Font> _oListFont;
};

}  // namespace widgets
