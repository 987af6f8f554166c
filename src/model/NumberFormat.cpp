#include "model/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaro {
namespace {

double powerOfTen(int n)
{
    static const double exact[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n >= 0 && n <= 22)
        return exact[n];
    double p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// The decision on the binary value, where the decimal form cannot decide
// otherwise: that form differs from the value by at most half a unit of its last
// significant digit, so a value whose dropped part lies farther than that from a
// half rounds the same way. False where only the decimal form can tell (near a
// half, or where rounding leaves the value or gives zero).
bool roundOnBinaryValue(double value, int decimals, int significant, double& rounded)
{
    double a = std::fabs(value);
    if (decimals < 0 || decimals > 15 || a < 1e-300 || a >= 1e15)
        return false;
    int exponent = int(std::floor(std::log10(a)));
    int keep = exponent + 1 + decimals; // digits at or before the rounding place
    if (keep < 1 || keep >= significant - 1)
        return false;
    double scale = powerOfTen(decimals);
    double scaled = a * scale;
    double whole = std::floor(scaled);
    double dropped = scaled - whole;
    // One digit of slack covers an exponent that log10 put one too low.
    double margin = 0.5 / powerOfTen(significant - keep - 1) + scaled * 1e-15;
    if (std::fabs(dropped - 0.5) <= margin)
        return false;
    double mantissa = dropped > 0.5 ? whole + 1 : whole;
    rounded = (value < 0 ? -1.0 : 1.0) * (mantissa / scale);
    return true;
}

// Rounds |value| written with `significant` digits at `decimals`, half up, into
// `out`. False (and `out` the value itself) when those digits end before the
// rounding place, or the value is not finite: there is nothing to round then.
bool roundDecimalForm(double value, int decimals, int significant, double& out)
{
    out = value;
    if (!std::isfinite(value))
        return false;
    if (value == 0 || roundOnBinaryValue(value, decimals, significant, out))
        return true;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    // buf: d.ddd…e±XX
    char digits[32];
    int n = 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            digits[n++] = *p;
    int exponent = std::atoi(p + 1);
    int keep = exponent + 1 + decimals; // digits at or before the rounding place
    if (keep >= n)
        return false;
    double sign = value < 0 ? -1.0 : 1.0;
    if (keep < 0) {
        out = 0.0 * sign;
        return true;
    }
    long long mantissa = 0;
    for (int i = 0; i < keep; ++i)
        mantissa = mantissa * 10 + (digits[i] - '0');
    if (digits[keep] >= '5')
        ++mantissa;
    out = sign * (double(mantissa) / powerOfTen(decimals));
    return true;
}

double roundedDecimalForm(double value, int decimals, int significant)
{
    double out = value;
    roundDecimalForm(value, decimals, significant, out);
    return out;
}

} // namespace

int patternDecimals(const QString& pattern)
{
    int dot = pattern.lastIndexOf('.');
    return dot < 0 ? 0 : int(pattern.size() - dot - 1);
}

double roundHalfAway(double value, int decimals) { return roundedDecimalForm(value, decimals, 15); }
double roundHalfAway(float value, int decimals) { return roundedDecimalForm(double(value), decimals, 7); }

static QString formatRounded(double rounded, const QString& pattern)
{
    int decimals = patternDecimals(pattern);
    int dot = pattern.lastIndexOf('.');
    int minIntegerDigits = int((dot < 0 ? pattern : pattern.left(dot)).count('0'));
    QString text = QString::number(std::fabs(rounded), 'f', decimals);
    int integerDigits = decimals > 0 ? int(text.indexOf('.')) : int(text.size());
    if (integerDigits == 1 && text.startsWith('0') && minIntegerDigits == 0)
        text.remove(0, 1); // "#.00" shows .50
    while (integerDigits < minIntegerDigits) {
        text.prepend('0');
        ++integerDigits;
    }
    bool zero = text.toDouble() == 0;
    return (rounded < 0 && !zero) ? "-" + text : text;
}

QString formatNumber(double value, const QString& pattern)
{
    return formatRounded(roundHalfAway(value, patternDecimals(pattern)), pattern);
}

QString formatNumber(float value, const QString& pattern)
{
    return formatRounded(roundHalfAway(value, patternDecimals(pattern)), pattern);
}

QString formatNumber(int value, const QString& pattern) { return formatRounded(double(value), pattern); }

// Reading the text back gives the rounded value itself wherever rounding took
// place, so the text is only made where it did not: values whose digits end
// before the pattern's decimals, which the text then rounds.
static double readBack(double value, int significant, const QString& pattern)
{
    double rounded = 0;
    if (roundDecimalForm(value, patternDecimals(pattern), significant, rounded))
        return rounded == 0 ? 0.0 : rounded;
    return formatRounded(value, pattern).toDouble();
}

double roundFormat(double value, const QString& pattern) { return readBack(value, 15, pattern); }
double roundFormat(float value, const QString& pattern) { return readBack(double(value), 7, pattern); }

double roundHalfEven(double value, int decimals)
{
    double scale = powerOfTen(decimals);
    return std::nearbyint(value * scale) / scale;
}

QString formatNonZero(double value, const QString& pattern)
{
    return value == 0 ? QString() : formatNumber(value, pattern);
}

double cutDecimals(double value, int decimals)
{
    double scale = powerOfTen(decimals);
    return std::floor(value * scale) / scale;
}

} // namespace tessaro
