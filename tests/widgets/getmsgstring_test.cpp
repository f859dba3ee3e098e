// The system's button captions: learnt once from three message boxes that
// close themselves, none shown without the hook.
#include "widgets/getmsgstring.h"

#include <gtest/gtest.h>

namespace {

using namespace widgets;

HHOOK WINAPI NoHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    return nullptr;
}

TEST(GetMsgStringTest, WithoutTheHookNoBoxIsShownAndCaptionsAreEmpty)
{
    HookInstaller real = SetMsgStringHookInstaller(NoHook);
    EXPECT_EQ(GetMsgString(IDYES), "");
    EXPECT_EQ(MsgStringActivations(), 0);
    SetMsgStringHookInstaller(real);
}

TEST(GetMsgStringTest, TheCaptionsOfTheSystemsButtonsWithoutAccessKeys)
{
    const struct {
        int id;
        const char* caption;
    } captions[] = {{IDOK, "OK"},
                    {IDCANCEL, "Cancel"},
                    {IDABORT, "Abort"},
                    {IDRETRY, "Retry"},
                    {IDIGNORE, "Ignore"},
                    {IDYES, "Yes"},
                    {IDNO, "No"},
                    {IDHELP, "Help"},
                    {0, ""},
                    {8, ""},
                    {10, ""},
                    {-1, ""}};
    for (const auto& c : captions) EXPECT_EQ(GetMsgString(c.id), c.caption) << c.id;
    const int activations = MsgStringActivations();
    EXPECT_GT(activations, 0);
    EXPECT_EQ(GetMsgString(IDNO), "No");
    EXPECT_EQ(MsgStringActivations(), activations) << "no box the second time";
}

}  // namespace
