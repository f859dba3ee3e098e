#include "lib/ini.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"

namespace {

// The blanks the reader trims around names and values.
template <class Char>
std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> s)
{
    const Char blanks[] = {' ', '\t', 0};
    const auto first = s.find_first_not_of(blanks);
    if (first == std::basic_string_view<Char>::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool SameName(std::wstring_view a, std::wstring_view b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// The section name of a header line "[name]"; as for the reader, a line
// without "]" after its "[" is no header.
template <class Char>
std::optional<std::basic_string_view<Char>> SectionName(std::basic_string_view<Char> line)
{
    const auto t = TrimBlanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = t.rfind(']');
    if (close == 0 || close == std::basic_string_view<Char>::npos) return std::nullopt;
    return TrimBlanks(t.substr(1, close - 1));
}

// The key name of a line "key=value".
template <class Char>
std::optional<std::basic_string_view<Char>> KeyName(std::basic_string_view<Char> line)
{
    const auto t = TrimBlanks(line);
    const auto eq = t.find('=');
    if (t.empty() || SectionName(t) || eq == std::basic_string_view<Char>::npos) return std::nullopt;
    return TrimBlanks(t.substr(0, eq));
}

// A file's lines, each with its own line end (CR LF, LF, CR, or none for a
// last line without one), in the character type the file is edited in.
template <class Char>
struct TextLines {
    using String = std::basic_string<Char>;
    std::vector<String> lines;
    std::vector<String> ends;

    explicit TextLines(std::basic_string_view<Char> text)
    {
        const Char lineEnds[] = {'\r', '\n', 0};
        std::size_t pos = 0;
        while (pos < text.size()) {
            const auto end = text.find_first_of(lineEnds, pos);
            if (end == std::basic_string_view<Char>::npos) {
                Add(String(text.substr(pos)), String());
                break;
            }
            const std::size_t length = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
            Add(String(text.substr(pos, end - pos)), String(text.substr(end, length)));
            pos = end + length;
        }
    }

    void Add(String line, String end)
    {
        lines.push_back(std::move(line));
        ends.push_back(std::move(end));
    }

    // The file's own line end for new lines: that of its first line, CR LF
    // for a file without any.
    String NewLineEnd() const
    {
        for (const auto& end : ends)
            if (!end.empty()) return end;
        return String{'\r', '\n'};
    }

    String Joined() const
    {
        String text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += lines[i] + ends[i];
        return text;
    }

    // Sets the key of the section: an existing key (names compared whole
    // and without regard to case) gets the new value in place, a new key
    // goes after the section's last line, a new section to the end of the
    // file, after an empty line when the file has sections.
    void Set(const String& section, const String& entry, const String& value)
    {
        const String newEnd = NewLineEnd();
        const String keyLine = entry + Char('=') + value;
        const auto wanted = TrimBlanks(std::basic_string_view<Char>(section));
        const auto key = TrimBlanks(std::basic_string_view<Char>(entry));
        bool hasSections = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto name = SectionName(std::basic_string_view<Char>(lines[i]));
            if (!name) continue;
            hasSections = true;
            if (!SameName(*name, wanted)) continue;
            std::size_t last = i;
            for (std::size_t k = i + 1; k < lines.size() && !SectionName(std::basic_string_view<Char>(lines[k])); ++k) {
                const auto found = KeyName(std::basic_string_view<Char>(lines[k]));
                if (found && SameName(*found, key)) {
                    lines[k] = String(*found) + Char('=') + value;
                    return;
                }
                if (!TrimBlanks(std::basic_string_view<Char>(lines[k])).empty()) last = k;
            }
            if (ends[last].empty()) ends[last] = newEnd;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1, keyLine);
            ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(last) + 1, newEnd);
            return;
        }
        while (!lines.empty() && TrimBlanks(std::basic_string_view<Char>(lines.back())).empty()) {
            lines.pop_back();
            ends.pop_back();
        }
        if (!ends.empty() && ends.back().empty()) ends.back() = newEnd;
        if (hasSections) Add(String(), newEnd);
        Add(Char('[') + section + Char(']'), newEnd);
        Add(keyLine, newEnd);
    }
};

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16 = "\xFF\xFE";
constexpr std::string_view kBomUtf16BigEndian = "\xFE\xFF";

