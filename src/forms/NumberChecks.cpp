#include "forms/NumberChecks.h"

#include "forms/NumberText.h"

namespace
{
bool Fail(const CNumberField::Text& message)
{
    CPrompter::Message(message.text, message.icon);
    return false;
}

// A sign in the exponent must be its first character and the only sign.
bool BadExponentSign(const QString& exponent, QChar sign)
{
    if (!exponent.contains(sign))
        return false;
    const QString rest = exponent.mid(1);
    return exponent.front() != sign || rest.contains(u'+') || rest.contains(u'-');
}
} // namespace

bool CheckNumberPair(const QString& mantissa, const QString& exponent, const CNumberField& field)
{
    if (mantissa.isEmpty() && !field.blank.text.isEmpty())
        return Fail(field.blank);
    if (mantissa.contains(u'+') && !mantissa.startsWith(u'+'))
        return Fail(field.valuePlus);
    if (field.negativeAllowed)
    {
        if (mantissa.contains(u'-') && !mantissa.startsWith(u'-'))
            return Fail(field.valuePlus);
    }
    else if (mantissa.contains(u'-'))
        return Fail(field.negative);
    if (mantissa.count(u'.') > 1)
        return Fail(field.valuePoint);
    if (BadExponentSign(exponent, u'+') || BadExponentSign(exponent, u'-') ||
        exponent.count(u'.') > 1)
        return Fail(field.exponent);
    // A long exponent text passes only when it reads as zero ("00000").
    if (exponent.size() > 4 && ReadIntegerPrefix(exponent) != 0)
        return Fail(field.range);
    if (field.exponentRange)
    {
        const qint64 e = ReadIntegerPrefix(exponent);
        if (e < -99 || e > 99)
            return Fail(field.range);
    }
    const double value = JoinScientific(mantissa, exponent);
    if (!field.greaterThanOne.text.isEmpty() && value > 1.0)
        return Fail(field.greaterThanOne);
    const int normalised = NormalisedExponent(value);
    if (normalised < -99 || normalised > 99)
        return Fail(field.range);
    return true;
}

bool CheckPlainNumber(const QString& text, const CPlainNumberField& field)
{
    if (text.contains(u'+') && !text.startsWith(u'+'))
        return Fail(field.valuePlus);
    if (text.contains(u'-'))
        return Fail(field.negative);
    if (text.count(u'.') > 1)
        return Fail(field.valuePoint);
    return true;
}
