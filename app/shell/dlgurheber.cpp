#include "app/shell/dlgurheber.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "app/shell/globals.h"
#include "app/shell/weblinks.h"
#include "calc/computation.h"
#include "calc/library.h"
#include "lib/faststring.h"
#include "lib/meldung.h"
#include "lib/placement.h"
#include "lib/sprache.h"
#include "lib/system.h"
#include "platform/framework/layout_item.h"
#include "platform/framework/seam.h"
#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/system.h"

namespace {

constexpr LayoutItem kItems[] = {
    {100, "URHEBERINTERNET", "", 1},     {102, "URHEBEREMAIL", "Email", 1}, {103, "URHEBEROK", "Weiter", 2},
    {104, "TEXT1", "PROGRAMM", 3},       {105, "TEXT2", "Version", 4},      {106, "GROUPBOX1", "Urheber", 2},
    {107, "FIXEDICON1", "icoApp_vo", 0}, {108, "TEXT5", "Anschrift", 2},    {109, "TEXT4", "Hinweis", 2},
    {110, "MULTILINEEDIT", "", 5},
};

// The fonts of the layout: points, underlined.
constexpr struct {
    int nPoints;
    bool lUnderline;
} kFonts[] = {{8, true}, {8, false}, {24, false}, {12, false}, {8, false}};

// The framework's text colours 1 (the group box) and 4 (the notice line).
const Color kTextColor1(0, 0, 128);
const Color kTextColor4(128, 0, 0);

// Numbers of the dialog's texts.
constexpr int kTextVersionWord = 2;
constexpr int kTextVersionHeading = 4;
constexpr int kTextSystemHeading = 5;
constexpr int kTextAvailableHeading = 6;
constexpr int kTextNotice1 = 7;
constexpr int kTextNotice2 = 9;
constexpr int kTextLoadHeading = 13;
constexpr int kTextProgramHeading = 14;
constexpr int kTextUserHeading = 15;
constexpr int kTextSamplesHeading = 16;
constexpr int kTextTotalHeading = 17;

// A heading line and its value line.
std::string Block(const std::string& heading, const std::string& value)
{
    return heading + ":\r\n\t" + value + "\r\n";
}

// A memory figure in whole kilobytes.
std::string Kilobytes(double bytes)
{
    return std::to_string(std::llround(bytes / 1024)) + " KB";
}

// A text of the geodesy library; empty when it gives none.
std::string LibraryText(geodesy::GetTextFn fn)
{
    const char* text = nullptr;
    if (fn) fn(&text);
    return text ? text : "";
}

}  // namespace

std::string DisclaimerText(const std::string& disclaimer)
{
    std::string rest = disclaimer, text;
    if (const size_t p = rest.find("\r\n"); p != std::string::npos) {
        rest.erase(0, p + 2);
        if (const size_t q = rest.find("\r\n"); q != std::string::npos) {
            text = rest.substr(0, q + 2);
            rest.erase(0, q + 2);
        }
    }
    return text + FastMakeLines(ReplaceAll(rest, "Orbalith", "MERIDOXA"), 50);
}

template <class T>
T* dlgUrheber_vo::Make(int nId)
{
    return MakeLayoutControl<T>(*this, kItems, nId, fonts_);
}

dlgUrheber_vo::dlgUrheber_vo(Window* oOwner) : DialogWindow(oOwner, "dlgUrheber_vo", true)
{
    PreInit();
    for (size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = Font(kFonts[i].nPoints, "Arial");
        fonts_[i].Bold(i != 4);
        fonts_[i].Underline(kFonts[i].lUnderline);
    }
    oCCUrheberInternet = Make<PushButton>(100);
    // Its caption is the maker's web address.
    oCCUrheberInternet->SetHyperLabel({"URHEBERINTERNET", shell::kWebAddress, "", ""});
    oCCUrheberEmail = Make<PushButton>(102);
    oCCUrheberOk = Make<PushButton>(103);
    oDCText1 = Make<FixedText>(104);
    oDCText2 = Make<FixedText>(105);
    oDCGroupBox1 = Make<GroupBox>(106);
    oDCGroupBox1->SetTextColor(kTextColor1);
    oDCFixedIcon1 = Make<FixedIcon>(107);
    oDCText5 = Make<FixedText>(108);
    oDCText4 = Make<FixedText>(109);
    oDCText4->SetTextColor(kTextColor4);
    oDCMultiLineEdit = Make<MultiLineEdit>(110);
    SetCaption("");
    SetHyperLabel({"DLGURHEBER_VO", "", "", ""});
    SetIconSm(icoApp_vo(GetSystemMetrics(SM_CXSMICON)));
    PostInit();
}

