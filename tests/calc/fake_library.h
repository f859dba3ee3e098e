#pragma once
// A geodesy library for tests: answers set by the test, every call counted.

#include <cstdint>
#include <string>
#include <vector>

#include "calc/library.h"

namespace fake {

struct Script {
    bool helmertOk = true, molodenskyOk = true, outliersOk = true, residualsOk = true;
    bool maxOk = true, averageOk = true, rmsOk = true;
    double parameters[7] = {1.5, -2.25, 3, 0.1, -0.2, 0.3, 1.25};
    double rotation[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    std::vector<double> outlierValues;
    std::vector<std::uint32_t> outlierPairs;
    std::vector<double> residuals;  // 3 per pair; zeros when shorter
    double stats[3] = {0.0123, 0.01, 0.011};
    std::string error = "library says no";
    // What the library received.
    std::vector<double> side1, side2;
    std::vector<std::string> calls;
};

// Puts the fake in place of the library for the lifetime of the object; the
// calls it does not fake go to the real library.
class Library {
public:
    Library();
    ~Library();
    Script script;
};

}  // namespace fake
