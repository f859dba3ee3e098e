// Print jobs and printing devices, on the printer of the recording seam.
#include <gtest/gtest.h>

#include "platform/framework/appwindow.h"
#include "platform/framework/printer.h"
#include "platform/framework/recording_seam.h"

namespace {

// Prints a given number of pages and keeps the events it was given.
class CountedJob : public Printer {
public:
    CountedJob(const PrintingDevice& device, int pages) : Printer("Report", device), pages_(pages) {}
    bool PrinterExpose(PrinterExposeEvent& event) override
    {
        events.push_back(event);
        return event.PageNo() < pages_;
    }
    std::vector<PrinterExposeEvent> events;

private:
    int pages_;
};

std::vector<std::string> Kinds(const RecordingSeam& seam)
{
    std::vector<std::string> kinds;
    for (const auto& call : seam.calls) kinds.push_back(call.kind);
    return kinds;
}

class PrinterTest : public ::testing::Test {
protected:
    PrinterTest() { seam.defaultPrinter = "Laser 5,winspool,LPT1:"; }
    RecordingSeam seam;
};

TEST_F(PrinterTest, JobPrintsPagesUntilExposeAnswersThatNoneFollows)
{
    PrintingDevice device;
    CountedJob job(device, 3);
    ASSERT_TRUE(job.IsValid());
    EXPECT_TRUE(job.Start());
    EXPECT_EQ(Kinds(seam), (std::vector<std::string>{"PrinterDC", "StartDoc", "StartPage", "EndPage", "StartPage",
                                                     "EndPage", "StartPage", "EndPage", "EndDoc"}));
    EXPECT_EQ(seam.CallsOf("StartDoc")[0].text, "Report");
    ASSERT_EQ(job.events.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(job.events[i].PageNo(), i + 1);
        EXPECT_EQ(job.events[i].ExposedArea(), job.CanvasArea());
    }
}

TEST_F(PrinterTest, RefusedPrinterCallsEndTheJob)
{
    struct Case {
        const char* refused;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"StartDoc", {"PrinterDC", "StartDoc"}},
        {"StartPage", {"PrinterDC", "StartDoc", "StartPage", "AbortDoc"}},
        {"EndPage", {"PrinterDC", "StartDoc", "StartPage", "EndPage", "AbortDoc"}},
        {"EndDoc", {"PrinterDC", "StartDoc", "StartPage", "EndPage", "EndDoc"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        seam.calls.clear();
        seam.refusedPrintCall = c.refused;
        CountedJob job(PrintingDevice(), 1);
        EXPECT_FALSE(job.Start());
        EXPECT_EQ(Kinds(seam), c.calls);
    }
}

TEST_F(PrinterTest, WithoutAPrinterNothingIsPrinted)
{
    seam.defaultPrinter = "";
    PrintingDevice device;
    EXPECT_FALSE(device.IsValid());
    CountedJob job(device, 1);
    EXPECT_FALSE(job.IsValid());
    EXPECT_FALSE(job.Start());
    EXPECT_TRUE(seam.calls.empty());
}

TEST_F(PrinterTest, TextLiesAboveThePointItIsPrintedAt)
{
    struct TextJob : Printer {
        using Printer::Printer;
        bool PrinterExpose(PrinterExposeEvent&) override
        {
            SetFont(::Font(10, "Arial"));
            TextPrint("MMMM", {100, 200});
            // The drawn pixels: rows and columns of the dark ones.
            int height = CanvasArea().Height();
            for (int y = 0; y < height; ++y)
                for (int x = 90; x < 300; ++x)
                    if (GetPixel(Handle(), x, y) != RGB(255, 255, 255)) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                        left = std::min(left, x);
                    }
            return false;
        }
        int top = 1 << 30, bottom = -1, left = 1 << 30;
    } job("Text", PrintingDevice());
    ASSERT_TRUE(job.Start());
    int height = job.CanvasArea().Height();
    EXPECT_LT(job.bottom, height - 200);
    EXPECT_GT(job.top, height - 200 - job.SizeText("MMMM").height);
    EXPECT_GE(job.left, 100);
}

TEST_F(PrinterTest, DeviceNamesAndSettingsReachThePrinter)
{
    struct Case {
        const char* name;
        const char* device;
        const char* driver;
        const char* port;
    };
    const Case cases[] = {
        {"Laser 5,winspool,LPT1:", "Laser 5", "winspool", "LPT1:"},
        {"PDF,winspool", "PDF", "winspool", ""},
        {"Alone", "Alone", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintingDevice device(c.name);
        EXPECT_EQ(device.Device(), c.device);
        EXPECT_EQ(device.Driver(), c.driver);
        EXPECT_EQ(device.Port(), c.port);
    }

    PrintingDevice device("Laser 5,winspool,LPT1:");
    EXPECT_EQ(device.Copies(), 1);
    EXPECT_EQ(device.Orientation(), DMORIENT_PORTRAIT);
    device.SetOrientation(DMORIENT_LANDSCAPE);
    device.SetCopies(2);
    Printer job("Landscape", device);
    auto created = seam.CallsOf("PrinterDC");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].text, "Laser 5");
    EXPECT_EQ(created[0].detail, "winspool");
    EXPECT_EQ(created[0].number, DMORIENT_LANDSCAPE);
}

TEST_F(PrinterTest, SetupKeepsTheSettingsWhenCancelled)
{
    PrintingDevice device;
    device.SetOrientation(DMORIENT_LANDSCAPE);
    EXPECT_FALSE(device.Setup());
    seam.printSetupAnswer = true;
    EXPECT_TRUE(device.Setup());
    EXPECT_EQ(seam.CallsOf("PrintSetup").size(), 2u);
    EXPECT_EQ(seam.CallsOf("PrintSetup")[0].number, PD_PRINTSETUP);
    EXPECT_EQ(device.Device(), "Laser 5");
    EXPECT_EQ(device.Port(), "LPT1:");
    EXPECT_EQ(device.Orientation(), DMORIENT_LANDSCAPE);
}

TEST_F(PrinterTest, WindowPrintsItsCanvasOnOnePage)
{
    TopAppWindow window;
    window.SetCaption("Form");
    window.Show();
    EXPECT_TRUE(window.Print(PrintingDevice()));
    EXPECT_EQ(seam.CallsOf("StartPage").size(), 1u);
    EXPECT_EQ(seam.CallsOf("StartDoc")[0].text, "Form");
}

}  // namespace
