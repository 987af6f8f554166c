#include "model/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaro {
namespace {

double powerOfTen(int n)
{
    double p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Rounds |value| written with `significant` digits at `decimals`, half up.
double roundDecimalForm(double value, int decimals, int significant)
{
    if (!std::isfinite(value) || value == 0)
        return value;
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
        return value;
    double sign = value < 0 ? -1.0 : 1.0;
    if (keep < 0)
        return 0.0 * sign;
    long long mantissa = 0;
    for (int i = 0; i < keep; ++i)
        mantissa = mantissa * 10 + (digits[i] - '0');
    if (digits[keep] >= '5')
        ++mantissa;
    return sign * (double(mantissa) / powerOfTen(decimals));
}

} // namespace

int patternDecimals(const QString& pattern)
{
    int dot = pattern.lastIndexOf('.');
    return dot < 0 ? 0 : int(pattern.size() - dot - 1);
}

double roundHalfAway(double value, int decimals) { return roundDecimalForm(value, decimals, 15); }
double roundHalfAway(float value, int decimals) { return roundDecimalForm(double(value), decimals, 7); }

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

double roundFormat(double value, const QString& pattern) { return formatNumber(value, pattern).toDouble(); }
double roundFormat(float value, const QString& pattern) { return formatNumber(value, pattern).toDouble(); }

double roundHalfEven(double value, int decimals)
{
    double scale = powerOfTen(decimals);
    return std::nearbyint(value * scale) / scale;
}

double cutDecimals(double value, int decimals)
{
    double scale = powerOfTen(decimals);
    return std::floor(value * scale) / scale;
}

} // namespace tessaro
