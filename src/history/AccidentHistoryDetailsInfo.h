#pragma once

#include <QList>
#include <QString>

// One row of table Accident_History: a recorded accident of an accident type. Losses and
// counts are 32-bit like their columns, so large figures are never cut short.
class CAccidentHistoryDetailsInfo
{
public:
    CAccidentHistoryDetailsInfo() = default;
    CAccidentHistoryDetailsInfo(const CAccidentHistoryDetailsInfo&) = default;
    CAccidentHistoryDetailsInfo& operator=(const CAccidentHistoryDetailsInfo&) = default;
    virtual ~CAccidentHistoryDetailsInfo() = default;

    int ID = 0;
    int Accident_ID = 0;
    int Fatality_1 = 0;     // commercial loss
    int Fatality_2 = 0;     // environmental loss
    int Fatality_3 = 0;     // loss due to injuries
    int Other_Fatality = 0; // other fatalities
    float Weight_1 = 0.0f;
    float Weight_2 = 0.0f;
    float Weight_3 = 0.0f;
    float OtherFatalityWeight = 0.0f;
    int Person_Exposed = 0;
    QString Name;
};

using CAccidentHistoryDetailsInfoList = QList<CAccidentHistoryDetailsInfo>;
