#include "app/shell/settings.h"

#include <gtest/gtest.h>

#include "app/shell/globals.h"
#include "lib/ini.h"
#include "lib/sprache.h"
#include "platform/runtime/files.h"
#include "platform/framework/appwindow.h"
#include "shell_fixture.h"

using namespace shell_test;

namespace {

void FlushIni()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "meridoxa.ini");
}

// A language table of the given codes, read from files made for it.
void LanguageTable(const std::vector<std::string>& codes)
{
    gcPfadSprache = FreshDir("languages");
    for (const auto& code : codes)
        PutFile(gcPfadSprache + "mdx_" + code + ".lng",
                "[LANGUAGE]\r\nLANG_ISO=" + code + "\r\nLANG_TEXT=" + code + "\r\n");
    SprachenLaden();
}

// A user directory with meridoxa.ini of the given content and a frame window.
class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        LanguageTable({"eng", "ger"});
        gcPfadUser = FreshDir("user");
        CreateDirectoryA((gcPfadUser + "UserData").c_str(), nullptr);
        CreateDirectoryA((gcPfadUser + "lists").c_str(), nullptr);
    }
    void Load(const std::string& config)
    {
        FlushIni();
        PutFile(gcPfadUser + "meridoxa.ini", "[Config]\r\n" + config);
        shell::ProfilLaden(frame);
    }
    std::string Ini() const
    {
        FlushIni();
        return FileBytes(gcPfadUser + "meridoxa.ini");
    }
    TopAppWindow frame;
};

struct LoadCase {
    const char* what;
    std::string config;
    int gradient = 15, gradDir = 7;
    bool tooltip = true, begruessung = true, endeNachfrage = true;
    Color first = Color(220, 250, 235);
    std::string farben = "";
    std::string sprache = "eng";
    std::string lesePfadQ = "UserData\\";
    Point origin{50, 50};
    Dimension size{636, 705};
};

