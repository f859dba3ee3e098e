// The serial port on a scripted port: names and settings, every failing
// step, the overlapped protocol of reads and writes, and the error state.
#include "widgets/serialmt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform/framework/recording_seam.h"
#include "platform/runtime/memory.h"

namespace {

using widgets::SerialMt;

// A port that answers as scripted and records the calls made.
class ScriptedComm : public widgets::CommApi {
public:
    std::set<std::string> ports{"COM3", "\\\\.\\COM10", "\\\\.\\COM123"};
    std::string failing;     // the call that fails
    std::string unsettable;  // a port whose SetCommState fails
    DWORD failError = ERROR_GEN_FAILURE;
    std::vector<std::string> calls;
    std::map<HANDLE, std::string> open;  // open ports and their paths
    std::set<HANDLE> gone;               // ports whose device was unplugged
    std::set<HANDLE> events;
    DCB reported{};
    DCB state{};
    COMMTIMEOUTS timeouts{};
    DWORD waiting = 0;
    // Reads: the bytes that arrive; pending: ReadFile answers ERROR_IO_PENDING.
    std::string incoming;
    bool readPending = false;
    // Writes: pending, the wait's answer, bytes the driver leaves out.
    bool writePending = false;
    DWORD waitAnswer = WAIT_OBJECT_0;
    DWORD writeShort = 0;
    const SerialMt* serial = nullptr;
    std::vector<bool> writingSeen;

    HANDLE OpenPort(const std::string& path) override
    {
        calls.push_back("OpenPort " + path);
        bool inUse = std::any_of(open.begin(), open.end(), [&](const auto& port) { return port.second == path; });
        if (Fails("OpenPort") || !ports.count(path) || inUse) return INVALID_HANDLE_VALUE;
        HANDLE port = NewHandle();
        open[port] = path;
        return port;
    }
    BOOL SetupComm(HANDLE, DWORD in, DWORD out) override
    {
        calls.push_back("SetupComm " + std::to_string(in) + " " + std::to_string(out));
        return !Fails("SetupComm");
    }
    // A port whose device is gone does not purge.
    BOOL PurgeComm(HANDLE port, DWORD) override { return Record("PurgeComm") && !gone.count(port); }
    BOOL SetCommTimeouts(HANDLE, COMMTIMEOUTS* t) override
    {
        timeouts = *t;
        return Record("SetCommTimeouts");
    }
    BOOL GetCommState(HANDLE, DCB* dcb) override
    {
        *dcb = reported;
        return Record("GetCommState");
    }
    BOOL SetCommState(HANDLE port, DCB* dcb) override
    {
        state = *dcb;
        return Record("SetCommState") && open[port] != unsettable;
    }
    BOOL ClearCommError(HANDLE, DWORD*, COMSTAT* status) override
    {
        status->cbInQue = waiting;
        return Record("ClearCommError");
    }
    BOOL CloseHandle(HANDLE handle) override
    {
        if (events.erase(handle)) return Record("CloseEvent");
        if (!Record("CloseHandle")) return FALSE;
        open.erase(handle);
        return TRUE;
    }
    HANDLE NewEvent() override
    {
        if (!Record("NewEvent")) return nullptr;
        HANDLE event = NewHandle();
        events.insert(event);
        return event;
    }
    BOOL WriteFile(HANDLE, const void*, DWORD count, DWORD* written, OVERLAPPED*) override
    {
        writingSeen.push_back(serial && serial->IsWriting());
        if (!Record("WriteFile")) return FALSE;
        complete_ = [this, count](DWORD* n) { *n = count - writeShort; };
        if (writePending) return Pending();
        complete_(written);
        return TRUE;
    }
    BOOL ReadFile(HANDLE, void* data, DWORD count, DWORD* read, OVERLAPPED*) override
    {
        if (!Record("ReadFile")) return FALSE;
        complete_ = [this, data, count](DWORD* n) {
            *n = std::min<DWORD>(count, static_cast<DWORD>(incoming.size()));
            std::memcpy(data, incoming.data(), *n);
        };
        if (readPending) return Pending();
        complete_(read);
        return TRUE;
    }
    BOOL GetOverlappedResult(HANDLE, OVERLAPPED*, DWORD* count, BOOL) override
    {
        if (!Record("GetOverlappedResult")) return FALSE;
        complete_(count);
        return TRUE;
    }
    DWORD WaitForSingleObject(HANDLE, DWORD) override
    {
        calls.push_back("Wait");
        return waitAnswer;
    }
    BOOL CancelIoEx(HANDLE, OVERLAPPED*) override { return Record("CancelIoEx"); }
    DWORD GetLastError() override { return lastError_; }

