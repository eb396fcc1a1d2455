#include "model_store/EventTreeInfoRs.h"

#include "model_store/RecordBinding.h"

CEventTree CEventTreeInfoRs::Read(const QSqlQuery& q)
{
    CEventTree e;
    CRecordBinding::Take(q, 1, e.Event_ID);
    CRecordBinding::Take(q, 2, e.Sys_ID);
    CRecordBinding::Take(q, 3, e.Haz_ID);
    CRecordBinding::Take(q, 4, e.Event_Title);
    CRecordBinding::Take(q, 5, e.Event_Name);
    CRecordBinding::Take(q, 6, e.Event_YesProbability);
    CRecordBinding::Take(q, 7, e.Event_ParentID);
    CRecordBinding::Take(q, 8, e.Event_Analyst);
    CRecordBinding::Take(q, 9, e.Event_Approvedby);
    CRecordBinding::Take(q, 10, e.Event_FunctionDesc);
    CRecordBinding::Take(q, 11, e.Event_Type);
    CRecordBinding::Take(q, 12, e.Accident_Number);
    CRecordBinding::Take(q, 13, e.Fatility);
    CRecordBinding::Take(q, 14, e.Exposed);
    CRecordBinding::Take(q, 15, e.Event_ParentAction);
    return e;
}

CEventTreeNode CEventTreeInfoRs::ReadNode(const QSqlQuery& q)
{
    CEventTreeNode node;
    node.event = Read(q);
    CRecordBinding::Take(q, 16, node.DeleteFlag);
    return node;
}
