#pragma once

#include "viewer/AccidentInfo.h"

#include <QList>
#include <QString>

#include <array>

// One cause-code workbook: the figures of its sheet 4 and the accidents of its three speed bands.
struct CCauseCodeInfo
{
    QString CauseCode;           // the workbook's file title
    QString Description;         // cell A1 of sheet 4
    std::array<double, 6> Sjk{}; // adjusted cost per occurrence in dollars, by accident type
    std::array<double, 6> Cjk{}; // accident probability, by accident type
    QList<CAccidentInfo> LowSpeedAccidents;
    QList<CAccidentInfo> MediumSpeedAccidents;
    QList<CAccidentInfo> HighSpeedAccidents;
};
