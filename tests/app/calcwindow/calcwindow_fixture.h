// The calculation window in a plain frame, with the shipped language files,
// a fresh copy of the geodesy library, the message windows and a recording
// seam in place of everything modal.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/calcwindow/calcwindow.h"
#include "calc/library.h"
#include "lib/message_windows_setup.h"
#include "lib/meldung.h"
#include "lib/sprache.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"
#include "platform/geodesy/orbalith32.h"
#include "lib/number.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace calcwindow_test {

// Four points and the same points shifted by (1, 2, 3) metres.
inline const char* const kSource = "P1 4157222.543 664789.307 4774952.099\r\nP2 4149043.336 688836.443 4778632.188\r\n"
                                   "P3 4172803.511 690340.078 4758129.701\r\nP4 4177148.376 642997.635 4760764.800\r\n";
inline const char* const kTarget = "P1 4157223.543 664791.307 4774955.099\r\nP2 4149044.336 688838.443 4778635.188\r\n"
                                   "P3 4172804.511 690342.078 4758132.701\r\nP4 4177149.376 642999.635 4760767.800\r\n";

// The frame: a plain top-level window that records the methods the
// calculation window calls on it by name.
class RecordingFrame : public TopAppWindow {
public:
    bool CallByName(std::string_view cName) override
    {
        aCalls.emplace_back(cName);
        return TopAppWindow::CallByName(cName);
    }
    std::vector<std::string> aCalls;
};

class CalcWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenMessageWindows(Sprache());
        ASSERT_TRUE(library.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) << library.Error();
        calc::SetLibrary(&library);
        frame = std::make_unique<RecordingFrame>();
        window = std::make_unique<dtaCalcPar>(frame.get());
        frame->Show();
        window->Show();
    }

    void TearDown() override
    {
        window->Destroy();
        window.reset();
        frame.reset();
        CloseMessageWindows();
        calc::SetLibrary(nullptr);
        gcSprache = "eng";
    }

    // The language the window is made in.
    virtual std::string Sprache() const { return "eng"; }

    template <class T = Control>
    T* Get(const char* cName) const
    {
        return dynamic_cast<T*>(window->GetControl(cName));
    }

    // Text n of the window's numbered texts.
    const std::string& Text(int n) const { return window->SprachTexte().at(static_cast<size_t>(n - 1)); }

    // The error message now shown; empty when none was shown.
    std::string Fehler() const { return goFehler->IsVisible() ? goFehler->GetFehler() : std::string(); }

    // Chooses entry itemNo of a combo box as the user does.
    void Waehlen(const char* cName, int itemNo)
    {
        auto* combo = Get<ComboBox>(cName);
        combo->SetCurrentItemNo(itemNo);
        SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(combo->ControlId(), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo->Handle()));
    }

    // Types a text into an edit field and leaves it.
    void Eingeben(const char* cName, const std::string& cText)
    {
        auto* edit = Get<Edit>(cName);
        edit->SetTextValue(cText);
        SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(edit->ControlId(), EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(edit->Handle()));
    }

    // Two point lists of Cartesian coordinates, source and target.
    void Kartesisch(const std::string& cQuelle, const std::string& cZiel)
    {
        Waehlen("COMFORMQ", 2);
        Waehlen("COMFORMZ", 2);
        Get<MultiLineEdit>("KOORDLISTQ")->SetTextValue(cQuelle);
        Get<MultiLineEdit>("KOORDLISTZ")->SetTextValue(cZiel);
    }

    // Clicks a button as the user does.
    void Klicken(const char* cName) { SendMessageA(Get(cName)->Handle(), BM_CLICK, 0, 0); }

    // The user ellipsoid the library holds for a side.
    SemiAxes UserEllipsoid(bool lQuelle)
    {
        SemiAxes oAchsen;
        (lQuelle ? library.getellsource : library.getelltarget)(kUserEllipsoid, &oAchsen.a, &oAchsen.b);
        return oAchsen;
    }

    RecordingSeam seam;
    geodesy::GeodesyLibrary library;
    std::unique_ptr<RecordingFrame> frame;
    std::unique_ptr<dtaCalcPar> window;
};

}  // namespace calcwindow_test
