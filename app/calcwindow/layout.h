// The layout of the calculation window (dialog template "dtaCalcPar_vo"):
// both point lists with their names, formats and ellipsoids, the four
// parameter conventions, the output options, the result field, the
// configuration group and the row of command buttons. One framework control
// per template item, each with its name, German default caption and font;
// the language files replace captions and descriptions at run time.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/parser.h"
#include "graphics/windows/gformwindow.h"
#include "graphics/windows/gkitbutton.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"
#include "platform/framework/layout_item.h"
#include "platform/runtime/value.h"

// The 69 items of the template in id order (ids 100 to 168), with their
// German default captions and fonts 1 to 5.
extern const std::array<LayoutItem, 69> gaCalcParItems;

// The most characters a point list takes: the largest list (30,000 points)
// with lines of 80 characters and their line ends, and room to spare.
constexpr int kPointListLimit = static_cast<int>(calc::kMaxListCharacters);
// The most characters the result field takes: far above the largest report
// (30,000 pairs with every output option), which is never cut.
constexpr int kResultLimit = 100000000;

class dtaCalcPar_vo : public gDataWindow {
public:
    // oWindow is the owner (null: a top-level window); oServer would be the
    // window's data server, which this window never has.
    explicit dtaCalcPar_vo(Window* oWindow);

    // The value of one of the 24 input and output controls (edit text, combo
    // value, check box state), read from the control by its name; NIL for
    // any other name.
    Value FieldGet(std::string_view cName) const;
    // Writes the value into the control of that name, keeps it as the
    // control's value field and returns it.
    Value FieldPut(std::string_view cName, const Value& uValue);
    // The last value given to FieldPut for that control (NIL before).
    const Value& FieldStored(std::string_view cName) const;

    // The 24 names with a value field, in their order.
    static const std::array<const char*, 24> aFeldNamen;

protected:
    FixedText* oDCTextGruppe1 = nullptr;
    GroupBox* oDCGruppe1 = nullptr;
    FixedText* oDCText3 = nullptr;
    MultiLineEdit* oDCKoordListQ = nullptr;
    PushButton* oCCButDateiLesenQ = nullptr;
    PushButton* oCCButDateiSchreibenQ = nullptr;
    FixedText* oDCText11 = nullptr;
    SingleLineEdit* oDCEditBezQ = nullptr;
    FixedText* oDCText4 = nullptr;
    ComboBox* oDCComFormQ = nullptr;
    FixedText* oDCText1 = nullptr;
    ComboBox* oDCComEllQ = nullptr;
    FixedText* oDCText2 = nullptr;
    SingleLineEdit* oDCHalbAchsGQ = nullptr;
    SingleLineEdit* oDCHalbAchsKQ = nullptr;
    FixedText* oDCText13 = nullptr;
    SingleLineEdit* oDCFlatteningQ = nullptr;
    FixedText* oDCText15 = nullptr;
    FixedText* oDCTextGruppe2 = nullptr;
    GroupBox* oDCGruppe2 = nullptr;
    FixedText* oDCText7 = nullptr;
    MultiLineEdit* oDCKoordListZ = nullptr;
    PushButton* oCCButDateiLesenZ = nullptr;
    PushButton* oCCButDateiSchreibenZ = nullptr;
    FixedText* oDCText12 = nullptr;
    SingleLineEdit* oDCEditBezZ = nullptr;
    FixedText* oDCText8 = nullptr;
    ComboBox* oDCComFormZ = nullptr;
    FixedText* oDCText5 = nullptr;
    ComboBox* oDCComEllZ = nullptr;
    FixedText* oDCText6 = nullptr;
    SingleLineEdit* oDCHalbAchsGZ = nullptr;
    SingleLineEdit* oDCHalbAchsKZ = nullptr;
    FixedText* oDCText14 = nullptr;
    SingleLineEdit* oDCFlatteningZ = nullptr;
    FixedText* oDCText16 = nullptr;
    FixedText* oDCTextGruppe3 = nullptr;
    GroupBox* oDCGruppe3 = nullptr;
    RadioButton* oCCHelmertFrame = nullptr;
    RadioButton* oCCHelmertVector = nullptr;
    RadioButton* oCCHelmertIso19111 = nullptr;
    RadioButton* oCCMolodensky = nullptr;
    FixedIcon* oDCIconApp = nullptr;
    gFormPushButton* oCCButInfo = nullptr;
    MultiLineEdit* oDCHelmertPar = nullptr;
    CheckBox* oDCCheckEllPar = nullptr;
    CheckBox* oDCCheckKomma = nullptr;
    CheckBox* oDCCheckInvers = nullptr;
    CheckBox* oDCCheckRotOut = nullptr;
    CheckBox* oDCCheckOrgOut = nullptr;
    CheckBox* oDCCheckGeoOut = nullptr;
    CheckBox* oDCCheckKartOut = nullptr;
    CheckBox* oDCCheckKlafOut = nullptr;
    PushButton* oCCButBerechnen = nullptr;
    FixedText* oDCTextGruppe4 = nullptr;
    GroupBox* oDCGruppe4 = nullptr;
    FixedText* oDCText9 = nullptr;
    SingleLineEdit* oDCKom = nullptr;
    PushButton* oCCButKonfSichern = nullptr;
    PushButton* oCCButKonfLaden = nullptr;
    PushButton* oCCButKonfTrdBez = nullptr;
    PushButton* oCCButKonfTrdEll = nullptr;
    PushButton* oCCButEditProtoDatei = nullptr;
    PushButton* oCCButDateiSchreibenH = nullptr;
    PushButton* oCCButDruckenH = nullptr;
    PushButton* oCCButStandard = nullptr;
    PushButton* oCCButHelmertHilfe = nullptr;
    PushButton* oCCButOnlineInfo = nullptr;
    PushButton* oCCButBeenden = nullptr;

private:
    template <class T>
    T* Make(int nId);
    std::array<Font, 5> fonts_;
    std::array<Value, 24> fieldValues_;
};
