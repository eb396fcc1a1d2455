#pragma once

#include "model_store/Hazard.h"

#include <QString>

class CDatabaseConnection;

// Runs the statements of table Hazard, and the Event delete of the hazard cascade.
class CHazardRecset
{
public:
    explicit CHazardRecset(CDatabaseConnection& connection) : m_Connection(connection) {}

    bool Insert(const CHazard& hazard, int* newId);
    bool Update(const CHazard& hazard, int hazId);
    bool MarkDeleted(int hazId);
    bool Recover(int hazId);
    // The hazard and every Event row of it; both statements run even if the first fails.
    bool DeleteWithEvents(int hazId);
    bool DeleteOfSystem(int sysId);

    bool SelectById(CHazardList& list, int hazId);
    bool SelectByName(CHazardList& list, const QString& name, int sysId);
    bool SelectOfSystem(CHazardList& list, int sysId);
    bool SelectDeleted(CHazardList& list, int sysId);

private:
    bool Select(CHazardList& list, const QString& statement);

    CDatabaseConnection& m_Connection;
    QString m_Statement;
};
