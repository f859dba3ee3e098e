#include "app/calcwindow/layout.h"

#include <algorithm>

const std::array<LayoutItem, 69> gaCalcParItems = {{
    {100, "TEXTGRUPPE1", "Quell-Bezugssystem", 1},
    {101, "GRUPPE1", "", 1},
    {102, "TEXT3", "Identische Punkte im Quell-Bezugssystem", 2},
    {103, "KOORDLISTQ", "", 3},
    {104, "BUTDATEILESENQ", "Aus Datei lesen", 4},
    {105, "BUTDATEISCHREIBENQ", "In Datei schreiben", 4},
    {106, "TEXT11", "Bezeichn.", 2},
    {107, "EDITBEZQ", "", 4},
    {108, "TEXT4", "Format", 2},
    {109, "COMFORMQ", "", 4},
    {110, "TEXT1", "Ellipsoid", 2},
    {111, "COMELLQ", "", 4},
    {112, "TEXT2", "Halbachs.", 2},
    {113, "HALBACHSGQ", "", 4},
    {114, "HALBACHSKQ", "", 4},
    {115, "TEXT13", "Abplattung", 2},
    {116, "FLATTENINGQ", "", 4},
    {117, "TEXT15", "[1/f = a/(a-b)]", 2},
    {118, "TEXTGRUPPE2", "Ziel-Bezugssystem", 1},
    {119, "GRUPPE2", "", 1},
    {120, "TEXT7", "Identische Punkte im Ziel-Bezugssystem", 2},
    {121, "KOORDLISTZ", "", 3},
    {122, "BUTDATEILESENZ", "Aus Datei lesen", 4},
    {123, "BUTDATEISCHREIBENZ", "In Datei schreiben", 4},
    {124, "TEXT12", "Bezeichn.", 2},
    {125, "EDITBEZZ", "", 4},
    {126, "TEXT8", "Format", 2},
    {127, "COMFORMZ", "", 4},
    {128, "TEXT5", "Ellipsoid", 2},
    {129, "COMELLZ", "", 4},
    {130, "TEXT6", "Halbachs.", 2},
    {131, "HALBACHSGZ", "", 4},
    {132, "HALBACHSKZ", "", 4},
    {133, "TEXT14", "Abplattung", 2},
    {134, "FLATTENINGZ", "", 4},
    {135, "TEXT16", "[1/f = a/(a-b)]", 2},
    {136, "TEXTGRUPPE3", "Transformationsparameter", 1},
    {137, "GRUPPE3", "", 1},
    {138, "HELMERTFRAME", "Coordinate Frame Rotation", 2},
    {139, "HELMERTVECTOR", "Position Vector Transformation", 2},
    {140, "HELMERTISO19111", "Europ\xe4ischer Standard (ISO 19111)", 2},
    {141, "MOLODENSKY", "Molodensky (3 Parameter)", 2},
    {142, "ICONAPP", "icoApp_vo", 0},
    {143, "BUTINFO", "i", 5},
    {144, "HELMERTPAR", "", 3},
    {145, "CHECKELLPAR", "Ellipsoide in Koordinatendateien schreiben", 2},
    {146, "CHECKKOMMA", "Komma als Dezimaltrennzeichen zulassen ", 2},
    {147, "CHECKINVERS", "Inverse Berechnung (Ziel -> Quelle)", 2},
    {148, "CHECKROTOUT", "Rotationsmatrix in die Ausgabe einbeziehen", 2},
    {149, "CHECKORGOUT", "Original-Koordinaten in Ausgabe einbeziehen", 2},
    {150, "CHECKGEOOUT", "Geographische Koord. in Ausgabe einbeziehen", 2},
    {151, "CHECKKARTOUT", "Kartesische Koordinaten in Ausgabe einbeziehen", 2},
    {152, "CHECKKLAFOUT", "Klaffungen in Ausgabe einbeziehen", 2},
    {153, "BUTBERECHNEN", "Transformationsparameter berechnen", 1},
    {154, "TEXTGRUPPE4", "Konfigurationsdatei", 1},
    {155, "GRUPPE4", "", 1},
    {156, "TEXT9", "Bezeichnung der Konfiguration", 2},
    {157, "KOM", "", 4},
    {158, "BUTKONFSICHERN", "Konfiguration sichern", 4},
    {159, "BUTKONFLADEN", "Konfiguration laden", 4},
    {160, "BUTKONFTRDBEZ", "LORVANTE Bezugssystem", 4},
    {161, "BUTKONFTRDELL", "LORVANTE Ellipsoide", 4},
    {162, "BUTEDITPROTODATEI", "Protokolldatei ansehen", 4},
    {163, "BUTDATEISCHREIBENH", "In Datei schreiben", 4},
    {164, "BUTDRUCKENH", "Drucken", 4},
    {165, "BUTSTANDARD", "Standardwerte", 4},
    {166, "BUTHELMERTHILFE", "Hilfe", 4},
    {167, "BUTONLINEINFO", "Online-Info", 4},
    {168, "BUTBEENDEN", "Progr. beenden", 4},
}};

