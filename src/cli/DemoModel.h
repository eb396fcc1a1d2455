#pragma once

#include <QString>

class CHistoryDatabase;
class CModelDatabase;

// The demonstration model that quillon demo writes into a fresh database, in one transaction:
// an onboard braking and train separation protection system in two live versions and one in the
// recycle area, subsystems and functions two levels deep, hand-built event trees and one hazard
// with the standard tree of six accidents.
class CDemoModel
{
public:
    static inline const QString SystemName =
        QStringLiteral("Onboard Braking and Train Separation Protection");

    static bool Write(CModelDatabase& store);
    // The event library and the accident types with their recorded accidents.
    static bool WriteHistory(CHistoryDatabase& history);
};
