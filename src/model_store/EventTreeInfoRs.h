#pragma once

#include "model_store/EventTree.h"

class QSqlQuery;

// Binds the columns 1 to 15 of table Event to a CEventTree; ReadNode adds column 16, DeleteFlag.
class CEventTreeInfoRs
{
public:
    static constexpr int BoundColumns = 15;
    static CEventTree Read(const QSqlQuery& query);
    static CEventTreeNode ReadNode(const QSqlQuery& query);
};
