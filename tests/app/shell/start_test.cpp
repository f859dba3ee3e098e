#include "app/shell/start.h"

#include <algorithm>
#include <type_traits>
#include <gtest/gtest.h>
#include <objbase.h>

#include "app/calcwindow/calcwindow.h"
#include "app/shell/globals.h"
#include "calc/library.h"
#include "lib/ini.h"
#include "platform/framework/recording_seam.h"
#include "shell_fixture.h"

using namespace shell_test;

namespace {

// The real geodesy library behind a table that records the name of every call.
std::vector<std::string> g_calls;
const geodesy::GeodesyFunctions* g_real = nullptr;

template <typename Fn>
struct Recorded;

template <typename R, typename... A>
struct Recorded<R(__stdcall*)(A...)> {
    template <auto Member>
    static R __stdcall Call(A... args)
    {
        g_calls.push_back(name<Member>);
        return (g_real->*Member)(args...);
    }
    template <auto Member>
    static inline const char* name = "";
};

class RecordingLibrary {
public:
    RecordingLibrary()
    {
        g_calls.clear();
        g_real = &calc::Library();
#define MDX_RECORD(name) Record<&geodesy::GeodesyFunctions::name>(#name)
        MDX_RECORD(seteventloop);
        MDX_RECORD(gettranshelmert);
        MDX_RECORD(gettransmolodensky);
        MDX_RECORD(gettransoutliers);
        MDX_RECORD(gettransresiduals);
        MDX_RECORD(gettransresidualmax);
        MDX_RECORD(gettransresidualaverage);
        MDX_RECORD(gettransresidualrms);
        MDX_RECORD(geterrorcode);
        MDX_RECORD(setuserellsource);
        MDX_RECORD(setuserelltarget);
        MDX_RECORD(setuserrefsys);
        MDX_RECORD(coordtrans3);
        MDX_RECORD(getellname);
        MDX_RECORD(getellsource);
        MDX_RECORD(getelltarget);
        MDX_RECORD(setlanguage);
        MDX_RECORD(setmultithreading);
        MDX_RECORD(setstaticuse);
        MDX_RECORD(setstringallocate);
        MDX_RECORD(getdllversion);
        MDX_RECORD(getdisclaimer);
#undef MDX_RECORD
        previous_ = calc::SetLibrary(&table_);
    }
    ~RecordingLibrary()
    {
        calc::SetLibrary(previous_);
    }

private:
    template <auto Member>
    void Record(const char* name)
    {
        using Fn = std::remove_reference_t<decltype(table_.*Member)>;
        Recorded<Fn>::template name<Member> = name;
        table_.*Member = &Recorded<Fn>::template Call<Member>;
    }
    geodesy::GeodesyFunctions table_;
    const geodesy::GeodesyFunctions* previous_;
};

}  // namespace

namespace {

// An installation with the shipped language files.
struct StartInstallation : Installation {
    StartInstallation() : Installation("start")
    {
        for (const char* name : {"mdx_eng.lng", "mdx_ger.lng"}) {
            std::string source = MDX_SOURCE_DIR "/lang/";
            std::replace(source.begin(), source.end(), '/', '\\');
            CopyFileA((source + name).c_str(), (root + "prog\\progdata\\" + name).c_str(), FALSE);
        }
    }
};

BOOL CALLBACK CountVisible(HWND window, LPARAM data)
{
    if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(data);
    return TRUE;
}

int TopWindowsOfThisThread()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(AppStart, AFailedSetUpShowsItsErrorAndEndsWithoutAWindowOrALibraryCall)
{
    StartInstallation inst;
    inst.facts.pathTypes[inst.root] = DRIVE_UNKNOWN;
    RecordingSeam seam;
    RecordingLibrary library;
    shell::MeridoxaApp app(inst.facts);
    app.Start();
    ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].text, "Error on access to directory\n" + inst.root + "prog\\");
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(TopWindowsOfThisThread(), 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the application was told to quit";
}

