#pragma once

#include "history/AccidentHistoryDetailsInfo.h"
#include "history/AccidentHistoryReportInfo.h"

#include <QString>

class CDatabaseConnection;

// Runs the statements of tables Accident_Master and Accident_History.
class CAccidentMasterRecset
{
public:
    explicit CAccidentMasterRecset(CDatabaseConnection& connection) : m_Connection(connection) {}

    bool InsertMaster(const CAccidentHistoryReportInfo& master, int* newId);
    bool SelectMasters(CAccidentHistoryReportInfoList& list);
    bool SelectMasterByName(CAccidentHistoryReportInfoList& list, const QString& name);
    bool UpdateMaster(const CAccidentHistoryReportInfo& master, const QString& oldName);
    bool DeleteMaster(const QString& name);

    bool InsertDetails(const CAccidentHistoryDetailsInfo& details, int* newId);
    bool SelectDetailsOfMaster(CAccidentHistoryDetailsInfoList& list, int accidentId);
    bool SelectDetails(CAccidentHistoryDetailsInfoList& list, int id);
    bool UpdateDetails(const CAccidentHistoryDetailsInfo& details, int id);
    bool DeleteDetails(int id);

private:
    CDatabaseConnection& m_Connection;
    QString m_Statement;
};
