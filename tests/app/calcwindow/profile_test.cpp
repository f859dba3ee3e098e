// The last inputs: the profile of the window's inputs, section ProgrammFen
// of meridoxa.ini in a fresh user folder, and a new window that reads them.
#include "calcwindow_fixture.h"

#include "app/shell/globals.h"
#include "calc/texts.h"
#include <functional>

#include "lib/ini.h"
#include "platform/runtime/files.h"

namespace calcwindow_test {

// A calculation window whose user folder is a fresh temporary folder.
class UserFolderTest : public CalcWindowTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = Lower(std::string(temp)) + "mdx_inputs_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA(Ini().c_str());
        gcPfadUser = folder;
        CalcWindowTest::SetUp();
    }

    void TearDown() override
    {
        CalcWindowTest::TearDown();
        gcPfadUser.clear();
        DeleteFileA(Ini().c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string Ini() const { return folder + "meridoxa.ini"; }

    // Closes the window and opens a new one, as at the next start.
    void Neustart()
    {
        window->Destroy();
        window.reset();
        window = std::make_unique<dtaCalcPar>(frame.get());
        window->Show();
    }

    // The inputs a profile holds, as the window shows them: the four
    // choices, the semi-axes as numbers, 1/f as shown, the flags, the
    // convention and the three names.
    struct Inputs {
        std::vector<int> choices;
        std::vector<double> axes;
        std::vector<double> flattenings;
        bool okQ, okZ;
        int typ;
        std::vector<std::string> names;
    };
    // The same inputs; the semi-axes stored to 0.1 mm, so 1/f to 1e-8.
    static void ErwarteGleich(const Inputs& after, const Inputs& before)
    {
        EXPECT_EQ(after.choices, before.choices);
        for (size_t i = 0; i < after.axes.size(); ++i) EXPECT_NEAR(after.axes[i], before.axes[i], 5e-8) << i;
        for (size_t i = 0; i < after.flattenings.size(); ++i)
            EXPECT_NEAR(after.flattenings[i], before.flattenings[i], 1e-8) << i;
        EXPECT_EQ(after.okQ, before.okQ);
        EXPECT_EQ(after.okZ, before.okZ);
        EXPECT_EQ(after.typ, before.typ);
        EXPECT_EQ(after.names, before.names);
    }
    Inputs Eingaben()
    {
        Inputs inputs;
        for (const char* name : {"COMFORMQ", "COMELLQ", "COMFORMZ", "COMELLZ"})
            inputs.choices.push_back(Get<ComboBox>(name)->Value());
        for (const char* name : {"HALBACHSGQ", "HALBACHSKQ", "HALBACHSGZ", "HALBACHSKZ"})
            inputs.axes.push_back(Val(Get<Edit>(name)->TextValue()));
        for (const char* name : {"FLATTENINGQ", "FLATTENINGZ"})
            inputs.flattenings.push_back(Val(Get<Edit>(name)->TextValue()));
        inputs.okQ = window->lEllOkQ;
        inputs.okZ = window->lEllOkZ;
        inputs.typ = window->wParTyp;
        for (const char* name : {"EDITBEZQ", "EDITBEZZ", "KOM"}) inputs.names.push_back(Get<Edit>(name)->TextValue());
        return inputs;
    }

    // The library's user ellipsoid and the last list row of a side agree.
    void ErwarteBenutzerEllipsoid(bool source, SemiAxes expected)
    {
        const SemiAxes library = UserEllipsoid(source);
        const SemiAxes row = (source ? window->aEllParQ : window->aEllParZ).back();
        EXPECT_DOUBLE_EQ(library.a, expected.a);
        EXPECT_DOUBLE_EQ(library.b, expected.b);
        EXPECT_DOUBLE_EQ(row.a, expected.a);
        EXPECT_DOUBLE_EQ(row.b, expected.b);
    }

    std::string folder;
};

namespace {

using LastInputs = UserFolderTest;

TEST_F(LastInputs, FirstStartWritesAndReadsTheStartValues)
{
    const Inputs start = Eingaben();
    EXPECT_EQ(start.choices, (std::vector<int>{5, kUserEllipsoid, 5, kUserEllipsoid}));
    EXPECT_EQ(start.names, std::vector<std::string>(3, Text(calc::kTextUnnamed)));
    Neustart();
    EXPECT_EQ(GetIniString("ProgrammFen", "ParaEllQ", Ini()), "6378137.00000006356752.3141404");
    EXPECT_EQ(GetIniString("ProgrammFen", "ParaCombo", Ini()), kStandardCombination);
    EXPECT_EQ(GetIniString("ProgrammFen", "ParaTyp", Ini()), "1");
    ErwarteGleich(Eingaben(), start);
}

TEST_F(LastInputs, ANewWindowShowsWhatTheLastOneHeld)
{
    const std::string longName(300, 'n');
    struct Case {
        int formQ, ellQ, formZ, ellZ;  // list rows; 0 keeps the user ellipsoid
        const char* userAQ;            // typed into the source user ellipsoid, or null
        const char* userBQ;
        const char* radio;
        int typ;
        std::string nameQ, nameZ, kom;
        std::string expectedQ;  // what the source name reads back as
    } cases[] = {
        {2, 0, 5, 1, nullptr, nullptr, "HELMERTVECTOR", 2, "  Potsdam  ", "ETRS89", "", "Potsdam"},
        {5, 0, 12, 0, "6378000.5", "6357000", "MOLODENSKY", 4, longName, "x", "Kom", longName.substr(0, 255)},
        {7, 2, 2, 0, nullptr, nullptr, "HELMERTISO19111", 3, "\"quoted\"", "y", "z", "quoted"},
        {5, 0, 5, 0, nullptr, nullptr, "HELMERTFRAME", 1, "a", "b", "c", "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        Waehlen("COMFORMQ", c.formQ);
        Waehlen("COMFORMZ", c.formZ);
        if (c.ellQ) Waehlen("COMELLQ", c.ellQ);
        if (c.ellZ) Waehlen("COMELLZ", c.ellZ);
        if (c.userAQ) {
            Eingeben("HALBACHSGQ", c.userAQ);
            Eingeben("HALBACHSKQ", c.userBQ);
        }
        Klicken(c.radio);
        Get<Edit>("EDITBEZQ")->SetTextValue(c.nameQ);
        Get<Edit>("EDITBEZZ")->SetTextValue(c.nameZ);
        Get<Edit>("KOM")->SetTextValue(c.kom);
        Inputs before = Eingaben();
        ASSERT_EQ(before.typ, c.typ);
        const SemiAxes userQ = UserEllipsoid(true);
        Neustart();
        before.names = {c.expectedQ, c.nameZ, c.kom.empty() ? Text(calc::kTextUnnamed) : c.kom};
        ErwarteGleich(Eingaben(), before);
        EXPECT_TRUE(Get<RadioButton>(c.radio)->Pressed());
        if (c.userAQ) {
            ErwarteBenutzerEllipsoid(true, userQ);
            EXPECT_DOUBLE_EQ(userQ.a, 6378000.5);
        }
    }
}

// Each case applies one profile to a fresh start state.
TEST_F(LastInputs, DefaultsAndRefusalsOfAProfile)
{
    const Inputs start = Eingaben();
    const SemiAxes startUser = UserEllipsoid(true);
    const std::string unnamed = Text(calc::kTextUnnamed);
    const SemiAxes tenth = [&] {
        SemiAxes axes;
        library.getellsource(10, &axes.a, &axes.b);
        return axes;
    }();
    const ListRow& listed = window->aEllipsoide.front();
    const SemiAxes listedAxes = window->aEllParQ.front();
    char listedNumber[5];
    snprintf(listedNumber, sizeof listedNumber, "%04d", listed.number);
    const std::string listedCombo = std::string("0005") + listedNumber + "00051000";

    struct Case {
        const char* what;
        Profile profile;
        std::function<void()> check;
    } cases[] = {
        {"empty profile", {}, [&] { ErwarteGleich(Eingaben(), start); }},
        {"empty values",
         {{"ParaCombo", ""}, {"ParaTyp", ""}, {"ParaBezQ", ""}, {"ParaEllQ", ""}, {"ParaKom", "   "}},
         [&] { ErwarteGleich(Eingaben(), start); }},
        {"keys in other case are other keys",
         {{"paracombo", "0002100000021000"}, {"PARATYP", "3"}},
         [&] { ErwarteGleich(Eingaben(), start); }},
        {"combination of 15", {{"ParaCombo", "000210000002100"}}, [&] { ErwarteGleich(Eingaben(), start); }},
        {"combination of 17", {{"ParaCombo", "00021000000210000"}}, [&] { ErwarteGleich(Eingaben(), start); }},
        {"convention 0", {{"ParaTyp", "0"}}, [&] { EXPECT_EQ(window->wParTyp, 1); }},
        {"convention 7", {{"ParaTyp", "7"}}, [&] { EXPECT_EQ(window->wParTyp, 1); }},
        {"convention huge", {{"ParaTyp", "99999999999999"}}, [&] { EXPECT_EQ(window->wParTyp, 1); }},
        {"first of two rows counts",
         {{"ParaTyp", "2"}, {"ParaTyp", "3"}, {"ParaBezZ", "erste"}, {"ParaBezZ", "zweite"}},
         [&] {
             EXPECT_EQ(window->wParTyp, 2);
             EXPECT_TRUE(Get<RadioButton>("HELMERTVECTOR")->Pressed());
             EXPECT_EQ(Get<Edit>("EDITBEZZ")->TextValue(), "erste");
         }},
        {"axes shorter than 30",
         {{"ParaEllQ", "6378137.00000006356752.3"}},
         [&] {
             EXPECT_EQ(Get<Edit>("HALBACHSGQ")->TextValue(), "6378137.0000000");
             EXPECT_EQ(Get<Edit>("HALBACHSKQ")->TextValue(), "0000006356752.3");
             EXPECT_TRUE(window->lEllOkQ);
             ErwarteBenutzerEllipsoid(true, {6378137.0, 6356752.3});
         }},
        {"axes that fail the check",
         {{"ParaEllQ", "6378137.00000006378137.0000000"}},
         [&] {
             EXPECT_FALSE(window->lEllOkQ);
             EXPECT_EQ(Get<Edit>("HALBACHSKQ")->TextValue(), "6378137.0000000");
             ErwarteBenutzerEllipsoid(true, startUser);
         }},
        {"garbage axes",
         {{"ParaEllQ", std::string("\x01\xff garbage \x7f", 14) + std::string(40, 'x')}},
         [&] {
             EXPECT_FALSE(window->lEllOkQ);
             ErwarteBenutzerEllipsoid(true, startUser);
         }},
        {"a listed ellipsoid",
         {{"ParaCombo", listedCombo}, {"ParaEllQ", "6000000.00000006000000.0000000"}},
         [&] {
             EXPECT_EQ(Get<ComboBox>("COMELLQ")->Value(), listed.number);
             EXPECT_NEAR(Val(Get<Edit>("HALBACHSGQ")->TextValue()), listedAxes.a, 1e-6);
             EXPECT_NEAR(Val(Get<Edit>("HALBACHSKQ")->TextValue()), listedAxes.b, 1e-6);
             EXPECT_FALSE(Get<Edit>("FLATTENINGQ")->TextValue().empty());
             EXPECT_TRUE(window->lEllOkQ);
             ErwarteBenutzerEllipsoid(true, tenth);
             // Choosing the user ellipsoid now shows what the library holds.
             Waehlen("COMELLQ", static_cast<int>(window->aEllipsoide.size()));
             EXPECT_NEAR(Val(Get<Edit>("HALBACHSGQ")->TextValue()), tenth.a, 1e-6);
         }},
        {"a name of 10,000 characters and other keys",
         {{"ParaBezQ", std::string(10000, 'q')}, {"Other", "1"}, {"", ""}},
         [&] {
             EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue().size(), 10000u);
             EXPECT_EQ(Get<Edit>("KOM")->TextValue(), unnamed);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window->ProfilArray2Prg({});
        library.setuserellsource(kUserEllipsoid, startUser.a, startUser.b);
        window->aEllParQ.back() = startUser;
        window->ProfilArray2Prg(c.profile);
        c.check();
    }
}

TEST_F(LastInputs, AnInvalidSideIsStoredAsTheLibrarysUserEllipsoid)
{
    Waehlen("COMELLQ", 1);
    Eingeben("HALBACHSGQ", "5");  // disabled for a listed ellipsoid, but typed all the same
    ASSERT_FALSE(window->lEllOkQ);
    const Profile profile = window->ProfilPrg2Array();
    ASSERT_EQ(profile.size(), 7u);
    EXPECT_EQ(profile[0].key, "ParaEllQ");
    EXPECT_EQ(profile[0].value, "6378137.00000006356752.3141404");
    EXPECT_EQ(profile[2].value, kStandardCombination);
    EXPECT_EQ(Get<ComboBox>("COMELLQ")->Value(), kUserEllipsoid);
}

TEST_F(LastInputs, WithoutAUserFolderNothingIsReadOrWritten)
{
    ASSERT_TRUE(WriteIniString("ProgrammFen", "ParaTyp", "3", Ini()));
    gcPfadUser.clear();
    const std::string cwdIni = "meridoxa.ini";
    DeleteFileA(cwdIni.c_str());
    Neustart();
    EXPECT_EQ(window->wParTyp, 1);
    window->Destroy();
    EXPECT_FALSE(FileExists(cwdIni));
    EXPECT_EQ(GetIniString("ProgrammFen", "ParaTyp", Ini()), "3");
    window = std::make_unique<dtaCalcPar>(frame.get());
}

}  // namespace
}  // namespace calcwindow_test
