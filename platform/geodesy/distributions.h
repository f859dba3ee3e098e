// The normal and Student's t distributions as the outlier test needs them:
// two-sided tail probabilities and their quantiles, on a logarithmic scale
// so that the far tails of gross errors (probabilities far below the
// smallest double) keep their values.
#pragma once

namespace geodesy {

// ln P(|Z| > z) of the standard normal distribution, z >= 0.
double LogNormalTail(double z);

// ln P(|T| > t) of Student's t distribution with nu > 0 degrees of freedom,
// t >= 0 (the regularized incomplete beta function I_x(nu/2, 1/2) at
// x = nu / (nu + t^2), by its continued fraction).
double LogStudentTail(double t, double nu);

// The z >= 0 with LogNormalTail(z) = logTail (<= 0): the normal quantile
// 1 - P/2 of the two-sided probability P = exp(logTail).
double NormalQuantile(double logTail);

// The t >= 0 with LogStudentTail(t, nu) = logTail: Student's t quantile
// 1 - P/2 for nu degrees of freedom. Both quantiles agree with the published
// tables to their last digit (distributions_test.cpp).
double StudentQuantile(double logTail, double nu);

}  // namespace geodesy
