#pragma once
// Sine and cosine of an Extended argument, several times faster than the
// x87 instruction the C library uses, for the basis of the fit (the inner
// loop of every fit and of the periodogram).
//
// |x| < 2^30: x is reduced by k*pi/2 with pi/2 split in three parts (the
// first two products are exact), then Taylor series of degree 21/22 on
// |r| <= pi/4 give a result within a few units of the last place of the
// library's. Larger arguments, infinities and NaN go to the library.
#include <cmath>

#include "core/Extended.h"

namespace zyt {

inline void sinCosExtended(Extended x, Extended* s, Extended* c) {
    if (!(std::fabs(x) < 1073741824.0L)) {
        sincosl(x, s, c);
        return;
    }
    // pi/2 = C1 + C2 + C3; C1 has 33 significant bits and C2 32, so k*C1 and
    // k*C2 are exact for |k| < 2^31.
    constexpr Extended kC1 = 0x1.921FB544p0L;
    constexpr Extended kC2 = 0x42D18469p-64L;
    constexpr Extended kC3 = 0x898CC51701B839A2p-128L;
    constexpr Extended kTwoOverPi = 0.636619772367581343075535053490057448L;
    // Round to the nearest integer by the 64-bit mantissa: adding 1.5*2^63
    // leaves no fraction bits (a library call here costs as much as the rest).
    constexpr Extended kRound = 0x1.8p63L;
    const Extended k = (x * kTwoOverPi + kRound) - kRound;
    const Extended r = ((x - k * kC1) - k * kC2) - k * kC3;
    const Extended z = r * r;
    // 1/n! as Extended constants.
    constexpr Extended f3 = 1.0L / 6, f5 = f3 / 20, f7 = f5 / 42, f9 = f7 / 72, f11 = f9 / 110,
                       f13 = f11 / 156, f15 = f13 / 210, f17 = f15 / 272, f19 = f17 / 342,
                       f21 = f19 / 420;
    constexpr Extended f2 = 0.5L, f4 = f2 / 12, f6 = f4 / 30, f8 = f6 / 56, f10 = f8 / 90,
                       f12 = f10 / 132, f14 = f12 / 182, f16 = f14 / 240, f18 = f16 / 306,
                       f20 = f18 / 380, f22 = f20 / 462;
    const Extended sr =
        r +
        r * z *
            (-f3 +
             z * (f5 +
                  z * (-f7 + z * (f9 + z * (-f11 +
                                            z * (f13 + z * (-f15 +
                                                            z * (f17 + z * (-f19 + z * f21)))))))));
    const Extended cr =
        1 +
        z * (-f2 +
             z * (f4 +
                  z * (-f6 +
                       z * (f8 + z * (-f10 +
                                      z * (f12 +
                                           z * (-f14 +
                                                z * (f16 + z * (-f18 + z * (f20 - z * f22))))))))));
    const long q = long(k) & 3;
    switch (q) {
        case 0:
            *s = sr;
            *c = cr;
            break;
        case 1:
            *s = cr;
            *c = -sr;
            break;
        case 2:
            *s = -sr;
            *c = -cr;
            break;
        default:
            *s = -cr;
            *c = sr;
            break;
    }
}

inline Extended cosExtended(Extended x) {
    Extended s, c;
    sinCosExtended(x, &s, &c);
    return c;
}

}  // namespace zyt
