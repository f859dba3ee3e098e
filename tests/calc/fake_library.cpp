#include "fake_library.h"

#include <algorithm>

namespace fake {

namespace {

Script* g_script = nullptr;
geodesy::GeodesyFunctions g_functions;

geodesy::Logic __stdcall Helmert(const double* s1, const double* s2, std::uint32_t n, std::uint16_t, double* p,
                                 double* r)
{
    g_script->calls.push_back("helmert");
    g_script->side1.assign(s1, s1 + 3 * n);
    g_script->side2.assign(s2, s2 + 3 * n);
    std::copy(g_script->parameters, g_script->parameters + 7, p);
    std::copy(g_script->rotation, g_script->rotation + 9, r);
    return g_script->helmertOk;
}

geodesy::Logic __stdcall Molodensky(const double* s1, const double* s2, std::uint32_t n, double* p)
{
    g_script->calls.push_back("molodensky");
    g_script->side1.assign(s1, s1 + 3 * n);
    g_script->side2.assign(s2, s2 + 3 * n);
    std::copy(g_script->parameters, g_script->parameters + 7, p);
    return g_script->molodenskyOk;
}

geodesy::Logic __stdcall Outliers(const double*, const double*, std::uint32_t, double* values, std::uint32_t* pairs,
                                  std::uint32_t m, std::uint32_t* count, double)
{
    g_script->calls.push_back("outliers " + std::to_string(m));
    *count = static_cast<std::uint32_t>(g_script->outlierPairs.size());
    std::copy(g_script->outlierValues.begin(), g_script->outlierValues.end(), values);
    std::copy(g_script->outlierPairs.begin(), g_script->outlierPairs.end(), pairs);
    return g_script->outliersOk;
}

geodesy::Logic __stdcall Residuals(const double*, const double*, double* residuals, std::uint32_t n, std::uint16_t,
                                   const double*)
{
    g_script->calls.push_back("residuals");
    std::fill(residuals, residuals + 3 * n, 0.0);
    std::copy_n(g_script->residuals.begin(), std::min<std::size_t>(3 * n, g_script->residuals.size()), residuals);
    return g_script->residualsOk;
}

geodesy::Logic __stdcall Max(const double*, std::uint32_t, double* v)
{
    g_script->calls.push_back("max");
    *v = g_script->stats[0];
    return g_script->maxOk;
}

geodesy::Logic __stdcall Average(const double*, std::uint32_t, double* v)
{
    g_script->calls.push_back("average");
    *v = g_script->stats[1];
    return g_script->averageOk;
}

geodesy::Logic __stdcall Rms(const double*, std::uint32_t, double* v)
{
    g_script->calls.push_back("rms");
    *v = g_script->stats[2];
    return g_script->rmsOk;
}

geodesy::Logic __stdcall ErrorCode(const char** text)
{
    *text = g_script->error.c_str();
    return 1;
}

}  // namespace

Library::Library()
{
    g_script = &script;
    g_functions = calc::Library();
    g_functions.gettranshelmert = Helmert;
    g_functions.gettransmolodensky = Molodensky;
    g_functions.gettransoutliers = Outliers;
    g_functions.gettransresiduals = Residuals;
    g_functions.gettransresidualmax = Max;
    g_functions.gettransresidualaverage = Average;
    g_functions.gettransresidualrms = Rms;
    g_functions.geterrorcode = ErrorCode;
    calc::SetLibrary(&g_functions);
}

Library::~Library()
{
    calc::SetLibrary(nullptr);
    g_script = nullptr;
}

}  // namespace fake
