// The result report and the protocol entry of a computation, with the
// outlier and residual steps that run between its sections.

#include <algorithm>
#include <array>

#include "calc/computation.h"
#include "calc/formats.h"
#include "calc/library.h"
#include "calc/pump.h"
#include "calc/texts.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace calc {

namespace {

constexpr std::size_t kNumberWidth = 30;  // point numbers are cut to this

std::string Count(std::uint32_t n)
{
    return LTrim(Str(n, 7, 0));
}

// A column of numbers right-aligned to its longest value: each value is
// formatted once at the column's base width, then padded to the common width.
struct Column {
    std::vector<std::string> texts;
    std::size_t width = 0;
    // Appends value k, right-aligned.
    void Append(std::string& out, std::size_t k) const
    {
        out.append(width - texts[k].size(), ' ');
        out += texts[k];
    }
};

Column MeasureColumn(const double* values, std::uint32_t n, int baseWidth, int decimals, bool pump = true)
{
    Column column;
    column.texts.reserve(n);
    for (std::uint32_t k = 0; k < n; ++k) {
        if (pump) VoEventLoop();
        column.texts.push_back(LTrim(Str(values[k], baseWidth, decimals)));
        column.width = std::max(column.width, column.texts.back().size());
    }
    return column;
}

// The three columns of a list of triples, measured in one pass over the points.
std::array<Column, 3> MeasureTriples(const double* values, std::uint32_t n, int base12, int decimals12, int base3,
                                     int decimals3)
{
    std::array<Column, 3> columns;
    for (Column& column : columns) column.texts.reserve(n);
    for (std::uint32_t k = 0; k < n; ++k) {
        VoEventLoop();
        for (std::size_t i = 0; i < 3; ++i) {
            Column& column = columns[i];
            column.texts.push_back(
                LTrim(Str(values[3 * k + i], i < 2 ? base12 : base3, i < 2 ? decimals12 : decimals3)));
            column.width = std::max(column.width, column.texts.back().size());
        }
    }
    return columns;
}

class ReportWriter {
public:
    ReportWriter(Computation& c, const SideInput& source, const SideInput& target, const Options& options,
                 const Texts& texts, Messages& messages)
        : c_(c),
          source_(source),
          target_(target),
          options_(options),
          texts_(texts),
          messages_(messages)
    {
    }

    void Write()
    {
        Head();
        Parameters();
        RotationMatrix();
        Ellipsoids();
        c_.protocol = out_;
        CutPointNumbers();
        InputValues();
        GeographicLists();
        CartesianLists();
        Outliers();
        Residuals();
        c_.report = std::move(out_);
    }

private:
    std::string T(int n) const { return TextOf(texts_, n); }
    void Line(const std::string& s)
    {
        out_ += s;
        out_ += "\r\n";
    }
    void Empty() { out_ += "\r\n"; }

    bool Molodensky() const { return options_.convention == geodesy::Convention::Molodensky; }
    int ConventionName() const
    {
        switch (options_.convention) {
        case geodesy::Convention::CoordinateFrame: return kTextCoordinateFrame;
        case geodesy::Convention::PositionVector: return kTextPositionVector;
        case geodesy::Convention::Iso19111: return kTextIso19111;
        case geodesy::Convention::Molodensky: break;
        }
        return kTextMolodensky;
    }

    const SideInput& Input1() const { return options_.inverse ? target_ : source_; }
    const SideInput& Input2() const { return options_.inverse ? source_ : target_; }

    void Head()
    {
        Line(T(Molodensky() ? kTextMolodenskyTitle : kTextHelmertTitle));
        std::string name1 = AllTrim(Input1().name), name2 = AllTrim(Input2().name);
        if (name1.empty()) name1 = source_.groupCaption;
        if (name2.empty()) name2 = target_.groupCaption;
        Line(name1 + " --> " + name2);
        Line(Filled(T(kTextIdenticalPoints), Count(c_.n)));
        Empty();
    }