const std::array<const char*, 24> dtaCalcPar_vo::aFeldNamen = {
    "KOORDLISTQ",  "EDITBEZQ",    "COMFORMQ",    "COMELLQ",      "HALBACHSGQ",   "HALBACHSKQ",
    "FLATTENINGQ", "KOORDLISTZ",  "EDITBEZZ",    "COMFORMZ",     "COMELLZ",      "HALBACHSGZ",
    "HALBACHSKZ",  "FLATTENINGZ", "HELMERTPAR",  "CHECKELLPAR",  "CHECKKOMMA",   "CHECKINVERS",
    "CHECKROTOUT", "CHECKORGOUT", "CHECKGEOOUT", "CHECKKARTOUT", "CHECKKLAFOUT", "KOM"};

namespace {

struct FontSpec {
    const char* cFace;
    int nPoints;
    bool lBold;
};

constexpr FontSpec kFonts[5] = {
    {"Arial", 10, true}, {"Arial", 8, true}, {"Courier New", 10, true}, {"Arial", 8, false}, {"Courier New", 16, true}};

// The group captions and frames have their own text colour.
bool IsGroupItem(std::string_view cName)
{
    return cName.starts_with("TEXTGRUPPE") || cName.starts_with("GRUPPE");
}

int FieldIndex(std::string_view cName)
{
    const auto* it = std::find_if(dtaCalcPar_vo::aFeldNamen.begin(), dtaCalcPar_vo::aFeldNamen.end(),
                                  [&](const char* cFeld) { return SameName(cFeld, cName); });
    return it == dtaCalcPar_vo::aFeldNamen.end() ? -1 : static_cast<int>(it - dtaCalcPar_vo::aFeldNamen.begin());
}

}  // namespace

template <class T>
T* dtaCalcPar_vo::Make(int nId)
{
    T* control = MakeLayoutControl<T>(*this, gaCalcParItems, nId, fonts_);
    if (IsGroupItem(control->NameSym())) control->SetTextColor(Color::FromColorRef(1));
    return control;
}

