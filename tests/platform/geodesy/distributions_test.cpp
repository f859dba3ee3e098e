// The t and normal distributions of the outlier test against published
// table values (two-sided probabilities, three decimals as printed).
#include "platform/geodesy/distributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(Distributions, StudentQuantilesMatchThePublishedTable)
{
    const struct {
        double nu, p, t;
    } table[] = {
        {1, 0.05, 12.706},   {2, 0.05, 4.303},   {5, 0.05, 2.571},   {10, 0.05, 2.228},  {30, 0.05, 2.042},
        {120, 0.05, 1.980},  {1, 0.01, 63.657},  {4, 0.01, 4.604},   {20, 0.01, 2.845},  {120, 0.01, 2.617},
        {1, 0.001, 636.619}, {3, 0.001, 12.924}, {10, 0.001, 4.587}, {20, 0.002, 3.552}, {60, 0.001, 3.460},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(::testing::Message() << "nu " << row.nu << ", P " << row.p);
        EXPECT_NEAR(geodesy::StudentQuantile(std::log(row.p), row.nu), row.t, 0.0005);
        EXPECT_NEAR(geodesy::LogStudentTail(geodesy::StudentQuantile(std::log(row.p), row.nu), row.nu), std::log(row.p),
                    1e-12);
    }
    // One degree of freedom has a closed form: t = cot(pi P / 2).
    EXPECT_NEAR(geodesy::StudentQuantile(std::log(0.0027), 1), 1.0 / std::tan(std::numbers::pi * 0.0027 / 2), 1e-8);
}

TEST(Distributions, NormalQuantilesAndTheLimitOfManyDegrees)
{
    const struct {
        double p, z;
    } table[] = {{0.05, 1.959964}, {0.01, 2.575829}, {0.001, 3.290527}, {0.0026997960632602, 3.0}, {1e-10, 6.466951}};
    for (const auto& row : table) EXPECT_NEAR(geodesy::NormalQuantile(std::log(row.p)), row.z, 1e-6) << row.p;
    // Far tails, beyond the smallest double as probabilities, come back.
    for (double z : {0.25, 3.0, 19.9, 20.1, 40.0, 400.0})
        EXPECT_NEAR(geodesy::NormalQuantile(geodesy::LogNormalTail(z)), z, 1e-9 * z);
    for (double nu : {2.0, 50.0, 90000.0})
        for (double t : {0.1, 3.0, 400.0, 1e8})
            EXPECT_NEAR(geodesy::StudentQuantile(geodesy::LogStudentTail(t, nu), nu), t, 1e-9 * t) << nu << " " << t;
    // The test limit 3.0: about 19.21 with 2 degrees of freedom, 3.0 with many.
    EXPECT_NEAR(geodesy::StudentQuantile(geodesy::LogNormalTail(3.0), 2), 19.206, 0.001);
    EXPECT_NEAR(geodesy::StudentQuantile(geodesy::LogNormalTail(3.0), 1e6), 3.0, 1e-4);
}

}  // namespace
