#include "platform/framework/menu.h"

Menu::Menu() : handle_(CreateMenu())
{
}

Menu::~Menu()
{
    Destroy();
}

void Menu::Destroy()
{
    if (handle_ && ownsHandle_) DestroyMenu(handle_);
    handle_ = nullptr;
    labels_.clear();
    popupPlaces_.clear();
    popups_.clear();
}

void Menu::AppendItem(int id, const ::HyperLabel& label)
{
    AppendMenuA(handle_, MF_STRING, static_cast<UINT_PTR>(id), label.caption.c_str());
    labels_[id] = label;
}

void Menu::AppendSeparator()
{
    AppendMenuA(handle_, MF_SEPARATOR, 0, nullptr);
}

Menu& Menu::AppendItem(std::unique_ptr<Menu> popup, const std::string& caption)
{
    AppendMenuA(handle_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup->Handle()), caption.c_str());
    // The popup now belongs to this menu's handle and goes with it.
    popup->ownsHandle_ = false;
    popups_.push_back(std::move(popup));
    return *popups_.back();
}

void Menu::RegisterItem(int id, const ::HyperLabel& label)
{
    labels_[id] = label;
    ModifyMenuA(handle_, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id),
                label.caption.c_str());
}

void Menu::RegisterItem(int id, const ::HyperLabel& label, HMENU parent, int position)
{
    labels_[id] = label;
    popupPlaces_[id] = {parent, position};
    HMENU popup = GetSubMenu(parent, position);
    ModifyMenuA(parent, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(popup), label.caption.c_str());
}

const ::HyperLabel* Menu::GetHyperLabel(int id) const
{
    if (auto it = labels_.find(id); it != labels_.end()) return &it->second;
    for (const auto& popup : popups_)
        if (const ::HyperLabel* label = popup->GetHyperLabel(id)) return label;
    return nullptr;
}

void Menu::CheckItem(int id)
{
    CheckMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | MF_CHECKED);
}

void Menu::UncheckItem(int id)
{
    CheckMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | MF_UNCHECKED);
}

void Menu::EnableItem(int id)
{
    SetItemEnabled(id, true);
}

void Menu::DisableItem(int id)
{
    SetItemEnabled(id, false);
}

void Menu::SetItemEnabled(int id, bool enabled)
{
    const UINT state = enabled ? MF_ENABLED : MF_GRAYED;
    // A popup has no command id: its header is found by its place.
    if (const auto place = popupPlaces_.find(id); place != popupPlaces_.end())
        EnableMenuItem(place->second.parent, static_cast<UINT>(place->second.position), MF_BYPOSITION | state);
    else
        EnableMenuItem(handle_, static_cast<UINT>(id), MF_BYCOMMAND | state);
}