dtaCalcPar_vo::dtaCalcPar_vo(Window* oWindow) : gDataWindow(oWindow, "dtaCalcPar_vo")
{
    for (size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = Font(kFonts[i].nPoints, kFonts[i].cFace);
        fonts_[i].Bold(kFonts[i].lBold);
    }
    oDCTextGruppe1 = Make<FixedText>(100);
    oDCGruppe1 = Make<GroupBox>(101);
    oDCText3 = Make<FixedText>(102);
    oDCKoordListQ = Make<MultiLineEdit>(103);
    oCCButDateiLesenQ = Make<PushButton>(104);
    oCCButDateiSchreibenQ = Make<PushButton>(105);
    oDCText11 = Make<FixedText>(106);
    oDCEditBezQ = Make<SingleLineEdit>(107);
    oDCText4 = Make<FixedText>(108);
    oDCComFormQ = Make<ComboBox>(109);
    oDCText1 = Make<FixedText>(110);
    oDCComEllQ = Make<ComboBox>(111);
    oDCText2 = Make<FixedText>(112);
    oDCHalbAchsGQ = Make<SingleLineEdit>(113);
    oDCHalbAchsKQ = Make<SingleLineEdit>(114);
    oDCText13 = Make<FixedText>(115);
    oDCFlatteningQ = Make<SingleLineEdit>(116);
    oDCText15 = Make<FixedText>(117);
    oDCTextGruppe2 = Make<FixedText>(118);
    oDCGruppe2 = Make<GroupBox>(119);
    oDCText7 = Make<FixedText>(120);
    oDCKoordListZ = Make<MultiLineEdit>(121);
    oCCButDateiLesenZ = Make<PushButton>(122);
    oCCButDateiSchreibenZ = Make<PushButton>(123);
    oDCText12 = Make<FixedText>(124);
    oDCEditBezZ = Make<SingleLineEdit>(125);
    oDCText8 = Make<FixedText>(126);
    oDCComFormZ = Make<ComboBox>(127);
    oDCText5 = Make<FixedText>(128);
    oDCComEllZ = Make<ComboBox>(129);
    oDCText6 = Make<FixedText>(130);
    oDCHalbAchsGZ = Make<SingleLineEdit>(131);
    oDCHalbAchsKZ = Make<SingleLineEdit>(132);
    oDCText14 = Make<FixedText>(133);
    oDCFlatteningZ = Make<SingleLineEdit>(134);
    oDCText16 = Make<FixedText>(135);
    oDCTextGruppe3 = Make<FixedText>(136);
    oDCGruppe3 = Make<GroupBox>(137);
    oCCHelmertFrame = Make<RadioButton>(138);
    oCCHelmertVector = Make<RadioButton>(139);
    oCCHelmertIso19111 = Make<RadioButton>(140);
    oCCMolodensky = Make<RadioButton>(141);
    oDCIconApp = Make<FixedIcon>(142);
    oCCButInfo = Make<gFormPushButton>(143);
    oDCHelmertPar = Make<MultiLineEdit>(144);
    oDCCheckEllPar = Make<CheckBox>(145);
    oDCCheckKomma = Make<CheckBox>(146);
    oDCCheckInvers = Make<CheckBox>(147);
    oDCCheckRotOut = Make<CheckBox>(148);
    oDCCheckOrgOut = Make<CheckBox>(149);
    oDCCheckGeoOut = Make<CheckBox>(150);
    oDCCheckKartOut = Make<CheckBox>(151);
    oDCCheckKlafOut = Make<CheckBox>(152);
    oCCButBerechnen = Make<PushButton>(153);
    oDCTextGruppe4 = Make<FixedText>(154);
    oDCGruppe4 = Make<GroupBox>(155);
    oDCText9 = Make<FixedText>(156);
    oDCKom = Make<SingleLineEdit>(157);
    oCCButKonfSichern = Make<PushButton>(158);
    oCCButKonfLaden = Make<PushButton>(159);
    oCCButKonfTrdBez = Make<PushButton>(160);
    oCCButKonfTrdEll = Make<PushButton>(161);
    oCCButEditProtoDatei = Make<PushButton>(162);
    oCCButDateiSchreibenH = Make<PushButton>(163);
    oCCButDruckenH = Make<PushButton>(164);
    oCCButStandard = Make<PushButton>(165);
    oCCButHelmertHilfe = Make<PushButton>(166);
    oCCButOnlineInfo = Make<PushButton>(167);
    oCCButBeenden = Make<PushButton>(168);
    oDCKoordListQ->SetTextLimit(kPointListLimit);
    oDCKoordListZ->SetTextLimit(kPointListLimit);
    oDCHelmertPar->SetTextLimit(kResultLimit);
    SetCaption("");
    SetHyperLabel({"DTACALCPAR_VO", "", "", ""});
    PostInit();
}

Value dtaCalcPar_vo::FieldGet(std::string_view cName) const
{
    if (FieldIndex(cName) < 0) return {};
    Control* control = GetControl(cName);
    if (auto* combo = dynamic_cast<ComboBox*>(control)) return combo->Value();
    if (auto* check = dynamic_cast<CheckBox*>(control)) return check->Checked();
    return static_cast<TextControl*>(control)->TextValue();
}

Value dtaCalcPar_vo::FieldPut(std::string_view cName, const Value& uValue)
{
    const int nIndex = FieldIndex(cName);
    if (nIndex < 0) return {};
    Control* control = GetControl(cName);
    if (auto* combo = dynamic_cast<ComboBox*>(control))
        combo->SetValue(uValue.IsNumber() ? static_cast<int>(uValue.AsNumber()) : 0);
    else if (auto* check = dynamic_cast<CheckBox*>(control))
        check->SetChecked(uValue.IsLogic() && uValue.AsLogic());
    else
        static_cast<TextControl*>(control)->SetTextValue(uValue.IsText() ? uValue.AsText() : std::string());
    fieldValues_[static_cast<size_t>(nIndex)] = uValue;
    return uValue;
}

const Value& dtaCalcPar_vo::FieldStored(std::string_view cName) const
{
    static const Value nil;
    const int nIndex = FieldIndex(cName);
    return nIndex < 0 ? nil : fieldValues_[static_cast<size_t>(nIndex)];
}
