#pragma once
// Rounding as the system does it: a value is formatted with its display pattern
// ("0.00", "###0.00", "#####0.00", "0.0", "0.0000", "0", …) and the text is read
// back, so halves go away from zero at the pattern's last decimal. The decimal
// digits that rounding looks at are those of the value's usual decimal form
// (15 significant digits for a double, 7 for a single), so 2.675 rounds to 2.68
// although its binary value lies just below.

#include <QString>

namespace tessaro {

// Decimals of a display pattern: the characters after its last ".".
int patternDecimals(const QString& pattern);

// The value rounded half away from zero to the given decimals.
double roundHalfAway(double value, int decimals);
double roundHalfAway(float value, int decimals);

// The value written with the pattern: at least as many integer digits as the
// pattern has "0" before the point, exactly its decimals, no grouping.
QString formatNumber(double value, const QString& pattern);
QString formatNumber(float value, const QString& pattern);
QString formatNumber(int value, const QString& pattern);

// The value written with the pattern, or "" for 0: a box shows a value not yet given as empty.
QString formatNonZero(double value, const QString& pattern);

// Format with the pattern and read the text back.
double roundFormat(double value, const QString& pattern);
double roundFormat(float value, const QString& pattern);
inline float roundFormatSingle(double value, const QString& pattern) { return float(roundFormat(value, pattern)); }

// Halves to the even neighbour (used where whole numbers are formed so).
double roundHalfEven(double value, int decimals = 0);

// Digits beyond the decimals cut off, toward the next lower value.
double cutDecimals(double value, int decimals);

} // namespace tessaro
