#pragma once

#include "model_store/System.h"

class QSqlQuery;

// Binds the columns 1 to 15 of table System to a CSystem.
class CSystemInfoRs
{
public:
    static constexpr int BoundColumns = 15;
    static CSystem Read(const QSqlQuery& query);
};