dlgUrheber::dlgUrheber(Window* oOwner) : dlgUrheber_vo(oOwner)
{
    FenZentrieren(*this);
    Sprache();
    oDCText1->SetTextValue(gcProgramm);
    oDCText2->SetTextValue(Text(kTextVersionWord) + " " + gcVersion);
    oDCMultiLineEdit->SetTextValue(InfoText());
    oDCText4->SetTextValue(Text(kTextNotice1) + " " + Text(kTextNotice2));
    // The focus goes to the continue button once the dialog runs.
    PostMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(oCCUrheberOk->Handle()), TRUE);
}

bool dlgUrheber::CallByName(std::string_view cName)
{
    static const MethodTable<dlgUrheber> table{
        {"URHEBEROK", &dlgUrheber::UrheberOk},
        {"URHEBERINTERNET", &dlgUrheber::UrheberInternet},
        {"URHEBEREMAIL", &dlgUrheber::UrheberEmail},
    };
    return table.Call(*this, cName) || dlgUrheber_vo::CallByName(cName);
}

std::string dlgUrheber::Text(int n) const
{
    return calc::TextOf(aSprachTexte, n);
}

void dlgUrheber::Sprache()
{
    aSprachTexte = SprachDialog(*this, "DLGURHEBER");
}

void dlgUrheber::Close(Event& oEvent)
{
    aSprachTexte.clear();
    dlgUrheber_vo::Close(oEvent);
}

// The blocks of the information field, an empty line and the disclaimer; the
// library is asked for its version first, then for its disclaimer.
std::string dlgUrheber::InfoText() const
{
    const geodesy::GeodesyFunctions& library = calc::Library();
    const std::string versionHeading = Text(kTextVersionHeading);
    char kitVersion[16];
    snprintf(kitVersion, sizeof kitVersion, "%.2f", GetGraphicsVersion());
    std::string text = Block(Text(kTextProgramHeading), Lower(ProgramDir()));
    text += Block(Text(kTextUserHeading), gcPfadUser);
    text += Block(Text(kTextSamplesHeading), gcPfadUser + "UserData\\");
    text += Block(calc::Filled(versionHeading, "Orbalith"), LibraryText(library.getdllversion));
    text += Block(calc::Filled(versionHeading, "Tessaray"),
                  std::string(kitVersion) + " " + RuntimeName() + " " + std::to_string(GetVoVersion()));
    text += Block(Text(kTextSystemHeading), OsName());
    text += Block(Text(kTextTotalHeading), Kilobytes(MemoryEx(0)));
    text += Block(Text(kTextAvailableHeading), Kilobytes(MemoryEx(1)));
    text += Block(Text(kTextLoadHeading), std::to_string(std::llround(MemoryEx(100))) + "%");
    return text + "\r\n" + DisclaimerText(LibraryText(library.getdisclaimer));
}

void dlgUrheber::UrheberInternet()
{
    shell::OpenUrl(shell::HomePage(gcSprache));
}

void dlgUrheber::UrheberEmail()
{
    TheSeam().ShellExecuteFile(Handle(), "open", "mailto:" + shell::kSupportMail, "", "", SW_SHOWNORMAL);
}

void dlgUrheber::UrheberOk()
{
    EndDialog(0);
}
