#pragma once

#include <QString>

// One row of the result lists, as the run fills it. Every field is a finished display text.
struct ResultRow
{
    QString HazardNumber;
    QString HazardLabel;
    QString RateText;
    QString AccidentLabel;
    QString ProbabilityText;
    QString CostText;
    QString RiskText;
    QString LimitText;
    QString AccidentRateText;
    QString TotalRiskText;
    QString VersionText;
    QString Spare1;
    QString Spare2;
};
