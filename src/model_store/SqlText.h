#pragma once

#include <QString>

// How values are written into statement texts. Numbers always use a full stop, whatever the
// locale; every text has its single quotes doubled exactly once, so no value can change a
// statement.
class CSqlText
{
public:
    // The text with every single quote doubled; the statement supplies the surrounding quotes.
    static QString Text(const QString& text);
    // "%e": six digits after the point, two exponent digits (1.234568e-07); this rounds to
    // seven significant digits, and the stored value is the rounded one.
    static QString Exp(double value);
    // "%f" with the given number of decimals ("%f" is 6, "%.3f" is 3).
    static QString Fixed(double value, int decimals = 6);
    static QString Int(qint64 value);

    // Sys_Date as "%H:%M:%S %B %d %Y" in local time with English month names
    // (14:05:09 December 09 2026); seconds since 1970-01-01 00:00:00 UTC.
    static QString Date(qint64 secondsSinceEpoch);
    // The reverse, in local time; a text that is not such a date, or a date before 1970,
    // gives the zero time.
    static qint64 ParseDate(const QString& text);
};

// Short names for the runners, whose statements interleave many values with literal text.
namespace SqlValue
{
inline QString T(const QString& text)
{
    return CSqlText::Text(text);
}
inline QString N(qint64 value)
{
    return CSqlText::Int(value);
}
inline QString E(double value)
{
    return CSqlText::Exp(value);
}
} // namespace SqlValue
