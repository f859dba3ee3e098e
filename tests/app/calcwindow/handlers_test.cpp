#include "calcwindow_fixture.h"

namespace calcwindow_test {
namespace {

using HandlersTest = CalcWindowTest;

TEST_F(HandlersTest, FormatChoiceHidesOrShowsTheEllipsoidControls)
{
    auto* ell = Get<ComboBox>("COMELLZ");
    Waehlen("COMFORMZ", 2);
    for (const char* cName : {"COMELLZ", "HALBACHSGZ", "HALBACHSKZ", "FLATTENINGZ"}) {
        EXPECT_FALSE(Get(cName)->IsVisible()) << cName;
        EXPECT_FALSE(Get(cName)->IsEnabled()) << cName;
    }
    EXPECT_TRUE(Get("COMELLQ")->IsVisible());

    ell->SetCurrentItemNo(1);
    Waehlen("COMFORMZ", 3);
    EXPECT_TRUE(ell->IsVisible() && ell->IsEnabled());
    EXPECT_TRUE(Get("HALBACHSGZ")->IsVisible());
    EXPECT_FALSE(Get("HALBACHSGZ")->IsEnabled());

    Waehlen("COMFORMZ", 1);
    ell->SetCurrentItemNo(ell->ItemCount());
    Waehlen("COMFORMZ", 20);
    for (const char* cName : {"HALBACHSGZ", "HALBACHSKZ", "FLATTENINGZ"})
        EXPECT_TRUE(Get(cName)->IsVisible() && Get(cName)->IsEnabled()) << cName;
    EXPECT_TRUE(window->lEllOkZ);
}

TEST_F(HandlersTest, EllipsoidChoiceFillsTheFieldsAndSetsTheFlagFromTheCheck)
{
    auto* ell = Get<ComboBox>("COMELLQ");
    const int nUser = ell->ItemCount();
    // An invalid user ellipsoid that an earlier input left in the list.
    window->aEllParQ.back() = {6700000.0, 6000000.0};
    const struct {
        int nItem;
        bool lOk;
        bool lFieldsEnabled;
    } cases[] = {{1, true, false}, {nUser, false, true}, {2, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nItem);
        Waehlen("COMELLQ", c.nItem);
        const SemiAxes& achsen = window->aEllParQ[static_cast<size_t>(c.nItem - 1)];
        EXPECT_EQ(Get<Edit>("HALBACHSGQ")->TextValue(), NormNum(achsen.a));
        EXPECT_EQ(Get<Edit>("HALBACHSKQ")->TextValue(), NormNum(achsen.b));
        EXPECT_EQ(window->lEllOkQ, c.lOk);
        EXPECT_EQ(Get<Edit>("FLATTENINGQ")->TextValue().empty(), !c.lOk);
        for (const char* cName : {"HALBACHSGQ", "HALBACHSKQ", "FLATTENINGQ"})
            EXPECT_EQ(Get(cName)->IsEnabled(), c.lFieldsEnabled) << cName;
    }
    EXPECT_EQ(Fehler(), "");
}

// Each row types a text into one field of the user ellipsoid and leaves it.
TEST_F(HandlersTest, EditedEllipsoidFieldsAreCheckedStoredAndHandedToTheLibrary)
{
    const struct {
        const char* cWhat;
        const char* cField;
        const char* cText;
        const char* cOther;  // field emptied before, or ""
        int nText;           // error text shown, 0 for none
        bool lOk;
        double aLib, bLib;  // library's user ellipsoid of the side afterwards
    } cases[] = {
        {"a out of range", "HALBACHSGQ", "5000000", "", 9, false, 6378137.0, 6356752.314140356},
        {"b above a", "HALBACHSKZ", "6378200", "", 10, false, 6378137.0, 6356752.314140356},
        {"b with empty a", "HALBACHSKQ", "6356752", "HALBACHSGQ", 9, false, 6378137.0, 6356752.314140356},
        {"a with empty b", "HALBACHSGZ", "6378388", "HALBACHSKZ", 0, true, 6378137.0, 6356752.314140356},
        {"valid a", "HALBACHSGQ", "6378388", "", 0, true, 6378388.0, 6356752.314140356},
        {"valid b", "HALBACHSKZ", "6356911.946", "", 0, true, 6378137.0, 6356911.946},
        {"a failing the check", "HALBACHSGQ", "6700000", "HALBACHSKQ_6000000", 79, false, 6378137.0, 6356752.314140356},
        {"1/f out of range", "FLATTENINGZ", "1500", "", 73, false, 6378137.0, 6356752.314140356},
        {"1/f below range", "FLATTENINGQ", "49", "", 72, false, 6378137.0, 6356752.314140356},
        {"valid 1/f", "FLATTENINGQ", "297", "", 0, true, 6378137.0, 6378137.0 - 6378137.0 / 297},
        {"text counts as 0", "FLATTENINGZ", "abc", "", 73, false, 6378137.0, 6356752.314140356},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cWhat);
        TearDown();
        SetUp();
        const bool lQuelle = std::string(c.cField).back() == 'Q';
        const std::string cOther = c.cOther;
        if (!cOther.empty()) {
            const size_t nUnter = cOther.find('_');
            Get<Edit>(cOther.substr(0, nUnter).c_str())
                ->SetTextValue(nUnter == std::string::npos ? "" : cOther.substr(nUnter + 1));
        }
        Eingeben(c.cField, c.cText);
        EXPECT_EQ(Fehler(), c.nText ? AllTrim(Text(c.nText)) : "");
        EXPECT_EQ(lQuelle ? window->lEllOkQ : window->lEllOkZ, c.lOk);
        const SemiAxes lib = UserEllipsoid(lQuelle);
        EXPECT_NEAR(lib.a, c.aLib, 1e-6);
        EXPECT_NEAR(lib.b, c.bLib, 1e-6);
        // A field that passes its own range check is written back formatted.
        if (c.nText == 0 || c.nText == 79) {
            EXPECT_EQ(Get<Edit>(c.cField)->TextValue(), NormNum(Val(c.cText)));
        } else {
            EXPECT_EQ(Get<Edit>(c.cField)->TextValue(), c.cText);
        }
    }
}

// Each row types a text into a field of the user ellipsoid with the comma
// option on or off: the whole text is taken as one number, with "," as the
// decimal point where the option allows it, or refused with the field's
// message, the previous value kept.
TEST_F(HandlersTest, EllipsoidFieldsTakeADecimalCommaOnlyWithTheOptionAndOnlyWholeNumbers)
{
    constexpr double kA = 6378137.0, kB = 6356752.314140356;
    const struct {
        const char* cField;
        const char* cText;
        bool lComma;
        double value;  // taken; 0 when refused
        double aLib, bLib;
    } cases[] = {
        {"FLATTENINGQ", "298,257223563", true, 298.257223563, kA, kA - kA / 298.257223563},
        {"FLATTENINGQ", "298,257223563", false, 0, kA, kB},
        {"FLATTENINGQ", "298.257223563", true, 298.257223563, kA, kA - kA / 298.257223563},
        {"FLATTENINGQ", "298.257223563", false, 298.257223563, kA, kA - kA / 298.257223563},
        {"HALBACHSGQ", "6378137,5", true, 6378137.5, 6378137.5, kB},
        {"HALBACHSGQ", "6378137,5", false, 0, kA, kB},
        {"HALBACHSGQ", "6378137,5,1", true, 0, kA, kB},
        {"HALBACHSGQ", "6378137,5,1", false, 0, kA, kB},
        {"HALBACHSKQ", " 6356752,5 ", true, 6356752.5, kA, 6356752.5},
        {"FLATTENINGQ", "1e", true, 0, kA, kB},
        {"FLATTENINGQ", "1e", false, 0, kA, kB},
        {"FLATTENINGQ", "12 3", true, 0, kA, kB},
        {"FLATTENINGQ", "298.25m", false, 0, kA, kB},
        {"HALBACHSGQ", "6378137..5", false, 0, kA, kB},
        {"HALBACHSGQ", "6,378,137", true, 0, kA, kB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.cField << " \"" << c.cText << (c.lComma ? "\", comma on" : "\", comma off"));
        TearDown();
        SetUp();
        Get<CheckBox>("CHECKKOMMA")->SetChecked(c.lComma);
        const std::string semiMinor = Get<Edit>("HALBACHSKQ")->TextValue();
        Eingeben(c.cField, c.cText);
        const bool flattening = std::string(c.cField) == "FLATTENINGQ";
        const SemiAxes lib = UserEllipsoid(true);
        EXPECT_NEAR(lib.a, c.aLib, 1e-6);
        EXPECT_NEAR(lib.b, c.bLib, 1e-6);
        if (c.value != 0) {
            EXPECT_EQ(Fehler(), "");
            EXPECT_TRUE(window->lEllOkQ);
            EXPECT_EQ(Get<Edit>(c.cField)->TextValue(), NormNum(c.value));
        } else {
            EXPECT_EQ(Fehler(), AllTrim(Text(flattening ? 72 : 9)));
            EXPECT_FALSE(window->lEllOkQ);
            EXPECT_EQ(Get<Edit>(c.cField)->TextValue(), c.cText);
            EXPECT_EQ(Get<Edit>("HALBACHSKQ")->TextValue(), semiMinor) << "nothing computed from a part of the text";
        }
    }
}

TEST_F(HandlersTest, ValidSemiAxesFillTheFlatteningAndTheUserRow)
{
    Eingeben("HALBACHSGZ", "6378388");
    Eingeben("HALBACHSKZ", "6356911.946");
    EXPECT_NEAR(window->fKehrwertZ, 297.0, 1e-3);
    EXPECT_EQ(Get<Edit>("FLATTENINGZ")->TextValue(), NormNum(window->fKehrwertZ));
    EXPECT_EQ(window->aEllParZ.back().a, 6378388.0);
    EXPECT_EQ(window->aEllParZ.back().b, 6356911.946);
    // Choosing another ellipsoid and the user row again shows these values.
    Waehlen("COMELLZ", 1);
    Waehlen("COMELLZ", Get<ComboBox>("COMELLZ")->ItemCount());
    EXPECT_EQ(Get<Edit>("HALBACHSGZ")->TextValue(), NormNum(6378388.0));
    EXPECT_TRUE(window->lEllOkZ);
}

TEST_F(HandlersTest, FocusGainAndHiddenWindowChangeNothing)
{
    auto* edit = Get<Edit>("HALBACHSGQ");
    edit->SetTextValue("5000000");
    SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(edit->ControlId(), EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(edit->Handle()));
    window->Hide();
    Eingeben("HALBACHSGQ", "5000000");
    EXPECT_EQ(Fehler(), "");
    EXPECT_TRUE(window->lEllOkQ);
}

TEST_F(HandlersTest, ConventionButtonsSetTheTypeAndOfferToRecomputeAResult)
{
    const struct {
        const char* cButton;
        bool lErgebnis;
        int nTyp;
    } cases[] = {{"MOLODENSKY", false, 4},
                 {"HELMERTVECTOR", true, 2},
                 {"HELMERTVECTOR", true, 2},
                 {"HELMERTISO19111", false, 3},
                 {"HELMERTFRAME", true, 1}};
    size_t nFragen = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cButton);
        window->lErgebnis = c.lErgebnis;
        seam.messageBoxAnswers = {IDNO};
        Klicken(c.cButton);
        EXPECT_EQ(window->wParTyp, c.nTyp);
        nFragen += c.lErgebnis;
        ASSERT_EQ(seam.CallsOf("MessageBox").size(), nFragen);
        if (c.lErgebnis) {
            EXPECT_EQ(seam.CallsOf("MessageBox").back().text, Text(68));
        }
    }
}

