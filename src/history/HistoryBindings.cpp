#include "history/AccidentDetailsRs.h"
#include "history/AccidentMasterRs.h"
#include "history/EventHistoryRs.h"
#include "model_store/RecordBinding.h"

CEventHistoryReport CEventHistoryRs::Read(const QSqlQuery& q)
{
    CEventHistoryReport r;
    CRecordBinding::Take(q, 1, r.Event_ID);
    CRecordBinding::Take(q, 2, r.Event_Name);
    CRecordBinding::Take(q, 3, r.Event_Description);
    CRecordBinding::Take(q, 4, r.Event_Probability);
    return r;
}

CAccidentHistoryReportInfo CAccidentMasterRs::Read(const QSqlQuery& q)
{
    CAccidentHistoryReportInfo r;
    CRecordBinding::Take(q, 1, r.Accident_ID);
    CRecordBinding::Take(q, 2, r.Accident_Name);
    CRecordBinding::Take(q, 3, r.Description);
    return r;
}

CAccidentHistoryDetailsInfo CAccidentDetailsRs::Read(const QSqlQuery& q)
{
    CAccidentHistoryDetailsInfo r;
    CRecordBinding::Take(q, 1, r.ID);
    CRecordBinding::Take(q, 2, r.Accident_ID);
    CRecordBinding::Take(q, 3, r.Fatality_1);
    CRecordBinding::Take(q, 4, r.Fatality_2);
    CRecordBinding::Take(q, 5, r.Fatality_3);
    CRecordBinding::Take(q, 6, r.Other_Fatality);
    CRecordBinding::Take(q, 7, r.Person_Exposed);
    CRecordBinding::Take(q, 8, r.Weight_1);
    CRecordBinding::Take(q, 9, r.Weight_2);
    CRecordBinding::Take(q, 10, r.Weight_3);
    CRecordBinding::Take(q, 11, r.OtherFatalityWeight);
    CRecordBinding::Take(q, 12, r.Name);
    return r;
}
