#include "lib/ini.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/runtime/strings.h"

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string_view TrimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The section name of a header line "[name]".
std::optional<std::string_view> SectionName(std::string_view line)
{
    const auto t = TrimBlanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = t.rfind(']');
    return TrimBlanks(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key name of a line "key=value".
std::optional<std::string_view> KeyName(std::string_view line)
{
    const auto t = TrimBlanks(line);
    const auto eq = t.find('=');
    if (t.empty() || t.front() == '[' || eq == std::string_view::npos) return std::nullopt;
    return TrimBlanks(t.substr(0, eq));
}

// The file's lines without their line ends; a missing file has none. FALSE when
// the file exists but cannot be read.
bool ReadLines(const std::string& cFile, std::vector<std::string>& aLines)
{
    HANDLE h = CreateFileA(cFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    std::string content;
    char chunk[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, chunk, sizeof chunk, &got, nullptr)) && got > 0) content.append(chunk, got);
    CloseHandle(h);
    if (!ok) return false;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\n', pos);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        aLines.push_back(std::move(line));
        pos = end + 1;
    }
    return true;
}

// Writes the lines with CR LF through a temporary file that then replaces the
// file, so that a failed write never leaves a half-written settings file. A
// read-only file stays as it is.
bool WriteLines(const std::string& cFile, const std::vector<std::string>& aLines)
{
    const DWORD attributes = GetFileAttributesA(cFile.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::string content;
    for (const auto& line : aLines) content += line + "\r\n";
    const std::string temp = cFile + ".new";
    HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size();
    CloseHandle(h);
    if (ok && MoveFileExA(temp.c_str(), cFile.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temp.c_str());
    return false;
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
    std::vector<std::string> lines;
    if (!ReadLines(cFile, lines)) return false;
    const std::string keyLine = cEntry + "=" + cValue;
    const auto entry = TrimBlanks(cEntry);

    std::size_t section = 0;
    bool hasSections = false;
    bool found = false;
    for (std::size_t i = 0; i < lines.size() && !found; ++i) {
        if (const auto name = SectionName(lines[i])) {
            hasSections = true;
            found = SameName(*name, TrimBlanks(cSection));
            section = i;
        }
    }
    if (found) {
        std::size_t last = section;
        for (std::size_t i = section + 1; i < lines.size() && !SectionName(lines[i]); ++i) {
            if (const auto key = KeyName(lines[i]); key && SameName(*key, entry)) {
                lines[i] = std::string(*key) + "=" + cValue;
                return WriteLines(cFile, lines);
            }
            if (!TrimBlanks(lines[i]).empty()) last = i;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1, keyLine);
        return WriteLines(cFile, lines);
    }
    while (!lines.empty() && TrimBlanks(lines.back()).empty()) lines.pop_back();
    if (hasSections) lines.emplace_back();
    lines.push_back("[" + cSection + "]");
    lines.push_back(keyLine);
    return WriteLines(cFile, lines);
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
        const std::string_view text = TrimBlanks(line);
        const auto key = KeyName(text);
        if (!key || key->empty() || key->front() == ';') continue;
        std::string_view value = TrimBlanks(text.substr(text.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        entries_.emplace(std::string(*key), AllTrim(std::string(value.substr(0, cut))));
    }
}

std::string IniSection::Find(const std::string& cEntry) const
{
    const auto entry = entries_.find(std::string(TrimBlanks(cEntry)));
    return entry == entries_.end() ? std::string() : entry->second;
}
