#include "lib/ini.h"

#include <windows.h>

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string WorkFile(const char* name)
{
    char dir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir) + "\\" + name;
}

// The file's bytes as they are on disk, after the system's profile cache has
// been written out.
std::string FileBytes(const std::string& file)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFile(const std::string& file, const std::optional<std::string>& bytes)
{
    DeleteFileA(file.c_str());
    if (bytes) std::ofstream(file, std::ios::binary) << *bytes;
}

struct LayoutCase {
    const char* what;
    std::optional<std::string> before;  // no file at all when empty
    const char* section;
    const char* entry;
    const char* value;
    std::string after;
};

TEST(WriteIniString, LaysTheFileOutSectionBySection)
{
    const LayoutCase cases[] = {
        {"new file", std::nullopt, "Config", "Farbe", "12", "[Config]\r\nFarbe=12\r\n"},
        {"empty file", "", "Config", "Farbe", "12", "[Config]\r\nFarbe=12\r\n"},
        {"new section after others", "[Copyright]\r\nVersion=8.01\r\n", "Config", "Farbe", "12",
         "[Copyright]\r\nVersion=8.01\r\n\r\n[Config]\r\nFarbe=12\r\n"},
        {"new section after a file ending in empty lines", "[A]\r\nx=1\r\n\r\n\r\n", "B", "y", "2",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"new section whose name begins another one", "[ConfigAlt]\r\nx=1\r\n", "Config", "y", "2",
         "[ConfigAlt]\r\nx=1\r\n\r\n[Config]\r\ny=2\r\n"},
        {"existing key updated in place", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n", "A", "x", "9",
         "[A]\r\nx=9\r\ny=2\r\n\r\n[B]\r\nz=3\r\n"},
        {"new key after the section's last line", "[A]\r\nx=1\r\n\r\n[B]\r\nz=3\r\n", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n"},
        {"section and key found whatever their case", "[Config]\r\nFarbe=1\r\n", "CONFIG", "farbe", "2",
         "[Config]\r\nFarbe=2\r\n"},
        {"value written unchanged", "[A]\r\n", "A", "k", " T ", "[A]\r\nk= T \r\n"},
        {"lines ended by LF alone keep them", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"a header without its bracket is no section", "[Config\r\nSprache=ger\r\n", "Config", "Sprache", "eng",
         "[Config\r\nSprache=ger\r\n[Config]\r\nSprache=eng\r\n"},
    };
    const auto file = WorkFile("layout.ini");
    for (const auto& c : cases) {
        PutFile(file, c.before);
        EXPECT_TRUE(WriteIniString(c.section, c.entry, c.value, file)) << c.what;
        EXPECT_EQ(FileBytes(file), c.after) << c.what;
    }
}

TEST(WriteIniString, KeepsTheLayoutOverManyWritesAndReadsBack)
{
    const auto file = WorkFile("settings.ini");
    PutFile(file, std::nullopt);
    EXPECT_EQ(GetIniString("Config", "Sprache", file), "");
    ASSERT_TRUE(WriteIniString("Copyright", "Version", "8.01", file));
    ASSERT_TRUE(WriteIniString("Config", "Sprache", "ger", file));
    EXPECT_EQ(GetIniString("Config", "Sprache", file), "ger");
    ASSERT_TRUE(WriteIniString("ProgrammFen", "FormatQ", "3", file));
    ASSERT_TRUE(WriteIniString("Config", "Sprache", "eng", file));
    ASSERT_TRUE(WriteIniString("config", "Tooltip", "T", file));
    EXPECT_EQ(GetIniString("Config", "Sprache", file), "eng");
    EXPECT_EQ(FileBytes(file), "[Copyright]\r\nVersion=8.01\r\n\r\n[Config]\r\nSprache=eng\r\nTooltip=T\r\n"
                               "\r\n[ProgrammFen]\r\nFormatQ=3\r\n");
    EXPECT_EQ(GetFileAttributesA((file.substr(0, file.size() - 1) + "~").c_str()), INVALID_FILE_ATTRIBUTES);
}

enum class Encoding { Ansi, Utf8, Utf16 };

// A text in an encoding, with its byte-order mark; and back.
std::string Encoded(const std::wstring& text, Encoding encoding)
{
    if (encoding == Encoding::Utf16)
        return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), 2 * text.size());
    const UINT codePage = encoding == Encoding::Utf8 ? CP_UTF8 : 1252;
    std::string bytes(4 * text.size(), '\0');
    bytes.resize(
        static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                                     bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
    return (encoding == Encoding::Utf8 ? "\xEF\xBB\xBF" : "") + bytes;
}

