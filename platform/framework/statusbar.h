// The status bar of a window: a message area and further named items along
// the bottom edge of the owner's canvas.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/framework/window.h"

// A named part of a status bar, width in pixels.
struct StatusBarItem {
    std::string name;
    int width = 0;
    int style = 0;
};

// Kinds of messages: the permanent base line, control descriptions, menu
// descriptions and errors (in rising order of importance).
enum StatusMessageKind { MessagePermanent = 1, MessageControl = 2, MessageMenu = 3, MessageError = 4 };

class StatusBar : public Window {
public:
    // The item names of the message area, the date and the clock.
    static constexpr const char* kMessageArea = "MESSAGEAREA";
    static constexpr const char* kTime = "SB_TIME";

    // Makes the status bar at the bottom of the owner's canvas; the owner
    // shows it once it is given to the owner's SetStatusBar.
    explicit StatusBar(Window& owner);
    ~StatusBar() override;

    LRESULT Dispatch(Event& event) override;

    // Adds the message area (the part that takes the room the items leave).
    void DisplayMessage();
    // Adds the clock.
    void DisplayTime();
    void AddItem(const StatusBarItem& item);
    // Writes a text into the item of that name.
    void SetText(const std::string& text, const std::string& itemName);
    std::string GetText(const std::string& itemName) const;

    // Shows a message of a kind in the message area.
    virtual void SetMessage(const std::string& text, int kind);
    // The description of the control under the mouse.
    void ControlText(const std::string& text) { SetMessage(text, MessageControl); }

    bool ErrorMessageBeep() const { return errorMessageBeep_; }
    void SetErrorMessageBeep(bool beep) { errorMessageBeep_ = beep; }
    // Seconds after which an armed message of a kind above 1 gives way to the
    // permanent one; below 1: never.
    int Timeout() const { return timeout_; }
    void SetTimeout(int seconds) { timeout_ = seconds; }

    // Fits the parts to the width of the owner's canvas.
    void Layout();

protected:
    // Message bookkeeping that SetMessage of a subclass works on: the
    // pending text per kind (index kind - 1), the kind shown (0: none),
    // the last text given per kind, and the time-out's count of seconds
    // and whether it runs.
    std::array<std::string, 4> pendingMessages_;
    int currentKind_ = 0;
    std::array<std::string, 4> lastTexts_;
    int timeoutCount_ = 0;
    bool timeoutArmed_ = false;

private:
    void Tick();
    int PartOf(const std::string& itemName) const;
    std::vector<StatusBarItem> items_;
    bool errorMessageBeep_ = true;
    int timeout_ = 0;
    bool clock_ = false;
};
