// The charts' data preparers: function tables and transformed data.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/core/graphics.h"

namespace {

// A block that records its arguments and answers f of them.
struct Recorder {
    std::vector<double> calls;
    Value Block(double (*f)(double))
    {
        return Value::CodeBlock([this, f](const std::vector<Value>& arguments) -> Value {
            calls.push_back(arguments.at(0).AsNumber());
            return f(arguments.at(0).AsNumber());
        });
    }
};

double Square(double x)
{
    return x * x;
}
double Log10(double x)
{
    return std::log10(x);
}

TEST(MathGraphArray, TablesFromEitherEnd)
{
    struct Case {
        double start, end;
        Value n;
        std::vector<double> xs;  // the x values expected (up to rounding)
    };
    const Case cases[] = {
        {0.0, 1.0, 11, {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}},
        {1.0, 0.0, 11, {0.0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}},  // decreasing ends
        {-2.0, 3.0, 2, {-2.0, 3.0}},
        {5.0, 9.0, 1, {5.0}},                    // one point: the smaller end, no division by zero
        {0.0, 4.0, 3.9, {0.0, 4.0 / 2.0, 4.0}},  // the whole part of n
        {0.0, 1.0, 0, {}},
        {0.0, 1.0, -3, {}},
        {0.0, 1.0, Value(), {}},
        {0.0, 1.0, "5", {}},
        {0.0, 1.0, std::nan(""), {}},
        {0.0, 1.0, 1e300, {}},  // cannot be allocated
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " .. " << c.end << ", " << c.xs.size() << " points");
        Recorder recorder;
        const Array table = Graphics::SetMathGraphArray(recorder.Block(Square), c.start, c.end, c.n);
        ASSERT_EQ(table.Len(), c.xs.size());
        EXPECT_EQ(recorder.calls.size(), c.xs.size());  // once per point, never for an empty table
        for (std::size_t i = 1; i <= table.Len(); ++i) {
            const Array& entry = table[i].AsArray();
            ASSERT_EQ(entry.Len(), 2U);
            EXPECT_NEAR(entry[1].AsNumber(), c.xs[i - 1], 1e-15);
            EXPECT_EQ(entry[2].AsNumber(), Square(entry[1].AsNumber()));
            EXPECT_EQ(recorder.calls[i - 1], entry[1].AsNumber());  // in increasing x
        }
        if (!c.xs.empty()) {
            EXPECT_EQ(table[table.Len()].AsArray()[1].AsNumber(), c.xs.back());  // both ends exact
        }
    }
}

TEST(MathGraphArray, ManyPointsAndOddBlocks)
{
    Recorder recorder;
    const Array table = Graphics::SetMathGraphArray(recorder.Block(Square), 0.0, 69999.0, 70000);
    ASSERT_EQ(table.Len(), 70000U);  // beyond a 16-bit counter
    EXPECT_EQ(table[70000].AsArray()[1].AsNumber(), 69999.0);
    EXPECT_EQ(table[40000].AsArray()[1].AsNumber(), 39999.0);

    const Value text = Value::CodeBlock([](const std::vector<Value>&) -> Value { return "x"; });
    const Array nan = Graphics::SetMathGraphArray(text, 0.0, 1.0, 2);
    ASSERT_EQ(nan.Len(), 2U);
    EXPECT_TRUE(std::isnan(nan[1].AsArray()[2].AsNumber()));
    EXPECT_EQ(Graphics::SetMathGraphArray(Value(3.0), 0.0, 1.0, 2).Len(), 0U);  // not a block
}

