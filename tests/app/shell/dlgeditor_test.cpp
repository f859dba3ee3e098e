// The dialog of the file tools: what it opens with, what apply takes over
// and stores, what the choosers put into the fields, help, cancel, and the
// protocol view that uses the stored program.
#include "app/shell/dlgeditor.h"

#include <htmlhelp.h>

#include <algorithm>
#include <vector>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/dialog_fixture.h"
#include "calc/library.h"
#include "lib/ini.h"
#include "platform/runtime/files.h"

namespace {

using shell_test::PutFile;

class DlgEditorTest : public shell_test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        viewer = root + "tools\\viewer.exe";
        CreateDirectoryA((root + "tools").c_str(), nullptr);
        PutFile(viewer, "MZ");
        for (const char* dir : {"proto", "start"}) CreateDirectoryA((root + dir).c_str(), nullptr);
    }

    std::string Ini() const { return gcPfadUser + "meridoxa.ini"; }
    std::string StoredViewer() const
    {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Ini().c_str());
        return GetIniString("Config", "TextEditor", Ini());
    }

    static std::string Field(dlgEditor& dialog, const char* name) { return dialog.GetControl(name)->Caption(); }
    static void Type(dlgEditor& dialog, const char* name, const std::string& text)
    {
        dialog.GetControl(name)->SetCaption(text);
    }

    // The error sounds played since the seam's record was last cleared.
    long ErrorSounds() const
    {
        const auto sounds = seam.CallsOf("Sound");
        return std::count_if(sounds.begin(), sounds.end(), [](const auto& call) { return call.text == "SystemHand"; });
    }

    std::string viewer;
};

TEST_F(DlgEditorTest, OpensWithTheStoredProgramEvenWhenItIsGoneAndTheProtocolFolder)
{
    ASSERT_TRUE(WriteIniString("Config", "TextEditor", "c:\\gone\\Viewer.exe", Ini()));
    gcPfadProto = root + "start\\";
    dlgEditor dialog(frame.get());
    EXPECT_EQ(Field(dialog, "EDITTEXT"), "c:\\gone\\Viewer.exe");
    EXPECT_EQ(Field(dialog, "EDITPROTO"), root + "start\\");
}

