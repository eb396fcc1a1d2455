#pragma once

#include <QList>
#include <QString>

// One row of table Event_History: a library event with its yes probability.
class CEventHistoryReport
{
public:
    CEventHistoryReport() = default;
    CEventHistoryReport(const CEventHistoryReport&) = default;
    CEventHistoryReport& operator=(const CEventHistoryReport&) = default;
    virtual ~CEventHistoryReport() = default;

    int Event_ID = 0;
    QString Event_Name;
    QString Event_Description;
    float Event_Probability = 0.0f;
};

using CEventHistoryReportList = QList<CEventHistoryReport>;
