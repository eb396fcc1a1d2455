#pragma once

#include "common/ui/ContextHelp.h"
#include "common/ui/TabView.h"
#include "risk_analysis/ResultSink.h"

#include <functional>

class CResultListView;

// The lower pane: the lists "Result", "Accident Rates" and "Collective Risks" (tabs 0, 1, 2),
// which a run fills row by row.
class CResultTabView : public CTabView, public CResultSink, public CContextHelp
{
    Q_OBJECT
public:
    enum Tab
    {
        ResultTab = 0,
        AccidentRateTab = 1,
        CollectiveRiskTab = 2
    };

    // systemName gives the open system's name at the time a Result row is added.
    explicit CResultTabView(std::function<QString()> systemName, QWidget* parent = nullptr);

    // Null when index is not one of the three lists.
    CResultListView* GetList(int index) const;

    void ClearResults() override;
    void AddResultRow(const ResultRow& row) override;
    void AddAccidentRateRow(const ResultRow& row) override;
    void AddCollectiveRiskRow(const ResultRow& row) override;

    QString OnContextHelp() override;

    // Widens columns whose texts are longer than the column (once a run has filled the lists).
    void FitColumnsToRows();

private:
    std::function<QString()> m_SystemName;
    CResultListView* m_Lists[3] = {nullptr, nullptr, nullptr};
};
