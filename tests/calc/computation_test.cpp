#include "calc/computation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calcwindow/layout.h"
#include "fake_library.h"
#include "platform/runtime/memory.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

calc::Texts MakeTexts()
{
    calc::Texts texts;
    for (int n = 1; n <= 100; ++n) {
        std::string text = std::to_string(n);
        texts.push_back(text.insert(0, 1, 't'));
    }
    texts[87 - 1] = "# pairs";
    texts[43 - 1] = "# outliers";
    texts[88 - 1] = "t88 #";
    texts[8 - 1] = "t8 # #";
    texts[91 - 1] = "t91 # # #";
    texts[92 - 1] = "t92 # #";
    texts[96 - 1] = "t96 # #";
    texts[97 - 1] = "t97 #";
    return texts;
}

struct Recorded : calc::Messages {
    std::vector<std::string> errors, hints;
    void Error(const std::string& text) override { errors.push_back(text); }
    void Hint(const std::string& text) override { hints.push_back(text); }
};

calc::SideInput Cartesian(const char* list, const char* name, const char* group)
{
    calc::SideInput side;
    side.list = list;
    side.format = 2;
    side.name = name;
    side.groupCaption = group;
    return side;
}

calc::SideInput Geographic(const char* list, int format)
{
    calc::SideInput side;
    side.list = list;
    side.format = format;
    side.ellipsoidValid = true;
    side.ellipsoid = {6378137.0, 6356752.314140356};
    side.name = "Src";
    side.groupCaption = "Quelle";
    side.ellipsoidName = "GRS 80";
    side.semiMajorText = "6378137.0000000";
    side.semiMinorText = "6356752.3141404";
    side.flatteningText = "  ";
    return side;
}

const char* kSourceList = "P1 100 200 300\r\nP2 110 190 310\r\nP22 90 220 280\r\n";
const char* kTargetList = "Q1 101 201 301\r\nQ2 111 191 311\r\nQ3 91 221 281";

class Report : public ::testing::Test {
protected:
    calc::Computation Run(const calc::SideInput& source, const calc::SideInput& target, const calc::Options& options)
    {
        calc::Computation c;
        calc::Prepare(c, source, target, options, texts, messages);
        calc::BuildReport(c, source, target, options, texts, messages);
        return c;
    }

    fake::Library library;
    calc::Texts texts = MakeTexts();
    Recorded messages;
};

// The statistics section of the fake library's residual answers.
const std::string kStatistics = "t34\r\n0.0123 t35\r\n0.0100 t36\r\n0.0110 t61\r\n\r\n";

calc::Options AllOn(int convention)
{
    calc::Options o;
    o.convention = static_cast<geodesy::Convention>(convention);
    o.rotationMatrix = o.inputValues = o.geographic = o.cartesian = o.residuals = true;
    return o;
}

TEST_F(Report, HelmertWithEveryOptionOn)
{
    library.script.outlierPairs = {2};
    library.script.outlierValues = {3.456};
    library.script.residuals = {0.001, -0.002, 0.0005, 0.0125, 0.5, -1, 0, 0, 0};
    calc::Computation c = Run(Cartesian(kSourceList, "  Alt ", "Quelle"), Cartesian(kTargetList, "", "Ziel"), AllOn(1));
    ASSERT_TRUE(c.ok);
    const std::string head = "t15\r\nAlt --> Ziel\r\n3 pairs\r\n\r\n"
                             "t23\r\nt24\r\n"
                             "   1.500000 t16\r\n  -2.250000 t17\r\n   3.000000 t18\r\n"
                             " 0.10000000 t19\r\n-0.20000000 t20\r\n 0.30000000 t21\r\n  1.2500000 t22\r\n\r\n"
                             "t23\r\nt86\r\n"
                             " 1.00000000000  0.00000000000  0.00000000000\r\n"
                             " 0.00000000000  1.00000000000  0.00000000000\r\n"
                             " 0.00000000000  0.00000000000  1.00000000000\r\n\r\n";
    const std::string outliers = "t40\r\nt41\r\n1 outliers\r\nt42\r\nP2  Q2 3.46\r\n\r\n";
    EXPECT_EQ(c.report, head +
                            "t28\r\nt30\r\n"
                            "P1  100.0000 200.0000 300.0000\r\n"
                            "P2  110.0000 190.0000 310.0000\r\n"
                            "P22  90.0000 220.0000 280.0000\r\n\r\n"
                            "t29\r\nt30\r\n"
                            "Q1 101.0000 201.0000 301.0000\r\n"
                            "Q2 111.0000 191.0000 311.0000\r\n"
                            "Q3  91.0000 221.0000 281.0000\r\n\r\n" +
                            outliers +
                            "t32\r\nt33\r\n"
                            "P1  Q1 0.0010 -0.0020  0.0005\r\n"
                            "P2  Q2 0.0125  0.5000 -1.0000\r\n"
                            "P22 Q3 0.0000  0.0000  0.0000\r\n\r\n" +
                            kStatistics);
    EXPECT_EQ(c.protocol, head + outliers + kStatistics);
    EXPECT_THAT(messages.hints, ElementsAre("1 outliers"));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_THAT(library.script.calls, ElementsAre("helmert", "outliers 3", "residuals", "max", "average", "rms"));
}

