#pragma once

#include <QString>

// Number texts of the lists, the report and the number pairs of the forms (mantissa box, "e",
// exponent box). All are independent of the process locale: the decimal point is always ".".

// Three-decimal mantissa, "e", signed exponent of at least two digits: 1.235e-04, 2.500e+04.
QString FormatScientific(double value);

// The pair as a form shows a stored number: six-decimal mantissa and signed exponent of at least
// two digits: 0.000123456 gives 1.234560 and -04.
void SplitScientific(double value, QString& mantissa, QString& exponent);

// mantissa + "e" + exponent read as a decimal number, taking the longest valid prefix (an empty
// exponent gives the mantissa, an empty mantissa 0).
double JoinScientific(const QString& mantissa, const QString& exponent);

// The decimal exponent as six-decimal scientific notation writes the number (0 for zero).
int NormalisedExponent(double value);

// The longest prefix of text that reads as a decimal number ([+-]digits[.digits][e[+-]digits]),
// as a number; 0 when there is none. Never infinite or NaN from words such as "inf" or "nan".
double ReadDecimalPrefix(const QString& text);

// The leading whole number of text (optional sign, digits up to the first non-digit), 0 when
// there is none; saturates instead of overflowing.
qint64 ReadIntegerPrefix(const QString& text);

// "%.Nf" of value, as printf writes it, with "." whatever the process locale.
QString FormatFixed(double value, int decimals);