TEST_F(HandlersTest, InverseOptionExchangesTheLabelsOfBothSides)
{
    const char* const pairs[][2] = {{"TEXTGRUPPE1", "TEXTGRUPPE2"},
                                    {"GRUPPE1", "GRUPPE2"},
                                    {"COMELLQ", "COMELLZ"},
                                    {"HALBACHSGQ", "HALBACHSGZ"},
                                    {"HALBACHSKQ", "HALBACHSKZ"},
                                    {"TEXT3", "TEXT7"},
                                    {"KOORDLISTQ", "KOORDLISTZ"},
                                    {"BUTDATEILESENQ", "BUTDATEILESENZ"},
                                    {"BUTDATEISCHREIBENQ", "BUTDATEISCHREIBENZ"}};
    std::vector<HyperLabel> before;
    for (const auto& pair : pairs)
        for (const char* cName : pair) before.push_back(Get(cName)->GetHyperLabel());
    Get<Edit>("KOORDLISTQ")->SetTextValue("1 2 3");

    Klicken("CHECKINVERS");
    EXPECT_TRUE(Get<CheckBox>("CHECKINVERS")->Checked());
    size_t i = 0;
    for (const auto& pair : pairs) {
        const HyperLabel& q = Get(pair[0])->GetHyperLabel();
        const HyperLabel& z = Get(pair[1])->GetHyperLabel();
        EXPECT_EQ(q.Name(), pair[0]);
        EXPECT_EQ(q.Caption(), before[i + 1].Caption()) << pair[0];
        EXPECT_EQ(q.Description(), before[i + 1].Description()) << pair[0];
        EXPECT_EQ(z.Description(), before[i].Description()) << pair[1];
        i += 2;
    }
    EXPECT_EQ(Get("TEXT3")->Caption(), "Identical points in the target reference system");
    EXPECT_EQ(Get("TEXTGRUPPE1")->Caption(), "Target reference system");  // the heading above it
    EXPECT_EQ(Get<Edit>("KOORDLISTQ")->TextValue(), "1 2 3");

    Klicken("CHECKINVERS");
    i = 0;
    for (const auto& pair : pairs)
        for (const char* cName : pair) {
            EXPECT_EQ(Get(cName)->GetHyperLabel().Caption(), before[i].Caption()) << cName;
            EXPECT_EQ(Get(cName)->GetHyperLabel().Description(), before[i++].Description()) << cName;
        }
}

}  // namespace
}  // namespace calcwindow_test

