// Menus from item tables: popups, ids, accelerators and tool bar read back
// from Win32; item state by key; access keys and shortcut texts; commands
// and menu help reaching the owner.
#include "widgets/menuextra.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "widgets/statusbar2.h"

namespace {

using widgets::LanguageTexts;
using widgets::MenueEintrag;
using widgets::MenuExtra;
using widgets::MenuKey;

MenueEintrag Header(const std::string& name, int position)
{
    MenueEintrag entry{MenuKey::Symbol(name)};
    entry.command = name;
    entry.popupPosition = position;
    return entry;
}

MenueEintrag Item(const std::string& key, const std::string& command = "DUMMY")
{
    MenueEintrag entry{MenuKey::Symbol(key)};
    entry.command = command;
    return entry;
}

// "a" followed by "b" (written so that GCC 12 sees no overlapping copy).
std::string Joined(std::string a, const std::string& b)
{
    a += b;
    return a;
}

std::string KeyName(int i)
{
    return Joined("K", std::to_string(i));
}

MenueEintrag WithButton(MenueEintrag entry, int button)
{
    entry.button = button;
    return entry;
}

MenueEintrag Separator()
{
    return MenueEintrag(MenuKey::Separator());
}

class MenuFrame : public TopAppWindow {
public:
    MenuFrame() { SetSize({500, 300}); }
    bool CallByName(std::string_view name) override
    {
        static const MethodTable<MenuFrame> table{{"PROENDE", &MenuFrame::ProEnde}};
        return table.Call(*this, name) || TopAppWindow::CallByName(name);
    }
    void ProEnde() { ++endCalls; }
    int endCalls = 0;
};

std::string MenuText(HMENU menu, int position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::vector<ACCEL> Accelerators(const MenuExtra& menu)
{
    HACCEL table = menu.GetAccelerator().Handle();
    if (!table) return {};
    std::vector<ACCEL> records(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, records.data(), static_cast<int>(records.size()));
    return records;
}

std::vector<TBBUTTON> Buttons(HWND bar)
{
    std::vector<TBBUTTON> buttons(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    for (size_t i = 0; i < buttons.size(); ++i)
        SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
    return buttons;
}

TEST(MenuExtraTest, PopupsItemsAndIdsFollowTheTable)
{
    MenuFrame frame;
    MenuExtra menu(frame, {Header("PROGRAMM", 0), Item("A"), Separator(), Item("B"), Header("HILFE", 1), Item("C")});
    EXPECT_EQ(frame.GetMenu(), &menu);
    EXPECT_EQ(GetMenu(frame.Handle()), menu.Handle());
    EXPECT_EQ(menu.ItemIds(), (std::vector<int>{24501, 24502, -1, 24504, 24505, 24506}));
    ASSERT_EQ(GetMenuItemCount(menu.Handle()), 2);
    HMENU first = GetSubMenu(menu.Handle(), 0);
    ASSERT_EQ(GetMenuItemCount(first), 3);
    EXPECT_EQ(GetMenuItemID(first, 0), 24502u);
    EXPECT_TRUE(GetMenuState(first, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(first, 2), 24504u);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu.Handle(), 1)), 1);
    EXPECT_EQ(MenuText(menu.Handle(), 0), "");
    EXPECT_EQ(menu.Items()[1].command, "DUMMY");
    EXPECT_FALSE(menu.Items()[1].checked);
    EXPECT_EQ(menu.GetAccelerator().Handle(), nullptr);
    EXPECT_EQ(frame.GetToolBar(), nullptr);
}

TEST(MenuExtraTest, EntriesBeforeTheFirstHeaderBelongToNoMenuButKeepTheirState)
{
    MenuFrame frame;
    MenuExtra menu(frame, {Item("EARLY"), Header("PROGRAMM", 0), Item("A")});
    ASSERT_EQ(GetMenuItemCount(menu.Handle()), 1);
    HMENU popup = GetSubMenu(menu.Handle(), 0);
    ASSERT_EQ(GetMenuItemCount(popup), 1);
    EXPECT_EQ(GetMenuItemID(popup, 0), 24503u);
    EXPECT_EQ(menu.SucheItem(MenuKey::Symbol("early")), 24501);
    menu.CheckItem(MenuKey::Symbol("EARLY")).DisableItem(MenuKey::Symbol("EARLY"));
    EXPECT_TRUE(menu.IsChecked(MenuKey::Symbol("EARLY")));
    EXPECT_TRUE(menu.IsDisabled(MenuKey::Symbol("EARLY")));
}

TEST(MenuExtraTest, TheFirstTwentyKeysBecomeAccelerators)
{
    std::vector<MenueEintrag> table{Header("PROGRAMM", 0)};
    for (int i = 0; i < 25; ++i) {
        MenueEintrag item = Item(KeyName(i));
        item.acceleratorKey = 'A' + i;
        item.acceleratorFlags = FCONTROL;
        table.push_back(item);
    }
    // An entry whose key an earlier entry has: its accelerator runs the
    // earlier entry's command.
    table[3].key = MenuKey::Symbol("K0");
    MenuFrame frame;
    MenuExtra menu(frame, table);
    std::vector<ACCEL> records = Accelerators(menu);
    ASSERT_EQ(records.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].key, 'A' + i);
        EXPECT_EQ(records[i].fVirt & ~0x80, FVIRTKEY | FCONTROL);
        EXPECT_EQ(records[i].cmd, i == 2 ? 24502 : 24502 + i);
    }
}

