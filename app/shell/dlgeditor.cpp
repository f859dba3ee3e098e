#include "app/shell/dlgeditor.h"

#include "app/shell/drucken.h"
#include "app/shell/globals.h"
#include "app/shell/settings.h"
#include "calc/computation.h"
#include "lib/files.h"
#include "lib/ini.h"
#include "lib/meldung.h"
#include "lib/placement.h"
#include "lib/sprache.h"
#include "platform/framework/filepath.h"
#include "platform/framework/layout_item.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "widgets/opensavedialog.h"

namespace {

constexpr LayoutItem kItems[] = {
    {100, "EDITTEXT", "Programm zur Anzeige von Textdateien", 1},
    {101, "EDITHILFE", "Hilfe", 2},
    {102, "EDITABBRECHEN", "Abbrechen", 2},
    {103, "EDITWEITER",
     "\xDC"
     "bernehmen",
     2},
    {104, "TEXT1", "Programm zur Anzeige von Textdateien", 1},
    {105, "BUTSUCHTEXTED", "Suchen", 2},
    {106, "TEXT3", "Pfad zur Ablage der Protokolldatei", 1},
    {107, "EDITPROTO", "", 1},
    {108, "BUTSUCHPROTOPATH", "W\xE4hlen", 2},
};

// Numbers of the dialog's texts.
constexpr int kTextProgramTitle = 2;
constexpr int kTextFolderTitle = 3;
constexpr int kTextProgramFilter = 4;
constexpr int kTextAllFilter = 5;
constexpr int kTextNoProgram = 6;
constexpr int kTextNoDirectory = 7;

}  // namespace

template <class T>
T* dlgEditor_vo::Make(int nId)
{
    return MakeLayoutControl<T>(*this, kItems, nId, fonts_);
}

dlgEditor_vo::dlgEditor_vo(Window* oOwner) : DialogWindow(oOwner, "dlgEditor_vo", true)
{
    PreInit();
    fonts_[0] = Font(10, "Arial");
    fonts_[1] = Font(8, "Arial");
    for (Font& font : fonts_) font.Bold(true);
    oDCEditText = Make<SingleLineEdit>(100);
    oCCEditHilfe = Make<PushButton>(101);
    oCCEditAbbrechen = Make<PushButton>(102);
    oCCEditWeiter = Make<PushButton>(103);
    oDCText1 = Make<FixedText>(104);
    oCCButSuchTextEd = Make<PushButton>(105);
    oDCText3 = Make<FixedText>(106);
    oDCEditProto = Make<SingleLineEdit>(107);
    oCCButSuchProtoPath = Make<PushButton>(108);
    SetCaption("Auswahl von Dateiwerkzeugen");
    SetHyperLabel({"DLGEDITOR_VO", "Auswahl von Dateiwerkzeugen", "", ""});
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    PostInit();
}

dlgEditor::dlgEditor(Window* oOwner) : dlgEditor_vo(oOwner)
{
    // The texts come first: giving a field its description gives it the
    // layout's caption again, which must not replace the stored program.
    Sprache();
    oDCEditText->SetTextValue(GetIniString("Config", "TextEditor", gcPfadUser + "meridoxa.ini"));
    oDCEditProto->SetTextValue(gcPfadProto);
    // The focus goes to the program field once the dialog runs.
    PostMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(oDCEditText->Handle()), TRUE);
    FenAufFenZentrieren(*this);
}

bool dlgEditor::CallByName(std::string_view name)
{
    static const MethodTable<dlgEditor> table{
        {"EDITHILFE", &dlgEditor::EditHilfe},
        {"EDITWEITER", &dlgEditor::EditWeiter},
        {"EDITABBRECHEN", &dlgEditor::EditAbbrechen},
        {"BUTSUCHTEXTED", &dlgEditor::ButSuchTextEd},
        {"BUTSUCHPROTOPATH", &dlgEditor::ButSuchProtoPath},
    };
    return table.Call(*this, name) || dlgEditor_vo::CallByName(name);
}

std::string dlgEditor::Text(int n) const
{
    return calc::TextOf(aSprachTexte, n);
}

void dlgEditor::Sprache()
{
    aSprachTexte = SprachDialog(*this, "DLGEDITOR");
}

void dlgEditor::Close(Event& oEvent)
{
    aSprachTexte.clear();
    dlgEditor_vo::Close(oEvent);
}

void dlgEditor::ButSuchTextEd()
{
    const std::string program = AllTrim(oDCEditText->TextValue());
    std::string folder = gcPfadUser, name = "*.*";
    if (!program.empty()) {
        const FileSpec oProgramm(program);
        folder = shell::FolderOf(program);
        name = oProgramm.FileName() + oProgramm.Extension();
    }
    widgets::OpenSaveDialog dialog(this, folder + name, true);
    dialog.SetStyle(OFN_HIDEREADONLY, true);
    dialog.SetCaption(gcProgramm + " -- " + Text(kTextProgramTitle));
    dialog.SetFilter({"*.exe;*.com;*.bat", "*.*"}, {Text(kTextProgramFilter), Text(kTextAllFilter)}, 1);
    dialog.SetInitialDirectory(folder);
    if (dialog.Show() && !dialog.FileName().empty()) oDCEditText->SetTextValue(Lower(dialog.FileName()));
}

void dlgEditor::ButSuchProtoPath()
{
    const std::string folder =
        shell::ChooseFolder(*this, gcProgramm + " -- " + Text(kTextFolderTitle), oDCEditProto->TextValue());
    if (!folder.empty()) oDCEditProto->SetTextValue(folder);
}

// Each setting is checked and taken over on its own; the dialog ends only
// when both were valid. The viewer program is written at once; when the INI
// file cannot be written the user is told why and the dialog stays open. The
// messages of both settings show together, one a line.
void dlgEditor::EditWeiter()
{
    std::string errors;
    auto fail = [&errors](const std::string& text) { errors += (errors.empty() ? "" : "\r\n") + text; };
    const std::string program = AllTrim(oDCEditText->TextValue());
    if (!program.empty() && !FFile(program))
        fail(Text(kTextNoProgram));
    else if (const std::string error = shell::WriteConfig("TextEditor", program); !error.empty())
        fail(error);
    // An empty directory means the default one, as at the next start.
    std::string directory = AllTrim(oDCEditProto->TextValue());
    if (directory.empty()) directory = gcPfadUser + "UserData\\";
    if (directory.back() != '\\') directory += '\\';
    if (IsDir(directory))
        gcPfadProto = directory;
    else
        fail(Text(kTextNoDirectory));
    if (errors.empty())
        EndDialog(1);
    else if (goFehler)
        goFehler->FehlerMeldung(errors);
}

void dlgEditor::EditAbbrechen()
{
    EndDialog(0);
}

void dlgEditor::EditHilfe()
{
    ShowHelpALink("a_editoreinstellung");
}
