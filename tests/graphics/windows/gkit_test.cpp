// The kit's start-up procedure and hand cursor.
#include "graphics/windows/gkit.h"

#include <gtest/gtest.h>

#include "lib/system.h"

namespace {

TEST(KitTest, InitFunctionRecordsThePlatformVersion)
{
    gnPlattformVersion = 0;
    InitFunction();
    EXPECT_EQ(gnPlattformVersion, 28);
}

TEST(KitTest, HandCursorPointsWithItsFingertip)
{
    const gCurHand oHand;
    ASSERT_NE(oHand.Handle(), nullptr);
    ICONINFO oInfo{};
    ASSERT_TRUE(GetIconInfo(oHand.Handle(), &oInfo));
    EXPECT_FALSE(oInfo.fIcon);
    EXPECT_EQ(oInfo.xHotspot, 12U);
    EXPECT_EQ(oInfo.yHotspot, 1U);
    BITMAP oMask{};
    GetObjectA(oInfo.hbmMask, sizeof oMask, &oMask);
    EXPECT_EQ(oMask.bmWidth, 32);
    DeleteObject(oInfo.hbmMask);
    if (oInfo.hbmColor != nullptr) DeleteObject(oInfo.hbmColor);
}

}  // namespace
