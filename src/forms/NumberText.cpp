#include "forms/NumberText.h"

#include <QByteArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace
{
// "%e" with six fractional digits, split into the mantissa text and the exponent as a number.
// to_chars writes what printf writes, without looking at the process locale.
bool SplitE(double value, char* mantissa, size_t size, int& exponent)
{
    if (!std::isfinite(value))
        return false;
    char text[64];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 6);
    if (ec != std::errc())
        return false;
    const char* e = std::find(text, end, 'e');
    const size_t length = size_t(e - text);
    if (e == end || length + 1 > size)
        return false;
    std::memcpy(mantissa, text, length);
    mantissa[length] = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    return true;
}

// Sign and at least two digits: -05, +12, +00, -100.
char* WriteExponent(char* out, int exponent)
{
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        *out++ = '0';
    return std::to_chars(out, out + 8, magnitude).ptr;
}

QString ExponentText(int exponent)
{
    char text[16];
    return QString::fromLatin1(text, WriteExponent(text, exponent) - text);
}
} // namespace

QString FormatScientific(double value)
{
    char mantissa[32];
    int exponent = 0;
    if (!SplitE(value, mantissa, sizeof mantissa, exponent))
        return QString::number(value);
    // Read back and rounded again to three decimals, so 9.999600 becomes 10.000 and the
    // exponent stays.
    double m = 0;
    std::from_chars(mantissa, mantissa + std::strlen(mantissa), m);
    char text[64];
    char* end = std::to_chars(text, text + 40, m, std::chars_format::fixed, 3).ptr;
    *end++ = 'e';
    end = WriteExponent(end, exponent);
    return QString::fromLatin1(text, end - text);
}

void SplitScientific(double value, QString& mantissa, QString& exponent)
{
    char text[32];
    int e = 0;
    if (!SplitE(value, text, sizeof text, e))
    {
        mantissa = QString::number(value);
        exponent.clear();
        return;
    }
    mantissa = QString::fromLatin1(text);
    exponent = ExponentText(e);
}

double JoinScientific(const QString& mantissa, const QString& exponent)
{
    return ReadDecimalPrefix(mantissa + u'e' + exponent);
}

int NormalisedExponent(double value)
{
    char mantissa[32];
    int exponent = 0;
    if (!SplitE(value, mantissa, sizeof mantissa, exponent))
        return std::numeric_limits<int>::max(); // out of every range a form accepts
    return exponent;
}

double ReadDecimalPrefix(const QString& text)
{
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto isDigit = [&](qsizetype k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (isDigit(i))
        ++i, ++digits;
    if (i < n && s[i] == '.')
    {
        ++i;
        while (isDigit(i))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E'))
    {
        qsizetype k = i + 1;
        if (k < n && (s[k] == '+' || s[k] == '-'))
            ++k;
        if (isDigit(k))
        {
            while (isDigit(k))
                ++k;
            end = k;
        }
    }
    // from_chars never looks at the process locale; it takes no leading "+".
    const qsizetype begin = s[0] == '+' ? 1 : 0;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(s.constData() + begin, s.constData() + end, value);
    Q_UNUSED(ptr);
    if (ec == std::errc::result_out_of_range)
    {
        // As strtod: plus or minus HUGE_VAL on overflow, 0 on underflow.
        const qsizetype e = s.left(end).toLower().indexOf('e');
        const bool tiny = e >= 0 && s.at(e + 1) == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        if (s[0] == '-')
            value = -value;
    }
    return value;
}

qint64 ReadIntegerPrefix(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 10;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    {
        if (value < limit)
            value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}

QString FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    char text[400];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return QString::number(value, 'f', decimals);
    return QString::fromLatin1(text, end - text);
}
