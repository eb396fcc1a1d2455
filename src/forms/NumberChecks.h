#pragma once

#include "forms/PlainNumberField.h"

#include <QString>

// Each check shows at most one message (caption "Toravin Model Vozezur") and returns true when
// the value may be saved. No check changes the texts.

// A number pair: mantissa text and exponent text.
bool CheckNumberPair(const QString& mantissa, const QString& exponent, const CNumberField& field);

// A plain decimal field without exponent. An empty text passes and reads as 0.
bool CheckPlainNumber(const QString& text, const CPlainNumberField& field);
