#pragma once

#include "common/Prompter.h"

#include <QString>

// The messages of one number pair field (mantissa, "e", exponent) and the checks that apply to
// it. An empty text means the field has no such message and the step does not apply.
struct CNumberField
{
    struct Text
    {
        QString text;
        CPrompter::Icon icon = CPrompter::Icon::Information;
    };

    Text blank;                   // empty mantissa
    Text valuePlus;               // "+" not at the start of the mantissa (and "-" for ASPL)
    Text valuePoint;              // a second "." in the mantissa
    Text negative;                // "-" anywhere in the mantissa (every field but ASPL)
    Text exponent;                // malformed exponent
    Text range;                   // exponent or normalised exponent beyond -99..+99
    Text greaterThanOne;          // probabilities only
    bool negativeAllowed = false; // ASPL: a leading "-" passes
    bool exponentRange = false;   // the exponent text itself is held to -99..+99

    static CNumberField Aspl();
    static CNumberField HazardDuration();
    static CNumberField InitialHazardRate();
    static CNumberField YesProbability();
    static CNumberField InteractionWithEnvironment(); // N on the accident form
    // The probability of one standard accident row; code is "LSC" ... "HSD".
    static CNumberField AccidentProbability(const QString& code);
};
