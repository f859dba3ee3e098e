#include "platform/runtime/system.h"

#include <windows.h>

#include <random>

#include "platform/runtime/numtext.h"

namespace {

std::mt19937 gRandom;

}  // namespace

std::string GetEnv(const std::string& name)
{
    DWORD n = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (n == 0) return "";
    std::string value(n, '\0');
    n = GetEnvironmentVariableA(name.c_str(), value.data(), n);
    value.resize(n < value.size() ? n : 0);
    return value;
}

double Seconds()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600.0 + t.wMinute * 60.0 + t.wSecond + t.wMilliseconds / 1000.0;
}

std::string TodaySortable()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return StrZero(t.wYear, 4, 0) + StrZero(t.wMonth, 2, 0) + StrZero(t.wDay, 2, 0);
}

std::string TimeOfDay()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return StrZero(t.wHour, 2, 0) + ":" + StrZero(t.wMinute, 2, 0) + ":" + StrZero(t.wSecond, 2, 0);
}

void RandomSeed(std::uint32_t seed)
{
    gRandom.seed(seed);
}

double Random()
{
    return gRandom() / 4294967296.0;
}

double MemoryFigure(int code)
{
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    switch (code) {
    case 0: return status.dwTotalPhys;
    case 1: return status.dwAvailPhys;
    case 2: return status.dwTotalPageFile;
    case 3: return status.dwAvailPageFile;
    case 4: return status.dwTotalVirtual;
    case 5: return status.dwAvailVirtual;
    case 100: return status.dwMemoryLoad;
    default: return 0.0;
    }
}

std::string OsName()
{
    // GetVersionEx reports what the program's manifest allows; the kernel's
    // own call reports the true version.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) return "Windows";
    const DWORD major = info.dwMajorVersion, minor = info.dwMinorVersion, build = info.dwBuildNumber;
    std::string name = "Windows";
    if (major == 10)
        name += build >= 22000 ? " 11" : " 10";
    else if (major == 6)
        name += minor == 0 ? " Vista" : minor == 1 ? " 7" : minor == 2 ? " 8" : " 8.1";
    else if (major == 5)
        name += " XP";
    return name + " (" + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build) + ")";
}
