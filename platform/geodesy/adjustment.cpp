#include "platform/geodesy/adjustment.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "platform/geodesy/distributions.h"
#include "platform/geodesy/message_pump.h"
#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

using Vector3 = Eigen::Vector3d;
using Matrix3 = Eigen::Matrix3d;
using Jacobian = Eigen::Matrix<double, 3, 7>;
using Matrix7 = Eigen::Matrix<double, 7, 7>;
using Vector7 = Eigen::Matrix<double, 7, 1>;

constexpr int kMaxIterations = 30;
// Points closer together than this (RMS spread) determine no rotation or scale.
constexpr double kMinSpread = 1e-3;
// Points whose second spread is below this fraction of the first lie on a line.
constexpr double kMinFlatness = 1e-6;
// A unit weight standard deviation below this is rounding, not measurement.
constexpr double kMinSigma0 = 1e-7;
constexpr double kDefaultLimit = 3.0;
// A coordinate whose redundancy number is below this is determined by its own
// observation alone: it tests nothing.
constexpr double kNoRedundancy = 1e-12;

Matrix3 CrossMatrix(const Vector3& v)  // CrossMatrix(v) * w = v x w
{
    Matrix3 m;
    m << 0.0, -v.z(), v.y(), v.z(), 0.0, -v.x(), -v.y(), v.x(), 0.0;
    return m;
}

const char* SideName(bool target)
{
    return target ? Say("target", "Zielsystem") : Say("source", "Quellsystem");
}

// Fails when the points of one side coincide or lie on a straight line.
bool CheckGeometry(const PointPairs& pairs, bool target, const Vector3& centroid)
{
    Matrix3 scatter = Matrix3::Zero();
    for (std::size_t i = 0; i < pairs.n; ++i) {
        const Vector3 x = (target ? pairs.Target(i) : pairs.Source(i)) - centroid;
        scatter += x * x.transpose();
    }
    const Vector3 spreads = Eigen::SelfAdjointEigenSolver<Matrix3>(scatter, Eigen::EigenvaluesOnly)
                                .eigenvalues()
                                .cwiseMax(0.0);  // ascending
    const double first = std::sqrt(spreads[2] / static_cast<double>(pairs.n));
    const double second = std::sqrt(spreads[1] / static_cast<double>(pairs.n));
    if (first < kMinSpread)
        return Fail(Format(Say("The %1 points coincide (spread %2 m): rotations and scale cannot be determined.",
                               "Die Punkte im %1 fallen zusammen (Ausdehnung %2 m): Drehungen und Ma\xDF"
                               "stab sind nicht bestimmbar."),
                           {SideName(target), Number(first)}));
    if (second < kMinFlatness * first)
        return Fail(Format(Say("The %1 points lie on a straight line: the rotation about it cannot be determined.",
                               "Die Punkte im %1 liegen auf einer Geraden: die Drehung um sie ist nicht bestimmbar."),
                           {SideName(target)}));
    return true;
}

// The normal equations determine every unknown (columns are scaled alike).
bool WellConditioned(const Matrix7& normal)
{
    const Vector7 values = Eigen::SelfAdjointEigenSolver<Matrix7>(normal, Eigen::EigenvaluesOnly).eigenvalues();
    return values[0] > 1e-14 * values[6];
}

Vector3 Centroid(const PointPairs& pairs, bool target)
{
    Vector3 sum = Vector3::Zero();
    for (std::size_t i = 0; i < pairs.n; ++i) sum += target ? pairs.Target(i) : pairs.Source(i);
    return sum / static_cast<double>(pairs.n);
}

// The Helmert adjustment on centroid-reduced coordinates. Rotations and
// scale are solved for in units of the source spread (r * L, s * L), so
// that every column of the design matrix has the size of a coordinate.
class HelmertAdjustment {
public:
    HelmertAdjustment(const PointPairs& pairs, Convention convention)
        : pairs_(pairs),
          sourceCentroid_(Centroid(pairs, false)),
          targetCentroid_(Centroid(pairs, true))
    {
        model_.convention = convention;
    }

