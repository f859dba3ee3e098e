#include "widgets/menuextra.h"

#include <algorithm>

#include "lib/faststring.h"
#include "platform/framework/gdi.h"
#include "platform/runtime/strings.h"

namespace widgets {

namespace {

// Command ids travel as 16-bit numbers.
constexpr int kMaxId = 32767;
// The characters FastAnsiSelect keeps under this selection may be access keys.
constexpr unsigned long kAccessKeyCharacters = 1104;

char LowerChar(char c)
{
    return Lower(std::string(1, c))[0];
}

bool AllowedKey(char c)
{
    return !FastAnsiSelect(std::string(1, LowerChar(c)), kAccessKeyCharacters).empty();
}

void RemoveMarkers(std::string& caption)
{
    std::erase(caption, '&');
}

bool HasMarker(const std::string& caption)
{
    return caption.find('&') != std::string::npos;
}

// The access keys used on one level and the first letters of its captions
// without a marker.
struct LevelKeys {
    std::string used;
    std::string firstLetters;

    // Keeps the caption's own marker when its key is allowed and free, else
    // removes every marker.
    void Keep(std::string& caption)
    {
        size_t marker = caption.find('&');
        if (marker == std::string::npos) return;
        char key = marker + 1 < caption.size() ? LowerChar(caption[marker + 1]) : '\0';
        if (key == '\0' || !AllowedKey(key) || used.find(key) != std::string::npos)
            RemoveMarkers(caption);
        else
            used += key;
    }

