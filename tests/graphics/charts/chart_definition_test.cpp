// Validation of the chart definition array.
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "graphics/charts/chart_definition.h"

namespace {

using charts::ValidateChartDefinition;

constexpr charts::CurrentColors kColors = {0x112233, 0x445566, 0x778899};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Value Color(std::uint32_t rgb)
{
    return Value::Color{rgb};
}
Value Size(int width, int height)
{
    return Value::Dimension{width, height};
}

// Every element but 11 (a code block) and 55 (a new array) as validation
// gives it for an empty array; the y axis differs in element 30.
std::vector<Value> Defaults()
{
    std::vector<Value> d(60);
    for (std::size_t base : {std::size_t{0}, charts::kYAxis}) {
        const Value axis[] = {-100.0,      100.0,
                              -100.0,      100.0,
                              20.0,        base == 0 ? 2.0 : 1.0,
                              10.0,        0.0,
                              3.0,         0.0,
                              Value(),     Color(kColors.text),
                              Size(6, 9),  0.0,
                              "",          0.0,
                              0.0,         Color(kColors.text),
                              Size(8, 12), 0.0,
                              0.0,         Color(kColors.line),
                              0.0,         2.0};
        for (std::size_t k = 1; k <= 24; ++k) d[base + k] = axis[k - 1];
    }
    const Value chart[] = {1.0, Color(kColors.line), 0.0, 0.0, Color(kColors.fill), 0.0, Value(),
                           0.0, Color(kColors.line), 4.0, 4.0};
    for (std::size_t k = 49; k <= 59; ++k) d[k] = chart[k - 49];
    return d;
}

void ExpectElements(const Array& aDef, const std::vector<Value>& expected)
{
    ASSERT_GE(aDef.Len(), 59U);
    for (std::size_t i = 1; i <= 59; ++i) {
        SCOPED_TRACE(::testing::Message() << "element " << i);
        if (i == 11 || i == 35) {
            EXPECT_TRUE(aDef[i].IsCodeBlock());
        } else if (i == 55) {
            ASSERT_TRUE(aDef[i].IsArray());
            EXPECT_EQ(aDef[i].AsArray().Len(), 0U);
        } else {
            EXPECT_EQ(aDef[i], expected[i]);
        }
    }
}

TEST(ChartDefinition, ValidationFromArrayToArray)
{
    struct Case {
        const char* what;
        std::function<Array()> given;
        std::function<void(std::vector<Value>&)> changes;  // from the defaults
    };
    auto with = [](std::initializer_list<std::pair<std::size_t, Value>> list) {
        return [elements = std::vector<std::pair<std::size_t, Value>>(list)] {
            Array aDef(59);
            for (const auto& [i, v] : elements) aDef[i] = v;
            return aDef;
        };
    };
    const Case cases[] = {
        {"null array", [] { return Array(); }, [](auto&) {}},
        {"empty array", [] { return Array(0); }, [](auto&) {}},
        {"ten elements grow and keep their values",
         [] {
             Array aDef{-50.0, 150.0, 0.0, 1000.0, 100.0, 3.0, 5.0, 2.0, 1.0, 1.0};
             return aDef;
         },
         [](auto& d) {
             d[1] = -50.0, d[2] = 150.0, d[3] = 0.0, d[4] = 1000.0, d[5] = 100.0;
             d[6] = 3.0, d[7] = 5.0, d[8] = 2.0, d[9] = 1.0, d[10] = 1.0;
         }},
        {"reversed axis", with({{1, 100.0}, {2, -100.0}}), [](auto& d) { d[1] = 100.0, d[2] = -100.0, d[21] = 1.0; }},
        {"text in element 2", with({{1, 50.0}, {2, "x"}}),
         [](auto& d) { d[1] = 50.0, d[2] = 250.0, d[3] = 50.0, d[4] = 250.0; }},
        {"step 0 against the range", with({{3, 0.0}, {4, 100.0}, {5, 0.0}}),
         [](auto& d) { d[3] = 0.0, d[4] = 100.0, d[5] = 10.0; }},
        {"title side 3 with a title", with({{15, "T"}, {16, 3.0}}),
         [](auto& d) { d[15] = "T", d[16] = 4.0, d[17] = 4.0; }},
        {"title side 2 without a title", with({{16, 2.0}}), [](auto&) {}},
        {"label font 12 stays, 60 does not", with({{13, 12.0}, {37, 60.0}}), [](auto& d) { d[13] = 12.0; }},
        {"font sizes as dimensions", with({{19, Size(2, 50)}, {43, Size(1, 9)}}), [](auto& d) { d[19] = Size(2, 50); }},
        {"font size mode 3", with({{58, 3.0}}), [](auto&) {}},
        {"element 55 replaced, 21 overwritten", with({{55, Array{1.0, 2.0}}, {21, 7.0}}), [](auto&) {}},
        {"non-finite numbers", with({{1, kNaN}, {7, kInf}, {12, -kInf}, {26, kNaN}, {49, kNaN}}), [](auto&) {}},
        {"real numbers in whole-number elements by their integer part",
         with({{6, 2.7}, {8, -0.5}, {58, 5.9}, {30, 3.99}, {52, 4.2}}),
         [](auto& d) { d[6] = 2.7, d[8] = -0.5, d[58] = 5.9, d[30] = 3.99; }},
        {"colours: numbers and colour objects stay", with({{22, 5.0}, {46, Color(0xFF)}, {50, "red"}}),
         [](auto& d) { d[22] = 5.0, d[46] = Color(0xFF); }},
        {"positions beyond a billion", with({{25, 2e9}, {28, -1e9}, {14, -1e9 - 1}}),
         [](auto& d) { d[28] = -1e9, d[29] = (1e9 - 100.0) / 10.0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Value> expected = Defaults();
        c.changes(expected);
        Array aDef = c.given();
        ValidateChartDefinition(aDef, kColors);
        ExpectElements(aDef, expected);

        // A second validation changes nothing but element 55.
        const Value e55 = aDef[55];
        std::vector<Value> first(aDef.begin(), aDef.end());
        ValidateChartDefinition(aDef, kColors);
        EXPECT_FALSE(aDef[55].AsArray().Same(e55.AsArray()));
        for (std::size_t i = 1; i <= 59; ++i) {
            if (i != 55 && !aDef[i].IsCodeBlock()) {
                EXPECT_EQ(aDef[i], first[i - 1]) << "element " << i;
            }
        }
    }
}

TEST(ChartDefinition, ElementsBeyond59StayAndCallersBlocksAreKept)
{
    Array aDef(61);
    aDef[60] = "mine";
    int calls = 0;
    aDef[35] = Value::CodeBlock([&calls](const std::vector<Value>&) -> Value { return ++calls, "y"; });
    ValidateChartDefinition(aDef, kColors);
    EXPECT_EQ(aDef.Len(), 61U);
    EXPECT_EQ(aDef[60], Value("mine"));
    EXPECT_EQ(aDef[35].Eval({1.0}), Value("y"));
    EXPECT_EQ(calls, 1);
}

TEST(ChartDefinition, DefaultLabelFormat)
{
    const Value format = charts::DefaultLabelFormat();
    const std::pair<Value, const char*> cases[] = {
        {-12.4, "-12"},
        {-12.5, "-13"},
        {2.5, "3"},
        {0.0, "0"},
        {-0.4, "0"},
        {-1e9, "-1000000000"},
        {123456789012.0, "123456789012"},
        {kNaN, ""},
        {"text", ""},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(format.Eval({value}), Value(text));
    EXPECT_EQ(format.Eval({}), Value(""));
}

}  // namespace
