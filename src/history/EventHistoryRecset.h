#pragma once

#include "history/EventHistoryReport.h"

#include <QString>

class CDatabaseConnection;

// Runs the statements of table Event_History.
class CEventHistoryRecset
{
public:
    explicit CEventHistoryRecset(CDatabaseConnection& connection) : m_Connection(connection) {}

    bool Insert(const CEventHistoryReport& event, int* newId);
    bool SelectAll(CEventHistoryReportList& list);
    bool SelectByName(CEventHistoryReportList& list, const QString& name);
    bool Update(const CEventHistoryReport& event, const QString& oldName);
    bool Delete(const QString& name);

private:
    CDatabaseConnection& m_Connection;
    QString m_Statement;
};
