#include "lib/system.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/framework/seam.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/system.h"

unsigned short gnPlattformVersion = 0;

namespace {

using IdentityMap = std::vector<std::pair<Array, Array>>;

void FillClone(const Array& aSource, Array& aCopy, IdentityMap& seen)
{
    for (std::size_t i = aSource.Len(); i >= 1; --i) {
        const Value& element = aSource[i];
        if (!element.IsArray() || element.AsArray().IsNull()) {
            aCopy[i] = element;
            continue;
        }
        const Array& inner = element.AsArray();
        auto known = seen.rbegin();
        while (known != seen.rend() && !known->first.Same(inner)) ++known;
        if (known != seen.rend()) {
            aCopy[i] = known->second;
            continue;
        }
        Array copy(inner.Len());
        aCopy[i] = copy;
        seen.emplace_back(inner, copy);
        FillClone(inner, copy, seen);
    }
}

}  // namespace

std::string GetNetUserName()
{
    char name[100];
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size) || size == 0) return {};
    return std::string(name, size - 1);
}

double MemoryEx(int nCode)
{
    double result = 0.0;
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if ((nCode == 0 || nCode == 1 || nCode == 100) && GlobalMemoryStatusEx(&status))
        result = nCode == 0   ? static_cast<double>(status.ullTotalPhys)
                 : nCode == 1 ? static_cast<double>(status.ullAvailPhys)
                              : status.dwMemoryLoad;
    return result != 0.0 ? result : MemoryFigure(nCode);
}

double GetGraphicsVersion()
{
    return Val("12.00");
}

unsigned short GetVoVersion(const std::string& cVersion)
{
    static constexpr std::pair<const char*, unsigned short> kVersions[] = {
        {"2.0", 20}, {"2.5", 25}, {"2.6", 26}, {"2.7", 27}, {"2.8", 28}};
    gnPlattformVersion = 27;
    for (const auto& [text, number] : kVersions) {
        if (cVersion.find(text) != std::string::npos) {
            gnPlattformVersion = number;
            break;
        }
    }
    return gnPlattformVersion;
}

int Ton(const std::string& cSound)
{
    // The tone of a sound that cannot be played: 500 Hz for two ticks of 55 ms.
    constexpr int kToneFrequency = 500;
    constexpr int kToneMilliseconds = 110;
    if (!cSound.empty() && !TheSeam().PlaySystemSound(cSound)) TheSeam().Tone(kToneFrequency, kToneMilliseconds);
    return 0;
}

Array AClone2(const Array& aSource)
{
    if (aSource.IsNull()) return {};
    Array copy(aSource.Len());
    IdentityMap seen{{aSource, copy}};
    FillClone(aSource, copy, seen);
    return copy;
}
