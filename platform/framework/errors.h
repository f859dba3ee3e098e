// The handler of unexpected errors: an exception that escapes a window's
// handlers is caught before it reaches the system, shown in an error box and
// written to the error log; the program goes on with the next message.
#pragma once

#include <string>

// Shows the error and appends it, with date and time, to the error log.
void ReportUnexpectedError(const std::string& description);
// The error log file; "meridoxa_error.log" in the working folder unless set.
const std::string& ErrorLogPath();
void SetErrorLogPath(const std::string& path);
