#include "forms/PlainNumberField.h"

namespace
{
CNumberField::Text Warn(const QString& text)
{
    return {text, CPrompter::Icon::Warning};
}
} // namespace

CPlainNumberField CPlainNumberField::AccidentInteraction(const QString& code)
{
    CPlainNumberField f;
    f.valuePlus =
        Warn("Please enter a proper value for the " + code + " Interaction with Environment field");
    f.negative =
        Warn("The " + code + " Interaction with environment field cannot take negative values");
    f.valuePoint =
        Warn("Please enter a proper value for the " + code + " Interaction With Environment field");
    return f;
}

CPlainNumberField CPlainNumberField::AccidentAdjustedCost(const QString& code)
{
    CPlainNumberField f;
    f.valuePlus = Warn("Please enter a proper value for the " + code + " Adjusted cost field");
    f.negative = Warn("The " + code + " Adjusted cost field cannot take negative values");
    f.valuePoint = f.valuePlus;
    return f;
}
