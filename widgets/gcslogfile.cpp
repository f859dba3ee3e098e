#include "widgets/gcslogfile.h"

#include "platform/runtime/system.h"

namespace widgets {

GcsLogFile::GcsLogFile(const std::string& fileName, bool lineEnd, bool date, bool time, bool append, DWORD lineLength)
    : _lCrLf(lineEnd),
      _lDate(date),
      _lTime(time),
      _nLastError(FError()),
      _cFileName(fileName),
      _nLineLength(lineLength)
{
    _pFile = FileExists(fileName) && append ? FOpen(fileName, FO_READWRITE | FO_SHARED) : FCreate(fileName);
    _lIsOpen = _pFile != F_ERROR;
    if (!_lIsOpen) _nLastError = FError();
}

GcsLogFile::~GcsLogFile()
{
    Close();
}

bool GcsLogFile::Close()
{
    if (!_lIsOpen) return true;
    bool result = _cBuffer.empty() || WritePending();
    FCommit(_pFile);
    if (!FClose(_pFile)) {
        _nLastError = FError();
        return false;
    }
    // The handle's value may be given to another file now.
    _pFile = F_ERROR;
    _lIsOpen = false;
    return result;
}

std::string GcsLogFile::ReadLine()
{
    std::string line = FReadLine(_pFile, _nLineLength);
    _nLastError = FError();
    return line;
}

void GcsLogFile::GoTop()
{
    FSeek(_pFile, 0, FS_SET);
}

void GcsLogFile::GoBottom()
{
    FSeek(_pFile, 0, FS_END);
}

bool GcsLogFile::Seek(std::int64_t offset, DWORD origin)
{
    FSeek(_pFile, offset, origin);
    return !FEof(_pFile);
}

bool GcsLogFile::Write(const std::string& text)
{
    if (_lDate) _cBuffer += TodaySortable() + " ";
    if (_lTime) _cBuffer += TimeOfDay() + " ";
    _cBuffer += text;
    if (_lCrLf) _cBuffer += "\r\n";
    return WritePending();
}

bool GcsLogFile::WritePending()
{
    if (!_lIsOpen) {
        _nLastError = ERROR_INVALID_HANDLE;
        return false;
    }
    FSeek(_pFile, 0, FS_END);
    DWORD written = FWrite(_pFile, _cBuffer);
    // Only what did not reach the file stays pending, so nothing is written twice.
    _cBuffer.erase(0, written);
    if (_cBuffer.empty()) return true;
    _nLastError = FError();
    return false;
}

bool GcsLogFile::WriteLine(const std::string& text)
{
    FSeek(_pFile, 0, FS_END);
    if (FPutS(_pFile, text) == text.size()) return true;
    _nLastError = FError();
    return false;
}

int GcsLogFile::LineCount()
{
    int count = 0;
    while (!FEof(_pFile)) {
        FReadLine(_pFile);
        if (FError() != 0) break;
        ++count;
    }
    return count;
}

bool GcsLogFile::Eof()
{
    return FEof(_pFile);
}

std::int64_t GcsLogFile::Size()
{
    GoTop();
    return FSeek(_pFile, 0, FS_END);
}

}  // namespace widgets
