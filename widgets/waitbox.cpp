#include "widgets/waitbox.h"

#include "lib/number.h"
#include "lib/placement.h"
#include "platform/framework/app.h"
#include "widgets/messagelayout.h"

namespace widgets {

namespace {

std::string WholeNumber(double value)
{
    return std::to_string(static_cast<long long>(Integ(value)));
}

}  // namespace

WaitBox::WaitBox(Window* owner, const std::optional<std::string>& caption, const std::string& text,
                 std::optional<double> seconds, int wrapWidth, const ::Icon& icon)
    : DialogWindow(owner, "IDD_DEFDLG2", false),
      icon_(icon)
{
    SetBackground(WindowColorBrush());
    iconControl_ = MakeIconControl(*this, icon_);
    if (iconControl_) SetIcon(icon_);
    const Dimension iconSize = iconControl_ ? iconControl_->Size() : Dimension{};
    wrapWidth = std::max(wrapWidth, 100);
    seconds_ = seconds && *seconds > 0 ? static_cast<long>(Integ(*seconds)) : 0;

    caption_ = caption.value_or("");
    const bool named = caption_.find_first_not_of(' ') != std::string::npos;
    if (named && seconds_ > 0) caption_ += " -- ";
    if (!named) caption_.clear();
    SetCaption(named && seconds_ == 0 ? caption_ : caption_ + WholeNumber(seconds_));

    SetFont(MessageFont());
    const int iconSpace = iconControl_ ? iconSize.width + 10 : 0;
    // The box grows with its widest line up to the work area.
    const Dimension largest = LargestClientSize(*this);
    const TextBlock block = LayOutText(*this, text, wrapWidth, {largest.width - 20 - iconSpace, largest.height - 20});
    SetClientSize(*this, {block.widest + 20 + iconSpace, block.Height() + 20});
    CentreInWorkArea(*this);
    textLines_ = MakeTextLines(*this, block, 10 + iconSpace, 10);
    if (iconControl_) {
        iconControl_->SetOrigin({10, 10 + block.Height() / 2 - iconSize.height / 2});
        iconControl_->Show();
    }
    if (seconds_ > 0) {
        RegisterTimer(1);
        elapsed_ = 0;
    }
}

void WaitBox::Show(int)
{
    DialogWindow::Show(SW_SHOWNORMAL);
    ApplicationExec();
}

void WaitBox::Timer()
{
    ++elapsed_;
    if (elapsed_ == seconds_)
        EndDialog();
    else
        SetCaption(caption_ + WholeNumber(static_cast<double>(seconds_ - elapsed_)));
}

}  // namespace widgets
