// A serial port COM1 to COM256, opened exclusively for overlapped I/O: line
// settings, driver buffers and time-outs, writing and reading byte strings,
// the count of received bytes waiting, purging, the list of ports that
// open, and a watcher thread that tells a window when bytes arrive or the
// transmit buffer runs empty. Every operation answers true or false and
// leaves an error code and a fixed English description, read through
// ErrorCode, ErrorDesc or GetError:
//   2 Open, 3 Read, 4 Write, 5 Flush, 6 Close, 8 EnableEvents and
//   DisableEvents, 9 SetProtokol, 10 SetTimeOut, 11 SetBufferSize.
// Open, SetProtokol, SetTimeOut, SetBufferSize, Write and Read clear the
// error when they start; Flush, Close, EnableEvents and DisableEvents leave
// an earlier one in place.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "widgets/commapi.h"

namespace widgets {

// The record an object shares with its watcher thread, which lives as long
// as either of them. Port, window and mask are set before the thread
// starts; two events pass between the threads: the stop request, which also
// ends the watcher's pending wait, and the end of the watcher.
class CommWatchInfo {
public:
    CommWatchInfo(HANDLE port, HWND window, DWORD mask);
    ~CommWatchInfo();
    CommWatchInfo(const CommWatchInfo&) = delete;
    CommWatchInfo& operator=(const CommWatchInfo&) = delete;

    HANDLE Port() const { return port_; }
    HWND Window() const { return window_; }
    DWORD Mask() const { return mask_; }
    // Both events exist.
    bool Ready() const { return stop_ && ended_; }
    HANDLE StopEvent() const { return stop_; }
    void RequestStop() { ::SetEvent(stop_); }
    bool StopRequested() const { return ::WaitForSingleObject(stop_, 0) == WAIT_OBJECT_0; }
    // The watcher's last act.
    void End() { ::SetEvent(ended_); }
    // True when the watcher ends within that many milliseconds.
    bool AwaitEnd(DWORD milliseconds) const { return ::WaitForSingleObject(ended_, milliseconds) == WAIT_OBJECT_0; }

private:
    HANDLE port_;
    HWND window_;
    DWORD mask_;
    HANDLE stop_;
    HANDLE ended_;
};

// The watcher thread's work: sets the event mask of the port (a message box
// when it cannot), then waits for events until the stop request or a failed
// wait, posting WM_COMMNOTIFY to the window after each wait with wParam 1
// when characters arrived, else 4 when the transmit buffer ran empty; last
// it tells of its end.
void CommWatchProc(CommWatchInfo& info, CommApi& api);

class SerialMt {
public:
    // The window that is to receive the watcher's notifications (none: null).
    explicit SerialMt(HWND notifyWindow = nullptr, CommApi& api = Win32CommApi());
    // Closes an open port, stopping its watcher.
    ~SerialMt();
    SerialMt(const SerialMt&) = delete;
    SerialMt& operator=(const SerialMt&) = delete;

    // Line settings of the open port: baud rate 19200, 9600, 4800, 2400, 1200
    // or 300; data bits 8 or 7; parity 0 to 4 (none, odd, even, mark,
    // space); stop bits 0 (one) or 2 (two).
    bool SetProtokol(long baudRate = 9600, long byteSize = 8, long parity = 0, long stopBits = 0);
    // The five COMMTIMEOUTS of the open port, in milliseconds.
    bool SetTimeOut(DWORD readInterval = 0, DWORD readMultiplier = 100, DWORD readConstant = 1000,
                    DWORD writeMultiplier = 0, DWORD writeConstant = 1000);
    // Stops the watcher (its stop event, and a cleared event mask) and waits
    // at most kStopWait ms for its end; true when none runs. A watcher that
    // does not end in time is left to end by itself ("Watcher did not end");
    // a later call only looks whether it has ended, without waiting again.
    bool DisableEvents();
    // Starts the watcher for the EV_* bits of the mask; false when one runs
    // already or its events or thread cannot be made.
    bool EnableEvents(DWORD mask);
    // The code of the last error (0: none) with its description, which
    // are then cleared.
    int GetError(std::string& description);
    // Writes the bytes; a write not done after 1000 ms is cancelled
    // ("Write incomplete").
    bool Write(const std::string& data);
    // Sizes of the driver's buffers of the open port; a negative size means
    // 1024, a smaller one than 16 means 16.
    bool SetBufferSize(long inputSize = 1024, long outputSize = 1024);

