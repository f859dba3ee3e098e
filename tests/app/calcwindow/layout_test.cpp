#include "calcwindow_fixture.h"

#include <typeinfo>

namespace calcwindow_test {
namespace {

using LayoutTest = CalcWindowTest;

// The face, size and weight each template item's font has.
struct FontSpec {
    const char* cFace;
    int nPoints;
    bool lBold;
};
const FontSpec kFonts[] = {
    {"Arial", 10, true}, {"Arial", 8, true}, {"Courier New", 10, true}, {"Arial", 8, false}, {"Courier New", 16, true}};

// The framework class of a control, as its name tells it.
const std::type_info& ExpectedClass(const std::string& cName)
{
    if (cName.starts_with("TEXT")) return typeid(FixedText);
    if (cName.starts_with("GRUPPE")) return typeid(GroupBox);
    if (cName == "BUTINFO") return typeid(gFormPushButton);
    if (cName.starts_with("BUT")) return typeid(PushButton);
    if (cName.starts_with("CHECK")) return typeid(CheckBox);
    if (cName.starts_with("COM")) return typeid(ComboBox);
    if (cName.starts_with("KOORDLIST") || cName == "HELMERTPAR") return typeid(MultiLineEdit);
    if (cName.starts_with("HELMERT") || cName == "MOLODENSKY") return typeid(RadioButton);
    if (cName == "ICONAPP") return typeid(FixedIcon);
    return typeid(SingleLineEdit);
}

TEST_F(LayoutTest, SixtyNineControlsInIdOrderWithNameClassAndFont)
{
    const std::vector<Control*> children = window->GetAllChildren();
    ASSERT_EQ(children.size(), 69u);
    for (size_t i = 0; i < children.size(); ++i) {
        const LayoutItem& item = gaCalcParItems[i];
        SCOPED_TRACE(item.cName);
        EXPECT_EQ(item.nId, static_cast<int>(100 + i));
        Control* control = Get(item.cName);
        ASSERT_EQ(control, children[i]);
        EXPECT_EQ(control->ControlId(), item.nId);
        EXPECT_EQ(GetDlgItem(window->Handle(), item.nId), control->Handle());
        EXPECT_EQ(typeid(*control), ExpectedClass(item.cName));
        if (item.nFont == 0) {
            EXPECT_EQ(control->GetFont().PointSize(), 0);
            continue;
        }
        const FontSpec& font = kFonts[item.nFont - 1];
        EXPECT_EQ(control->GetFont().FaceName(), font.cFace);
        EXPECT_EQ(control->GetFont().PointSize(), font.nPoints);
        EXPECT_EQ(control->GetFont().IsBold(), font.lBold);
    }
}

TEST_F(LayoutTest, TemplateGivesSizeStylesAndTheRadioGroup)
{
    // 415 x 391 dialog units in the template font (the calculation window
    // itself then takes the size of its frame's canvas).
    dtaCalcPar_vo layout(frame.get());
    RECT units{0, 0, 415, 391};
    MapDialogRect(layout.Handle(), &units);
    EXPECT_EQ(layout.CanvasArea().Width(), units.right);
    EXPECT_EQ(layout.CanvasArea().Height(), units.bottom);
    layout.Destroy();

    auto style = [&](const char* cName) { return GetWindowLongA(Get(cName)->Handle(), GWL_STYLE); };
    EXPECT_TRUE(style("HELMERTFRAME") & WS_GROUP);
    for (const char* cName : {"HELMERTVECTOR", "HELMERTISO19111", "MOLODENSKY"})
        EXPECT_FALSE(style(cName) & WS_GROUP) << cName;
    EXPECT_TRUE(style("CHECKGEOOUT") & BS_AUTOCHECKBOX);
    EXPECT_EQ(style("COMFORMQ") & CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
    EXPECT_TRUE(style("HALBACHSGQ") & ES_RIGHT);
    EXPECT_TRUE(style("KOORDLISTZ") & ES_MULTILINE);
    EXPECT_EQ(style("ICONAPP") & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(SendMessageA(Get("ICONAPP")->Handle(), STM_GETICON, 0, 0), 0);

    // The default caption of the comma option keeps its final blank.
    EXPECT_STREQ(gaCalcParItems[46].cCaption, "Komma als Dezimaltrennzeichen zulassen ");
    for (const char* cName : {"TEXTGRUPPE3", "GRUPPE4"})
        EXPECT_EQ(static_cast<Control*>(Get(cName))->TextColor()->ColorRef(), 1u) << cName;
    EXPECT_EQ(Get("TEXT3")->TextColor(), nullptr);
}

TEST_F(LayoutTest, TextLimitsHoldTheLargestListsAndReports)
{
    auto limit = [&](const char* cName) { return SendMessageA(Get(cName)->Handle(), EM_GETLIMITTEXT, 0, 0); };
    EXPECT_EQ(limit("KOORDLISTQ"), kPointListLimit);
    EXPECT_EQ(limit("KOORDLISTZ"), kPointListLimit);
    EXPECT_GE(kPointListLimit, 30000 * (80 + 2));  // 30,000 lines of 80 characters with CR LF
    EXPECT_EQ(limit("HELMERTPAR"), kResultLimit);
    EXPECT_GT(kResultLimit, 10000000);
}

// Pasting into a point list: the whole text arrives, or the field says that
// it did not take everything; never a silent cut.
TEST_F(LayoutTest, PastingBeyondTheListLimitEndsWholeOrInTheMessage)
{
    const std::string line = "P12345 " + std::string(71, '7') + "\r\n";
    struct Case {
        std::size_t lines;
        bool fits;
    };
    for (const Case c : {Case{30000, true}, Case{kPointListLimit / line.size() + 10, false}}) {
        SCOPED_TRACE(c.lines);
        std::string text;
        for (std::size_t i = 0; i < c.lines; ++i) text += line;
        ASSERT_TRUE(OpenClipboard(window->Handle()));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
        goFehler->HideMeldung();
        auto* list = Get<MultiLineEdit>("KOORDLISTZ");
        list->SetTextValue("");
        SendMessageA(list->Handle(), WM_PASTE, 0, 0);
        const std::size_t taken = list->TextValue().size();
        if (c.fits) {
            EXPECT_EQ(taken, text.size());
            EXPECT_EQ(Fehler(), "");
        } else {
            EXPECT_LT(taken, text.size());
            EXPECT_EQ(Fehler(), Text(95));
        }
    }
}

TEST_F(LayoutTest, FieldAccessReadsAndWritesTheControlByName)
{
    const struct {
        const char* cName;
        Value uValue;
    } cases[] = {
        {"KOORDLISTQ", Value("1 2 3\r\n4 5 6")}, {"KOM", Value("Netz 1")},      {"COMFORMZ", Value(12)},
        {"COMELLQ", Value(kUserEllipsoid)},      {"CHECKKLAFOUT", Value(true)}, {"CHECKINVERS", Value(false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cName);
        EXPECT_TRUE(window->FieldStored(c.cName).IsNil());
        window->FieldPut(c.cName, c.uValue);
        const Value read = window->FieldGet(c.cName);
        EXPECT_EQ(read.GetKind(), c.uValue.GetKind());
        if (read.IsText())
            EXPECT_EQ(read.AsText(), c.uValue.AsText());
        else if (read.IsNumber())
            EXPECT_EQ(read.AsNumber(), c.uValue.AsNumber());
        else
            EXPECT_EQ(read.AsLogic(), c.uValue.AsLogic());
        EXPECT_EQ(window->FieldStored(c.cName).GetKind(), c.uValue.GetKind());
    }
    EXPECT_EQ(Get<MultiLineEdit>("KOORDLISTQ")->GetLine(2), "4 5 6");
    EXPECT_TRUE(window->FieldGet("BUTBERECHNEN").IsNil());
    EXPECT_TRUE(window->FieldPut("TEXT3", Value("x")).IsNil());
    EXPECT_NE(Get("TEXT3")->Caption(), "x");
}

TEST_F(LayoutTest, LanguageFileReplacesTheGermanDefaults)
{
    const struct {
        const char* cName;
        const char* cCaption;
        const char* cDescription;
    } cases[] = {
        {"BUTBERECHNEN", "Compute transformation parameters", "Computes the transformation parameters"},
        {"TEXTGRUPPE1", "Source reference system", "The points in the source reference system"},
        {"CHECKKOMMA", "Allow comma as decimal separator", "A comma in the point lists"},
        {"KOORDLISTQ", "", "Identical points in the source reference system"},
        {"ICONAPP", "", "Blinks while a computation"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cName);
        const HyperLabel& label = Get(c.cName)->GetHyperLabel();
        EXPECT_EQ(label.Name(), c.cName);
        if (*c.cCaption) {
            EXPECT_EQ(label.Caption(), c.cCaption);
            EXPECT_EQ(Get(c.cName)->Caption(), c.cCaption);
        }
        EXPECT_TRUE(label.Description().starts_with(c.cDescription)) << label.Description();
    }
    EXPECT_EQ(Get("KOORDLISTQ")->Caption(), "");
    EXPECT_EQ(Text(47), "unnamed");
    EXPECT_EQ(Get<Edit>("EDITBEZQ")->TextValue(), "unnamed");
}

class GermanLayoutTest : public CalcWindowTest {
protected:
    std::string Sprache() const override { return "ger"; }
};

TEST_F(GermanLayoutTest, CaptionsFormatsAndEllipsoidsInGerman)
{
    EXPECT_EQ(Get("HELMERTISO19111")->Caption(), "Europ\xe4ischer Standard (ISO 19111)");
    EXPECT_EQ(Get("BUTBEENDEN")->Caption(), "Progr. beenden");
    EXPECT_EQ(Get("CHECKINVERS")->GetHyperLabel().Description(),
              "Berechnet die Parameter vom Ziel- in das Quell-Bezugssystem");
    EXPECT_EQ(window->aFormate.at(18).name, "UTM-Koordinaten [8/7-stellig] (E,N,H)");
}

}  // namespace
}  // namespace calcwindow_test
