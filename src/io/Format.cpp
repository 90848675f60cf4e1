#include "io/Format.h"

#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zyt {
namespace {

// snprintf in the C locale, whatever the process locale is (the window
// library sets it from the environment).
struct CNumericScope {
    CNumericScope() {
        static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        old = uselocale(c);
    }
    ~CNumericScope() { uselocale(old); }
    locale_t old;
};

template <class... Args>
std::string printfC(const char* fmt, Args... args) {
    CNumericScope scope;
    char buf[128];
    int n = std::snprintf(buf, sizeof buf, fmt, args...);
    if (n < int(sizeof buf)) return std::string(buf, std::size_t(n));
    std::string big(std::size_t(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), fmt, args...);
    big.resize(std::size_t(n));
    return big;
}

void padLeft(std::string& out, std::size_t start, int w) {
    const std::size_t len = out.size() - start;
    if (int(len) < w) out.insert(start, std::size_t(w) - len, ' ');
}

std::string nonFinite(Extended x) {
    if (std::isnan(x)) return "Nan";
    return x < 0 ? "-Inf" : "+Inf";
}

const Extended kP10[19] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L, 1e9L,
                           1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};

// Decimal digits and exponent of x rounded to n significant digits.
struct Decimal {
    bool neg = false;
    std::string digits;  // n digits, first nonzero unless x == 0
    int exp10 = 0;       // x ~ 0.d1d2... * 10^(exp10+1), i.e. d1 has weight 10^exp10
};

Decimal toDecimal(Extended x, int n) {
    Decimal d;
    d.neg = std::signbit(x);
    std::string s = printfC("%.*Le", n - 1, std::fabs(x));
    // s = "d.ddddde+XX" (or "de+XX" when n == 1)
    const std::size_t epos = s.find('e');
    for (std::size_t i = 0; i < epos; ++i)
        if (s[i] != '.') d.digits.push_back(s[i]);
    d.exp10 = std::atoi(s.c_str() + epos + 1);
    return d;
}

}  // namespace

void appendF(std::string& out, Extended x, int w, int d) {
    const std::size_t start = out.size();
    if (!std::isfinite(x)) {
        out += nonFinite(x);
        padLeft(out, start, w);
        return;
    }
    if (d >= 0 && d <= 18) {
        const Extended y = std::fabs(x) * kP10[d];
        // One rounding of an exact product: its error is below 2^-64 |y|, so
        // away from a half the integer rounding is that of the exact value.
        if (y < 9.0e15L) {
            const Extended fl = std::floor(y);
            const Extended frac = y - fl;
            if (std::fabs(frac - 0.5L) > 1e-3L) {
                uint64_t n = uint64_t(fl) + (frac > 0.5L ? 1 : 0);
                char digits[32];
                int len = 0;
                do {
                    digits[len++] = char('0' + n % 10);
                    n /= 10;
                } while (n);
                while (len <= d) digits[len++] = '0';
                if (std::signbit(x)) out.push_back('-');
                for (int i = len - 1; i >= 0; --i) {
                    out.push_back(digits[i]);
                    if (i == d && d > 0) out.push_back('.');
                }
                padLeft(out, start, w);
                return;
            }
        }
    }
    out += printfC("%*.*Lf", w, d, x);
}

std::string fmtF(Extended x, int w, int d) {
    std::string s;
    appendF(s, x, w, d);
    return s;
}

std::string fmtI(long long v, int w) {
    char buf[32];
    int n = std::snprintf(buf, sizeof buf, "%*lld", w, v);
    return std::string(buf, std::size_t(n));
}

std::string fmtE23(Extended x) {
    if (!std::isfinite(x)) {
        std::string s = nonFinite(x);
        return std::string(23 - s.size(), ' ') + s;
    }
    Decimal d = toDecimal(x, 15);
    std::string s;
    s.reserve(23);
    s.push_back(d.neg ? '-' : ' ');
    s.push_back(d.digits[0]);
    s.push_back('.');
    s.append(d.digits, 1, std::string::npos);
    s.push_back('E');
    int e = d.exp10;
    if (x == 0) e = 0;
    s.push_back(e < 0 ? '-' : '+');
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", std::abs(e));
    s += buf;
    return s;
}

std::string fmtGeneral(Extended x, int digits, char point) {
    if (!std::isfinite(x)) return nonFinite(x);
    if (x == 0) return "0";
    Decimal d = toDecimal(x, digits);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string s = d.neg ? "-" : "";
    const int e = d.exp10;
    const int n = int(d.digits.size());
    if (e >= -5 && e < digits) {
        if (e < 0) {
            s += "0";
            s.push_back(point);
            s.append(std::size_t(-e - 1), '0');
            s += d.digits;
        } else if (n <= e + 1) {
            s += d.digits;
            s.append(std::size_t(e + 1 - n), '0');
        } else {
            s.append(d.digits, 0, std::size_t(e + 1));
            s.push_back(point);
            s.append(d.digits, std::size_t(e + 1), std::string::npos);
        }
        return s;
    }
    s.push_back(d.digits[0]);
    if (n > 1) {
        s.push_back(point);
        s.append(d.digits, 1, std::string::npos);
    }
    s += "E" + std::to_string(e);
    return s;
}

std::string fmtFixedPrec(Extended x, int precision, int decimals, char point) {
    if (!std::isfinite(x)) return nonFinite(x);
    if (precision < 1) precision = 1;
    if (x != 0) {
        Decimal d = toDecimal(x, precision);
        if (d.exp10 >= precision) return fmtGeneral(x, precision, point);
        // Significant digits that the decimals allow, if fewer than precision.
        const int allowed = d.exp10 + 1 + decimals;
        if (allowed >= precision) {
            // Render the rounded digits in fixed notation, zeros beyond them.
            std::string intPart, fracPart;
            const int e = d.exp10;
            for (int pos = std::max(e, 0); pos >= 0; --pos) {
                const int idx = e - pos;
                intPart.push_back(
                    idx >= 0 && idx < int(d.digits.size()) ? d.digits[std::size_t(idx)] : '0');
            }
            for (int k = 1; k <= decimals; ++k) {
                const int idx = e + k;
                fracPart.push_back(
                    idx >= 0 && idx < int(d.digits.size()) ? d.digits[std::size_t(idx)] : '0');
            }
            std::string s = d.neg ? "-" : "";
            s += intPart;
            if (decimals > 0) {
                s.push_back(point);
                s += fracPart;
            }
            return s;
        }
    }
    std::string s = printfC("%.*Lf", decimals, x);
    if (point != '.')
        for (char& c : s)
            if (c == '.') c = point;
    return s;
}

std::string fmtG21(Extended x) {
    return printfC("%.21Lg", x);
}

}  // namespace zyt