std::optional<std::wstring> Widened(std::string_view text, UINT codePage)
{
    if (text.empty()) return std::wstring();
    const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrowed(std::wstring_view text)
{
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(n, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), n > 0 ? static_cast<int>(text.size()) : 0, bytes.data(), n, nullptr,
                        nullptr);
    return bytes;
}

// The file's bytes with the key set, in the file's own encoding (ANSI, UTF-8
// with its byte-order mark, UTF-16 little-endian with its mark) and line
// ends; nothing for a file that cannot be edited so (UTF-16 big-endian,
// UTF-8 that is not valid, an odd number of UTF-16 bytes).
std::optional<std::string> EditedFile(std::string_view bytes, const std::string& cSection, const std::string& cEntry,
                                      const std::string& cValue)
{
    const bool utf8 = bytes.starts_with(kBomUtf8);
    const bool utf16 = bytes.starts_with(kBomUtf16);
    if (bytes.starts_with(kBomUtf16BigEndian)) return std::nullopt;
    if (!utf8 && !utf16) {
        TextLines<char> text(bytes);
        text.Set(cSection, cEntry, cValue);
        return text.Joined();
    }
    const auto section = Widened(cSection, CP_ACP), entry = Widened(cEntry, CP_ACP), value = Widened(cValue, CP_ACP);
    if (!section || !entry || !value) return std::nullopt;
    std::optional<std::wstring> wide;
    if (utf8) {
        wide = Widened(bytes.substr(kBomUtf8.size()), CP_UTF8);
    } else if ((bytes.size() - kBomUtf16.size()) % 2 == 0) {
        wide.emplace((bytes.size() - kBomUtf16.size()) / 2, L'\0');
        std::memcpy(wide->data(), bytes.data() + kBomUtf16.size(), bytes.size() - kBomUtf16.size());
    }
    if (!wide) return std::nullopt;
    TextLines<wchar_t> text(*wide);
    text.Set(*section, *entry, *value);
    const std::wstring joined = text.Joined();
    if (utf8) return std::string(kBomUtf8) + Narrowed(joined);
    return std::string(kBomUtf16) + std::string(reinterpret_cast<const char*>(joined.data()), 2 * joined.size());
}

// The file's bytes; none for a missing file. FALSE when the file exists but
// cannot be read.
bool ReadBytes(const std::string& cFile, std::string& content)
{
    HANDLE h = CreateFileA(cFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    char chunk[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, chunk, sizeof chunk, &got, nullptr)) && got > 0) content.append(chunk, got);
    CloseHandle(h);
    return ok;
}

// A new file beside cFile whose name is as long as cFile's, so that it fits
// wherever cFile's name fits: the last character replaced.
HANDLE CreateBeside(const std::string& cFile, std::string& temp)
{
    for (char last : std::string_view("~0123456789")) {
        temp = cFile;
        if (temp.back() == last) continue;
        temp.back() = last;
        HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
    }
    return INVALID_HANDLE_VALUE;
}