TEST_F(Settings, ReadsEveryValueAndGivesInvalidOnesTheirDefaults)
{
    std::string colours = "001002003";
    while (colours.size() < 45) colours += "255";
    const LoadCase cases[] = {
        {"empty section", ""},
        {"gradient and direction", "Gradient=020\r\nGradDir=000\r\n", 20, 0},
        {"gradient too large", "Gradient=021\r\nGradDir=008\r\n"},
        {"negative", "Gradient=-1\r\nGradDir=-1\r\n"},
        {"no number", "Gradient=abc\r\nGradDir=5x\r\n"},
        {"10,000 characters",
         "Gradient=" + std::string(10000, '1') + "\r\nSprache=" + std::string(10000, 'g') + "\r\n"},
        {"flags", "Tooltip=F\r\nBegruessung=T\r\nEndeNachfrage=F\r\n", 15, 7, false, true, false},
        {"other flag texts count as on", "Tooltip=f\r\nBegruessung=FALSE\r\nEndeNachfrage=0\r\n"},
        {"colours", "Farben=" + colours + "123\r\n", 15, 7, true, true, true, Color(1, 2, 3), colours + "123"},
        {"colours of 44 characters", "Farben=" + colours.substr(0, 44) + "\r\n", 15, 7, true, true, true,
         Color(220, 250, 235), colours.substr(0, 44)},
        {"a channel above 255", "Farben=256" + colours.substr(3) + "\r\n", 15, 7, true, true, true,
         Color(220, 250, 235), "256" + colours.substr(3)},
        {"a letter among the colours", "Farben=" + colours.substr(0, 44) + "x\r\n", 15, 7, true, true, true,
         Color(220, 250, 235), colours.substr(0, 44) + "x"},
        {"language", "Sprache=ger\r\n", 15, 7, true, true, true, Color(220, 250, 235), "", "ger"},
        {"language without its file", "Sprache=fra\r\n"},
        {"existing directory", "LesePfadQ=<user>lists\\\r\n", 15, 7, true, true, true, Color(220, 250, 235), "", "eng",
         "lists\\"},
        {"missing directory", "LesePfadQ=<user>gone\\\r\n"},
        {"position and size",
         "Ansicht=00100001200050000600\r\n",
         15,
         7,
         true,
         true,
         true,
         Color(220, 250, 235),
         "",
         "eng",
         "UserData\\",
         {100, 120},
         {500, 600}},
        {"position and size without four numbers", "Ansicht=00100001200050000abc\r\n"},
        {"position and size too short", "Ansicht=0010000120005000060\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string config = c.config;
        if (auto at = config.find("<user>"); at != std::string::npos) config.replace(at, 6, gcPfadUser);
        Load(config);
        EXPECT_EQ(gnGradient, c.gradient);
        EXPECT_EQ(gnGradDir, c.gradDir);
        EXPECT_EQ(glTooltip, c.tooltip);
        EXPECT_EQ(glBegruessung, c.begruessung);
        EXPECT_EQ(glEndeNachfrage, c.endeNachfrage);
        EXPECT_EQ(gaFarben[0].ColorRef(), c.first.ColorRef());
        EXPECT_EQ(gcFarben, c.farben);
        EXPECT_EQ(gcSprache, c.sprache);
        EXPECT_EQ(gcLesePfadQ, gcPfadUser + c.lesePfadQ);
        for (const auto* path :
             {&gcLesePfadZ, &gcSchreibPfadQ, &gcSchreibPfadZ, &gcSchreibPfadH, &gcPfadProto, &gcDateiPfadK})
            EXPECT_EQ(*path, gcPfadUser + "UserData\\");
        EXPECT_EQ(frame.Origin().x, c.origin.x);
        EXPECT_EQ(frame.Origin().y, c.origin.y);
        EXPECT_EQ(frame.Size().width, c.size.width);
        EXPECT_EQ(frame.Size().height, c.size.height);
    }
}

TEST_F(Settings, WritesTheSectionInItsOrderAndKeepsAShortColourText)
{
    const std::string colours = std::string(44, '1');
    Load("Farben=" + colours +
         "\r\nGradient=004\r\nGradDir=002\r\nSprache=ger\r\nTooltip=F\r\n"
         "Ansicht=00100001200050000600\r\nDateiPfadK=" +
         gcPfadUser + "lists\\\r\n");
    PutFile(gcPfadUser + "meridoxa.ini", "[Copyright]\r\nVersion=MERIDOXA 8.01\r\n");
    shell::ProfilSichern(frame);
    const std::string u = gcPfadUser + "UserData\\";
    EXPECT_EQ(Ini(), "[Copyright]\r\nVersion=MERIDOXA 8.01\r\n\r\n[Config]\r\nFarben=" + colours +
                         "\r\nGradient=004\r\nGradDir=002\r\nAnsicht=00100001200050000600\r\nSprache=ger\r\n"
                         "Tooltip=F\r\nBegruessung=T\r\nEndeNachfrage=T\r\nLesePfadQ=" +
                         u + "\r\nLesePfadZ=" + u + "\r\nSchreibPfadQ=" + u + "\r\nSchreibPfadZ=" + u +
                         "\r\nSchreibPfadH=" + u + "\r\nDateiPfadP=" + u + "\r\nDateiPfadK=" + gcPfadUser +
                         "lists\\\r\n");
}

TEST_F(Settings, KeepsThePlaceWhileTheFrameIsMinimised)
{
    Load("Ansicht=00100001200050000600\r\n");
    frame.Show();
    ShowWindow(frame.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(frame.IsIconic());
    PutFile(gcPfadUser + "meridoxa.ini", "[Config]\r\nAnsicht=00200002200040000500\r\n");
    shell::ProfilSichern(frame);
    EXPECT_EQ(GetIniString("Config", "Ansicht", gcPfadUser + "meridoxa.ini"), "00200002200040000500");
    ShowWindow(frame.Handle(), SW_RESTORE);
    shell::ProfilSichern(frame);
    FlushIni();
    EXPECT_EQ(GetIniString("Config", "Ansicht", gcPfadUser + "meridoxa.ini"), "00100001200050000600");
}

// Every value is tried; the first failure names the file and the reason.
TEST_F(Settings, AFailedWriteIsReportedWithTheFilesName)
{
    Load("Sprache=eng\r\n");
    EXPECT_EQ(shell::ProfilSichern(frame), "");
    const std::string ini = gcPfadUser + "meridoxa.ini";
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    gcSprache = "ger";
    EXPECT_EQ(shell::ProfilSichern(frame), ini + ": " + DosErrString(ERROR_ACCESS_DENIED));
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    FlushIni();
    EXPECT_EQ(GetIniString("Config", "Sprache", ini), "eng");
    gcSprache = "eng";
}

TEST(SpracheZuweisen, FollowsTheWindowsLanguageWhereItsFileExists)
{
    struct Case {
        const char* what;
        std::vector<std::string> files;
        LANGID user, system;
        const char* code;
    } cases[] = {
        {"German", {"eng", "ger"}, 0x0407, 0x0409, "ger"},
        {"Austrian German", {"eng", "ger"}, 0x0C07, 0x0409, "ger"},
        {"French without its file", {"eng", "ger"}, 0x040C, 0x0407, "eng"},
        {"French", {"eng", "fra"}, 0x040C, 0x0409, "fra"},
        {"Portuguese", {"eng", "prt"}, 0x0816, 0x0409, "prt"},
        {"Catalan", {"eng", "spa"}, 0x0403, 0x0409, "spa"},
        {"Basque", {"eng", "spa"}, 0x042D, 0x0409, "spa"},
        {"Slovenian", {"eng", "slv"}, 0x0424, 0x0409, "slv"},
        {"Slovenian without its file", {"eng", "ger"}, 0x0424, 0x0409, "eng"},
        {"user language 0: the system's", {"eng", "ger"}, 0x0000, 0x0407, "ger"},
        {"Italian", {"eng", "ger"}, 0x0410, 0x0407, "eng"},
        {"no English file", {"ger"}, 0x040C, 0x0409, "ger"},
        {"no file at all", {}, 0x0407, 0x0407, "???"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LanguageTable(c.files);
        EXPECT_EQ(shell::SpracheZuweisen(c.user, c.system), c.code);
    }
}

}  // namespace