std::wstring Decoded(std::string bytes, Encoding encoding)
{
    const std::string bom = encoding == Encoding::Utf16 ? "\xFF\xFE" : encoding == Encoding::Utf8 ? "\xEF\xBB\xBF" : "";
    EXPECT_TRUE(bytes.starts_with(bom)) << "the byte-order mark is kept";
    bytes.erase(0, bom.size());
    if (encoding == Encoding::Utf16)
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(encoding == Encoding::Utf8 ? CP_UTF8 : 1252, 0,
                                                             bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                                             static_cast<int>(text.size()))));
    return text;
}

std::wstring Joined(const std::vector<std::wstring>& lines, const std::wstring& end)
{
    std::wstring text;
    for (const auto& line : lines) text += line + end;
    return text;
}

// A settings file in each encoding the reader knows, with each kind of line
// end: every write reads back, every other key keeps its value, and the file
// keeps its encoding, its line ends and one section of each name.
TEST(WriteIniString, KeepsTheEncodingAndLineEndsOfTheFile)
{
    const std::vector<std::wstring> before = {L"[Copyright]", L"Version=8.01", L"",
                                              L"[Config]",    L"Sprache=ger",  L"Gr\u00F6\u00DFe=\u00E4\u00F6\u00FC"};
    const std::vector<std::wstring> after = {L"[Copyright]",
                                             L"Version=8.02",
                                             L"",
                                             L"[Config]",
                                             L"Sprache=eng",
                                             L"Gr\u00F6\u00DFe=\u00E4\u00F6\u00FC",
                                             L"Neu=\u00DF",
                                             L"",
                                             L"[Extra]",
                                             L"k=v"};
    struct Write {
        const char *section, *entry, *value;
    };
    const Write writes[] = {
        {"Config", "Sprache", "eng"}, {"Copyright", "Version", "8.02"}, {"Config", "Neu", "\xDF"}, {"Extra", "k", "v"}};
    const auto file = WorkFile("encoded.ini");
    for (Encoding encoding : {Encoding::Ansi, Encoding::Utf8, Encoding::Utf16}) {
        for (const std::wstring end : {L"\r\n", L"\n", L"\r"}) {
            SCOPED_TRACE(::testing::Message() << (encoding == Encoding::Ansi   ? "ANSI"
                                                  : encoding == Encoding::Utf8 ? "UTF-8"
                                                                               : "UTF-16")
                                              << (end == L"\r\n" ? ", CR LF"
                                                  : end == L"\n" ? ", LF"
                                                                 : ", CR"));
            PutFile(file, Encoded(Joined(before, end), encoding));
            std::vector<std::pair<Write, std::string>> expected = {{{"Copyright", "Version", ""}, "8.01"},
                                                                   {{"Config", "Sprache", ""}, "ger"},
                                                                   {{"Config",
                                                                     "Gr\xF6\xDF"
                                                                     "e",
                                                                     ""},
                                                                    "\xE4\xF6\xFC"}};
            for (const Write& write : writes) {
                ASSERT_TRUE(WriteIniString(write.section, write.entry, write.value, file)) << write.entry;
                bool known = false;
                for (auto& [key, value] : expected) {
                    if (std::string(key.section) == write.section && std::string(key.entry) == write.entry) {
                        value = write.value;
                        known = true;
                    }
                }
                if (!known) expected.push_back({write, write.value});
                for (const auto& [key, value] : expected)
                    EXPECT_EQ(GetIniString(key.section, key.entry, file), value) << key.entry;
            }
            EXPECT_EQ(Decoded(FileBytes(file), encoding), Joined(after, end));
        }
    }
}

// Where a write cannot keep the file readable, it is refused and the file
// stays as it was.
TEST(WriteIniString, RefusesWhatCannotBeReadBackAndKeepsTheFile)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* value;
    } cases[] = {
        {"UTF-16 big-endian", "\xFE\xFF" + std::string("\0[\0A\0]\0\r\0\n\0k\0=\0\x31\0\r\0\n", 20), "2"},
        {"invalid UTF-8", "\xEF\xBB\xBF[A]\r\nk=\xC3\x28\r\n", "2"},
        {"odd UTF-16", "\xFF\xFE[\0A\0]\0\r", "2"},
        {"a line break in the value", "[A]\r\nk=1\r\n", "2\r\nx=3"},
    };
    const auto file = WorkFile("refused.ini");
    for (const auto& c : cases) {
        PutFile(file, c.bytes);
        EXPECT_FALSE(WriteIniString("A", "k", c.value, file)) << c.what;
        EXPECT_EQ(FileBytes(file), c.bytes) << c.what;
    }
}