    // The watcher's side, used from its thread, under the lock: the event
    // sets the next waits report, the mask and its changes, the waits begun,
    // the posts (wParam) and what fails.
    std::mutex lock;
    std::condition_variable changed;
    std::deque<DWORD> eventSets;
    DWORD mask = 0;
    int maskChanges = 0;
    int waits = 0;
    std::vector<WPARAM> posts;
    bool maskFails = false;
    bool waitFails = false;
    bool threadFails = false;
    bool maskEndsWait = true;  // a changed mask ends a pending wait
    bool stuck = false;        // only events end a pending wait
    int waitsEnded = 0;

    BOOL SetCommMask(HANDLE port, DWORD newMask) override
    {
        std::lock_guard guard(lock);
        if (maskFails || port == INVALID_HANDLE_VALUE) return FALSE;
        mask = newMask;
        ++maskChanges;
        changed.notify_all();
        return TRUE;
    }
    BOOL WaitCommEvent(HANDLE, HANDLE stop, DWORD* events) override
    {
        std::unique_lock guard(lock);
        ++waits;
        changed.notify_all();
        int start = maskChanges;
        auto ends = [&] {
            bool stopped = ::WaitForSingleObject(stop, 0) == WAIT_OBJECT_0;
            return waitFails || !eventSets.empty() || (!stuck && ((maskEndsWait && maskChanges != start) || stopped));
        };
        // The stop event is the system's: looked at every few milliseconds.
        while (!ends()) changed.wait_for(guard, std::chrono::milliseconds(5));
        ++waitsEnded;
        changed.notify_all();
        if (waitFails) return FALSE;
        *events = 0;
        if (!eventSets.empty()) {
            *events = eventSets.front();
            eventSets.pop_front();
        }
        return TRUE;
    }
    BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        {
            std::lock_guard guard(lock);
            posts.push_back(wParam);
        }
        return ::PostMessageA(window, message, wParam, lParam);
    }
    bool StartThread(std::function<void()> body) override
    {
        if (threadFails) return false;
        std::thread(std::move(body)).detach();
        return true;
    }
    // Hands the watcher event sets and waits until it waits again after them.
    void Report(std::initializer_list<DWORD> sets)
    {
        std::unique_lock guard(lock);
        int after = waits + static_cast<int>(sets.size());
        eventSets.insert(eventSets.end(), sets);
        changed.notify_all();
        changed.wait(guard, [&] { return waits >= after; });
    }
    void AwaitWaits(int count)
    {
        std::unique_lock guard(lock);
        changed.wait(guard, [&] { return waits >= count; });
    }
    // Lets stuck waits end and waits until no watcher waits any more: a
    // watcher asked to stop then no longer touches the port.
    void AwaitWaitsEnded()
    {
        std::unique_lock guard(lock);
        stuck = false;
        changed.wait(guard, [&] { return waitsEnded == waits; });
    }

    void Unplug()
    {
        for (const auto& port : open) gone.insert(port.first);
    }
    bool Called(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }

private:
    bool Fails(const std::string& call)
    {
        lastError_ = call == failing ? failError : 0;
        return call == failing;
    }
    bool Record(const std::string& call)
    {
        calls.push_back(call);
        return !Fails(call);
    }
    BOOL Pending()
    {
        lastError_ = ERROR_IO_PENDING;
        return FALSE;
    }
    HANDLE NewHandle() { return reinterpret_cast<HANDLE>(++lastHandle_ * 4); }

    DWORD lastError_ = 0;
    INT_PTR lastHandle_ = 0x100;
    std::function<void(DWORD*)> complete_;
};

class SerialTest : public ::testing::Test {
protected:
    SerialTest() { comm.serial = &serial; }
    ScriptedComm comm;
    SerialMt serial{nullptr, comm};
};

