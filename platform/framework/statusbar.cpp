#include "platform/framework/statusbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

StatusBar::StatusBar(Window& owner) : Window(&owner)
{
    RegisterCommonControls();
    HWND hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, owner.Handle(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd) {
        Attach(hwnd, nullptr);
        // Clock and message time-out count in seconds.
        SetTimer(hwnd, 1, 1000, nullptr);
    }
}

StatusBar::~StatusBar()
{
    if (Owner() && Owner()->GetStatusBar() == this) Owner()->SetStatusBar(nullptr);
}

LRESULT StatusBar::Dispatch(Event& event)
{
    if (event.message == WM_TIMER && event.wParam == 1) {
        Tick();
        return 0;
    }
    return DefaultProcedure(event);
}

void StatusBar::DisplayMessage()
{
    if (PartOf(kMessageArea) < 0) items_.insert(items_.begin(), {kMessageArea, -1, 0});
    Layout();
}

void StatusBar::DisplayTime()
{
    clock_ = true;
    if (PartOf(kTime) < 0) AddItem({kTime, 60, 0});
    Tick();
}

void StatusBar::AddItem(const StatusBarItem& item)
{
    items_.push_back(item);
    Layout();
}

int StatusBar::PartOf(const std::string& itemName) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (SameName(items_[i].name, itemName)) return static_cast<int>(i);
    return -1;
}

void StatusBar::Layout()
{
    if (!Handle() || items_.empty()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    int fixed = 0;
    for (const StatusBarItem& item : items_) fixed += item.width > 0 ? item.width : 0;
    std::vector<int> rightEdges;
    int right = 0;
    for (const StatusBarItem& item : items_) {
        right += item.width > 0 ? item.width : std::max(0, static_cast<int>(client.right) - fixed);
        rightEdges.push_back(right);
    }
    rightEdges.back() = -1;
    SendMessageA(Handle(), SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void StatusBar::SetText(const std::string& text, const std::string& itemName)
{
    int part = PartOf(itemName);
    if (part >= 0)
        SendMessageA(Handle(), SB_SETTEXTA, part | items_[part].style, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::GetText(const std::string& itemName) const
{
    int part = PartOf(itemName);
    if (part < 0) return {};
    std::string text(LOWORD(SendMessageA(Handle(), SB_GETTEXTLENGTHA, part, 0)) + 1, '\0');
    SendMessageA(Handle(), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(strlen(text.c_str()));
    return text;
}

void StatusBar::SetMessage(const std::string& text, int kind)
{
    if (kind < MessagePermanent || kind > MessageError) return;
    lastTexts_[kind - 1] = text;
    pendingMessages_[kind - 1] = text;
    SetText(text, kMessageArea);
    currentKind_ = kind;
    timeoutCount_ = 0;
    if (kind != MessagePermanent && timeout_ >= 1) timeoutArmed_ = true;
}

void StatusBar::Tick()
{
    if (clock_) {
        // The program shows times on the 24-hour clock whatever the regional
        // settings say.
        char time[64] = {};
        GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER, nullptr, nullptr, time,
                       sizeof time);
        SetText(time, kTime);
    }
    if (timeoutArmed_ && ++timeoutCount_ >= timeout_) {
        // The message gives way to the permanent one.
        timeoutArmed_ = false;
        currentKind_ = pendingMessages_[0].empty() ? 0 : MessagePermanent;
        SetText(pendingMessages_[0], kMessageArea);
    }
}
