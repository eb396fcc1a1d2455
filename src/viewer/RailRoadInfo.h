#pragma once

#include <QString>

// One railroad workbook: its cost figure in dollars per mile, when cell E761 holds one.
struct CRailRoadInfo
{
    QString Name; // the workbook's file title
    double Rb = 0.0;
    bool HasRb = false; // false when E761 held no number; Rb is then shown as nothing
};
