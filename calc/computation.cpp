#include "calc/computation.h"

#include <algorithm>

#include "calc/formats.h"
#include "calc/library.h"
#include "calc/parser.h"
#include "calc/texts.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace calc {

std::string TextOf(const Texts& texts, int n)
{
    return n >= 1 && static_cast<std::size_t>(n) <= texts.size() ? texts[n - 1] : std::string();
}

std::string Filled(const std::string& text, const std::string& fill)
{
    return Filled(text, std::vector<std::string>{fill});
}

std::string Filled(const std::string& text, const std::vector<std::string>& fills)
{
    std::string result;
    std::size_t next = 0;
    for (char ch : text) {
        if (ch != '#') {
            result += ch;
        } else if (!fills.empty()) {
            result += fills[std::min(next, fills.size() - 1)];
            ++next;
        }
    }
    return result;
}

namespace {

// Reads, checks and converts one side; false after a shown error.
class SideReader {
public:
    SideReader(const Texts& texts, Messages& messages) : texts_(texts), messages_(messages) {}

    // ellipsoidText: the side's text for an invalid ellipsoid; listText: the
    // side's list name in the messages of a bad line.
    bool Read(const SideInput& in, int ellipsoidText, int listText, SidePoints& side)
    {
        side.format = in.format;
        if (NeedsEllipsoid(in.format) && !(in.ellipsoidValid && IsUsableEllipsoid(in.ellipsoid)))
            return Fail(TextOf(texts_, ellipsoidText));
        const std::vector<std::string_view> lines = SplitLines(in.list);
        const std::uint32_t capacity = static_cast<std::uint32_t>(std::min<std::size_t>(lines.size(), kMaxPoints));
        const FormatClass cls = ClassOfFormat(in.format);
        if (!side.cartesian.Allocate(3 * capacity) || !side.geographic.Allocate(3 * capacity) ||
            ((cls == FormatClass::Dms || cls == FormatClass::Utm) && !side.inputValues.Allocate(3 * capacity)))
            return Fail(TextOf(texts_, kTextOutOfMemory));
        ParseTarget target{side.geographic.Data(), side.cartesian.Data(), side.inputValues.Data(), capacity};
        ParseResult parsed = ParsePointList(lines, in.format, decimalComma, target, side.numbers);
        if (parsed.status == ParseStatus::BadLine) return Fail(BadLineMessage(in, parsed, listText));
        if (parsed.status == ParseStatus::TooManyPoints)
            return Fail(Filled(TextOf(texts_, kTextTooManyPoints), std::to_string(parsed.badLine)));
        count = parsed.count;
        return true;
    }

    bool Convert(const SideInput& in, SidePoints& side, bool withLibraryMessage)
    {
        std::uint32_t bad = 0;
        const std::uint32_t n = static_cast<std::uint32_t>(side.numbers.size());
        switch (ClassOfFormat(in.format)) {
        case FormatClass::Cartesian: return true;
        case FormatClass::Dms:
            if (!Gms2G(side.inputValues.Data(), side.geographic.Data(), n, bad))
                return Fail(TextOf(texts_, kTextBadMinutes) + " " + std::to_string(bad));
            break;
        case FormatClass::Utm: {
            std::string message;
            if (!Utm2G(side.inputValues.Data(), side.geographic.Data(), in.ellipsoid, n, bad, message))
                return Fail(TextOf(texts_, kTextUtmNotConverted) + " " + std::to_string(bad) +
                            (withLibraryMessage ? "\r\n" + message : std::string()));
            break;
        }
        case FormatClass::Geographic: break;
        }
        if (!Blh2Kat(side.geographic.Data(), side.cartesian.Data(), in.ellipsoid, n, bad))
            return Fail(TextOf(texts_, kTextAngleOutOfRange) + " " + std::to_string(bad));
        return true;
    }