    void Parameters()
    {
        using geodesy::Convention;
        const Convention convention = options_.convention;
        Line(T(ConventionName()));
        Line(T(Molodensky() ? kTextTranslationsFirstToSecond : kTextParametersFirstToSecond));
        struct Row {
            int base, decimals, label;
        };
        std::vector<Row> rows{
            {17, 6, kTextTranslationX}, {17, 6, kTextTranslationX + 1}, {17, 6, kTextTranslationX + 2}};
        if (convention == Convention::CoordinateFrame || convention == Convention::PositionVector)
            rows.insert(rows.end(),
                        {{19, 8, kTextRotationX}, {19, 8, kTextRotationX + 1}, {19, 8, kTextRotationX + 2}});
        if (convention == Convention::Iso19111)
            rows.insert(
                rows.end(),
                {{18, 7, kTextRotationTermX}, {18, 7, kTextRotationTermX + 1}, {18, 7, kTextRotationTermX + 2}});
        if (!Molodensky()) rows.push_back({18, 7, kTextScale});
        int width = 0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            width =
                std::max(width, static_cast<int>(LTrim(Str(c_.parameters[i], rows[i].base, rows[i].decimals)).size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            Line(Str(c_.parameters[i], width, rows[i].decimals) + " " + T(rows[i].label));
        Empty();
    }

    void RotationMatrix()
    {
        if (!options_.rotationMatrix || Molodensky()) return;
        Line(T(ConventionName()));
        Line(T(kTextRotationMatrix));
        for (int row = 0; row < 3; ++row) {
            const double* r = c_.rotation + 3 * row;
            Line(Str(r[0], 14, 11) + " " + Str(r[1], 14, 11) + " " + Str(r[2], 14, 11));
        }
        Empty();
    }

    void Ellipsoids()
    {
        std::size_t width = 0;
        for (int n : {kTextEllipsoid, kTextSemiMajor, kTextSemiMinor, kTextInverseFlattening})
            width = std::max(width, T(n).size());
        width += 2;
        auto block = [&](int heading, const SideInput& in) {
            Line(T(heading));
            Line(PadR(T(kTextEllipsoid) + ":", width) + in.ellipsoidName);
            Line(PadR(T(kTextSemiMajor) + ":", width) + in.semiMajorText);
            Line(PadR(T(kTextSemiMinor) + ":", width) + in.semiMinorText);
            if (!AllTrim(in.flatteningText).empty())
                Line(PadR(T(kTextInverseFlattening) + ":", width) + in.flatteningText);
            Empty();
        };
        if (NeedsEllipsoid(c_.side1.format)) block(kTextEllipsoidFirst, Input1());
        if (NeedsEllipsoid(c_.side2.format)) block(kTextEllipsoidSecond, Input2());
    }

    void CutPointNumbers()
    {
        for (SidePoints* side : {&c_.side1, &c_.side2}) {
            std::size_t width = 0;
            for (std::string& number : side->numbers) {
                VoEventLoop();
                if (number.size() > kNumberWidth) number.resize(kNumberWidth);
                width = std::max(width, number.size());
            }
            (side == &c_.side1 ? width1_ : width2_) = width;
        }
    }

    // Rows of number, two angles (or eastings/northings) and a height.
    void TripleList(const SidePoints& side, std::size_t numberWidth, const double* values, int base12, int decimals12)
    {
        const std::array<Column, 3> columns = MeasureTriples(values, c_.n, base12, decimals12, 15, 4);
        for (std::uint32_t k = 0; k < c_.n; ++k) {
            VoEventLoop();
            out_ += PadR(side.numbers[k], numberWidth);
            for (const Column& column : columns) {
                out_ += ' ';
                column.Append(out_, k);
            }
            out_ += "\r\n";
        }
        Empty();
    }

    void InputValues()
    {
        if (!options_.inputValues) return;
        auto list = [&](const SidePoints& side, std::size_t width, int heading) {
            const FormatClass cls = ClassOfFormat(side.format);
            if (cls == FormatClass::Cartesian || (cls == FormatClass::Geographic && options_.geographic)) return;
            Line(T(heading));
            Line(T(cls == FormatClass::Dms   ? kTextDmsColumns
                   : cls == FormatClass::Utm ? kTextUtmColumns
                                             : kTextGeographicColumns));
            const double* values = cls == FormatClass::Geographic ? side.geographic.Data() : side.inputValues.Data();
            TripleList(side, width, values, 19, 8);
        };
        list(c_.side1, width1_, kTextInputFirst);
        list(c_.side2, width2_, kTextInputSecond);
    }

    void GeographicLists()
    {
        if (!options_.geographic) return;
        auto list = [&](const SidePoints& side, std::size_t width, int heading) {
            if (!NeedsEllipsoid(side.format)) return;
            Line(T(heading));
            Line(T(kTextGeographicColumns));
            TripleList(side, width, side.geographic.Data(), 19, 8);
        };
        list(c_.side1, width1_, kTextGeographicFirst);
        list(c_.side2, width2_, kTextGeographicSecond);
    }

    void CartesianLists()
    {
        if (!options_.cartesian) return;
        auto list = [&](const SidePoints& side, std::size_t width, int heading) {
            Line(T(heading));
            Line(T(kTextCartesianColumns));
            TripleList(side, width, side.cartesian.Data(), 15, 4);
        };
        list(c_.side1, width1_, kTextCartesianFirst);
        list(c_.side2, width2_, kTextCartesianSecond);
    }

    std::string PairNumbers(std::uint32_t k) const
    {
        return PadR(c_.side1.numbers[k], width1_) + " " + PadR(c_.side2.numbers[k], width2_);
    }

    void Outliers()
    {
        const std::uint32_t m = std::max<std::uint32_t>(3, c_.n / 3);
        ExplicitBlock<double> values;
        ExplicitBlock<std::uint32_t> indices;
        std::uint32_t count = 0;
        std::string message;
        bool error = !values.Allocate(m) || !indices.Allocate(m);
        if (error) {
            message = T(kTextOutOfMemory);
        } else if (!Library().gettransoutliers(c_.side1.cartesian.Data(), c_.side2.cartesian.Data(), c_.n,
                                               values.Data(), indices.Data(), m, &count, 0)) {
            error = true;
            message = LibraryMessage();
        } else if (count > m || std::any_of(indices.Data(), indices.Data() + count,
                                            [&](std::uint32_t k) { return k < 1 || k > c_.n; })) {
            error = true;  // an answer that names no pair of this computation
        }
        if (error) return messages_.Hint(T(kTextNoOutliers) + ":\r\n" + message);
        if (count < 0.75 * m) {
            values.Shrink(count);
            indices.Shrink(count);
        }
        const bool testable = geodesy::OutliersTestable(c_.n, options_.convention);
        if (count == 0 && testable) return;
        std::string section;
        section.swap(out_);
        Line(T(kTextOutliers));
        if (count == 0) {
            // No pair could be tested: say so rather than report none.
            Line(Filled(T(kTextOutliersUntestable),
                        {Count(c_.n), Count(geodesy::MinimumOutlierPairs(options_.convention))}));
        } else {
            Line(T(kTextOutlierExplanation));
            Line(Filled(T(kTextOutliersFound), Count(count)));
            Line(T(kTextOutlierColumns));
            const Column column = MeasureColumn(values.Data(), count, 13, 2);
            for (std::uint32_t i = 0; i < count; ++i) {
                VoEventLoop();
                out_ += PairNumbers(indices.Data()[i] - 1);
                out_ += ' ';
                column.Append(out_, i);
                out_ += "\r\n";
            }
        }
        Empty();
        section.swap(out_);
        out_ += section;
        c_.protocol += section;
        if (count > 0) messages_.Hint(Filled(T(kTextOutliersFound), Count(count)));
    }

    void Residuals()
    {
        ExplicitBlock<double> residuals;
        if (!residuals.Allocate(3 * static_cast<std::size_t>(c_.n)))
            return messages_.Hint(T(kTextNoResiduals) + ":\r\n" + T(kTextOutOfMemory));
        const geodesy::GeodesyFunctions& library = Library();
        if (!library.gettransresiduals(c_.side1.cartesian.Data(), c_.side2.cartesian.Data(), residuals.Data(), c_.n,
                                       static_cast<std::uint16_t>(options_.convention), c_.parameters))
            return messages_.Hint(T(kTextNoResiduals) + ":\r\n" + LibraryMessage());
        if (options_.residuals) {
            Line(T(kTextResiduals));
            Line(T(kTextResidualColumns));
            const double* r = residuals.Data();
            const std::array<Column, 3> columns = MeasureTriples(r, c_.n, 15, 4, 15, 4);
            for (std::uint32_t k = 0; k < c_.n; ++k) {
                VoEventLoop();
                out_ += PairNumbers(k);
                for (const Column& column : columns) {
                    out_ += ' ';
                    column.Append(out_, k);
                }
                out_ += "\r\n";
            }
            Empty();
        }
        double stats[3] = {};
        if (!library.gettransresidualmax(residuals.Data(), c_.n, &stats[0]) ||
            !library.gettransresidualaverage(residuals.Data(), c_.n, &stats[1]) ||
            !library.gettransresidualrms(residuals.Data(), c_.n, &stats[2]))
            return messages_.Hint(T(kTextNoResiduals) + ":\r\n" + LibraryMessage());
        VoEventLoop();
        const Column column = MeasureColumn(stats, 3, 15, 4, false);
        std::string section;
        section.swap(out_);
        Line(T(kTextStatistics));
        for (std::size_t i = 0; i < 3; ++i) {
            column.Append(out_, i);
            out_ += ' ';
            Line(T(i == 0 ? kTextMaximum : i == 1 ? kTextAverage : kTextRootMeanSquare));
        }
        Empty();
        section.swap(out_);
        out_ += section;
        c_.protocol += section;
    }

    Computation& c_;
    const SideInput& source_;
    const SideInput& target_;
    const Options& options_;
    const Texts& texts_;
    Messages& messages_;
    std::string out_;
    std::size_t width1_ = 0, width2_ = 0;
};

}  // namespace

void BuildReport(Computation& c, const SideInput& source, const SideInput& target, const Options& options,
                 const Texts& texts, Messages& messages)
{
    if (!c.ok) return;
    ReportWriter(c, source, target, options, texts, messages).Write();
}

}  // namespace calc
