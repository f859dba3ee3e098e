// The language dialog: which row it preselects, what Apply, a double-click,
// Cancel and the close box give, when it asks and what, and its help.
#include "app/shell/dlgsprache.h"

#include <windows.h>
#include <htmlhelp.h>

#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

#include "app/shell/globals.h"
#include "lib/sprache.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/standard_dialogs.h"

namespace {

// The ways the dialog is ended in the tests; Nothing leaves it open.
enum class Ending { Apply, DoubleClick, Cancel, CloseBox, Nothing };

// The result of a dialog that the test's action left open.
constexpr int kLeftOpen = -1;

// The language dialog, which a last posted message ends with kLeftOpen when
// the test's action did not; it notes then what the running dialog showed.
class TestDialog : public dlgSprache {
public:
    using dlgSprache::dlgSprache;
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message != WM_APP) return dlgSprache::Dispatch(oEvent);
        listFocused = GetFocus() == GetControl("COMCHOOSE")->Handle();
        GetWindowRect(Handle(), &place);
        EndDialog(kLeftOpen);
        return 0;
    }
    bool listFocused = false;
    RECT place{};
};

// A language directory with an English file holding the dialog's texts, and
// a frame window that owns the dialog.
class LanguageDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, dir);
        gcPfadSprache = std::string(dir) + "\\";
        std::ofstream(gcPfadSprache + "mdx_eng.lng", std::ios::binary)
            << "[LANGUAGE]\r\nLANG_TEXT=English\r\n"
               "[DLGSPRACHE_STRING]\r\nSTRING_001=Language\r\nSTRING_002=Switch?\r\nSTRING_003=Code page\r\n"
               "[DLGSPRACHE_CONTROL]\r\nCHOOSEWEITER_C=Apply\r\nCOMCHOOSE_D=Languages found\r\n";
        frame.SetSize({800, 600});
        frame.SetOrigin({150, 200});
        frame.Show();
    }

    SprachZeile Row(const char* cCode, const char* cText, bool lNachfrage) const
    {
        return {cCode, 2, gcPfadSprache + "mdx_" + cCode + ".lng", cText, 0, lNachfrage};
    }

    static ListBox& List(TestDialog& dialog) { return *static_cast<ListBox*>(dialog.GetControl("COMCHOOSE")); }

    // Clicks the push button of that name once the dialog runs.
    static void Press(TestDialog& dialog, const char* cName)
    {
        PostMessageA(dialog.GetControl(cName)->Handle(), BM_CLICK, 0, 0);
    }

    // Selects row n (none for 0; nullopt keeps the preselection), then ends
    // the dialog the given way while it runs.
    static void Run(TestDialog& dialog, std::optional<int> row, Ending ending)
    {
        ListBox& list = List(dialog);
        if (row) list.SetCurrentItemNo(*row);
        const HWND hwnd = dialog.Handle();
        switch (ending) {
        case Ending::Apply: Press(dialog, "CHOOSEWEITER"); break;
        case Ending::Cancel: Press(dialog, "CHOOSEABBRECHEN"); break;
        case Ending::CloseBox: PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case Ending::DoubleClick: {
            RECT rect{};
            SendMessageA(list.Handle(), LB_GETITEMRECT, list.CurrentItemNo() - 1, reinterpret_cast<LPARAM>(&rect));
            const LPARAM at = MAKELPARAM(rect.left + 5, (rect.top + rect.bottom) / 2);
            PostMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
            PostMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            PostMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
            break;
        }
        case Ending::Nothing: break;
        }
        PostMessageA(hwnd, WM_APP, 0, 0);
        dialog.Show();
    }

    TopAppWindow frame;
};

