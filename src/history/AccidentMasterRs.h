#pragma once

#include "history/AccidentHistoryReportInfo.h"

class QSqlQuery;

// Binds the columns of table Accident_Master by ordinal.
class CAccidentMasterRs
{
public:
    static constexpr int BoundColumns = 3;
    static CAccidentHistoryReportInfo Read(const QSqlQuery& query);
};