TEST_F(Report, MolodenskyWithOptionsOffUsesTheCommonWidth)
{
    library.script.parameters[0] = 1.5;
    library.script.parameters[1] = -12.25;
    library.script.parameters[2] = 100.0;
    calc::Options options;
    options.convention = geodesy::Convention::Molodensky;
    options.rotationMatrix = true;  // no matrix for Molodensky
    calc::Computation c = Run(Cartesian(kSourceList, "A", ""), Cartesian(kTargetList, "B", ""), options);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.report, "t69\r\nA --> B\r\n3 pairs\r\n\r\n"
                        "t70\r\nt71\r\n  1.500000 t16\r\n-12.250000 t17\r\n100.000000 t18\r\n\r\n" +
                            kStatistics);
    EXPECT_THAT(std::vector<double>(c.parameters, c.parameters + 7), ElementsAre(1.5, -12.25, 100, 0, 0, 0, 0));
    EXPECT_TRUE(messages.hints.empty());
}

TEST_F(Report, MolodenskyWithEveryOptionOnListsPackedAnglesAndTheFlattening)
{
    library.script.outlierPairs = {3};
    library.script.outlierValues = {12.5};
    library.script.residuals = {0.25, 0, 0, 0, -1.5, 0, 0, 0, 0.125};
    calc::SideInput source = Geographic("S1 83000 501500 100\r\nS2 84500 503000 110\r\nS3 90000 500000 120", 12);
    source.flatteningText = "298.257222101";
    calc::Options options = AllOn(4);
    options.cartesian = false;
    calc::Computation c = Run(source, Cartesian(kTargetList, "B", ""), options);
    ASSERT_TRUE(c.ok);
    const std::string head =
        "t69\r\nSrc --> B\r\n3 pairs\r\n\r\n"
        "t70\r\nt71\r\n 1.500000 t16\r\n-2.250000 t17\r\n 3.000000 t18\r\n\r\n"
        "t74\r\nt62: GRS 80\r\nt76: 6378137.0000000\r\nt77: 6356752.3141404\r\nt78: 298.257222101\r\n\r\n";
    const std::string outliers = "t40\r\nt41\r\n1 outliers\r\nt42\r\nS3 Q3 12.50\r\n\r\n";
    EXPECT_EQ(c.report, head +
                            "t82\r\nt84\r\n"
                            "S1 83000.00000000 501500.00000000 100.0000\r\n"
                            "S2 84500.00000000 503000.00000000 110.0000\r\n"
                            "S3 90000.00000000 500000.00000000 120.0000\r\n\r\n"
                            "t25\r\nt27\r\n"
                            "S1 8.50000000 50.25000000 100.0000\r\n"
                            "S2 8.75000000 50.50000000 110.0000\r\n"
                            "S3 9.00000000 50.00000000 120.0000\r\n\r\n" +
                            outliers +
                            "t32\r\nt33\r\n"
                            "S1 Q1 0.2500  0.0000 0.0000\r\n"
                            "S2 Q2 0.0000 -1.5000 0.0000\r\n"
                            "S3 Q3 0.0000  0.0000 0.1250\r\n\r\n" +
                            kStatistics);
    EXPECT_EQ(c.protocol, head + outliers + kStatistics);
    EXPECT_THAT(library.script.calls, ElementsAre("molodensky", "outliers 3", "residuals", "max", "average", "rms"));
}

