// A modal message box that lays itself out from its arguments: a caption, a
// message wrapped into lines, an optional icon, and one to six push buttons
// with free captions, right-aligned in a band along the bottom. The number
// of the pressed button (1 to 6) is the dialog's result; 0 when it is
// closed otherwise. The box lies centred over its owner inside the work
// area: a word wider than the text width is broken at it, and lines below
// the work area are left out.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/drawobject.h"

namespace widgets {

class TextBoxMb : public DialogWindow {
public:
    // A button's caption: a text, or the id of a system message-box button
    // whose caption the system gives (GetMsgString); none: no such button.
    using ButtonCaption = std::optional<std::variant<std::string, int>>;

    // text: "<LF>" stands for a line break. textWidth: the width lines are
    // wrapped at (at most what the work area leaves). buttonWidth: below 50
    // gives 100; narrower where the row would not fit the work area. Without
    // any button, button 1 is "Close".
    TextBoxMb(Window* owner, const std::string& caption = "", std::string text = "Click!", int textWidth = 400,
              int buttonWidth = 100, const ::Icon& icon = {}, const std::array<ButtonCaption, 6>& buttons = {});

    // Runs the box modally; Result() is then the number of the button pressed.
    void Show(int showState = SW_SHOWNORMAL) override;
    // The framework paints the box, then the band behind the buttons.
    void Expose(ExposeEvent& event) override;
    bool CallByName(std::string_view name) override;

    void But1() { EndDialog(1); }
    void But2() { EndDialog(2); }
    void But3() { EndDialog(3); }
    void But4() { EndDialog(4); }
    void But5() { EndDialog(5); }
    void But6() { EndDialog(6); }

    // The buttons in the order they were made: button 6 first.
    const std::vector<std::unique_ptr<PushButton>>& Buttons() const { return buttons_; }
    const std::vector<std::unique_ptr<FixedText>>& TextLines() const { return textLines_; }
    const FixedIcon* IconControl() const { return iconControl_.get(); }
    const RectangleObject& ButtonBand() const { return *buttonBand_; }

    // Id of button n (1 to 6).
    static constexpr int ButtonId(int n) { return 7316 - n; }

private:
    std::vector<std::unique_ptr<FixedText>> textLines_;
    std::vector<std::unique_ptr<PushButton>> buttons_;
    ::Icon icon_;
    std::unique_ptr<FixedIcon> iconControl_;
    std::unique_ptr<RectangleObject> buttonBand_;
};

}  // namespace widgets
