#include "calcwindow_fixture.h"

#include "app/shell/globals.h"

namespace calcwindow_test {
namespace {

using StateTest = CalcWindowTest;

bool SystemMenuEnabled(const Window& frame)
{
    HMENU menu = GetSystemMenu(frame.Handle(), FALSE);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_FTYPE;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (!(info.fType & MFT_SEPARATOR) && (info.fState & MFS_DISABLED)) return false;
    }
    return count > 0;
}

TEST_F(StateTest, StartsWithStandardValuesAndNoResult)
{
    EXPECT_FALSE(window->lErgebnis);
    EXPECT_FALSE(window->lBerechnung);
    EXPECT_EQ(window->wParTyp, 1);
    EXPECT_TRUE(Get<RadioButton>("HELMERTFRAME")->Pressed());
    for (const char* cName : {"COMFORMQ", "COMFORMZ"}) EXPECT_EQ(Get<ComboBox>(cName)->Value(), 5) << cName;
    for (const char* cName : {"COMELLQ", "COMELLZ"}) EXPECT_EQ(Get<ComboBox>(cName)->Value(), kUserEllipsoid) << cName;
    // The library's user ellipsoids (GRS 1980 at first) fill the fields.
    EXPECT_EQ(Get<Edit>("HALBACHSGQ")->TextValue(), "6378137.0000000");
    EXPECT_TRUE(Get<Edit>("FLATTENINGZ")->TextValue().starts_with("298.25722"));
    EXPECT_TRUE(window->lEllOkQ);
    EXPECT_TRUE(window->lEllOkZ);
    EXPECT_EQ(goCalcPar, window.get());
}

TEST_F(StateTest, LockLeavesIconHelpAndOnlineInfoAndDisablesTheSystemMenu)
{
    ASSERT_TRUE(SystemMenuEnabled(*frame));
    window->ControlsAusschalten();
    for (Control* control : window->GetAllChildren()) {
        const std::string& cName = control->NameSym();
        const bool lFrei = cName == "ICONAPP" || cName == "BUTHELMERTHILFE" || cName == "BUTONLINEINFO";
        EXPECT_EQ(control->IsEnabled(), lFrei) << cName;
    }
    EXPECT_FALSE(SystemMenuEnabled(*frame));
    window->ControlsEinschalten();
    EXPECT_TRUE(SystemMenuEnabled(*frame));
    EXPECT_TRUE(Get("BUTBERECHNEN")->IsEnabled());
    EXPECT_TRUE(Get("KOORDLISTZ")->IsEnabled());
}

TEST_F(StateTest, UnlockAppliesTheEllipsoidRulesOfEachSide)
{
    const struct {
        int nFormat;    // format value of both sides
        bool lUserRow;  // the user ellipsoid (last row) or the first listed one
        bool lCombo;    // ellipsoid combo enabled afterwards
        bool lFields;   // a, b and 1/f enabled afterwards
    } cases[] = {
        {1, true, false, false}, {2, false, false, false}, {5, true, true, true},
        {5, false, true, false}, {14, true, true, true},   {22, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.nFormat << (c.lUserRow ? " user" : " listed"));
        for (const char* cSide : {"Q", "Z"}) {
            const std::string cSeite = cSide;
            Get<ComboBox>(("COMFORM" + cSeite).c_str())->SetValue(c.nFormat);
            auto* ell = Get<ComboBox>(("COMELL" + cSeite).c_str());
            ell->SetCurrentItemNo(c.lUserRow ? ell->ItemCount() : 1);
        }
        window->ControlsAusschalten();
        window->ControlsEinschalten();
        for (const char* cSide : {"Q", "Z"}) {
            const std::string cSeite = cSide;
            EXPECT_EQ(Get(("COMELL" + cSeite).c_str())->IsEnabled(), c.lCombo) << cSeite;
            for (const char* cFeld : {"HALBACHSG", "HALBACHSK", "FLATTENING"})
                EXPECT_EQ(Get((cFeld + cSeite).c_str())->IsEnabled(), c.lFields) << cFeld << cSeite;
        }
    }
}

TEST_F(StateTest, IconBlinksBlackAndBackOnTimerOne)
{
    // The blink phase lives for the whole process: bring it to black first.
    auto* icon = Get("ICONAPP");
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const HBRUSH own = window->Background().Handle();
    SendMessageA(window->Handle(), WM_TIMER, 1, 0);
    if (icon->Background().Handle() != black) SendMessageA(window->Handle(), WM_TIMER, 1, 0);
    ASSERT_EQ(icon->Background().Handle(), black);
    const struct {
        WPARAM nTimer;
        HBRUSH expected;
    } ticks[] = {{1, own}, {2, own}, {1, black}, {1, own}, {1, black}};
    for (const auto& tick : ticks) {
        SendMessageA(window->Handle(), WM_TIMER, tick.nTimer, 0);
        EXPECT_EQ(icon->Background().Handle(), tick.expected);
    }
}

TEST_F(StateTest, EveryStartBeginsWithoutTheProtocolOfTheRunBefore)
{
    char cDir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cDir);
    gcPfadProto = std::string(cDir) + "\\";
    const std::string cDatei = gcPfadProto + "protocol.log";
    HANDLE hDatei = CreateFileA(cDatei.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hDatei, INVALID_HANDLE_VALUE);
    CloseHandle(hDatei);
    window->Destroy();
    window = std::make_unique<dtaCalcPar>(frame.get());
    EXPECT_EQ(GetFileAttributesA(cDatei.c_str()), INVALID_FILE_ATTRIBUTES);
    // Without a protocol file the start goes on as well.
    window->Destroy();
    window = std::make_unique<dtaCalcPar>(frame.get());
    EXPECT_EQ(goCalcPar, window.get());
    gcPfadProto.clear();
}