TEST_F(Report, InverseExchangesNamesSidesAndEllipsoids)
{
    calc::Options options = AllOn(3);
    options.geographic = false;
    options.inverse = true;
    options.rotationMatrix = options.cartesian = options.residuals = false;
    calc::SideInput source = Geographic("S1 8.5 50.25 100\r\nS2 8.75 50.5 110\r\nS3 9 50 120", 4);
    calc::SideInput target = Cartesian(kTargetList, "Dst", "Ziel");
    calc::Computation c = Run(source, target, options);
    ASSERT_TRUE(c.ok);
    EXPECT_THAT(c.report, HasSubstr("t15\r\nDst --> Src\r\n"));
    EXPECT_THAT(c.report, HasSubstr("t57\r\nt24\r\n"));
    EXPECT_THAT(c.report, HasSubstr(" t58\r\n"));
    // The first ellipsoid block belongs to the cartesian side: only the second is written,
    // without a flattening line for the blank field.
    EXPECT_THAT(c.report, ::testing::Not(HasSubstr("t74")));
    EXPECT_THAT(c.report, HasSubstr("t75\r\nt62: GRS 80\r\nt76: 6378137.0000000\r\nt77: 6356752.3141404\r\n\r\n"));
    EXPECT_THAT(c.report, HasSubstr("t83\r\nt27\r\nS1 8.50000000 50.25000000 100.0000\r\n"));
    EXPECT_THAT(c.report, ::testing::Not(HasSubstr("t82")));
    // The library got the target list first.
    EXPECT_EQ(library.script.side1.at(0), 101);
    EXPECT_NE(library.script.side2.at(0), 100);
}

TEST_F(Report, GeographicSectionReplacesTheInputListOfDecimalDegrees)
{
    calc::Options options = AllOn(1);
    calc::SideInput source = Geographic("S1 8.5 50.25 100\r\nS2 8.75 50.5 110\r\nS3 9 50 120", 4);
    calc::Computation c = Run(source, source, options);
    ASSERT_TRUE(c.ok);
    EXPECT_THAT(c.report, ::testing::Not(HasSubstr("t82")));
    EXPECT_THAT(c.report, HasSubstr("t25\r\nt27\r\nS1 8.50000000 50.25000000 100.0000\r\n"));
    EXPECT_THAT(c.report, HasSubstr("t26\r\nt27\r\n"));
    EXPECT_THAT(c.report, HasSubstr("t74\r\n"));
}

TEST_F(Report, LongPointNumbersAreCutTo30Characters)
{
    const std::string longName(35, 'N');
    const std::string list = longName + " 1 2 3\r\nB 4 5 6\r\nC 7 8 9";
    calc::Options options;
    options.cartesian = true;
    calc::Computation c = Run(Cartesian(list.c_str(), "", "Q"), Cartesian(kTargetList, "", "Z"), options);
    ASSERT_TRUE(c.ok);
    EXPECT_THAT(c.report, HasSubstr(std::string(30, 'N') + " 1.0000 2.0000 3.0000\r\n"));
    EXPECT_THAT(c.report, HasSubstr("B" + std::string(29, ' ') + " 4.0000"));
    EXPECT_THAT(c.report, ::testing::Not(HasSubstr(std::string(31, 'N'))));
}