TEST(MenuExtraTest, EntriesPastTheSixteenBitIdsAreLeftOut)
{
    // Ids pass 32767 from the 8268th entry on.
    std::vector<MenueEintrag> table{Header("PROGRAMM", 0)};
    for (int i = 1; i < 8270; ++i) table.push_back(Item(KeyName(i)));
    table.back().acceleratorKey = VK_F2;
    table.back().button = STD_FILENEW;
    MenuFrame frame;
    MenuExtra menu(frame, table);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu.Handle(), 0)), 8266);
    EXPECT_EQ(menu.SucheItem(MenuKey::Symbol("K8266")), 32767);
    EXPECT_EQ(menu.SucheItem(MenuKey::Symbol("K8267")), -1);
    EXPECT_EQ(menu.GetAccelerator().Handle(), nullptr);
    EXPECT_EQ(frame.GetToolBar(), nullptr);
}

TEST(MenuExtraTest, ToolBarButtonsFollowTheTableWithSeparatorsBetweenPopups)
{
    MenuFrame frame;
    MenuExtra menu(frame,
                   {Header("P0", 0), WithButton(Item("A"), STD_FILENEW), Item("NONE"), WithButton(Item("B"), -3),
                    Header("P1", 1), Item("C"), Header("P2", 2), WithButton(Item("D"), STD_PRINT),
                    WithButton(Item("E"), -1)},
                   0, {}, {}, "TEST_BITMAP");
    ASSERT_NE(menu.GetToolBar(), nullptr);
    EXPECT_EQ(frame.GetToolBar(), menu.GetToolBar());
    std::vector<TBBUTTON> buttons = Buttons(menu.GetToolBar()->Handle());
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[0].idCommand, 24502);
    EXPECT_EQ(buttons[0].iBitmap, STD_FILENEW);
    EXPECT_EQ(buttons[1].idCommand, 24504);
    EXPECT_EQ(buttons[1].dwData, 133u);
    EXPECT_TRUE(buttons[2].fsStyle & TBSTYLE_SEP);
    EXPECT_EQ(buttons[3].idCommand, 24508);
    EXPECT_EQ(buttons[3].iBitmap, STD_PRINT);
    EXPECT_EQ(buttons[4].idCommand, 24509);
    EXPECT_EQ(buttons[4].dwData, 134u);

    // A flat bar along the top with a divider line and a sunken edge, its
    // first button at its left end (no gap). Wine 8 lays out the buttons
    // without the gap that TB_SETINDENT asks for, so a larger one is not
    // measured here.
    ToolBar* toolBar = menu.GetToolBar();
    HWND bar = toolBar->Handle();
    const LONG style = GetWindowLongA(bar, GWL_STYLE);
    EXPECT_EQ(style & (CCS_TOP | TBSTYLE_FLAT | CCS_NODIVIDER), CCS_TOP | TBSTYLE_FLAT);
    EXPECT_TRUE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    RECT first{};
    SendMessageA(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.left, 0);
    toolBar->SetBorderStyle(0);
    EXPECT_TRUE(GetWindowLongA(bar, GWL_STYLE) & CCS_NODIVIDER);
    EXPECT_FALSE(GetWindowLongA(bar, GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST(MenuExtraTest, CustomButtonsShowTheirImageAndNeedTheBitmap)
{
    {
        MenuFrame frame;
        MenuExtra menu(frame, {Header("P0", 0), WithButton(Item("A"), -3)}, 0, {}, {}, "TEST_BITMAP");
        ASSERT_NE(menu.GetToolBar(), nullptr);
        std::vector<TBBUTTON> buttons = Buttons(menu.GetToolBar()->Handle());
        ASSERT_EQ(buttons.size(), 1u);
        EXPECT_EQ(buttons[0].dwData, 133u);
        EXPECT_EQ(buttons[0].iBitmap, 3);
    }
    MenuFrame frame;
    MenuExtra menu(frame, {Header("P0", 0), WithButton(Item("A"), -3)});
    EXPECT_EQ(menu.GetToolBar(), nullptr);
    EXPECT_EQ(frame.GetToolBar(), nullptr);
    EXPECT_FALSE(menu.Items()[1].button.has_value());
}

TEST(MenuExtraTest, ItemStateByKeyIsMirroredOnMenuAndToolBar)
{
    MenuFrame frame;
    MenuExtra menu(frame, {Header("P0", 0), WithButton(Item("A"), STD_FILENEW), Item("B")});
    HWND bar = menu.GetToolBar()->Handle();
    HMENU handle = menu.Handle();
    const MenuKey a = MenuKey::Symbol("a");

    menu.CheckItem(a);
    EXPECT_TRUE(menu.IsChecked(a));
    EXPECT_TRUE(GetMenuState(handle, 24502, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONCHECKED, 24502, 0));
    menu.UncheckItem(a);
    EXPECT_FALSE(GetMenuState(handle, 24502, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONCHECKED, 24502, 0));
    menu.DisableItem(a);
    EXPECT_TRUE(menu.IsDisabled(a));
    EXPECT_TRUE(GetMenuState(handle, 24502, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, 24502, 0));
    menu.EnableItem(a);
    EXPECT_FALSE(GetMenuState(handle, 24502, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, 24502, 0));

    // Keys of another kind never match.
    for (const MenuKey& other : {MenuKey::Text("A"), MenuKey::Number(24502), MenuKey::Symbol("NOSUCH")}) {
        menu.CheckItem(other).DisableItem(other);
        EXPECT_EQ(menu.SucheItem(other), -1);
        EXPECT_FALSE(menu.IsChecked(other));
        EXPECT_FALSE(GetMenuState(handle, 24502, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
    }

    menu.DisableItem(MenuKey::Symbol("B"));
    menu.DisableAllItems();
    EXPECT_TRUE(GetMenuState(handle, 24502, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, 24502, 0));
    EXPECT_TRUE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_GRAYED) << "the popup's header";
    menu.EnableAllItems();
    EXPECT_FALSE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(menu.IsDisabled(MenuKey::Symbol("B")));
    EXPECT_FALSE(GetMenuState(handle, 24503, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, 24502, 0));
}

// A menu of popups, each given as {header caption, item captions...}.
struct Captions {
    std::vector<std::vector<std::string>> popups;
};

std::vector<MenueEintrag> TableOf(const Captions& captions)
{
    std::vector<MenueEintrag> table;
    for (size_t p = 0; p < captions.popups.size(); ++p) {
        table.push_back(Header(Joined("P", std::to_string(p)), static_cast<int>(p)));
        for (size_t j = 1; j < captions.popups[p].size(); ++j) table.push_back(Item(KeyName(static_cast<int>(j))));
    }
    return table;
}

LanguageTexts TextsOf(const Captions& captions)
{
    LanguageTexts texts;
    for (const auto& popup : captions.popups)
        for (const std::string& caption : popup) texts.push_back({caption, Joined("Help ", caption)});
    return texts;
}

Captions Shown(const MenuExtra& menu, const Captions& shape)
{
    Captions shown;
    for (size_t p = 0; p < shape.popups.size(); ++p) {
        HMENU popup = GetSubMenu(menu.Handle(), static_cast<int>(p));
        shown.popups.push_back({MenuText(menu.Handle(), static_cast<int>(p))});
        for (size_t j = 1; j < shape.popups[p].size(); ++j)
            shown.popups.back().push_back(MenuText(popup, static_cast<int>(j) - 1));
    }
    return shown;
}

TEST(MenuExtraTest, AccessKeysNeverRepeatWithinALevel)
{
    struct Case {
        const char* name;
        int mode;
        Captions captions;
        Captions expected;
    };
    const std::vector<Case> cases = {
        {"first letters stay free for the captions that begin with them",
         2,
         {{{"Datei", "Drucken", "Beenden", "Druckereinstellungen"}}},
         {{{"&Datei", "&Drucken", "&Beenden", "D&ruckereinstellungen"}}}},
        {"an author's key used before gives way",
         1,
         {{{"&Datei", "&Neu", "&Nachricht"}}},
         {{{"&Datei", "&Neu", "N&achricht"}}}},
        {"mode 0 removes every marker", 0, {{{"&Datei", "&Neu", "Nachricht"}}}, {{{"Datei", "Neu", "Nachricht"}}}},
        {"digits are keys, parentheses are not",
         2,
         {{{"Ebenen", "1. Ebene", "(leer)"}}},
         {{{"&Ebenen", "&1. Ebene", "(&leer)"}}}},
        {"levels are independent",
         2,
         {{{"Programm", "Neu"}, {"Aktionen", "Rechnen"}, {"Hilfe", "Hilfe"}}},
         {{{"&Programm", "&Neu"}, {"&Aktionen", "&Rechnen"}, {"&Hilfe", "&Hilfe"}}}},
        {"mode 2 replaces the author's keys", 2, {{{"Dat&ei", "N&eu"}}}, {{{"&Datei", "&Neu"}}}},
        {"a marker at the end is invalid", 1, {{{"Datei&", "Neu&"}}}, {{{"&Datei", "&Neu"}}}},
        {"an empty popup caption still begins its own level",
         2,
         {{{"Datei", "Neu"}, {"", "Neu", "Nachricht"}}},
         {{{"&Datei", "&Neu"}, {"", "&Neu", "N&achricht"}}}},
        {"a caption without a usable character stays without key",
         2,
         {{{"Datei", "D", "...", "Dd"}}},
         {{{"&Datei", "&D", "...", "Dd"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuFrame frame;
        MenuExtra menu(frame, TableOf(c.captions), 0, {}, {}, {}, c.mode);
        menu.SpracheArray(TextsOf(c.captions));
        EXPECT_EQ(Shown(menu, c.captions).popups, c.expected.popups);
    }
}

TEST(MenuExtraTest, TextsKeepTheirKeysShortcutTextsAndStates)
{
    Captions captions{{{"&Programm", "&Beenden", "&Neu"}}};
    std::vector<MenueEintrag> table = TableOf(captions);
    table[1].shortcutText = "Ctrl+B";
    table[1].checked = true;
    table[2].disabled = true;
    table[0].disabled = true;  // the header
    MenuFrame frame;
    MenuExtra menu(frame, table, 1, {TextsOf(captions)});
    HMENU popup = GetSubMenu(menu.Handle(), 0);
    EXPECT_EQ(MenuText(popup, 0), "&Beenden\tCtrl+B");
    EXPECT_TRUE(GetMenuState(popup, 24502, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(popup, 24503, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(menu.GetHyperLabel(24502)->Description(), "Help &Beenden");
    EXPECT_EQ(menu.GetHyperLabel(24502)->Name(), "DUMMY");
    // The list keeps its markers: applying it again changes nothing.
    EXPECT_EQ(menu.LanguageLists()[0][1][0], "&Beenden");
    menu.Sprache(1);
    EXPECT_EQ(MenuText(popup, 0), "&Beenden\tCtrl+B");
    EXPECT_TRUE(GetMenuState(popup, 24502, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu.Handle(), 0, MF_BYPOSITION) & MF_GRAYED);

    // Out of range: nothing changes; mode 0 takes every marker away.
    menu.Sprache(0).Sprache(2);
    EXPECT_EQ(MenuText(popup, 1), "&Neu");
    menu.Shortcut(0);
    EXPECT_EQ(MenuText(popup, 1), "&Neu");
    menu.Sprache(1);
    EXPECT_EQ(MenuText(menu.Handle(), 0), "Programm");
    EXPECT_EQ(MenuText(popup, 0), "Beenden\tCtrl+B");
    EXPECT_EQ(MenuText(popup, 1), "Neu");
}

TEST(MenuExtraTest, ShortListsCountTheirMissingTextsAsEmpty)
{
    MenuFrame frame;
    MenuExtra menu(frame, {Header("P0", 0), Item("A"), Separator(), Item("B")}, 7,
                   {{{"Programm"}}, {}, {{"Other", ""}}});
    // The empty list ends the lists; the number out of range means 1.
    ASSERT_EQ(menu.LanguageLists().size(), 1u);
    EXPECT_EQ(menu.LanguageLists()[0].size(), 4u);
    EXPECT_EQ(MenuText(menu.Handle(), 0), "&Programm");
    HMENU popup = GetSubMenu(menu.Handle(), 0);
    EXPECT_EQ(MenuText(popup, 0), "");
    EXPECT_EQ(MenuText(popup, 2), "");
    EXPECT_EQ(GetMenuItemCount(popup), 3);
}

TEST(MenuExtraTest, CommandsAcceleratorsAndMenuHelpReachTheOwner)
{
    MenuFrame frame;
    MenueEintrag exit = Item("MENUE1_1", "PROENDE");
    exit.acceleratorKey = 'B';
    exit.acceleratorFlags = FCONTROL;
    exit.shortcutText = "Ctrl+B";
    MenuExtra menu(frame, {Header("PROGRAMM", 0), exit});
    auto bar = std::make_unique<widgets::statusbar2>(frame);
    frame.SetStatusBar(bar.get());
    bar->DisplayMessage();
    menu.SpracheArray({{"Programm", ""}, {"Beenden", "Ends the program"}});
    frame.Show();

    PostMessageA(frame.Handle(), WM_COMMAND, MAKEWPARAM(24502, 0), 0);
    ApplicationExec();
    EXPECT_EQ(frame.endCalls, 1);

    SetForegroundWindow(frame.Handle());
    SetFocus(frame.Handle());
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(frame.Handle(), WM_KEYDOWN, 'B', 1);
    ApplicationExec();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(frame.endCalls, 2);

    SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(24502, MF_HILITE), reinterpret_cast<LPARAM>(menu.Handle()));
    EXPECT_EQ(bar->GetText(StatusBar::kMessageArea), "Ends the program");
    EXPECT_EQ(bar->CurrentKind(), MessageMenu);
    frame.SetStatusBar(nullptr);
}

}  // namespace
