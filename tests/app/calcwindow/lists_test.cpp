#include "calcwindow_fixture.h"

#include <cmath>

namespace calcwindow_test {
namespace {

using ListsTest = CalcWindowTest;

// A catalogue with a double name and grid entries, over the real library.
int gnSprache = 0;
geodesy::Logic __stdcall FakeEllName(std::uint16_t n, const char** name)
{
    static const char* const names[] = {"Zeta", "Alpha", "NTv2 grid", "Alpha", "Beta", "old ntv2"};
    if (n == kUserEllipsoid) {
        *name = "Aaa user";
        return 1;
    }
    if (n < 1 || n > std::size(names)) return 0;
    *name = names[n - 1];
    return 1;
}
geodesy::Logic __stdcall FakeLanguage(std::uint16_t language)
{
    gnSprache = language;
    return 1;
}

TEST_F(ListsTest, EllipsoidListSkipsGridsAndDoublesSortsAndEndsWithTheUserEllipsoid)
{
    geodesy::GeodesyFunctions fake = library;
    fake.getellname = FakeEllName;
    fake.setlanguage = FakeLanguage;
    calc::SetLibrary(&fake);
    for (const char* cSprache : {"ger", "fra", "eng"}) {
        SCOPED_TRACE(cSprache);
        gcSprache = cSprache;
        window->Daten();
        const bool lDeutsch = gcSprache == "ger";
        EXPECT_EQ(gnSprache, lDeutsch ? 1 : 2);
        ASSERT_EQ(window->aFormate.size(), 22u);
        EXPECT_EQ(window->aFormate[0].name,
                  lDeutsch ? "Kartesische Koordinaten (X,Y,Z)" : "Cartesian Coordinates (X,Y,Z)");
        EXPECT_EQ(window->aFormate[21].number, 22);
        const std::vector<std::pair<std::string, int>> expected = {
            {"Alpha", 2}, {"Beta", 5}, {"Zeta", 1}, {"Aaa user", kUserEllipsoid}};
        ASSERT_EQ(window->aEllipsoide.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(window->aEllipsoide[i].name, expected[i].first);
            EXPECT_EQ(window->aEllipsoide[i].number, expected[i].second);
        }
        ASSERT_EQ(window->aEllParQ.size(), expected.size());
        ASSERT_EQ(window->aEllParZ.size(), expected.size());
        EXPECT_EQ(window->aEllParQ.back().a, UserEllipsoid(true).a);
        EXPECT_EQ(window->aEllParZ.back().b, UserEllipsoid(false).b);
    }
}

TEST_F(ListsTest, RealCatalogueGivesSemiAxesPerRowAndSide)
{
    ASSERT_GT(window->aEllipsoide.size(), 2u);
    library.setuserelltarget(kUserEllipsoid, 6378388.0, 6356911.946);
    window->Daten();
    for (size_t i = 0; i < window->aEllipsoide.size(); ++i) {
        SCOPED_TRACE(window->aEllipsoide[i].name);
        EXPECT_GT(window->aEllParQ[i].a, 6000000.0);
        EXPECT_GE(window->aEllParQ[i].a, window->aEllParQ[i].b);
        if (i + 2 < window->aEllipsoide.size()) {
            EXPECT_LE(window->aEllipsoide[i].name, window->aEllipsoide[i + 1].name);
        }
        if (i + 1 < window->aEllipsoide.size()) {
            EXPECT_EQ(window->aEllParQ[i].a, window->aEllParZ[i].a);
        }
    }
    EXPECT_EQ(window->aEllParZ.back().a, 6378388.0);
    EXPECT_EQ(window->aEllParQ.back().a, 6378137.0);
}

TEST_F(ListsTest, CombinationSetsCombosVisibilityAndEnabling)
{
    const int nListed = window->aEllipsoide.front().number;
    char cListed[5];
    snprintf(cListed, sizeof cListed, "%04d", nListed);
    const struct {
        std::string cCombo;
        int nFormatQ, nEllQ, nFormatZ, nEllZ;
    } cases[] = {
        {"0001100000021000", 1, kUserEllipsoid, 2, kUserEllipsoid},
        {"0005100000051000", 5, kUserEllipsoid, 5, kUserEllipsoid},
        {"0012" + std::string(cListed) + "00209999", 12, nListed, 20, kUserEllipsoid},
        {"0023100000001000", 1, kUserEllipsoid, 1, kUserEllipsoid},
        {"000510000005100", 5, kUserEllipsoid, 5, kUserEllipsoid},
        {"00031000000510000", 5, kUserEllipsoid, 5, kUserEllipsoid},
        {"                ", 5, kUserEllipsoid, 5, kUserEllipsoid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cCombo);
        window->Grundeinstellung("0001100000011000");  // hides both sides first
        window->Grundeinstellung(c.cCombo);
        const struct {
            const char* cSide;
            int nFormat, nEll;
        } sides[] = {{"Q", c.nFormatQ, c.nEllQ}, {"Z", c.nFormatZ, c.nEllZ}};
        for (const auto& side : sides) {
            const std::string s = side.cSide;
            EXPECT_EQ(Get<ComboBox>(("COMFORM" + s).c_str())->Value(), side.nFormat) << s;
            auto* ell = Get<ComboBox>(("COMELL" + s).c_str());
            EXPECT_EQ(ell->Value(), side.nEll) << s;
            const bool lKartesisch = side.nFormat <= 2;
            EXPECT_EQ(ell->IsVisible(), !lKartesisch) << s;
            EXPECT_EQ(ell->IsEnabled(), !lKartesisch) << s;
            for (const char* cFeld : {"HALBACHSG", "HALBACHSK", "FLATTENING"}) {
                Control* feld = Get((cFeld + s).c_str());
                EXPECT_EQ(feld->IsVisible(), !lKartesisch) << cFeld << s;
                EXPECT_EQ(feld->IsEnabled(), !lKartesisch && side.nEll == kUserEllipsoid) << cFeld << s;
            }
        }
    }
}

TEST_F(ListsTest, EllipsoidCheckComputesTheMissingQuantity)
{
    const struct {
        int nMode;
        double a, b, f;
        bool lOk;
        double expected;  // f for mode 1, b for mode 2
    } cases[] = {
        {1, 6378137, 6356752, 0, true, 298.25284},
        {1, 6378000, 6378000, 0, false, 0},
        {1, 6700000, 6000000, 0, false, 9.5714},
        {1, 6000000, 5999999, 0, false, 0},
        {1, 6700000, 6693300, 0, true, 1000},
        {1, 6000000 + 120000, 6000000, 0, true, 51},
        {1, 6378137, 6378200, 0, false, 0},
        {2, 6378137, 1, 298.25, true, 6356751.7963},
        {2, 6378137, 1, 49.9, false, 0},
        {2, 6378137, 1, 1000, true, 6371758.863},
        {2, 6700001, 1, 298.25, false, 0},
        {2, 6010000, 1, 50, false, 5889800},
        {7, 6378137, 6356752, 298, false, 6356752},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.nMode << " a " << c.a << " b " << c.b << " f " << c.f);
        double b = c.b, f = c.f;
        EXPECT_EQ(window->CalcEllPar(c.a, b, f, c.nMode, false), c.lOk);
        EXPECT_NEAR(c.nMode == 1 ? f : b, c.expected, 1e-3);
    }
    EXPECT_EQ(Fehler(), "");
    double b = 0, f = 0;
    EXPECT_FALSE(window->CalcEllPar(5000000, b, f, 2, true));
    EXPECT_EQ(Fehler(), AllTrim(Text(79)));
}

TEST_F(ListsTest, StandardValuesOnlyAfterYes)
{
    window->Grundeinstellung("0019000100020001");
    window->wParTyp = 4;
    window->Anpassen();
    Get<Edit>("HALBACHSGQ")->SetTextValue("6378388");
    Get<Edit>("KOORDLISTQ")->SetTextValue("1 2 3");

    seam.messageBoxAnswers = {IDNO};
    Klicken("BUTSTANDARD");
    ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].text, Text(38));
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].detail, "MERIDOXA");
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].number, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Get<ComboBox>("COMFORMQ")->Value(), 19);
    EXPECT_EQ(window->wParTyp, 4);
    EXPECT_EQ(Get<Edit>("HALBACHSGQ")->TextValue(), "6378388");

    library.setuserelltarget(kUserEllipsoid, 6378388.0, 6356911.946);
    seam.messageBoxAnswers = {IDYES};
    Klicken("BUTSTANDARD");
    for (const char* cName : {"COMFORMQ", "COMFORMZ"}) EXPECT_EQ(Get<ComboBox>(cName)->Value(), 5) << cName;
    for (const char* cName : {"COMELLQ", "COMELLZ"}) EXPECT_EQ(Get<ComboBox>(cName)->Value(), kUserEllipsoid) << cName;
    EXPECT_EQ(window->wParTyp, 1);
    EXPECT_TRUE(Get<RadioButton>("HELMERTFRAME")->Pressed());
    EXPECT_FALSE(Get<RadioButton>("MOLODENSKY")->Pressed());
    EXPECT_EQ(Get<Edit>("HALBACHSGQ")->TextValue(), "6378137.0000000");
    EXPECT_EQ(Get<Edit>("HALBACHSGZ")->TextValue(), "6378388.0000000");
    EXPECT_EQ(Get<Edit>("HALBACHSKZ")->TextValue(), "6356911.9460000");
    EXPECT_EQ(window->aEllParZ.back().a, 6378388.0);
    EXPECT_EQ(Get<Edit>("KOORDLISTQ")->TextValue(), "1 2 3");
}

