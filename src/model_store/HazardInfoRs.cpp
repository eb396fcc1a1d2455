#include "model_store/HazardInfoRs.h"

#include "model_store/RecordBinding.h"

CHazard CHazardInfoRs::Read(const QSqlQuery& q)
{
    CHazard h;
    CRecordBinding::Take(q, 1, h.Haz_ID);
    CRecordBinding::Take(q, 2, h.System_ID);
    CRecordBinding::Take(q, 3, h.Haz_Title);
    CRecordBinding::Take(q, 4, h.Haz_Name);
    CRecordBinding::Take(q, 5, h.Haz_Analyst);
    CRecordBinding::Take(q, 6, h.Haz_Approvedby);
    CRecordBinding::Take(q, 7, h.Haz_Duration);
    // 8 Haz_ExposureTime is never read.
    CRecordBinding::Take(q, 9, h.Haz_Mitigation);
    CRecordBinding::Take(q, 10, h.Haz_Notes);
    CRecordBinding::Take(q, 11, h.Haz_Validation);
    CRecordBinding::Take(q, 12, h.Haz_Rate);
    CRecordBinding::Take(q, 13, h.Tolerable_HR);
    // 14 DeleteFlag is not part of the record.
    CRecordBinding::Take(q, 15, h.IsProbFromDatabase);
    return h;
}
