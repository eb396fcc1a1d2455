#include "model_store/SystemInfoRs.h"

#include "model_store/RecordBinding.h"
#include "model_store/SqlText.h"

CSystem CSystemInfoRs::Read(const QSqlQuery& q)
{
    CSystem s;
    CRecordBinding::Take(q, 1, s.Sys_ID);
    CRecordBinding::Take(q, 2, s.Sys_Title);
    CRecordBinding::Take(q, 3, s.Sys_Name);
    CRecordBinding::Take(q, 4, s.Sys_Analyst);
    CRecordBinding::Take(q, 5, s.Sys_Approvedby);
    CRecordBinding::Take(q, 6, s.Sys_TIR);
    CRecordBinding::Take(q, 7, s.Sys_Units);
    CRecordBinding::Take(q, 8, s.Sys_FatalityUnits);
    CRecordBinding::Take(q, 9, s.Sys_FunctionDesc);
    CRecordBinding::Take(q, 10, s.Sys_Notes);
    CRecordBinding::Take(q, 11, s.Sys_RefDoc);
    QString date;
    CRecordBinding::Take(q, 12, date);
    s.Sys_Date = CSqlText::ParseDate(date);
    CRecordBinding::Take(q, 13, s.Parent_ID);
    CRecordBinding::Take(q, 14, s.Type);
    CRecordBinding::Take(q, 15, s.Version);
    return s;
}
