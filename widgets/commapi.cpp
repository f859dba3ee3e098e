#include "widgets/commapi.h"

#include <system_error>
#include <thread>
#include <utility>

namespace widgets {

namespace {

class Win32Comm : public CommApi {
public:
    HANDLE OpenPort(const std::string& path) override
    {
        return ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
    }
    BOOL SetupComm(HANDLE port, DWORD inputSize, DWORD outputSize) override
    {
        return ::SetupComm(port, inputSize, outputSize);
    }
    BOOL PurgeComm(HANDLE port, DWORD flags) override { return ::PurgeComm(port, flags); }
    BOOL SetCommTimeouts(HANDLE port, COMMTIMEOUTS* timeouts) override { return ::SetCommTimeouts(port, timeouts); }
    BOOL GetCommState(HANDLE port, DCB* dcb) override { return ::GetCommState(port, dcb); }
    BOOL SetCommState(HANDLE port, DCB* dcb) override { return ::SetCommState(port, dcb); }
    BOOL ClearCommError(HANDLE port, DWORD* errors, COMSTAT* status) override
    {
        return ::ClearCommError(port, errors, status);
    }
    BOOL CloseHandle(HANDLE handle) override { return ::CloseHandle(handle); }
    HANDLE NewEvent() override { return ::CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    BOOL WriteFile(HANDLE port, const void* data, DWORD count, DWORD* written, OVERLAPPED* overlapped) override
    {
        return ::WriteFile(port, data, count, written, overlapped);
    }
    BOOL ReadFile(HANDLE port, void* data, DWORD count, DWORD* read, OVERLAPPED* overlapped) override
    {
        return ::ReadFile(port, data, count, read, overlapped);
    }
    BOOL GetOverlappedResult(HANDLE port, OVERLAPPED* overlapped, DWORD* count, BOOL wait) override
    {
        return ::GetOverlappedResult(port, overlapped, count, wait);
    }
    DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) override
    {
        return ::WaitForSingleObject(handle, milliseconds);
    }
    BOOL CancelIoEx(HANDLE port, OVERLAPPED* overlapped) override { return ::CancelIoEx(port, overlapped); }
    DWORD GetLastError() override { return ::GetLastError(); }
    BOOL SetCommMask(HANDLE port, DWORD mask) override { return ::SetCommMask(port, mask); }
    // An overlapped wait with an event of its own (a port opened for
    // overlapped I/O takes no other), cancelled when the stop event comes
    // first. Its record lives until the wait has ended.
    BOOL WaitCommEvent(HANDLE port, HANDLE stop, DWORD* events) override
    {
        OVERLAPPED overlapped{};
        overlapped.hEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!overlapped.hEvent) return FALSE;
        BOOL done = ::WaitCommEvent(port, events, &overlapped);
        if (!done && ::GetLastError() == ERROR_IO_PENDING) {
            const HANDLE ends[] = {overlapped.hEvent, stop};
            DWORD woken = ::WaitForMultipleObjects(2, ends, FALSE, INFINITE);
            if (woken != WAIT_OBJECT_0) ::CancelIoEx(port, &overlapped);
            DWORD ignored = 0;
            done = ::GetOverlappedResult(port, &overlapped, &ignored, TRUE);
            if (!done && woken == WAIT_OBJECT_0 + 1) {
                *events = 0;
                done = TRUE;
            }
        }
        ::CloseHandle(overlapped.hEvent);
        return done;
    }
    BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return ::PostMessageA(window, message, wParam, lParam);
    }
    bool StartThread(std::function<void()> body) override
    {
        try {
            std::thread(std::move(body)).detach();
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }
};

}  // namespace

CommApi& Win32CommApi()
{
    static Win32Comm api;
    return api;
}

}  // namespace widgets
