#pragma once

#include <QList>
#include <QString>

// One row of table Hazard.
class CHazard
{
public:
    int Haz_ID = 0;
    int System_ID = 0;
    QString Haz_Title;
    QString Haz_Name;
    QString Haz_Analyst;
    QString Haz_Approvedby;
    double Haz_Duration = 0.0; // D
    QString Haz_Mitigation;
    QString Haz_Notes;
    QString Haz_Validation;
    double Haz_Rate = 0.0; // initial hazard rate HR
    double Tolerable_HR = 0.0;
    bool IsProbFromDatabase = false; // the fixed standard tree of six accidents
};

using CHazardList = QList<CHazard>;
