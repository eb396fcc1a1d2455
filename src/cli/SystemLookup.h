#pragma once

#include <QString>

class CApplicationState;

// Opens the live top-level system of that name and version (the highest live version when
// version is negative) as the application's open system. Returns 0 when it is open, 1 when the
// store failed (its message already shown), 2 when there is no such live system version (with
// its message shown).
int OpenSystemVersion(CApplicationState& state, const QString& name, int version);
