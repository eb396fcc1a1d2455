#pragma once

#include <QString>

// The short probability text of tree labels: six decimals, trailing zeros removed, "1" and "0"
// for values that round to them (0.25, 0.123457, 1, 0).
QString FormatProbabilityText(double probability);
