#include "widgets/textboxmb.h"

#include "lib/placement.h"
#include "platform/framework/app.h"
#include "platform/runtime/strings.h"
#include "widgets/getmsgstring.h"
#include "widgets/messagelayout.h"

namespace widgets {

namespace {

constexpr int kButtonHeight = 25;
constexpr int kBandHeight = 45;
// The last text line's distance from the bottom: band and gap.
constexpr int kTextBottom = 55;

}  // namespace

TextBoxMb::TextBoxMb(Window* owner, const std::string& caption, std::string text, int textWidth, int buttonWidth,
                     const ::Icon& icon, const std::array<ButtonCaption, 6>& buttons)
    : DialogWindow(owner, "IDD_DEFDLG2", true),
      icon_(icon)
{
    SetCaption(caption);
    text = ReplaceAll(text, "<LF>", "\r\n");
    if (buttonWidth < 50) buttonWidth = 100;
    SetBackground(WindowColorBrush());
    iconControl_ = MakeIconControl(*this, icon_);
    if (iconControl_) SetIcon(icon_);
    const Dimension iconSize = iconControl_ ? iconControl_->Size() : Dimension{};
    const int iconSpace = iconControl_ ? iconSize.width + 10 : 0;

    std::array<std::optional<std::string>, 6> captions;
    int count = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i]) continue;
        if (const auto* number = std::get_if<int>(&*buttons[i]))
            captions[i] = GetMsgString(*number);
        else
            captions[i] = std::get<std::string>(*buttons[i]);
        ++count;
    }
    if (count == 0) {
        captions[0] = "Close";
        count = 1;
    }
    // The box fits the work area: buttons narrow to let the row fit, the text
    // column is at most as wide as the room beside the icon.
    const Dimension largest = LargestClientSize(*this);
    buttonWidth = std::min(buttonWidth, (largest.width - 10) / count - 10);
    const int rowWidth = count * (buttonWidth + 10) - 10;
    // The text is at least as wide as the button row beside the icon.
    textWidth = std::min(std::max(textWidth, rowWidth - iconSpace), largest.width - 20 - iconSpace);

    SetFont(MessageFont());
    const TextBlock block = LayOutText(*this, text, textWidth, {textWidth, largest.height - 65});
    if (block.widest + iconSpace < rowWidth) textWidth = rowWidth - iconSpace;

    SetClientSize(*this, {textWidth + 20 + iconSpace, block.Height() + 65});
    CentreInWorkArea(*this);
    textLines_ = MakeTextLines(*this, block, 10 + iconSpace, kTextBottom);

    const ::Font buttonFont = MessageFont(8);
    int x = CanvasArea().Width();
    for (int n = 6; n >= 1; --n) {
        const std::optional<std::string>& label = captions[static_cast<size_t>(n) - 1];
        if (!label) continue;
        x -= buttonWidth + 10;
        auto button =
            std::make_unique<PushButton>(*this, ButtonId(n), Point{x, 10}, Dimension{buttonWidth, kButtonHeight});
        button->SetHyperLabel({"BUT" + std::to_string(n), *label, "", ""});
        button->SetCaption(*label);
        button->SetFont(buttonFont);
        button->Show();
        buttons_.push_back(std::move(button));
    }
    if (iconControl_) {
        iconControl_->SetOrigin({10, kTextBottom + block.Height() / 2 - iconSize.height / 2});
        iconControl_->Show();
    }
    const Color band = Color::FromColorRef(GetSysColor(COLOR_MENU));
    buttonBand_ = std::make_unique<RectangleObject>(Point{0, 0}, Dimension{CanvasArea().Width(), kBandHeight},
                                                    Pen(band), Brush(band));
}

void TextBoxMb::Show(int)
{
    DialogWindow::Show(SW_SHOWNORMAL);
    ApplicationExec();
}

void TextBoxMb::Expose(ExposeEvent& event)
{
    DialogWindow::Expose(event);
    if (buttonBand_) Draw(*buttonBand_);
}

bool TextBoxMb::CallByName(std::string_view name)
{
    static const MethodTable<TextBoxMb> table{{"BUT1", &TextBoxMb::But1}, {"BUT2", &TextBoxMb::But2},
                                              {"BUT3", &TextBoxMb::But3}, {"BUT4", &TextBoxMb::But4},
                                              {"BUT5", &TextBoxMb::But5}, {"BUT6", &TextBoxMb::But6}};
    return table.Call(*this, name) || DialogWindow::CallByName(name);
}

}  // namespace widgets