TEST_F(StateTest, DestroyReleasesTheListsAndTheReference)
{
    window->Destroy();
    EXPECT_EQ(window->Handle(), nullptr);
    EXPECT_TRUE(window->aEllipsoide.empty());
    EXPECT_TRUE(window->aFelderEdit.empty());
    window.reset();
    EXPECT_EQ(goCalcPar, nullptr);
    window = std::make_unique<dtaCalcPar>(frame.get());
}

}  // namespace
}  // namespace calcwindow_test

namespace calcwindow_test {
namespace {

TEST_F(StateTest, LanguageSwitchReloadsTextsKeepsChoicesAndOffersToRecompute)
{
    auto* ellQ = Get<ComboBox>("COMELLQ");
    ellQ->SetCurrentItemNo(2);
    const int nEll = ellQ->Value();
    Get<ComboBox>("COMFORMZ")->SetValue(14);
    Get<Edit>("KOM")->SetTextValue("Netz Nord");
    Get<Edit>("HELMERTPAR")->SetTextValue("report");
    Get<CheckBox>("CHECKINVERS")->SetChecked(true);
    window->lErgebnis = true;
    seam.messageBoxAnswers = {IDNO};

    gcSprache = "ger";
    window->Sprache();
    ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].text, Text(67));
    EXPECT_EQ(Get<Edit>("HELMERTPAR")->TextValue(), "report");
    EXPECT_FALSE(Get<CheckBox>("CHECKINVERS")->Checked());
    EXPECT_EQ(Get("BUTBERECHNEN")->Caption(), "Transformationsparameter berechnen");
    EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue(), "ohne Bezeichnung");
    EXPECT_EQ(Get<Edit>("KOM")->TextValue(), "Netz Nord");
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->Value(), 14);
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->CurrentText(), "Geogr. Koord. [Grad,Min,Sek] (Nr,B,L,H)");
    EXPECT_EQ(ellQ->Value(), nEll);

    window->lErgebnis = false;
    gcSprache = "eng";
    window->Sprache();
    EXPECT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(Get<Edit>("EDITBEZZ")->TextValue(), "unnamed");
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->CurrentText(), "Geogr. Coord. [deg,min,sec] (No,lat,lon,hgt)");
}

// The lists are refilled only while the window shows; its captions change at once.
TEST_F(StateTest, AHiddenWindowKeepsItsComboTextsUntilASwitchWhileVisible)
{
    Get<ComboBox>("COMFORMZ")->SetValue(14);
    const std::string cEnglish = Get<ComboBox>("COMFORMZ")->CurrentText();
    window->Hide();
    gcSprache = "ger";
    window->Sprache();
    EXPECT_EQ(Get("BUTBERECHNEN")->Caption(), "Transformationsparameter berechnen");
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->CurrentText(), cEnglish);
    window->Show();
    window->Sprache();
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->CurrentText(), "Geogr. Koord. [Grad,Min,Sek] (Nr,B,L,H)");
    EXPECT_EQ(Get<ComboBox>("COMFORMZ")->Value(), 14);
}

}  // namespace
}  // namespace calcwindow_test