namespace calcwindow_test {
namespace {

// Four points and the same points shifted by 100, -50 and 20 metres.
class RecomputeTest : public CalcWindowTest {
protected:
    void Kartesisch()
    {
        Get<Edit>("KOORDLISTQ")
            ->SetTextValue("4157222.543 664789.307 4774952.099\r\n"
                           "4149043.336 688836.443 4778632.188\r\n"
                           "4172803.511 690340.078 4758129.701\r\n"
                           "4177148.376 642997.635 4760764.800\r\n");
        Get<Edit>("KOORDLISTZ")
            ->SetTextValue("4157322.543 664739.307 4774972.099\r\n"
                           "4149143.336 688786.443 4778652.188\r\n"
                           "4172903.511 690290.078 4758149.701\r\n"
                           "4177248.376 642947.635 4760784.800\r\n");
        Waehlen("COMFORMQ", 1);
        Waehlen("COMFORMZ", 1);
    }
    std::string Ergebnis() const { return Get<Edit>("HELMERTPAR")->TextValue(); }
};

TEST_F(RecomputeTest, NewConventionRecomputesAShownResultOnlyAfterYes)
{
    Kartesisch();
    Klicken("BUTBERECHNEN");
    ASSERT_TRUE(window->lErgebnis);
    const std::string cHelmert = Ergebnis();
    seam.messageBoxAnswers = {IDNO};
    Klicken("MOLODENSKY");
    EXPECT_EQ(Ergebnis(), cHelmert);
    seam.messageBoxAnswers = {IDYES};
    Klicken("HELMERTVECTOR");
    EXPECT_EQ(window->wParTyp, 2);
    EXPECT_NE(Ergebnis(), cHelmert);
    EXPECT_TRUE(window->lErgebnis);
}

// The report of an inverse computation is recomputed in the new language only
// after Yes, and then forward: a language switch clears the inverse option.
TEST_F(RecomputeTest, LanguageSwitchRecomputesAShownResultForwardOnlyAfterYes)
{
    Kartesisch();
    Klicken("CHECKINVERS");
    Klicken("BUTBERECHNEN");
    ASSERT_TRUE(window->lErgebnis);
    EXPECT_NEAR(window->aParameter[0], -100.0, 1e-3);
    const std::string cEnglisch = Ergebnis();
    ASSERT_NE(cEnglisch.find(Text(15)), std::string::npos);

    seam.messageBoxAnswers = {IDYES};
    gcSprache = "ger";
    window->Sprache();
    ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].number, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(window->lErgebnis);
    EXPECT_NEAR(window->aParameter[0], 100.0, 1e-3);
    EXPECT_NE(Ergebnis(), cEnglisch);
    EXPECT_NE(Ergebnis().find(Text(15)), std::string::npos);
    EXPECT_EQ(cEnglisch.find(Text(15)), std::string::npos);
}

TEST_F(RecomputeTest, UnnamedSidesAreNamedByTheCaptionsAboveTheirGroups)
{
    Kartesisch();
    Get<Edit>("EDITBEZQ")->SetTextValue("  ");
    Get<Edit>("EDITBEZZ")->SetTextValue("");
    Klicken("BUTBERECHNEN");
    EXPECT_NE(Ergebnis().find("Source reference system --> Target reference system"), std::string::npos);
    Klicken("CHECKINVERS");
    Klicken("BUTBERECHNEN");
    EXPECT_NE(Ergebnis().find("Target reference system --> Source reference system"), std::string::npos);
}

}  // namespace
}  // namespace calcwindow_test
