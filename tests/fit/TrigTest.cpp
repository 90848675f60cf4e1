#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fit/Trig.h"

namespace zyt {
namespace {

// Against the C library over small, quadrant-edge and large arguments (a
// fitted phase with the time itself reaches 1e8 radians), and the hand-over
// to the library beyond 2^30, infinities and NaN.
TEST(Trig, MatchesTheLibraryToTheLastPlaces) {
    const Extended halfPi = 1.57079632679489661923132169163975144L;
    std::vector<Extended> xs = {
        0,          1e-30L,     -1e-10L,   0.5L, halfPi, -halfPi,
        2 * halfPi, 3 * halfPi, 0.785398L, 1e4L, -1e6L,  2459000.123456789L * 6.2831853L / 0.37L,
        1e9L,       3e9L,       -1e12L};
    for (int i = -3000; i <= 3000; ++i) xs.push_back(i * 0.7853981633974483L + i * 1e-7L);
    for (Extended x : xs) {
        Extended s, c, s2, c2;
        sinCosExtended(x, &s, &c);
        sincosl(x, &s2, &c2);
        // A few units of 2^-64 of the argument's reduction, relative to 1.
        const Extended tol =
            8 * std::numeric_limits<Extended>::epsilon() * (1 + std::fabs(x) * 1e-9L);
        EXPECT_NEAR(double(s - s2), 0, double(tol)) << double(x);
        EXPECT_NEAR(double(c - c2), 0, double(tol)) << double(x);
        EXPECT_EQ(cosExtended(x), c);
    }
    Extended s, c;
    sinCosExtended(std::numeric_limits<Extended>::quiet_NaN(), &s, &c);
    EXPECT_TRUE(std::isnan(s) && std::isnan(c));
}

}  // namespace
}  // namespace zyt
