#include <functional>

#include "tests/platform/geodesy/geodesy_fixture.h"

namespace geodesy_test {
namespace {

using Library = GeodesyTest;

TEST(Loader, NamesAMissingExport)
{
    geodesy::GeodesyLibrary lib;
    EXPECT_FALSE(lib.Load("kernel32.dll"));
    EXPECT_EQ(lib.Error(), "kernel32.dll has no function seteventloop");
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_EQ(lib.gettranshelmert, nullptr);
    EXPECT_FALSE(lib.Load("no_such_library.dll"));
    EXPECT_NE(lib.Error().find("cannot load no_such_library.dll"), std::string::npos);
}

TEST_F(Library, CatalogueIsNumberedWithoutGapsAndHasTheUserEllipsoid)
{
    const char* name = nullptr;
    std::uint16_t count = 0;
    while (lib.getellname(static_cast<std::uint16_t>(count + 1), &name) != 0) {
        ++count;
        EXPECT_STRNE(name, "");
    }
    EXPECT_GE(count, 21);
    EXPECT_STREQ(name, "") << "after the last number";
    EXPECT_NE(Message().find("no ellipsoid number"), std::string::npos);

    struct Case {
        std::uint16_t number;
        const char* name;
        double a;
        double inverseFlattening;
    };
    const Case cases[] = {{1, "WGS 84", 6378137.0, 298.257223563},
                          {2, "GRS 1980", 6378137.0, 298.257222101},
                          {4, "Bessel 1841", 6377397.155, 299.1528128},
                          {8, "Clarke 1866", 6378206.4, 6378206.4 / (6378206.4 - 6356583.8)},
                          {10, "Clarke 1880 (IGN)", 6378249.2, 6378249.2 / (6378249.2 - 6356515.0)},
                          {1000, "User-defined ellipsoid", 6378137.0, 298.257222101}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(lib.getellname(c.number, &name), 0);
        EXPECT_STREQ(name, c.name);
        for (auto get : {lib.getellsource, lib.getelltarget}) {
            double a = 0, b = 0;
            ASSERT_NE(get(c.number, &a, &b), 0);
            EXPECT_DOUBLE_EQ(a, c.a);
            EXPECT_NEAR(a / (a - b), c.inverseFlattening, 1e-6);
        }
    }
}

TEST_F(Library, UserEllipsoidIsOnePerSide)
{
    ASSERT_NE(lib.setuserellsource(1000, 6377397.155, 6356078.963), 0);
    double a = 0, b = 0;
    ASSERT_NE(lib.getellsource(1000, &a, &b), 0);
    EXPECT_EQ(a, 6377397.155);
    EXPECT_EQ(b, 6356078.963);
    ASSERT_NE(lib.getelltarget(1000, &a, &b), 0);
    EXPECT_EQ(a, 6378137.0) << "the target side keeps GRS 1980";
    ASSERT_NE(lib.setuserelltarget(1000, 6378388.0, 6356911.946), 0);
    ASSERT_NE(lib.getelltarget(1000, &a, &b), 0);
    EXPECT_EQ(b, 6356911.946);
}

TEST_F(Library, GermanNamesAndMessagesAfterSetLanguage)
{
    const char* name = nullptr;
    ASSERT_NE(lib.setlanguage(1), 0);
    ASSERT_NE(lib.getellname(6, &name), 0);
    EXPECT_STREQ(name, "Krassowski 1940");
    ASSERT_NE(lib.getellname(1000, &name), 0);
    EXPECT_STREQ(name, "Benutzerdefiniertes Ellipsoid");
    double p[7];
    const double points[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(lib.gettransmolodensky(points, points, 2, p), 0);
    EXPECT_EQ(Message(), "Es werden mindestens 3 Punktpaare ben\xF6tigt; \xFC"
                         "bergeben wurden 2.");
    ASSERT_NE(lib.setlanguage(2), 0);
    ASSERT_NE(lib.getellname(6, &name), 0);
    EXPECT_STREQ(name, "Krassowsky 1940");
}

// Every failing call returns FALSE and leaves a message naming the fault.
TEST_F(Library, BadInputIsRefusedWithAMessage)
{
    std::vector<double> source = RegionPoints(4);
    std::vector<double> target = source;
    const double* s = source.data();
    const double* t = target.data();
    double p[7] = {0, 0, 0, 0, 0, 0, 0}, matrix[9], residuals[12], value;
    double values[3];
    std::uint32_t pairs[3];
    std::uint32_t count = 0;
    std::vector<double> equal(12, 6378137.0);
    std::vector<double> line;
    for (int i = 0; i < 4; ++i)
        line.insert(line.end(), {4000000.0 + 100.0 * i, 600000.0 + 20.0 * i, 4900000.0 - 50.0 * i});
    std::vector<double> withNaN = source;
    withNaN[4] = std::nan("");
    const double nanParameters[7] = {0, 0, 0, 0, std::nan(""), 0, 0};
    const double infiniteResidual[3] = {0, HUGE_VAL, 0};
    const char* text;
    double a, b;

    struct Case {
        const char* what;
        std::function<geodesy::Logic()> call;
        const char* message;
    };
    const Case cases[] = {
        {"two pairs", [&] { return lib.gettranshelmert(s, t, 2, 1, p, matrix); }, "At least 3 point pairs"},
        {"no pairs", [&] { return lib.gettransmolodensky(s, t, 0, p); }, "At least 3 point pairs"},
        {"NaN", [&] { return lib.gettranshelmert(withNaN.data(), t, 4, 2, p, matrix); },
         "Pair 2: the source coordinate Y is not a finite number"},
        {"NaN target", [&] { return lib.gettransmolodensky(s, withNaN.data(), 4, p); },
         "Pair 2: the target coordinate Y is not a finite number"},
        {"equal points", [&] { return lib.gettranshelmert(equal.data(), t, 4, 1, p, matrix); },
         "The source points coincide"},
        {"collinear", [&] { return lib.gettranshelmert(s, line.data(), 4, 3, p, matrix); },
         "The target points lie on a straight line"},
        {"convention 0", [&] { return lib.gettranshelmert(s, t, 4, 0, p, matrix); }, "convention 0 is unknown"},
        {"convention 4", [&] { return lib.gettranshelmert(s, t, 4, 4, p, matrix); }, "convention 4 is unknown"},
        {"residual convention 5", [&] { return lib.gettransresiduals(s, t, residuals, 4, 5, p); },
         "convention 5 is unknown"},
        {"null source", [&] { return lib.gettranshelmert(nullptr, t, 4, 1, p, matrix); }, "source is a null pointer"},
        {"null target", [&] { return lib.gettransmolodensky(s, nullptr, 4, p); }, "target is a null pointer"},
        {"null parameters", [&] { return lib.gettranshelmert(s, t, 4, 1, nullptr, matrix); },
         "parameters is a null pointer"},
        {"null matrix", [&] { return lib.gettranshelmert(s, t, 4, 1, p, nullptr); }, "matrix is a null pointer"},
        {"null residuals", [&] { return lib.gettransresiduals(s, t, nullptr, 4, 1, p); },
         "residuals is a null pointer"},
        {"NaN parameter", [&] { return lib.gettransresiduals(s, t, residuals, 4, 1, nanParameters); },
         "ry (nan) is not a finite number"},
        {"null values", [&] { return lib.gettransoutliers(s, t, 4, nullptr, pairs, 3, &count, 0.0); },
         "values is a null pointer"},
        {"null pairs", [&] { return lib.gettransoutliers(s, t, 4, values, nullptr, 3, &count, 0.0); },
         "pairs is a null pointer"},
        {"null count", [&] { return lib.gettransoutliers(s, t, 4, values, pairs, 3, nullptr, 0.0); },
         "count is a null pointer"},
        {"NaN limit",
         [&] {
             lib.gettransmolodensky(s, t, 4, p);
             return lib.gettransoutliers(s, t, 4, values, pairs, 3, &count, std::nan(""));
         },
         "limit (nan) is not a finite number"},
        {"statistic of none", [&] { return lib.gettransresidualrms(residuals, 0, &value); }, "no residuals"},
        {"statistic of infinity", [&] { return lib.gettransresidualmax(infiniteResidual, 1, &value); },
         "residual of pair 1 is not a finite number"},
        {"null result", [&] { return lib.gettransresidualaverage(residuals, 4, nullptr); }, "result is a null pointer"},
        {"ellipsoid 0", [&] { return lib.getellsource(0, &a, &b); }, "no ellipsoid number 0"},
        {"null semi-axis", [&] { return lib.getelltarget(1, &a, nullptr); }, "b is a null pointer"},
        {"user ellipsoid number", [&] { return lib.setuserellsource(5, 6378137.0, 6356752.0); }, "not number 5"},
        {"b above a", [&] { return lib.setuserelltarget(1000, 6356752.0, 6378137.0); }, "define no ellipsoid"},
        {"NaN semi-axis", [&] { return lib.setuserellsource(1000, std::nan(""), 6356752.0); },
         "a (nan) is not a finite number"},
        {"reference system", [&] { return lib.setuserrefsys(1, 0, 0, HUGE_VAL, 0, 0, 0, 0); },
         "tz (inf) is not a finite number"},
        {"null name", [&] { return lib.getellname(1, nullptr); }, "name is a null pointer"},
        {"null version", [&] { return lib.getdllversion(nullptr); }, "text is a null pointer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(), 0);
        EXPECT_NE(Message().find(c.message), std::string::npos) << Message();
    }
    EXPECT_EQ(lib.geterrorcode(nullptr), 0);
    EXPECT_NE(lib.geterrorcode(&text), 0) << "the message survives a refused geterrorcode";
    EXPECT_STRNE(text, "");
}

TEST_F(Library, SuccessClearsTheMessage)
{
    const char* text = nullptr;
    EXPECT_EQ(lib.getellname(99, &text), 0);
    EXPECT_NE(Message(), "");
    EXPECT_NE(lib.getellname(1, &text), 0);
    EXPECT_EQ(Message(), "");
}

TEST_F(Library, VersionDisclaimerAndSwitches)
{
    const char* text = nullptr;
    ASSERT_NE(lib.getdllversion(&text), 0);
    EXPECT_STRNE(text, "");
    ASSERT_NE(lib.getdisclaimer(&text), 0);
    const std::string disclaimer = text;
    EXPECT_GE(std::count(disclaimer.begin(), disclaimer.end(), '\n'), 2);
    for (std::size_t i = disclaimer.find('\n'); i != std::string::npos; i = disclaimer.find('\n', i + 1))
        EXPECT_EQ(disclaimer[i - 1], '\r');
    EXPECT_NE(lib.setmultithreading(0), 0);
    EXPECT_NE(lib.setstaticuse(1), 0);
    EXPECT_NE(lib.setstringallocate(1), 0);
}

// Counts the messages that reach a hidden window.
class MessageCounter {
public:
    MessageCounter()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "GeodesyMessageCounter";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "GeodesyMessageCounter", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
        count = 0;
    }
    ~MessageCounter() { DestroyWindow(window_); }
    void Post() { PostMessageA(window_, WM_APP, 0, 0); }

    static inline int count = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l)
    {
        if (message == WM_APP) ++count;
        return DefWindowProcA(window, message, w, l);
    }
    HWND window_;
};

TEST_F(Library, EventLoopDispatchesWaitingMessagesDuringLongAdjustments)
{
    const std::vector<double> source = RegionPoints(20000);
    const double shift[7] = {1, 2, 3, 0.1, 0.2, 0.3, 0.4};
    const std::vector<double> target = TransformAll(1, shift, source);
    double p[7], matrix[9];
    MessageCounter counter;
    for (std::uint32_t on : {0u, 1u}) {
        SCOPED_TRACE(on);
        lib.seteventloop(on);
        MessageCounter::count = 0;
        counter.Post();
        ASSERT_NE(lib.gettranshelmert(source.data(), target.data(), 20000, 1, p, matrix), 0) << Message();
        EXPECT_EQ(MessageCounter::count, on == 1 ? 1 : 0);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    // Short loops leave the messages to the program.
    MessageCounter::count = 0;
    counter.Post();
    ASSERT_NE(lib.gettranshelmert(source.data(), target.data(), 100, 1, p, matrix), 0);
    EXPECT_EQ(MessageCounter::count, 0);
    lib.seteventloop(0);
}

}  // namespace
}  // namespace geodesy_test