TEST_F(ListsTest, ConventionOutsideOneToFourBecomesOne)
{
    for (int nTyp : {0, 2, 3, 4, 7}) {
        window->wParTyp = nTyp;
        window->Anpassen();
        const int nErwartet = nTyp >= 1 && nTyp <= 4 ? nTyp : 1;
        EXPECT_EQ(window->wParTyp, nErwartet);
        const char* cButtons[] = {"HELMERTFRAME", "HELMERTVECTOR", "HELMERTISO19111", "MOLODENSKY"};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Get<RadioButton>(cButtons[i])->Pressed(), i + 1 == nErwartet) << nTyp << cButtons[i];
    }
}

// The drop-down lists of the formats and ellipsoids show their longest names whole.
TEST_F(ListsTest, DropDownListsAreAsWideAsTheirLongestName)
{
    for (const char* name : {"COMFORMQ", "COMFORMZ", "COMELLQ", "COMELLZ"}) {
        SCOPED_TRACE(name);
        auto* combo = Get<ComboBox>(name);
        HDC dc = GetDC(combo->Handle());
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo->Handle(), WM_GETFONT, 0, 0)));
        LONG widest = 0;
        const int count = static_cast<int>(SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(combo->Handle(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            SIZE size{};
            GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
            widest = std::max(widest, size.cx);
        }
        SelectObject(dc, previous);
        ReleaseDC(combo->Handle(), dc);
        ASSERT_GT(count, 0);
        EXPECT_GE(SendMessageA(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), widest + GetSystemMetrics(SM_CXVSCROLL));
    }
}

}  // namespace
}  // namespace calcwindow_test
