#include "calc/library.h"

namespace calc {

namespace {

std::string g_loadError;

geodesy::Logic __stdcall Unavailable1(std::uint32_t)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableHelmert(const double*, const double*, std::uint32_t, std::uint16_t, double*,
                                            double*)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableMolodensky(const double*, const double*, std::uint32_t, double*)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableOutliers(const double*, const double*, std::uint32_t, double*, std::uint32_t*,
                                             std::uint32_t, std::uint32_t*, double)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableResiduals(const double*, const double*, double*, std::uint32_t, std::uint16_t,
                                              const double*)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableStat(const double*, std::uint32_t, double*)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableText(const char** text)
{
    *text = g_loadError.c_str();
    return 1;
}
geodesy::Logic __stdcall UnavailableUserEll(std::uint16_t, double, double)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableRefSys(std::uint16_t, double, double, double, double, double, double, double)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableTrans(double, double, std::uint16_t, std::uint16_t, std::uint16_t, double*, double*,
                                          std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableName(std::uint16_t, const char** name)
{
    *name = "";
    return 0;
}
geodesy::Logic __stdcall UnavailableEll(std::uint16_t, double* a, double* b)
{
    *a = *b = 0;
    return 0;
}
geodesy::Logic __stdcall UnavailableLanguage(std::uint16_t)
{
    return 0;
}
geodesy::Logic __stdcall UnavailableSwitch(std::int32_t)
{
    return 0;
}

// Stands in for the library when its file cannot be loaded.
geodesy::GeodesyFunctions UnavailableLibrary()
{
    geodesy::GeodesyFunctions f;
    f.seteventloop = Unavailable1;
    f.gettranshelmert = UnavailableHelmert;
    f.gettransmolodensky = UnavailableMolodensky;
    f.gettransoutliers = UnavailableOutliers;
    f.gettransresiduals = UnavailableResiduals;
    f.gettransresidualmax = f.gettransresidualaverage = f.gettransresidualrms = UnavailableStat;
    f.geterrorcode = f.getdllversion = f.getdisclaimer = UnavailableText;
    f.setuserellsource = f.setuserelltarget = UnavailableUserEll;
    f.setuserrefsys = UnavailableRefSys;
    f.coordtrans3 = UnavailableTrans;
    f.getellname = UnavailableName;
    f.getellsource = f.getelltarget = UnavailableEll;
    f.setlanguage = UnavailableLanguage;
    f.setmultithreading = f.setstaticuse = f.setstringallocate = UnavailableSwitch;
    return f;
}

const geodesy::GeodesyFunctions& LoadedLibrary()
{
    static geodesy::GeodesyLibrary library;
    static geodesy::GeodesyFunctions unavailable;
    static const geodesy::GeodesyFunctions* loaded = [] {
        if (library.Load()) return static_cast<const geodesy::GeodesyFunctions*>(&library);
        g_loadError = library.Error();
        unavailable = UnavailableLibrary();
        return static_cast<const geodesy::GeodesyFunctions*>(&unavailable);
    }();
    return *loaded;
}

const geodesy::GeodesyFunctions* g_library = nullptr;

}  // namespace

const geodesy::GeodesyFunctions& Library()
{
    return g_library ? *g_library : LoadedLibrary();
}

const geodesy::GeodesyFunctions* SetLibrary(const geodesy::GeodesyFunctions* library)
{
    const geodesy::GeodesyFunctions* previous = g_library;
    g_library = library;
    return previous;
}

std::string LibraryMessage()
{
    const char* text = nullptr;
    if (!Library().geterrorcode(&text) || !text) return "";
    return text;
}

}  // namespace calc
