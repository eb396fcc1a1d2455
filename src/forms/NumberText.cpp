#include "forms/NumberText.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace
{
// "%e" with six fractional digits, split into the mantissa text and the exponent as a number.
bool SplitE(double value, QString& mantissa, int& exponent)
{
    const QString text = QString::number(value, 'e', 6);
    const qsizetype e = text.indexOf(u'e');
    if (e < 0)
        return false; // inf or nan
    mantissa = text.left(e);
    exponent = text.mid(e + 1).toInt();
    return true;
}

QString ExponentText(int exponent)
{
    return QString::asprintf("%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
}
} // namespace

QString FormatScientific(double value)
{
    QString mantissa;
    int exponent = 0;
    if (!SplitE(value, mantissa, exponent))
        return QString::number(value);
    // Rounded again to three decimals, so 9.999600 becomes 10.000 and the exponent stays.
    return QString::number(mantissa.toDouble(), 'f', 3) + u'e' + ExponentText(exponent);
}

void SplitScientific(double value, QString& mantissa, QString& exponent)
{
    int e = 0;
    if (!SplitE(value, mantissa, e))
    {
        mantissa = QString::number(value);
        exponent.clear();
        return;
    }
    exponent = ExponentText(e);
}

double JoinScientific(const QString& mantissa, const QString& exponent)
{
    return ReadDecimalPrefix(mantissa + u'e' + exponent);
}

int NormalisedExponent(double value)
{
    QString mantissa;
    int exponent = 0;
    if (!SplitE(value, mantissa, exponent))
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
