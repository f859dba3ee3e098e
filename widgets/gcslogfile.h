// A text log: entries appended to one open file, each optionally led by the
// date (YYYYMMDD) and the time (hh:mm:ss) and ended by CR LF, and the file
// read back line by line. Text that could not be written is kept and goes to
// the file, once, in front of the next entry. Positions are byte offsets;
// the origins of Seek are FS_SET, FS_RELATIVE and FS_END of the runtime.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/runtime/files.h"

namespace widgets {

class GcsLogFile {
public:
    // Creates the file when it does not exist or append is false (emptying
    // it), else opens it for reading and writing, shared. IsOpen tells
    // whether that worked; LastError gives the system's error code.
    explicit GcsLogFile(const std::string& fileName = "Test.log", bool lineEnd = true, bool date = false,
                        bool time = false, bool append = true, DWORD lineLength = 256);
    // Closes the file as Close does.
    ~GcsLogFile();
    GcsLogFile(const GcsLogFile&) = delete;
    GcsLogFile& operator=(const GcsLogFile&) = delete;

    // Writes pending text unchanged, commits and closes the file; true also
    // when the file was not open. False when the pending text could not be
    // written (it stays in Buffer) or the file did not close (it stays open).
    bool Close();
    // The next line from the current position without its line end, at most
    // the line length given (the rest of a longer line is skipped); empty at
    // the end of the file.
    std::string ReadLine();
    void GoTop();
    void GoBottom();
    // Moves by offset from the origin; true when the new position is not at
    // the end of the file.
    bool Seek(std::int64_t offset, DWORD origin = FS_RELATIVE);
    // Appends one entry (prefixes, text, line end) behind any pending text.
    bool Write(const std::string& text = "");
    // Appends the text and CR LF, without prefixes and without pending text.
    bool WriteLine(const std::string& text = "");

    const std::string& Buffer() const { return _cBuffer; }
    bool IsOpen() const { return _lIsOpen; }
    DWORD LastError() const { return _nLastError; }
    // The lines from the current position to the end (a longer line counts
    // once); the position is then at the end.
    int LineCount();
    bool Eof();
    const std::string& FileName() const { return _cFileName; }
    // The size in bytes; the position is then at the end.
    std::int64_t Size();

private:
    // Writes the pending text at the end of the file; what did not reach
    // the file stays pending.
    bool WritePending();

    HANDLE _pFile = F_ERROR;
    std::string _cBuffer;
    bool _lCrLf;
    bool _lDate;
    bool _lTime;
    bool _lIsOpen = false;
    DWORD _nLastError = 0;
    std::string _cFileName;
    DWORD _nLineLength;
};

}  // namespace widgets