TEST_F(DlgEditorTest, TextsComeFromTheLanguageFile)
{
    const struct {
        const char* language;
        const char* caption;
        const char* apply;
        const char* choose;
    } cases[] = {
        {"eng", "Choice of file tools", "Apply", "Choose"},
        {"ger", "Auswahl von Dateiwerkzeugen",
         "\xDC"
         "bernehmen",
         "W\xE4hlen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        gcSprache = c.language;
        dlgEditor dialog(frame.get());
        EXPECT_EQ(dialog.Caption(), c.caption);
        EXPECT_EQ(dialog.SprachTexte().at(0), c.caption);
        EXPECT_EQ(Field(dialog, "EDITWEITER"), c.apply);
        EXPECT_EQ(Field(dialog, "BUTSUCHPROTOPATH"), c.choose);
        // An empty store leaves the program field empty, not the layout's caption.
        EXPECT_EQ(Field(dialog, "EDITTEXT"), "");
    }
}

TEST_F(DlgEditorTest, ApplyTakesOverEachValidSettingAndClosesOnlyWhenBothAreValid)
{
    const std::string kept = "kept viewer";
    const std::string start = root + "start\\";
    const std::string proto = root + "proto\\";
    const std::string missing = root + "missing\\";
    const struct {
        const char* name;
        std::string program, folder;
        std::string stored, protoAfter;
        std::vector<int> errors;
    } cases[] = {
        {"an empty program is valid and stored empty", "", proto, "", proto, {}},
        {"blanks around the program are trimmed", "  " + viewer + "  ", proto, viewer, proto, {}},
        {"a missing program, an existing folder", root + "none.exe", proto, kept, proto, {6}},
        {"an existing program, a missing folder", viewer, missing, viewer, start, {7}},
        {"both invalid", root + "none.exe", missing, kept, start, {6, 7}},
        {"a folder without a backslash gets one", viewer, root + "proto", viewer, proto, {}},
        {"a typed folder stays as typed", viewer, root + "PROTO\\", viewer, root + "PROTO\\", {}},
        {"an empty folder gives the default folder", viewer, "  ", viewer, gcPfadUser + "UserData\\", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteIniString("Config", "TextEditor", kept, Ini()));
        gcPfadProto = start;
        goFehler->HideMeldung();
        dlgEditor dialog(frame.get());
        Type(dialog, "EDITTEXT", c.program);
        Type(dialog, "EDITPROTO", c.folder);
        seam.calls.clear();
        Click(dialog, "EDITWEITER");
        EXPECT_EQ(StoredViewer(), c.stored);
        EXPECT_EQ(gcPfadProto, c.protoAfter);
        // Both messages show together, one a line.
        std::string message;
        for (const int n : c.errors)
            message += (message.empty() ? "" : "\r\n") + dialog.SprachTexte().at(static_cast<size_t>(n - 1));
        EXPECT_EQ(ErrorSounds(), c.errors.empty() ? 0 : 1);
        EXPECT_EQ(Fehler(), message);
        if (c.errors.empty()) {
            EXPECT_EQ(dialog.Handle(), nullptr) << "the dialog ends";
            EXPECT_EQ(dialog.Result(), 1);
        } else {
            ASSERT_NE(dialog.Handle(), nullptr) << "the dialog stays open";
            EXPECT_EQ(Field(dialog, "EDITTEXT"), c.program);
            EXPECT_EQ(Field(dialog, "EDITPROTO"), c.folder);
            dialog.EndDialog();
        }
    }
}

TEST_F(DlgEditorTest, AnUnwritableSettingsFileIsReportedAndKeepsTheDialogOpen)
{
    ASSERT_TRUE(WriteIniString("Config", "TextEditor", "old", Ini()));
    SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_READONLY);
    dlgEditor dialog(frame.get());
    Type(dialog, "EDITTEXT", viewer);
    Type(dialog, "EDITPROTO", root + "proto\\");
    Click(dialog, "EDITWEITER");
    EXPECT_EQ(Fehler(), Ini() + ": " + DosErrString(ERROR_ACCESS_DENIED));
    EXPECT_NE(dialog.Handle(), nullptr);
    EXPECT_EQ(StoredViewer(), "old");
    EXPECT_EQ(gcPfadProto, root + "proto\\");
    SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DlgEditorTest, CancelEndsAndKeepsWhatAnEarlierApplyTookOver)
{
    dlgEditor dialog(frame.get());
    Type(dialog, "EDITTEXT", root + "none.exe");
    Type(dialog, "EDITPROTO", root + "proto");
    Click(dialog, "EDITWEITER");
    ASSERT_NE(dialog.Handle(), nullptr);
    Click(dialog, "EDITABBRECHEN");
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Result(), 0);
    EXPECT_EQ(gcPfadProto, root + "proto\\");
    EXPECT_EQ(StoredViewer(), "");
}

TEST_F(DlgEditorTest, TheProgramChooserStartsAtTheFieldAndPutsItsChoiceInLowerCase)
{
    const struct {
        const char* name;
        std::string field, answer;
        std::string initialName, initialDirectory, fieldAfter;
    } cases[] = {
        {"empty field: user folder and all files", "", "C:\\Tools\\Viewer.EXE", gcPfadUser + "*.*", gcPfadUser,
         "c:\\tools\\viewer.exe"},
        {"a program: its folder in lower case and its name", "  D:\\Progs\\Edit.Exe", "", "d:\\progs\\Edit.Exe",
         "d:\\progs\\", "  D:\\Progs\\Edit.Exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlgEditor dialog(frame.get());
        Type(dialog, "EDITTEXT", c.field);
        seam.calls.clear();
        seam.fileAnswers = {c.answer};
        std::string filter, initialDirectory;
        DWORD filterIndex = 0;
        seam.inspectFileRequest = [&](OPENFILENAMEA& request) {
            filter.assign(request.lpstrFilter, 80);
            initialDirectory = request.lpstrInitialDir ? request.lpstrInitialDir : "";
            filterIndex = request.nFilterIndex;
        };
        Click(dialog, "BUTSUCHTEXTED");
        const auto calls = seam.CallsOf("OpenFile");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.initialName);
        EXPECT_EQ(calls[0].detail, "MERIDOXA -- " + dialog.SprachTexte().at(1));
        EXPECT_TRUE(calls[0].number & OFN_HIDEREADONLY);
        EXPECT_EQ(initialDirectory, c.initialDirectory);
        EXPECT_EQ(filter.substr(0, filter.find('\0', filter.find('\0') + 1)),
                  dialog.SprachTexte().at(3) + std::string(1, '\0') + "*.exe;*.com;*.bat");
        EXPECT_EQ(filterIndex, 1u);
        EXPECT_EQ(Field(dialog, "EDITTEXT"), c.fieldAfter);
        dialog.EndDialog();
    }
}