    bool IsOpen() const { return _lIsOpen; }
    // The error code as decimal digits.
    std::string ErrorCode() const;
    const std::string& ErrorDesc() const { return _cErrorDesc; }
    // The received bytes waiting in the driver; 0 when the port is not open.
    DWORD Pending();
    bool IsWriting() const { return _lIsWriting; }
    // The names of the ports that open, in ascending order, probed without
    // touching a port this object holds; the error state is that of the last
    // attempt.
    std::vector<std::string> FindAllPorts();

    // Opens and configures the port "COM" and a number 1 to 256 (blanks
    // around and leading zeros do not matter). A port opened but not
    // configured stays open. A port the object holds is closed first; when
    // its handle does not close, Open fails with Close's error and the port
    // stays.
    bool Open(const std::string& portName = "COM1", long baudRate = 9600, long byteSize = 8, long parity = 0,
              long stopBits = 0, DWORD readInterval = 0, DWORD readMultiplier = 5, DWORD readConstant = 100,
              DWORD writeMultiplier = 5, DWORD writeConstant = 100, long inputSize = 1024, long outputSize = 1024);
    // Reads up to count bytes into the buffer: true with the bytes, or with
    // the buffer untouched when none arrived within the time-outs; false
    // with "Read Mem2String" and the bytes when fewer arrived. A negative
    // count fails ("Read negative count").
    bool Read(std::string& buffer, long count = 1);
    // Discards everything in the driver's buffers.
    bool Flush();
    // Stops the watcher, purges and closes the port; true when it was not
    // open. A watcher that does not stop (DisableEvents's error) and a port
    // that does not purge (its device is gone) fail the call, but the port is
    // closed all the same. Once the port is closed, a watcher may be started
    // again, also when the last one was not seen to end.
    bool Close();

    // How long DisableEvents waits for the watcher's end, in milliseconds.
    static constexpr DWORD kStopWait = 2000;

private:
    static constexpr std::array<long, 6> _aBaudRates{19200, 9600, 4800, 2400, 1200, 300};
    static constexpr std::array<long, 2> _aByteSizes{8, 7};
    static constexpr std::array<long, 5> _aParities{0, 1, 2, 3, 4};
    static constexpr std::array<long, 2> _aStopBits{0, 2};

    void ClearError();
    bool Fail(int code, const char* description);
    // The description of the first setting outside its table, or null.
    static const char* BadSetting(long baudRate, long byteSize, long parity, long stopBits);
    bool SetTimeouts(const COMMTIMEOUTS& timeouts);
    void SetLine(long baudRate, long byteSize, long parity, long stopBits);
    // Waits for an overlapped read that is pending; the bytes read, or
    // false after "Read GetOverlappedResult".
    bool AwaitRead(OVERLAPPED& overlapped, DWORD& read);
    // Clears the port's error state; the received bytes waiting.
    DWORD ClearPortErrors();

    CommApi& api_;
    std::shared_ptr<CommWatchInfo> _pWatchInfo;
    DCB _pDcb{};
    COMMTIMEOUTS _pTimeouts{};
    HANDLE _pComHandle = INVALID_HANDLE_VALUE;
    HWND _pNotifyWnd;
    bool _lEvents = false;
    bool stopOverdue_ = false;  // the running watcher did not end within a whole wait
    bool _lIsOpen = false;
    bool _lIsWriting = false;
    int _wErrorCode = 0;
    std::string _cErrorDesc;
};

}  // namespace widgets
