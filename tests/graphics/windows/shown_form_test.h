// A kit form shown on the test display with the kit's control additions in
// place, and a way to let it finish painting itself and its controls.
#pragma once

#include <gtest/gtest.h>

#include "graphics/windows/gkit.h"
#include "platform/framework/app.h"

template <class Form>
class ShownFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitFunction(); }
    void SetUp() override
    {
        SetWindowPos(oForm.Handle(), nullptr, 40, 40, 420, 300, SWP_NOZORDER);
        oForm.Show();
        Settle();
    }
    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            RedrawWindow(oForm.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ApplicationExec();
        }
    }

    // Another program on the display may hold the activation: ask again.
    void TakeFocus(const Window& oControl)
    {
        for (int i = 0; i < 20 && GetFocus() != oControl.Handle(); ++i) {
            SetForegroundWindow(oForm.Handle());
            SetFocus(oControl.Handle());
            ApplicationExec();
        }
        ASSERT_EQ(GetFocus(), oControl.Handle());
    }

    Form oForm;
};