// Three Helmert pairs leave no degree of freedom to test a pair against the
// others: the report says so instead of reporting no outlier.
TEST_F(Report, TooFewPairsForTheOutlierTestAreSaidInTheReport)
{
    const char* four = "P1 100 200 300\r\nP2 110 190 310\r\nP3 90 220 280\r\nP4 95 230 270";
    const char* fourTarget = "Q1 101 201 301\r\nQ2 111 191 311\r\nQ3 91 221 281\r\nQ4 96 231 271";
    const struct {
        int convention;
        const char *source, *target;
        bool said;
    } cases[] = {{1, kSourceList, kTargetList, true},
                 {3, kSourceList, kTargetList, true},
                 {4, kSourceList, kTargetList, false},
                 {2, four, fourTarget, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.convention);
        messages = {};
        calc::Options options;
        options.convention = static_cast<geodesy::Convention>(test.convention);
        calc::Computation c = Run(Cartesian(test.source, "", "Q"), Cartesian(test.target, "", "Z"), options);
        ASSERT_TRUE(c.ok);
        const std::string section = "t40\r\nt96 3 4\r\n\r\n";
        EXPECT_EQ(c.report.find(section) != std::string::npos, test.said);
        EXPECT_EQ(c.protocol.find(section) != std::string::npos, test.said);
        EXPECT_EQ(c.report.find("t40"), c.report.find(section));
        EXPECT_TRUE(messages.hints.empty());
    }
}

TEST_F(Report, PhaseFailuresAreHintsAndKeepTheReport)
{
    struct Case {
        void (*setup)(fake::Script&);
        std::vector<std::string> hints;
        bool statistics;
    };
    const Case cases[] = {
        {[](fake::Script& s) { s.outliersOk = false; }, {"t37:\r\nlibrary says no"}, true},
        {[](fake::Script& s) {
             s.outlierPairs = {1, 3};
             s.outlierValues = {5, 4};
             s.residualsOk = false;
         },
         {"2 outliers", "t31:\r\nlibrary says no"},
         false},
        {[](fake::Script& s) { s.averageOk = false; }, {"t31:\r\nlibrary says no"}, false},
        {[](fake::Script& s) {
             s.outlierPairs = {7};
             s.outlierValues = {1};
         },
         {"t37:\r\n"},
         true},
    };
    for (const Case& test : cases) {
        fake::Library fresh;
        test.setup(fresh.script);
        Recorded recorded;
        calc::Computation c;
        calc::Options options = AllOn(2);
        calc::SideInput source = Cartesian(kSourceList, "", "Q"), target = Cartesian(kTargetList, "", "Z");
        calc::Prepare(c, source, target, options, texts, recorded);
        calc::BuildReport(c, source, target, options, texts, recorded);
        EXPECT_TRUE(c.ok);
        EXPECT_EQ(recorded.hints, test.hints);
        EXPECT_TRUE(recorded.errors.empty());
        EXPECT_EQ(c.report.find("t34") != std::string::npos, test.statistics);
        EXPECT_THAT(c.report, HasSubstr("t56\r\n"));
    }
}

struct FailureCase {
    std::string name;
    calc::SideInput source, target;
    int convention;
    void (*setup)(fake::Script&);
    std::string error;
};

class Failures : public Report, public ::testing::WithParamInterface<int> {};