    // Marks the earliest position whose character is allowed, not used and
    // (after the first position) no first letter of the level.
    void Choose(std::string& caption)
    {
        for (size_t j = 0; j < caption.size(); ++j) {
            char key = LowerChar(caption[j]);
            if (!AllowedKey(key) || (j > 0 && firstLetters.find(key) != std::string::npos) ||
                used.find(key) != std::string::npos)
                continue;
            used += key;
            caption.insert(j, 1, '&');
            return;
        }
    }
};

}  // namespace

bool MenuKey::operator==(const MenuKey& other) const
{
    if (kind_ != other.kind_) return false;
    switch (kind_) {
    case Kind::Symbol: return SameName(text_, other.text_);
    case Kind::Text: return text_ == other.text_;
    default: return number_ == other.number_;
    }
}

MenExtBr::MenExtBr(Window& owner) : ToolBar(owner)
{
    // The bar stands along the top, the only place it has, alone in its
    // row (a plain tool bar has no bands).
    SetBorderStyle(2);
    SetButtonStyle(1);
    SetGapSize(0);
    SetSeparatorSize(10);
}

MenuExtra::MenuExtra(Window& owner, std::vector<MenueEintrag> items, int languageNo,
                     std::vector<LanguageTexts> languageTexts, std::optional<int> autoUpdate,
                     std::optional<std::string> buttonBitmap, int shortcutMode)
    : owner_(&owner),
      items_(std::move(items)),
      shortcutMode_(static_cast<uint16_t>(shortcutMode))
{
    for (LanguageTexts& list : languageTexts) {
        if (list.empty()) break;
        languageTexts_.push_back(std::move(list));
    }
    if (languageNo < 0 || languageNo > static_cast<int>(languageTexts_.size())) languageNo = 1;

    bool toolBarNeeded = false;
    for (size_t i = 0; i < items_.size(); ++i) {
        int id = kFirstId + static_cast<int>(i) + 1;
        MenueEintrag& entry = items_[i];
        // An id past 16 bits would wrap round into another command.
        itemIds_.push_back(entry.key.IsSeparator() || id > kMaxId ? -1 : id);
        if (entry.button && *entry.button < 0 && !buttonBitmap) entry.button.reset();
        if (entry.button && *entry.button < 0) customImages_ = true;
        if (entry.button && itemIds_[i] != -1) toolBarNeeded = true;
    }
    BuildPopups();
    BuildAccelerators();
    if (autoUpdate) SetAutoUpdate(*autoUpdate);
    if (languageNo > 0) Sprache(languageNo);
    owner.SetMenu(this);
    if (toolBarNeeded) BuildToolBar(buttonBitmap);
}

MenuExtra::~MenuExtra()
{
    if (owner_ && owner_->GetMenu() == this) owner_->SetMenu(nullptr);
    if (accelTable_) DestroyAcceleratorTable(accelTable_);
}

void MenuExtra::BuildPopups()
{
    std::unique_ptr<Menu> popup;
    size_t header = 0;
    auto appendPopup = [&] {
        if (!popup) return;
        AppendItem(std::move(popup), "");
        RegisterItem(itemIds_[header], {items_[header].command, "", "", ""}, Handle(), *items_[header].popupPosition);
    };
    for (size_t i = 0; i < items_.size(); ++i) {
        const MenueEintrag& entry = items_[i];
        if (entry.popupPosition && !entry.key.IsSeparator()) {
            appendPopup();
            // The items of a header without an id belong to no menu.
            popup = itemIds_[i] == -1 ? nullptr : std::make_unique<Menu>();
            header = i;
        } else if (!popup) {
            // Entries before the first popup header belong to no menu.
            continue;
        } else if (entry.key.IsSeparator()) {
            popup->AppendSeparator();
        } else if (itemIds_[i] != -1) {
            popup->AppendItem(itemIds_[i], {entry.command, "", "", ""});
        }
    }
    appendPopup();
}

void MenuExtra::BuildAccelerators()
{
    std::vector<ACCEL> records;
    for (size_t i = 0; i < items_.size() && records.size() < kMaxAccelerators; ++i) {
        const MenueEintrag& entry = items_[i];
        if (!entry.acceleratorKey || itemIds_[i] == -1) continue;
        BYTE flags = static_cast<BYTE>(FVIRTKEY | entry.acceleratorFlags.value_or(0));
        records.push_back({flags, static_cast<WORD>(*entry.acceleratorKey), static_cast<WORD>(SucheItem(entry.key))});
    }
    if (records.empty()) return;
    accelTable_ = CreateAcceleratorTableA(records.data(), static_cast<int>(records.size()));
    if (accelTable_) SetAccelerator(Accelerator(accelTable_, false));
}

void MenuExtra::BuildToolBar(const std::optional<std::string>& buttonBitmap)
{
    toolBar_ = std::make_unique<MenExtBr>(*owner_);
    owner_->SetToolBar(toolBar_.get());
    Bitmap images;
    if (customImages_) images = Bitmap(*buttonBitmap, LR_LOADMAP3DCOLORS);
    bool separatorPending = false;
    int buttonNo = kFirstCustomButton - 1;
    for (size_t i = 0; i < items_.size(); ++i) {
        const MenueEintrag& entry = items_[i];
        if (entry.popupPosition && *entry.popupPosition > 0) separatorPending = true;
        if (!entry.button || itemIds_[i] == -1) continue;
        if (separatorPending) toolBar_->AppendSeparator();
        separatorPending = false;
        if (*entry.button >= 0)
            toolBar_->AppendItem(*entry.button, itemIds_[i]);
        else
            toolBar_->AppendItem(++buttonNo, itemIds_[i], images, -*entry.button);
    }
}

const MenueEintrag* MenuExtra::Find(const MenuKey& key) const
{
    auto found = std::find_if(items_.begin(), items_.end(), [&](const MenueEintrag& e) { return e.key == key; });
    return found == items_.end() ? nullptr : &*found;
}

int16_t MenuExtra::SucheItem(const MenuKey& key) const
{
    const MenueEintrag* entry = Find(key);
    return entry ? static_cast<int16_t>(itemIds_[entry - items_.data()]) : -1;
}

bool MenuExtra::IsChecked(const MenuKey& key) const
{
    const MenueEintrag* entry = Find(key);
    return entry && entry->checked;
}

bool MenuExtra::IsDisabled(const MenuKey& key) const
{
    const MenueEintrag* entry = Find(key);
    return entry && entry->disabled;
}

MenuExtra& MenuExtra::CheckItem(const MenuKey& key)
{
    ChangeState(key, &MenueEintrag::checked, true);
    return *this;
}

MenuExtra& MenuExtra::UncheckItem(const MenuKey& key)
{
    ChangeState(key, &MenueEintrag::checked, false);
    return *this;
}

MenuExtra& MenuExtra::DisableItem(const MenuKey& key)
{
    ChangeState(key, &MenueEintrag::disabled, true);
    return *this;
}

MenuExtra& MenuExtra::EnableItem(const MenuKey& key)
{
    ChangeState(key, &MenueEintrag::disabled, false);
    return *this;
}

void MenuExtra::ChangeState(const MenuKey& key, bool MenueEintrag::*member, bool state)
{
    int id = SucheItem(key);
    if (id == -1) return;
    auto found = std::find(itemIds_.begin(), itemIds_.end(), id);
    if (found != itemIds_.end()) ChangeEntryState(found - itemIds_.begin(), member, state);
}

void MenuExtra::ChangeEntryState(size_t index, bool MenueEintrag::*member, bool state)
{
    MenueEintrag& entry = items_[index];
    if (entry.*member == state) return;
    entry.*member = state;
    int id = itemIds_[index];
    if (id == -1) return;
    bool checking = member == &MenueEintrag::checked;
    if (checking)
        state ? Menu::CheckItem(id) : Menu::UncheckItem(id);
    else
        state ? Menu::DisableItem(id) : Menu::EnableItem(id);
    if (!entry.button || !toolBar_) return;
    if (checking)
        state ? toolBar_->ClickItem(id) : toolBar_->UnclickItem(id);
    else
        state ? toolBar_->DisableItem(id) : toolBar_->EnableItem(id);
}

MenuExtra& MenuExtra::DisableAllItems()
{
    for (size_t i = 0; i < items_.size(); ++i) ChangeEntryState(i, &MenueEintrag::disabled, true);
    return *this;
}

MenuExtra& MenuExtra::EnableAllItems()
{
    for (size_t i = 0; i < items_.size(); ++i) ChangeEntryState(i, &MenueEintrag::disabled, false);
    return *this;
}

MenuExtra& MenuExtra::Shortcut(int mode)
{
    shortcutMode_ = static_cast<uint16_t>(mode);
    return *this;
}

MenuExtra& MenuExtra::SpracheArray(LanguageTexts texts)
{
    languageTexts_.assign(1, std::move(texts));
    return Sprache(1);
}

MenuExtra& MenuExtra::Sprache(int n)
{
    if (n < 1 || n > static_cast<int>(languageTexts_.size())) return *this;
    LanguageTexts& list = languageTexts_[n - 1];
    // Missing elements count as empty texts.
    if (list.size() < items_.size()) list.resize(items_.size());
    LevelKeys bar;
    // Level 0 here: the items before the first popup header.
    std::vector<LevelKeys> popups(1);
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].key.IsSeparator()) continue;
        list[i].resize(std::max<size_t>(list[i].size(), 2));
        std::string& caption = list[i][0];
        bool header = items_[i].popupPosition.has_value();
        if (header) popups.emplace_back();
        LevelKeys& level = header ? bar : popups.back();
        if (shortcutMode_ == 1)
            level.Keep(caption);
        else
            RemoveMarkers(caption);
        if (shortcutMode_ != 0 && !caption.empty() && !HasMarker(caption)) level.firstLetters += LowerChar(caption[0]);
    }
    size_t popup = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].key.IsSeparator()) continue;
        std::string& caption = list[i][0];
        bool header = items_[i].popupPosition.has_value();
        if (header) ++popup;
        LevelKeys& level = header ? bar : popups[popup];
        if (shortcutMode_ != 0 && !caption.empty() && !HasMarker(caption)) level.Choose(caption);
        ApplyTexts(i, list[i]);
    }
    owner_->SetMenu(this);
    return *this;
}

void MenuExtra::ApplyTexts(size_t index, const std::vector<std::string>& texts)
{
    const MenueEintrag& entry = items_[index];
    int id = itemIds_[index];
    const HyperLabel* registered = id == -1 ? nullptr : GetHyperLabel(id);
    if (!registered) return;
    HyperLabel label = *registered;
    label.caption = texts[0];
    if (entry.shortcutText) label.caption += "\t" + *entry.shortcutText;
    label.description = texts[1];
    // Registering an item anew resets its state.
    if (entry.popupPosition)
        RegisterItem(id, label, Handle(), *entry.popupPosition);
    else
        RegisterItem(id, label);
    if (entry.checked) Menu::CheckItem(id);
    if (entry.disabled) Menu::DisableItem(id);
}

void MenuExtra::Destroy()
{
    Menu::Destroy();
    if (accelTable_) DestroyAcceleratorTable(accelTable_);
    accelTable_ = nullptr;
    SetAccelerator(Accelerator());
    items_.clear();
    itemIds_.clear();
    languageTexts_.clear();
}

}  // namespace widgets
