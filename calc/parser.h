#pragma once
// Point-list parser: one point per line in one of the 22 formats.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// At most this many points per list.
constexpr std::uint32_t kMaxPoints = 30000;

// At most this many characters per list (the list field's limit).
constexpr std::size_t kMaxListCharacters = 3000000;

// Largest magnitude a coordinate value may have.
constexpr double kMaxValue = 60000000.0;

// The lines of a list text as a multi-line edit shows them: separated by
// CR LF only (a lone LF ends no line there, so it ends none here, and the
// line numbers of messages are the ones the user sees); a text ending with a
// line end has an empty last line, an empty text one empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The numbers of a text, at most `limit` of them. Numbers are separated by
// white space, ";" or ","; each is written as Val reads it: an optional sign,
// digits with at most one point, an optional exponent ("1.5E-3"). A sign
// directly after a number starts the next one ("10-5" is 10 and -5).
// Anything else that touches a number ("12.5m", "1..5", "1e", a lone sign)
// makes the text malformed. A blank text holds no number.
struct Tokens {
    std::vector<double> values;
    bool malformed = false;
};
Tokens Tokenise(std::string_view text, std::size_t limit = 3);

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
    Malformed,     // a text that is not one number where a number stands
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
// point numbers into `numbers` (resized to the count read). In the formats
// with point number the line's first word (up to white space, ";" or a
// comma that is no decimal comma) is the point number, kept as written.
// Lines that hold no digit are skipped, and only they: a point number
// without the values behind it is refused. A line with fewer or
// more numbers than its format takes is refused: a number too many is never
// dropped, since it shifts the columns (a point number in a format without
// one, a thousands separator, an angle written as separate degrees, minutes
// and seconds); so is a line with anything but numbers after the point
// number. Calls VoEventLoop once per line.
ParseResult ParsePointList(const std::vector<std::string_view>& lines, int format, bool decimalComma,
                           const ParseTarget& target, std::vector<std::string>& numbers);

}  // namespace calc
