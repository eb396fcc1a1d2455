#pragma once

#include "model_store/Hazard.h"

class QSqlQuery;

// Binds the columns of table Hazard to a CHazard (Haz_ExposureTime and DeleteFlag are not read).
class CHazardInfoRs
{
public:
    static constexpr int BoundColumns = 15;
    static CHazard Read(const QSqlQuery& query);
};