std::vector<FailureCase> FailureCases()
{
    auto geo = [](const char* list, int format) { return Geographic(list, format); };
    calc::SideInput noEllipsoid = geo("1 2 3\r\n4 5 6\r\n7 8 9", 3);
    noEllipsoid.ellipsoidValid = false;
    calc::SideInput badAxes = geo("1 2 3\r\n4 5 6\r\n7 8 9", 3);
    badAxes.ellipsoid = {6356752, 6378137};
    std::string many;
    for (int i = 0; i < 1233; ++i) many += "1 2 3\r\n";
    static std::string manyBad = many + "1 2";
    const char* three = "1 2 3\r\n4 5 6\r\n7 8 9";
    auto cart = [](const char* list) {
        calc::SideInput s = Cartesian(list, "", "");
        s.format = 1;
        return s;
    };
    auto none = [](fake::Script&) {};
    return {
        {"source ellipsoid invalid", noEllipsoid, cart(three), 1, none, "t9"},
        {"source axes misordered", badAxes, cart(three), 1, none, "t9"},
        {"target ellipsoid invalid", cart(three), noEllipsoid, 1, none, "t10"},
        {"bad line in full", cart(manyBad.c_str()), cart(three), 1, none, "t8 1234 t93"},
        {"bad target line", cart(three), cart("1 2 3\r\nx 5"), 1, none, "t8 2 t94"},
        {"extra numbers", cart("1 2 3\r\n4120658.967 699532.681 4801329.4 12\r\n7 8 9"), cart(three), 1, none,
         "t91 2 t93 3"},
        {"not a number", cart("1 2 3\r\n4120658..967 699532.681 4801329.4\r\n7 8 9"), cart(three), 1, none, "t8 2 t93"},
        {"point number in a format without one", cart("1 2 3\r\nP1 4120658.967 699532.681 4801329.4\r\n7 8 9"),
         cart(three), 1, none, "t8 2 t93"},
        {"extra numbers, two per line", cart(three), geo("8 50\r\n8 30 0 50 30 20.5", 15), 1, none, "t91 2 t94 2"},
        {"value beyond the range", cart(three), geo("32500000 5000000\r\n60500000 5000000", 21), 1, none, "t92 2 t94"},
        {"too few points", cart("1 2 3\r\n\r\n4 5 6"), cart("1 2"), 1, none, "t12"},
        {"different counts", cart(three), cart("1 2 3\r\n4 5 6\r\n7 8 9\r\n1 1 1"), 1, none, "t11"},
        {"bad DMS", geo("1 2 3\r\n4 506000 6\r\n7 8 9", 11), cart(three), 1, none, "t45 2"},
        {"bad DMS target", cart(three), geo("1 2 3\r\n4 5 6\r\n7 -8006000 9", 11), 1, none, "t45 3"},
        {"bad UTM source", geo("500000 0\r\n32500000 0\r\n32500000 1", 21), cart(three), 1, none,
         "t81 1\r\nlibrary says no"},
        {"bad UTM target", cart(three), geo("32500000 0\r\n500000 0\r\n32500000 1", 21), 1, none, "t81 2"},
        {"latitude out of range", geo("1 2 3\r\n4 95 6\r\n7 8 9", 3), cart(three), 1, none, "t13 2"},
        {"Helmert fails", cart(three), cart(three), 2, [](fake::Script& s) { s.helmertOk = false; },
         "t14:\r\nlibrary says no"},
        {"Helmert fails silently", cart(three), cart(three), 3,
         [](fake::Script& s) {
             s.helmertOk = false;
             s.error.clear();
         },
         "t14"},
        {"Molodensky fails", cart(three), cart(three), 4, [](fake::Script& s) { s.molodenskyOk = false; }, "t14"},
        // A fit that mirrors the points is no transformation.
        {"negative scale factor", cart(three), cart(three), 1, [](fake::Script& s) { s.parameters[6] = -3e6; },
         "t97 -2.000000000"},
        {"zero scale factor", cart(three), cart(three), 3, [](fake::Script& s) { s.parameters[6] = -1e6; },
         "t97 0.000000000"},
    };
}

TEST_P(Failures, ShowOneErrorAndLeaveNoReport)
{
    FailureCase test = FailureCases()[GetParam()];
    test.setup(library.script);
    calc::Options options;
    options.convention = static_cast<geodesy::Convention>(test.convention);
    calc::Computation c = Run(test.source, test.target, options);
    EXPECT_FALSE(c.ok) << test.name;
    EXPECT_THAT(messages.errors, ElementsAre(test.error)) << test.name;
    EXPECT_TRUE(c.report.empty());
    EXPECT_TRUE(messages.hints.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, Failures, ::testing::Range(0, static_cast<int>(FailureCases().size())));

TEST_F(Report, TooManyPointsAndOutOfMemoryHaveTheirOwnTexts)
{
    std::string many;
    many.reserve(30001 * 8);
    for (int i = 0; i < 30001; ++i) many += "1 2 3\r\n";
    calc::Options options;
    calc::SideInput manyPoints = Cartesian(many.c_str(), "", "");
    manyPoints.format = 1;
    calc::Computation c = Run(manyPoints, Cartesian(kTargetList, "", ""), options);
    EXPECT_FALSE(c.ok);

    MemFailNext();
    calc::Computation d = Run(Cartesian(kSourceList, "", ""), Cartesian(kTargetList, "", ""), options);
    EXPECT_FALSE(d.ok);
    EXPECT_THAT(messages.errors, ElementsAre("t88 30001", "t89"));
}

TEST_F(Report, ShortListsAreShrunkToTheirPointCount)
{
    calc::Options options;
    // 3 points in 5 lines (3 < 0.75 * 5): shrunk; 3 points in 4 lines: kept.
    calc::Computation c = Run(Cartesian("a 1 2 3\r\n\r\nb 4 5 6\r\n\r\nc 7 8 9", "", ""),
                              Cartesian("a 1 2 3\r\nb 4 5 6\r\nc 7 8 9\r\n", "", ""), options);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.side1.cartesian.Count(), 9u);
    EXPECT_EQ(c.side1.geographic.Count(), 9u);
    EXPECT_EQ(c.side2.cartesian.Count(), 12u);
    EXPECT_EQ(MemSize(c.side1.cartesian.Data()), 72u);
}

