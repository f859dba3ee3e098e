// The shipped sample pair gives back the parameter set it was made with.
#include <fstream>
#include <gtest/gtest.h>

#include "calc/computation.h"

namespace {

std::string SampleText(const char* name)
{
    std::ifstream in(std::string(MDX_PROGRAM_DIR "/UserData/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Collected : calc::Messages {
    std::vector<std::string> texts;
    void Error(const std::string& text) override { texts.push_back("error " + text); }
    void Hint(const std::string& text) override { texts.push_back("hint " + text); }
};

TEST(Samples, GiveTheWgs72ToWgs84ParametersBack)
{
    const std::string source = SampleText("testq.txt"), target = SampleText("testz.txt");
    ASSERT_FALSE(source.empty());
    ASSERT_FALSE(target.empty());
    calc::SideInput q, z;
    q.list = source;
    q.format = 2;  // No, X, Y, Z
    z.list = target;
    z.format = 4;  // No, longitude, latitude, height
    z.ellipsoidValid = true;
    z.ellipsoid = {6378137.0, 6378137.0 * (1 - 1 / 298.257223563)};  // WGS 84
    calc::Options options;
    options.convention = geodesy::Convention::PositionVector;
    calc::Computation c;
    Collected messages;
    calc::Prepare(c, q, z, options, calc::Texts(100), messages);
    ASSERT_TRUE(c.ok) << (messages.texts.empty() ? "" : messages.texts.front());
    EXPECT_EQ(c.n, 16u);
    // Translations to 1 mm, rotations to 0.0001", scale to 0.001 ppm: the
    // coordinates are rounded to 0.1 mm (1e-9 degrees).
    const double expected[7] = {0, 0, 4.5, 0, 0, 0.554, 0.219};
    const double bound[7] = {1e-3, 1e-3, 1e-3, 1e-4, 1e-4, 1e-4, 1e-3};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(c.parameters[i], expected[i], bound[i]) << "parameter " << i + 1;
}

}  // namespace
