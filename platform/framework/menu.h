// A window menu: a menu bar or a popup whose items carry hyper labels. The
// label's caption is the text shown, its name the owner window's method that
// choosing the item calls (through Window::CallByName).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/window.h"

class Menu {
public:
    Menu();
    virtual ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    HMENU Handle() const { return handle_; }

    // Appends an item and registers its label under the id.
    void AppendItem(int id, const ::HyperLabel& label);
    void AppendSeparator();
    // Appends a popup, which this menu keeps from now on.
    Menu& AppendItem(std::unique_ptr<Menu> popup, const std::string& caption);

    // Registers the label of an item: its caption becomes the item's text.
    void RegisterItem(int id, const ::HyperLabel& label);
    // Registers the label of the popup at a position (from 0) of the menu
    // parent: its caption becomes the popup's text.
    void RegisterItem(int id, const ::HyperLabel& label, HMENU parent, int position);
    // The label registered under an id, or null.
    const ::HyperLabel* GetHyperLabel(int id) const;

    void CheckItem(int id);
    void UncheckItem(int id);
    // An item, or a popup registered under the id (its header greys).
    void EnableItem(int id);
    void DisableItem(int id);

    // The keyboard accelerators that go with the menu; the window the menu is
    // given to translates them.
    const ::Accelerator& GetAccelerator() const { return accelerator_; }
    void SetAccelerator(const ::Accelerator& accelerator) { accelerator_ = accelerator; }

    // The number a menu keeps for updating its items' states; nothing
    // reads it yet.
    int AutoUpdate() const { return autoUpdate_; }
    void SetAutoUpdate(int autoUpdate) { autoUpdate_ = autoUpdate; }

    // Lets go of the menu; a window showing it shows none afterwards.
    virtual void Destroy();

private:
    void SetItemEnabled(int id, bool enabled);

    // Where the popups registered under an id lie: parent menu and position.
    struct PopupPlace {
        HMENU parent;
        int position;
    };
    HMENU handle_;
    std::map<int, ::HyperLabel> labels_;
    std::map<int, PopupPlace> popupPlaces_;
    std::vector<std::unique_ptr<Menu>> popups_;
    ::Accelerator accelerator_;
    bool ownsHandle_ = true;
    int autoUpdate_ = 0;
};
