// Least-squares estimation of a datum transformation from point pairs, its
// residuals and statistics, and data snooping for outliers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/geodesy/transformation.h"

namespace geodesy {

// n pairs of cartesian triples: source (side 1) and target (side 2).
struct PointPairs {
    const double* source;
    const double* target;
    std::size_t n;

    Eigen::Map<const Eigen::Vector3d> Source(std::size_t i) const
    {
        return Eigen::Map<const Eigen::Vector3d>(source + 3 * i);
    }
    Eigen::Map<const Eigen::Vector3d> Target(std::size_t i) const
    {
        return Eigen::Map<const Eigen::Vector3d>(target + 3 * i);
    }
};

// Checks the pointers, the count and that every number is finite.
bool CheckPairs(const PointPairs& pairs, std::size_t minimum);

// Pairs needed for an estimation.
constexpr std::size_t kMinimumPairs = 3;

// The Helmert parameters of a convention 1-3 (Gauss-Newton on centroid-reduced
// coordinates), or the Molodensky translations (the mean difference).
bool EstimateTransformation(const PointPairs& pairs, Convention convention, Transformation& result);

// v = target - f(source) per pair, 3n values.
void ComputeResiduals(const PointPairs& pairs, const Transformation& transformation, double* residuals);

enum class Statistic { Maximum, Average, Rms };

// Over the 3D lengths of n residual triples; fails on a value that is not finite.
bool ResidualStatistic(const double* residuals, std::size_t n, Statistic statistic, double& result);

struct Outlier {
    std::uint32_t pair;  // from 1
    double value;        // the largest standardized residual of the pair
};

// Data snooping on the adjustment of the given convention: each pair's
// largest externally studentized residual (sigma0 estimated without the
// pair) against Student's t quantile of the error probability that the limit
// has in the normal distribution. The pairs found come with that residual
// on the normal scale (the normal quantile of the same probability, so
// above the limit), largest first.
bool FindOutliers(const PointPairs& pairs, Convention convention, double limit, std::vector<Outlier>& outliers);

}  // namespace geodesy
