#pragma once

#include "risk_analysis/ResultRow.h"

// Where a run delivers its rows: the three result lists of the main window, or the command
// line's printer. Rows arrive in the order the run produces them.
class CResultSink
{
public:
    virtual ~CResultSink() = default;

    virtual void ClearResults() = 0;
    virtual void AddResultRow(const ResultRow& row) = 0;
    virtual void AddAccidentRateRow(const ResultRow& row) = 0;
    virtual void AddCollectiveRiskRow(const ResultRow& row) = 0;
};
