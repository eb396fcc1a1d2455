#pragma once

#include <QList>
#include <QString>

// One record per hazard whose initial rate is tolerable. The run fills Label (empty), ValueA
// (the tolerable hazard rate) and HazardId; the report keeps its own list of the same type.
struct Summary
{
    QString Label;
    double ValueA = 0.0;
    double ValueB = 0.0;
    double ValueC = 0.0;
    int HazardId = 0;
};

using SummaryList = QList<Summary>;
