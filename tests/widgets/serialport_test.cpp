// The serial port on a real port under Wine: a pseudo-terminal pair that
// the test command makes with socat and maps as COM201 and COM202.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/framework/recording_seam.h"
#include "widgets/serialmt.h"

namespace {

using namespace std::string_literals;
using widgets::SerialMt;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* missing = ": the serial tests need the socat pair that scripts/test.sh maps as COM201 and COM202";
        ASSERT_TRUE(a.Open("COM201")) << "COM201 does not open (" << a.ErrorDesc() << ")" << missing;
        ASSERT_TRUE(b.Open("COM202")) << "COM202 does not open (" << b.ErrorDesc() << ")" << missing;
    }

    // What arrives at the port within about two seconds, up to count bytes.
    static std::string Receive(SerialMt& port, std::size_t count)
    {
        std::string received;
        for (int i = 0; i < 100 && received.size() < count; ++i) {
            if (port.Pending() == 0) {
                Sleep(20);
                continue;
            }
            std::string part;
            port.Read(part, static_cast<long>(port.Pending()));
            received += part;
        }
        return received;
    }
    static void AwaitPending(SerialMt& port, DWORD count)
    {
        for (int i = 0; i < 100 && port.Pending() < count; ++i) Sleep(20);
    }

    SerialMt a;
    SerialMt b;
};

TEST_F(SerialPortTest, BytesWrittenAtOneEndArriveAtTheOther)
{
    EXPECT_TRUE(a.SetProtokol(19200, 8, 0, 2));
    EXPECT_TRUE(a.SetTimeOut());
    EXPECT_TRUE(a.SetBufferSize(4096, 4096));
    const std::string text = "MERIDOXA\r\n\0\xFF"s;
    EXPECT_TRUE(a.Write(text));
    EXPECT_FALSE(a.IsWriting());
    EXPECT_EQ(Receive(b, text.size()), text);
    EXPECT_TRUE(b.Write("ok"));
    EXPECT_EQ(Receive(a, 2), "ok");
}

TEST_F(SerialPortTest, ReadsOfNothingAndOfPartAndFlushingTheInput)
{
    std::string buffer = "old";
    EXPECT_TRUE(b.Read(buffer, 5));
    EXPECT_EQ(buffer, "old");

    ASSERT_TRUE(a.Write("abc"));
    AwaitPending(b, 3);
    EXPECT_EQ(b.Pending(), 3u);
    EXPECT_FALSE(b.Read(buffer, 5));
    EXPECT_EQ(b.ErrorDesc(), "Read Mem2String");
    EXPECT_EQ(buffer, "abc");

    ASSERT_TRUE(a.Write("xyz"));
    AwaitPending(b, 3);
    EXPECT_TRUE(b.Flush());
    EXPECT_EQ(b.Pending(), 0u);
}

TEST_F(SerialPortTest, AWriteNobodyTakesIsCancelledAndThePortStaysUsable)
{
    EXPECT_FALSE(a.Write(std::string(200000, 'x')));
    EXPECT_EQ(a.ErrorDesc(), "Write incomplete");
    EXPECT_FALSE(a.IsWriting());
    // What got through is dropped until the line is quiet.
    EXPECT_TRUE(a.Flush());
    for (int quiet = 0, i = 0; quiet < 3 && i < 100; ++i) {
        Sleep(50);
        quiet = b.Pending() == 0 ? quiet + 1 : 0;
        b.Flush();
    }
    EXPECT_TRUE(a.Write("after"));
    EXPECT_EQ(Receive(b, 5), "after");
}

TEST_F(SerialPortTest, ClosingTwiceAndAClosedObject)
{
    EXPECT_TRUE(a.Close());
    EXPECT_FALSE(a.IsOpen());
    EXPECT_TRUE(a.Close());
    EXPECT_EQ(a.Pending(), 0u);
    EXPECT_EQ(a.ErrorCode(), "0");
}

TEST_F(SerialPortTest, FindAllPortsListsThePairInOrderAndLeavesTheHeldPortAlone)
{
    std::vector<std::string> ports = a.FindAllPorts();
    auto at = std::find(ports.begin(), ports.end(), "COM201");
    ASSERT_NE(at, ports.end());
    ASSERT_NE(at + 1, ports.end());
    EXPECT_EQ(at[1], "COM202");
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(), [](const std::string& x, const std::string& y) {
        return std::stoi(x.substr(3)) < std::stoi(y.substr(3));
    }));
    EXPECT_TRUE(a.IsOpen());
    EXPECT_TRUE(a.Write("held"));
    EXPECT_EQ(Receive(b, 4), "held");
}

TEST_F(SerialPortTest, AWatcherWhoseWaitFailsEndsQuietlyAndStoppingReturns)
{
    RecordingSeam seam;
    ASSERT_TRUE(a.EnableEvents(EV_RXCHAR | EV_TXEMPTY));
    EXPECT_TRUE(a.DisableEvents());
    ASSERT_TRUE(a.EnableEvents(EV_RXCHAR));
    EXPECT_TRUE(a.Close());
    {
        SerialMt c;
        ASSERT_TRUE(c.Open("COM201"));
        ASSERT_TRUE(c.EnableEvents(EV_RXCHAR));
    }
    EXPECT_TRUE(seam.calls.empty());
}

}  // namespace