    bool Solve()
    {
        if (!CheckGeometry(pairs_, false, sourceCentroid_) || !CheckGeometry(pairs_, true, targetCentroid_))
            return false;
        double sum = 0.0;
        for (std::size_t i = 0; i < pairs_.n; ++i) sum += (pairs_.Source(i) - sourceCentroid_).squaredNorm();
        spread_ = std::sqrt(sum / static_cast<double>(pairs_.n));
        // Coordinates near 1e7 m carry rounding of about 1e-9 m.
        const double tolerance = 1e-10 + 1e-15 * (spread_ + sourceCentroid_.norm());
        for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
            Matrix7 normal = Matrix7::Zero();
            Vector7 right = Vector7::Zero();
            MessagePump pump(pairs_.n);
            for (std::size_t i = 0; i < pairs_.n; ++i) {
                const Vector3 x = pairs_.Source(i) - sourceCentroid_;
                const Jacobian a = Design(x);
                normal.noalias() += a.transpose() * a;
                right.noalias() += a.transpose() * (pairs_.Target(i) - targetCentroid_ - model_.Apply(x));
                pump.Tick();
            }
            const Eigen::LLT<Matrix7> factor(normal);
            if (factor.info() != Eigen::Success || !WellConditioned(normal))
                return Fail(Say("The normal equations are singular: the points do not determine the parameters.",
                                "Die Normalgleichungen sind singul\xE4r: die Punkte bestimmen die Parameter nicht."));
            inverse_ = factor.solve(Matrix7::Identity());
            const Vector7 step = factor.solve(right);
            if (!step.allFinite()) break;
            model_.t += step.head<3>();
            model_.r += step.segment<3>(3) / spread_;
            model_.s += step[6] / spread_;
            if (step.cwiseAbs().maxCoeff() < tolerance) return true;
        }
        return Fail(Format(Say("The adjustment did not converge within %1 iterations.",
                               "Die Ausgleichung konvergierte nicht in %1 Iterationen."),
                           {std::to_string(kMaxIterations)}));
    }

    // The solution in the coordinates of the pairs.
    Transformation Result() const
    {
        Transformation result = model_;
        result.t = targetCentroid_ + model_.t - model_.Linear(sourceCentroid_);
        return result;
    }

    // The block of A (A'A)^-1 A' for the three coordinates of pair i.
    Matrix3 Leverage(std::size_t i) const
    {
        const Jacobian a = Design(pairs_.Source(i) - sourceCentroid_);
        return a * inverse_ * a.transpose();
    }

private:
    // Derivatives of the reduced model by t, r * L and s * L at x.
    Jacobian Design(const Vector3& x) const
    {
        Jacobian a;
        a.leftCols<3>().setIdentity();
        const Matrix3 byRotation = -CrossMatrix(x);  // d(r x x)/dr
        switch (model_.convention) {
        case Convention::CoordinateFrame:
            a.block<3, 3>(0, 3) = -(1.0 + model_.s) * byRotation;
            a.col(6) = x - model_.r.cross(x);
            break;
        case Convention::PositionVector:
            a.block<3, 3>(0, 3) = (1.0 + model_.s) * byRotation;
            a.col(6) = x + model_.r.cross(x);
            break;
        default:
            a.block<3, 3>(0, 3) = byRotation;
            a.col(6) = x;
            break;
        }
        a.rightCols<4>() /= spread_;
        return a;
    }

    PointPairs pairs_;
    Vector3 sourceCentroid_;
    Vector3 targetCentroid_;
    double spread_ = 1.0;
    Transformation model_;  // on reduced coordinates
    Matrix7 inverse_ = Matrix7::Identity();
};

Transformation Molodensky(const PointPairs& pairs)
{
    Transformation result;
    result.convention = Convention::Molodensky;
    result.t = Centroid(pairs, true) - Centroid(pairs, false);
    return result;
}

bool CheckTriples(const double* values, std::size_t n, const char* side)
{
    static const char* const kAxes[3] = {"X", "Y", "Z"};
    for (std::size_t i = 0; i < 3 * n; ++i)
        if (!std::isfinite(values[i]))
            return Fail(Format(Say("Pair %1: the %2 coordinate %3 is not a finite number.",
                                   "Paar %1: Die Koordinate %3 im %2 ist keine endliche Zahl."),
                               {std::to_string(i / 3 + 1), side, kAxes[i % 3]}));
    return true;
}

// The pair's share of the squared residuals, v' Q^+ v, for its block Q of
// the residuals' cofactor matrix, and the rank of Q (coordinates that have
// redundancy). A block of full rank, the rule, is factorised directly.
int PairShare(const Matrix3& q, const Vector3& v, double& share)
{
    const Eigen::LLT<Matrix3> factor(q);
    if (factor.info() == Eigen::Success && factor.matrixLLT().diagonal().minCoeff() > std::sqrt(kNoRedundancy)) {
        share = v.dot(factor.solve(v));
        return 3;
    }
    Eigen::SelfAdjointEigenSolver<Matrix3> eigen;
    eigen.computeDirect(q);
    share = 0.0;
    int rank = 0;
    for (int k = 0; k < 3; ++k) {
        if (eigen.eigenvalues()[k] <= kNoRedundancy) continue;
        ++rank;
        const double projection = eigen.eigenvectors().col(k).dot(v);
        share += projection * projection / eigen.eigenvalues()[k];
    }
    return rank;
}

}  // namespace

bool CheckPairs(const PointPairs& pairs, std::size_t minimum)
{
    if (!CheckPointer(pairs.source, "source") || !CheckPointer(pairs.target, "target")) return false;
    if (pairs.n < minimum)
        return Fail(Format(Say("At least %1 point pairs are needed; %2 were given.",
                               "Es werden mindestens %1 Punktpaare ben\xF6tigt; \xFC"
                               "bergeben wurden %2."),
                           {std::to_string(minimum), std::to_string(pairs.n)}));
    return CheckTriples(pairs.source, pairs.n, SideName(false)) && CheckTriples(pairs.target, pairs.n, SideName(true));
}