TEST(Texts, FilledReplacesEveryPlaceholder)
{
    EXPECT_EQ(calc::Filled("# of #", "12"), "12 of 12");
    EXPECT_EQ(calc::Filled("# of # (#, #)", {"1", "list", "3"}), "1 of list (3, 3)");
    EXPECT_EQ(calc::Filled("# and #", std::vector<std::string>{}), " and ");
    EXPECT_EQ(calc::TextOf({"a", "b"}, 2), "b");
    EXPECT_EQ(calc::TextOf({"a"}, 5), "");
}

}  // namespace

namespace {

// The largest report the program can produce: 30,000 UTM pairs with long
// point numbers, every list of the report and an outlier for every third pair.
TEST_F(Report, TheLargestReportFitsTheResultField)
{
    std::string source, target;
    for (int i = 0; i < 30000; ++i) {
        const std::string number = std::string(24, 'N') + std::to_string(100000 + i);
        const std::string east = std::to_string(32400000 + i * 7) + ".12345678";
        const std::string north = std::to_string(5500000 + i * 3) + ".12345678";
        source += number + " " + east + " " + north + " -1234.5678\r\n";
        target += number + " " + east + " " + north + " -1234.5679\r\n";
    }
    for (std::uint32_t k = 1; k <= 10000; ++k) {
        library.script.outlierPairs.push_back(3 * k);
        library.script.outlierValues.push_back(-1234567.25);
    }
    library.script.residuals.assign(90000, -123456.789);
    calc::SideInput q = Geographic(source.c_str(), 20), z = Geographic(target.c_str(), 20);
    calc::Computation c = Run(q, z, AllOn(1));
    ASSERT_TRUE(c.ok) << messages.errors.at(0);
    EXPECT_GT(c.report.size(), 10000000u);
    EXPECT_LT(c.report.size(), static_cast<std::size_t>(kResultLimit));
}

}  // namespace

namespace {

TEST(MemRealloc2, ShrinksKeepsOrFrees)
{
    double* block = static_cast<double*>(MemAlloc(100 * 24));
    for (int i = 0; i < 300; ++i) block[i] = i;
    double* smaller = static_cast<double*>(calc::MemRealloc2(block, 74 * 24));
    ASSERT_NE(smaller, nullptr);
    EXPECT_EQ(MemSize(smaller), 74u * 24);
    for (int i = 0; i < 222; ++i) ASSERT_EQ(smaller[i], i);

    MemFailNext();
    EXPECT_EQ(calc::MemRealloc2(smaller, 10 * 24), smaller);  // no new block: the old one stays
    EXPECT_EQ(MemSize(smaller), 74u * 24);
    EXPECT_EQ(calc::MemRealloc2(smaller, 0), nullptr);

    calc::KoordPuffer buffer;
    ASSERT_TRUE(buffer.Allocate(30));
    buffer.Shrink(0);
    EXPECT_FALSE(buffer.IsAllocated());
    EXPECT_EQ(buffer.Count(), 0u);
}

}  // namespace
