#include "platform/geodesy/orbalith32.h"

namespace geodesy {

namespace {

// Resolves one export into its typed pointer; FALSE when it is missing.
template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return fn != nullptr;
}

}  // namespace

GeodesyLibrary::~GeodesyLibrary()
{
    Unload();
}

bool GeodesyLibrary::Load(const std::string& path)
{
    Unload();
    module_ = LoadLibraryA(path.c_str());
    if (module_ == nullptr) {
        error_ = "cannot load " + path + " (system error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    const char* missing = nullptr;
    auto need = [&](const char* name, auto& fn) {
        if (missing == nullptr && !Resolve(module_, name, fn)) missing = name;
    };
    need("seteventloop", seteventloop);
    need("gettranshelmert", gettranshelmert);
    need("gettransmolodensky", gettransmolodensky);
    need("gettransoutliers", gettransoutliers);
    need("gettransresiduals", gettransresiduals);
    need("gettransresidualmax", gettransresidualmax);
    need("gettransresidualaverage", gettransresidualaverage);
    need("gettransresidualrms", gettransresidualrms);
    need("geterrorcode", geterrorcode);
    need("setuserellsource", setuserellsource);
    need("setuserelltarget", setuserelltarget);
    need("setuserrefsys", setuserrefsys);
    need("coordtrans3", coordtrans3);
    need("getellname", getellname);
    need("getellsource", getellsource);
    need("getelltarget", getelltarget);
    need("setlanguage", setlanguage);
    need("setmultithreading", setmultithreading);
    need("setstaticuse", setstaticuse);
    need("setstringallocate", setstringallocate);
    need("getdllversion", getdllversion);
    need("getdisclaimer", getdisclaimer);
    if (missing != nullptr) {
        Unload();
        error_ = path + " has no function " + missing;
        return false;
    }
    error_.clear();
    return true;
}

void GeodesyLibrary::Unload()
{
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
    static_cast<GeodesyFunctions&>(*this) = GeodesyFunctions();
}

}  // namespace geodesy
