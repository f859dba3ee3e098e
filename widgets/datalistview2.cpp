#include "widgets/datalistview2.h"

#include <algorithm>
#include <string_view>

#include "platform/runtime/strings.h"

namespace widgets {

namespace {

constexpr std::string_view kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_";
constexpr std::string_view kSmallLetters = "abcdefghijklmnopqrstuvwxyz ";
constexpr std::string_view kDigits = "1234567890";
constexpr int kSmallLetterWeight = 5;
constexpr int kSampleCharacters =
    static_cast<int>(kCapitals.size() + kSmallLetterWeight * kSmallLetters.size() + kDigits.size());
static_assert(kSampleCharacters == 172);

constexpr int kFewestCharacters = 4;
constexpr int kMostCharacters = 50;
constexpr int kCaptionMargin = 15;
constexpr int kTextMargin = 20;

// Every word (a run of non-blanks) with its first letter in capitals and
// the rest in small letters.
std::string ProperCase(const std::string& text)
{
    std::string proper = Lower(text);
    for (size_t i = 0; i < proper.size(); ++i)
        if (proper[i] != ' ' && (i == 0 || proper[i - 1] == ' ')) proper[i] = Upper(std::string(1, proper[i]))[0];
    return proper;
}

}  // namespace

ColumnWidth ColumnWidthRule(int characters, char valType, const std::string& caption, const TextWidth& textWidth)
{
    const int c = std::clamp(characters, kFewestCharacters, kMostCharacters);
    int pixels = 0;
    if (valType == 'C' || valType == 'M')
        pixels = (textWidth(std::string(kCapitals)) + kSmallLetterWeight * textWidth(std::string(kSmallLetters)) +
                  textWidth(std::string(kDigits))) *
                 c / kSampleCharacters;
    else
        pixels = textWidth(std::string(kDigits)) * c / static_cast<int>(kDigits.size());
    const int captionWidth = textWidth(caption);
    pixels = captionWidth > pixels ? captionWidth + kCaptionMargin : pixels + kTextMargin;
    return {c, pixels};
}

int CalculateNewWidth(ListViewColumn& column, int n, ListView* view)
{
    int characters = 0;
    if (view) {
        const ColumnWidth width = ColumnWidthRule(column.Width(), column.FieldSpec().valType, column.Caption(),
                                                  [view](const std::string& text) { return view->StringWidth(text); });
        SendMessageA(view->Handle(), LVM_SETCOLUMNWIDTH, n - 1, MAKELPARAM(width.pixels, 0));
        characters = width.characters;
    }
    column.SetWidth(characters);
    return characters;
}

void DataListView2::AutoLayout()
{
    DataServer* server = Server();
    if (!server) return;
    SuspendUpdate();
    DeleteAll();
    DeleteAllColumns();
    for (int n = 1; n <= server->FCount(); ++n) {
        const ::DataField* field = server->DataField(n);
        if (!field) continue;
        ListViewColumn column = FieldColumn(*field);
        column.SetCaption(ProperCase(column.Caption()));
        ListViewColumn& added = AddColumn(column);
        // The column's place in the view, which a field without a
        // description before it puts ahead of its field number.
        CalculateNewWidth(added, ColumnCount(), this);
    }
    RestoreUpdate();
}

const std::optional<::Font>& DataListView2::Font(const std::optional<::Font>& font, bool)
{
    const bool same = font && _oListFont ? font->IsSame(*_oListFont) : font.has_value() == _oListFont.has_value();
    if (same) return _oListFont;
    _oListFont = font;
    HGDIOBJ handle = _oListFont ? _oListFont->Handle() : GetStockObject(DEFAULT_GUI_FONT);
    if (!handle) handle = GetStockObject(SYSTEM_FONT);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    AutoLayout();
    if (Server()) Refresh();
    return _oListFont;
}

}  // namespace widgets
