// A modeless notice without buttons that a program shows while it works:
// a caption, a message wrapped into lines and an optional icon. Given a
// number of seconds it counts down in its caption and ends itself. The box
// is as wide as its widest line and lies centred over its owner inside the
// work area; a word wider than the work area is broken at its edge, and lines
// below it are left out.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

namespace widgets {

class WaitBox : public DialogWindow {
public:
    // seconds: a count-down when above 0. wrapWidth: the width lines are
    // wrapped at (at least 100). icon: none when it has no handle.
    WaitBox(Window* owner, const std::optional<std::string>& caption = {}, const std::string& text = "Wait!",
            std::optional<double> seconds = {}, int wrapWidth = 400, const ::Icon& icon = {});

    // Shows the box and draws it before returning; the caller goes on working.
    void Show(int showState = SW_SHOWNORMAL) override;
    // One second of the count-down: the seconds left in the caption, or the
    // end of the box.
    void Timer() override;

    const std::vector<std::unique_ptr<FixedText>>& TextLines() const { return textLines_; }
    const FixedIcon* IconControl() const { return iconControl_.get(); }

private:
    long seconds_ = 0;
    long elapsed_ = 0;
    std::string caption_;
    std::vector<std::unique_ptr<FixedText>> textLines_;
    ::Icon icon_;
    std::unique_ptr<FixedIcon> iconControl_;
};

}  // namespace widgets
