#pragma once
// One computation of a transformation parameter set from two point lists:
// parse, convert to cartesian, pair, estimate (the geodesy library), then the
// outliers and residuals while the result report is built. Window-free: the
// calculation window hands in its inputs and shows what comes back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/conversions.h"
#include "calc/koordpuffer.h"
#include "platform/geodesy/orbalith32.h"

namespace calc {

// Numbered texts of the calculation window (element n - 1 is text n).
using Texts = std::vector<std::string>;

// Where the computation's messages go: errors end the computation, hints do not.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Error(const std::string& text) = 0;
    virtual void Hint(const std::string& text) = 0;
};

// The inputs of one side, as the window's controls hold them.
struct SideInput {
    std::string_view list;  // the point-list text
    int format = 1;         // 1..22
    bool ellipsoidValid = false;
    Ellipsoid ellipsoid;       // the numbers of the semi-axis fields
    std::string name;          // reference-system name field
    std::string groupCaption;  // caption of the side's group frame
    std::string ellipsoidName, semiMajorText, semiMinorText, flatteningText;
};

struct Options {
    geodesy::Convention convention = geodesy::Convention::CoordinateFrame;
    bool decimalComma = false;
    bool inverse = false;
    bool rotationMatrix = false;
    bool inputValues = false;
    bool geographic = false;
    bool cartesian = false;
    bool residuals = false;
};

// The points of one side after parsing and conversion.
struct SidePoints {
    int format = 1;
    std::vector<std::string> numbers;
    KoordPuffer geographic, cartesian, inputValues;
};

// A computation between its parameter step and its report.
struct Computation {
    bool ok = false;
    std::uint32_t n = 0;
    SidePoints side1, side2;  // after the inverse exchange
    double parameters[7] = {};
    double rotation[9] = {};
    std::string report;    // the result report (empty after a failure)
    std::string protocol;  // the protocol entry
};

// Steps up to the parameter set: a failing step shows its error and leaves
// ok false.
void Prepare(Computation& c, const SideInput& source, const SideInput& target, const Options& options,
             const Texts& texts, Messages& messages);

// The report and protocol text of a prepared computation, with the outlier
// and residual steps inside; their failures are hints.
void BuildReport(Computation& c, const SideInput& source, const SideInput& target, const Options& options,
                 const Texts& texts, Messages& messages);

// The numbered text n ("" when missing).
std::string TextOf(const Texts& texts, int n);
// The text with every "#" replaced by `fill`; with several fills the k-th
// "#" takes fill k (the last fill any further "#").
std::string Filled(const std::string& text, const std::string& fill);
std::string Filled(const std::string& text, const std::vector<std::string>& fills);

}  // namespace calc