    bool decimalComma = false;
    std::uint32_t count = 0;

private:
    std::string BadLineMessage(const SideInput& in, const ParseResult& parsed, int listText) const
    {
        const std::string line = std::to_string(parsed.badLine), list = TextOf(texts_, listText);
        switch (parsed.fault) {
        case LineFault::ExtraNumbers:
            return Filled(TextOf(texts_, kTextExtraNumbers),
                          {line, list, std::to_string(FormatOf(in.format).withHeight ? 3 : 2)});
        case LineFault::OutOfRange: return Filled(TextOf(texts_, kTextValueOutOfRange), {line, list});
        default: return Filled(TextOf(texts_, kTextBadLine), {line, list});
        }
    }

    bool Fail(const std::string& text)
    {
        messages_.Error(text);
        return false;
    }

    const Texts& texts_;
    Messages& messages_;
};

// Gives back what a short list does not need.
void ShrinkSide(SidePoints& side, std::uint32_t n, std::size_t capacityValues)
{
    if (n >= 0.75 * static_cast<double>(capacityValues / 3)) return;
    side.numbers.resize(n);
    side.numbers.shrink_to_fit();
    side.cartesian.Shrink(3 * n);
    side.geographic.Shrink(3 * n);
    side.inputValues.Shrink(3 * n);
}

void Swap(SidePoints& a, SidePoints& b)
{
    std::swap(a.format, b.format);
    a.numbers.swap(b.numbers);
    a.geographic.Swap(b.geographic);
    a.cartesian.Swap(b.cartesian);
    a.inputValues.Swap(b.inputValues);
}

bool ComputeParameters(Computation& c, const Options& options, const Texts& texts, Messages& messages)
{
    const geodesy::GeodesyFunctions& library = Library();
    std::string message;
    bool ok;
    if (options.convention == geodesy::Convention::Molodensky) {
        ok = library.gettransmolodensky(c.side1.cartesian.Data(), c.side2.cartesian.Data(), c.n, c.parameters);
        if (ok) std::fill(c.parameters + 3, c.parameters + 7, 0.0);
    } else {
        ok = library.gettranshelmert(c.side1.cartesian.Data(), c.side2.cartesian.Data(), c.n,
                                     static_cast<std::uint16_t>(options.convention), c.parameters, c.rotation);
        if (!ok) message = LibraryMessage();
    }
    if (!ok) {
        messages.Error(message.empty() ? TextOf(texts, kTextNoParameters)
                                       : TextOf(texts, kTextNoParameters) + ":\r\n" + message);
        return false;
    }
    // A scale factor 1 + m that is not positive mirrors the points through
    // their centre: the best fit of lists that do not describe the same
    // points (local east/north coordinates against geocentric ones), never a
    // datum transformation. The test is on m itself: 1 + m * 1e-6 in the
    // 32-bit program's extended precision is not 0 for m = -1e6.
    const double scaleChange = c.parameters[6];
    if (!(scaleChange > -1e6)) {
        const double scaleFactor = 1.0 + scaleChange * 1e-6;
        messages.Error(Filled(TextOf(texts, kTextScaleNotPositive), LTrim(Str(scaleFactor, 20, 9))));
        return false;
    }
    return true;
}

}  // namespace

void Prepare(Computation& c, const SideInput& source, const SideInput& target, const Options& options,
             const Texts& texts, Messages& messages)
{
    c.ok = false;
    SideReader reader(texts, messages);
    reader.decimalComma = options.decimalComma;
    if (!reader.Read(source, kTextSourceEllipsoid, kTextSourceList, c.side1)) return;
    const std::uint32_t sourceCount = reader.count;
    if (sourceCount < 3) return messages.Error(TextOf(texts, kTextTooFewPoints));
    if (!reader.Convert(source, c.side1, true)) return;
    if (!reader.Read(target, kTextTargetEllipsoid, kTextTargetList, c.side2)) return;
    if (reader.count != sourceCount) return messages.Error(TextOf(texts, kTextCountsDiffer));
    c.n = sourceCount;
    ShrinkSide(c.side1, c.n, c.side1.cartesian.Count());
    ShrinkSide(c.side2, c.n, c.side2.cartesian.Count());
    if (!reader.Convert(target, c.side2, false)) return;
    if (options.inverse) Swap(c.side1, c.side2);
    c.ok = ComputeParameters(c, options, texts, messages);
}

}  // namespace calc
