#include "forms/NumberField.h"

namespace
{
using Icon = CPrompter::Icon;

CNumberField::Text Info(const QString& text)
{
    return {text, Icon::Information};
}
CNumberField::Text Warn(const QString& text)
{
    return {text, Icon::Warning};
}

// ASPL, Hazard Duration and Initial Hazard Rate share one pattern of wording.
CNumberField Quantity(const QString& label, bool properExponentValue)
{
    const QString q = u'"' + label + u'"';
    CNumberField f;
    f.blank = Info("The " + q + " field cannot be blank");
    f.valuePlus = Warn("Please enter a proper value for the " + q + " field");
    f.valuePoint = f.valuePlus;
    f.negative = Info("The " + q + " field cannot take negative values");
    f.exponent =
        Warn(properExponentValue ? "Please enter a proper exponent value for the " + q + " field"
                                 : "Please enter a proper exponent for the " + q + " field");
    f.range = Info("The exponential value of the " + q + " field has to be between -99 and +99");
    f.exponentRange = true;
    return f;
}
} // namespace

CNumberField CNumberField::Aspl()
{
    CNumberField f = Quantity(QStringLiteral("ASPL"), false);
    f.negative = {};
    f.negativeAllowed = true;
    return f;
}

CNumberField CNumberField::HazardDuration()
{
    return Quantity(QStringLiteral("Hazard Duration"), true);
}

CNumberField CNumberField::InitialHazardRate()
{
    return Quantity(QStringLiteral("Initial Hazard Rate"), true);
}

CNumberField CNumberField::YesProbability()
{
    CNumberField f;
    f.blank = Info(QStringLiteral("The \"Yes Probability\" field cannot be blank"));
    f.valuePlus =
        Warn(QStringLiteral("Please enter a proper value for the \"Yes Probability\" field"));
    f.valuePoint = f.valuePlus;
    f.negative = Info(QStringLiteral("The \"Yes Probability\" cannot take negative values"));
    f.exponent = Warn(QStringLiteral("Please enter a proper exponent value"));
    f.range = Info(QStringLiteral(
        "The exponential value of the \"Yes Probability\" field has to be between -99 and +99"));
    f.greaterThanOne = Info(QStringLiteral("The \"Yes Probability\" cannot be greater than 1."));
    return f;
}

CNumberField CNumberField::InteractionWithEnvironment()
{
    CNumberField f;
    f.blank = Info(QStringLiteral(
        "Please enter a proper value for the \"Interaction with environment\" field"));
    f.valuePlus = Warn(QStringLiteral(
        "Please enter a proper value for the \"Interaction with Environment\" field"));
    f.valuePoint = Warn(QStringLiteral(
        "Please enter a proper value for the \"Interaction With Environment\" field"));
    f.negative = Warn(
        QStringLiteral("The \"Interaction with environment\" field cannot take negative values"));
    f.exponent = Warn(QStringLiteral("Please enter a proper exponent value"));
    f.range = Info(QStringLiteral("Exponential value of N should be between -99 and +99"));
    f.exponentRange = true;
    return f;
}

CNumberField CNumberField::AccidentProbability(const QString& code)
{
    CNumberField f;
    f.valuePlus = Warn("Please enter a proper value for the " + code + " Probability field");
    f.valuePoint = f.valuePlus;
    f.negative = Info("The " + code + " Probability cannot take negative values");
    f.exponent = Warn("Please enter a proper " + code + " exponent value");
    f.range = Info("The exponential value of the " + code +
                   " Probability field has to be between -99 and +99");
    f.greaterThanOne = Info("The " + code + " Probability cannot be greater than 1.");
    return f;
}
