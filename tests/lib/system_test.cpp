#include "lib/system.h"

#include <gtest/gtest.h>

#include "platform/runtime/numtext.h"
#include "platform/runtime/system.h"

namespace {

TEST(GetVoVersion, FindsTheFirstKnownVersion)
{
    EXPECT_EQ(gnPlattformVersion, 0);
    const std::pair<const char*, unsigned short> cases[] = {
        {"Runtime 2.7 build 1", 27}, {"2.0 and 2.8", 20}, {"3.1", 27}, {"", 27}, {"v2.5", 25}, {"2.6", 26},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(GetVoVersion(text), number) << text;
        EXPECT_EQ(gnPlattformVersion, number) << text;
    }
    EXPECT_EQ(GetVoVersion(), 28);
}

TEST(SystemInformation, ReportsUserMemoryAndVersions)
{
    EXPECT_FALSE(GetNetUserName().empty());
    EXPECT_GT(MemoryEx(0), 0.0);
    EXPECT_GT(MemoryEx(1), 0.0);
    EXPECT_LE(MemoryEx(1), MemoryEx(0));
    const double load = MemoryEx(100);
    EXPECT_GE(load, 0.0);
    EXPECT_LE(load, 100.0);
    EXPECT_EQ(load, static_cast<int>(load));
    EXPECT_EQ(MemoryEx(4), MemoryFigure(4));
    EXPECT_EQ(MemoryEx(42), 0.0);
    EXPECT_EQ(Str(GetGraphicsVersion(), 5, 2), "12.00");
}

TEST(AClone2, CopiesNestedArraysKeepingTheirSharing)
{
    Array b{1, "b"};
    Array empty(0);
    Array a{3.5, "text", b, b, empty, Array{}, true};
    const Array copy = AClone2(a);
    ASSERT_EQ(copy.Len(), a.Len());
    EXPECT_FALSE(copy.Same(a));
    EXPECT_EQ(copy[1], a[1]);
    EXPECT_EQ(copy[2], a[2]);
    EXPECT_EQ(copy[7], a[7]);
    const Array& b1 = copy[3].AsArray();
    EXPECT_TRUE(b1.Same(copy[4].AsArray()));
    EXPECT_FALSE(b1.Same(b));
    EXPECT_EQ(b1[2], Value("b"));
    EXPECT_FALSE(copy[5].AsArray().IsNull());
    EXPECT_FALSE(copy[5].AsArray().Same(empty));
    EXPECT_TRUE(copy[6].AsArray().IsNull());

    Array b2 = copy[3].AsArray();
    b2[1] = 99;
    EXPECT_EQ(b[1], Value(1));
    EXPECT_TRUE(AClone2(Array{}).IsNull());
    EXPECT_EQ(AClone2(Array(0)).Len(), 0u);
}

TEST(AClone2, CopiesAnArrayThatHoldsItself)
{
    Array a(2);
    a[1] = "x";
    a[2] = a;
    Array copy = AClone2(a);
    EXPECT_TRUE(copy[2].AsArray().Same(copy));
    EXPECT_FALSE(copy.Same(a));
    a[2] = Value();  // break the cycles so that both arrays are freed
    copy[2] = Value();
}

TEST(AClone2, SharesObjectsAndCodeBlocks)
{
    const Value::CodeBlock block = [](const std::vector<Value>&) { return Value(7); };
    const Array copy = AClone2(Array{block, Value::Color{0x123456}});
    EXPECT_EQ(copy[1].Eval(), Value(7));
    EXPECT_EQ(copy[2].AsColor().rgb, 0x123456u);
}

}  // namespace
