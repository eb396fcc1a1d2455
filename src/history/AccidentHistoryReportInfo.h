#pragma once

#include <QList>
#include <QString>

// One row of table Accident_Master: an accident type of the library.
class CAccidentHistoryReportInfo
{
public:
    CAccidentHistoryReportInfo() = default;
    CAccidentHistoryReportInfo(const CAccidentHistoryReportInfo&) = default;
    CAccidentHistoryReportInfo& operator=(const CAccidentHistoryReportInfo&) = default;
    virtual ~CAccidentHistoryReportInfo() = default;

    int Accident_ID = 0;
    QString Accident_Name;
    QString Description;
};

using CAccidentHistoryReportInfoList = QList<CAccidentHistoryReportInfo>;