// Closes this thread's frame window once the calculation window is shown (or after
// ten seconds), and notes which windows were shown then and how long after the
// frame the calculation window came.
std::vector<std::string> g_shown;
int g_ticks = 0;
int g_ticksWithFrameOnly = 0;

BOOL CALLBACK FindFrame(HWND window, LPARAM data)
{
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) == "MERIDOXA 8.01") *reinterpret_cast<HWND*>(data) = window;
    return TRUE;
}

void CALLBACK CloseFrame(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND frame = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFrame, reinterpret_cast<LPARAM>(&frame));
    const bool calcShown = goCalcPar && IsWindowVisible(goCalcPar->Handle());
    if (frame && IsWindowVisible(frame) && !calcShown) ++g_ticksWithFrameOnly;
    if (!frame || (!calcShown && ++g_ticks < 100)) return;
    KillTimer(nullptr, timer);
    if (IsWindowVisible(frame)) g_shown.push_back("frame");
    if (calcShown) g_shown.push_back("calculation window");
    PostMessageA(frame, WM_CLOSE, 0, 0);
}

TEST(AppStart, SwitchesTheLibraryFirstThenShowsFrameStartScreenAndCalculationWindowAndSavesTheSettings)
{
    StartInstallation inst;
    RecordingSeam seam;
    RecordingLibrary library;
    g_shown.clear();
    g_ticksWithFrameOnly = 0;
    seam.messageBoxAnswers.push_back(IDYES);
    SetTimer(nullptr, 0, 100, CloseFrame);
    shell::MeridoxaApp app(inst.facts);
    app.Start();
    // The start screen (on at a first start) holds the calculation window back
    // for about 4 s; the exit question (on too) is answered with Yes.
    EXPECT_GE(g_ticksWithFrameOnly, 30);
    EXPECT_LE(g_ticksWithFrameOnly, 60);
    ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_EQ(seam.CallsOf("MessageBox")[0].text, "Do you want to end MERIDOXA?");
    ASSERT_GE(g_calls.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(g_calls.begin(), g_calls.begin() + 3),
              (std::vector<std::string>{"setmultithreading", "setstaticuse", "setstringallocate"}));
    for (const char* name : {"setmultithreading", "setstaticuse", "setstringallocate"})
        EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), name), 1) << name;
    EXPECT_EQ(g_shown, (std::vector<std::string>{"frame", "calculation window"}));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "meridoxa.ini");
    const std::string ini = inst.root + "appdata\\meridoxa\\meridoxa.ini";
    EXPECT_EQ(GetIniString("Config", "Ansicht", ini).size(), 20u);
    EXPECT_EQ(GetIniString("Config", "DateiPfadK", ini), inst.root + "appdata\\meridoxa\\UserData\\");
    EXPECT_EQ(TopWindowsOfThisThread(), 0);
}

// The program holds OLE on its window thread while it runs (the system's
// picture objects and the folder dialog are used there) and gives it back at
// the end.
TEST(AppStart, HoldsOleOnTheWindowThreadWhileItRuns)
{
    class Probe : public shell::MeridoxaApp {
    public:
        using MeridoxaApp::MeridoxaApp;
        HRESULT inLoop = E_FAIL;

    protected:
        int Loop() override
        {
            inLoop = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(inLoop)) CoUninitialize();
            return 0;
        }
    };
    // S_OK: this call initialised the thread; S_FALSE: it was already.
    const auto fnInitialise = [] {
        const HRESULT nResult = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(nResult)) CoUninitialize();
        return nResult;
    };
    StartInstallation inst;
    RecordingSeam seam;
    ASSERT_EQ(fnInitialise(), S_OK);
    Probe app(inst.facts);
    app.Start();
    EXPECT_EQ(app.inLoop, S_FALSE);
    EXPECT_EQ(fnInitialise(), S_OK) << "given back at the end";
}

}  // namespace