TEST_F(SerialTest, PortNamesAndLineSettingsAreCheckedBeforeThePortIsTouched)
{
    struct Case {
        const char* name;
        long baud, bits, parity, stop;
        const char* error;  // empty: opens
        const char* path;   // opened
    };
    const Case cases[] = {
        {"com3 ", 9600, 8, 0, 0, "", "COM3"},
        {"COM03", 9600, 8, 0, 0, "", "COM3"},
        {"COM12345", 9600, 8, 0, 0, "", "\\\\.\\COM123"},
        {"  com10", 19200, 7, 4, 2, "", "\\\\.\\COM10"},
        {"COM0", 9600, 8, 0, 0, "Open Port", nullptr},
        {"COM257", 9600, 8, 0, 0, "Open Port", nullptr},
        {"COM", 9600, 8, 0, 0, "Open Port", nullptr},
        {"COM1A", 9600, 8, 0, 0, "Open Port", nullptr},
        {"LPT1", 9600, 8, 0, 0, "Open Port", nullptr},
        {"", 9600, 8, 0, 0, "Open Port", nullptr},
        {"COM3", 600, 8, 0, 0, "Open Baudrate", nullptr},
        {"COM3", 9600, 6, 0, 0, "Open ByteSize", nullptr},
        {"COM3", 9600, 8, 5, 0, "Open Parity", nullptr},
        {"COM3", 9600, 8, 0, 1, "Open StopBits", nullptr},
        {"COM4", 9600, 8, 0, 0, "Open CreateFile", "COM4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + c.error);
        comm.calls.clear();
        bool opened = serial.Open(c.name, c.baud, c.bits, c.parity, c.stop);
        EXPECT_EQ(opened, !*c.error);
        EXPECT_EQ(serial.IsOpen(), opened);
        EXPECT_EQ(serial.ErrorDesc(), c.error);
        EXPECT_EQ(serial.ErrorCode(), *c.error ? "2" : "0");
        if (c.path) {
            EXPECT_TRUE(comm.Called(std::string("OpenPort ") + c.path));
        } else {
            EXPECT_TRUE(std::none_of(comm.calls.begin(), comm.calls.end(),
                                     [](const std::string& call) { return call.starts_with("OpenPort"); }));
        }
        EXPECT_TRUE(serial.Close());
    }
    EXPECT_TRUE(comm.open.empty());
}

TEST_F(SerialTest, TheLineSettingsAndTimeOutsReachThePortAndTheRestOfItsStateStays)
{
    comm.reported.fDtrControl = DTR_CONTROL_HANDSHAKE;
    comm.reported.XonChar = 0x11;
    comm.reported.BaudRate = 110;
    ASSERT_TRUE(serial.Open("COM3", 4800, 7, 2, 2, 1, 2, 3, 4, 5));
    EXPECT_EQ(comm.state.BaudRate, 4800u);
    EXPECT_EQ(comm.state.ByteSize, 7);
    EXPECT_EQ(comm.state.Parity, EVENPARITY);
    EXPECT_EQ(comm.state.StopBits, TWOSTOPBITS);
    EXPECT_EQ(comm.state.fDtrControl, static_cast<DWORD>(DTR_CONTROL_HANDSHAKE));
    EXPECT_EQ(comm.state.XonChar, 0x11);
    const COMMTIMEOUTS opened{1, 2, 3, 4, 5};
    EXPECT_EQ(std::memcmp(&comm.timeouts, &opened, sizeof opened), 0);

    ASSERT_TRUE(serial.SetProtokol(1200, 8, ODDPARITY, ONESTOPBIT));
    EXPECT_EQ(comm.state.BaudRate, 1200u);
    EXPECT_EQ(comm.state.ByteSize, 8);
    EXPECT_EQ(comm.state.Parity, ODDPARITY);
    EXPECT_EQ(comm.state.StopBits, ONESTOPBIT);
    ASSERT_TRUE(serial.SetTimeOut());
    const COMMTIMEOUTS defaults{0, 100, 1000, 0, 1000};
    EXPECT_EQ(std::memcmp(&comm.timeouts, &defaults, sizeof defaults), 0);
}

TEST_F(SerialTest, BufferSizesAreRaisedToSixteenAndNegativeOnesMean1024)
{
    struct Case {
        long input, output;
        const char* call;
    };
    const Case cases[] = {{-1, -5, "SetupComm 1024 1024"},
                          {0, 15, "SetupComm 16 16"},
                          {16, 5000, "SetupComm 16 5000"},
                          {1024, 1024, "SetupComm 1024 1024"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        comm.calls.clear();
        ASSERT_TRUE(serial.Open("COM3", 9600, 8, 0, 0, 0, 5, 100, 5, 100, c.input, c.output));
        EXPECT_TRUE(comm.Called(c.call));
        comm.calls.clear();
        ASSERT_TRUE(serial.SetBufferSize(c.input, c.output));
        EXPECT_EQ(comm.calls, std::vector<std::string>{c.call});
    }
}

TEST_F(SerialTest, EachFailingStepOfOpenEndsItAndAnOpenedPortStaysOpen)
{
    struct Case {
        const char* call;
        const char* error;
        bool staysOpen;
    };
    const Case cases[] = {
        {"OpenPort", "Open CreateFile", false},      {"SetupComm", "Open SetupComm", true},
        {"PurgeComm", "Open PurgeComm", true},       {"SetCommTimeouts", "Open SetCommTimeouts", true},
        {"GetCommState", "Open GetCommState", true}, {"SetCommState", "Open SetCommState", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        comm.failing = c.call;
        EXPECT_FALSE(serial.Open("COM3"));
        EXPECT_EQ(serial.ErrorCode(), "2");
        EXPECT_EQ(serial.ErrorDesc(), c.error);
        EXPECT_EQ(serial.IsOpen(), c.staysOpen);
        EXPECT_EQ(comm.open.size(), c.staysOpen ? 1u : 0u);
        comm.failing.clear();
        EXPECT_TRUE(serial.Close());
        EXPECT_TRUE(comm.open.empty());
    }
}

TEST_F(SerialTest, SettingsCheckTheirTablesThenThePortThenTheCalls)
{
    struct Case {
        bool open;
        const char* failing;
        std::function<bool(SerialMt&)> call;
        const char* code;
        const char* error;
    };
    const Case cases[] = {
        {false, "", [](SerialMt& s) { return s.SetProtokol(); }, "9", "SetProtokol Port not open"},
        {false, "", [](SerialMt& s) { return s.SetProtokol(600); }, "9", "SetProtokol Baudrate"},
        {true, "", [](SerialMt& s) { return s.SetProtokol(9600, 6); }, "9", "SetProtokol ByteSize"},
        {true, "", [](SerialMt& s) { return s.SetProtokol(9600, 8, 5); }, "9", "SetProtokol Parity"},
        {true, "", [](SerialMt& s) { return s.SetProtokol(9600, 8, 0, 1); }, "9", "SetProtokol StopBits"},
        {true, "GetCommState", [](SerialMt& s) { return s.SetProtokol(); }, "9", "SetProtokol GetCommState"},
        {true, "SetCommState", [](SerialMt& s) { return s.SetProtokol(); }, "9", "SetProtokol SetCommState"},
        {false, "", [](SerialMt& s) { return s.SetTimeOut(); }, "10", "SetTimeOut Port not open"},
        {true, "SetCommTimeouts", [](SerialMt& s) { return s.SetTimeOut(); }, "10", "SetTimeOut SetCommTimeouts"},
        {false, "", [](SerialMt& s) { return s.SetBufferSize(); }, "11", "setBufferSize Port not open"},
        {true, "SetupComm", [](SerialMt& s) { return s.SetBufferSize(); }, "11", "setBufferSize SetupComm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        if (c.open) {
            ASSERT_TRUE(serial.Open("COM3"));
        }
        comm.failing = c.failing;
        EXPECT_FALSE(c.call(serial));
        EXPECT_EQ(serial.ErrorCode(), c.code);
        EXPECT_EQ(serial.ErrorDesc(), c.error);
        comm.failing.clear();
        EXPECT_TRUE(serial.Close());
    }
}

TEST_F(SerialTest, ReadsHandTheBytesThatArrivedAndLeaveTheBufferWhenNoneDid)
{
    struct Case {
        const char* what;
        std::string incoming;
        bool pending;
        const char* failing;
        DWORD failError;
        bool result;
        const char* error;
        const char* buffer;
    };
    const Case cases[] = {
        {"all at once", "abc", false, "", 0, true, "", "abc"},
        {"part", "ab", false, "", 0, false, "Read Mem2String", "ab"},
        {"none", "", false, "", 0, true, "", "old"},
        {"all later", "abc", true, "", 0, true, "", "abc"},
        {"part later", "a", true, "", 0, false, "Read Mem2String", "a"},
        {"none, Wine's time-out", "", true, "GetOverlappedResult", ERROR_TIMEOUT, true, "", "old"},
        {"wait fails", "abc", true, "GetOverlappedResult", ERROR_GEN_FAILURE, false, "Read GetOverlappedResult", "old"},
        {"read fails", "abc", false, "ReadFile", ERROR_GEN_FAILURE, false, "Read ReadFile", "old"},
        {"no event", "abc", false, "NewEvent", 0, false, "Read CreateEvent", "old"},
    };
    ASSERT_TRUE(serial.Open("COM3"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        comm.incoming = c.incoming;
        comm.readPending = c.pending;
        comm.failing = c.failing;
        comm.failError = c.failError;
        comm.calls.clear();
        std::string buffer = "old";
        EXPECT_EQ(serial.Read(buffer, 3), c.result);
        EXPECT_EQ(serial.ErrorDesc(), c.error);
        EXPECT_EQ(serial.ErrorCode(), *c.error ? "3" : "0");
        EXPECT_EQ(buffer, c.buffer);
        EXPECT_EQ(comm.Called("ClearCommError"), c.failError == ERROR_GEN_FAILURE);
        EXPECT_TRUE(comm.events.empty());
    }
    comm.failing.clear();
    comm.calls.clear();
    std::string buffer = "old";
    EXPECT_TRUE(serial.Read(buffer, 0));
    EXPECT_TRUE(comm.calls.empty());
    MemFailNext();
    EXPECT_FALSE(serial.Read(buffer, 3));
    EXPECT_EQ(serial.ErrorDesc(), "Read MemAlloc");
    EXPECT_EQ(buffer, "old");
    // A negative count is refused before anything is allocated or read.
    comm.incoming = "abc";
    for (long count : {-1L, LONG_MIN}) {
        SCOPED_TRACE(count);
        EXPECT_FALSE(serial.Read(buffer, count));
        EXPECT_EQ(serial.ErrorCode(), "3");
        EXPECT_EQ(serial.ErrorDesc(), "Read negative count");
        EXPECT_EQ(buffer, "old");
        EXPECT_TRUE(comm.calls.empty());
    }
}

TEST_F(SerialTest, AWriteNotDoneWithinTheWaitIsCancelledBeforeItsRecordGoes)
{
    struct Case {
        const char* what;
        bool pending;
        DWORD waitAnswer;
        DWORD writeShort;
        const char* failing;
        const char* error;
    };
    const Case cases[] = {
        {"at once", false, WAIT_OBJECT_0, 0, "", ""},
        {"later", true, WAIT_OBJECT_0, 0, "", ""},
        {"not within the wait", true, WAIT_TIMEOUT, 0, "", "Write incomplete"},
        {"short at once", false, WAIT_OBJECT_0, 1, "", "Write incomplete"},
        {"short later", true, WAIT_OBJECT_0, 1, "", "Write incomplete"},
        {"result fails", true, WAIT_OBJECT_0, 0, "GetOverlappedResult", "Write incomplete"},
        {"write fails", false, WAIT_OBJECT_0, 0, "WriteFile", "Write WriteFile"},
        {"no event", false, WAIT_OBJECT_0, 0, "NewEvent", "Write CreateEvent"},
    };
    ASSERT_TRUE(serial.Open("COM3"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        comm.writePending = c.pending;
        comm.waitAnswer = c.waitAnswer;
        comm.writeShort = c.writeShort;
        comm.failing = c.failing;
        comm.calls.clear();
        comm.writingSeen.clear();
        EXPECT_EQ(serial.Write("data"), !*c.error);
        EXPECT_EQ(serial.ErrorDesc(), c.error);
        EXPECT_EQ(serial.ErrorCode(), *c.error ? "4" : "0");
        EXPECT_FALSE(serial.IsWriting());
        EXPECT_EQ(comm.writingSeen, std::vector<bool>(std::string(c.failing) == "NewEvent" ? 0 : 1, true));
        EXPECT_TRUE(comm.events.empty());
    }
    // The cancelled write ended before its event was closed.
    comm.failing.clear();
    comm.writePending = true;
    comm.waitAnswer = WAIT_TIMEOUT;
    comm.calls.clear();
    serial.Write("data");
    EXPECT_EQ(comm.calls, (std::vector<std::string>{"NewEvent", "WriteFile", "Wait", "CancelIoEx",
                                                    "GetOverlappedResult", "CloseEvent"}));
}

TEST_F(SerialTest, TheErrorStateIsReadClearedAndLeftAsEachOperationSays)
{
    EXPECT_FALSE(serial.Open("COM0"));
    EXPECT_EQ(serial.ErrorCode(), "2");
    // Close of a closed port and a good flush leave an earlier error in place.
    EXPECT_TRUE(serial.Close());
    EXPECT_TRUE(serial.Flush());
    std::string description = "x";
    EXPECT_EQ(serial.GetError(description), 2);
    EXPECT_EQ(description, "Open Port");
    EXPECT_EQ(serial.GetError(description), 0);
    EXPECT_EQ(description, "");

    ASSERT_TRUE(serial.Open("COM3"));
    comm.failing = "PurgeComm";
    EXPECT_FALSE(serial.Flush());
    EXPECT_EQ(serial.ErrorCode(), "5");
    EXPECT_EQ(serial.ErrorDesc(), "PurgeComm");
    comm.failing.clear();
    EXPECT_TRUE(serial.Write("x"));
    EXPECT_EQ(serial.ErrorCode(), "0");

    comm.failing = "CloseHandle";
    EXPECT_FALSE(serial.Close());
    EXPECT_EQ(serial.ErrorDesc(), "CloseHandle");
    EXPECT_TRUE(serial.IsOpen());
    comm.failing.clear();
    EXPECT_TRUE(serial.Close());
    EXPECT_EQ(serial.ErrorDesc(), "CloseHandle");
}

TEST_F(SerialTest, APortWhoseDeviceIsGoneIsClosedAllTheSameAndOpensAgain)
{
    // Closed by Close: the failed purge is reported, the watcher ends.
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    comm.Unplug();
    EXPECT_FALSE(serial.Close());
    EXPECT_EQ(serial.ErrorCode(), "6");
    EXPECT_EQ(serial.ErrorDesc(), "PurgeComm");
    EXPECT_FALSE(serial.IsOpen());
    EXPECT_TRUE(comm.open.empty());
    EXPECT_EQ(comm.mask, 0u);

    // Closed by the next Open, which then opens the port again.
    ASSERT_TRUE(serial.Open("COM3"));
    comm.Unplug();
    EXPECT_TRUE(serial.Open("COM3"));
    EXPECT_EQ(serial.ErrorCode(), "0");
    ASSERT_EQ(comm.open.size(), 1u);
    EXPECT_FALSE(comm.gone.count(comm.open.begin()->first));

    // A handle that does not close stays held, and Open fails with it.
    comm.failing = "CloseHandle";
    EXPECT_FALSE(serial.Open("COM10"));
    EXPECT_EQ(serial.ErrorDesc(), "CloseHandle");
    EXPECT_TRUE(serial.IsOpen());
    comm.failing.clear();
    EXPECT_TRUE(serial.Close());
    EXPECT_TRUE(comm.open.empty());
}

TEST_F(SerialTest, PendingCountsWaitingBytesOnlyOnAnOpenPort)
{
    comm.waiting = 7;
    EXPECT_EQ(serial.Pending(), 0u);
    ASSERT_TRUE(serial.Open("COM3"));
    EXPECT_EQ(serial.Pending(), 7u);
    EXPECT_TRUE(serial.Close());
    EXPECT_TRUE(serial.Close());
    EXPECT_EQ(serial.Pending(), 0u);
}

TEST_F(SerialTest, OpeningAgainClosesTheHeldPortFirstAndADroppedObjectClosesItsPort)
{
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.Open("COM10"));
    ASSERT_EQ(comm.open.size(), 1u);
    EXPECT_EQ(comm.open.begin()->second, "\\\\.\\COM10");
    {
        SerialMt other(nullptr, comm);
        ASSERT_TRUE(other.Open("COM3"));
        comm.failing = "PurgeComm";
    }
    comm.failing.clear();
    EXPECT_EQ(comm.open.size(), 1u);
}

TEST_F(SerialTest, FindAllPortsListsThePortsThatOpenAndLeavesTheHeldOneAlone)
{
    comm.ports = {"COM3", "COM5", "\\\\.\\COM12", "\\\\.\\COM100"};
    comm.unsettable = "COM5";
    ASSERT_TRUE(serial.Open("COM3"));
    HANDLE held = comm.open.begin()->first;
    EXPECT_EQ(serial.FindAllPorts(), (std::vector<std::string>{"COM12", "COM100"}));
    EXPECT_TRUE(serial.IsOpen());
    ASSERT_EQ(comm.open.size(), 1u);
    EXPECT_EQ(comm.open.begin()->first, held);
    // The error of the last attempt, COM256.
    EXPECT_EQ(serial.ErrorDesc(), "Open CreateFile");
}

// The WM_COMMNOTIFY wParams waiting for the window.
std::vector<WPARAM> Notifications(HWND window)
{
    std::vector<WPARAM> notifications;
    MSG message;
    while (PeekMessageA(&message, window, WM_COMMNOTIFY, WM_COMMNOTIFY, PM_REMOVE))
        notifications.push_back(message.wParam);
    return notifications;
}

TEST_F(SerialTest, TheWatcherPostsOneNotificationPerWaitCharactersFirst)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SerialMt watched(window, comm);
    ASSERT_TRUE(watched.Open("COM3"));
    ASSERT_TRUE(watched.EnableEvents(EV_RXCHAR | EV_TXEMPTY));
    EXPECT_FALSE(watched.EnableEvents(EV_RXCHAR));
    EXPECT_EQ(watched.ErrorCode(), "0");
    comm.AwaitWaits(1);
    EXPECT_EQ(comm.mask, static_cast<DWORD>(EV_RXCHAR | EV_TXEMPTY));
    comm.Report({EV_RXCHAR | EV_TXEMPTY, EV_TXEMPTY, EV_BREAK, EV_RXCHAR});
    EXPECT_TRUE(watched.DisableEvents());
    EXPECT_EQ(comm.mask, 0u);
    EXPECT_EQ(comm.posts, (std::vector<WPARAM>{1, 4, 1}));
    EXPECT_EQ(Notifications(window), (std::vector<WPARAM>{1, 4, 1}));
    EXPECT_TRUE(watched.DisableEvents());
    DestroyWindow(window);
}

TEST_F(SerialTest, WithoutAWindowTheNotificationsGoNowhereHarmlessly)
{
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    comm.Report({EV_RXCHAR});
    EXPECT_TRUE(serial.DisableEvents());
    EXPECT_EQ(comm.posts, std::vector<WPARAM>{1});
}

TEST_F(SerialTest, StoppingTheWatcherFailsWhileTheMaskCannotBeCleared)
{
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    comm.maskFails = true;
    EXPECT_FALSE(serial.DisableEvents());
    EXPECT_EQ(serial.ErrorCode(), "8");
    EXPECT_EQ(serial.ErrorDesc(), "SetCommMask");
    EXPECT_FALSE(serial.EnableEvents(EV_RXCHAR));
    comm.maskFails = false;
    EXPECT_TRUE(serial.DisableEvents());
    EXPECT_EQ(serial.ErrorDesc(), "SetCommMask");
}

TEST_F(SerialTest, StoppingTheWatcherDoesNotHangOnADriverThatKeepsItsWait)
{
    // A driver that ends a pending wait when it is cancelled, not when the
    // mask changes.
    comm.maskEndsWait = false;
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    EXPECT_TRUE(serial.DisableEvents());
    EXPECT_EQ(comm.mask, 0u);

    // A wait that nothing ends: the first stop, by DisableEvents or within
    // Close, gives up after its bound and says so; a later one only looks.
    // Close fails with it and closes the port all the same.
    using namespace std::chrono;
    const auto bound = milliseconds(SerialMt::kStopWait);
    const auto expectStop = [&](const std::function<bool()>& stop, bool waits) {
        const auto start = steady_clock::now();
        EXPECT_FALSE(stop());
        const auto took = steady_clock::now() - start;
        const auto waited = waits ? bound : milliseconds(0);
        EXPECT_GT(took, waited - milliseconds(100));
        EXPECT_LT(took, waited + seconds(1));
        EXPECT_EQ(serial.ErrorCode(), "8");
        EXPECT_EQ(serial.ErrorDesc(), "Watcher did not end");
    };
    const auto disable = [&] { return serial.DisableEvents(); };
    const auto close = [&] { return serial.Close(); };
    comm.stuck = true;
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(2);
    {
        SCOPED_TRACE("DisableEvents, again, then Close");
        expectStop(disable, true);
        EXPECT_FALSE(serial.EnableEvents(EV_RXCHAR));
        expectStop(disable, false);
        expectStop(close, false);
        EXPECT_FALSE(serial.IsOpen());
        EXPECT_TRUE(comm.open.empty());
    }
    {
        SCOPED_TRACE("Close alone");
        ASSERT_TRUE(serial.Open("COM3"));
        ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
        comm.AwaitWaits(3);
        expectStop(close, true);
        EXPECT_FALSE(serial.IsOpen());
        EXPECT_TRUE(comm.open.empty());
    }
    comm.AwaitWaitsEnded();
}

TEST_F(SerialTest, AClosedPortLeavesNoWatcherBehindWhenStoppingItFailed)
{
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    comm.maskFails = true;
    EXPECT_FALSE(serial.Close());
    EXPECT_EQ(serial.ErrorDesc(), "SetCommMask");
    EXPECT_FALSE(serial.IsOpen());
    comm.maskFails = false;
    ASSERT_TRUE(serial.Open("COM3"));
    EXPECT_TRUE(serial.EnableEvents(EV_RXCHAR));
    EXPECT_TRUE(serial.DisableEvents());
    comm.AwaitWaitsEnded();
}

TEST_F(SerialTest, AWatcherThatDoesNotStartLeavesItsError)
{
    ASSERT_TRUE(serial.Open("COM3"));
    comm.threadFails = true;
    EXPECT_FALSE(serial.EnableEvents(EV_RXCHAR));
    EXPECT_EQ(serial.ErrorCode(), "8");
    EXPECT_EQ(serial.ErrorDesc(), "CreateThread");
    EXPECT_TRUE(serial.DisableEvents());
    comm.threadFails = false;
    EXPECT_TRUE(serial.EnableEvents(EV_RXCHAR));
    EXPECT_TRUE(serial.DisableEvents());
}

TEST_F(SerialTest, AWatcherOnAClosedPortShowsItsBoxAndEnds)
{
    RecordingSeam seam;
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    while (!serial.DisableEvents()) Sleep(1);
    std::vector<RecordingSeam::Call> boxes = seam.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "SetCommMask failed!");
    EXPECT_EQ(boxes[0].detail, "CommWatchProc Error");
    EXPECT_EQ(boxes[0].number, MB_OK);
    EXPECT_EQ(boxes[0].owner, nullptr);
}

TEST_F(SerialTest, AWatcherWhoseWaitFailsEndsQuietly)
{
    RecordingSeam seam;
    comm.waitFails = true;
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    EXPECT_TRUE(serial.DisableEvents());
    EXPECT_TRUE(seam.calls.empty());
    EXPECT_TRUE(comm.posts.empty());
}

TEST_F(SerialTest, CloseAndADroppedObjectStopTheWatcherFirst)
{
    ASSERT_TRUE(serial.Open("COM3"));
    ASSERT_TRUE(serial.EnableEvents(EV_RXCHAR));
    comm.AwaitWaits(1);
    EXPECT_TRUE(serial.Close());
    EXPECT_EQ(comm.mask, 0u);
    {
        SerialMt other(nullptr, comm);
        ASSERT_TRUE(other.Open("COM3"));
        ASSERT_TRUE(other.EnableEvents(EV_RXCHAR));
        comm.AwaitWaits(2);
    }
    EXPECT_EQ(comm.mask, 0u);
    EXPECT_TRUE(comm.open.empty());
}

}  // namespace
