// The Win32 calls of the serial port class, behind a seam of their own so
// that tests can script a port: every failing step, the overlapped protocol
// of reads and writes, and the watcher's waits, without a serial device.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace widgets {

class CommApi {
public:
    virtual ~CommApi() = default;
    // CreateFileA for exclusive overlapped reading and writing of an
    // existing device; INVALID_HANDLE_VALUE when that fails.
    virtual HANDLE OpenPort(const std::string& path) = 0;
    virtual BOOL SetupComm(HANDLE port, DWORD inputSize, DWORD outputSize) = 0;
    virtual BOOL PurgeComm(HANDLE port, DWORD flags) = 0;
    virtual BOOL SetCommTimeouts(HANDLE port, COMMTIMEOUTS* timeouts) = 0;
    virtual BOOL GetCommState(HANDLE port, DCB* dcb) = 0;
    virtual BOOL SetCommState(HANDLE port, DCB* dcb) = 0;
    virtual BOOL ClearCommError(HANDLE port, DWORD* errors, COMSTAT* status) = 0;
    virtual BOOL CloseHandle(HANDLE handle) = 0;
    // A manual-reset event, not signalled; null when that fails.
    virtual HANDLE NewEvent() = 0;
    virtual BOOL WriteFile(HANDLE port, const void* data, DWORD count, DWORD* written, OVERLAPPED* overlapped) = 0;
    virtual BOOL ReadFile(HANDLE port, void* data, DWORD count, DWORD* read, OVERLAPPED* overlapped) = 0;
    virtual BOOL GetOverlappedResult(HANDLE port, OVERLAPPED* overlapped, DWORD* count, BOOL wait) = 0;
    virtual DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) = 0;
    virtual BOOL CancelIoEx(HANDLE port, OVERLAPPED* overlapped) = 0;
    virtual DWORD GetLastError() = 0;

    // What the watcher thread uses.
    virtual BOOL SetCommMask(HANDLE port, DWORD mask) = 0;
    // Waits until an event of the mask occurs, the mask changes (events 0),
    // the stop event is signalled (events 0) or the port fails (false).
    virtual BOOL WaitCommEvent(HANDLE port, HANDLE stop, DWORD* events) = 0;
    virtual BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Runs the body on a new thread, which ends with it; false when no
    // thread starts.
    virtual bool StartThread(std::function<void()> body) = 0;
};

// The system's calls.
CommApi& Win32CommApi();

}  // namespace widgets