TEST_F(LanguageDialogTest, ResultQuestionAndCodeFollowTheChoice)
{
    const SprachZeile eng = Row("eng", "English", false);
    const SprachZeile ger = Row("ger", "Deutsch", true);
    const SprachZeile slv = Row("slv", "Slovenski", true);
    const SprachZeile none{"???", 2, "mdx_???.lng", "No language files found", 0, false};
    const std::string alone = "Switch?";
    const std::string both = "Switch?\n\nCode page";
    const auto apply = Ending::Apply;
    const auto twice = Ending::DoubleClick;
    const struct {
        const char* name;
        std::vector<SprachZeile> rows;
        const char* current;
        int preselected;
        std::optional<int> row;  // chosen before the ending; none keeps the preselection
        Ending ending;
        std::deque<int> answers;
        long result;
        std::optional<std::string> question;
        const char* code;
    } cases[] = {
        {"the current language again", {eng, ger}, "ger", 2, {}, apply, {}, 0, {}, "ger"},
        {"no row selected", {eng, ger}, "ger", 2, 0, apply, {}, 0, {}, ""},
        {"a later equal row is current", {eng, ger, ger}, "ger", 3, 2, apply, {IDYES}, 1, both, "ger"},
        {"no row has the code: row 1 is current", {eng, ger}, "fra", 1, {}, apply, {}, 0, {}, "eng"},
        {"no row has the code: row 2 switches", {eng, ger}, "fra", 1, 2, apply, {IDYES}, 1, alone, "ger"},
        {"only the placeholder row", {none}, "eng", 1, {}, apply, {}, 0, {}, "???"},
        {"a row that does not ask", {eng, ger}, "ger", 2, 1, apply, {}, 1, {}, "eng"},
        {"asking from English, Yes", {eng, ger, slv}, "eng", 1, 2, apply, {IDYES}, 1, alone, "ger"},
        {"asking from English, No", {eng, ger, slv}, "eng", 1, 3, apply, {IDNO}, 0, alone, "slv"},
        {"asking from German, Yes", {eng, ger, slv}, "ger", 2, 3, apply, {IDYES}, 1, both, "slv"},
        {"double-click, No", {eng, ger, slv}, "ger", 2, 3, twice, {IDNO}, 0, both, "slv"},
        {"double-click, Yes", {eng, ger, slv}, "eng", 1, 2, twice, {IDYES}, 1, alone, "ger"},
        {"double-click, no question", {eng, ger}, "ger", 2, 1, twice, {}, 1, {}, "eng"},
        {"double-click on the current row", {eng, ger}, "ger", 2, {}, twice, {}, 0, {}, "ger"},
        {"cancel", {eng, ger}, "ger", 2, 1, Ending::Cancel, {}, 0, {}, "eng"},
        {"the close box", {eng, ger}, "eng", 1, 2, Ending::CloseBox, {}, 0, {}, "ger"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        gaSprachen = c.rows;
        gcSprache = c.current;
        RecordingSeam seam;
        seam.messageBoxAnswers = c.answers;
        TestDialog dialog(&frame);
        const HWND hwnd = dialog.Handle();
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(List(dialog).CurrentItemNo(), c.preselected);

        Run(dialog, c.row, c.ending);

        EXPECT_EQ(dialog.Handle(), nullptr);
        EXPECT_EQ(dialog.Result(), c.result);
        EXPECT_EQ(dialog.CSprache(), c.code);
        const auto boxes = seam.CallsOf("MessageBox");
        EXPECT_EQ(boxes.size(), c.question ? 1u : 0u);
        if (!c.question || boxes.size() != 1) continue;
        EXPECT_EQ(boxes[0].text, *c.question);
        EXPECT_EQ(boxes[0].detail, "Language");
        EXPECT_EQ(boxes[0].number, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(boxes[0].owner, hwnd);
        EXPECT_EQ(seam.CallsOf("Beep").size(), 1u);
    }
}

TEST_F(LanguageDialogTest, OpensCentredOnItsOwnerWithTheListFocusedAndTheRowsShown)
{
    gaSprachen = {Row("eng", "English", false), Row("ger", "Deutsch", true)};
    gcSprache = "eng";
    RecordingSeam seam;
    TestDialog dialog(&frame);
    EXPECT_EQ(dialog.Caption(), "Language");
    EXPECT_EQ(dialog.GetControl("CHOOSEWEITER")->GetHyperLabel().caption, "Apply");
    EXPECT_EQ(dialog.GetControl("CHOOSEHILFE")->GetHyperLabel().caption, "Hilfe");
    EXPECT_EQ(dialog.GetControl("COMCHOOSE")->GetHyperLabel().description, "Languages found");
    EXPECT_EQ(List(dialog).ItemCount(), 2);

    Run(dialog, {}, Ending::Nothing);

    EXPECT_EQ(dialog.Result(), kLeftOpen);
    EXPECT_TRUE(dialog.listFocused);
    // Within a few pixels of the centre of the owner's canvas (the owner's
    // outer size, less its caption, is centred on).
    RECT canvas{};
    GetClientRect(frame.Handle(), &canvas);
    MapWindowPoints(frame.Handle(), nullptr, reinterpret_cast<POINT*>(&canvas), 2);
    EXPECT_NEAR(dialog.place.left + dialog.place.right, canvas.left + canvas.right, 20);
    EXPECT_NEAR(dialog.place.top + dialog.place.bottom, canvas.top + canvas.bottom, 20);
    EXPECT_TRUE(frame.IsEnabled());
}

TEST_F(LanguageDialogTest, HelpShowsTheTopicOfTheLanguageChoiceAndKeepsTheDialogOpen)
{
    gaSprachen = {Row("eng", "English", false), Row("ger", "Deutsch", false)};
    gcSprache = "eng";
    RecordingSeam seam;
    frame.SetHelpDisplay(std::make_unique<HelpDisplay>("zodedado.chm", &frame));
    goShell = &frame;
    TestDialog dialog(&frame);
    Press(dialog, "CHOOSEHILFE");
    Run(dialog, 2, Ending::Apply);
    goShell = nullptr;

    EXPECT_EQ(dialog.Result(), 1);
    const auto help = seam.CallsOf("Help");
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help[0].text, "zodedado.chm");
    EXPECT_EQ(help[0].detail, "a_spracheauswahl");
    EXPECT_EQ(help[0].number, HH_ALINK_LOOKUP);
}

}  // namespace
