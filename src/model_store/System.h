#pragma once

#include <QList>
#include <QString>

// One row of table System: a system (Type 0), subsystem (1) or function (2).
class CSystem
{
public:
    CSystem() = default;
    CSystem(const CSystem&) = default;
    CSystem& operator=(const CSystem&) = default;
    virtual ~CSystem() = default;

    int Sys_ID = 0;
    QString Sys_Title;
    QString Sys_Name;
    QString Sys_Analyst;
    QString Sys_Approvedby;
    double Sys_TIR = 0.0; // acceptable safety performance limit (ASPL)
    QString Sys_Units;
    QString Sys_FatalityUnits;
    QString Sys_FunctionDesc;
    QString Sys_Notes;
    QString Sys_RefDoc;
    qint64 Sys_Date = 0; // seconds since 1970-01-01 00:00:00 UTC; 0 is the zero time
    int Parent_ID = 0;
    int Type = 0;
    int Version = 0;
    bool ProbFromDatabase = false;
};

using CSystemList = QList<CSystem>;

namespace SystemType
{
constexpr int System = 0;
constexpr int Subsystem = 1;
constexpr int Function = 2;
} // namespace SystemType
