#pragma once

#include "risk_analysis/ResultSink.h"

#include <QList>
#include <QString>

#include <cstdio>

class CApplicationState;

// The command line's result lists: keeps the rows as the run delivers them and prints the three
// lists afterwards, as tab-separated sections or as one JSON document.
class CResultPrinter : public CResultSink
{
public:
    explicit CResultPrinter(const CApplicationState& state) : m_State(state) {}

    void ClearResults() override;
    void AddResultRow(const ResultRow& row) override;
    void AddAccidentRateRow(const ResultRow& row) override;
    void AddCollectiveRiskRow(const ResultRow& row) override;

    QString Text() const;
    QString Json() const;

private:
    const CApplicationState& m_State;
    QList<QStringList> m_Results; // the system name is taken when the row arrives
    QList<QStringList> m_AccidentRates;
    QList<QStringList> m_CollectiveRisks;
};