TEST(Logarithmic, TransformsTheAxesOfEachMode)
{
    // Entries {x, y or list, width}; a copy comes back whatever is transformed.
    auto data = [] {
        return Array{Array{10.0, 100.0, 7.0}, Array{1000.0, Array{1.0, 10.0}, 8.0}, Array{100.0}, Value("odd")};
    };
    struct Case {
        const char* what;
        bool x, y;
        Value mode;
        Array expected;
    };
    const Value nan = std::nan("");
    const Case cases[] = {
        {"mode 0, both", true, true, 0, Array{Array{1.0, 2.0, 7.0}, Array{3.0, Array{1.0, 10.0}, 8.0}, Array{2.0}}},
        {"mode not a number counts as 0", true, true, "a",
         Array{Array{1.0, 2.0, 7.0}, Array{3.0, Array{1.0, 10.0}, 8.0}, Array{2.0}}},
        {"mode 3, y only", false, true, 3,
         Array{Array{10.0, 2.0, 7.0}, Array{1000.0, Array{1.0, 10.0}, 8.0}, Array{100.0}}},
        {"mode 2, lists", true, true, 2, Array{Array{1.0, 100.0, 7.0}, Array{3.0, Array{0.0, 1.0}, 8.0}, Array{2.0}}},
        {"mode 5, x only", true, true, 5, Array{Array{1.0, 100.0, 7.0}, Array{3.0, Array{1.0, 10.0}, 8.0}, Array{2.0}}},
        {"no blocks: a deep copy", false, false, 0,
         Array{Array{10.0, 100.0, 7.0}, Array{1000.0, Array{1.0, 10.0}, 8.0}, Array{100.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Array original = data();
        const Array before = data();
        Recorder rx, ry;
        const Array result = Graphics::SetLogarithmic(original, c.x ? rx.Block(Log10) : Value(),
                                                      c.y ? ry.Block(Log10) : Value(), c.mode);
        ASSERT_EQ(result.Len(), 4U);
        EXPECT_FALSE(result.Same(original));
        for (std::size_t i = 1; i <= 3; ++i) {
            SCOPED_TRACE(::testing::Message() << "entry " << i);
            const Array& got = result[i].AsArray();
            const Array& want = c.expected[i].AsArray();
            EXPECT_FALSE(got.Same(original[i].AsArray()));
            ASSERT_EQ(got.Len(), want.Len());
            for (std::size_t k = 1; k <= want.Len(); ++k) {
                if (want[k].IsArray()) {
                    ASSERT_TRUE(got[k].IsArray());
                    EXPECT_FALSE(got[k].AsArray().Same(original[i].AsArray()[k].AsArray()));
                    for (std::size_t j = 1; j <= want[k].AsArray().Len(); ++j)
                        EXPECT_DOUBLE_EQ(got[k].AsArray()[j].AsNumber(), want[k].AsArray()[j].AsNumber());
                } else {
                    EXPECT_DOUBLE_EQ(got[k].AsNumber(), want[k].AsNumber());
                }
            }
        }
        EXPECT_EQ(result[4], Value("odd"));
        // The caller's data are unchanged.
        EXPECT_EQ(original[1].AsArray()[1], before[1].AsArray()[1]);
        EXPECT_EQ(original[1].AsArray()[2], before[1].AsArray()[2]);
        EXPECT_EQ(original[2].AsArray()[2].AsArray()[2], Value(10.0));
    }
}

TEST(Logarithmic, NoDataGivesANewEmptyArrayWithoutCallingABlock)
{
    Recorder recorder;
    const Value block = recorder.Block(Log10);
    const Array empty(0);
    for (const Value& data : {Value(), Value(empty), Value(5.0), Value("text")}) {
        const Array result = Graphics::SetLogarithmic(data, block, block, 0);
        EXPECT_EQ(result.Len(), 0U);
        EXPECT_FALSE(result.IsNull());
        EXPECT_FALSE(result.Same(empty));
    }
    EXPECT_TRUE(recorder.calls.empty());
    // A block that answers no number leaves NaN in place, so points keep
    // their positions.
    const Value text = Value::CodeBlock([](const std::vector<Value>&) -> Value { return Value(); });
    const Array result = Graphics::SetLogarithmic(Array{Array{1.0, 2.0}}, text, Value(), 0);
    EXPECT_TRUE(std::isnan(result[1].AsArray()[1].AsNumber()));
    EXPECT_EQ(result[1].AsArray()[2], Value(2.0));
}

}  // namespace
