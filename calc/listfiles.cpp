#include "calc/listfiles.h"

#include <windows.h>

#include "calc/parser.h"
#include "calc/pump.h"
#include "platform/runtime/files.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace calc {

namespace {

// A semi-axis as the header writes it: 15 characters, 7 decimals.
bool IsHeaderNumber(const std::string& line)
{
    if (line.size() != 15 || line[7] != '.') return false;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (i != 7 && (line[i] < '0' || line[i] > '9') && !(i == 0 && line[i] == '-')) return false;
    return true;
}

}  // namespace

ListFile ReadPointListFile(const std::string& path)
{
    ListFile result;
    HANDLE file = FOpen(path, FO_READ | FO_DENYWRITE);
    if (file == F_ERROR) {
        result.status = ReadStatus::Error;
        result.error = DosErrString(FError());
        return result;
    }
    std::vector<std::string> first;  // the first four lines, to recognise the header
    std::size_t kept = 0;
    auto keep = [&](const std::string& line) {
        if (Empty(line) || result.status != ReadStatus::Ok) return;
        ++kept;
        result.text += line;
        result.text += "\r\n";
        if (kept > kMaxPoints)
            result.status = ReadStatus::TooManyLines;
        else if (result.text.size() > kMaxListCharacters)
            result.status = ReadStatus::TooManyCharacters;
    };
    std::uint32_t lineNumber = 0;
    std::string line;
    while (!FEof(file)) {
        VoEventLoop();
        ++lineNumber;
        const bool whole = FReadLineUpTo(file, kMaxListCharacters, line);
        if (FError() != 0 && FError() != ERROR_HANDLE_EOF) {
            result.status = ReadStatus::Error;
            result.error = DosErrString(FError());
            break;
        }
        if (!whole) {
            result.status = ReadStatus::LineTooLong;
            result.badLine = lineNumber;
            break;
        }
        if (first.size() < 4) {
            first.push_back(line);
            if (first.size() < 4) continue;
            const bool header = IsHeaderNumber(first[1]) && IsHeaderNumber(first[2]) && first[3].empty();
            for (std::size_t i = header ? 3 : 0; i < first.size(); ++i) keep(first[i]);
        } else {
            keep(line);
        }
        if (result.status != ReadStatus::Ok) break;
    }
    if (first.size() < 4)
        for (const std::string& line : first) keep(line);
    FClose(file);
    if (result.status != ReadStatus::Ok) result.text.clear();
    return result;
}

std::vector<std::string> EllipsoidHeader(const std::string& name, double a, double b)
{
    return {name, StrZero(a, 15, 7), StrZero(b, 15, 7), ""};
}

bool WriteLines(const std::string& path, const std::vector<std::string>& header,
                const std::vector<std::string_view>& lines, std::string& error, const std::string& notCreated)
{
    HANDLE file = FCreate(path);
    if (file == F_ERROR) {
        error = notCreated.empty() ? DosErrString(FError()) : notCreated;
        return false;
    }
    std::string text;
    for (const std::string& line : header) text.append(line).append("\r\n");
    for (std::string_view line : lines) text.append(line).append("\r\n");
    const bool written = FWrite(file, text) == text.size();
    DWORD code = FError();
    const bool closed = FClose(file);
    if (written && closed) return true;
    if (written) code = FError();
    error = DosErrString(code);
    DeleteFileA(path.c_str());
    return false;
}

void AppendProtocol(HANDLE& lastOpening, const std::string& path, const std::string& entry)
{
    HANDLE file = lastOpening ? FOpen(path, FO_WRITE) : FCreate(path);
    if (file == F_ERROR) return;
    lastOpening = file;
    FSeek(file, 0, FS_END);
    FWrite(file, entry + "\r\n\r\n");
    FClose(file);
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    auto full = [](const std::string& name) {
        char buffer[MAX_PATH * 4];
        DWORD n = GetFullPathNameA(name.c_str(), sizeof buffer, buffer, nullptr);
        return n > 0 && n < sizeof buffer ? std::string(buffer, n) : name;
    };
    return lstrcmpiA(full(a).c_str(), full(b).c_str()) == 0;
}

}  // namespace calc
