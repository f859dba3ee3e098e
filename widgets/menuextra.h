// A window's whole menu from one table of item entries: the popups of the
// menu bar with their items and separators, up to 20 keyboard accelerators
// and a tool bar whose buttons mirror menu items. The owner then names items
// by their key; the menu keeps each entry's check and disable state and
// mirrors changes on the tool bar. Captions and descriptions come from
// language text lists, with access keys that never repeat within a level
// (the menu bar, or one popup).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework/menu.h"
#include "platform/framework/toolbar.h"

namespace widgets {

// The key by which the owner names an entry: a symbol (a name compared
// regardless of case), a text or a number. Keys of different kinds never
// match.
class MenuKey {
public:
    static MenuKey Symbol(std::string name) { return {Kind::Symbol, std::move(name), 0}; }
    static MenuKey Text(std::string text) { return {Kind::Text, std::move(text), 0}; }
    static MenuKey Number(long number) { return {Kind::Number, {}, number}; }
    // The key of a separator entry.
    static MenuKey Separator() { return Number(-1); }
    bool IsSeparator() const { return kind_ == Kind::Number && number_ == -1; }
    bool operator==(const MenuKey& other) const;

private:
    enum class Kind { Symbol, Text, Number };
    MenuKey(Kind kind, std::string text, long number) : kind_(kind), text_(std::move(text)), number_(number) {}
    Kind kind_;
    std::string text_;
    long number_;
};

// One line of the menu: a popup header (popupPosition set: its place in the
// menu bar, from 0), an item, or a separator (key MenuKey::Separator()).
struct MenueEintrag {
    explicit MenueEintrag(MenuKey entryKey) : key(std::move(entryKey)) {}
    MenuKey key;
    // The name of the entry's hyper label: the owner's method that choosing
    // the item runs; for a popup header the popup's name.
    std::string command = "DUMMY";
    std::optional<int> popupPosition;
    bool checked = false;
    bool disabled = false;
    // Virtual-key code, and ACCEL flags combined with FVIRTKEY.
    std::optional<int> acceleratorKey;
    std::optional<int> acceleratorFlags;
    // Shown after the caption, right-aligned ("Ctrl+B").
    std::optional<std::string> shortcutText;
    // A tool-bar button: n >= 0 the built-in image n, -n image n of the
    // custom button bitmap.
    std::optional<int> button;
};

// Per entry of the table, in its order: {caption, description}; a shorter
// element counts as empty texts.
using LanguageTexts = std::vector<std::vector<std::string>>;

// The tool bar of a menu: flat buttons, separators of 10 pixels.
class MenExtBr : public ToolBar {
public:
    explicit MenExtBr(Window& owner);
};

class MenuExtra : public Menu {
public:
    // The id of the first entry is kFirstId + 1; separators have -1.
    static constexpr int kFirstId = 24500;
    static constexpr int kMaxAccelerators = 20;
    static constexpr int kFirstCustomButton = 133;

    // Builds menu, accelerators and (when an entry has a button) tool bar
    // and makes them the owner's. languageNo: the text list to apply at
    // once, 0 none (out of range: 1). autoUpdate goes to SetAutoUpdate.
    // buttonBitmap: the resource name of the custom button images; without
    // it negative buttons are dropped. shortcutMode: the access-key mode of
    // Shortcut.
    MenuExtra(Window& owner, std::vector<MenueEintrag> items, int languageNo = 0,
              std::vector<LanguageTexts> languageTexts = {}, std::optional<int> autoUpdate = {},
              std::optional<std::string> buttonBitmap = {}, int shortcutMode = 1);
    ~MenuExtra() override;

    // The state operations by key; an unknown key changes nothing.
    MenuExtra& CheckItem(const MenuKey& key);
    MenuExtra& UncheckItem(const MenuKey& key);
    MenuExtra& DisableItem(const MenuKey& key);
    MenuExtra& EnableItem(const MenuKey& key);
    // The menu id of the first entry with the key, else -1.
    int16_t SucheItem(const MenuKey& key) const;
    bool IsChecked(const MenuKey& key) const;
    bool IsDisabled(const MenuKey& key) const;
    // Every entry to the state; those already in it are left alone.
    MenuExtra& DisableAllItems();
    MenuExtra& EnableAllItems();

    // Applies text list n (from 1): access keys, shortcut texts, captions
    // and descriptions, then the check and disable states again.
    MenuExtra& Sprache(int n);
    // The lists become this one alone, which is applied.
    MenuExtra& SpracheArray(LanguageTexts texts);
    // Access-key mode for the next Sprache: 0 no access keys; 1 the
    // author's "&" kept where valid, automatic keys for the rest; 2 and up
    // automatic keys for every caption.
    MenuExtra& Shortcut(int mode);

    // Lets go of the menu and destroys the accelerator table.
    void Destroy() override;

    const std::vector<MenueEintrag>& Items() const { return items_; }
    const std::vector<int>& ItemIds() const { return itemIds_; }
    const std::vector<LanguageTexts>& LanguageLists() const { return languageTexts_; }
    // The tool bar, or null when no entry has a button.
    MenExtBr* GetToolBar() const { return toolBar_.get(); }

private:
    // The first entry with the key, or null.
    const MenueEintrag* Find(const MenuKey& key) const;
    void BuildPopups();
    void BuildAccelerators();
    void BuildToolBar(const std::optional<std::string>& buttonBitmap);
    // Sets the state of the first entry with the key (checked or disabled
    // as member says) and mirrors it on menu and tool bar.
    void ChangeState(const MenuKey& key, bool MenueEintrag::*member, bool state);
    void ChangeEntryState(size_t index, bool MenueEintrag::*member, bool state);
    void ApplyTexts(size_t index, const std::vector<std::string>& texts);

    Window* owner_;
    std::vector<MenueEintrag> items_;
    std::vector<int> itemIds_;
    std::vector<LanguageTexts> languageTexts_;
    HACCEL accelTable_ = nullptr;
    uint16_t shortcutMode_ = 1;
    bool customImages_ = false;
    std::unique_ptr<MenExtBr> toolBar_;
};

}  // namespace widgets
