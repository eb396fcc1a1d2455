#pragma once

#include "history/EventHistoryReport.h"

class QSqlQuery;

// Binds the columns of table Event_History by ordinal.
class CEventHistoryRs
{
public:
    static constexpr int BoundColumns = 4;
    static CEventHistoryReport Read(const QSqlQuery& query);
};
