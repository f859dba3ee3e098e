#include "widgets/statusbar2.h"

#include "platform/runtime/strings.h"
#include "platform/framework/seam.h"

namespace widgets {

namespace {

StatusBar* ExistingStatusBar(Window& owner)
{
    return owner.Handle() ? owner.GetStatusBar() : nullptr;
}

}  // namespace

statusbar2::statusbar2(Window& owner) : StatusBar(owner)
{
    if (StatusBar* old = ExistingStatusBar(owner)) old->Destroy();
}

void statusbar2::SetMessage(const std::string& text, int kind)
{
    if (kind < MessagePermanent || kind > MessageError) return;
    lastTexts_[kind - 1] = text;
    if (kind == MessageError && ErrorMessageBeep() && !AllTrim(text).empty()) TheSeam().SystemBeep(0xFFFFFFFF);

    bool showable = !text.empty() || kind == MessagePermanent;
    if (showable) pendingMessages_[kind - 1] = text;
    if (kind >= currentKind_) {
        if (showable) {
            SetText(text, kMessageArea);
            currentKind_ = kind;
            timeoutCount_ = 0;
        } else {
            ShowKind(currentKind_);
        }
    }
    if (kind != MessagePermanent && Timeout() >= 1) timeoutArmed_ = true;
}

// Shows the waiting text of the highest kind from kind downward, or nothing.
void statusbar2::ShowKind(int kind)
{
    for (int k = kind; k >= 1; --k) {
        if (!pendingMessages_[k - 1].empty()) {
            SetText(pendingMessages_[k - 1], kMessageArea);
            currentKind_ = k;
            timeoutCount_ = 0;
            return;
        }
    }
    SetText("", kMessageArea);
    currentKind_ = 0;
}

}  // namespace widgets
