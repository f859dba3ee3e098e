// The calculation window: the layout dtaCalcPar_vo with its state, its set-up
// and tear-down, the blinking icon, the lock pair of long operations, the
// point-format and ellipsoid lists and the input handlers. One instance per
// run, reached through goCalcPar.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/calcwindow/layout.h"
#include "platform/framework/controls.h"

// One row of the format or ellipsoid list: the name shown and its number.
struct ListRow {
    std::string name;
    int number = 0;
};

// The semi-axes of one ellipsoid in metres.
struct SemiAxes {
    double a = 0;
    double b = 0;
};

// The number of the user-defined ellipsoid, always the last list row.
constexpr int kUserEllipsoid = 1000;
// Ellipsoid ranges, bounds included: semi-axes in metres, inverse flattening.
inline bool IsSemiAxis(double x)
{
    return x >= 6000000.0 && x <= 6700000.0;
}
inline bool IsInverseFlattening(double f)
{
    return f >= 50.0 && f <= 1000.0;
}

// One row of a profile: the window's inputs as key and value texts, kept in
// section ProgrammFen of meridoxa.ini and in configuration files (*.kns).
struct ProfileRow {
    std::string key;
    std::string value;
};
using Profile = std::vector<ProfileRow>;

// The standard combination: format 5 and the user ellipsoid on both sides.
inline constexpr const char* kStandardCombination = "0005100000051000";

class dtaCalcPar : public dtaCalcPar_vo {
public:
    // Builds the window with the frame window as owner and loads its texts,
    // lists and start values; the caller shows it.
    explicit dtaCalcPar(Window* owner);
    ~dtaCalcPar() override;

    void Destroy() override;
    LRESULT Dispatch(Event& event) override;
    bool CallByName(std::string_view name) override;

    // Locks the window for a long operation: every control but the icon, the
    // help and the online-info button, the owner's menu and system menu
    // disabled. ControlsEinschalten unlocks it and applies the format and
    // ellipsoid rules of both sides again.
    void ControlsAusschalten();
    void ControlsEinschalten();
    // A computation or a file read runs (the window is locked for it).
    bool IsBusy() const { return busy_; }

    // Loads the texts of the current language: control captions and
    // descriptions, the numbered texts, and (while visible) the format and
    // ellipsoid names; clears the inverse option and offers to recompute a
    // shown result.
    void Sprache();
    // Fills the owner's canvas but for a strip of menu-bar height along its
    // bottom edge.
    void GroessenNeu();
    // The look (look.cpp). FarbenNeu gives the caption-type controls and the
    // window brush 4 of gaPinsel, the edit fields brush 1 and the combo boxes
    // brush 3, each group only when its first member has another brush, and
    // repaints the window in full. Paint draws the background: colour 4 of
    // gaFarben running toward colour 5 with strength gnGradient in direction
    // gnGradDir; nothing while the window is iconic or hidden. TooltipNeu
    // switches the description tooltip of every control by glTooltip.
    void FarbenNeu();
    void Paint() override;
    void TooltipNeu();

    // Builds the format list, sets the library's language and builds the
    // ellipsoid list with the semi-axes of every ellipsoid for both sides.
    void Daten();
    // Applies a 16-digit combination (source format, source ellipsoid,
    // target format, target ellipsoid, four digits each) to the combo boxes
    // and the show and enable rules; anything else means the standard one.
    void Grundeinstellung(const std::string& cCombo = "");
    // The standard-values button: after a Yes, the library's user ellipsoids
    // in the fields, the standard combination and convention 1.
    void ButStandard();
    // Checks an ellipsoid: mode 1 computes the inverse flattening f from a
    // and b, mode 2 the semi-minor axis b from a and f. Semi-axes from
    // 6,000,000 to 6,700,000 m with a > b, 1/f from 50 to 1000. A failed
    // check shows text 79 when lMessage is set.
    bool CalcEllPar(double a, double& b, double& f, int nMode, bool lMessage);
    // Presses the radio button of wParTyp (any other value becomes 1).
    void Anpassen();

    // The last inputs (profile.cpp). ProfilPrg2Array gives the inputs as the
    // seven rows ParaEllQ, ParaEllZ, ParaCombo, ParaTyp, ParaBezQ, ParaBezZ,
    // ParaKom; a side whose ellipsoid fields are not valid stores the
    // library's user ellipsoid and its combo moves to it. ProfilArray2Prg
    // applies any profile: the first row of each key counts, missing or empty
    // values give the start values, rows of other keys are ignored; only an
    // ellipsoid that passes the check is valid and handed to the library.
    Profile ProfilPrg2Array();
    void ProfilArray2Prg(const Profile& aProfile);
    // Section ProgrammFen of gcPfadUser + "meridoxa.ini"; without a user
    // folder nothing is written, and reading gives the start values.
    void ProfilPrg2Ini();
    void ProfilIni2Prg();

    void ListBoxSelect(ControlEvent& event) override;
    void EditFocusChange(EditFocusChangeEvent& event) override;
    void ButtonClick(ControlEvent& event) override;