// What the reader gives for a value as written: without the blanks around
// it, and without a pair of equal quotes that encloses it.
std::string_view ValueAsRead(std::string_view value)
{
    value = TrimBlanks(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// Writes the bytes through a new file beside cFile that then replaces it,
// once the reader reads the value back from it: a write that cannot be
// read back, and a failed write, leave the file as it was. A read-only file
// stays as it is.
bool ReplaceFile(const std::string& cFile, const std::string& content, const std::string& cSection,
                 const std::string& cEntry, const std::string& cValue)
{
    const DWORD attributes = GetFileAttributesA(cFile.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::string temp;
    HANDLE h = CreateBeside(cFile, temp);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
              written == content.size();
    CloseHandle(h);
    if (ok) {
        // The reader may still cache an earlier file of this name with the
        // same time stamp: drop it before and after reading.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, temp.c_str());
        std::vector<char> buffer(cValue.size() + 16);
        const DWORD n = GetPrivateProfileStringA(cSection.c_str(), cEntry.c_str(), "", buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), temp.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, temp.c_str());
        ok = std::string_view(buffer.data(), n) == ValueAsRead(cValue);
    }
    if (ok && MoveFileExA(temp.c_str(), cFile.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temp.c_str());
    return false;
}

// TRUE when the system's reader decodes a file that begins with the UTF-8
// byte-order mark and hands its values out in the ANSI code page (Wine's
// reader does; Windows' reads such a file as ANSI bytes). Found out once, on a
// small file in the temporary folder; its header stands on the second line,
// where the mark cannot hide it from a reader that does not know it.
bool ReaderDecodesUtf8()
{
    static const bool decodes = [] {
        char folder[MAX_PATH + 1];
        char name[MAX_PATH + 1];
        if (GetTempPathA(sizeof folder, folder) == 0 || GetTempFileNameA(folder, "mdx", 0, name) == 0) return false;
        const std::string raw = "\xC3\xA4";
        HANDLE file = FCreate(name);
        const bool written =
            file != F_ERROR && FWrite(file, std::string(kBomUtf8) + "\r\n[Probe]\r\nText=" + raw + "\r\n") > 0;
        if (file != F_ERROR) FClose(file);
        const std::string text = written ? GetIniString("Probe", "Text", name) : raw;
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, name);
        DeleteFileA(name);
        return !text.empty() && text != raw;
    }();
    return decodes;
}

}  // namespace

std::string GetIniString(const std::string& cSection, const std::string& cEntry, const std::string& cFile,
                         unsigned nBuffer)
{
    if (cFile.empty()) return {};
    std::vector<char> buffer(nBuffer > 0 ? nBuffer : 1);
    const DWORD n = GetPrivateProfileStringA(cSection.c_str(), cEntry.c_str(), "", buffer.data(),
                                             static_cast<DWORD>(buffer.size()), cFile.c_str());
    return AllTrim(std::string(buffer.data(), n));
}

bool WriteIniString(const std::string& cSection, const std::string& cEntry, const std::string& cValue,
                    const std::string& cFile)
{
    if (cFile.empty()) return false;
    // The system's reader may hold the file in a cache: write it out and drop
    // it, so that the file is read here as it stands and read anew afterwards.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, cFile.c_str());
    std::string bytes;
    if (!ReadBytes(cFile, bytes)) return false;
    const auto edited = EditedFile(bytes, cSection, cEntry, cValue);
    return edited && ReplaceFile(cFile, *edited, cSection, cEntry, cValue);
}

bool IniReaderDecodes(const std::string& cFile)
{
    HANDLE file = FOpen(cFile);
    if (file == F_ERROR) return false;
    char start[3] = {};
    const std::string_view bytes(start, FRead(file, start, sizeof start));
    FClose(file);
    return bytes.starts_with(kBomUtf16) || (bytes.starts_with(kBomUtf8) && ReaderDecodesUtf8());
}

bool IniSection::NameLess::operator()(const std::string& a, const std::string& b) const
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

IniSection::IniSection(const std::string& cSection, const std::string& cFile, unsigned nBuffer)
{
    if (cFile.empty()) return;
    // The reader answers size - 2 when the section did not fit.
    std::vector<char> buffer(16384);
    DWORD n = 0;
    while ((n = GetPrivateProfileSectionA(cSection.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                          cFile.c_str())) == buffer.size() - 2 &&
           buffer.size() < (1u << 26))
        buffer.resize(buffer.size() * 2);
    const unsigned cut = nBuffer > 0 ? nBuffer - 1 : 0;
    for (const char* line = buffer.data(); line < buffer.data() + n && *line; line += std::strlen(line) + 1) {
        const std::string_view text = TrimBlanks(std::string_view(line));
        const auto key = KeyName(text);
        if (!key || key->empty() || key->front() == ';') continue;
        const std::string_view value = ValueAsRead(text.substr(text.find('=') + 1));
        entries_.emplace(std::string(*key), AllTrim(std::string(value.substr(0, cut))));
    }
}

std::string IniSection::Find(const std::string& cEntry) const
{
    const auto entry = entries_.find(std::string(TrimBlanks(std::string_view(cEntry))));
    return entry == entries_.end() ? std::string() : entry->second;
}
