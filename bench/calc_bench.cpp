// The whole computation for 30,000 cartesian pairs with every output option
// in the real calculation window, phase by phase, against the floor: the
// time the window's edit controls alone need to take the two lists and the
// report. Run under Wine with a display:
//   WINEPREFIX=$build/wineprefix WINEPATH=Z:$build/meridoxa wine $build/bench/calc_bench.exe

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "app/calcwindow/calcwindow.h"
#include "bench/calcwindow_setup.h"
#include "calc/computation.h"
#include "calc/library.h"
#include "calc/parser.h"
#include "calc/pump.h"
#include "platform/framework/appwindow.h"

namespace {

constexpr int kPairs = 30000;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Points on a block of about 20 km, and the same points moved by a small
// Helmert transformation with a little noise.
void MakeLists(std::string& source, std::string& target)
{
    std::ostringstream s, t;
    s.setf(std::ios::fixed);
    t.setf(std::ios::fixed);
    s.precision(4);
    t.precision(4);
    unsigned seed = 12345;
    auto noise = [&] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 8) % 2001 - 1000) * 1e-6;
    };
    for (int i = 0; i < kPairs; ++i) {
        const double x = 4157222.0 + (i % 173) * 117.3, y = 664789.0 + (i / 173) * 113.9,
                     z = 4774952.0 + (i % 97) * 9.1;
        s << "P" << i + 1 << ' ' << x << ' ' << y << ' ' << z << "\r\n";
        const double k = 1 + 4e-6, r = 2e-6;
        t << "P" << i + 1 << ' ' << 101.5 + k * (x - r * y) + noise() << ' ' << -42.25 + k * (y + r * x) + noise()
          << ' ' << 230.75 + k * z + noise() << "\r\n";
    }
    source = s.str();
    target = t.str();
}

class Timer {
public:
    void Phase(const char* name, double seconds) { std::printf("  %-38s %8.3f s\n", name, seconds); }
};

}  // namespace

int main()
{
    CalcWindowSetup setup;
    auto frame = std::make_unique<TopAppWindow>();
    auto window = std::make_unique<dtaCalcPar>(frame.get());
    frame->Show();
    window->Show();
    auto* listQ = static_cast<MultiLineEdit*>(window->GetControl("KOORDLISTQ"));
    auto* listZ = static_cast<MultiLineEdit*>(window->GetControl("KOORDLISTZ"));
    auto* result = static_cast<MultiLineEdit*>(window->GetControl("HELMERTPAR"));
    for (const char* option : {"CHECKROTOUT", "CHECKORGOUT", "CHECKGEOOUT", "CHECKKARTOUT", "CHECKKLAFOUT"})
        static_cast<CheckBox*>(window->GetControl(option))->SetChecked(true);
    for (const char* format : {"COMFORMQ", "COMFORMZ"}) static_cast<ComboBox*>(window->GetControl(format))->SetValue(2);

    std::string source, target;
    MakeLists(source, target);
    Timer timer;
    std::printf("calc_bench: %d cartesian pairs, every output option on\n", kPairs);

    // The phases on their own, outside the window.
    auto t0 = std::chrono::steady_clock::now();
    std::vector<double> bufQ(3 * kPairs), bufZ(3 * kPairs), geo(3 * kPairs);
    std::vector<std::string> numbers;
    calc::ParsePointList(calc::SplitLines(source), 2, false, {geo.data(), bufQ.data(), nullptr, kPairs}, numbers);
    calc::ParsePointList(calc::SplitLines(target), 2, false, {geo.data(), bufZ.data(), nullptr, kPairs}, numbers);
    timer.Phase("parse both lists", Seconds(t0));
    t0 = std::chrono::steady_clock::now();
    std::uint32_t bad = 0;
    for (int i = 0; i < kPairs; ++i) {
        geo[3 * i] = 8 + i * 1e-5;
        geo[3 * i + 1] = 50 + i * 1e-5;
    }
    calc::Blh2Kat(geo.data(), bufQ.data(), {6378137, 6356752.314140356}, kPairs, bad);
    timer.Phase("convert one geographic list", Seconds(t0));
    MakeLists(source, target);
    calc::ParsePointList(calc::SplitLines(source), 2, false, {geo.data(), bufQ.data(), nullptr, kPairs}, numbers);
    const auto& library = calc::Library();
    double parameters[7], rotation[9];
    t0 = std::chrono::steady_clock::now();
    library.gettranshelmert(bufQ.data(), bufZ.data(), kPairs, 1, parameters, rotation);
    timer.Phase("estimate (Helmert)", Seconds(t0));
    std::vector<double> values(kPairs / 3);
    std::vector<std::uint32_t> indices(kPairs / 3);
    std::uint32_t count = 0;
    t0 = std::chrono::steady_clock::now();
    library.gettransoutliers(bufQ.data(), bufZ.data(), kPairs, values.data(), indices.data(), kPairs / 3, &count, 0);
    timer.Phase("outliers", Seconds(t0));
    std::vector<double> residuals(3 * kPairs);
    t0 = std::chrono::steady_clock::now();
    library.gettransresiduals(bufQ.data(), bufZ.data(), residuals.data(), kPairs, 1, parameters);
    timer.Phase("residuals", Seconds(t0));

    // The whole computation in the window.
    t0 = std::chrono::steady_clock::now();
    listQ->SetTextValue(source);
    listZ->SetTextValue(target);
    window->ButBerechnen();
    const double whole = Seconds(t0);
    const std::string report = result->TextValue();
    std::printf("  report: %zu characters, result %s\n", report.size(), window->lErgebnis ? "ok" : "FAILED");

    // The report built again outside the window, to split the window's time.
    calc::SideInput in1, in2;
    in1.list = source;
    in1.format = 2;
    in2.list = target;
    in2.format = 2;
    calc::Options options;
    options.rotationMatrix = options.inputValues = options.geographic = options.cartesian = options.residuals = true;
    struct Quiet : calc::Messages {
        void Error(const std::string&) override {}
        void Hint(const std::string&) override {}
    } quiet;
    calc::Computation c;
    t0 = std::chrono::steady_clock::now();
    calc::Prepare(c, in1, in2, options, window->SprachTexte(), quiet);
    timer.Phase("parse, convert, estimate", Seconds(t0));
    t0 = std::chrono::steady_clock::now();
    calc::BuildReport(c, in1, in2, options, window->SprachTexte(), quiet);
    timer.Phase("outliers, residuals and report text", Seconds(t0));
    {
        calc::Computation again;
        calc::Prepare(again, in1, in2, options, window->SprachTexte(), quiet);
        const calc::MessageDispatcher pump = calc::SetMessageDispatcher([] {});
        t0 = std::chrono::steady_clock::now();
        calc::BuildReport(again, in1, in2, options, window->SprachTexte(), quiet);
        timer.Phase("the same without dispatching messages", Seconds(t0));
        calc::SetMessageDispatcher(pump);
    }

    // The floor: the edit controls alone take the same texts.
    t0 = std::chrono::steady_clock::now();
    listQ->SetTextValue(source);
    listZ->SetTextValue(target);
    const double lists = Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    result->SetTextValue(report);
    const double reportText = Seconds(t0);
    timer.Phase("floor: both lists into their fields", lists);
    timer.Phase("floor: report into the result field", reportText);
    const double floor = lists + reportText;
    timer.Phase("whole: lists in, computation in the window", whole);
    std::printf("  ratio whole / floor: %.2f (target 1.30)\n", whole / floor);

    window->Destroy();
    window.reset();
    frame.reset();
    return 0;
}