// A settings file whose path is as long as the reader takes (up to 259
// characters) is written as any other.
TEST(WriteIniString, WritesEveryPathTheReaderTakes)
{
    char dir[MAX_PATH];
    const std::string cwd(dir, GetCurrentDirectoryA(MAX_PATH, dir));
    for (std::size_t length = 250; length < MAX_PATH; ++length) {
        SCOPED_TRACE(length);
        const std::string name = "settings.ini";
        const std::string folder = cwd + "\\" + std::string(length - cwd.size() - 2 - name.size(), 'd');
        const std::string file = folder + "\\" + name;
        ASSERT_EQ(file.size(), length);
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA(file.c_str());
        EXPECT_TRUE(WriteIniString("Config", "Sprache", "ger", file));
        EXPECT_TRUE(WriteIniString("Config", "Sprache", "eng", file));
        EXPECT_EQ(GetIniString("Config", "Sprache", file), "eng");
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    }
}

TEST(WriteIniString, FailsWhereTheFileCannotBeWritten)
{
    EXPECT_FALSE(WriteIniString("A", "k", "v", WorkFile("no such folder\\x.ini")));
    const auto file = WorkFile("readonly.ini");
    PutFile(file, "[A]\r\nk=1\r\n");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteIniString("A", "k", "2", file));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(file), "[A]\r\nk=1\r\n");
}

TEST(GetIniString, TrimsAndCutsToTheBuffer)
{
    const auto file = WorkFile("read.ini");
    const std::string long300(300, 'x');
    PutFile(file, "[A]\r\npadded=   a b   \r\nlong=" + long300 + "\r\nempty=\r\n");
    EXPECT_EQ(GetIniString("A", "padded", file), "a b");
    EXPECT_EQ(GetIniString("A", "long", file), std::string(255, 'x'));
    EXPECT_EQ(GetIniString("A", "long", file, 1000), long300);
    EXPECT_EQ(GetIniString("A", "empty", file), "");
    EXPECT_EQ(GetIniString("A", "missing", file), "");
    EXPECT_EQ(GetIniString("B", "padded", file), "");
    EXPECT_EQ(GetIniString("A", "padded", WorkFile("missing.ini")), "");
    EXPECT_EQ(GetIniString("A", "padded", ""), "");
}

// A section read whole answers what the reader answers key by key, on a
// section holding what language files hold: blanks, quotes, comments, equal
// keys in other case, "=" in values, long values; and one larger than the
// first read buffer.
TEST(IniSection, AnswersAsTheReaderDoesKeyByKey)
{
    const auto file = WorkFile("section.ini");
    std::string bulk;
    for (int i = 0; i < 400; ++i) bulk += "BULK_" + std::to_string(i) + "=" + std::string(60, 'a' + i % 26) + "\r\n";
    PutFile(file, "; heading comment\r\n[A]\r\n; STRING_001=commented out\r\n  STRING_001 =  first \r\n"
                  "string_001=second\r\nQUOTED=\"  in quotes  \"\r\nSINGLE='single'\r\nHALF=\"half\r\n"
                  "LONE=\"\r\nMIXED=\"a'\r\nEQ=a=b=c\r\nEMPTY=\r\nTAB=\tx\ty\t\r\nno equals sign\r\n"
                  "LONG=" +
                      std::string(1200, 'z') + "\r\n" + bulk + "[B]\r\nOTHER=b\r\n");
    std::vector<std::string> keys = {"STRING_001", "string_001", "QUOTED",       "SINGLE", "HALF",           "LONE",
                                     "MIXED",      "EQ",         "EMPTY",        "TAB",    "no equals sign", "LONG",
                                     "OTHER",      "MISSING",    " STRING_001 ", "BULK_0", "BULK_399"};
    for (unsigned buffer : {256u, 1000u}) {
        const IniSection section("A", file, buffer);
        for (const std::string& key : keys)
            EXPECT_EQ(section.Find(key), GetIniString("A", key, file, buffer)) << key << ", buffer " << buffer;
    }
    EXPECT_EQ(IniSection("A", file).Find("STRING_001"), "first");
    EXPECT_EQ(IniSection("A", file).Find("BULK_399"), std::string(60, 'a' + 399 % 26));
    EXPECT_EQ(IniSection("A", file).Find("; STRING_001"), "");
    EXPECT_EQ(IniSection("b", file).Find("other"), "b");
    EXPECT_EQ(IniSection("C", file).Find("OTHER"), "");
    EXPECT_EQ(IniSection("A", WorkFile("missing.ini")).Find("STRING_001"), "");
    EXPECT_EQ(IniSection("A", "").Find("STRING_001"), "");
}

}  // namespace
