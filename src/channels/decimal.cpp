#include "channels/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A decimal number: mantissa × 10^exponent.
struct Decimal
{
    long long mantissa = 0;
    int exponent = 0;
};

// The double rounded to 15 significant digits. "%.14e" prints exactly that many,
// correctly rounded, and does not depend on the locale (no grouping, and the one
// decimal point is skipped by hand).
Decimal ToDecimal15(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    Decimal result;
    bool negative = false;
    const char *p = buffer;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    int fractionDigits = 0;
    bool inFraction = false;
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9') {
            result.mantissa = result.mantissa * 10 + (*p - '0');
            if (inFraction)
                ++fractionDigits;
        } else {
            inFraction = true; // the decimal point, whatever character the C library used
        }
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    result.exponent = exponent - fractionDigits;
    if (negative)
        result.mantissa = -result.mantissa;
    return result;
}

// The nearest double to mantissa × 10^exponent, correctly rounded.
double ToDouble(__int128 mantissa, int exponent, double fallback)
{
    const bool negative = mantissa < 0;
    unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(mantissa)
                                           : static_cast<unsigned __int128>(mantissa);
    char digits[48];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + static_cast<int>(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    char text[80];
    int length = 0;
    if (negative)
        text[length++] = '-';
    while (n > 0)
        text[length++] = digits[--n];
    length += std::snprintf(text + length, sizeof text - length, "e%d", exponent);
    double result = 0.0;
    const auto parsed = std::from_chars(text, text + length, result);
    if (parsed.ec != std::errc())
        return fallback; // beyond the range of double: the plain product is inf or 0 as well
    return result;
}

} // namespace

double DecimalMultiply(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return a * b;
    if (a == 0.0 || b == 0.0)
        return 0.0;
    const Decimal x = ToDecimal15(a);
    const Decimal y = ToDecimal15(b);
    // Two 15-digit mantissas give at most 30 digits: exact in 128 bits.
    const __int128 product = static_cast<__int128>(x.mantissa) * y.mantissa;
    return ToDouble(product, x.exponent + y.exponent, a * b);
}