TEST_F(DlgEditorTest, TheFolderChooserStartsAtTheFieldAndPutsItsChoiceInLowerCaseWithABackslash)
{
    const struct {
        const char* name;
        std::string field;
        std::vector<std::string> answers;
        std::string startFolder, fieldAfter;
    } cases[] = {
        {"a folder without a backslash",
         "E:\\Data\\Old\\",
         {"C:\\Data\\Proto"},
         "e:\\data\\old\\",
         "c:\\data\\proto\\"},
        {"a folder with a backslash", "E:\\Data\\Old\\", {"C:\\Data\\"}, "e:\\data\\old\\", "c:\\data\\"},
        {"cancelled", "E:\\Data\\Old\\", {}, "e:\\data\\old\\", "E:\\Data\\Old\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlgEditor dialog(frame.get());
        Type(dialog, "EDITPROTO", c.field);
        seam.calls.clear();
        seam.folderAnswers = {c.answers.begin(), c.answers.end()};
        Click(dialog, "BUTSUCHPROTOPATH");
        const auto calls = seam.CallsOf("Folder");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, c.startFolder);
        EXPECT_EQ(calls[0].detail, "MERIDOXA -- " + dialog.SprachTexte().at(2));
        EXPECT_EQ(Field(dialog, "EDITPROTO"), c.fieldAfter);
        dialog.EndDialog();
    }
}

TEST_F(DlgEditorTest, HelpShowsItsTopicAndTheDialogStaysOpen)
{
    dlgEditor dialog(frame.get());
    Click(dialog, "EDITHILFE");
    const auto calls = seam.CallsOf("Help");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].text, "zodedado.chm");
    EXPECT_EQ(calls[0].detail, "a_editoreinstellung");
    EXPECT_EQ(calls[0].number, HH_ALINK_LOOKUP);
    EXPECT_NE(dialog.Handle(), nullptr);
}

TEST_F(DlgEditorTest, RunsModallyWithTheFocusOnTheProgramField)
{
    dlgEditor dialog(frame.get());
    const HWND field = dialog.GetControl("EDITTEXT")->Handle();
    HWND focus = nullptr;
    bool ownerEnabled = true;
    shell_test::RunModal(dialog, [&] {
        focus = GetFocus();
        ownerEnabled = frame->IsEnabled();
        Click(dialog, "EDITWEITER");
        if (dialog.Handle()) dialog.EndDialog(-1);
    });
    EXPECT_EQ(focus, field);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Result(), 1);
    EXPECT_TRUE(frame->IsEnabled());
}

// The program that apply stores is the one the next protocol view starts.
TEST_F(DlgEditorTest, TheProtocolViewStartsTheStoredProgram)
{
    geodesy::GeodesyLibrary library;
    ASSERT_TRUE(library.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) << library.Error();
    calc::SetLibrary(&library);
    {
        dlgEditor dialog(frame.get());
        Type(dialog, "EDITTEXT", viewer);
        Type(dialog, "EDITPROTO", root + "proto\\");
        Click(dialog, "EDITWEITER");
        ASSERT_EQ(dialog.Handle(), nullptr);
    }
    dtaCalcPar window(frame.get());
    PutFile(root + "proto\\protocol.log", "protocol\r\n");
    seam.calls.clear();
    window.ButEditProtoDatei();
    const auto calls = seam.CallsOf("ShellExecute");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].text, viewer);
    EXPECT_EQ(calls[0].detail, "open|\"" + root + "proto\\protocol.log\"|");
    window.Destroy();
    calc::SetLibrary(nullptr);
}

}  // namespace