bool EstimateTransformation(const PointPairs& pairs, Convention convention, Transformation& result)
{
    if (convention == Convention::Molodensky) {
        result = Molodensky(pairs);
        return true;
    }
    HelmertAdjustment adjustment(pairs, convention);
    if (!adjustment.Solve()) return false;
    result = adjustment.Result();
    return true;
}

void ComputeResiduals(const PointPairs& pairs, const Transformation& transformation, double* residuals)
{
    MessagePump pump(pairs.n);
    for (std::size_t i = 0; i < pairs.n; ++i) {
        Eigen::Map<Vector3>(residuals + 3 * i) = pairs.Target(i) - transformation.Apply(pairs.Source(i));
        pump.Tick();
    }
}

bool ResidualStatistic(const double* residuals, std::size_t n, Statistic statistic, double& result)
{
    if (n == 0) return Fail(Say("There are no residuals (n = 0).", "Es gibt keine Residuen (n = 0)."));
    double maximum = 0.0;
    double sum = 0.0;
    double squares = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const Vector3 v = Eigen::Map<const Vector3>(residuals + 3 * i);
        if (!v.allFinite())
            return Fail(Format(Say("The residual of pair %1 is not a finite number.",
                                   "Das Residuum von Paar %1 ist keine endliche Zahl."),
                               {std::to_string(i + 1)}));
        const double length = v.norm();
        maximum = std::max(maximum, length);
        sum += length;
        squares += length * length;
    }
    const double count = static_cast<double>(n);
    switch (statistic) {
    case Statistic::Maximum: result = maximum; break;
    case Statistic::Average: result = sum / count; break;
    case Statistic::Rms: result = std::sqrt(squares / count); break;
    }
    return true;
}

bool FindOutliers(const PointPairs& pairs, Convention convention, double limit, std::vector<Outlier>& outliers)
{
    outliers.clear();
    if (!CheckFinite(limit, "limit")) return false;
    if (limit <= 0.0) limit = kDefaultLimit;
    std::optional<HelmertAdjustment> helmert;
    Transformation model;
    if (convention == Convention::Molodensky) {
        model = Molodensky(pairs);
    } else {
        helmert.emplace(pairs, convention);
        if (!helmert->Solve()) return false;
        model = helmert->Result();
    }
    if (!OutliersTestable(static_cast<std::uint32_t>(pairs.n), convention)) return true;
    const double unknowns = convention == Convention::Molodensky ? 3.0 : 7.0;
    const double redundancy = 3.0 * static_cast<double>(pairs.n) - unknowns;
    std::vector<double> residuals(3 * pairs.n);
    ComputeResiduals(pairs, model, residuals.data());
    double squares = 0.0;
    for (double v : residuals) squares += v * v;
    if (!(std::sqrt(squares / redundancy) >= kMinSigma0)) return true;
    // The limit is a quantile of the normal distribution; a pair is tested
    // against Student's t quantile of the same error probability.
    const double logProbability = LogNormalTail(limit);
    std::map<double, double> criticalValues;  // by degrees of freedom
    const Matrix3 molodenskyLeverage = Matrix3::Identity() / static_cast<double>(pairs.n);
    MessagePump pump(pairs.n);
    for (std::size_t i = 0; i < pairs.n; ++i) {
        pump.Tick();
        const Matrix3 q = Matrix3::Identity() - (helmert ? helmert->Leverage(i) : molodenskyLeverage);
        const Eigen::Map<const Vector3> v(residuals.data() + 3 * i);
        // The rest of the squared residuals estimates sigma0 without the
        // pair (externally studentized residuals).
        double share = 0.0;
        const int rank = PairShare(q, v, share);
        const double freedom = redundancy - rank;
        if (rank == 0 || freedom < 1.0) continue;
        const double sigma = std::max(std::sqrt(std::max(squares - share, 0.0) / freedom), kMinSigma0);
        double value = 0.0;
        for (int k = 0; k < 3; ++k)
            if (q(k, k) > kNoRedundancy) value = std::max(value, std::abs(v[k]) / (sigma * std::sqrt(q(k, k))));
        auto critical = criticalValues.find(freedom);
        if (critical == criticalValues.end())
            critical = criticalValues.emplace(freedom, StudentQuantile(logProbability, freedom)).first;
        if (value > critical->second)
            outliers.push_back({static_cast<std::uint32_t>(i + 1), NormalQuantile(LogStudentTail(value, freedom))});
    }
    std::stable_sort(outliers.begin(), outliers.end(),
                     [](const Outlier& x, const Outlier& y) { return x.value > y.value; });
    return true;
}

}  // namespace geodesy
