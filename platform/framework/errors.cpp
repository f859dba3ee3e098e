#include "platform/framework/errors.h"

#include <windows.h>

#include <cstdio>

#include "platform/framework/seam.h"

namespace {

std::string& LogPath()
{
    static std::string path = "meridoxa_error.log";
    return path;
}

}  // namespace

const std::string& ErrorLogPath()
{
    return LogPath();
}

void SetErrorLogPath(const std::string& path)
{
    LogPath() = path;
}

void ReportUnexpectedError(const std::string& description)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    if (FILE* log = fopen(LogPath().c_str(), "ab")) {
        fprintf(log, "%04d-%02d-%02d %02d:%02d:%02d %s\r\n", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                now.wSecond, description.c_str());
        fclose(log);
    }
    TheSeam().ShowMessageBox(nullptr, "An unexpected error occurred:\n" + description, "Error",
                             MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
