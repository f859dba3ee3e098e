#pragma once
// Point-list parser: one point per line in one of the 22 formats.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// At most this many points per list.
constexpr std::uint32_t kMaxPoints = 30000;

// Largest magnitude a coordinate value may have.
constexpr double kMaxValue = 60000000.0;

// The lines of a list text as a multi-line edit shows them: separated by
// CR LF only (a lone LF ends no line there, so it ends none here, and the
// line numbers of messages are the ones the user sees); a text ending with a
// line end has an empty last line, an empty text one empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The numbers of a text, at most `limit` of them. A number starts with a
// digit or a sign and goes on with digits and points, optionally followed by
// an exponent ("1.5E-3"); a sign directly after a number starts the next one.
// A sign without any digit is no number.
std::vector<double> Tokenise(std::string_view text, std::size_t limit = 3);

enum class ParseStatus {
    Ok,            // every line usable (also when no line held a point)
    BadLine,       // the reported line does not fit the format
    TooManyPoints  // more lines hold points than the capacity allows
};

struct ParseTarget {
    double* geographic = nullptr;   // formats 3-10
    double* cartesian = nullptr;    // formats 1-2
    double* inputValues = nullptr;  // formats 11-22
    std::uint32_t capacity = 0;     // points the buffers hold
};

// Why a line does not fit its format.
enum class LineFault {
    None,
    Layout,        // fewer numbers than the format takes
    ExtraNumbers,  // more numbers than the format takes
    OutOfRange     // a value beyond kMaxValue
};

struct ParseResult {
    ParseStatus status = ParseStatus::Ok;
    std::uint32_t count = 0;            // points stored; 0 after a failure
    std::uint32_t badLine = 0;          // 1-based line number of the failure, else 0
    LineFault fault = LineFault::None;  // with BadLine: why
};

// Reads the lines in the given format into the buffer of its class and the
// point numbers into `numbers` (resized to the count read). Lines that are
// empty or hold no number are skipped. A line with fewer or more numbers than
// its format takes is refused: a number too many is never dropped, since it
// shifts the columns (a point number in a format without one, a thousands
// separator, an angle written as separate degrees, minutes and seconds).
// Calls VoEventLoop once per line.
ParseResult ParsePointList(const std::vector<std::string_view>& lines, int format, bool decimalComma,
                           const ParseTarget& target, std::vector<std::string>& numbers);

}  // namespace calc
