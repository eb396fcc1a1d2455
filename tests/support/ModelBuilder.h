#pragma once

#include "model_store/ModelDatabase.h"

#include <QString>

// Writes small models through the store for tests: one call per row, identifiers returned.
// Every failure fails the calling test through QVERIFY in the caller's checks of the ids (0).
class CModelBuilder
{
public:
    explicit CModelBuilder(CModelDatabase& store) : m_Store(store) {}

    int System(const QString& name, double aspl = 1.0, int version = 1,
               const QString& units = QStringLiteral("Train Mile"),
               const QString& costUnits = QStringLiteral("Dollars"));
    // A subsystem (Type 1) or function (Type 2) under parentId.
    int Child(int parentId, const QString& name, int type);
    int Hazard(int sysId, const QString& name, double rate, double duration,
               bool probFromDatabase = false);
    // An event on branch `branch` (ParentAction) of parentId (0 and Root for the first node).
    int Event(int sysId, int hazId, int parentId, int branch, const QString& name, double yes);
    int Accident(int sysId, int hazId, int parentId, int branch, const QString& name, double n,
                 float s, double storedProbability = 0.0);

private:
    CModelDatabase& m_Store;
};
