// Exceptions that escape a window's handlers.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/framework/appwindow.h"
#include "platform/framework/errors.h"
#include "platform/framework/recording_seam.h"

namespace {

class ThrowingWindow : public TopAppWindow {
public:
    LRESULT Dispatch(Event& event) override
    {
        if (event.message == WM_APP) throw std::runtime_error("division by zero in the list");
        if (event.message == WM_APP + 1) throw 42;
        return TopAppWindow::Dispatch(event);
    }
};

TEST(ErrorHandlerTest, EscapingExceptionsAreShownLoggedAndTheProgramGoesOn)
{
    RecordingSeam seam;
    std::remove("errors_test.log");
    SetErrorLogPath("errors_test.log");
    ThrowingWindow window;
    EXPECT_EQ(SendMessageA(window.Handle(), WM_APP, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 1, 0, 0), 0);

    auto boxes = seam.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find("division by zero in the list"), std::string::npos);
    EXPECT_NE(boxes[1].text.find("unknown exception"), std::string::npos);
    EXPECT_TRUE(boxes[0].number & MB_ICONSTOP);

    std::ifstream log("errors_test.log", std::ios::binary);
    std::stringstream lines;
    lines << log.rdbuf();
    EXPECT_NE(lines.str().find("division by zero in the list\r\n"), std::string::npos);
    EXPECT_NE(lines.str().find("unknown exception\r\n"), std::string::npos);

    // The window still works.
    window.SetCaption("still here");
    EXPECT_EQ(window.Caption(), "still here");
    SetErrorLogPath("meridoxa_error.log");
}

}  // namespace
