#include "platform/runtime/value.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(DynamicValue, KindsAndAccess)
{
    const Value nil, number = 2.5, integer = 7, text = "abc", logic = true, color = Value::Color{0x0000FF},
                     dimension = Value::Dimension{40, 20};
    EXPECT_TRUE(nil.IsNil());
    EXPECT_EQ(number.AsNumber(), 2.5);
    EXPECT_TRUE(integer.IsNumber());
    EXPECT_EQ(integer.AsNumber(), 7.0);
    EXPECT_EQ(text.AsText(), "abc");
    EXPECT_TRUE(logic.IsLogic());  // a literal text or true is no number
    EXPECT_EQ(color.AsColor().rgb, 0xFFu);
    EXPECT_EQ(dimension.AsDimension().height, 20);
    EXPECT_THROW(text.AsNumber(), std::bad_variant_access);
    EXPECT_THROW(nil.AsArray(), std::bad_variant_access);
}

TEST(DynamicValue, Equality)
{
    Array a{1, 2}, b{1, 2};
    EXPECT_EQ(Value(a), Value(a));
    EXPECT_NE(Value(a), Value(b));  // arrays compare by identity
    EXPECT_EQ(Value(3), Value(3.0));
    EXPECT_NE(Value(1), Value(true));
    EXPECT_NE(Value("1"), Value(1));
    EXPECT_EQ(Value(), Value());
    EXPECT_EQ(Value(Value::Color{5}), Value(Value::Color{5}));
}

TEST(DynamicValue, CodeBlockEvaluates)
{
    Value block = Value::CodeBlock([](const std::vector<Value>& args) { return Value(args[0].AsNumber() * 2); });
    EXPECT_EQ(block.Eval({21}).AsNumber(), 42.0);
    EXPECT_NE(block, block);
}

TEST(DynamicArray, OneBasedSharedAndBoundsChecked)
{
    Array points{Array{0.0, 0.0}, Array{10.0, 5.0, 3}, Array{20.0, 0.0}};
    ASSERT_EQ(points.Len(), 3u);
    EXPECT_EQ(points[2].AsArray()[3].AsNumber(), 3.0);
    Array alias = points;
    alias[1] = "changed";
    EXPECT_EQ(points[1].AsText(), "changed");  // copies share the elements
    EXPECT_TRUE(alias.Same(points));
    EXPECT_THROW(points[0], std::out_of_range);
    EXPECT_THROW(points[4], std::out_of_range);
    points.Add(true);
    points.Resize(6);
    EXPECT_TRUE(alias[4].AsLogic());
    EXPECT_TRUE(alias[6].IsNil());
    int count = 0;
    for (const Value& v : points) count += v.IsNil();
    EXPECT_EQ(count, 2);
}

TEST(DynamicArray, NullArray)
{
    Array null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.Len(), 0u);
    EXPECT_EQ(null.begin(), null.end());
    EXPECT_THROW(null[1], std::out_of_range);
    EXPECT_THROW(null.Add(1), std::logic_error);
    Array empty(0);
    EXPECT_FALSE(empty.IsNull());
    empty.Add(1);
    EXPECT_EQ(empty.Len(), 1u);
}

TEST(DynamicArray, ArrayMayHoldItself)
{
    Array a(1);
    a[1] = a;
    EXPECT_TRUE(a[1].AsArray().Same(a));
    a[1] = Value();  // breaks the cycle
}

}  // namespace
