#pragma once

#include "history/AccidentHistoryDetailsInfo.h"

class QSqlQuery;

// Binds the columns of table Accident_History by ordinal; each value only when present.
class CAccidentDetailsRs
{
public:
    static constexpr int BoundColumns = 12;
    static CAccidentHistoryDetailsInfo Read(const QSqlQuery& query);
};
