#pragma once

#include "forms/NumberField.h"

// The messages of one plain decimal field (no exponent).
struct CPlainNumberField
{
    CNumberField::Text valuePlus;
    CNumberField::Text negative;
    CNumberField::Text valuePoint;

    // N and Sjk of one standard accident row on the accident information page.
    static CPlainNumberField AccidentInteraction(const QString& code);
    static CPlainNumberField AccidentAdjustedCost(const QString& code);
};
