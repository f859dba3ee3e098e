#include "app/shell/settings.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/shell/globals.h"
#include "lib/files.h"
#include "lib/ini.h"
#include "lib/placement.h"
#include "lib/sprache.h"
#include "platform/runtime/files.h"
#include "platform/framework/window.h"

namespace shell {

namespace {

std::string IniFile()
{
    return gcPfadUser + "meridoxa.ini";
}

std::string Read(const char* key)
{
    return GetIniString("Config", key, IniFile());
}

// The number of a text of digits with an optional leading minus sign; none
// for any other text.
std::optional<int> Number(const std::string& text)
{
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() == first || text.size() > first + 9 ||
        !std::all_of(text.begin() + first, text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(text);
}

// The number of a key when it lies in low..high, else the default.
int Ranged(const char* key, int low, int high, int standard)
{
    const auto value = Number(Read(key));
    return value && *value >= low && *value <= high ? *value : standard;
}

std::string Padded(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

// The five colours of a Farben text; none when its first 45 characters are
// not 15 channels of three digits up to 255.
std::optional<std::array<Color, 5>> Colours(const std::string& text)
{
    if (text.size() < 45) return std::nullopt;
    std::array<int, 15> channels{};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const auto value = Number(text.substr(3 * i, 3));
        if (!value || text[3 * i] == '-' || *value > 255) return std::nullopt;
        channels[i] = *value;
    }
    std::array<Color, 5> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = Color(channels[3 * i], channels[3 * i + 1], channels[3 * i + 2]);
    return colours;
}

struct DirectorySetting {
    const char* key;
    std::string* value;
};

const DirectorySetting kDirectories[] = {
    {"LesePfadQ", &gcLesePfadQ},       {"LesePfadZ", &gcLesePfadZ},       {"SchreibPfadQ", &gcSchreibPfadQ},
    {"SchreibPfadZ", &gcSchreibPfadZ}, {"SchreibPfadH", &gcSchreibPfadH}, {"DateiPfadP", &gcPfadProto},
    {"DateiPfadK", &gcDateiPfadK},
};

struct FlagSetting {
    const char* key;
    bool* value;
};

const FlagSetting kFlags[] = {
    {"Tooltip", &glTooltip}, {"Begruessung", &glBegruessung}, {"EndeNachfrage", &glEndeNachfrage}};

}  // namespace

void ProfilLaden(Window& oFrame)
{
    int x = 50, y = 50, width = 636, height = 705;
    if (const std::string ansicht = Read("Ansicht"); ansicht.size() >= 20) {
        const auto nx = Number(ansicht.substr(0, 5)), ny = Number(ansicht.substr(5, 5)),
                   nw = Number(ansicht.substr(10, 5)), nh = Number(ansicht.substr(15, 5));
        if (nx && ny && nw && nh) {
            x = *nx;
            y = *ny;
            width = *nw;
            height = *nh;
        }
    }
    FenAufFenPositionieren(oFrame, x, y, width, height);

    const std::string sprache = Read("Sprache");
    gcSprache = IsSprache(sprache) ? sprache : SpracheZuweisen();

    gcFarben = Read("Farben");
    gaFarben = Colours(gcFarben).value_or(gaFarbenStandard);
    for (std::size_t i = 0; i < gaPinsel.size(); ++i) gaPinsel[i] = Brush(gaFarben[i]);

    gnGradient = Ranged("Gradient", 0, 20, 15);
    gnGradDir = Ranged("GradDir", 0, 7, 7);
    for (const auto& flag : kFlags) *flag.value = Read(flag.key) != "F";
    for (const auto& directory : kDirectories) {
        const std::string value = Read(directory.key);
        *directory.value = !value.empty() && IsDir(value) ? value : gcPfadUser + "UserData\\";
    }
}

std::string ProfilSichern(const Window& oFrame)
{
    std::string error;
    // Every value is tried; the first failure is the one reported.
    auto write = [&error](const char* key, const std::string& value) {
        if (std::string failed = WriteConfig(key, value); error.empty()) error = std::move(failed);
    };
    write("Farben", gcFarben);
    write("Gradient", Padded(gnGradient, 3));
    write("GradDir", Padded(gnGradDir, 3));
    if (!oFrame.IsIconic()) {
        const Point origin = oFrame.Origin();
        const Dimension size = oFrame.Size();
        write("Ansicht", Padded(origin.x, 5) + Padded(origin.y, 5) + Padded(size.width, 5) + Padded(size.height, 5));
    }
    write("Sprache", gcSprache);
    for (const auto& flag : kFlags) write(flag.key, *flag.value ? "T" : "F");
    for (const auto& directory : kDirectories) write(directory.key, *directory.value);
    return error;
}

std::string WriteConfig(const std::string& key, const std::string& value)
{
    const std::string file = IniFile();
    SetLastError(0);
    if (WriteIniString("Config", key, value, file)) return {};
    // A write that failed without a reason of the system's was refused.
    const DWORD reason = GetLastError();
    return file + ": " + DosErrString(reason ? reason : ERROR_ACCESS_DENIED);
}

std::string SpracheZuweisen(LANGID nUserLangId, LANGID nSystemLangId)
{
    unsigned primary = GetPrimLangId(nUserLangId);
    if (primary == 0) primary = GetPrimLangId(nSystemLangId);
    std::string code = "eng";
    switch (primary) {
    case LANG_GERMAN: code = "ger"; break;
    case LANG_FRENCH: code = "fra"; break;
    case LANG_PORTUGUESE: code = "prt"; break;
    case LANG_SPANISH:
    case LANG_CATALAN:
    case LANG_BASQUE: code = "spa"; break;
    case LANG_SLOVENIAN: code = "slv"; break;
    default: break;
    }
    if (IsSprache(code)) return code;
    if (IsSprache("eng") || gaSprachen.empty()) return "eng";
    return gaSprachen.front().cCode;
}

}  // namespace shell
