#include "widgets/serialmt.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/framework/seam.h"
#include "platform/runtime/memory.h"
#include "platform/runtime/strings.h"

namespace widgets {

namespace {

constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
constexpr DWORD kWriteWait = 1000;

template <class Table>
bool InTable(const Table& table, long value)
{
    return std::find(table.begin(), table.end(), value) != table.end();
}

// The port number of a name "COM" and 1 to 256: blanks around are trimmed,
// case does not matter, only the first six characters count.
std::optional<int> PortNumber(const std::string& name)
{
    std::string port = Upper(AllTrim(name)).substr(0, 6);
    if (port.size() < 4 || port.compare(0, 3, "COM") != 0) return std::nullopt;
    if (!std::all_of(port.begin() + 3, port.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    int number = std::stoi(port.substr(3));
    if (number < 1 || number > 256) return std::nullopt;
    return number;
}

// A buffer size for the driver: negative means 1024, at least 16.
DWORD BufferSize(long size)
{
    return size < 0 ? 1024 : static_cast<DWORD>(std::max(size, 16L));
}

// A runtime memory block, released at the end of the scope.
class Block {
public:
    explicit Block(std::size_t bytes) : data_(MemAlloc(bytes)) {}
    ~Block() { MemFree(data_); }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    char* Data() const { return static_cast<char*>(data_); }

private:
    void* data_;
};

// An event of the seam, closed at the end of the scope.
class EventHandle {
public:
    explicit EventHandle(CommApi& api) : api_(api), handle_(api.NewEvent()) {}
    ~EventHandle()
    {
        if (handle_) api_.CloseHandle(handle_);
    }
    EventHandle(const EventHandle&) = delete;
    EventHandle& operator=(const EventHandle&) = delete;
    HANDLE Handle() const { return handle_; }

private:
    CommApi& api_;
    HANDLE handle_;
};

}  // namespace

SerialMt::SerialMt(HWND notifyWindow, CommApi& api) : api_(api), _pNotifyWnd(notifyWindow)
{
    _pDcb.DCBlength = sizeof _pDcb;
}

SerialMt::~SerialMt()
{
    Close();
}

void SerialMt::ClearError()
{
    _wErrorCode = 0;
    _cErrorDesc.clear();
}

bool SerialMt::Fail(int code, const char* description)
{
    _wErrorCode = code;
    _cErrorDesc = description;
    return false;
}

const char* SerialMt::BadSetting(long baudRate, long byteSize, long parity, long stopBits)
{
    if (!InTable(_aBaudRates, baudRate)) return "Baudrate";
    if (!InTable(_aByteSizes, byteSize)) return "ByteSize";
    if (!InTable(_aParities, parity)) return "Parity";
    if (!InTable(_aStopBits, stopBits)) return "StopBits";
    return nullptr;
}

void SerialMt::SetLine(long baudRate, long byteSize, long parity, long stopBits)
{
    _pDcb.BaudRate = static_cast<DWORD>(baudRate);
    _pDcb.ByteSize = static_cast<BYTE>(byteSize);
    _pDcb.Parity = static_cast<BYTE>(parity);
    _pDcb.StopBits = static_cast<BYTE>(stopBits);
}

bool SerialMt::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    _pTimeouts = timeouts;
    return api_.SetCommTimeouts(_pComHandle, &_pTimeouts);
}

bool SerialMt::Open(const std::string& portName, long baudRate, long byteSize, long parity, long stopBits,
                    DWORD readInterval, DWORD readMultiplier, DWORD readConstant, DWORD writeMultiplier,
                    DWORD writeConstant, long inputSize, long outputSize)
{
    // No handle of an open port may be lost: a port that does not close stays.
    if (!Close() && _lIsOpen) return false;
    ClearError();
    std::optional<int> number = PortNumber(portName);
    if (!number) return Fail(2, "Open Port");
    if (const char* bad = BadSetting(baudRate, byteSize, parity, stopBits))
        return Fail(2, ("Open " + std::string(bad)).c_str());
    std::string name = "COM" + std::to_string(*number);
    if (name.size() > 4) name = "\\\\.\\" + name;

    _lIsOpen = true;
    _pComHandle = api_.OpenPort(name);
    if (_pComHandle == INVALID_HANDLE_VALUE) {
        _lIsOpen = false;
        return Fail(2, "Open CreateFile");
    }
    if (!api_.SetupComm(_pComHandle, BufferSize(inputSize), BufferSize(outputSize))) return Fail(2, "Open SetupComm");
    if (!api_.PurgeComm(_pComHandle, kPurgeAll)) return Fail(2, "Open PurgeComm");
    if (!SetTimeouts({readInterval, readMultiplier, readConstant, writeMultiplier, writeConstant}))
        return Fail(2, "Open SetCommTimeouts");
    if (!api_.GetCommState(_pComHandle, &_pDcb)) return Fail(2, "Open GetCommState");
    SetLine(baudRate, byteSize, parity, stopBits);
    if (!api_.SetCommState(_pComHandle, &_pDcb)) return Fail(2, "Open SetCommState");
    return true;
}

bool SerialMt::SetProtokol(long baudRate, long byteSize, long parity, long stopBits)
{
    ClearError();
    if (const char* bad = BadSetting(baudRate, byteSize, parity, stopBits))
        return Fail(9, ("SetProtokol " + std::string(bad)).c_str());
    if (!_lIsOpen) return Fail(9, "SetProtokol Port not open");
    if (!api_.GetCommState(_pComHandle, &_pDcb)) return Fail(9, "SetProtokol GetCommState");
    SetLine(baudRate, byteSize, parity, stopBits);
    if (!api_.SetCommState(_pComHandle, &_pDcb)) return Fail(9, "SetProtokol SetCommState");
    return true;
}

bool SerialMt::SetTimeOut(DWORD readInterval, DWORD readMultiplier, DWORD readConstant, DWORD writeMultiplier,
                          DWORD writeConstant)
{
    ClearError();
    if (!_lIsOpen) return Fail(10, "SetTimeOut Port not open");
    if (!SetTimeouts({readInterval, readMultiplier, readConstant, writeMultiplier, writeConstant}))
        return Fail(10, "SetTimeOut SetCommTimeouts");
    return true;
}

bool SerialMt::SetBufferSize(long inputSize, long outputSize)
{
    ClearError();
    if (!_lIsOpen) return Fail(11, "setBufferSize Port not open");
    if (!api_.SetupComm(_pComHandle, BufferSize(inputSize), BufferSize(outputSize)))
        return Fail(11, "setBufferSize SetupComm");
    return true;
}

int SerialMt::GetError(std::string& description)
{
    int code = _wErrorCode;
    description = _cErrorDesc;
    ClearError();
    return code;
}

std::string SerialMt::ErrorCode() const
{
    return std::to_string(_wErrorCode);
}

bool SerialMt::Write(const std::string& data)
{
    _lIsWriting = true;
    ClearError();
    bool result = [&] {
        EventHandle event(api_);
        if (!event.Handle()) return Fail(4, "Write CreateEvent");
        OVERLAPPED overlapped{};
        overlapped.hEvent = event.Handle();
        auto count = static_cast<DWORD>(data.size());
        DWORD written = 0;
        bool done = api_.WriteFile(_pComHandle, data.data(), count, &written, &overlapped);
        if (!done && api_.GetLastError() != ERROR_IO_PENDING) return Fail(4, "Write WriteFile");
        if (!done && api_.WaitForSingleObject(event.Handle(), kWriteWait) == WAIT_OBJECT_0) {
            done = api_.GetOverlappedResult(_pComHandle, &overlapped, &written, TRUE);
        } else if (!done) {
            // The record and the event must outlive the write: end it first.
            api_.CancelIoEx(_pComHandle, &overlapped);
            DWORD ignored = 0;
            api_.GetOverlappedResult(_pComHandle, &overlapped, &ignored, TRUE);
        }
        if (!done || written != count) return Fail(4, "Write incomplete");
        return true;
    }();
    _lIsWriting = false;
    return result;
}

bool SerialMt::AwaitRead(OVERLAPPED& overlapped, DWORD& read)
{
    for (;;) {
        if (api_.GetOverlappedResult(_pComHandle, &overlapped, &read, TRUE)) return true;
        DWORD error = api_.GetLastError();
        if (error == ERROR_IO_INCOMPLETE) continue;
        // Under Wine a read that times out without a byte ends so.
        if (error == ERROR_TIMEOUT) {
            read = 0;
            return true;
        }
        ClearPortErrors();
        return Fail(3, "Read GetOverlappedResult");
    }
}

bool SerialMt::Read(std::string& buffer, long count)
{
    ClearError();
    if (count < 0) return Fail(3, "Read negative count");
    auto wanted = static_cast<DWORD>(count);
    if (wanted == 0) return true;
    Block block(wanted);
    if (!block.Data()) return Fail(3, "Read MemAlloc");
    EventHandle event(api_);
    if (!event.Handle()) return Fail(3, "Read CreateEvent");
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.Handle();
    DWORD read = 0;
    if (!api_.ReadFile(_pComHandle, block.Data(), wanted, &read, &overlapped)) {
        if (api_.GetLastError() != ERROR_IO_PENDING) {
            ClearPortErrors();
            return Fail(3, "Read ReadFile");
        }
        if (!AwaitRead(overlapped, read)) return false;
    }
    if (read == 0) return true;
    buffer.assign(block.Data(), read);
    if (read < wanted) return Fail(3, "Read Mem2String");
    return true;
}

DWORD SerialMt::Pending()
{
    return _lIsOpen ? ClearPortErrors() : 0;
}

DWORD SerialMt::ClearPortErrors()
{
    COMSTAT status{};
    DWORD errors = 0;
    return api_.ClearCommError(_pComHandle, &errors, &status) ? status.cbInQue : 0;
}

bool SerialMt::Flush()
{
    return api_.PurgeComm(_pComHandle, kPurgeAll) || Fail(5, "PurgeComm");
}

bool SerialMt::Close()
{
    if (!_lIsOpen) return true;
    // A watcher that does not stop, and the port of a device that is gone,
    // which does not purge, are reported; the port is closed all the same.
    const bool stopped = DisableEvents();
    const bool purged = api_.PurgeComm(_pComHandle, kPurgeAll) || Fail(6, "PurgeComm");
    if (!api_.CloseHandle(_pComHandle)) return Fail(6, "CloseHandle");
    _lIsOpen = false;
    _pComHandle = INVALID_HANDLE_VALUE;
    // A watcher that was not seen to end has its stop request and its own
    // record; the port's next watcher does not wait for it.
    _lEvents = false;
    return stopped && purged;
}

std::vector<std::string> SerialMt::FindAllPorts()
{
    std::vector<std::string> ports;
    SerialMt probe(nullptr, api_);
    for (int number = 1; number <= 256; ++number) {
        std::string name = "COM" + std::to_string(number);
        if (probe.Open(name)) ports.push_back(name);
        _wErrorCode = probe._wErrorCode;
        _cErrorDesc = probe._cErrorDesc;
        // Also a port that opened but could not be configured.
        probe.Close();
    }
    return ports;
}

bool SerialMt::EnableEvents(DWORD mask)
{
    if (_lEvents) return false;
    // A new record: the one of an earlier watcher may still be held by it.
    auto info = std::make_shared<CommWatchInfo>(_pComHandle, _pNotifyWnd, mask);
    if (!info->Ready()) return Fail(8, "CreateEvent");
    if (!api_.StartThread([info, &api = api_] { CommWatchProc(*info, api); })) return Fail(8, "CreateThread");
    _pWatchInfo = info;
    _lEvents = true;
    stopOverdue_ = false;
    return true;
}

bool SerialMt::DisableEvents()
{
    if (!_lEvents) return true;
    _pWatchInfo->RequestStop();
    // A watcher that ended by itself needs no wake-up (its port may be gone).
    if (!_pWatchInfo->AwaitEnd(0)) {
        // Some drivers end a pending wait only when the mask changes, others
        // only when it is cancelled; the stop request does the latter.
        if (!api_.SetCommMask(_pComHandle, 0)) return Fail(8, "SetCommMask");
        // A watcher that outlived one whole wait is only looked at again.
        if (!_pWatchInfo->AwaitEnd(stopOverdue_ ? 0 : kStopWait)) {
            stopOverdue_ = true;
            return Fail(8, "Watcher did not end");
        }
    }
    _lEvents = false;
    return true;
}

CommWatchInfo::CommWatchInfo(HANDLE port, HWND window, DWORD mask)
    : port_(port),
      window_(window),
      mask_(mask),
      stop_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      ended_(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
}

CommWatchInfo::~CommWatchInfo()
{
    for (HANDLE event : {stop_, ended_})
        if (event) ::CloseHandle(event);
}

void CommWatchProc(CommWatchInfo& info, CommApi& api)
{
    if (!api.SetCommMask(info.Port(), info.Mask())) {
        TheSeam().ShowMessageBox(nullptr, "SetCommMask failed!", "CommWatchProc Error", MB_OK);
    } else {
        while (!info.StopRequested()) {
            DWORD events = 0;
            if (!api.WaitCommEvent(info.Port(), info.StopEvent(), &events)) break;
            if (events & EV_RXCHAR)
                api.PostMessageA(info.Window(), WM_COMMNOTIFY, EV_RXCHAR, 0);
            else if (events & EV_TXEMPTY)
                api.PostMessageA(info.Window(), WM_COMMNOTIFY, EV_TXEMPTY, 0);
        }
    }
    info.End();
}

}  // namespace widgets