    // The computation, the point-list files, the result file and the
    // protocol (berechnung.cpp).
    void ButBerechnen();
    void ButDateiLesenQ();
    void ButDateiLesenZ();
    void ButDateiSchreibenQ();
    void ButDateiSchreibenZ();
    void ButDateiSchreibenH();
    void ButEditProtoDatei();
    void SchreibeProto(const std::string& text);
    // Configuration files and the exports for LORVANTE (konfig.cpp). A
    // configuration (*.kns) holds the header "MERIDOXA KNS" and the profile,
    // one row a line: the key padded to 20 characters, the value from
    // column 21. BUTKONFLADEN loads cFile when given, else asks for a file.
    void ButKonfSichern();
    void ButKonfLaden(const std::string& cFile = "");
    // The parameters of the last successful computation as a reference
    // system (*.knt), the semi-axes of both sides as ellipsoids (*.kne).
    void ButKonfTrdBez();
    void ButKonfTrdEll();
    // Prints the result field on goDrucker (prnergebnis.cpp).
    void ButDruckenH();
    // The small buttons hand over to the frame window (the owner): the exit
    // button ends the program (PROBEENDEN), the online-info button opens the
    // product page (HILONLINEINFO), the info button the about box
    // (HILURHEBERHINWEIS); the help button shows the help topic of the
    // computation.
    void ButBeenden();
    void ButOnlineInfo();
    void ButInfo();
    void ButHelmertHilfe();

    // The window's numbered texts (text n at index n - 1).
    const std::vector<std::string>& SprachTexte() const { return aSprachTexte; }

    // The state the computation and the file handlers work on.
    bool lEllOkQ = false;      // the source ellipsoid fields hold a valid ellipsoid
    bool lEllOkZ = false;      // the same for the target side
    bool lErgebnis = false;    // the result field holds a successful report
    bool lBerechnung = false;  // a computation runs
    int wParTyp = 0;           // convention: 1 CFR, 2 PVT, 3 ISO 19111, 4 Molodensky
    double fKehrwertQ = 0;     // inverse flattening of the source ellipsoid
    double fKehrwertZ = 0;
    std::vector<ListRow> aFormate;
    std::vector<ListRow> aEllipsoide;
    std::vector<SemiAxes> aEllParQ;
    std::vector<SemiAxes> aEllParZ;
    std::array<double, 7> aParameter{};
    HANDLE pProtokoll = nullptr;

    // Controls whose background follows the colour settings.
    std::vector<Control*> aFelderText;
    std::vector<Control*> aFelderEdit;
    std::vector<Control*> aFelderCombo;

    // One side of the window: which one, its controls and the numbers of its
    // range messages. Its state lives in the fields of its letter (Q source,
    // Z target), reached through the accessors below.
    struct Side {
        bool source;
        ComboBox* format;
        ComboBox* ellipsoid;
        SingleLineEdit* semiMajor;
        SingleLineEdit* semiMinor;
        SingleLineEdit* flattening;
        int axisText;        // text for a semi-axis out of range
        int flatteningText;  // text for an inverse flattening out of range
    };
    Side SourceSide();
    Side TargetSide();
    std::vector<SemiAxes>& Axes(const Side& side) { return side.source ? aEllParQ : aEllParZ; }
    double& InverseFlattening(const Side& side) { return side.source ? fKehrwertQ : fKehrwertZ; }
    bool& EllipsoidOk(const Side& side) { return side.source ? lEllOkQ : lEllOkZ; }

private:
    // The owner's status bar shows the description of the control under the
    // cursor; nothing without a status bar, a control or a description.
    void DescribeControlUnderCursor();
    void ShowError(int number) const;
    bool Ask(int number);
    void EnableMenus(bool on);
    void EnableSide(const Side& side);
    void SetUpSide(const Side& side, int format, int ellipsoid);
    void FormatChosen(const Side& side);
    void EllipsoidChosen(const Side& side);
    void SemiAxisLeft(const Side& side, bool semiMajor);
    void InverseFlatteningLeft(const Side& side);
    void SetUserEllipsoid(const Side& side, double a, double b);
    void SwapSideLabels();
    void ApplyStoredEllipsoid(const Side& side, const std::string& value);
    SemiAxes LibraryEllipsoid(const Side& side, int number) const;
    void WriteUserEllipsoid(const Side& side);
    void FillCombo(ComboBox* combo, const std::vector<ListRow>& rows);
    // Helpers of berechnung.cpp.
    // The full path of a file name in lower case; its folder into lastFolder.
    std::string FullPath(const std::string& name, std::string& lastFolder);
    // The file dialog: the path chosen, in lower case, its folder kept in
    // lastFolder; empty when cancelled. Filters: all files, and a mask with
    // its text: "*.txt" after all files and chosen, another mask before it.
    std::string ChooseFile(bool open, std::string& lastFolder, const std::string& fileName, int title,
                           const std::string& mask);
    // Writes a configuration or export file: the file name and ": " before
    // text 46 when it cannot be created, before the system's text when a
    // write fails (the file then removed).
    void WriteConfigurationFile(const std::string& path, const std::vector<std::string>& lines);
    // The export dialog and file of a mask, unless text `refusal` applies.
    void Export(const char* mask, bool allowed, int refusal, const std::vector<std::string>& lines);
    // Reads a point-list file into a list; listText names the list in the
    // message of a line too long for it.
    void ReadList(MultiLineEdit* list, std::string& lastFolder, int listText);
    void WriteList(const Side& side, MultiLineEdit* list, std::string& lastFolder, const char* name);

    // The busy state of a long operation (a computation, a file read) for
    // the lifetime of the object: the library's event loop on, the icon
    // blinking, the window locked (and lBerechnung set for a computation).
    // The destructor restores the idle state, after an exception too, and
    // gives the focus back to the control that had it.
    class BusyScope {
    public:
        BusyScope(dtaCalcPar& window, bool computation);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        dtaCalcPar& window_;
        bool computation_;
    };

    std::vector<std::string> aSprachTexte;
    bool busy_ = false;
    // The convention aParameter was computed with.
    int parameterConvention_ = 1;
};

// The calculation window of the program; null while there is none.
extern dtaCalcPar* goCalcPar;
