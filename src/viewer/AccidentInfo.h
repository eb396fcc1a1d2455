#pragma once

#include <QString>

// One row of an accident sheet: an accident report as the workbook gives it.
struct CAccidentInfo
{
    QString ReportNo;
    double Date = 0.0; // the spreadsheet's day number, day 1 being 1 January 1900
    QString Type;      // "C" collision, "D" derailment, as typed (blanks and case vary)
    double EqptDamage = 0.0;
    double TrackDamage = 0.0;
    double OtherLosses = 0.0;
    int Fatalities = 0;
    int Injuries = 0;
    QString Speed;
    QString Railroad;
};
