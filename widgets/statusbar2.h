// The status bar with message bookkeeping by kind: a text is shown unless a
// text of a higher kind is showing; a text of a lower kind waits until the
// higher ones are gone. Kinds rise from the permanent base line (1) over
// control (2) and menu descriptions (3) to errors (4), which can beep.
#pragma once

#include <string>

#include "platform/framework/statusbar.h"

namespace widgets {

class statusbar2 : public StatusBar {
public:
    // The status bar of the owner; a status bar the owner already has is
    // destroyed. The caller then gives the new one to the owner's
    // SetStatusBar.
    explicit statusbar2(Window& owner);

    // A message of a kind from 1 to 4 (others are ignored). An empty text
    // is shown only for kind 1; for another kind the highest kind at or
    // below the current one that has a waiting text shows again.
    void SetMessage(const std::string& text, int kind) override;
    // A message without a kind is a kind-1 message.
    void SetMessage(const std::string& text) { SetMessage(text, MessagePermanent); }

    // The kind whose text the message area shows; 0 when it shows none.
    int CurrentKind() const { return currentKind_; }
    bool TimeoutArmed() const { return timeoutArmed_; }

private:
    void ShowKind(int kind);
};

}  // namespace widgets
